// Exact decimals: kHz and MHz texts to hertz, the range, the 15 digits of our
// export, and agreement with what the store reads and writes back.
#include <gtest/gtest.h>

#include <cmath>

#include "convert/hercios.h"
#include "main_window/frequency_text.h"
#include "store/csv.h"

namespace vyr::conv {
namespace {

// hz nullptr: the text is refused.
TEST(Hercios, DecimalTextsBecomeExactHertz) {
    const struct { const char* texto; int potencia; const char* hz; } casos[] = {
        {"6070", 3, "6070000"}, {"11780.5", 3, "11780500"}, {"145.8", 6, "145800000"}, {"16.4", 3, "16400"},
        {"0.000001", 6, "1"}, {" 007.50\t", 0, "7.5"}, {"145.5000001", 6, "145500000.1"}, {"1.", 0, "1"},
        {".5", 0, "0.5"}, {"+3", 0, "3"}, {"-3", 0, "-3"}, {"-0.0", 0, "0"}, {"156.050000", 6, "156050000"},
        {"10489500000", 0, "10489500000"}, {"12.5", -3, "0.0125"}, {"224298.0625", -3, "224.2980625"},
        {"0.1", 6, "100000"}, {"", 0, nullptr}, {" ", 0, nullptr}, {".", 0, nullptr}, {"1.2.3", 0, nullptr},
        {"1e6", 0, nullptr}, {"abc", 0, nullptr}, {"12 5", 0, nullptr}, {"0x10", 0, nullptr}, {"inf", 0, nullptr},
        {"nan", 0, nullptr}, {"1,5", 0, nullptr}, {"--1", 0, nullptr}, {"+", 0, nullptr},
    };
    for (const auto& c : casos) EXPECT_EQ(Decimal(c.texto, c.potencia).value_or("-"), c.hz ? c.hz : "-") << c.texto;
}

TEST(Hercios, DoublesAsTheirShortestExactText) {
    const struct { double v; const char* t; } casos[] = {
        {224298.0625, "224298.0625"}, {145500000.0, "145500000"}, {0.1, "0.1"},
        {1e21, "1000000000000000000000"}, {-2.5, "-2.5"}, {std::nan(""), "?"}, {INFINITY, "?"},
    };
    for (const auto& c : casos) EXPECT_EQ(DecimalDeDouble(c.v).value_or("?"), c.t) << c.v;
}

TEST(Hercios, RangeIsOneKilohertzToNineHundredMillionMegahertz) {
    const struct { const char* hz; bool dentro; } casos[] = {
        {"999.999", false}, {"1000", true}, {"1000.5", true}, {"900000000000000", true}, {"900000000000000.1", false},
        {"1000000000000000", false}, {"-5000", false}, {"0", false}, {"16400", true},
    };
    for (const auto& c : casos) EXPECT_EQ(EnRango(c.hz), c.dentro) << c.hz;
}

TEST(Hercios, OrderIsNumericOrder) {
    const char* ordenados[] = {"-10", "-9.5", "0", "0.05", "0.5", "0.51", "9", "10", "10.01", "100"};
    for (std::size_t i = 0; i < std::size(ordenados); ++i)
        for (std::size_t j = 0; j < std::size(ordenados); ++j)
            EXPECT_EQ(Compara(ordenados[i], ordenados[j]), i < j ? -1 : i > j ? 1 : 0)
                << ordenados[i] << " " << ordenados[j];
}

TEST(Hercios, RoundingToFifteenDigitsAndToWholeHertz) {
    const struct { const char* hz; std::string quince, entero; } casos[] = {
        {"145800000", "145800000", "145800000"}, {"123456789012.3455", "123456789012.346", "123456789012"},
        {"99999.999999999999", "100000", "100000"}, {"1234.5678901234567", "1234.56789012346", "1235"},
        {"10489500000.5", "10489500000.5", "10489500001"}, {"1000.4", "1000.4", "1000"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(std::pair(Redondea15(c.hz), HercioEntero(c.hz)), std::pair(c.quince, c.entero));
}

// What we write is what the store reads and then writes back unchanged, so
// an import followed by an export gives the same line.
TEST(Hercios, StoreReadsAndWritesBackTheSameText) {
    for (const char* hz : {"1000", "16400", "6070000", "11780500", "145800000", "224298.0625", "901.5",
                           "123456789012.346", "900000000000000", "10489500000.5", "75925510"})
        EXPECT_EQ(TextoHercios(LecturaEntrada(hz) / 1e6), hz);
}

}  // namespace
}  // namespace vyr::conv
