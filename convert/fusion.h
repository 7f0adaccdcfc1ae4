#pragma once
// One line per frequency, as the store holds one record per frequency: the
// first row of a frequency gives the fields, later rows give their names.
// Lines come out in ascending frequency, as our export writes them.
#include <QStringList>
#include <vector>

#include "convert/mapeo.h"
#include "convert/recuento.h"

namespace vyr::conv {

struct Linea {
    Registro registro;
    QStringList otrosNombres;
};

std::vector<Linea> Fusiona(std::vector<Registro> registros, Recuento& c);

}  // namespace vyr::conv
