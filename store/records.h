#pragma once
// The two record types and their exact on-disk bytes (little-endian, packed).
#include <array>
#include <cstdint>

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
RegIndice IndiceDeBytes(const unsigned char* b);
std::array<unsigned char, kLongDatos> BytesDatos(const RegDatos& r);
RegDatos DatosDeBytes(const unsigned char* b);

}  // namespace vyr
