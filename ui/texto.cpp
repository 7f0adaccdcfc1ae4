#include "ui/texto.h"

#include <QList>

#include "ui/cp1252.h"

namespace vyr::ui {

QString DeCp1252(const std::string& bytes) {
    QString r;
    r.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) r.append(QChar(static_cast<char16_t>(Cp1252ACodigo(static_cast<unsigned char>(c)))));
    return r;
}

std::string ACp1252(const QString& texto) {
    std::string r;
    r.reserve(static_cast<std::size_t>(texto.size()));
    for (char32_t c : texto.toUcs4()) r.push_back(static_cast<char>(CodigoACp1252(c)));
    return r;
}

QString PrimerosCaracteres(const QString& texto, int n) {
    qsizetype i = 0;
    for (int c = 0; c < n && i < texto.size(); ++c)
        i += (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ? 2 : 1;
    return texto.left(i);
}

QString Mayusculas(const QString& texto, const QLocale& l) {
    QString r;
    r.reserve(texto.size());
    for (const char32_t c : texto.toUcs4()) {
        const QString uno = QString::fromUcs4(&c, 1);
        const QList<uint> mayus = l.toUpper(uno).toUcs4();
        const bool cabe = mayus.size() == 1 && (mayus[0] == '?' || CodigoACp1252(mayus[0]) != '?');
        r += cabe ? QString::fromUcs4(reinterpret_cast<const char32_t*>(mayus.constData()), 1) : uno;
    }
    return r;
}

int Caracteres(const QString& texto) {
    int c = 0;
    for (qsizetype i = 0; i < texto.size(); ++i, ++c)
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ++i;
    return c;
}

}  // namespace vyr::ui
