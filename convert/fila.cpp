#include "convert/fila.h"

namespace vyr::conv {

QString Fila::Valor(std::string_view nombre) const {
    for (const auto& [n, v] : campos)
        if (n == nombre) return v;
    return {};
}

}  // namespace vyr::conv
