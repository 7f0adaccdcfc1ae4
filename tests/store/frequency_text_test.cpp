// The four frequency text rules, table-driven.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "main_window/frequency_text.h"

namespace vyr {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();

TEST(FrequencyText, EntryReading) {
    const std::string muchos(400, '9');
    const struct { std::string texto; double valor; } casos[] = {
        {"7.1", 7.1}, {"14 230.5", 14230.5}, {"7,1", 7.0}, {"1e3", 1000.0}, {"1D3", 1000.0}, {"2.5e-1", 0.25}, {"&H1A", 26.0},
        {"&HFFFF", -1.0}, {"&h7fff", 32767.0}, {"&H10000", 65536.0}, {"&HFFFFFFFF", -1.0}, {"&O17", 15.0}, {"&O177777", -1.0},
        {"7.100.000", 7.1}, {"145.8 MHz", 145.8}, {"abc", 0.0}, {"", 0.0}, {"   ", 0.0}, {"-7.1", -7.1}, {"+ 7 .\t1\n", 7.1},
        {".5", 0.5}, {"1e", 1.0}, {"1e+", 1.0}, {"7.0000004", 7.0000004}, {"1e-400", 0.0}, {"0.001", 0.001},
        {"900000000", 900000000.0}, {"-", 0.0}, {"7\r1", 7.0}, {"7,100.000", 7.0},  // the display's text typed in
        // Plain digits, as an import's lines hold them.
        {"7100000", 7100000.0}, {"000150", 150.0}, {"0", 0.0}, {"999999999999999", 999999999999999.0},
        {"9007199254740993", 9007199254740992.0}, {"7100000 ", 7100000.0}, {"71000001", 71000001.0},
        // Beyond any number: out of range, or nothing.
        {"1e400", kInf}, {"-1e400", -kInf}, {"0.000" + muchos + "e-500", 0.0},
    };
    for (const auto& c : casos) EXPECT_EQ(LecturaEntrada(c.texto), c.valor) << c.texto;
    for (const std::string& t : {std::string("&H123456789"), muchos, "0." + muchos + "e99999999999"})
        EXPECT_FALSE(EnRango(LecturaEntrada(t))) << t;
}

TEST(FrequencyText, AcceptedRange) {
    const struct { double v; bool ok; } casos[] = {
        {0.001, true}, {900000000.0, true}, {0.0009, false}, {900000000.5, false}, {0.0, false}, {-7.1, false}, {kNaN, false},
        {kInf, false}, {7.1, true},
    };
    for (const auto& c : casos) EXPECT_EQ(EnRango(c.v), c.ok) << c.v;
}

TEST(FrequencyText, DisplayTextAndItsReading) {
    const struct { double v; const char* texto; } casos[] = {
        {0.001, "0,001.000"}, {0.0015, "0,001.500"}, {7.1, "7,100.000"}, {14.2305, "14,230.500"}, {145.8, "145,800.000"},
        {1234.5678, "1.234,567.800"}, {7.0000004, "7,000.000"}, {900000000, "900.000.000,000.000"}, {1.0000005, "1,000.001"},
        {999.9999995, "1.000,000.000"}, {0.0, "0,000.000"}, {123456.0, "123.456,000.000"}, {2.675, "2,675.000"},
        {9.9999999, "10,000.000"}, {kNaN, "***"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoPantalla(c.v), c.texto) << c.v;
    // The display's own text reads back exactly; a bare or empty one too.
    for (double v : {0.001, 7.1, 14.230567, 1234.5678, 899999999.999999, 900000000.0}) EXPECT_EQ(LecturaPantalla(TextoPantalla(v)), v) << v;
    EXPECT_EQ(LecturaPantalla("7"), 7.0);
    EXPECT_EQ(LecturaPantalla(""), 0.0);
}

}  // namespace
}  // namespace vyr
