// The files written: our lines, Gqrx's bookmarks and SDR++'s JSON, byte for
// byte; and the round trips through the receivers.
#include <gtest/gtest.h>

#include "convert/conversion.h"
#include "convert/escritores.h"
#include "convert/programa.h"

namespace vyr::conv {
namespace {

Linea L(const char* hz, const char* nombre, const char* servicio, const char* modo, QStringList obs = {},
        const char* fecha = "") {
    Linea l;
    l.registro.hercios = hz;
    l.registro.descripcion = QString::fromUtf8(nombre);
    l.registro.servicio = QString::fromUtf8(servicio);
    l.registro.modo = modo;
    l.registro.fecha = fecha;
    l.registro.observaciones = std::move(obs);
    return l;
}

TEST(Escritores, VyrLinesAsOurExportWritesThem) {
    std::vector<Linea> l = {L("16400", "JXN Marine Norway", "", "", {"0000-2400", "País NOR"}),
                            L("148762500", "B09 Płońsk", "SP", "NFM", {"BW 10 kHz"}, "051226")};
    l[1].otrosNombres = {"Other"};
    Recuento c;
    EXPECT_EQ(EscribeVyr(l, c),
              "16400;JXN Marine Norway;;;;0000-2400 \xB7 Pa\xEDs NOR\r\n"
              "148762500;B09 Plonsk;SP;NFM;051226;BW 10 kHz / Other\r\n");
    EXPECT_EQ(c.texto.transliterados, 2);
}

TEST(Escritores, GqrxAsGqrxWritesIt) {
    const std::vector<Linea> l = {
        L("75587500", "FENZ Wellington", "FENZ", "NFM", {"BW 12,5 kHz"}),
        L("88600000", "Radio Active", "FM Radio", "WFM"),
        L("118300000", "A name longer than twenty-five", "", "AM", {"otra cosa"}),
        L("145000000.5", "Half; hertz", "a,b", "RTTY"),
        L("146000000", "", "Amateur", "FM", {}, "051226"),
    };
    Recuento c;
    EXPECT_EQ(EscribeGqrx(l, c),
              "# Tag name          ;  color\n"
              "Amateur             ; #c0c0c0\n"
              "FENZ                ; #c0c0c0\n"
              "FM Radio            ; #c0c0c0\n"
              "Untagged            ; #c0c0c0\n"
              "a b                 ; #c0c0c0\n"
              "\n"
              "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
              "    75587500; FENZ Wellington          ; Narrow FM           ;      12500; FENZ\n"
              "    88600000; Radio Active             ; WFM (stereo)        ;     200000; FM Radio\n"
              "   118300000; A name longer than twenty-five; AM                  ;      10000; Untagged\n"
              "   145000001; Half, hertz              ; RTTY                ;      10000; a b\n"
              "   146000000;                          ; Narrow FM           ;      12500; Amateur\n");
    EXPECT_EQ(c.herciosRedondeados, 1);
    EXPECT_EQ(c.modosDesconocidos, 1);  // RTTY
    EXPECT_EQ(c.modosCambiados, 1);     // FM comes back as NFM
    EXPECT_EQ(c.sinSitio, 2);           // "otra cosa", the date
}

TEST(Escritores, SdrppAsSdrppLoadsIt) {
    const std::vector<Linea> l = {
        L("118300000", "Tower", "Air Band", "AM"),
        L("118350000", "Tower", "Air Band", "AM"),
        L("145800000", "", "", "USB", {"BW 2,7 kHz"}),
        L("224298.0625", "Tower (2)", "Air Band", "RTTY"),
    };
    Recuento c;
    EXPECT_EQ(EscribeSdrpp(l, c), R"json({
    "bookmarkDisplayMode": 1,
    "lists": {
        "Air Band": {
            "bookmarks": {
                "Tower": {
                    "bandwidth": 10000,
                    "frequency": 118300000,
                    "mode": 2
                },
                "Tower (2)": {
                    "bandwidth": 10000,
                    "frequency": 118350000,
                    "mode": 2
                },
                "Tower (2) (2)": {
                    "bandwidth": 10000,
                    "frequency": 224298.0625,
                    "mode": 7
                }
            },
            "showOnWaterfall": true
        },
        "General": {
            "bookmarks": {
                "145,8 MHz": {
                    "bandwidth": 2700,
                    "frequency": 145800000,
                    "mode": 4
                }
            },
            "showOnWaterfall": true
        }
    },
    "selectedList": "Air Band"
}
)json");
    EXPECT_EQ(c.nombresCambiados, 3);
    EXPECT_EQ(c.modosDesconocidos, 1);
    EXPECT_EQ(c.modosCambiados, 1);
}

// Out to a receiver and back keeps every frequency, name and mode that the
// receiver has, and says which modes it has not.
TEST(Escritores, RoundTripThroughGqrxAndSdrpp) {
    const std::string vyr =
        "1000;VLF;;;;\r\n"
        "6070000;CFRX Toronto;BC;AM;051226;BW 10 kHz\r\n"
        "7100000.5;Le\xF3n \x93" "DX\x94;RA;LSB;;\r\n"
        "14230000;SSTV;RA;USB;;\r\n"
        "14070000;Morse;RA;CW;;\r\n"
        "145500000;Repetidor;RA;NFM;;\r\n"
        "101500000;5UV Radio Adelaide;FM;WFM;;\r\n"
        "10489500000;QO-100;SA;RAW;;\r\n";
    for (Formato receptor : {Formato::Gqrx, Formato::Sdrpp}) {
        const auto ida = Convierte({Formato::Vyr, receptor, "a"}, vyr);
        ASSERT_EQ(ida.estado, 0) << ida.error;
        const auto vuelta = Convierte({std::nullopt, Formato::Vyr, "b"}, ida.salida);
        ASSERT_EQ(vuelta.estado, 0) << vuelta.error;
        EXPECT_EQ(vuelta.de, receptor);
        auto antes = test::LineasVyr(vyr);
        std::sort(antes.begin(), antes.end(), [](const test::CamposVyr& a, const test::CamposVyr& b) {
            return std::stod(a.hz) < std::stod(b.hz);
        });
        auto despues = test::LineasVyr(vuelta.salida);
        if (receptor == Formato::Gqrx) {
            antes[2].hz = "7100001";  // Gqrx keeps whole hertz, and said so
            EXPECT_EQ(ida.recuento.herciosRedondeados, 1);
        }
        if (receptor == Formato::Sdrpp) {
            antes[0].modo = "RAW";  // no mode in SDR++ is "none"
            EXPECT_EQ(ida.recuento.modosCambiados, 1);
        }
        EXPECT_EQ(despues, antes) << Nombre(receptor);
    }
}

}  // namespace
}  // namespace vyr::conv
