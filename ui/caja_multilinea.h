#pragma once
// A multi-line text box with the text-box interface of a QLineEdit. Its text
// holds line breaks as CR LF, as the data file keeps them; the box itself
// wraps long lines, shows no scroll bars, and Tab moves on.
#include <QPlainTextEdit>

namespace vyr::ui {

class CajaMultilinea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CajaMultilinea(QWidget* padre = nullptr);
    QString text() const;
    void setText(const QString& texto);
};

}  // namespace vyr::ui
