// SDR++'s frequency manager file: one list per service ("General" for none),
// names unique within a list and never empty, as SDR++ needs them.
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <map>

#include "convert/escritores.h"
#include "convert/hercios.h"
#include "convert/modos.h"
#include "convert/receptor.h"

namespace vyr::conv {
namespace {

double Doble(const std::string& t) {
    double v = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

}  // namespace

std::string EscribeSdrpp(const std::vector<Linea>& lineas, Recuento& c) {
    std::map<QString, QJsonObject> porLista;
    for (const Linea& l : lineas) {
        const Marcador m = ParaReceptor(l, c);
        QJsonObject& marcas = porLista[m.servicio.isEmpty() ? QStringLiteral("General") : m.servicio];
        const QString base = m.nombre.isEmpty()
                                 ? QString::fromStdString(ComaDecimal(*Decimal(m.hercios, -6))) + " MHz"
                                 : m.nombre;
        QString nombre = base;
        for (int n = 2; marcas.contains(nombre); ++n) nombre = base + " (" + QString::number(n) + ")";
        if (nombre != m.nombre) ++c.nombresCambiados;
        if (m.salida == &kModoSinTabla) ++c.modosDesconocidos;
        if (ModoVyr(kModosSdrpp, QString::number(m.salida->sdrpp), true) != m.modo) ++c.modosCambiados;
        marcas.insert(nombre, QJsonObject{{"bandwidth", Doble(m.anchoHz)},
                                          {"frequency", Doble(m.hercios)},
                                          {"mode", m.salida->sdrpp}});
    }
    QJsonObject listas;
    for (const auto& [nombre, marcas] : porLista)
        listas.insert(nombre, QJsonObject{{"bookmarks", marcas}, {"showOnWaterfall", true}});
    const QJsonObject raiz{{"bookmarkDisplayMode", 1},
                           {"lists", listas},
                           {"selectedList", porLista.empty() ? QStringLiteral("General") : porLista.begin()->first}};
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace vyr::conv
