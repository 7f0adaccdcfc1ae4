#include "ui/caja_multilinea.h"

namespace vyr::ui {

CajaMultilinea::CajaMultilinea(QWidget* padre) : QPlainTextEdit(padre) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString CajaMultilinea::text() const {
    // Raw text: toPlainText() would turn a stored non-breaking space into a space.
    QString t = document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    t.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return t;
}

void CajaMultilinea::setText(const QString& texto) {
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    setPlainText(t);
}

}  // namespace vyr::ui
