// Gqrx's own layout: tag lines, one empty line, the header, then rows padded
// to Gqrx's columns (a long name shifts the rest, as in Gqrx).
#include <set>

#include "convert/escritores.h"
#include "convert/hercios.h"
#include "convert/modos.h"
#include "convert/receptor.h"

namespace vyr::conv {

std::string EscribeGqrx(const std::vector<Linea>& lineas, Recuento& c) {
    QStringList filas;
    std::set<QString> etiquetas;  // sorted by name, as Gqrx 2.16 and later writes them
    for (const Linea& l : lineas) {
        const Marcador m = ParaReceptor(l, c);
        // Gqrx splits a row at ";" and its tags at ",".
        QString nombre = m.nombre;
        nombre.replace(';', ',');
        QString etiqueta = m.servicio;
        etiqueta.replace(';', ' ').replace(',', ' ');
        etiqueta = etiqueta.trimmed();
        if (etiqueta.isEmpty()) etiqueta = "Untagged";
        etiquetas.insert(etiqueta);

        const std::string hz = HercioEntero(m.hercios);
        if (hz != m.hercios) ++c.herciosRedondeados;
        QString modo = QString::fromLatin1(m.salida->gqrx.data(), qsizetype(m.salida->gqrx.size()));
        if (modo.isEmpty()) {
            modo = m.modo;  // Gqrx will open it without demodulation, but it stays in the file
            ++c.modosDesconocidos;
        }
        if (ModoVyr(kModosGqrx, modo, false) != m.modo) ++c.modosCambiados;
        filas << QString::fromStdString(hz).rightJustified(12) + "; " + nombre.leftJustified(25) + "; " +
                     modo.leftJustified(20) + "; " + QString::fromStdString(HercioEntero(m.anchoHz)).rightJustified(10) + "; " +
                     etiqueta + "\n";
    }
    QString r = "# Tag name          ;  color\n";
    for (const QString& e : etiquetas) r += e.leftJustified(20) + "; #c0c0c0\n";
    r += "\n# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n";
    r += filas.join(QString());
    return r.toStdString();
}

}  // namespace vyr::conv
