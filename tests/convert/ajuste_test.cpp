// Text fitted into VYR's record: Windows-1252 bytes, Latin letters through
// ICU for what the code page cannot hold, widths, and merged names.
#include <gtest/gtest.h>

#include "convert/ajuste.h"
#include "convert/fusion.h"

namespace vyr::conv {
namespace {

TEST(Ajuste, TextToWindows1252) {
    const struct { const char* utf8; std::string bytes; int translit, interrogacion, sustituidos; } casos[] = {
        {"B09 Płońsk", "B09 Plonsk", 2, 0, 0},
        {"Mińsk Mazowiecki", "Minsk Mazowiecki", 1, 0, 0},
        {"Győr", "Gyor", 1, 0, 0},
        {"Жуков", "Zukov", 5, 0, 0},
        {"Ωμέγα", "Omega", 5, 0, 0},
        {"ﬁx", "fix", 1, 0, 0},
        {"😀 ok", "? ok", 0, 1, 0},
        {"ł😀", "l?", 1, 1, 0},
        {"x\u0303", "x", 1, 0, 0},          // a stray combining mark is dropped
        {"e\u0301", "\xE9", 0, 0, 0},        // composed first: é has its byte
        {"“Low 33” – €", "\x93Low 33\x94 \x96 \x80", 0, 0, 0},  // the code page holds these
        {"Radio Clube do Pará", "Radio Clube do Par\xE1", 0, 0, 0},
        {"a;b", "a,b", 0, 0, 1},
        {"a\tb\r\nc", "a b  c", 0, 0, 3},
        {"?", "?", 0, 0, 0},
    };
    for (const auto& c : casos) {
        RecuentoTexto r;
        EXPECT_EQ(ACp1252(QString::fromUtf8(c.utf8), r), c.bytes) << c.utf8;
        EXPECT_EQ(r.transliterados, c.translit) << c.utf8;
        EXPECT_EQ(r.sinEquivalente, c.interrogacion) << c.utf8;
        EXPECT_EQ(r.sustituidos, c.sustituidos) << c.utf8;
    }
}

Registro Reg(const char* nombre, QStringList obs = {}) {
    Registro r;
    r.hercios = "7100000";
    r.descripcion = QString::fromUtf8(nombre);
    r.observaciones = std::move(obs);
    return r;
}

TEST(Ajuste, LongFieldsAreCutAndALongNameStaysWhole) {
    const std::string largo = "D14 - District Wide \"Low 33\" District 14 Fire Mutual Aid Association";
    Registro r = Reg(largo.c_str(), {"BW 10 kHz"});
    r.servicio = "A service name of 25 chars";
    r.modo = "DIGITAL";
    r.fecha = "05122026";
    Recuento c;
    const RegDatos d = AjustaRegistro(r, {}, c);
    EXPECT_EQ(d.Descripcion.Texto(), largo.substr(0, 40));
    EXPECT_EQ(d.Servicio.Texto(), "A service name of ");
    EXPECT_EQ(d.Modo.Texto(), "DIGITA");
    EXPECT_EQ(d.Fecha.Texto(), "051220");
    EXPECT_EQ(d.Observaciones.SinEspaciosFinales(), largo + " \xB7 BW 10 kHz");
    EXPECT_EQ(c.cortados, (std::array<int, 5>{1, 1, 1, 1, 0}));

    // A date that lost its leading zero gets it back, as the import would.
    Registro corta = Reg("x");
    corta.fecha = "51226 ";
    Recuento c1;
    EXPECT_EQ(AjustaRegistro(corta, {}, c1).Fecha.Texto(), "051226");

    Recuento c2;
    const RegDatos d2 = AjustaRegistro(Reg("x", {QString(200, 'a'), QString(40, 'b')}), {}, c2);
    EXPECT_EQ(d2.Observaciones.Texto(), std::string(200, 'a') + " \xB7 " + std::string(27, 'b'));
    EXPECT_EQ(c2.cortados, (std::array<int, 5>{0, 0, 0, 0, 1}));
}

TEST(Ajuste, MergedNamesJoinObservationsWhileTheyFit) {
    Recuento c;
    const RegDatos d = AjustaRegistro(Reg("7TA Alger Radio", {"0000-2400"}),
                                      {"7TB Annaba", "7TA Alger Radio", "", "7TB Annaba", "Łódź"}, c);
    EXPECT_EQ(d.Observaciones.SinEspaciosFinales(), "0000-2400 / 7TB Annaba / L\xF3" "dz");
    EXPECT_EQ(c.texto.transliterados, 2);
    EXPECT_EQ(c.nombresSinSitio, 0);

    // 220 characters of observations leave room for one short name only.
    Recuento c2;
    const RegDatos d2 = AjustaRegistro(Reg("x", {QString(220, 'o')}), {"abcdefg", "hi", "ñandú", "Ł"}, c2);
    EXPECT_EQ(d2.Observaciones.SinEspaciosFinales(), std::string(220, 'o') + " / abcdefg");
    EXPECT_EQ(c2.nombresSinSitio, 3);
    EXPECT_EQ(c2.texto.transliterados, 0);  // the names left out are not counted as written
    Recuento c3;
    EXPECT_EQ(AjustaRegistro(Reg("x"), {"y"}, c3).Observaciones.SinEspaciosFinales(), "y");
}

TEST(Fusion, OneLinePerFrequencyInAscendingOrder) {
    std::vector<Registro> regs;
    for (const auto& [hz, n] : std::vector<std::pair<std::string, const char*>>{
             {"7100000", "a"}, {"1000.5", "b"}, {"7100000", "c"}, {"145800000", "d"}, {"1000.5", "e"},
             {"7100000", "f"}, {"1000", "g"}}) {
        Registro r = Reg(n);
        r.hercios = hz;
        regs.push_back(r);
    }
    Recuento c;
    const auto l = Fusiona(regs, c);
    ASSERT_EQ(l.size(), 4u);
    const std::vector<std::tuple<std::string, std::string, QStringList>> esperado = {
        {"1000", "g", {}}, {"1000.5", "b", {"e"}}, {"7100000", "a", {"c", "f"}}, {"145800000", "d", {}}};
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].registro.hercios, std::get<0>(esperado[i]));
        EXPECT_EQ(l[i].registro.descripcion.toStdString(), std::get<1>(esperado[i]));
        EXPECT_EQ(l[i].otrosNombres, std::get<2>(esperado[i]));
    }
    EXPECT_EQ(c.filasFusionadas, 3);
}

}  // namespace
}  // namespace vyr::conv
