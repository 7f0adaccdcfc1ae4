// Each reader on small files written here: the rows it gives, the rows it
// refuses with their line and reason, and how it read the text.
#include <gtest/gtest.h>

#include "convert/csv_comillas.h"
#include "convert/lectores.h"

namespace vyr::conv {
namespace {

struct Esperada {
    int orden;
    std::string donde;
    std::vector<std::pair<std::string, std::string>> campos;  // UTF-8; only those named
};

void Comprueba(const Lectura& l, const std::vector<Esperada>& filas,
               const std::vector<std::pair<int, std::string>>& descartes) {
    ASSERT_EQ(l.filas.size(), filas.size());
    for (std::size_t i = 0; i < filas.size(); ++i) {
        EXPECT_EQ(l.filas[i].orden, filas[i].orden) << i;
        EXPECT_EQ(l.filas[i].donde, filas[i].donde) << i;
        for (const auto& [n, v] : filas[i].campos) EXPECT_EQ(l.filas[i].Valor(n).toStdString(), v) << i << " " << n;
    }
    ASSERT_EQ(l.descartes.size(), descartes.size());
    for (std::size_t i = 0; i < descartes.size(); ++i) {
        EXPECT_EQ(l.descartes[i].orden, descartes[i].first) << i;
        EXPECT_EQ(l.descartes[i].motivo, descartes[i].second) << i;
    }
}

TEST(Lectores, Gqrx) {
    const std::string f =
        "# Tag name          ;  color\n"
        "Air Civ             ; #c0c0c0\n"
        "Broken tag line\n"
        "   129375000; In the tag section       ; Narrow FM  ;      10000; SP\n"
        "\n"
        "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\r\n"
        "   148762500; B09 P\xC5\x82o\xC5\x84sk               ; Narrow FM           ;      10000; SP\r\n"
        "   118300000;                          ; AM                  ;      10000; Air Civ,SP\n"
        "   118300001; Sul\xE9j\xF3wek; AM; 10000; \n"
        "   1; only; four; fields\n"
        "   2; x; y\n";
    const Lectura l = LeeGqrx(f);
    Comprueba(l,
              {{4, "línea 4", {{"Frequency", "129375000"}, {"Name", "In the tag section"}, {"Tags", "SP"}}},
               {7, "línea 7", {{"Frequency", "148762500"}, {"Name", "B09 Płońsk"}, {"Modulation", "Narrow FM"},
                               {"Bandwidth", "10000"}, {"Tags", "SP"}}},
               {8, "línea 8", {{"Name", ""}, {"Modulation", "AM"}, {"Tags", "Air Civ,SP"}}},
               {9, "línea 9", {{"Name", "Suléjówek"}, {"Tags", ""}}}},
              {{3, "tiene 1 campo, se esperaban 5"}, {10, "tiene 4 campos, se esperaban 5"},
               {11, "tiene 3 campos, se esperaban 5"}});
    EXPECT_EQ(l.texto.filasUtf8, 1);
    EXPECT_EQ(l.texto.filasCp1252, 1);  // a row that is not UTF-8 is read as Windows-1252
}

TEST(Lectores, Eibi) {
    const std::string f =
        "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;\r\n"
        "11780.5;0800-0900;Mo-Fr;B;Radio Clube do Par\xE1;P;SAm;;1;2903;3010\r\n"
        "\r\n"
        "6070;0000-2400;;CAN;CFRX Toronto;E;ENA;;1;;[0622]\r\n"
        "6070;0000-2400;;CAN;Ten fields;E;ENA;;1;\r\n"
        "6070;0000-2400;;CAN;Twelve;E;ENA;;1;;;\r\n";
    const Lectura l = LeeEibi(f);
    Comprueba(l,
              {{2, "línea 2", {{"kHz", "11780.5"}, {"Time(UTC)", "0800-0900"}, {"Days", "Mo-Fr"}, {"ITU", "B"},
                               {"Station", "Radio Clube do Pará"}, {"Lng", "P"}, {"Target", "SAm"}, {"Remarks", ""},
                               {"P", "1"}, {"Start", "2903"}, {"Stop", "3010"}}},
               {4, "línea 4", {{"kHz", "6070"}, {"Station", "CFRX Toronto"}, {"Stop", "[0622]"}}}},
              {{5, "tiene 10 campos, se esperaban 11"}, {6, "tiene 12 campos, se esperaban 11"}});
    EXPECT_EQ(l.texto.filasCp1252, 1);
}

TEST(Lectores, QuotedCsv) {
    const struct { std::string bytes; std::vector<std::vector<std::string>> campos; std::vector<int> lineas; } casos[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"1,\"x, y\",z\n", {{"1", "x, y", "z"}}, {1}},
        {"\"say \"\"hi\"\"\",2\n", {{"say \"hi\"", "2"}}, {1}},
        {"\"two\r\nlines\",2\r\nnext,3\r\n", {{"two\r\nlines", "2"}, {"next", "3"}}, {1, 3}},
        {"a,,\n\n\nb\n", {{"a", "", ""}, {"b"}}, {1, 4}},
        {"in\"side,\"\"\n", {{"in\"side", ""}}, {1}},
        {"last", {{"last"}}, {1}},
    };
    for (const auto& c : casos) {
        const auto r = CortaCsv(c.bytes);
        ASSERT_EQ(r.size(), c.campos.size()) << c.bytes;
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].campos, c.campos[i]) << c.bytes;
            EXPECT_EQ(r[i].linea, c.lineas[i]) << c.bytes;
            EXPECT_FALSE(r[i].sinCierre) << c.bytes;
        }
    }
    const auto abierta = CortaCsv("1,\"never closed\n2,3\n");
    ASSERT_EQ(abierta.size(), 1u);
    EXPECT_TRUE(abierta[0].sinCierre);
}

TEST(Lectores, Chirp) {
    const std::string f =
        "\xEF\xBB\xBF# a comment\r\n"
        "Location,Name,Frequency,Duplex,Offset,Mode,Comment\r\n"
        "1,SEA 01,156.050000,-,4.600000,FM,\"Port Operations, Commercial\"\r\n"
        "# 2,commented,156.1,,,FM,\r\n"
        "3,Two\r\n"
        "4,\"Multi\r\nline\",156.2,,,NFM,\"quote \"\"q\"\"\"\r\n"
        "5,Caf\xE9,156.3,,,AM,\r\n"
        "6,\"open,156.4,,,AM,\r\n";
    const Lectura l = LeeChirp(f);
    EXPECT_EQ(l.error, "");
    Comprueba(l,
              {{3, "línea 3", {{"Location", "1"}, {"Name", "SEA 01"}, {"Frequency", "156.050000"}, {"Duplex", "-"},
                               {"Offset", "4.600000"}, {"Mode", "FM"}, {"Comment", "Port Operations, Commercial"}}},
               {6, "línea 6", {{"Name", "Multi\r\nline"}, {"Comment", "quote \"q\""}}},
               {8, "línea 8", {{"Name", "Café"}}}},
              {{5, "tiene 2 campos, se esperaban 7"}, {9, "unas comillas no se cierran antes del final del fichero"}});
    EXPECT_EQ(LeeChirp("Name,Location\r\n1,2\r\n").error,
              "no tiene la cabecera de CHIRP (una línea que empieza por \"Location,\")");
    EXPECT_EQ(LeeChirp("Location,Name\r\n1,2\r\n").error, "la cabecera de CHIRP no tiene la columna Frequency");
    EXPECT_EQ(LeeChirp("").error, "no tiene la cabecera de CHIRP (una línea que empieza por \"Location,\")");
}

TEST(Lectores, SdrppEveryListAndEveryLayout) {
    const std::string f = R"({
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
        "selectedList": "Nowhere"
    })";
    const Lectura l = LeeSdrpp(f);
    EXPECT_EQ(l.error, "");
    Comprueba(l,
              {{1, "lista \"Air Band\", marcador \"Adelaide ATIS\"",
                {{"list", "Air Band"}, {"name", "Adelaide ATIS"}, {"frequency", "134500000"}, {"mode", "2"},
                 {"bandwidth", "15000"}}},
               {2, "lista \"Air Band\", marcador \"Odd\"",
                {{"frequency", "145.5"}, {"mode", "x"}, {"bandwidth", "224298.0625"}}},
               {4, "lista \"General\", marcador \"Missing\"", {{"frequency", ""}, {"mode", ""}}},
               {6, "lista \"Old\", marcador \"Tower\"", {{"list", "Old"}, {"frequency", "118100000"}, {"mode", "7"}}}},
              {{3, "no es un objeto JSON"}, {5, "no es un objeto JSON"}});
    EXPECT_EQ(l.descartes[0].donde, "lista \"Broken\"");
    EXPECT_EQ(l.descartes[1].donde, "lista \"General\", marcador \"Not an object\"");

    const Lectura exportada = LeeSdrpp(R"({"bookmarks":{"A":{"bandwidth":0,"frequency":7100000.5,"mode":4}}})");
    Comprueba(exportada, {{1, "marcador \"A\"", {{"list", ""}, {"frequency", "7100000.5"}, {"mode", "4"}}}}, {});

    EXPECT_EQ(LeeSdrpp(R"({"selectedList": "General"})").error, "el JSON no tiene \"lists\" ni \"bookmarks\"");
    const std::string roto = LeeSdrpp(R"({"lists": {"A": })").error;
    EXPECT_EQ(roto.substr(0, 20), "no es JSON válido (");
    EXPECT_NE(roto.find("en el byte 17)"), std::string::npos) << roto;
}

TEST(Lectores, VyrLinesCutAsTheStoreImportCutsThem) {
    const std::string f =
        "7100000;Radio;BC;AM;51226;test\r\n"
        "\r\n"
        "145800000\r\n"
        "1234.5;  Le\xF3n  ;;;;a;b\n"
        "x;;;;;\r";
    const Lectura l = LeeVyr(f);
    Comprueba(l,
              {{1, "línea 1", {{"Frecuencia", "7100000"}, {"Descripción", "Radio"}, {"Servicio", "BC"},
                               {"Modo", "AM"}, {"Fecha", "051226"}, {"Observaciones", "test"}}},
               {3, "línea 3", {{"Frecuencia", "145800000"}, {"Descripción", ""}, {"Observaciones", ""}}},
               {4, "línea 4", {{"Frecuencia", "1234.5"}, {"Descripción", "  León"}, {"Observaciones", "a"}}},
               {5, "línea 5", {{"Frecuencia", "x"}}}},
              {});
    EXPECT_EQ(l.texto.filasCp1252, 1);
    EXPECT_EQ(l.texto.filasUtf8, 0);
}

}  // namespace
}  // namespace vyr::conv
