// The index's two algorithms against the plain ones: the lookup's scan in
// every version this processor runs, whatever the block a value falls in,
// and the heap sort against std::sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "store/busca_igual.h"
#include "store/sort.h"

namespace vyr::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(BuscaIgualTest, EdgeCasesInEveryVersion) {
    const struct { const char* caso; std::vector<double> t; int desde; double valor; int esperado; } casos[] = {
        {"slot 0 is scanned and wins", {7.0, 1.0, 7.0}, 0, 7.0, 0},
        {"looking up 0.0 finds slot 0", {0.0, 5.0, 0.0, 6.0}, 0, 0.0, 0},
        {"from slot 1 the first deleted slot", {0.0, 5.0, 0.0, 6.0}, 1, 0.0, 2},
        {"-0.0 in a slot equals 0.0", {0.0, 5.0, -0.0, 0.0}, 1, 0.0, 2},
        {"-0.0 looked up equals 0.0", {0.0, 5.0, 0.0}, 1, -0.0, 2},
        {"NaN equals nothing, not even NaN", {0.0, kNaN, kNaN}, 0, kNaN, 0},
        {"NaN in the way is passed over", {0.0, kNaN, 3.0}, 0, 3.0, 2},
        {"infinity equals infinity", {0.0, 1.0, INFINITY}, 0, INFINITY, 2},
        {"nearest neighbour is not equal", {0.0, std::nextafter(7.1, 8.0), 7.1}, 0, 7.1, 2},
        {"nothing equal", {0.0, 1.0, 2.0}, 0, 3.0, 0},
        {"an empty range", {0.0, 1.0}, 2, 1.0, 0},
    };
    for (const auto& v : VersionesBusca())
        for (const auto& c : casos)
            EXPECT_EQ(v.busca(c.t.data(), c.desde, int(c.t.size()), c.valor), c.esperado) << v.nombre << ": " << c.caso;
    EXPECT_EQ(VersionesBusca().back().nombre, std::string("escalar"));
}

TEST(BuscaIgualTest, EverySizeStartAndSlotAgreesWithAPlainLoop) {
    for (const auto& v : VersionesBusca())
        for (int n = 1; n <= 70; ++n)
            for (int desde : {0, 1, 3, 15, 17}) {
                if (desde > n) continue;
                // s == n: the value only just past the end, never an answer.
                for (int s = 0; s <= n; ++s) {
                    // n slots and 20 beyond, every one holding a value of its own.
                    std::vector<double> t(std::size_t(n) + 20);
                    for (std::size_t i = 0; i < t.size(); ++i) t[i] = 1000.0 + double(i);
                    // A later duplicate in the same or a later block, and one just past the end.
                    t[std::size_t(s)] = t[std::size_t(n)] = 7.1;
                    if (s + 1 < n) t[std::size_t(n - 1)] = 7.1;
                    int esperado = 0;  // a plain one-slot-at-a-time loop
                    for (int k = n - 1; k >= desde; --k) esperado = t[std::size_t(k)] == 7.1 ? k : esperado;
                    ASSERT_EQ(v.busca(t.data(), desde, n, 7.1), esperado) << v.nombre << " n=" << n << " desde=" << desde << " slot=" << s;
                }
            }
}

TEST(Heapsort, AgreesWithStdSortOnRandomDataWithDuplicatesAndDeletions) {
    std::mt19937 rng(20261205);
    for (int vuelta = 0; vuelta < 200; ++vuelta) {
        const std::size_t n = 1 + rng() % 5000;
        std::vector<double> f(n + 1, 0.0);
        std::vector<std::int16_t> r(n + 1, 0);
        std::vector<std::pair<double, int>> pares, obtenidos;
        for (std::size_t k = 1; k <= n; ++k) {
            f[k] = rng() % 10 < 2 ? 0.0 : static_cast<double>(rng() % (vuelta % 2 ? 50 : 1000000)) / 7.0;
            r[k] = static_cast<std::int16_t>(k);
            pares.push_back({f[k], r[k]});
        }
        OrdenaMonticulo(f.data(), r.data(), static_cast<int>(n));
        std::sort(pares.begin(), pares.end());
        for (std::size_t k = 1; k <= n; ++k) {
            ASSERT_EQ(f[k], pares[k - 1].first) << "n=" << n << " k=" << k;
            obtenidos.push_back({f[k], r[k]});
        }
        std::sort(obtenidos.begin(), obtenidos.end());
        ASSERT_EQ(obtenidos, pares);  // every record number stays with its frequency
        ASSERT_EQ(f[0], 0.0);
    }
}

}  // namespace
}  // namespace vyr::test
