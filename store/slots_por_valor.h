#pragma once
// The lowest slot of each frequency during an import, found without a scan.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "store/records.h"

namespace vyr {

// Open addressing in one flat block: a standard hash map's node per value
// and division per lookup took a fourteenth of an import.
// Only positive values are kept: for them equal binary64 values are equal
// bits, and no key is 0, which marks an empty place.
class SlotsPorValor {
public:
    SlotsPorValor();
    // The first slot given a value keeps it.
    void Anade(double valor, std::int16_t slot);
    // 0 when the value has no slot.
    std::int16_t Busca(double valor) const;

private:
    // Each slot holds one value: the table is never more than a third full.
    static constexpr int kBits = 14;
    static constexpr std::size_t kTam = std::size_t{1} << kBits;
    static_assert(kTam >= 3 * (std::size_t{kMaxFrecuencias} + 1));
    std::size_t Lugar(std::uint64_t clave) const;  // where the key is or would go

    std::unique_ptr<std::uint64_t[]> claves_;
    std::unique_ptr<std::int16_t[]> slots_;
};

}  // namespace vyr
