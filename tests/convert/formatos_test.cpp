// Formats by their content, and the command line.
#include <gtest/gtest.h>

#include "convert/conversion.h"
#include "convert/formatos.h"
#include "convert/informe.h"
#include "convert/opciones.h"
#include "convert/programa.h"
#include "support/store_fixture.h"

namespace vyr::conv {
namespace {

using F = Formato;

TEST(Formatos, DetectedFromContent) {
    const std::string gqrx = "# Tag name          ;  color\nA ; #c0c0c0\n\n"
                             "# Frequency ; Name ; Modulation ;  Bandwidth; Tags\n 7100000; X; AM; 10000; A\n";
    const struct { std::string bytes; std::vector<F> esperado; } casos[] = {
        {gqrx, {F::Gqrx}},
        {"# Frequency ; Name ; Modulation ;  Bandwidth; Tags\r\n", {F::Gqrx}},
        {"Location,Name,Frequency\r\n1,A,146.52\r\n", {F::Chirp}},
        {"\xEF\xBB\xBF# CHIRP\n\"Location\",\"Name\",\"Frequency\"\n", {F::Chirp}},
        {"kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;\r\n16.4;0000-2400;;NOR;X;;NEu;no;1;;\r\n", {F::Eibi}},
        {"{\"lists\": {\"General\": {\"bookmarks\": {}}}}", {F::Sdrpp}},
        {"  \n{\"bookmarks\": {\"A\": {\"frequency\": 1e6}}}", {F::Sdrpp}},
        {"7100000;Radio;BC;AM;051226;obs\r\n", {F::Vyr}},
        {"\r\n1234.5;;;;;\r\n", {F::Vyr}},
        // Look-alikes that are none of them.
        {"7100000;Radio;BC\r\n", {}},
        {" 7100000;Radio;BC;AM;;\r\n", {}},
        {"-7100000;Radio;BC;AM;;\r\n", {}},
        {"{\"lists\": [1, 2]}", {}},
        {"{\"lists\": {}", {}},
        {"Name,Location,Frequency\n", {}},
        {"kHz;Time\n", {}},
        {"", {}},
        {"hola\n", {}},
        // Marks of two formats at once.
        {"7100000;Radio;BC;AM;;\r\n# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n", {F::Gqrx, F::Vyr}},
    };
    for (const auto& c : casos) EXPECT_EQ(Candidatos(c.bytes), c.esperado) << c.bytes;
}

TEST(Formatos, RealFilesDetectedAsTheirOwnFormat) {
    const struct { const char* fichero; F formato; } casos[] = {
        {"gqrx-bookmarks-wellington-nz.csv", F::Gqrx}, {"gqrx-bookmarks-poland.csv", F::Gqrx},
        {"gqrx-bookmarks-massachusetts.csv", F::Gqrx}, {"chirp-us-marine-vhf.csv", F::Chirp},
        {"sdrpp-freqman-adelaide.json", F::Sdrpp},     {"eibi-sked-a22.csv", F::Eibi},
    };
    if (test::Real("eibi-sked-a22.csv").empty()) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
    for (const auto& c : casos)
        EXPECT_EQ(Candidatos(test::LeeFichero(test::Real(c.fichero))), std::vector<F>{c.formato}) << c.fichero;
}

TEST(Formatos, UnknownAndAmbiguousInputsNameTheFormatsTried) {
    const auto nada = Convierte({std::nullopt, F::Vyr, "lista.txt"}, "hola\n");
    EXPECT_EQ(nada.estado, 1);
    EXPECT_FALSE(nada.leida);
    EXPECT_EQ(nada.error, "no se reconoce el formato de lista.txt. Formatos probados: gqrx, sdrpp, chirp, eibi y "
                          "vyr. Indíquelo con --de FORMATO.");
    const auto dos = Convierte({std::nullopt, F::Vyr, "x"},
                               "7100000;Radio;BC;AM;;\r\n# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n");
    EXPECT_EQ(dos.estado, 1);
    EXPECT_EQ(dos.error, "el formato de x es ambiguo: podría ser gqrx y vyr. Indíquelo con --de FORMATO.");
    const auto indicado = Convierte({F::Vyr, F::Vyr, "x"},
                                    "7100000;Radio;BC;AM;;\r\n# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n");
    EXPECT_EQ(indicado.estado, 0);
}

TEST(Formatos, OnlyOurFormatGoesOutToTheReceivers) {
    for (F de : kFormatos)
        for (F a : kFormatos) {
            const bool esperada = a == F::Vyr || (de == F::Vyr && (a == F::Gqrx || a == F::Sdrpp));
            EXPECT_EQ(Admitida(de, a), esperada) << Nombre(de) << " " << Nombre(a);
        }
    const auto c = Convierte({std::nullopt, F::Gqrx, "x"}, "Location,Name,Frequency\r\n1,A,146.52\r\n");
    EXPECT_EQ(c.estado, 2);
    EXPECT_EQ(c.error, "no se convierte de chirp a gqrx: a gqrx y a sdrpp solo desde vyr. Convierta antes a vyr y "
                       "luego de vyr a gqrx.");
}

TEST(Informe, WarnsWhenTheListIsLargerThanTheStore) {
    std::string vyr;
    for (int k = 0; k < 5001; ++k) vyr += std::to_string(1000000 + k) + ";;;;;\r\n";
    const auto c = Convierte({F::Vyr, F::Vyr, "x"}, vyr);
    ASSERT_EQ(c.estado, 0);
    EXPECT_NE(Informe(c, "x", F::Vyr).find("Aviso: VYR guarda como mucho 5000 frecuencias"), std::string::npos);
    const auto d = Convierte({F::Vyr, F::Vyr, "x"}, vyr.substr(0, vyr.size() - 14));
    EXPECT_EQ(d.recuento.lineasEscritas, 5000);
    EXPECT_TRUE(d.recuento.descartes.empty());
    EXPECT_EQ(Informe(d, "x", F::Vyr).find("Aviso"), std::string::npos);
}

TEST(Opciones, CommandLine) {
    const struct {
        std::vector<std::string> args;
        std::string error;  // "" when read
        std::optional<F> de;
        F a;
        bool forzar, ayuda;
        std::string entrada, salida;
    } casos[] = {
        {{"a.csv", "vyr.csv"}, "", {}, F::Vyr, false, false, "a.csv", "vyr.csv"},
        {{"--de", "gqrx", "a", "b"}, "", F::Gqrx, F::Vyr, false, false, "a", "b"},
        {{"--de=EIBI", "--a=vyr", "a", "-"}, "", F::Eibi, F::Vyr, false, false, "a", "-"},
        {{"-", "--a", "sdrpp", "--forzar", "b"}, "", {}, F::Sdrpp, true, false, "-", "b"},
        {{"--", "--forzar", "b"}, "", {}, F::Vyr, false, false, "--forzar", "b"},
        {{"--ayuda"}, "", {}, F::Vyr, false, true, "", ""},
        {{"a", "--ayuda", "--forzar"}, "", {}, F::Vyr, true, true, "", ""},
        {{}, "se esperaban ENTRADA y SALIDA, y hay 0 nombres de fichero", {}, F::Vyr, false, false, "", ""},
        {{"a"}, "se esperaban ENTRADA y SALIDA, y hay 1 nombre de fichero", {}, F::Vyr, false, false, "", ""},
        {{"a", "b", "c"}, "se esperaban ENTRADA y SALIDA, y hay 3 nombres de fichero", {}, F::Vyr, false, false, "", ""},
        {{"--de", "csv", "a", "b"}, "formato desconocido: \"csv\" (son gqrx, sdrpp, chirp, eibi y vyr)", {}, F::Vyr,
         false, false, "", ""},
        {{"a", "b", "--de"}, "falta el formato después de --de", {}, F::Vyr, false, false, "", ""},
        {{"--force", "a", "b"}, "opción desconocida: --force", {}, F::Vyr, false, false, "", ""},
        {{"-f", "a", "b"}, "opción desconocida: -f", {}, F::Vyr, false, false, "", ""},
        {{"a", ""}, "un nombre de fichero está vacío; para la entrada o la salida estándar, use -", {}, F::Vyr, false,
         false, "", ""},
        {{"", "b"}, "un nombre de fichero está vacío; para la entrada o la salida estándar, use -", {}, F::Vyr, false,
         false, "", ""},
    };
    for (const auto& c : casos) {
        const auto r = LeeOpciones(c.args);
        const std::string donde = c.args.empty() ? "(nada)" : c.args[0];
        EXPECT_EQ(r.error, c.error) << donde;
        if (!c.error.empty()) {
            EXPECT_FALSE(r.opciones.has_value()) << donde;
            continue;
        }
        ASSERT_TRUE(r.opciones.has_value()) << donde;
        EXPECT_EQ(r.opciones->de, c.de) << donde;
        EXPECT_EQ(r.opciones->a, c.a) << donde;
        EXPECT_EQ(r.opciones->forzar, c.forzar) << donde;
        EXPECT_EQ(r.opciones->ayuda, c.ayuda) << donde;
        EXPECT_EQ(r.opciones->entrada, c.entrada) << donde;
        EXPECT_EQ(r.opciones->salida, c.salida) << donde;
    }
}

}  // namespace
}  // namespace vyr::conv
