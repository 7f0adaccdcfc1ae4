// SDR++'s frequency manager: {"lists": {LIST: {"bookmarks": {NAME: {...}}}}},
// the older layout with the bookmarks straight in the list, and the
// Import/Export shape {"bookmarks": {NAME: {...}}}. Every list is read.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "convert/hercios.h"
#include "convert/lectores.h"
#include "convert/mensajes.h"

namespace vyr::conv {
namespace {

// A number as exact text; anything else as its JSON text, so that the
// message can show what stood there.
QString Numero(const QJsonValue& v) {
    if (v.isDouble())
        if (const auto t = DecimalDeDouble(v.toDouble())) return QString::fromStdString(*t);
    if (v.isString()) return v.toString();
    if (v.isUndefined()) return {};
    const QJsonArray envuelto{v};
    QString t = QString::fromUtf8(QJsonDocument(envuelto).toJson(QJsonDocument::Compact));
    return t.mid(1, t.size() - 2);
}

// Bookmarks have no line of their own: they count in the order read.
int Orden(const Lectura& l) { return int(l.filas.size() + l.descartes.size()) + 1; }

void LeeMarcadores(Lectura& l, const QString& lista, const QJsonObject& marcadores, bool antiguo) {
    for (auto it = marcadores.begin(); it != marcadores.end(); ++it) {
        // The old layout kept the list's settings beside its bookmarks.
        if (antiguo && !it.value().isObject()) continue;
        const std::string donde = textos::Marcador(lista.toStdString(), it.key().toStdString());
        if (!it.value().isObject()) {
            l.descartes.push_back({Orden(l), donde, textos::kNoEsObjeto});
            continue;
        }
        const QJsonObject m = it.value().toObject();
        l.filas.push_back(Fila{Orden(l), donde,
                               {{"list", lista},
                                {"name", it.key().trimmed()},
                                {"frequency", Numero(m.value("frequency"))},
                                {"mode", Numero(m.value("mode"))},
                                {"bandwidth", Numero(m.value("bandwidth"))}}});
    }
}

}  // namespace

Lectura LeeSdrpp(std::string_view bytes) {
    Lectura l;
    QJsonParseError e{};
    const auto doc = QJsonDocument::fromJson(QByteArray(bytes.data(), qsizetype(bytes.size())), &e);
    if (e.error != QJsonParseError::NoError) {
        l.error = textos::JsonNoValido(e.errorString().toStdString(), e.offset);
        return l;
    }
    const QJsonObject raiz = doc.object();
    if (raiz.value("lists").isObject()) {
        const QJsonObject listas = raiz.value("lists").toObject();
        for (auto it = listas.begin(); it != listas.end(); ++it) {
            if (!it.value().isObject()) {
                l.descartes.push_back({Orden(l), textos::Lista(it.key().toStdString()), textos::kNoEsObjeto});
                continue;
            }
            const QJsonObject lista = it.value().toObject();
            if (lista.value("bookmarks").isObject())
                LeeMarcadores(l, it.key(), lista.value("bookmarks").toObject(), false);
            else
                LeeMarcadores(l, it.key(), lista, true);
        }
    } else if (raiz.value("bookmarks").isObject()) {
        LeeMarcadores(l, QString(), raiz.value("bookmarks").toObject(), false);
    } else {
        l.error = textos::kSinListas;
    }
    return l;
}

}  // namespace vyr::conv
