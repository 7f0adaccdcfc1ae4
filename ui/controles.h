#pragma once
// What every window needs to build its controls from their design values.
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFrame>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/twips.h"

namespace vyr::ui {

// The family that stands in for the one asked, looked for once: where it is
// not installed, each size asked by the missing name would repeat the
// substitution search, the slowest part of showing the main window.
inline QString Familia(const QString& pedida) {
    return QFontInfo(QFont(pedida)).family();
}

inline QFont Verdana(double puntos, bool negrita = false) {
    static const QString familia = Familia(QStringLiteral("Verdana"));
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

// The typeface of controls without a font of their own.
inline QFont FuenteDefecto() {
    QFont f = QApplication::font();
    f.setFamily(f.family());  // resolved, so that a parent's font does not reach it
    f.setPointSizeF(8);
    f.setBold(false);
    return f;
}

// A control named as in the design, so that tests and accessibility tools find it.
template <class W>
W* Control(QWidget* padre, const char* nombre, QRect r, const QFont& fuente) {
    auto* w = new W(padre);
    w->setObjectName(QString::fromLatin1(nombre));
    w->setGeometry(r);
    w->setFont(fuente);
    return w;
}

// A design line from (x1, y) to (x2, y) in twips, grosor pixels thick and
// centred on y, in the window's text colour.
inline QFrame* LineaHorizontal(QWidget* padre, const char* nombre, int x1, int x2, int y, int grosor) {
    auto* l = new QFrame(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(Px(x1), Px(y) - grosor / 2, Px(x2) - Px(x1), grosor);
    l->setFrameStyle(QFrame::HLine | QFrame::Plain);
    l->setLineWidth(grosor);
    return l;
}

// Focus follows the list, the last one back to the first.
template <std::size_t N>
void OrdenTab(QWidget* const (&orden)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i) QWidget::setTabOrder(orden[i], orden[i + 1]);
}

}  // namespace vyr::ui
