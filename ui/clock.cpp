#include "ui/clock.h"

#include <cstdio>

namespace vyr::ui {

std::string TextoFecha(const Fecha& f) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d%02d%02d", f.dia % 100, f.mes % 100, f.anio % 100);
    return b;
}

}  // namespace vyr::ui
