// Any bytes read as a gqrx file, then written as our lines (see conversion.h).
#include "fuzz/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::fuzz::CompruebaConversion(vyr::conv::Formato::Gqrx, data, size);
    return 0;
}
