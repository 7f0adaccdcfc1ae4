#pragma once
// Where a window opens and the colour its text is read in: the design's
// values where they work, the nearest that works where they do not.
#include <QColor>
#include <QPoint>
#include <QRect>

class QWidget;

namespace vyr::ui {

// The top-left corner for a window (frame included) so that it lies inside
// the available area: where it is when it fits, else moved just enough; a
// window larger than the area keeps its top-left corner in it.
QPoint Encaja(const QRect& ventana, const QRect& disponible);
// Moves a window about to be shown onto its screen's available area.
void EncajaEnPantalla(QWidget* ventana);

// WCAG contrast ratio of two colours, from 1 to 21.
double Contraste(const QColor& a, const QColor& b);
// The card's blue on this background: the design's pure blue, or on a dark
// background the same hue made light enough for a contrast of 4.5:1.
QColor AzulLegible(const QColor& fondo);

}  // namespace vyr::ui
