// Any bytes read as a eibi file, then written as our lines (see conversion.h).
#include "fuzz/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::fuzz::CompruebaConversion(vyr::conv::Formato::Eibi, data, size);
    return 0;
}
