#include "store/memoria.h"

#include <cstdlib>  // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vyr {

void ConservaMemoriaLiberada() {
#if defined(__GLIBC__)
    // Blocks of a whole list (1.5 MB) come from the heap, not a mapping of
    // their own, and the heap keeps its top.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace vyr
