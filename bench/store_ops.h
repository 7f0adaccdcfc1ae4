#pragma once
#include <vector>

#include "bench/measure.h"

namespace vyr::bench {

// Start-up, lookup, save, sort, export and both imports, each with its floor.
std::vector<Fila> MideAlmacen(int veces);

}  // namespace vyr::bench
