#pragma once
// Text fitted into VYR's record: Windows-1252 bytes, Latin letters for what
// the code page cannot hold, fields cut to their widths with nothing lost
// unsaid.
#include <QString>
#include <QStringList>
#include <string>

#include "convert/mapeo.h"
#include "convert/recuento.h"
#include "store/records.h"

namespace vyr::conv {

// ";" becomes "," and control characters a space, as our export does; the
// rest through ICU when the code page has no byte for it, "?" when nothing fits.
std::string ACp1252(const QString& texto, RecuentoTexto& c);

// The record's five fields. A description cut to 40 keeps its whole text at
// the head of Observaciones; the parts of the observations are joined with
// " · "; then the names of the merged rows, " / " between them, while they fit.
RegDatos AjustaRegistro(const Registro& r, const QStringList& otrosNombres, Recuento& c);

}  // namespace vyr::conv
