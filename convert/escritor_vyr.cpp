#include "convert/ajuste.h"
#include "convert/escritores.h"
#include "store/csv.h"

namespace vyr::conv {

std::string EscribeVyr(const std::vector<Linea>& lineas, Recuento& c) {
    std::string r;
    for (const Linea& l : lineas) {
        r += LineaCsv(std::string_view(l.registro.hercios), AjustaRegistro(l.registro, l.otrosNombres, c));
        r += "\r\n";
    }
    return r;
}

std::string Escribe(Formato a, const std::vector<Linea>& lineas, Recuento& c) {
    switch (a) {
        case Formato::Gqrx: return EscribeGqrx(lineas, c);
        case Formato::Sdrpp: return EscribeSdrpp(lineas, c);
        default: return EscribeVyr(lineas, c);
    }
}

}  // namespace vyr::conv
