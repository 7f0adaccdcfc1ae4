// The mapping tables, row by row: what each source field becomes in VYR, and
// the mode tables; the README shows exactly these tables.
#include <gtest/gtest.h>

#include "convert/mapeo.h"
#include "convert/modos.h"
#include "support/ficheros.h"

namespace vyr::conv {
namespace {

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
        {F::Gqrx, "Frequency=75587500|Name=FENZ|Modulation=wfm (STEREO)|Bandwidth=12500|Tags=Untagged, fire-tac ,law_tac",
         "75587500|FENZ|fire-tac|WFM||BW 12,5 kHz · law_tac"},
        {F::Gqrx, "Frequency=10489500000|Name=|Modulation=Digital|Bandwidth=0|Tags=Untagged", "10489500000|||DIG||"},
        {F::Gqrx, "Frequency=7100000|Modulation=Pactor|Bandwidth=wide|Tags=a,b,c", "7100000||a|PACTOR||BW wide · b, c"},
        {F::Gqrx, "Frequency=abc", "la frecuencia \"abc\" no es un número"},
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
        {F::Chirp, "Frequency=7100 kHz|Duplex=off|Tone=TSQL|cToneFreq=100.0|Mode=NCWR", "7100000|||NCWR||Sin TX · TSQL 100 Hz"},
        {F::Chirp, "Frequency=446.00625|Tone=DTCS|DtcsCode=023|DtcsPolarity=NR|Mode=nfm", "446006250|||NFM||DCS 023 NR"},
        {F::Chirp, "Frequency=446.1|Tone=Cross|CrossMode=Tone->DTCS|Duplex=+|Offset=0.6",
         "446100000|||||Desp. +0,6 MHz · Cross Tone->DTCS"},
        {F::Chirp, "Frequency=0.000000", "la frecuencia 0" + fuera},
        {F::Chirp, "Frequency=", "no tiene frecuencia"},
        {F::Eibi, "kHz=11780.5|Time(UTC)=0800-0900|Days=Mo-Fr|ITU=B|Station=Radio Clube do Pará|Lng=P|Target=SAm|"
                  "Remarks=/USA|P=8|Start=2903|Stop=3108[0622]",
         "11780500|Radio Clube do Pará||||0800-0900 · Mo-Fr · P · SAm · País B · Emisor /USA · inactiva · "
         "2903-3108 visto 06/22"},
        {F::Eibi, "kHz=16.4|Time(UTC)=0000-2400|Station=JXN|P=4|Stop=[1219]",
         "16400|JXN||||0000-2400 · solo invierno · visto 12/19"},
        {F::Eibi, "kHz=6070|P=5|Start=0101", "6070000|||||solo verano · desde 0101"},
        {F::Eibi, "kHz=6070|P=1|Stop=3010", "6070000|||||hasta 3010"},
        {F::Eibi, "kHz=1e3", "la frecuencia \"1e3\" no es un número"},
        {F::Vyr, "Frecuencia=7100000|Descripción=Radio|Servicio=Radiodifusión|Modo=AM|Fecha=051226|"
                 "Observaciones=BW 10 kHz · x", "7100000|Radio|Radiodifusión|AM|051226|BW 10 kHz · x"},
        {F::Vyr, "Frecuencia=900000000000000.5", "la frecuencia 900000000000000.5" + fuera},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Resultado(Mapea(c.formato, HazFila(QString::fromUtf8(c.fila)))), c.esperado) << c.fila;
}

TEST(Modos, ReadTables) {
    const auto g = kModosGqrx, s = kModosSdrpp, c = kModosChirp;
    const struct { std::span<const ModoLeido> tabla; bool distingue; const char* origen; const char* vyr; } casos[] = {
        {g, false, "Demod Off", ""}, {g, false, "raw i/q", "RAW"}, {g, false, "AM-Sync", "SAM"}, {g, false, "CW-U", "CW"},
        {g, false, "CW-L", "CW-L"}, {g, false, "Narrow FM", "NFM"}, {g, false, "WFM (mono)", "WFM"},
        {g, false, "WFM (oirt)", "OIRT"}, {g, false, "FSK", "FSK"}, {g, false, " usb ", "USB"},
        {g, false, "Olivia", "OLIVIA"}, {s, true, "0", "NFM"}, {s, true, "1", "WFM"}, {s, true, "2", "AM"},
        {s, true, "3", "DSB"}, {s, true, "4", "USB"}, {s, true, "5", "CW"}, {s, true, "6", "LSB"}, {s, true, "7", "RAW"},
        {s, true, "8", "8"}, {c, true, "Auto", ""}, {c, true, "DN", "DN"}, {c, true, "NAM", "NAM"},
        {c, true, "auto", "AUTO"},
    };
    for (const auto& k : casos) EXPECT_EQ(ModoVyr(k.tabla, k.origen, k.distingue).toStdString(), k.vyr) << k.origen;
}

TEST(Modos, OutTable) {
    const struct { const char* vyr; const char* gqrx; int sdrpp, ancho; } casos[] = {
        {"AM", "AM", 2, 10000}, {"sam", "AM-Sync", 2, 10000}, {"DSB", "", 3, 10000}, {"USB", "USB", 4, 2800},
        {"LSB", "LSB", 6, 2800}, {"CW", "CW-U", 5, 500}, {" CW-L", "CW-L", 5, 500}, {"NFM", "Narrow FM", 0, 12500},
        {"FM", "Narrow FM", 0, 12500}, {"WFM", "WFM (stereo)", 1, 200000}, {"OIRT", "WFM (oirt)", 1, 200000},
        {"RAW", "Raw I/Q", 7, 0}, {"", "Demod Off", 7, 0}, {"RTTY", "", 7, 10000},
    };
    for (const auto& c : casos) {
        const ModoSalida& m = ModoParaSalida(c.vyr);
        EXPECT_EQ(std::tuple(std::string(m.gqrx), m.sdrpp, m.anchoHz), std::tuple(std::string(c.gqrx), c.sdrpp, c.ancho))
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

}  // namespace
}  // namespace vyr::conv
