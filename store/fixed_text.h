#pragma once
// A text field of fixed width: always exactly N bytes, cut or space-padded.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vyr {

// n bytes at d: the text, cut to n or padded with spaces. memcpy and memset:
// a loop a byte at a time is most of an import.
inline void AsignaAncho(char* d, std::size_t n, std::string_view texto) {
    const std::size_t k = texto.size() < n ? texto.size() : n;
    if (k > 0) std::memcpy(d, texto.data(), k);
    std::memset(d + k, ' ', n - k);
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
