// Any bytes read as a chirp file, then written as our lines (see conversion.h).
#include "fuzz/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::fuzz::CompruebaConversion(vyr::conv::Formato::Chirp, data, size);
    return 0;
}
