// Any bytes read as our own lines, written as our lines and out to Gqrx and
// SDR++ and back (see conversion.h).
#include "fuzz/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::fuzz::CompruebaConversion(vyr::conv::Formato::Vyr, data, size);
    return 0;
}
