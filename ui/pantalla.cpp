#include "ui/pantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vyr::ui {

QPoint Encaja(const QRect& v, const QRect& d) {
    QPoint p = v.topLeft();
    if (v.right() > d.right()) p.rx() -= v.right() - d.right();
    if (v.bottom() > d.bottom()) p.ry() -= v.bottom() - d.bottom();
    p.setX(std::max(p.x(), d.left()));
    p.setY(std::max(p.y(), d.top()));
    return p;
}

void EncajaEnPantalla(QWidget* ventana) {
    const QRect marco = ventana->frameGeometry();
    QScreen* s = QGuiApplication::screenAt(marco.center());
    if (!s) s = ventana->screen();
    if (!s) return;
    const QPoint p = Encaja(marco, s->availableGeometry());
    if (p != marco.topLeft()) ventana->move(ventana->pos() + (p - marco.topLeft()));
}

namespace {

double Luminancia(const QColor& c) {
    const auto canal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

}  // namespace

double Contraste(const QColor& a, const QColor& b) {
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor AzulLegible(const QColor& fondo) {
    const QColor azul(0, 0, 255);
    if (fondo.lightness() >= 128) return azul;  // a light palette keeps the design
    // Lighter in steps of one, keeping the hue: the first that reads well.
    for (int l = azul.lightness(); l <= 255; ++l) {
        const QColor c = QColor::fromHsl(azul.hslHue(), 255, l);
        if (Contraste(c, fondo) >= 4.5) return c;
    }
    return QColor(Qt::white);
}

}  // namespace vyr::ui
