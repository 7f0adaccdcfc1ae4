#pragma once
// Names a screen reader reads: a window's from its caption, a box's from the
// label beside it.
#include <QLabel>
#include <QString>
#include <QWidget>

namespace vyr::ui {

// A caption as a name: without the closing colon, which a reader would say.
inline QString NombreDeEtiqueta(const QString& texto) {
    QString n = texto.trimmed();
    if (n.endsWith(u':')) n.chop(1);
    return n.trimmed();
}

// Set explicitly: Qt's own fallback names a minimised window after its
// (empty) icon text.
inline void Titula(QWidget* ventana, const QString& titulo) {
    ventana->setWindowTitle(titulo);
    ventana->setAccessibleName(titulo);
}

// The label becomes the box's buddy, which tells a reader what labels what.
// No caption carries "&", so no access key appears and the label looks the same.
inline void Rotula(QLabel* etiqueta, QWidget* caja) {
    etiqueta->setBuddy(caja);
    caja->setAccessibleName(NombreDeEtiqueta(etiqueta->text()));
}

}  // namespace vyr::ui
