// The exchange file: line format, field cutting, export and import on disk.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <vector>

#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "support/faulty_file_system.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

TEST(Csv, FrequencyInHertz) {
    const struct { double f; const char* t; } casos[] = {
        {7.1, "7100000"},          {145.8, "145800000"},     {0.0012345, "1234.5"},
        {0.001, "1000"},           {900000000, "900000000000000"}, {14.230567, "14230567"},
        {0.000901, "901"},         {1.0 / 3.0, "333333.333333333"}, {123456.7891234567, "123456789123.457"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoHercios(c.f), c.t) << c.f;
}

TEST(Csv, LineKeepsSixFieldsWhateverTheTexts) {
    RegDatos d;
    d.Descripcion.Asigna("  dos; tres");
    d.Servicio.Asigna("a\r\nb\rc\nd");
    d.Fecha.Asigna("051226");
    EXPECT_EQ(LineaCsv(7.1, d), "7100000;  dos, tres;a b c d;;051226;");
    RegDatos vuelta;
    EXPECT_EQ(CortaLineaCsv(LineaCsv(7.1, d), vuelta), "7100000");
    EXPECT_EQ(vuelta.Descripcion.SinEspaciosFinales(), "  dos, tres");
    EXPECT_EQ(vuelta.Fecha.Texto(), "051226");
}

TEST(Csv, LineFromHertzTextIsTheLineFromTheValue) {
    RegDatos d;
    d.Descripcion.Asigna("Radio; uno");
    d.Observaciones.Asigna("a\nb");
    EXPECT_EQ(LineaCsv(std::string_view("1234.5"), d), "1234.5;Radio, uno;;;;a b");
    EXPECT_EQ(LineaCsv(std::string_view("1234.5"), d), LineaCsv(0.0012345, d));
}

TEST(Csv, LineCutting) {
    const struct { const char* linea; const char* frec; const char* d; const char* s; const char* m;
                   const char* f; const char* o; } casos[] = {
        {"7100000;Radio;BC;AM;51226;test", "7100000", "Radio", "BC", "AM", "051226", "test"},
        {"7100000", "7100000", "", "", "", "", ""},
        {"7100000;A;B;C;D;E;F", "7100000", "A", "B", "C", "D", "E"},
        {"7100000;;X", "7100000", "", "X", "", "", ""},
        {"7100000;A;", "7100000", "A", "", "", "", ""},
        {";;;;;", "", "", "", "", "", ""},
        {"1;a;b;c;1234567;o", "1", "a", "b", "c", "123456", "o"},
    };
    for (const auto& c : casos) {
        RegDatos d;
        EXPECT_EQ(CortaLineaCsv(c.linea, d), c.frec) << c.linea;
        EXPECT_EQ(d.Descripcion.SinEspaciosFinales(), c.d) << c.linea;
        EXPECT_EQ(d.Servicio.SinEspaciosFinales(), c.s) << c.linea;
        EXPECT_EQ(d.Modo.SinEspaciosFinales(), c.m) << c.linea;
        EXPECT_EQ(d.Fecha.SinEspaciosFinales(), c.f) << c.linea;
        EXPECT_EQ(d.Observaciones.SinEspaciosFinales(), c.o) << c.linea;
        // Straight into a record's bytes, as the import writes them; the
        // buffer starts full of something else.
        std::string bytes(kLongDatos, '#');
        EXPECT_EQ(CortaLineaCsv(c.linea, bytes.data()), c.frec) << c.linea;
        EXPECT_EQ(bytes, Registro(c.d, c.s, c.m, c.f, c.o)) << c.linea;
    }
}

TEST_F(StoreTest, ExportSkipsDeletedEntriesAndSortsWhenAsked) {
    Pon("frecuencias.vyr", Entrada(0.0, 1) + Entrada(0.0, 2) + Entrada(145.8, 3) + Entrada(7.1, 4));
    Pon("datos.vyr", Registro("") + Registro("") + Registro("Aire", "Aeron\xE1utico", "AM") +
                         Registro(std::string(37, 'd') + "   ", "", "", "051226", "obs  "));
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->SalvarDatos());  // not sorted: slot order
    EXPECT_EQ(Bytes("vyr.csv"), "145800000;Aire;Aeron\xE1utico;AM;;\r\n7100000;" + std::string(37, 'd') +
                                    ";;;051226;obs\r\n");
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos salvados en vyr.csv");
    EXPECT_EQ(msg.vistos[0].titulo, "Salvar datos");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Ninguno);
    ASSERT_TRUE(Alta(0.5, "medio"));
    ASSERT_TRUE(m->SalvarDatos());
    EXPECT_FALSE(m->CambioIndice);
    EXPECT_EQ(Bytes("vyr.csv").substr(0, 18), "500000;medio;;;;\r\n");
    EXPECT_EQ(Bytes("frecuencias.vyr").substr(0, 30), Entrada(0.0, 2) + Entrada(0.5, 1) + Entrada(7.1, 4));
}

TEST_F(StoreTest, EmptyStoreExportsAnEmptyFile) {
    Pon("vyr.csv", "old contents");
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->SalvarDatos());
    EXPECT_EQ(Bytes("vyr.csv"), "");
}

TEST_F(StoreTest, ImportAddsUpdatesAndSkips) {
    Pon("frecuencias.vyr", Entrada(7.1, 1) + Entrada(0.0, 2));
    Pon("datos.vyr", Registro("vieja", "BC", "AM", "010101", "x") + Registro(""));
    Pon("vyr.csv",
        "7100000\r\n"                    // existing: blanked
        "\r\n"                           // empty: skipped
        "abc;x\r\n"                      // no number: skipped
        "900;muy baja\r\n"               // 0.0009: skipped
        "901;justo\n"                    // 0.000901: added (LF alone ends a line too)
        "7100000,5;coma\r\n"             // reads 7100000: updates 7.1 again
        "900000001000000;alta\r\n"       // skipped
        "900000000000000;tope;S;M;51226;o;extra");
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1) + Entrada(0.000901, 2) + Entrada(900000000.0, 3));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("coma") + Registro("justo") + Registro("tope", "S", "M", "051226", "o"));
    EXPECT_TRUE(m->CambioIndice);
    EXPECT_EQ(m->FrecActual, 900000000.0);
    EXPECT_EQ(m->PosLibre, 3);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos recuperados de vyr.csv");
    EXPECT_EQ(msg.vistos[0].titulo, "Salvar datos");
}

TEST_F(StoreTest, ImportFillsDeletedSlotsInOrderAndFindsWhatItAdded) {
    Pon("frecuencias.vyr", Entrada(7.1, 1) + Entrada(0.0, 2) + Entrada(7.2, 3) + Entrada(0.0, 4));
    Pon("datos.vyr", Registro("a") + Registro("") + Registro("b") + Registro(""));
    Pon("vyr.csv",
        "8000000;ocho\r\n"     // the lowest deleted slot, 2
        "9000000;nueve\r\n"    // the next one, 4
        "8000000;otra vez\r\n" // found where the import put it: no new slot
        "10000000;diez\r\n"    // none deleted left: appended
        "7200000;siete dos\r\n");
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1) + Entrada(8.0, 2) + Entrada(7.2, 3) + Entrada(9.0, 4) +
                                            Entrada(10.0, 5));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("a") + Registro("otra vez") + Registro("siete dos") +
                                      Registro("nueve") + Registro("diez"));
    EXPECT_EQ(m->PosFrec, 3);
}

TEST_F(StoreTest, ExportThenImportRewritesEveryRecordUnchanged) {
    ASSERT_TRUE(Arranca());
    const double frecs[] = {0.001, 7.1, 14.230567, 145.8, 1234.5678, 899999999.999999, 27.185};
    int i = 0;
    for (double f : frecs) {
        const std::string n = std::to_string(i++);
        ASSERT_TRUE(Alta(f, "Emisora " + n + "   ", "Servicio \xE1" + n, "USB", "0" + n + "1226",
                         std::string(229, 'o') + n));
    }
    m->FrecActual = 145.8;
    ASSERT_TRUE(m->BorraRegistro());
    ASSERT_TRUE(m->SalvarDatos());
    const std::string indice = Bytes("frecuencias.vyr"), datos = Bytes("datos.vyr");
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr"), datos);
    EXPECT_FALSE(m->CambioIndice);  // every line found its frequency
}

// A sorted store has its records in no particular order. Lines that only
// rewrite go out as one write of the span they cover when it is not much
// more than their records; otherwise, and whenever a line adds, one write
// per run of records in line order.
TEST_F(StoreTest, ImportWritesOfRecordsOutOfSlotOrder) {
    using E = FaultyFileSystem::Escritura;
    const struct {
        const char* caso;
        std::vector<int> regDeSlot;  // slot s (from 1, frequency s MHz) names this record
        const char* csv;
        std::map<int, std::string> nuevos;  // record -> description after the import; the rest keep "rN"
        std::vector<E> escrituras;
        int syncs;
    } casos[] = {
        {"every record rewritten", {3, 1, 4, 2},
         "1000000;uno\r\n2000000;dos\r\n3000000;tres\r\n4000000;cuatro\r\n",
         {{1, "dos"}, {2, "cuatro"}, {3, "uno"}, {4, "tres"}}, {{"datos.vyr", 0, 1200}}, 1},
        {"a record named twice: the later line wins, the one between is kept", {3, 1, 4, 2},
         "2000000;antes\r\n1000000;uno\r\n2000000;despues\r\n",
         {{1, "despues"}, {3, "uno"}}, {{"datos.vyr", 0, 900}}, 1},
        {"a short list into a big store writes only its records",
         {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
         "20000000;veinte\r\n1000000;uno\r\n",
         {{1, "veinte"}, {20, "uno"}}, {{"datos.vyr", 0, 300}, {"datos.vyr", 5700, 300}}, 1},
        {"with a new line, the new record first, then line order", {3, 1, 4, 2},
         "1000000;uno\r\n9000000;nueva\r\n2000000;dos\r\n",
         {{1, "dos"}, {3, "uno"}, {5, "nueva"}},
         {{"datos.vyr", 1200, 300}, {"datos.vyr", 600, 300}, {"frecuencias.vyr", 40, 10}, {"datos.vyr", 0, 300}}, 3},
    };
    for (const auto& c : casos) {
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
        std::string indice, datos, datosEsperados;
        for (std::size_t s = 0; s < c.regDeSlot.size(); ++s) {
            indice += Entrada(double(s + 1), static_cast<std::int16_t>(c.regDeSlot[s]));
            datos += Registro("r" + std::to_string(s + 1));
        }
        const int registros = int(c.regDeSlot.size()) + int(c.nuevos.count(int(c.regDeSlot.size()) + 1));
        for (int r = 1; r <= registros; ++r)
            datosEsperados += c.nuevos.count(r) ? Registro(c.nuevos.at(r)) : Registro("r" + std::to_string(r));
        Pon("frecuencias.vyr", indice);
        Pon("datos.vyr", datos);
        Pon("vyr.csv", c.csv);
        FaultyFileSystem fs;
        fs.Vigila(dir);
        ASSERT_TRUE(Arranca(fs)) << c.caso;
        fs.escrituras.clear();
        fs.syncs = 0;
        ASSERT_TRUE(m->RecuperarDatos()) << c.caso;
        EXPECT_EQ(Bytes("datos.vyr"), datosEsperados) << c.caso;
        if (registros == int(c.regDeSlot.size())) EXPECT_EQ(Bytes("frecuencias.vyr"), indice) << c.caso;
        else EXPECT_EQ(Bytes("frecuencias.vyr"), indice + Entrada(9.0, std::int16_t(registros))) << c.caso;
        EXPECT_EQ(fs.escrituras, c.escrituras) << c.caso;
        EXPECT_EQ(fs.syncs, c.syncs) << c.caso;
        m.reset();
    }
}

TEST_F(StoreTest, ImportOfTheShortwaveSchedule) {
    const std::string origen = std::string(VYR_TESTDATA) + "/eibi-sked-a22.csv";
    if (!Existe(origen)) GTEST_SKIP() << "shared test data not found at " << origen;
    // kHz;time;days;ITU;station;lang;target;remarks;... -> our line: Hz;station;ITU;lang;time;remarks
    std::ifstream in(origen, std::ios::binary);
    std::string linea, csv;
    std::map<double, std::string> ultima;  // the last line of each frequency wins
    std::getline(in, linea);  // header
    int filas = 0;
    while (std::getline(in, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::vector<std::string> c;
        std::size_t p = 0, q;
        while ((q = linea.find(';', p)) != std::string::npos) { c.push_back(linea.substr(p, q - p)); p = q + 1; }
        c.push_back(linea.substr(p));
        if (c.size() < 8) continue;
        const double khz = std::stod(c[0]);
        char hz[32];
        std::snprintf(hz, sizeof hz, "%.0f", khz * 1000.0);
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
