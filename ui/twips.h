#pragma once
// Design sizes are in twips: 15 twips per pixel at 96 DPI; Qt scales for HiDPI.
#include <QRect>

namespace vyr::ui {

constexpr int Px(int twips) { return (twips + 7) / 15; }
inline QRect RectTwips(int izq, int arriba, int ancho, int alto) {
    return QRect(Px(izq), Px(arriba), Px(ancho), Px(alto));
}

}  // namespace vyr::ui
