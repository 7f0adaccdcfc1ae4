// The query window: fonts on loading, the range checks with their message
// sequence, "Salir" hiding it and the close box unloading.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "support/ventanas_fixture.h"
#include "ui/ventana.h"

namespace vyr::test {
namespace {

const char* kMal1 = " La frecuencia-1 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
const char* kMal2 = " La frecuencia-2 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
const char* kOrden = "Frecuencia-2 menor que frecuencia-1";

using ConsultarTest = VentanasTest;

TEST_F(ConsultarTest, PlainControlsAndTheRangeChecksInTheirOrder) {
    // Reading a box is the frequency box's, checked with the main window's;
    // the order rule is RangoAceptado's. Here, each check runs whatever the
    // one before gave, with its message and caption, and a bound is checked.
    const struct {
        const char *f1, *f2;
        bool acepta;
        std::vector<std::string> mensajes;
        const char *caja1, *caja2;  // after the checks
    } casos[] = {
        {"7.1", "7.2", true, {}, "7,100.000", "7,200.000"},
        {"", "", false, {kMal1, kMal2, kOrden}, "", ""},
        {"7", "900000000.5", false, {kMal2, kOrden}, "", ""},  // read, but above the range
    };
    Arranca({{7.0, "Siete"}});
    frmConsultar& v = Consulta();
    // The frames' large bold caption font does not reach their controls.
    EXPECT_FALSE(v.optVerTodo->font().bold());
    EXPECT_FALSE(v.Label7->font().bold());
    for (const auto& k : casos) {
        SCOPED_TRACE(std::string(k.f1) + " / " + k.f2);
        msg.vistos.clear();
        v.txtFrecu1->setText(k.f1);
        v.txtFrecu2->setText(k.f2);
        double f1 = -1, f2 = -1;
        EXPECT_EQ(v.CompruebaRango(f1, f2), k.acepta);
        std::vector<std::string> vistos;
        for (const auto& mm : msg.vistos) {
            vistos.push_back(mm.texto);
            const bool orden = mm.texto == kOrden;
            EXPECT_EQ(mm.titulo, orden ? "Búsqueda entre frecuencias" : " Alta de frecuencia");
            EXPECT_EQ(mm.icono, orden ? ui::Icono::Ninguno : ui::Icono::Critico);
            EXPECT_EQ(mm.botones, ui::Botones::Ok);
        }
        EXPECT_EQ(vistos, k.mensajes);
        EXPECT_EQ(v.txtFrecu1->text().toStdString(), k.caja1);
        EXPECT_EQ(v.txtFrecu2->text().toStdString(), k.caja2);
    }
}

// What "Salir" keeps is checked through the main window.
TEST_F(ConsultarTest, SalirHidesAndTheCloseBoxUnloads) {
    Arranca({});
    ui::Ventana<frmConsultar> ventana([this] { return new frmConsultar(*m, *env); });
    ventana->show();
    ventana->txtFrecu1->setText("7.1");  // not checked on leaving
    QTest::mouseClick(ventana->cmdSalir, Qt::LeftButton);
    EXPECT_TRUE(ventana.Cargada());
    EXPECT_TRUE(ventana->isHidden());
    EXPECT_EQ(ventana->txtFrecu1->text(), "7.1");

    ventana->show();
    ventana->close();  // the title bar's close box
    EXPECT_FALSE(ventana.Cargada());
    EXPECT_TRUE(ventana->txtFrecu1->text().isEmpty());  // a fresh window
    ventana.Descarga();
    EXPECT_TRUE(msg.vistos.empty());
}

}  // namespace
}  // namespace vyr::test
