// The exchange file's lines: the frequency in hertz, the line written from a
// record, the line cut back into one, and the ends of lines of any text.
#include <cstdio>
#include <fstream>
#include <map>

#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "store/text_lines.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

TEST(Csv, FrequencyInHertz) {
    const struct { double f; const char* t; } casos[] = {
        {7.1, "7100000"}, {145.8, "145800000"}, {0.0012345, "1234.5"}, {0.001, "1000"}, {900000000, "900000000000000"},
        {14.230567, "14230567"}, {0.000901, "901"}, {1.0 / 3.0, "333333.333333333"}, {123456.7891234567, "123456789123.457"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoHercios(c.f), c.t) << c.f;
}

TEST(Csv, ALineKeepsSixFieldsWhateverTheTextsAndReadsBack) {
    RegDatos d, vuelta;
    d.Descripcion.Asigna("  dos; tres");
    d.Servicio.Asigna("a\r\nb\rc\nd");
    d.Fecha.Asigna("051226");
    d.Observaciones.Asigna("x\ny");
    EXPECT_EQ(LineaCsv(7.1, d), "7100000;  dos, tres;a b c d;;051226;x y");
    EXPECT_EQ(LineaCsv(std::string_view("1234.5"), d), "1234.5;  dos, tres;a b c d;;051226;x y");
    EXPECT_EQ(LineaCsv(std::string_view("1234.5"), d), LineaCsv(0.0012345, d));
    EXPECT_EQ(CortaLineaCsv(LineaCsv(7.1, d), vuelta), "7100000");
    EXPECT_EQ(vuelta.Descripcion.SinEspaciosFinales() + "|" + vuelta.Servicio.SinEspaciosFinales() + "|" + vuelta.Fecha.Texto(),
              "  dos, tres|a b c d|051226");
}

TEST(Csv, LineCutting) {
    const struct { const char *linea, *frec, *d, *s, *m, *f, *o; } casos[] = {
        {"7100000;Radio;BC;AM;51226;test", "7100000", "Radio", "BC", "AM", "051226", "test"},
        {"7100000", "7100000", "", "", "", "", ""},
        {"7100000;A;B;C;D;E;F", "7100000", "A", "B", "C", "D", "E"},
        {"7100000;;X", "7100000", "", "X", "", "", ""},
        {"7100000;A;", "7100000", "A", "", "", "", ""},
        {";;;;;", "", "", "", "", "", ""},
        {"1;a;b;c;1234567;o", "1", "a", "b", "c", "123456", "o"},
    };
    for (const auto& c : casos) {
        // Into a record, and straight into a record's bytes as the import
        // writes them, over a buffer full of something else.
        RegDatos d;
        std::string bytes(kLongDatos, '#');
        EXPECT_EQ(CortaLineaCsv(c.linea, d), c.frec) << c.linea;
        EXPECT_EQ(CortaLineaCsv(c.linea, bytes.data()), c.frec) << c.linea;
        const auto b = BytesDatos(d);
        EXPECT_EQ(std::string(b.begin(), b.end()), Registro(c.d, c.s, c.m, c.f, c.o)) << c.linea;
        EXPECT_EQ(bytes, Registro(c.d, c.s, c.m, c.f, c.o)) << c.linea;
    }
}

TEST(TextLines, EveryEndOfLineAndAStop) {
    using V = std::vector<std::string>;
    const struct { std::string texto; V lineas; std::size_t hasta = 1000; } casos[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\n", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}}, {"\r\n\r\n", {"", ""}}, {"\n", {""}}, {"\r", {""}}, {"a;b\r\nc;d\r\n", {"a;b", "c;d"}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}, {"uno\ndos\rtres\r\ncuatro", {"uno", "dos", "tres", "cuatro"}},
        {"a\nb\nc", {"a", "b"}, 2}, {"a\r\nb\r\nc", {"a"}, 1},
    };
    for (const auto& c : casos) {
        V v;
        RecorreLineas(c.texto, [&](std::string_view l) {
            v.emplace_back(l);
            return v.size() < c.hasta;
        });
        EXPECT_EQ(v, c.lineas) << c.texto;
    }
}

TEST_F(StoreTest, ImportOfTheShortwaveSchedule) {
    const std::string origen = std::string(VYR_TESTDATA) + "/eibi-sked-a22.csv";
    if (!Existe(origen)) GTEST_SKIP() << "shared test data not found at " << origen;
    // kHz;time;days;ITU;station;lang;target;remarks;... -> our line: Hz;station;ITU;lang;time;remarks
    std::ifstream in(origen, std::ios::binary);
    std::string linea, csv;
    std::map<double, std::string> ultima;  // the last line of each frequency wins
    std::getline(in, linea);                // header
    int filas = 0;
    while (std::getline(in, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::vector<std::string> c(1);
        for (char ch : linea) ch == ';' ? void(c.emplace_back()) : void(c.back() += ch);
        if (c.size() < 8) continue;
        char hz[32];
        std::snprintf(hz, sizeof hz, "%.0f", std::stod(c[0]) * 1000.0);
        const std::string l = std::string(hz) + ";" + c[4] + ";" + c[3] + ";" + c[5] + ";" + c[1] + ";" + c[7];
        csv += l + "\r\n";
        ultima[LecturaEntrada(hz) / 1e6] = l;
        ++filas;
    }
    ASSERT_GT(filas, 12000);
    Pon("vyr.csv", csv);
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(m->NumFrec, static_cast<int>(ultima.size()));
    EXPECT_EQ(ultima.size(), 2694u);
    ASSERT_EQ(msg.vistos.size(), 1u);
    // Each frequency holds the fields of its last line, cut to their widths.
    for (const auto& [f, l] : ultima) {
        m->FrecActual = f;
        m->BuscaFrecuencia();
        ASSERT_NE(m->PosFrec, 0) << l;
        m->LeeDatos(m->RegistroDe(m->PosFrec));
        RegDatos esperado;
        CortaLineaCsv(l, esperado);
        ASSERT_EQ(m->BufDatos, esperado) << l;
    }
    EXPECT_EQ(Bytes("datos.vyr").size(), ultima.size() * 300);
}

}  // namespace
}  // namespace vyr::test
