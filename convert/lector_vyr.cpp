// Our own lines, cut exactly as "Recuperar datos" cuts them.
#include "convert/lectores.h"
#include "convert/mensajes.h"
#include "store/csv.h"
#include "store/fixed_text.h"
#include "store/text_lines.h"

namespace vyr::conv {

Lectura LeeVyr(std::string_view bytes) {
    Lectura l;
    l.texto = Decodificador(true);
    int n = 0;
    RecorreLineas(bytes, [&](std::string_view linea) {
        ++n;
        if (linea.empty()) return true;
        l.texto.Elige(linea);
        RegDatos d;
        const std::string frecuencia = CortaLineaCsv(linea, d);
        // Leading spaces stay, as the store keeps them.
        const auto texto = [&](const std::string& campo) { return l.texto.Texto(QuitaEspaciosFinales(campo), false); };
        Fila f{n, textos::Linea(n), {}};
        f.campos = {{"Frecuencia", texto(frecuencia)},
                    {"Descripción", texto(d.Descripcion.Texto())},
                    {"Servicio", texto(d.Servicio.Texto())},
                    {"Modo", texto(d.Modo.Texto())},
                    {"Fecha", texto(d.Fecha.Texto())},
                    {"Observaciones", texto(d.Observaciones.Texto())}};
        l.filas.push_back(std::move(f));
        return true;
    });
    return l;
}

}  // namespace vyr::conv
