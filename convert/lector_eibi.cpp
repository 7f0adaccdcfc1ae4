// The shortwave schedule: a header "kHz:75;Time(UTC):93;...", then rows of
// exactly eleven ";"-separated fields, no quoting.
#include "convert/lectores.h"
#include "store/text_lines.h"

namespace vyr::conv {

Lectura LeeEibi(std::string_view bytes) {
    static constexpr const char* kNombres[] = {"kHz", "Time(UTC)", "Days", "ITU",   "Station", "Lng",
                                               "Target", "Remarks", "P",   "Start", "Stop"};
    Lectura l;
    int n = 0;
    RecorreLineas(SinBom(bytes), [&](std::string_view linea) {
        ++n;
        if (linea.empty() || (n == 1 && linea.substr(0, 3) == "kHz")) return true;
        AnadeFila(l, n, linea, kNombres);
        return true;
    });
    return l;
}

}  // namespace vyr::conv
