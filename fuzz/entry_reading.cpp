// Any typed text: no crash, and an accepted value always has a display text
// of at most 19 characters that reads back within half a unit of its last digit.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "main_window/frequency_text.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view texto(reinterpret_cast<const char*>(data), size);
    const double v = vyr::LecturaEntrada(texto);
    if (vyr::EnRango(v)) {
        const std::string t = vyr::TextoPantalla(v);
        if (t.size() > 19) std::abort();
        const double ulp = std::nextafter(v, INFINITY) - v;
        if (std::fabs(vyr::LecturaPantalla(t) - v) > 5e-7 + 4 * ulp) std::abort();
    }
    return 0;
}
