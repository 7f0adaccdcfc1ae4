// The files written: Gqrx's bookmarks and SDR++'s JSON, byte for byte (our
// own lines are held by the program's runs); and only ours goes out to the
// receivers.
#include <gtest/gtest.h>

#include <utility>

#include "convert/formatos.h"
#include "convert/escritores.h"

namespace vyr::conv {
namespace {

Linea L(const char* hz, const char* nombre, const char* servicio, const char* modo, QStringList obs = {},
        const char* fecha = "") {
    return Linea{Registro{"", hz, QString::fromUtf8(nombre), QString::fromUtf8(servicio), modo, fecha, std::move(obs)}, {}};
}

TEST(Escritores, GqrxAsGqrxWritesIt) {
    Recuento c;
    EXPECT_EQ(EscribeGqrx({L("75587500", "FENZ Wellington", "FENZ", "NFM", {"BW 12,5 kHz"}),
                           L("88600000", "Radio Active", "FM Radio", "WFM"),
                           L("118300000", "A name longer than twenty-five", "", "AM", {"otra cosa"}),
                           L("145000000.5", "Half; hertz", "a,b", "RTTY"),
                           L("146000000", "", "Amateur", "FM", {}, "051226")},
                          c),
              "# Tag name          ;  color\nAmateur             ; #c0c0c0\nFENZ                ; #c0c0c0\n"
              "FM Radio            ; #c0c0c0\nUntagged            ; #c0c0c0\na b                 ; #c0c0c0\n\n"
              "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
              "    75587500; FENZ Wellington          ; Narrow FM           ;      12500; FENZ\n"
              "    88600000; Radio Active             ; WFM (stereo)        ;     200000; FM Radio\n"
              "   118300000; A name longer than twenty-five; AM                  ;      10000; Untagged\n"
              "   145000001; Half, hertz              ; RTTY                ;      10000; a b\n"
              "   146000000;                          ; Narrow FM           ;      12500; Amateur\n");
    // Half a hertz rounded; RTTY unknown; FM comes back as NFM; "otra cosa" and the date have no place.
    EXPECT_EQ(std::tuple(c.herciosRedondeados, c.modosDesconocidos, c.modosCambiados, c.sinSitio),
              std::tuple(1, 1, 1, 2));
}

// SDR++'s JSON, four spaces a level, built here by hand: a list and its bookmarks.
using Marca = std::tuple<std::string, int, std::string, int>;  // name, bandwidth, frequency, mode

std::string Lista(const std::string& nombre, const std::vector<Marca>& marcas) {
    const std::string s(16, ' ');
    std::string r = "        \"" + nombre + "\": {\n            \"bookmarks\": {\n";
    for (const auto& [n, ancho, hz, modo] : marcas)
        r.append(s).append("\"").append(n).append("\": {\n").append(s).append("    \"bandwidth\": ")
            .append(std::to_string(ancho)).append(",\n").append(s).append("    \"frequency\": ").append(hz)
            .append(",\n").append(s).append("    \"mode\": ").append(std::to_string(modo)).append("\n")
            .append(s).append("},\n");
    return r.substr(0, r.size() - 2) + "\n            },\n            \"showOnWaterfall\": true\n        }";
}

TEST(Escritores, SdrppAsSdrppLoadsIt) {
    Recuento c;
    EXPECT_EQ(EscribeSdrpp({L("118300000", "Tower", "Air Band", "AM"), L("118350000", "Tower", "Air Band", "AM"),
                            L("145800000", "", "", "USB", {"BW 2,7 kHz"}),
                            L("224298.0625", "Tower (2)", "Air Band", "RTTY")},
                           c),
              "{\n    \"bookmarkDisplayMode\": 1,\n    \"lists\": {\n" +
                  Lista("Air Band", {{"Tower", 10000, "118300000", 2}, {"Tower (2)", 10000, "118350000", 2},
                                     {"Tower (2) (2)", 10000, "224298.0625", 7}}) +
                  ",\n" + Lista("General", {{"145,8 MHz", 2700, "145800000", 4}}) +
                  "\n    },\n    \"selectedList\": \"Air Band\"\n}\n");
    EXPECT_EQ(std::tuple(c.nombresCambiados, c.modosDesconocidos, c.modosCambiados), std::tuple(3, 1, 1));
}

TEST(Escritores, OnlyOurFormatGoesOutToTheReceivers) {
    using F = Formato;
    for (F de : kFormatos)
        for (F a : kFormatos)
            EXPECT_EQ(Admitida(de, a), a == F::Vyr || (de == F::Vyr && (a == F::Gqrx || a == F::Sdrpp)))
                << Nombre(de) << " " << Nombre(a);
}

}  // namespace
}  // namespace vyr::conv
