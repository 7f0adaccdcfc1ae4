#include "convert/opciones.h"

#include "convert/mensajes.h"

namespace vyr::conv {

LecturaOpciones LeeOpciones(const std::vector<std::string>& args) {
    LecturaOpciones r;
    Opciones o;
    std::vector<std::string> ficheros;
    bool fin = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (fin || a == "-" || a.empty() || a[0] != '-') {
            ficheros.push_back(a);
        } else if (a == "--") {
            fin = true;
        } else if (a == "--forzar") {
            o.forzar = true;
        } else if (a == "--ayuda") {
            o.ayuda = true;
        } else if (a == "--de" || a == "--a" || a.starts_with("--de=") || a.starts_with("--a=")) {
            const auto igual = a.find('=');
            const std::string opcion = a.substr(0, igual);
            std::string valor;
            if (igual != std::string::npos) {
                valor = a.substr(igual + 1);
            } else if (i + 1 < args.size()) {
                valor = args[++i];
            } else {
                r.error = textos::FaltaValor(opcion);
                return r;
            }
            const auto f = FormatoDeNombre(valor);
            if (!f) {
                r.error = textos::FormatoDesconocido(valor);
                return r;
            }
            if (opcion == "--de") o.de = f;
            else o.a = *f;
        } else {
            r.error = textos::OpcionDesconocida(a);
            return r;
        }
    }
    if (o.ayuda) {
        r.opciones = o;
        return r;
    }
    if (ficheros.size() != 2) {
        r.error = textos::Argumentos(int(ficheros.size()));
        return r;
    }
    for (const auto& f : ficheros)
        if (f.empty()) {
            r.error = textos::kNombreVacio;
            return r;
        }
    o.entrada = ficheros[0];
    o.salida = ficheros[1];
    r.opciones = o;
    return r;
}

}  // namespace vyr::conv
