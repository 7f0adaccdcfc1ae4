#include "convert/informe.h"

#include "store/records.h"

namespace vyr::conv {
namespace {

void Cuenta(std::string& r, const char* que, int n) { r += std::string(que) + ": " + std::to_string(n) + "\n"; }

}  // namespace

std::string Informe(const Conversion& c, const std::string& entrada, Formato a) {
    const Recuento& n = c.recuento;
    std::string r = entrada + ": formato " + std::string(Nombre(c.de)) +
                    (c.detectado ? " (reconocido por el contenido)" : " (indicado con --de)") + "\n";
    for (const Descarte& d : n.descartes) r += "  " + d.donde + ": descartada: " + d.motivo + "\n";
    Cuenta(r, "Filas leídas", n.filasLeidas);
    Cuenta(r, "Líneas escritas", n.lineasEscritas);
    Cuenta(r, "Filas fusionadas con otra de la misma frecuencia", n.filasFusionadas);
    Cuenta(r, "Filas descartadas", int(n.descartes.size()));
    if (n.filasUtf8 + n.filasCp1252 > 0)
        r += "Filas con acentos u otros caracteres: " + std::to_string(n.filasUtf8) + " leídas como UTF-8, " +
             std::to_string(n.filasCp1252) + " como Windows-1252\n";
    if (a == Formato::Vyr) {
        Cuenta(r, "Caracteres transliterados", n.texto.transliterados);
        Cuenta(r, "Caracteres sin equivalente, escritos como \"?\"", n.texto.sinEquivalente);
        Cuenta(r, "Caracteres sustituidos (\";\" por \",\", de control por espacio)", n.texto.sustituidos);
        const int cortados = n.cortados[0] + n.cortados[1] + n.cortados[2] + n.cortados[3] + n.cortados[4];
        r += "Campos cortados: " + std::to_string(cortados);
        if (cortados > 0) {
            static constexpr const char* kCampos[] = {"Descripción", "Servicio", "Modo", "Fecha", "Observaciones"};
            std::string detalle;
            for (std::size_t k = 0; k < n.cortados.size(); ++k)
                if (n.cortados[k] > 0)
                    detalle += (detalle.empty() ? "" : ", ") + std::string(kCampos[k]) + " " +
                               std::to_string(n.cortados[k]);
            r += " (" + detalle + "; una Descripción cortada sigue entera en Observaciones)";
        }
        r += "\n";
        Cuenta(r, "Nombres de filas fusionadas que no caben en Observaciones", n.nombresSinSitio);
        if (n.redondeadas15 > 0)
            Cuenta(r, "Frecuencias redondeadas a 15 cifras significativas", n.redondeadas15);
        if (n.lineasEscritas > kMaxFrecuencias)
            r += "Aviso: VYR guarda como mucho " + std::to_string(kMaxFrecuencias) +
                 " frecuencias; \"Recuperar datos\" no añadirá las que pasen de ahí a una lista llena.\n";
    } else {
        const std::string p(Nombre(a));
        Cuenta(r, ("Líneas con Fecha, Observaciones o nombres fusionados, que " + p + " no guarda").c_str(),
               n.sinSitio);
        Cuenta(r, ("Modos que " + p + " no tiene").c_str(), n.modosDesconocidos);
        Cuenta(r, ("Modos que volverán de " + p + " con otro nombre").c_str(), n.modosCambiados);
        if (a == Formato::Gqrx) Cuenta(r, "Frecuencias redondeadas al hercio", n.herciosRedondeados);
        if (a == Formato::Sdrpp) Cuenta(r, "Nombres vacíos o repetidos en su lista, cambiados", n.nombresCambiados);
    }
    return r;
}

}  // namespace vyr::conv
