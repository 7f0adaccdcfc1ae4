#include "store/fixed_text.h"

namespace vyr {

std::string QuitaEspaciosFinales(std::string_view texto) {
    std::size_t n = texto.size();
    while (n > 0 && texto[n - 1] == ' ') --n;
    return std::string(texto.substr(0, n));
}

}  // namespace vyr
