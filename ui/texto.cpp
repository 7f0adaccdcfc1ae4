#include "ui/texto.h"

#include <QList>

#include "store/cp1252.h"

namespace vyr::ui {

QString DeCp1252(const std::string& bytes) {
    QString r;
    r.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes) r.append(QChar(static_cast<char16_t>(Cp1252ACodigo(c))));
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

int Caracteres(const QString& texto) {
    int c = 0;
    for (qsizetype i = 0; i < texto.size(); ++i, ++c)
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ++i;
    return c;
}

}  // namespace vyr::ui
