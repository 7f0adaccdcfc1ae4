#include "convert/texto_origen.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include "ui/cp1252.h"

namespace vyr::conv {

std::string_view SinBom(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return bytes;
}

bool Decodificador::Elige(std::string_view fila) {
    bool ascii = true;
    for (char c : fila)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return !soloCp1252_;
    bool utf8 = false;
    if (!soloCp1252_) {
        QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString leido = d.decode(QByteArrayView(fila.data(), qsizetype(fila.size())));
        utf8 = !d.hasError();
    }
    ++(utf8 ? filasUtf8 : filasCp1252);
    return utf8;
}

QString Decodificador::Texto(std::string_view campo, bool utf8) const {
    if (utf8) return QString::fromUtf8(campo.data(), qsizetype(campo.size()));
    QString r;
    r.reserve(qsizetype(campo.size()));
    for (char c : campo) r.append(QChar(static_cast<char16_t>(Cp1252ACodigo(static_cast<unsigned char>(c)))));
    return r;
}

}  // namespace vyr::conv
