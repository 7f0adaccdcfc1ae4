#pragma once
// The two record types and their exact on-disk bytes (little-endian, packed).
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "store/fixed_text.h"

namespace vyr {

struct RegIndice {
    double Frecuencia = 0.0;  // MHz; 0.0 marks a deleted entry
    std::int16_t NumReg = 0;  // data record number, from 1
};

struct RegDatos {
    FixedText<40> Descripcion;
    FixedText<18> Servicio;
    FixedText<6> Modo;
    FixedText<6> Fecha;
    FixedText<230> Observaciones;
    bool operator==(const RegDatos&) const = default;
};

inline constexpr int kLongIndice = 10;
inline constexpr int kLongDatos = 300;
inline constexpr int kMaxFrecuencias = 5000;
inline constexpr int kMaxServicios = 100;

std::array<unsigned char, kLongIndice> BytesIndice(const RegIndice& r);
std::array<unsigned char, kLongDatos> BytesDatos(const RegDatos& r);
RegDatos DatosDeBytes(const unsigned char* b);

// Inline, as start-up decodes 5,000 of them.
inline RegIndice IndiceDeBytes(const unsigned char* b) {
    std::uint64_t bits = 0;
    // The file is little-endian: on such a processor, one load.
    if constexpr (std::endian::native == std::endian::little) std::memcpy(&bits, b, 8);
    else
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[i];
    RegIndice r;
    r.Frecuencia = std::bit_cast<double>(bits);
    r.NumReg = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[8] | (b[9] << 8)));
    return r;
}

}  // namespace vyr
