// The real lists of the shared test data, converted by the program: its
// counts against counts made here, sample lines byte for byte, the whole
// output imported by the store itself, and the trip out to the receivers
// and back.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "convert/conversion.h"
#include "convert/programa.h"
#include "support/store_fixture.h"
#include "store/text_lines.h"

namespace vyr::conv {
namespace {

// Rows and distinct frequencies (whole hertz: none of these files has less),
// counted straight from the file's text.
std::pair<int, std::set<long long>> Cuenta(Formato f, const std::string& bytes) {
    int filas = 0, n = 0;
    std::set<long long> hz;
    const std::string clave = "\"frequency\": ";
    for (auto k = bytes.find(clave); f == Formato::Sdrpp && k != std::string::npos; k = bytes.find(clave, k + 1))
        ++filas, hz.insert(std::llround(std::stod(bytes.substr(k + clave.size(), 32))));
    if (f != Formato::Sdrpp)
        RecorreLineas(bytes, [&](std::string_view l) {
            const std::string t(l.substr(std::min(l.size(), l.find_first_not_of(" \t"))));
            if (++n == 1 && f != Formato::Gqrx) return true;  // the header
            if (t.empty() || (f == Formato::Gqrx && (t[0] == '#' || std::count(t.begin(), t.end(), ';') != 4)))
                return true;
            // CHIRP: the frequency is the third column, before any quoted field.
            const std::size_t b = f == Formato::Chirp ? t.find(',', t.find(',') + 1) + 1 : 0;
            hz.insert(f == Formato::Gqrx ? std::stoll(t) : std::llround(std::stod(t.substr(b)) * (b ? 1e6 : 1e3)));
            return ++filas, true;
        });
    return {filas, hz};
}

struct FicheroReal {
    const char* fichero;
    Formato formato;
    std::vector<std::string> muestras;  // whole lines of the output, CR LF included
    std::map<std::string, int> mas;     // other report lines
};

const FicheroReal kReales[] = {
    {"gqrx-bookmarks-wellington-nz.csv", Formato::Gqrx,
     {"75587500;FENZ Wellington;FENZ;NFM;;BW 12,5 kHz\r\n", "88600000;Radio Active;FM Radio;WFM;;BW 160 kHz\r\n"},
     {{"Campos cortados", 0}}},
    {"gqrx-bookmarks-poland.csv", Formato::Gqrx,
     {"148762500;B09 Plonsk;SP;NFM;;BW 10 kHz\r\n", "118300000;EPWA TWR;Air Civ;AM;;BW 10 kHz\r\n"},
     {{"Caracteres transliterados", 5}, {"Campos cortados", 0}}},
    {"gqrx-bookmarks-massachusetts.csv", Formato::Gqrx,
     {"33980000;D14 - District Wide \"Low 33\" District 14;fire-tac;NFM;;"
      "D14 - District Wide \"Low 33\" District 14 Fire Mutual Aid Association \xB7 BW 10 kHz\r\n"},
     {{"Caracteres transliterados", 0}}},
    {"chirp-us-marine-vhf.csv", Formato::Chirp,
     {"156050000;SEA 01;;FM;;Port Operations and Commercial \xB7 Desp. -4,6 MHz \xB7 Canal 1\r\n"},
     {{"Campos cortados", 0}}},
    {"sdrpp-freqman-adelaide.json", Formato::Sdrpp,
     {"101500000;5UV Radio Adelaide;FM Broadcast;WFM;;BW 224,2980625 kHz\r\n",
      "134500000;Adelaide ATIS;Air Band;AM;;BW 15 kHz\r\n"},
     {{"Campos cortados", 0}}},
    {"eibi-sked-a22.csv", Formato::Eibi,
     {"16400;JXN Marine Norway;;;;0000-2400 \xB7 NEu \xB7 Pa\xEDs NOR \xB7 Emisor no\r\n"},
     {{"Caracteres transliterados", 0}}},
};

void PrintTo(const FicheroReal& f, std::ostream* os) { *os << f.fichero; }

class Reales : public ::testing::TestWithParam<FicheroReal> {};

TEST_P(Reales, ConvertedCountedAndImportedByTheStore) {
    const FicheroReal& caso = GetParam();
    const std::string entrada = test::Real(caso.fichero);
    if (entrada.empty()) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
    const auto [filas, hz] = Cuenta(caso.formato, test::LeeFichero(entrada));
    const int n = int(hz.size());
    ASSERT_GT(filas, 0);
    const std::string dir = test::CarpetaTemporal();
    const auto e = test::Ejecuta({entrada, dir + "/vyr.csv"});
    ASSERT_EQ(e.estado, 0) << e.errores;
    const std::string salida = test::LeeFichero(dir + "/vyr.csv");
    EXPECT_NE(e.errores.find("formato " + std::string(Nombre(caso.formato)) + " (reconocido"), std::string::npos);
    auto mas = caso.mas;
    mas.insert({{"Filas leídas", filas}, {"Líneas escritas", n}, {"Filas descartadas", 0},
                {"Filas fusionadas con otra de la misma frecuencia", filas - n}});
    for (const auto& [que, cifra] : mas) EXPECT_EQ(test::Cifra(e.errores, que), cifra) << que << "\n" << e.errores;
    // Our line format: CR LF, six fields, one line per frequency.
    int lineas = 0;
    for (std::size_t k = 0, fin; k < salida.size(); k = fin + 2, ++lineas) {
        ASSERT_NE(fin = salida.find("\r\n", k), std::string::npos);
        const std::string_view l(salida.data() + k, fin - k);
        EXPECT_EQ(std::count(l.begin(), l.end(), ';'), 5) << l;
        EXPECT_EQ(l.find_first_of("\r\n"), std::string_view::npos);
    }
    EXPECT_EQ(lineas, n);
    for (const auto& m : caso.muestras) EXPECT_NE(("\n" + salida).find("\n" + m), std::string::npos) << m;
    // "Recuperar datos" brings in every frequency, and our own export then
    // writes the very same bytes.
    test::FakeMessageService msg;
    {
        Modulo m(dir, msg);
        ASSERT_TRUE(m.Arranca() && m.RecuperarDatos());
        EXPECT_EQ(m.NumFrec, n);
        for (const long long h : hz) {
            m.FrecActual = double(h) / 1000000.0;
            m.BuscaFrecuencia();
            EXPECT_NE(m.PosFrec, 0) << h;
        }
        ASSERT_TRUE(m.SalvarDatos());
    }
    EXPECT_EQ(test::LeeFichero(dir + "/vyr.csv"), salida);
    test::BorraCarpeta(dir);
}

// Out to each receiver and back: every frequency, and every name and mode
// except those the report said would change.
TEST_P(Reales, ThroughTheReceiversAndBack) {
    const std::string entrada = test::Real(GetParam().fichero);
    if (entrada.empty()) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
    const auto vyr = Convierte({std::nullopt, Formato::Vyr, "x"}, test::LeeFichero(entrada));
    ASSERT_EQ(vyr.estado, 0) << vyr.error;
    const auto antes = test::LineasVyr(vyr.salida);
    for (Formato receptor : {Formato::Gqrx, Formato::Sdrpp}) {
        const auto ida = Convierte({std::nullopt, receptor, "x"}, vyr.salida);
        const auto vuelta = Convierte({std::nullopt, Formato::Vyr, "y"}, ida.salida);
        ASSERT_EQ(ida.estado + vuelta.estado, 0) << ida.error << vuelta.error;
        EXPECT_EQ(vuelta.recuento.filasFusionadas, 0);
        const auto despues = test::LineasVyr(vuelta.salida);
        ASSERT_EQ(despues.size(), antes.size());
        int nombres = 0, modos = 0;
        for (std::size_t i = 0; i < antes.size(); ++i) {
            const auto& [hz, nombre, modo] = despues[i];
            EXPECT_EQ(hz, antes[i][0]);
            modos += modo != antes[i][2];
            if (nombre == antes[i][1]) continue;
            // SDR++ needs names unique in a list and never empty: "X (2)",
            // or the frequency; cut to 40 again, "X (2)" may read as X.
            ++nombres;
            EXPECT_TRUE(antes[i][1].empty() ? nombre.ends_with(" MHz") : nombre.starts_with(antes[i][1] + " (")) << nombre;
        }
        EXPECT_LE(nombres, receptor == Formato::Gqrx ? 0 : ida.recuento.nombresCambiados) << Nombre(receptor);
        EXPECT_EQ(modos, ida.recuento.modosCambiados) << Nombre(receptor);
    }
}

INSTANTIATE_TEST_SUITE_P(Ficheros, Reales, ::testing::ValuesIn(kReales), [](const auto& prueba) {
    std::string n = prueba.param.fichero;
    n = n.substr(0, n.find('.'));
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
});

}  // namespace
}  // namespace vyr::conv
