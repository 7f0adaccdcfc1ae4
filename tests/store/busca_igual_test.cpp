// The lookup's scan in every version this processor runs: the same answers
// as a plain one-slot-at-a-time loop, whatever the block a value falls in.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "store/busca_igual.h"

namespace vyr::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// n slots and 20 beyond, every one holding a value of its own.
std::vector<double> Tabla(int n) {
    std::vector<double> t(std::size_t(n) + 20);
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = 1000.0 + double(i);
    return t;
}

TEST(BuscaIgualTest, EdgeCasesInEveryVersion) {
    const struct {
        const char* caso;
        std::vector<double> t;
        int desde;
        double valor;
        int esperado;
    } casos[] = {
        {"slot 0 is scanned and wins", {7.0, 1.0, 7.0}, 0, 7.0, 0},
        {"looking up 0.0 finds slot 0", {0.0, 5.0, 0.0, 6.0}, 0, 0.0, 0},
        {"from slot 1 the first deleted slot", {0.0, 5.0, 0.0, 6.0}, 1, 0.0, 2},
        {"-0.0 in a slot equals 0.0", {0.0, 5.0, -0.0, 0.0}, 1, 0.0, 2},
        {"-0.0 looked up equals 0.0", {0.0, 5.0, 0.0}, 1, -0.0, 2},
        {"NaN equals nothing, not even NaN", {0.0, kNaN, kNaN}, 0, kNaN, 0},
        {"NaN in the way is passed over", {0.0, kNaN, 3.0}, 0, 3.0, 2},
        {"infinity equals infinity", {0.0, 1.0, kInf}, 0, kInf, 2},
        {"nearest neighbour is not equal", {0.0, std::nextafter(7.1, 8.0), 7.1}, 0, 7.1, 2},
        {"nothing equal", {0.0, 1.0, 2.0}, 0, 3.0, 0},
        {"an empty range", {0.0, 1.0}, 2, 1.0, 0},
    };
    for (const auto& v : VersionesBusca()) {
        for (const auto& c : casos)
            EXPECT_EQ(v.busca(c.t.data(), c.desde, int(c.t.size()), c.valor), c.esperado) << v.nombre << ": " << c.caso;
    }
    EXPECT_EQ(VersionesBusca().back().nombre, std::string("escalar"));
}

TEST(BuscaIgualTest, EverySizeStartAndSlotAgreesWithAPlainLoop) {
    const auto plana = [](const std::vector<double>& t, int desde, int n, double x) {
        for (int s = desde; s < n; ++s)
            if (t[std::size_t(s)] == x) return s;
        return 0;
    };
    for (const auto& v : VersionesBusca()) {
        for (int n = 1; n <= 70; ++n) {
            for (int desde : {0, 1, 3, 15, 17}) {
                if (desde > n) continue;
                for (int s = 0; s < n; ++s) {
                    std::vector<double> t = Tabla(n);
                    const double x = 7.1;
                    t[std::size_t(s)] = x;
                    // A later duplicate in the same or a later block, and one
                    // just past the end that must never be read as an answer.
                    if (s + 1 < n) t[std::size_t(n - 1)] = x;
                    t[std::size_t(n)] = x;
                    const int esperado = plana(t, desde, n, x);
                    ASSERT_EQ(v.busca(t.data(), desde, n, x), esperado)
                        << v.nombre << " n=" << n << " desde=" << desde << " slot=" << s;
                }
                // Nothing in range, the value only just past the end.
                std::vector<double> t = Tabla(n);
                t[std::size_t(n)] = 7.1;
                ASSERT_EQ(v.busca(t.data(), desde, n, 7.1), 0) << v.nombre << " n=" << n;
            }
        }
    }
}

}  // namespace
}  // namespace vyr::test
