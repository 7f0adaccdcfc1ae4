// Where a window opens on a small screen, and the card's blue on any
// background.
#include <gtest/gtest.h>

#include "ui/pantalla.h"

namespace vyr {
namespace {

TEST(PantallaTest, AWindowMovesJustEnoughToFit) {
    struct Caso {
        const char* nombre;
        QRect ventana, disponible;
        QPoint queda;
    };
    const QRect pantalla(0, 0, 1600, 1200);
    const Caso casos[] = {
        {"fits: design position kept", {100, 200, 800, 600}, pantalla, {100, 200}},
        {"below the bottom", {100, 800, 800, 600}, pantalla, {100, 600}},
        {"beyond the right", {1000, 0, 800, 600}, pantalla, {800, 0}},
        {"both", {1500, 1100, 200, 200}, pantalla, {1400, 1000}},
        {"above and left of the area", {-50, 10, 100, 100}, {0, 30, 1600, 1170}, {0, 30}},
        {"taller than the area: top stays in it", {0, 100, 400, 1500}, pantalla, {0, 0}},
        {"area not at the origin", {0, 0, 300, 300}, {1600, 0, 1024, 768}, {1600, 0}},
    };
    for (const Caso& c : casos) EXPECT_EQ(ui::Encaja(c.ventana, c.disponible), c.queda) << c.nombre;
}

TEST(PantallaTest, TheBlueReadsOnEveryBackground) {
    struct Caso {
        QColor fondo;
        bool diseno;  // the design's pure blue is kept
    };
    const Caso casos[] = {
        {Qt::white, true}, {QColor(240, 240, 240), true}, {QColor(128, 128, 128), true},
        {QColor(90, 90, 90), false}, {QColor(53, 53, 53), false}, {Qt::black, false},
        {QColor(0, 0, 90), false},
    };
    const QColor azul(0, 0, 255);
    for (const Caso& c : casos) {
        const QColor a = ui::AzulLegible(c.fondo);
        SCOPED_TRACE(c.fondo.name().toStdString());
        if (c.diseno) {
            EXPECT_EQ(a, azul);
            continue;
        }
        EXPECT_GE(ui::Contraste(a, c.fondo), 4.5);
        EXPECT_EQ(a.hslHue(), azul.hslHue());
        // The least lightening that reads: one step darker does not.
        const QColor antes = QColor::fromHsl(a.hslHue(), 255, a.lightness() - 1);
        EXPECT_LT(ui::Contraste(antes, c.fondo), 4.5);
    }
}

TEST(PantallaTest, ContrastRatioOfKnownPairs) {
    EXPECT_DOUBLE_EQ(ui::Contraste(Qt::black, Qt::white), 21.0);
    EXPECT_NEAR(ui::Contraste(QColor(0, 0, 255), Qt::white), 8.59, 0.01);
    EXPECT_NEAR(ui::Contraste(QColor(0, 0, 255), Qt::black), 2.44, 0.01);
}

}  // namespace
}  // namespace vyr
