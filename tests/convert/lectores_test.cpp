// Each reader on small files written here: the rows it gives, the rows it
// refuses with their line and reason, and how it read the text.
#include <gtest/gtest.h>

#include "convert/csv_comillas.h"
#include "convert/formatos.h"
#include "convert/lectores.h"

namespace vyr::conv {
namespace {

// One line per row, "orden donde: value|value", under its field names when
// they change; then one per refusal, "orden donde - reason"; then how the
// text was read, and the error if any.
std::string Vuelca(const Lectura& l) {
    std::string r, nombres;
    for (const Fila& f : l.filas) {
        std::string n, v;
        for (const auto& [nombre, valor] : f.campos) (n += nombre + "|"), (v += valor.toStdString() + "|");
        if (n != nombres) r += "[" + (nombres = n) + "]\n";
        r += std::to_string(f.orden) + " " + f.donde + ": " + v + "\n";
    }
    for (const Descarte& d : l.descartes) r += std::to_string(d.orden) + " " + d.donde + " - " + d.motivo + "\n";
    r += "UTF-8 " + std::to_string(l.texto.filasUtf8) + ", 1252 " + std::to_string(l.texto.filasCp1252);
    return l.error.empty() ? r : r + ", " + l.error;
}

TEST(Lectores, EachFormat) {
    const struct { Lectura (*lee)(std::string_view); std::string bytes, esperado; } casos[] = {
        {LeeGqrx,
         "# Tag name          ;  color\nAir Civ             ; #c0c0c0\nBroken tag line\n"
         "   129375000; In the tag section       ; Narrow FM  ;      10000; SP\n\n"
         "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\r\n"
         "   148762500; B09 P\xC5\x82o\xC5\x84sk               ; Narrow FM           ;      10000; SP\r\n"
         "   118300000;                          ; AM                  ;      10000; Air Civ,SP\n"
         "   118300001; Sul\xE9j\xF3wek; AM; 10000; \n   1; only; four; fields\n   2; x; y\n",
         "[Frequency|Name|Modulation|Bandwidth|Tags|]\n4 línea 4: 129375000|In the tag section|Narrow FM|10000|SP|\n"
         "7 línea 7: 148762500|B09 Płońsk|Narrow FM|10000|SP|\n8 línea 8: 118300000||AM|10000|Air Civ,SP|\n"
         "9 línea 9: 118300001|Suléjówek|AM|10000||\n3 línea 3 - tiene 1 campo, se esperaban 5\n"
         "10 línea 10 - tiene 4 campos, se esperaban 5\n11 línea 11 - tiene 3 campos, se esperaban 5\nUTF-8 1, 1252 1"},
        {LeeEibi,
         "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;\r\n"
         "11780.5;0800-0900;Mo-Fr;B;Radio Clube do Par\xE1;P;SAm;;1;2903;3010\r\n\r\n"
         "6070;0000-2400;;CAN;CFRX Toronto;E;ENA;;1;;[0622]\r\n6070;0000-2400;;CAN;Ten fields;E;ENA;;1;\r\n"
         "6070;0000-2400;;CAN;Twelve;E;ENA;;1;;;\r\n",
         "[kHz|Time(UTC)|Days|ITU|Station|Lng|Target|Remarks|P|Start|Stop|]\n"
         "2 línea 2: 11780.5|0800-0900|Mo-Fr|B|Radio Clube do Pará|P|SAm||1|2903|3010|\n"
         "4 línea 4: 6070|0000-2400||CAN|CFRX Toronto|E|ENA||1||[0622]|\n5 línea 5 - tiene 10 campos, se esperaban 11\n"
         "6 línea 6 - tiene 12 campos, se esperaban 11\nUTF-8 0, 1252 1"},
        {LeeChirp,
         "\xEF\xBB\xBF# a comment\r\nLocation,Name,Frequency,Duplex,Offset,Mode,Comment\r\n"
         "1,SEA 01,156.050000,-,4.600000,FM,\"Port Operations, Commercial\"\r\n# 2,commented,156.1,,,FM,\r\n"
         "3,Two\r\n4,\"Multi\r\nline\",156.2,,,NFM,\"quote \"\"q\"\"\"\r\n5,Caf\xE9,156.3,,,AM,\r\n"
         "6,\"open,156.4,,,AM,\r\n",
         "[Location|Name|Frequency|Duplex|Offset|Mode|Comment|]\n"
         "3 línea 3: 1|SEA 01|156.050000|-|4.600000|FM|Port Operations, Commercial|\n"
         "6 línea 6: 4|Multi\r\nline|156.2|||NFM|quote \"q\"|\n8 línea 8: 5|Café|156.3|||AM||\n"
         "5 línea 5 - tiene 2 campos, se esperaban 7\n"
         "9 línea 9 - unas comillas no se cierran antes del final del fichero\nUTF-8 0, 1252 1"},
        {LeeChirp, "Name,Location\r\n1,2\r\n",
         "UTF-8 0, 1252 0, no tiene la cabecera de CHIRP (una línea que empieza por \"Location,\")"},
        {LeeChirp, "Location,Name\r\n1,2\r\n", "UTF-8 0, 1252 0, la cabecera de CHIRP no tiene la columna Frequency"},
        {LeeSdrpp, R"({
            "bookmarkDisplayMode": 1,
            "lists": {
                "Air Band": {"bookmarks": {
                    "Adelaide ATIS": {"bandwidth": 15000.0, "frequency": 134500000.0, "mode": 2},
                    "Odd": {"bandwidth": 224298.0625, "frequency": "145.5", "mode": "x"}
                }, "showOnWaterfall": true},
                "Old": {"Tower": {"bandwidth": 0, "frequency": 118100000, "mode": 7}, "showOnWaterfall": true},
                "Broken": 3,
                "General": {"bookmarks": {"Not an object": 5, "Missing": {}}, "showOnWaterfall": false}
            },
            "selectedList": "Nowhere"})",
         "[list|name|frequency|mode|bandwidth|]\n"
         "1 lista \"Air Band\", marcador \"Adelaide ATIS\": Air Band|Adelaide ATIS|134500000|2|15000|\n"
         "2 lista \"Air Band\", marcador \"Odd\": Air Band|Odd|145.5|x|224298.0625|\n"
         "4 lista \"General\", marcador \"Missing\": General|Missing||||\n"
         "6 lista \"Old\", marcador \"Tower\": Old|Tower|118100000|7|0|\n3 lista \"Broken\" - no es un objeto JSON\n"
         "5 lista \"General\", marcador \"Not an object\" - no es un objeto JSON\nUTF-8 0, 1252 0"},
        {LeeSdrpp, R"({"bookmarks":{"A":{"bandwidth":0,"frequency":7100000.5,"mode":4}}})",
         "[list|name|frequency|mode|bandwidth|]\n1 marcador \"A\": |A|7100000.5|4|0|\nUTF-8 0, 1252 0"},
        {LeeSdrpp, R"({"selectedList": "General"})", "UTF-8 0, 1252 0, el JSON no tiene \"lists\" ni \"bookmarks\""},
        {LeeVyr, "7100000;Radio;BC;AM;51226;test\r\n\r\n145800000\r\n1234.5;  Le\xF3n  ;;;;a;b\nx;;;;;\r",
         "[Frecuencia|Descripción|Servicio|Modo|Fecha|Observaciones|]\n1 línea 1: 7100000|Radio|BC|AM|051226|test|\n"
         "3 línea 3: 145800000||||||\n4 línea 4: 1234.5|  León||||a|\n5 línea 5: x||||||\nUTF-8 0, 1252 1"},
    };
    for (const auto& c : casos) EXPECT_EQ(Vuelca(c.lee(c.bytes)), c.esperado) << c.bytes;
    // The parser's own words stand between these two.
    const std::string roto = LeeSdrpp(R"({"lists": {"A": })").error;
    EXPECT_TRUE(roto.starts_with("no es JSON válido (") && roto.ends_with(", en el byte 17)")) << roto;
}

// Records: "line:field|field", "!" for a quote never closed. Quoted commas,
// doubled quotes and quoted line breaks are in the CHIRP file above.
TEST(Lectores, QuotedCsv) {
    const struct { std::string bytes, esperado; } casos[] = {
        {"a,,\n\n\nb\n", "1:a|| 4:b"}, {"in\"side,\"\"\n", "1:in\"side|"}, {"last", "1:last"},
        {"1,\"never closed\n2,3\n", "1:1|never closed\n2,3\n!"},
    };
    for (const auto& c : casos) {
        std::string r;
        for (const RegistroCsv& k : CortaCsv(c.bytes)) {
            r += (r.empty() ? "" : " ") + std::to_string(k.linea) + ":";
            for (std::size_t i = 0; i < k.campos.size(); ++i) r += (i ? "|" : "") + k.campos[i];
            if (k.sinCierre) r += "!";
        }
        EXPECT_EQ(r, c.esperado) << c.bytes;
    }
}

TEST(Formatos, DetectedFromContent) {
    using F = Formato;
    const struct { std::string bytes; std::vector<F> esperado; } casos[] = {
        {"# Tag name          ;  color\nA ; #c0c0c0\n\n# Frequency ; Name ; Modulation ;  Bandwidth; Tags\n"
         " 7100000; X; AM; 10000; A\n", {F::Gqrx}},
        {"# Frequency ; Name ; Modulation ;  Bandwidth; Tags\r\n", {F::Gqrx}},
        {"Location,Name,Frequency\r\n1,A,146.52\r\n", {F::Chirp}},
        {"\xEF\xBB\xBF# CHIRP\n\"Location\",\"Name\",\"Frequency\"\n", {F::Chirp}},
        {"kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;\r\n16.4;0000-2400;;NOR;X;;NEu;no;1;;\r\n", {F::Eibi}},
        {"{\"lists\": {\"General\": {\"bookmarks\": {}}}}", {F::Sdrpp}},
        {"  \n{\"bookmarks\": {\"A\": {\"frequency\": 1e6}}}", {F::Sdrpp}},
        {"7100000;Radio;BC;AM;051226;obs\r\n", {F::Vyr}}, {"\r\n1234.5;;;;;\r\n", {F::Vyr}},
        // Look-alikes that are none of them.
        {"7100000;Radio;BC\r\n", {}}, {" 7100000;Radio;BC;AM;;\r\n", {}}, {"-7100000;Radio;BC;AM;;\r\n", {}},
        {"{\"lists\": [1, 2]}", {}}, {"{\"lists\": {}", {}}, {"Name,Location,Frequency\n", {}}, {"kHz;Time\n", {}},
        {"", {}}, {"hola\n", {}},
        // Marks of two formats at once.
        {"7100000;Radio;BC;AM;;\r\n# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n", {F::Gqrx, F::Vyr}},
    };
    for (const auto& c : casos) EXPECT_EQ(Candidatos(c.bytes), c.esperado) << c.bytes;
}

}  // namespace
}  // namespace vyr::conv
