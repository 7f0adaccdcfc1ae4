#include "store/slots_por_valor.h"

#include <bit>

namespace vyr {

SlotsPorValor::SlotsPorValor()
    : claves_(std::make_unique<std::uint64_t[]>(kTam)), slots_(std::make_unique_for_overwrite<std::int16_t[]>(kTam)) {}

std::size_t SlotsPorValor::Lugar(std::uint64_t clave) const {
    // The high bits of a multiplicative hash: frequencies differ mostly in
    // the low bits of their mantissa.
    std::size_t i = std::size_t((clave * 0x9E3779B97F4A7C15u) >> (64 - kBits));
    while (claves_[i] != 0 && claves_[i] != clave) i = (i + 1) & (kTam - 1);
    return i;
}

void SlotsPorValor::Anade(double valor, std::int16_t slot) {
    if (!(valor > 0.0)) return;
    const auto clave = std::bit_cast<std::uint64_t>(valor);
    const std::size_t i = Lugar(clave);
    if (claves_[i] != 0) return;
    claves_[i] = clave;
    slots_[i] = slot;
}

std::int16_t SlotsPorValor::Busca(double valor) const {
    if (!(valor > 0.0)) return 0;
    const std::size_t i = Lugar(std::bit_cast<std::uint64_t>(valor));
    return claves_[i] != 0 ? slots_[i] : std::int16_t{0};
}

}  // namespace vyr
