// Whole conversions: the real lists of the shared test data, their counts
// against counts made here and the output imported by the store itself; and
// the trips out to the receivers and back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "convert/conversion.h"
#include "convert/informe.h"
#include "store/csv.h"
#include "store/text_lines.h"
#include "support/store_fixture.h"

namespace vyr::conv {
namespace {

using F = Formato;

// Frequency text, description and mode of each line of our format, cut as
// the store's import cuts them.
std::vector<std::array<std::string, 3>> LineasVyr(const std::string& bytes) {
    std::vector<std::array<std::string, 3>> r;
    RecorreLineas(bytes, [&](std::string_view linea) {
        RegDatos d;
        const std::string hz = CortaLineaCsv(linea, d);
        return r.push_back({hz, d.Descripcion.SinEspaciosFinales(), d.Modo.SinEspaciosFinales()}), true;
    });
    return r;
}

// Rows and distinct frequencies (whole hertz: none of these files has less),
// counted straight from the file's text.
std::pair<int, std::set<long long>> Cuenta(F f, const std::string& bytes) {
    int filas = 0, n = 0;
    std::set<long long> hz;
    const std::string clave = "\"frequency\": ";
    for (auto k = bytes.find(clave); f == F::Sdrpp && k != std::string::npos; k = bytes.find(clave, k + 1))
        ++filas, hz.insert(std::llround(std::stod(bytes.substr(k + clave.size(), 32))));
    if (f != F::Sdrpp)
        RecorreLineas(bytes, [&](std::string_view l) {
            const std::string t(l.substr(std::min(l.size(), l.find_first_not_of(" \t"))));
            if (++n == 1 && f != F::Gqrx) return true;  // the header
            if (t.empty() || (f == F::Gqrx && (t[0] == '#' || std::count(t.begin(), t.end(), ';') != 4))) return true;
            // CHIRP: the frequency is the third column, before any quoted field.
            const std::size_t b = f == F::Chirp ? t.find(',', t.find(',') + 1) + 1 : 0;
            hz.insert(f == F::Gqrx ? std::stoll(t) : std::llround(std::stod(t.substr(b)) * (b ? 1e6 : 1e3)));
            return ++filas, true;
        });
    return {filas, hz};
}

struct FicheroReal {
    const char* fichero;
    F formato;
    std::map<std::string, int> mas;  // other report lines
};

const FicheroReal kReales[] = {
    {"gqrx-bookmarks-wellington-nz.csv", F::Gqrx, {{"Campos cortados", 0}}},
    {"gqrx-bookmarks-poland.csv", F::Gqrx, {{"Caracteres transliterados", 5}, {"Campos cortados", 0}}},
    {"gqrx-bookmarks-massachusetts.csv", F::Gqrx, {{"Caracteres transliterados", 0}}},
    {"chirp-us-marine-vhf.csv", F::Chirp, {{"Campos cortados", 0}}},
    {"sdrpp-freqman-adelaide.json", F::Sdrpp, {{"Campos cortados", 0}}},
    {"eibi-sked-a22.csv", F::Eibi, {{"Caracteres transliterados", 0}}},
};

void PrintTo(const FicheroReal& f, std::ostream* os) { *os << f.fichero; }

class Reales : public ::testing::TestWithParam<FicheroReal> {
protected:
    void SetUp() override {
        entrada = std::string(VYR_TESTDATA) + "/" + GetParam().fichero;
        if (!std::filesystem::exists(entrada)) GTEST_SKIP() << "no shared test data at " << VYR_TESTDATA;
        bytes = test::LeeFichero(entrada);
    }
    std::string entrada, bytes;
};

TEST_P(Reales, ConvertedCountedAndImportedByTheStore) {
    const FicheroReal& caso = GetParam();
    const auto [filas, hz] = Cuenta(caso.formato, bytes);
    const int n = int(hz.size());
    ASSERT_GT(filas, 0);
    const auto c = Convierte({std::nullopt, F::Vyr, entrada}, bytes);
    ASSERT_EQ(c.estado, 0) << c.error;
    const std::string informe = "\n" + Informe(c, entrada, F::Vyr);
    EXPECT_NE(informe.find("formato " + std::string(Nombre(caso.formato)) + " (reconocido"), std::string::npos);
    auto mas = caso.mas;
    mas.insert({{"Filas leídas", filas}, {"Líneas escritas", n}, {"Filas descartadas", 0},
                {"Filas fusionadas con otra de la misma frecuencia", filas - n}});
    for (const auto& [que, cifra] : mas) {
        const auto k = informe.find("\n" + que + ": ");
        EXPECT_EQ(k == std::string::npos ? -1 : std::atoi(&informe[k + que.size() + 3]), cifra) << que << informe;
    }
    // "Recuperar datos" brings in every frequency, one line each, and our own
    // export then writes the very same bytes: our line format, CR LF and six fields.
    const std::string dir = test::CarpetaTemporal();
    test::EscribeFichero(dir + "/vyr.csv", c.salida);
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
    EXPECT_EQ(test::LeeFichero(dir + "/vyr.csv"), c.salida);
    test::BorraCarpeta(dir);
}

// Named by number; a failure prints the file (PrintTo above).
INSTANTIATE_TEST_SUITE_P(Ficheros, Reales, ::testing::ValuesIn(kReales));

// Out to a receiver and back: every frequency, name and mode that the
// receiver has comes back, and the trip out says which modes it has not.
TEST(IdaYVuelta, ThroughGqrxAndSdrpp) {
    const std::string vyr =
        "1000;VLF;;;;\r\n6070000;CFRX Toronto;BC;AM;051226;BW 10 kHz\r\n7100000.5;Le\xF3n \x93" "DX\x94;RA;LSB;;\r\n"
        "14230000;SSTV;RA;USB;;\r\n14070000;Morse;RA;CW;;\r\n145500000;Repetidor;RA;NFM;;\r\n"
        "101500000;5UV Radio Adelaide;FM;WFM;;\r\n10489500000;QO-100;SA;RAW;;\r\n";
    for (F receptor : {F::Gqrx, F::Sdrpp}) {
        const auto ida = Convierte({F::Vyr, receptor, "a"}, vyr);
        const auto vuelta = Convierte({std::nullopt, F::Vyr, "b"}, ida.salida);
        ASSERT_EQ(ida.estado + vuelta.estado, 0) << ida.error << vuelta.error;
        EXPECT_EQ(std::pair(vuelta.de, vuelta.recuento.filasFusionadas), std::pair(receptor, 0));
        auto antes = LineasVyr(vyr);
        std::sort(antes.begin(), antes.end(), [](const auto& a, const auto& b) { return stod(a[0]) < stod(b[0]); });
        // Gqrx keeps whole hertz, and said so; no mode in SDR++ is "none".
        (receptor == F::Gqrx ? antes[2][0] : antes[0][2]) = receptor == F::Gqrx ? "7100001" : "RAW";
        EXPECT_EQ(receptor == F::Gqrx ? ida.recuento.herciosRedondeados : ida.recuento.modosCambiados, 1);
        EXPECT_EQ(LineasVyr(vuelta.salida), antes) << Nombre(receptor);
    }
}

TEST(IdaYVuelta, WarnsWhenTheListIsLargerThanTheStore) {
    std::string vyr;
    for (int k = 0; k < 5001; ++k) vyr += std::to_string(1000000 + k) + ";;;;;\r\n";
    const auto c = Convierte({F::Vyr, F::Vyr, "x"}, vyr);
    ASSERT_EQ(c.estado, 0);
    EXPECT_NE(Informe(c, "x", F::Vyr).find("Aviso: VYR guarda como mucho 5000 frecuencias"), std::string::npos);
    const auto d = Convierte({F::Vyr, F::Vyr, "x"}, vyr.substr(0, vyr.size() - 14));
    EXPECT_EQ(std::pair(d.recuento.lineasEscritas, d.recuento.descartes.size()), std::pair(5000, std::size_t(0)));
    EXPECT_EQ(Informe(d, "x", F::Vyr).find("Aviso"), std::string::npos);
}

}  // namespace
}  // namespace vyr::conv
