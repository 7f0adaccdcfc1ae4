#pragma once
// The index's heapsort on slots 1..n of the two parallel tables: strict
// comparisons, each record number travelling with its frequency.
#include <cstdint>

namespace vyr {

void OrdenaMonticulo(double* frec, std::int16_t* reg, int n);

}  // namespace vyr
