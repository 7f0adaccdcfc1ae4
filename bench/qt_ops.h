#pragma once
#include <string>
#include <vector>

#include "bench/measure.h"

namespace vyr::bench {

// The all-mode query to the shown grid, and the report of 5,000 records to PDF.
std::vector<Fila> MideVentanas(int veces);
// Process start to the main window shown, against a bare Qt program.
std::vector<Fila> MideArranque(int veces, const std::string& vyr, const std::string& desnudo);

}  // namespace vyr::bench
