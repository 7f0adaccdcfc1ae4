#include "convert/conversion.h"

#include <algorithm>

#include "convert/escritores.h"
#include "convert/fusion.h"
#include "convert/lectores.h"
#include "convert/mapeo.h"
#include "convert/mensajes.h"

namespace vyr::conv {

Conversion Convierte(const Peticion& p, std::string_view bytes) {
    Conversion c;
    if (p.de) {
        c.de = *p.de;
    } else {
        const auto candidatos = Candidatos(bytes);
        if (candidatos.size() != 1) {
            c.error = candidatos.empty()
                          ? textos::NoReconocido(p.entrada, Lista({std::begin(kFormatos), std::end(kFormatos)}))
                          : textos::Ambiguo(p.entrada, Lista(candidatos));
            return c;
        }
        c.de = candidatos.front();
        c.detectado = true;
    }
    if (!Admitida(c.de, p.a)) {
        c.estado = 2;
        c.error = textos::NoAdmitida(Nombre(c.de), Nombre(p.a));
        return c;
    }
    Lectura l = Lee(c.de, bytes);
    if (!l.error.empty()) {
        c.error = textos::NoSeLeeFormato(p.entrada, Nombre(c.de), l.error);
        return c;
    }
    c.leida = true;
    Recuento& r = c.recuento;
    r.filasLeidas = int(l.filas.size() + l.descartes.size());
    r.filasUtf8 = l.texto.filasUtf8;
    r.filasCp1252 = l.texto.filasCp1252;
    r.descartes = std::move(l.descartes);
    std::vector<Registro> registros;
    registros.reserve(l.filas.size());
    for (const Fila& f : l.filas) {
        Mapeado m = Mapea(c.de, f);
        if (!m.registro) {
            r.descartes.push_back({f.orden, f.donde, m.motivo});
            continue;
        }
        if (m.redondeado) ++r.redondeadas15;
        registros.push_back(std::move(*m.registro));
    }
    std::stable_sort(r.descartes.begin(), r.descartes.end(),
                     [](const Descarte& a, const Descarte& b) { return a.orden < b.orden; });
    const auto lineas = Fusiona(std::move(registros), r);
    if (lineas.empty()) {
        c.error = textos::SinLineas(p.entrada);
        return c;
    }
    c.salida = Escribe(p.a, lineas, r);
    r.lineasEscritas = int(lineas.size());
    c.estado = 0;
    return c;
}

}  // namespace vyr::conv
