// The real lists of the shared test data, converted by the program: its
// counts against counts made here, sample lines byte for byte, the whole
// output imported by the store itself, and the trip out to the receivers
// and back.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "convert/conversion.h"
#include "convert/programa.h"
#include "store/csv.h"
#include "support/store_fixture.h"
#include "store/text_lines.h"

namespace vyr::test {
namespace {

using conv::Formato;

// Rows and distinct frequencies (whole hertz: none of these files has less),
// counted straight from the file's text.
struct Cuenta {
    int filas = 0;
    std::set<long long> hz;
};

std::string Trim(std::string_view t) {
    const auto a = t.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    return std::string(t.substr(a, t.find_last_not_of(" \t") - a + 1));
}

Cuenta CuentaFilas(Formato f, const std::string& bytes) {
    Cuenta c;
    if (f == Formato::Sdrpp) {
        const std::string clave = "\"frequency\": ";
        for (auto k = bytes.find(clave); k != std::string::npos; k = bytes.find(clave, k + 1)) {
            ++c.filas;
            c.hz.insert(std::llround(std::stod(bytes.substr(k + clave.size(), 32))));
        }
        return c;
    }
    int n = 0;
    RecorreLineas(bytes, [&](std::string_view linea) {
        ++n;
        const std::string t = Trim(linea);
        if (t.empty()) return true;
        if (f == Formato::Gqrx) {
            if (t[0] == '#' || std::count(t.begin(), t.end(), ';') != 4) return true;
            c.hz.insert(std::stoll(t));
        } else if (f == Formato::Eibi) {
            if (n == 1) return true;
            c.hz.insert(std::llround(std::stod(t) * 1e3));
        } else {  // CHIRP: the frequency is the third column, before any quoted field
            if (n == 1) return true;
            const auto a = t.find(',') + 1, b = t.find(',', a) + 1;
            c.hz.insert(std::llround(std::stod(t.substr(b)) * 1e6));
        }
        ++c.filas;
        return true;
    });
    return c;
}

struct FicheroReal {
    const char* fichero;
    Formato formato;
    std::vector<std::string> muestras;  // whole lines of the output, CR LF included
    std::map<std::string, int> mas;     // other report lines
};

const FicheroReal kReales[] = {
    {"gqrx-bookmarks-wellington-nz.csv", Formato::Gqrx,
     {"75587500;FENZ Wellington;FENZ;NFM;;BW 12,5 kHz\r\n",
      "88600000;Radio Active;FM Radio;WFM;;BW 160 kHz\r\n"},
     {{"Campos cortados", 0}}},
    {"gqrx-bookmarks-poland.csv", Formato::Gqrx,
     {"148762500;B09 Plonsk;SP;NFM;;BW 10 kHz\r\n",
      "118300000;EPWA TWR;Air Civ;AM;;BW 10 kHz\r\n"},
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
    const std::string entrada = Real(caso.fichero);
    if (entrada.empty()) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
    const Cuenta cuenta = CuentaFilas(caso.formato, LeeFichero(entrada));
    ASSERT_GT(cuenta.filas, 0);

    const std::string dir = CarpetaTemporal();
    const auto e = Ejecuta({entrada, dir + "/vyr.csv"});
    ASSERT_EQ(e.estado, 0) << e.errores;
    const std::string salida = LeeFichero(dir + "/vyr.csv");
    EXPECT_NE(e.errores.find("formato " + std::string(conv::Nombre(caso.formato)) + " (reconocido"), std::string::npos);
    EXPECT_EQ(Cifra(e.errores, "Filas leídas"), cuenta.filas) << e.errores;
    EXPECT_EQ(Cifra(e.errores, "Líneas escritas"), int(cuenta.hz.size()));
    EXPECT_EQ(Cifra(e.errores, "Filas fusionadas con otra de la misma frecuencia"), cuenta.filas - int(cuenta.hz.size()));
    EXPECT_EQ(Cifra(e.errores, "Filas descartadas"), 0);
    for (const auto& [que, n] : caso.mas) EXPECT_EQ(Cifra(e.errores, que), n) << que;

    // Our line format: CR LF, six fields, one line per frequency.
    std::size_t lineas = 0;
    for (std::size_t k = 0; k < salida.size();) {
        const auto fin = salida.find("\r\n", k);
        ASSERT_NE(fin, std::string::npos);
        const std::string_view l(salida.data() + k, fin - k);
        EXPECT_EQ(std::count(l.begin(), l.end(), ';'), 5) << l;
        EXPECT_EQ(l.find_first_of("\r\n"), std::string_view::npos);
        ++lineas;
        k = fin + 2;
    }
    EXPECT_EQ(lineas, cuenta.hz.size());
    for (const auto& m : caso.muestras)
        EXPECT_NE(("\n" + salida).find("\n" + m), std::string::npos) << m;

    // "Recuperar datos" brings in every frequency, and our own export then
    // writes the very same bytes.
    FakeMessageService msg;
    {
        Modulo m(dir, msg);
        ASSERT_TRUE(m.Arranca());
        ASSERT_TRUE(m.RecuperarDatos());
        EXPECT_EQ(m.NumFrec, int(cuenta.hz.size()));
        for (const long long hz : cuenta.hz) {
            m.FrecActual = double(hz) / 1000000.0;
            m.BuscaFrecuencia();
            EXPECT_NE(m.PosFrec, 0) << hz;
        }
        ASSERT_TRUE(m.SalvarDatos());
    }
    EXPECT_EQ(LeeFichero(dir + "/vyr.csv"), salida);
    BorraCarpeta(dir);
}

// Out to each receiver and back: every frequency, and every name and mode
// except those the report said would change.
TEST_P(Reales, ThroughTheReceiversAndBack) {
    const std::string entrada = Real(GetParam().fichero);
    if (entrada.empty()) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
    const auto vyr = conv::Convierte({std::nullopt, Formato::Vyr, "x"}, LeeFichero(entrada));
    ASSERT_EQ(vyr.estado, 0) << vyr.error;
    const auto antes = LineasVyr(vyr.salida);
    for (Formato receptor : {Formato::Gqrx, Formato::Sdrpp}) {
        const auto ida = conv::Convierte({std::nullopt, receptor, "x"}, vyr.salida);
        ASSERT_EQ(ida.estado, 0) << ida.error;
        const auto vuelta = conv::Convierte({std::nullopt, Formato::Vyr, "y"}, ida.salida);
        ASSERT_EQ(vuelta.estado, 0) << vuelta.error;
        EXPECT_EQ(vuelta.recuento.filasFusionadas, 0);
        const auto despues = LineasVyr(vuelta.salida);
        ASSERT_EQ(despues.size(), antes.size());
        int nombres = 0, modos = 0;
        for (std::size_t i = 0; i < antes.size(); ++i) {
            EXPECT_EQ(despues[i].hz, antes[i].hz);
            modos += despues[i].modo != antes[i].modo;
            if (despues[i].nombre == antes[i].nombre) continue;
            // SDR++ needs names unique in a list and never empty: "X (2)",
            // or the frequency; cut to 40 again, "X (2)" may read as X.
            ++nombres;
            if (antes[i].nombre.empty()) {
                EXPECT_TRUE(despues[i].nombre.ends_with(" MHz")) << despues[i].nombre;
            } else {
                EXPECT_TRUE(despues[i].nombre.starts_with(antes[i].nombre + " (")) << despues[i].nombre;
            }
        }
        if (receptor == Formato::Gqrx) {
            EXPECT_EQ(nombres, 0);
        }
        EXPECT_LE(nombres, ida.recuento.nombresCambiados) << conv::Nombre(receptor);
        EXPECT_EQ(modos, ida.recuento.modosCambiados) << conv::Nombre(receptor);
    }
}

INSTANTIATE_TEST_SUITE_P(Ficheros, Reales, ::testing::ValuesIn(kReales), [](const auto& prueba) {
    std::string n = prueba.param.fichero;
    n = n.substr(0, n.find('.'));
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
});

}  // namespace
}  // namespace vyr::test
