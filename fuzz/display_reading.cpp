// Any text in the editor's frequency box: no crash, and formatting what was
// read never fails.
#include <string_view>

#include "main_window/frequency_text.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const double v = vyr::LecturaPantalla(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string t = vyr::TextoPantalla(v);
    if (t.empty()) __builtin_trap();
    return 0;
}
