#pragma once
// What a receiver's bookmark can hold of a line: frequency, name, service,
// mode and filter width. The width comes back from the "BW 12,5 kHz" that
// the import wrote into Observaciones, else from the mode.
#include <QString>
#include <string>

#include "convert/fusion.h"
#include "convert/modos.h"
#include "convert/recuento.h"

namespace vyr::conv {

struct Marcador {
    std::string hercios;
    QString nombre, servicio, modo;
    const ModoSalida* salida = nullptr;
    std::string anchoHz;  // hertz, exact
};

// Counts the line in sinSitio when its date, its other observations or the
// names of merged rows have no place in the receiver's file.
Marcador ParaReceptor(const Linea& l, Recuento& c);

// "BW 12,5 kHz" -> "12500"; "" when the text is no such thing.
std::string AnchoDeTexto(const QString& parte);

}  // namespace vyr::conv
