#include "convert/receptor.h"

#include <QRegularExpression>

#include "convert/hercios.h"

namespace vyr::conv {

std::string AnchoDeTexto(const QString& parte) {
    static const QRegularExpression bw(R"(^BW ([0-9]+(?:,[0-9]+)?) kHz$)");
    const auto m = bw.match(parte.trimmed());
    if (!m.hasMatch()) return {};
    const auto d = Decimal(m.captured(1).replace(',', '.').toStdString(), 3);
    return d ? *d : std::string();
}

Marcador ParaReceptor(const Linea& l, Recuento& c) {
    const Registro& r = l.registro;
    Marcador m;
    m.hercios = r.hercios;
    m.nombre = r.descripcion.trimmed();
    m.servicio = r.servicio.trimmed();
    m.modo = r.modo.trimmed();
    m.salida = &ModoParaSalida(m.modo);
    bool resto = !r.fecha.trimmed().isEmpty() || !l.otrosNombres.isEmpty();
    for (const QString& o : r.observaciones)
        for (const QString& parte : o.split(QString::fromUtf8(" · "))) {
            const std::string ancho = AnchoDeTexto(parte);
            if (ancho.empty()) resto = resto || !parte.trimmed().isEmpty();
            else if (m.anchoHz.empty()) m.anchoHz = ancho;
        }
    if (m.anchoHz.empty()) m.anchoHz = std::to_string(m.salida->anchoHz);
    if (resto) ++c.sinSitio;
    return m;
}

}  // namespace vyr::conv
