// Gqrx bookmarks: tag lines ("name; colour") up to the first empty line, then
// rows "Hz; name; modulation; bandwidth Hz; tag1,tag2". Lines starting "#"
// are headers. Gqrx trims every line and every field.
#include <algorithm>

#include "convert/lectores.h"
#include "store/text_lines.h"

namespace vyr::conv {

Lectura LeeGqrx(std::string_view bytes) {
    static constexpr const char* kNombres[] = {"Frequency", "Name", "Modulation", "Bandwidth", "Tags"};
    Lectura l;
    int n = 0;
    bool etiquetas = true;  // still in the tag section
    RecorreLineas(SinBom(bytes), [&](std::string_view linea) {
        ++n;
        const auto a = linea.find_first_not_of(" \t\v\f");
        if (a == std::string_view::npos) {
            etiquetas = false;
            return true;
        }
        if (linea[a] == '#') return true;
        // Tag lines have two fields.
        if (etiquetas && std::count(linea.begin(), linea.end(), ';') == 1) return true;
        AnadeFila(l, n, linea, kNombres);
        return true;
    });
    return l;
}

}  // namespace vyr::conv
