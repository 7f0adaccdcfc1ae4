// The shortwave schedule: a header "kHz:75;Time(UTC):93;...", then rows of
// exactly eleven ";"-separated fields, no quoting.
#include "convert/lectores.h"
#include "convert/mensajes.h"
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
        const auto campos = Corta(linea, ';');
        if (campos.size() != 11) {
            l.descartes.push_back({n, textos::Linea(n), textos::Campos(int(campos.size()), 11)});
            return true;
        }
        const bool utf8 = l.texto.Elige(linea);
        Fila f{n, textos::Linea(n), {}};
        for (int k = 0; k < 11; ++k) f.campos.emplace_back(kNombres[k], l.texto.Texto(campos[k], utf8).trimmed());
        l.filas.push_back(std::move(f));
        return true;
    });
    return l;
}

}  // namespace vyr::conv
