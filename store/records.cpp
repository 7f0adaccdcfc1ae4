#include "store/records.h"

#include <bit>
#include <cstring>

namespace vyr {
namespace {

template <std::size_t N>
void Copia(unsigned char*& p, const FixedText<N>& f) {
    std::memcpy(p, f.data(), N);
    p += N;
}
template <std::size_t N>
void Lee(const unsigned char*& p, FixedText<N>& f) {
    std::memcpy(f.data(), p, N);
    p += N;
}

}  // namespace

std::array<unsigned char, kLongIndice> BytesIndice(const RegIndice& r) {
    std::array<unsigned char, kLongIndice> b{};
    const auto bits = std::bit_cast<std::uint64_t>(r.Frecuencia);
    for (std::size_t i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(bits >> (8 * i));
    const auto n = static_cast<std::uint16_t>(r.NumReg);
    b[8] = static_cast<unsigned char>(n & 0xFF);
    b[9] = static_cast<unsigned char>(n >> 8);
    return b;
}

std::array<unsigned char, kLongDatos> BytesDatos(const RegDatos& r) {
    // Every byte is copied below: no zeroing first.
    static_assert(decltype(r.Descripcion)::Ancho + decltype(r.Servicio)::Ancho + decltype(r.Modo)::Ancho +
                      decltype(r.Fecha)::Ancho + decltype(r.Observaciones)::Ancho ==
                  kLongDatos);
    std::array<unsigned char, kLongDatos> b;
    unsigned char* p = b.data();
    Copia(p, r.Descripcion);
    Copia(p, r.Servicio);
    Copia(p, r.Modo);
    Copia(p, r.Fecha);
    Copia(p, r.Observaciones);
    return b;
}

RegDatos DatosDeBytes(const unsigned char* b) {
    RegDatos r;
    const unsigned char* p = b;
    Lee(p, r.Descripcion);
    Lee(p, r.Servicio);
    Lee(p, r.Modo);
    Lee(p, r.Fecha);
    Lee(p, r.Observaciones);
    return r;
}

}  // namespace vyr
