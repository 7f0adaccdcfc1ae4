#pragma once
// A text field of fixed width: always exactly N bytes, cut or space-padded.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vyr {

// n bytes from s to d in fixed-size moves: 16 at a time, then two
// overlapping moves of 8 or 4. A copy or fill of a variable size is inlined
// as "rep movs" or "rep stos", which starts slower than a field takes to
// copy: it was a fifth of an import.
inline void CopiaCorta(char* d, const char* s, std::size_t n) {
    for (; n >= 16; n -= 16, d += 16, s += 16) std::memcpy(d, s, 16);
    if (n >= 8) {
        std::memcpy(d, s, 8);
        std::memcpy(d + n - 8, s + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(d, s, 4);
        std::memcpy(d + n - 4, s + n - 4, 4);
    } else if (n > 0) {  // 1 to 3: first, middle and last cover them
        d[0] = s[0];
        d[n / 2] = s[n / 2];
        d[n - 1] = s[n - 1];
    }
}

// n bytes at d: the text, cut to n or padded with spaces. The field is
// blanked whole, then the text copied over it.
inline void AsignaAncho(char* d, std::size_t n, std::string_view texto) {
    static constexpr char kEspacios[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                           ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) std::memcpy(d + i, kEspacios, 16);
    if (i < n) CopiaCorta(d + (n >= 16 ? n - 16 : i), kEspacios, n >= 16 ? 16 : n - i);
    CopiaCorta(d, texto.data(), texto.size() < n ? texto.size() : n);
}

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t Ancho = N;

    FixedText() { bytes_.fill(' '); }

    void Asigna(std::string_view texto) { AsignaAncho(bytes_.data(), N, texto); }
    // All N characters, trailing spaces included.
    std::string Texto() const { return std::string(bytes_.data(), N); }
    // Without trailing spaces (what the CSV line and the editor hand-over use).
    std::string SinEspaciosFinales() const;

    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> bytes_;
};

std::string QuitaEspaciosFinales(std::string_view texto);

template <std::size_t N>
std::string FixedText<N>::SinEspaciosFinales() const {
    return QuitaEspaciosFinales(std::string_view(bytes_.data(), N));
}

}  // namespace vyr
