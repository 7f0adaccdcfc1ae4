#pragma once
#include <vector>

#include "bench/measure.h"

namespace vyr::bench {

// Start-up, lookups, the durable add, modify and delete, sort, export and
// both imports, each with its floor and, but for the sort, SQLite.
std::vector<Fila> MideAlmacen(int veces);

}  // namespace vyr::bench
