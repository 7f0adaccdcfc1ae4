#include "store/cp1252.h"

#include <array>

namespace vyr {
namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AnadeUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

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

std::string Utf8DeCp1252(std::string_view bytes) {
    std::string r;
    r.reserve(bytes.size());
    for (char b : bytes) AnadeUtf8(r, Cp1252ACodigo(static_cast<unsigned char>(b)));
    return r;
}

std::string Cp1252DeUtf8(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int cont = 0;
        char32_t cp = 0;
        if (c < 0x80) { cp = c; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; cont = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; cont = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; cont = 3; }
        else { r.push_back('?'); ++i; continue; }
        std::size_t j = i + 1;
        bool ok = true;
        for (int k = 0; k < cont; ++k, ++j) {
            if (j >= s.size() || (static_cast<unsigned char>(s[j]) & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
        }
        if (!ok) { r.push_back('?'); i = j > i + 1 ? j : i + 1; continue; }
        r.push_back(static_cast<char>(CodigoACp1252(cp)));
        i = j;
    }
    return r;
}

}  // namespace vyr
