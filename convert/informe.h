#pragma once
// The report on standard error: every row accounted for, in Spanish.
#include <string>

#include "convert/conversion.h"

namespace vyr::conv {

std::string Informe(const Conversion& c, const std::string& entrada, Formato a);

}  // namespace vyr::conv
