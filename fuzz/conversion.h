#pragma once
// What every reader's fuzz target checks on any bytes: no crash, no hang,
// every row accounted for, and lines the store reads back as written.
#include <cstddef>
#include <cstdint>

#include "convert/formatos.h"

namespace vyr::fuzz {

void CompruebaConversion(conv::Formato formato, const std::uint8_t* data, std::size_t size);

}  // namespace vyr::fuzz
