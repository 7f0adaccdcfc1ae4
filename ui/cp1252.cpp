#include "ui/cp1252.h"

#include <array>

namespace vyr {
namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ACodigo(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kAlto[byte - 0x80];
    return byte;
}

unsigned char CodigoACp1252(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) return static_cast<unsigned char>(codigo);
    for (std::size_t i = 0; i < kAlto.size(); ++i)
        if (kAlto[i] == codigo) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

}  // namespace vyr
