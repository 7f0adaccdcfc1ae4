// From the source's fields to VYR's record: decimals to exact hertz, each
// format's mapping and mode tables (the README shows exactly these), the text
// fitted into the record's fields, and rows merged by frequency.
#include <gtest/gtest.h>

#include <cmath>

#include "convert/ajuste.h"
#include "convert/fusion.h"
#include "convert/hercios.h"
#include "convert/mapeo.h"
#include "convert/modos.h"
#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "support/ficheros.h"

namespace vyr::conv {
namespace {

// hz nullptr: the text is refused (no digits, a second point, or any other
// character, even those a C library's reading takes).
TEST(Hercios, DecimalTextsBecomeExactHertz) {
    const struct { const char* texto; int potencia; const char* hz; } casos[] = {
        {"6070", 3, "6070000"}, {"11780.5", 3, "11780500"}, {"145.8", 6, "145800000"}, {"16.4", 3, "16400"},
        {"0.000001", 6, "1"}, {" 007.50\t", 0, "7.5"}, {"145.5000001", 6, "145500000.1"}, {"1.", 0, "1"},
        {".5", 0, "0.5"}, {"+3", 0, "3"}, {"-3", 0, "-3"}, {"-0.0", 0, "0"}, {"156.050000", 6, "156050000"},
        {"10489500000", 0, "10489500000"}, {"12.5", -3, "0.0125"}, {"224298.0625", -3, "224.2980625"},
        {"", 0, nullptr}, {"1.2.3", 0, nullptr}, {"1e6", 0, nullptr}, {"0x10", 0, nullptr}, {"1,5", 0, nullptr},
    };
    for (const auto& c : casos) EXPECT_EQ(Decimal(c.texto, c.potencia).value_or("-"), c.hz ? c.hz : "-") << c.texto;
}

TEST(Hercios, DoublesAsTheirShortestExactText) {
    for (const auto& [v, t] : {std::pair{224298.0625, "224298.0625"}, {145500000.0, "145500000"}, {0.1, "0.1"},
                               {1e21, "1000000000000000000000"}, {-2.5, "-2.5"}, {std::nan(""), "?"}, {INFINITY, "?"}})
        EXPECT_EQ(DecimalDeDouble(v).value_or("?"), t) << v;
}

TEST(Hercios, RangeIsOneKilohertzToNineHundredMillionMegahertz) {
    for (const auto& [hz, dentro] : {std::pair{"999.999", false}, {"1000", true}, {"1000.5", true}, {"16400", true},
                                     {"900000000000000", true}, {"900000000000000.1", false},
                                     {"1000000000000000", false}, {"-5000", false}, {"0", false}})
        EXPECT_EQ(EnRango(hz), dentro) << hz;
}

TEST(Hercios, OrderIsNumericOrder) {
    const char* ordenados[] = {"-10", "-9.5", "0", "0.05", "0.5", "0.51", "9", "10", "10.01", "100"};
    for (std::size_t i = 0; i < std::size(ordenados); ++i)
        for (std::size_t j = 0; j < std::size(ordenados); ++j)
            EXPECT_EQ(Compara(ordenados[i], ordenados[j]), i < j ? -1 : i > j ? 1 : 0)
                << ordenados[i] << " " << ordenados[j];
}

TEST(Hercios, RoundingToFifteenDigitsAndToWholeHertz) {
    const struct { const char* hz; std::string quince, entero; } casos[] = {
        {"145800000", "145800000", "145800000"}, {"123456789012.3455", "123456789012.346", "123456789012"},
        {"99999.999999999999", "100000", "100000"}, {"1234.5678901234567", "1234.56789012346", "1235"},
        {"10489500000.5", "10489500000.5", "10489500001"}, {"1000.4", "1000.4", "1000"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(std::pair(Redondea15(c.hz), HercioEntero(c.hz)), std::pair(c.quince, c.entero));
}

// What we write is what the store reads and then writes back unchanged, so
// an import followed by an export gives the same line.
TEST(Hercios, StoreReadsAndWritesBackTheSameText) {
    for (const char* hz : {"1000", "16400", "6070000", "11780500", "145800000", "224298.0625", "901.5",
                           "123456789012.346", "900000000000000", "10489500000.5", "75925510"})
        EXPECT_EQ(TextoHercios(LecturaEntrada(hz) / 1e6), hz);
}

// A row from "name=value|name=value".
Fila HazFila(const QString& texto) {
    Fila f{1, "línea 1", {}};
    for (const QString& campo : texto.split('|'))
        f.campos.emplace_back(campo.section('=', 0, 0).toStdString(), campo.section('=', 1));
    return f;
}

// Hertz, Descripción, Servicio, Modo, Fecha and Observaciones joined " · ",
// or why the row was refused; marked when rounded to 15 digits.
std::string Resultado(const Mapeado& m) {
    if (!m.registro) return m.motivo;
    const Registro& r = *m.registro;
    return (QString::fromStdString(r.hercios) + "|" + QStringList{r.descripcion, r.servicio, r.modo, r.fecha,
            r.observaciones.join(" · ")}.join('|') + (m.redondeado ? " (redondeado)" : "")).toStdString();
}

TEST(Mapeo, EachFormatsTable) {
    using F = Formato;
    const std::string fuera = " Hz está fuera del intervalo de 0,001 a 900.000.000 MHz";
    const struct { F formato; const char* fila; std::string esperado; } casos[] = {
        {F::Gqrx, "Frequency=148762500|Name=B09 Płońsk|Modulation=Narrow FM|Bandwidth=10000|Tags=SP",
         "148762500|B09 Płońsk|SP|NFM||BW 10 kHz"},
        {F::Gqrx,
         "Frequency=75587500|Name=FENZ|Modulation=wfm (STEREO)|Bandwidth=12500|Tags=Untagged, fire-tac ,law_tac",
         "75587500|FENZ|fire-tac|WFM||BW 12,5 kHz · law_tac"},
        {F::Gqrx, "Frequency=10489500000|Name=|Modulation=Digital|Bandwidth=0|Tags=Untagged", "10489500000|||DIG||"},
        {F::Gqrx, "Frequency=7100000|Modulation=Pactor|Bandwidth=wide|Tags=a,b,c", "7100000||a|PACTOR||BW wide · b, c"},
        {F::Gqrx, "Frequency=999", "la frecuencia 999" + fuera},
        {F::Sdrpp, "list=FM Broadcast|name=Nova 919|frequency=91900000|mode=1|bandwidth=224298.0625",
         "91900000|Nova 919|FM Broadcast|WFM||BW 224,2980625 kHz"},
        {F::Sdrpp, "list=General|name=x|frequency=7100000.5|mode=6|bandwidth=0", "7100000.5|x||LSB||"},
        {F::Sdrpp, "frequency=-145500000", "la frecuencia -145500000" + fuera},
        {F::Sdrpp, "frequency=7100000.1234567891", "7100000.12345679||||| (redondeado)"},
        {F::Sdrpp, "frequency=7100000.12345678", "7100000.12345678|||||"},
        {F::Chirp, "Location=1|Name=SEA 01|Frequency=156.050000|Duplex=-|Offset=4.600000|Tone=|Mode=FM|"
                   "Comment=Port Operations|Power=50W|TStep=25.00",
         "156050000|SEA 01||FM||Port Operations · Desp. -4,6 MHz · Canal 1"},
        {F::Chirp, "Location=7|Name=R|Frequency=146.52 MHz|Duplex=split|Offset=446.000000|Tone=Tone|rToneFreq=88.5|"
                   "Mode=Auto", "146520000|R||||TX 446 MHz · Tono 88,5 Hz · Canal 7"},
        {F::Chirp, "Frequency=7100 kHz|Duplex=off|Tone=TSQL|cToneFreq=100.0|Mode=NCWR",
         "7100000|||NCWR||Sin TX · TSQL 100 Hz"},
        {F::Chirp, "Frequency=446.00625|Tone=DTCS|DtcsCode=023|DtcsPolarity=NR|Mode=nfm",
         "446006250|||NFM||DCS 023 NR"},
        {F::Chirp, "Frequency=446.1|Tone=Cross|CrossMode=Tone->DTCS|Duplex=+|Offset=0.6",
         "446100000|||||Desp. +0,6 MHz · Cross Tone->DTCS"},
        {F::Chirp, "Frequency=", "no tiene frecuencia"},
        {F::Eibi, "kHz=11780.5|Time(UTC)=0800-0900|Days=Mo-Fr|ITU=B|Station=Radio Clube do Pará|Lng=P|Target=SAm|"
                  "Remarks=/USA|P=8|Start=2903|Stop=3108[0622]",
         "11780500|Radio Clube do Pará||||0800-0900 · Mo-Fr · P · SAm · País B · Emisor /USA · inactiva · "
         "2903-3108 visto 06/22"},
        {F::Eibi, "kHz=16.4|Time(UTC)=0000-2400|Station=JXN|P=4|Stop=[1219]",
         "16400|JXN||||0000-2400 · solo invierno · visto 12/19"},
        {F::Eibi, "kHz=6070|P=5|Start=0101", "6070000|||||solo verano · desde 0101"},
        {F::Eibi, "kHz=6070|P=1|Stop=3010", "6070000|||||hasta 3010"},
        {F::Vyr, "Frecuencia=7100000|Descripción=Radio|Servicio=Radiodifusión|Modo=AM|Fecha=051226|"
                 "Observaciones=BW 10 kHz · x", "7100000|Radio|Radiodifusión|AM|051226|BW 10 kHz · x"},
        {F::Vyr, "Frecuencia=900000000000000.5", "la frecuencia 900000000000000.5" + fuera},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Resultado(Mapea(c.formato, HazFila(QString::fromUtf8(c.fila)))), c.esperado) << c.fila;
}

// The tables themselves are held by the README check below; these rows are
// the look-up around them: case, spaces, and what no table has (the modes
// each format's rows and files use are in the tables around this one).
TEST(Modos, ReadAndWritten) {
    const struct { std::span<const ModoLeido> tabla; bool distingue; const char *origen, *vyr; } leidos[] = {
        {kModosGqrx, false, "raw i/q", "RAW"}, {kModosGqrx, false, " usb ", "USB"}, {kModosGqrx, false, "CW-U", "CW"},
        {kModosGqrx, false, "Demod Off", ""}, {kModosSdrpp, true, "8", "8"}, {kModosChirp, true, "auto", "AUTO"},
    };
    for (const auto& c : leidos) EXPECT_EQ(ModoVyr(c.tabla, c.origen, c.distingue).toStdString(), c.vyr) << c.origen;
    const struct { const char *vyr; std::string gqrx; int sdrpp, ancho; } escritos[] = {
        {"sam", "AM-Sync", 2, 10000}, {" CW-L", "CW-L", 5, 500}, {"", "Demod Off", 7, 0}, {"DSB", "", 3, 10000},
    };
    for (const auto& c : escritos) {
        const ModoSalida& m = ModoParaSalida(c.vyr);
        EXPECT_EQ(std::tuple(std::string(m.gqrx), m.sdrpp, m.anchoHz), std::tuple(c.gqrx, c.sdrpp, c.ancho))
            << c.vyr;
    }
}

TEST(Mapeo, ReadmeShowsTheTablesOfTheCode) {
    const std::string readme = test::LeeFichero(VYR_README);
    ASSERT_FALSE(readme.empty()) << VYR_README;
    for (Formato f : kFormatos)
        EXPECT_NE(readme.find(TablaMarkdown(f)), std::string::npos) << "README lacks:\n" << TablaMarkdown(f);
    EXPECT_NE(readme.find(ModosMarkdown()), std::string::npos) << "README lacks:\n" << ModosMarkdown();
}

TEST(Ajuste, TextToWindows1252) {
    const struct { const char* utf8; std::string bytes; int translit, interrogacion, sustituidos; } casos[] = {
        {"B09 Płońsk", "B09 Plonsk", 2, 0, 0}, {"Жуков", "Zukov", 5, 0, 0}, {"ﬁx", "fix", 1, 0, 0},
        {"ł😀", "l?", 1, 1, 0}, {"a;b", "a,b", 0, 0, 1}, {"?", "?", 0, 0, 0}, {"a\tb\r\nc", "a b  c", 0, 0, 3},
        // A stray combining mark is dropped; é is composed first and has its byte; the code page holds “”–€.
        {"x\u0303", "x", 1, 0, 0}, {"e\u0301", "\xE9", 0, 0, 0}, {"“Low 33” – €", "\x93Low 33\x94 \x96 \x80", 0, 0, 0},
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
    for (const auto& [hz, n] : {std::pair{"7100000", "a"}, {"1000.5", "b"}, {"7100000", "c"}, {"145800000", "d"},
                                {"1000.5", "e"}, {"7100000", "f"}, {"1000", "g"}})
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
