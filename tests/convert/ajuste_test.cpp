// Text fitted into VYR's record: Windows-1252 bytes, Latin letters through
// ICU for what the code page cannot hold, widths, and merged names.
#include <gtest/gtest.h>

#include "convert/ajuste.h"
#include "convert/fusion.h"

namespace vyr::conv {
namespace {

TEST(Ajuste, TextToWindows1252) {
    const struct { const char* utf8; std::string bytes; int translit, interrogacion, sustituidos; } casos[] = {
        {"B09 Płońsk", "B09 Plonsk", 2, 0, 0}, {"Mińsk Mazowiecki", "Minsk Mazowiecki", 1, 0, 0},
        {"Győr", "Gyor", 1, 0, 0}, {"Жуков", "Zukov", 5, 0, 0}, {"Ωμέγα", "Omega", 5, 0, 0}, {"ﬁx", "fix", 1, 0, 0},
        {"😀 ok", "? ok", 0, 1, 0}, {"ł😀", "l?", 1, 1, 0}, {"a;b", "a,b", 0, 0, 1}, {"?", "?", 0, 0, 0},
        {"x\u0303", "x", 1, 0, 0},    // a stray combining mark is dropped
        {"e\u0301", "\xE9", 0, 0, 0},  // composed first: é has its byte
        {"“Low 33” – €", "\x93Low 33\x94 \x96 \x80", 0, 0, 0},  // the code page holds these
        {"Radio Clube do Pará", "Radio Clube do Par\xE1", 0, 0, 0}, {"a\tb\r\nc", "a b  c", 0, 0, 3},
    };
    for (const auto& c : casos) {
        RecuentoTexto r;
        const std::string bytes = ACp1252(QString::fromUtf8(c.utf8), r);
        EXPECT_EQ(std::tuple(bytes, r.transliterados, r.sinEquivalente, r.sustituidos),
                  std::tuple(c.bytes, c.translit, c.interrogacion, c.sustituidos)) << c.utf8;
    }
}

Registro Reg(const char* nombre, QStringList obs = {}, const char* hz = "7100000") {
    return Registro{"", hz, QString::fromUtf8(nombre), "", "", "", std::move(obs)};
}

TEST(Ajuste, LongFieldsAreCutAndALongNameStaysWhole) {
    const std::string largo = "D14 - District Wide \"Low 33\" District 14 Fire Mutual Aid Association";
    Registro r = Reg(largo.c_str(), {"BW 10 kHz"});
    std::tie(r.servicio, r.modo, r.fecha) = std::tuple("A service name of 25 chars", "DIGITAL", "05122026");
    Recuento c, c1, c2;
    const RegDatos d = AjustaRegistro(r, {}, c);
    EXPECT_EQ(std::tuple(d.Descripcion.Texto(), d.Servicio.Texto(), d.Modo.Texto(), d.Fecha.Texto()),
              std::tuple(largo.substr(0, 40), "A service name of ", "DIGITA", "051220"));
    EXPECT_EQ(d.Observaciones.SinEspaciosFinales(), largo + " \xB7 BW 10 kHz");
    EXPECT_EQ(c.cortados, (std::array<int, 5>{1, 1, 1, 1, 0}));
    // A date that lost its leading zero gets it back, as the import would.
    Registro corta = Reg("x");
    corta.fecha = "51226 ";
    EXPECT_EQ(AjustaRegistro(corta, {}, c1).Fecha.Texto(), "051226");
    const RegDatos d2 = AjustaRegistro(Reg("x", {QString(200, 'a'), QString(40, 'b')}), {}, c2);
    EXPECT_EQ(d2.Observaciones.Texto(), std::string(200, 'a') + " \xB7 " + std::string(27, 'b'));
    EXPECT_EQ(c2.cortados, (std::array<int, 5>{0, 0, 0, 0, 1}));
}

TEST(Ajuste, MergedNamesJoinObservationsWhileTheyFit) {
    Recuento c, c2, c3;
    const RegDatos d = AjustaRegistro(Reg("7TA Alger Radio", {"0000-2400"}),
                                      {"7TB Annaba", "7TA Alger Radio", "", "7TB Annaba", "Łódź"}, c);
    EXPECT_EQ(d.Observaciones.SinEspaciosFinales(), "0000-2400 / 7TB Annaba / L\xF3" "dz");
    EXPECT_EQ(std::pair(c.texto.transliterados, c.nombresSinSitio), std::pair(2, 0));
    // 220 characters of observations leave room for one short name only; the
    // names left out are not counted as written.
    const RegDatos d2 = AjustaRegistro(Reg("x", {QString(220, 'o')}), {"abcdefg", "hi", "ñandú", "Ł"}, c2);
    EXPECT_EQ(d2.Observaciones.SinEspaciosFinales(), std::string(220, 'o') + " / abcdefg");
    EXPECT_EQ(std::pair(c2.texto.transliterados, c2.nombresSinSitio), std::pair(0, 3));
    EXPECT_EQ(AjustaRegistro(Reg("x"), {"y"}, c3).Observaciones.SinEspaciosFinales(), "y");
}

TEST(Fusion, OneLinePerFrequencyInAscendingOrder) {
    std::vector<Registro> regs;
    for (const auto& [hz, n] : std::vector<std::pair<const char*, const char*>>{
             {"7100000", "a"}, {"1000.5", "b"}, {"7100000", "c"}, {"145800000", "d"}, {"1000.5", "e"},
             {"7100000", "f"}, {"1000", "g"}})
        regs.push_back(Reg(n, {}, hz));
    Recuento c;
    std::string lineas;
    for (const Linea& l : Fusiona(regs, c))
        lineas += l.registro.hercios + " " + l.registro.descripcion.toStdString() + "+" +
                  l.otrosNombres.join(",").toStdString() + "|";
    EXPECT_EQ(lineas, "1000 g+|1000.5 b+e|7100000 a+c,f|145800000 d+|");
    EXPECT_EQ(c.filasFusionadas, 3);
}

}  // namespace
}  // namespace vyr::conv
