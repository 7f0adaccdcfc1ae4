// Gqrx bookmarks: tag lines ("name; colour") up to the first empty line, then
// rows "Hz; name; modulation; bandwidth Hz; tag1,tag2". Lines starting "#"
// are headers. Gqrx trims every line and every field.
#include "convert/lectores.h"
#include "convert/mensajes.h"
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
        const auto campos = Corta(linea, ';');
        if (etiquetas && campos.size() == 2) return true;
        if (campos.size() != 5) {
            l.descartes.push_back({n, textos::Linea(n), textos::Campos(int(campos.size()), 5)});
            return true;
        }
        const bool utf8 = l.texto.Elige(linea);
        Fila f{n, textos::Linea(n), {}};
        for (int k = 0; k < 5; ++k) f.campos.emplace_back(kNombres[k], l.texto.Texto(campos[k], utf8).trimmed());
        l.filas.push_back(std::move(f));
        return true;
    });
    return l;
}

}  // namespace vyr::conv
