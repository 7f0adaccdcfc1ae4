#pragma once
#include <string>
#include <vector>

#include "bench/measure.h"

namespace vyr::bench {

// The all-mode query to the shown grid, and the report of 5,000 records to PDF.
std::vector<Fila> MideVentanas(int veces);

}  // namespace vyr::bench
