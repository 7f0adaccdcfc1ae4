// The exchange file's lines: the frequency in hertz, the line written from a
// record, the line cut back into one, and the ends of lines of any text.
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

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
        {"", {}}, {"a", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\n\rb", {"a", "", "b"}}, {"\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}}, {"\r\n\r\n", {"", ""}}, {"\r", {""}}, {"a;b\r\nc;d\r\n", {"a;b", "c;d"}}, {"a\nb", {"a"}, 1},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}, {"a\r\nb\r\nc", {"a", "b"}, 2},
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
    // kHz;time;days;ITU;station;lang;target;remarks;... -> our line: Hz;station;ITU;lang;time;remarks. Each
    // frequency takes the next slot and record when first seen, and the fields of its last line.
    std::istringstream in(LeeFichero(origen));
    std::string linea, csv, indice, datos;
    std::vector<double> orden;
    std::map<double, std::string> registro;
    for (std::getline(in, linea); std::getline(in, linea);) {  // past the header
        std::istringstream campos(linea.substr(0, linea.find_last_not_of('\r') + 1));
        std::vector<std::string> c;
        for (std::string x; std::getline(campos, x, ';');) c.push_back(x);
        if (c.size() < 8) continue;
        const long long hz = std::llround(std::stod(c[0]) * 1000.0);
        csv += std::to_string(hz) + ";" + c[4] + ";" + c[3] + ";" + c[5] + ";" + c[1] + ";" + c[7] + "\r\n";
        if (!registro.count(double(hz) / 1e6)) orden.push_back(double(hz) / 1e6);
        registro[double(hz) / 1e6] = Registro(c[4], c[3], c[5], c[1], c[7]);
    }
    ASSERT_GT(std::count(csv.begin(), csv.end(), '\n'), 12000);
    EXPECT_EQ(orden.size(), 2694u);
    for (std::size_t k = 0; k < orden.size(); ++k) {
        indice += Entrada(orden[k], std::int16_t(k + 1));
        datos += registro[orden[k]];
    }
    Pon("vyr.csv", csv);
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(m->NumFrec, int(orden.size()));
    EXPECT_EQ(msg.vistos.size(), 1u);
    EXPECT_TRUE(Bytes("frecuencias.vyr") == indice && Bytes("datos.vyr") == datos);
}

}  // namespace
}  // namespace vyr::test
