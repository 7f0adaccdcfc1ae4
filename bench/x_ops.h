#pragma once
#include <string>
#include <vector>

#include "bench/measure.h"

namespace vyr::bench {

// On the X display: the program's start to its first paint, and Enter on a
// stored frequency to the card painted, each against the bare window.
std::vector<Fila> MideEnPantalla(int veces, const std::string& vyr, const std::string& desnudo);

}  // namespace vyr::bench
