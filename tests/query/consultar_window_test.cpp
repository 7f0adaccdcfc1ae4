// The query window: its controls and defaults, the range checks with their
// message sequence, "Salir" keeping the contents and the close box unloading.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "query_fixture.h"
#include "ui/ventana.h"

namespace vyr::test {
namespace {

const char* kMal1 = " La frecuencia-1 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
const char* kMal2 = " La frecuencia-2 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
const char* kOrden = "Frecuencia-2 menor que frecuencia-1";

class ConsultarTest : public QueryTest {
protected:
    void SetUp() override {
        QueryTest::SetUp();
        Crea({{7.0, "Siete"}, {7.1, "Siete uno"}, {7.15, "Siete quince"}, {7.2, "Siete dos"}});
    }
    std::vector<std::string> Textos() const {
        std::vector<std::string> r;
        for (const auto& v : msg.vistos) r.push_back(v.texto);
        return r;
    }
};

TEST_F(ConsultarTest, LoadsWithTheDesignDefaultsAndFocusInTheDescriptionBox) {
    frmConsultar& v = Ventana();
    for (auto* t : {v.txtFrecu1, v.txtFrecu2, v.txtBusDes, v.txtBusSer, v.txtBusMod, v.txtBusObs})
        EXPECT_TRUE(t->text().isEmpty()) << t->objectName().toStdString();
    for (auto* b : std::initializer_list<QAbstractButton*>{v.optVerTodo, v.optVerEntre, v.chkEscuchadas,
                                                            v.chkGuardar, v.chkImprimir})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), v.txtBusDes);
    EXPECT_EQ(v.findChild<QLineEdit*>("txtBusObs"), v.txtBusObs);
    // The frames' large bold caption font does not reach their controls.
    EXPECT_FALSE(v.optVerTodo->font().bold());
    EXPECT_FALSE(v.Label7->font().bold());
}

TEST_F(ConsultarTest, TabFollowsTheDesignOrder) {
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);  // an option button takes the focus only when selected
    const QWidget* orden[] = {v.txtBusDes, v.txtBusSer, v.txtBusMod, v.txtBusObs, v.chkEscuchadas,
                              v.chkGuardar, v.chkImprimir, v.cmdHacer, v.optVerTodo,
                              v.txtFrecu1, v.txtFrecu2, v.cmdSalir, v.txtBusDes};
    for (std::size_t i = 1; i < std::size(orden); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), orden[i]) << "step " << i;
    }
}

struct CasoRango {
    const char* f1;
    const char* f2;
    bool acepta;
    std::vector<std::string> mensajes;
    const char* caja1;  // after the checks
    const char* caja2;
};

TEST_F(ConsultarTest, RangeChecksInTheirOrder) {
    const CasoRango casos[] = {
        {"7.1", "7.2", true, {}, "7,100.000", "7,200.000"},
        {"7.2", "7.1", false, {kOrden}, "", ""},
        {"7.1", "7.1", false, {kOrden}, "", ""},
        {"", "7.2", false, {kMal1, kOrden}, "", ""},
        {"", "", false, {kMal1, kMal2, kOrden}, "", ""},
        {"abc", "abc", false, {kMal1, kMal2, kOrden}, "", ""},
        {"0.001", "900000000", true, {}, "0,001.000", "900.000.000,000.000"},
        {"0.0009", "7", false, {kMal1, kOrden}, "", ""},
        {"0", "7", false, {kMal1, kOrden}, "", ""},
        {"-5", "7", false, {kMal1, kOrden}, "", ""},
        {"7", "900000000.5", false, {kMal2, kOrden}, "", ""},
        {"7,1", "7.05", true, {}, "7,000.000", "7,050.000"},  // the comma ends the reading
    };
    frmConsultar& v = Ventana();
    for (const auto& c : casos) {
        msg.vistos.clear();
        v.txtFrecu1->setText(c.f1);
        v.txtFrecu2->setText(c.f2);
        double f1 = -1, f2 = -1;
        EXPECT_EQ(v.CompruebaRango(f1, f2), c.acepta) << c.f1 << " / " << c.f2;
        EXPECT_EQ(Textos(), c.mensajes) << c.f1 << " / " << c.f2;
        EXPECT_EQ(v.txtFrecu1->text().toStdString(), c.caja1) << c.f1;
        EXPECT_EQ(v.txtFrecu2->text().toStdString(), c.caja2) << c.f2;
        for (const auto& mm : msg.vistos) {
            const bool orden = mm.texto == kOrden;
            EXPECT_EQ(mm.titulo, orden ? "Búsqueda entre frecuencias" : " Alta de frecuencia");
            EXPECT_EQ(mm.icono, orden ? ui::Icono::Ninguno : ui::Icono::Critico);
            EXPECT_EQ(mm.botones, ui::Botones::Ok);
        }
    }
}

TEST_F(ConsultarTest, ChecksRunOnlyInTheRangeMode) {
    frmConsultar& v = Ventana();
    v.txtFrecu1->setText("abc");
    v.txtFrecu2->setText("xyz");
    v.optVerTodo->setChecked(true);
    Resultado r = Realiza();
    EXPECT_TRUE(r.mostrado);
    EXPECT_TRUE(msg.vistos.empty());
}

TEST_F(ConsultarTest, SalirHidesAndKeepsEverythingCloseBoxUnloads) {
    ui::Ventana<frmConsultar> ventana([this] { return new frmConsultar(*m, *env); });
    ventana->show();
    ventana->txtBusDes->setText("radio");
    ventana->txtFrecu1->setText("7.1");
    ventana->optVerEntre->setChecked(true);
    ventana->chkGuardar->setChecked(true);
    ventana->chkEscuchadas->setChecked(true);
    QTest::mouseClick(ventana->cmdSalir, Qt::LeftButton);
    EXPECT_TRUE(ventana.Cargada());
    EXPECT_TRUE(ventana->isHidden());
    EXPECT_EQ(ventana->txtBusDes->text(), "radio");
    EXPECT_EQ(ventana->txtFrecu1->text(), "7.1");
    EXPECT_TRUE(ventana->optVerEntre->isChecked());
    EXPECT_TRUE(ventana->chkGuardar->isChecked());
    EXPECT_TRUE(ventana->chkEscuchadas->isChecked());

    ventana->show();
    ventana->close();  // the title bar's close box
    EXPECT_FALSE(ventana.Cargada());
    EXPECT_TRUE(ventana->txtBusDes->text().isEmpty());  // a fresh window
    EXPECT_FALSE(ventana->optVerEntre->isChecked());
    ventana.Descarga();
    EXPECT_TRUE(msg.vistos.empty());
}

}  // namespace
}  // namespace vyr::test
