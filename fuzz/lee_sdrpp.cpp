// Any bytes read as a sdrpp file, then written as our lines (see conversion.h).
#include "fuzz/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::fuzz::CompruebaConversion(vyr::conv::Formato::Sdrpp, data, size);
    return 0;
}
