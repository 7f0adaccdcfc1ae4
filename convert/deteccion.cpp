// Each format by the marks its own writer always leaves, never by file name.
#include <algorithm>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "convert/formatos.h"
#include "convert/hercios.h"
#include "convert/texto_origen.h"
#include "store/text_lines.h"

namespace vyr::conv {
namespace {

bool Empieza(std::string_view t, std::string_view p) { return t.substr(0, p.size()) == p; }

std::string_view SinBlancosIniciales(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    return t;
}

// Gqrx's two header comments.
bool CabeceraGqrx(std::string_view linea) {
    if (!Empieza(linea, "#") || linea.find(';') == std::string_view::npos) return false;
    const auto resto = SinBlancosIniciales(linea.substr(1));
    return Empieza(resto, "Frequency") || Empieza(resto, "Tag name");
}

// Our own line: a hertz number and five fields.
bool LineaVyr(std::string_view linea) {
    if (std::count(linea.begin(), linea.end(), ';') != 5) return false;
    const auto primero = linea.substr(0, linea.find(';'));
    return !primero.empty() && primero.front() != '+' && primero.front() != '-' &&
           primero.find(' ') == std::string_view::npos && Decimal(primero).has_value();
}

bool JsonSdrpp(std::string_view bytes) {
    const auto k = bytes.find_first_not_of(" \t\r\n");
    if (k == std::string_view::npos || bytes[k] != '{') return false;
    const auto doc = QJsonDocument::fromJson(QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (!doc.isObject()) return false;
    const QJsonObject o = doc.object();
    return o.value("lists").isObject() || o.value("bookmarks").isObject();
}

}  // namespace

std::vector<Formato> Candidatos(std::string_view bytes) {
    bytes = SinBom(bytes);
    bool gqrx = false, chirp = false, eibi = false, vyr = false;
    bool primera = true, primeraDatos = true;
    RecorreLineas(bytes, [&](std::string_view linea) {
        if (primera) {
            eibi = Empieza(linea, "kHz:") && linea.find(";Time(UTC)") != std::string_view::npos;
            primera = false;
        }
        gqrx = gqrx || CabeceraGqrx(linea);
        if (primeraDatos && !linea.empty() && !Empieza(linea, "#")) {
            chirp = Empieza(linea, "Location,") || Empieza(linea, "\"Location\",");
            vyr = LineaVyr(linea);
            primeraDatos = false;
        }
        return true;
    });
    std::vector<Formato> r;
    if (gqrx) r.push_back(Formato::Gqrx);
    if (JsonSdrpp(bytes)) r.push_back(Formato::Sdrpp);
    if (chirp) r.push_back(Formato::Chirp);
    if (eibi) r.push_back(Formato::Eibi);
    if (vyr) r.push_back(Formato::Vyr);
    return r;
}

}  // namespace vyr::conv
