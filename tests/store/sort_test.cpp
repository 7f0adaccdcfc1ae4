// The index sort: order, record numbers travelling along, the rewrite's bytes.
#include <algorithm>
#include <random>

#include "store/sort.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

std::string IndiceDe(const std::vector<std::pair<double, int>>& e) {
    std::string s;
    for (auto [f, r] : e) s += Entrada(f, static_cast<std::int16_t>(r));
    return s;
}

TEST_F(StoreTest, SortMovesRecordNumbersWithFrequencies) {
    const struct { std::vector<std::pair<double, int>> antes, despues; } casos[] = {
        {{{300, 1}, {100, 2}, {200, 3}}, {{100, 2}, {200, 3}, {300, 1}}},
        {{{5, 1}, {0, 2}, {3, 3}, {4, 4}, {0, 5}, {1, 6}}, {{0, 2}, {0, 5}, {1, 6}, {3, 3}, {4, 4}, {5, 1}}},
        {{{1, 1}, {2, 2}, {3, 3}}, {{1, 1}, {2, 2}, {3, 3}}},
        {{{7, 1}}, {{7, 1}}},
        {{}, {}},
    };
    for (const auto& c : casos) {
        Pon("frecuencias.vyr", IndiceDe(c.antes) + "xyz");
        const std::string datos = Registro("a") + Registro("b");
        Pon("datos.vyr", datos);
        ASSERT_TRUE(Arranca());
        m->CambioIndice = true;
        ASSERT_TRUE(m->OrdenaIndice());
        EXPECT_FALSE(m->CambioIndice);
        EXPECT_EQ(Bytes("frecuencias.vyr"), IndiceDe(c.despues) + "xyz");
        EXPECT_EQ(Bytes("datos.vyr"), datos);
        EXPECT_FALSE(Existe(Ruta("frecuencias.vyr.nuevo")));
        for (std::size_t k = 0; k < c.despues.size(); ++k) {
            EXPECT_EQ(m->TablaFrec[k + 1], c.despues[k].first);
            EXPECT_EQ(m->TablaReg[k + 1], c.despues[k].second);
        }
        // The store still works on the replaced file.
        ASSERT_TRUE(Alta(999.0, "tras ordenar"));
        EXPECT_EQ(Bytes("frecuencias.vyr").find(Entrada(999.0, m->RegistroDe(m->PosLibre))) % 10, 0u);
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
    }
}

TEST(Heapsort, AgreesWithStdSortOnRandomDataWithDuplicatesAndDeletions) {
    std::mt19937 rng(20261205);
    for (int vuelta = 0; vuelta < 200; ++vuelta) {
        const std::size_t n = 1 + rng() % 5000;
        std::vector<double> f(n + 1, 0.0);
        std::vector<std::int16_t> r(n + 1, 0);
        std::vector<std::pair<double, int>> pares;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto x = rng() % 10;
            f[k] = x < 2 ? 0.0 : static_cast<double>(rng() % (vuelta % 2 ? 50 : 1000000)) / 7.0;
            r[k] = static_cast<std::int16_t>(k);
            pares.push_back({f[k], r[k]});
        }
        OrdenaMonticulo(f.data(), r.data(), static_cast<int>(n));
        std::vector<double> esperado;
        esperado.reserve(pares.size());
        for (auto& p : pares) esperado.push_back(p.first);
        std::sort(esperado.begin(), esperado.end());
        std::vector<std::pair<double, int>> obtenidos;
        for (std::size_t k = 1; k <= n; ++k) {
            ASSERT_EQ(f[k], esperado[k - 1]) << "n=" << n << " k=" << k;
            obtenidos.push_back({f[k], r[k]});
        }
        std::sort(obtenidos.begin(), obtenidos.end());
        std::sort(pares.begin(), pares.end());
        ASSERT_EQ(obtenidos, pares);  // every record number stays with its frequency
        ASSERT_EQ(f[0], 0.0);
    }
}

}  // namespace
}  // namespace vyr::test
