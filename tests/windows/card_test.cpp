// The card's buttons: "Fecha hoy" on the card's own frequency, "Modificar"
// with an empty card, and "Consultar" with the query window kept by "Salir".
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QTest>

#include "editor/frm_crea_modi.h"
#include "query/frm_consultar.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

using CardTest = VentanasTest;

TEST_F(CardTest, FechaHoyStampsTheCardsOwnRecordEvenAfterAnImport) {
    Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Madrid"}, {9.5, "Otra", "", "", "020202"}});
    Teclea("7.1");
    w->txtFicDescri->setText("Cambiada a mano");
    // The import's last line leaves 9.5 in FrecActual; the card still shows 7.1.
    Pon("vyr.csv", "9500000;Otra;;;020202;\r\n");
    w->mnuRecuperar->trigger();
    ASSERT_DOUBLE_EQ(m->FrecActual, 9.5);
    const std::string otra = Bytes("datos.vyr").substr(300);

    QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton);
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
    EXPECT_EQ(Bytes("datos.vyr").substr(0, 300),
              Registro("Radio Exterior", "Radiodifusi\xf3n", "AM", "051226", "Madrid"));
    EXPECT_EQ(Bytes("datos.vyr").substr(300), otra);
    EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
    Teclea("7.1");
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
}

TEST_F(CardTest, FechaHoyWritesNothingWhenTheShownTextIsNoStoredFrequency) {
    // Only an import stores more decimals than the card shows.
    Crea({{7.0000004, "Casi siete"}});
    const std::string datos = Bytes("datos.vyr");
    Teclea("7.0000004");
    ASSERT_EQ(w->txtFicFrecu->text(), "7,000.000");
    QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton);
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
    EXPECT_EQ(Bytes("datos.vyr"), datos);
    EXPECT_TRUE(msg.vistos.empty());
}

TEST_F(CardTest, AnEmptyCardMakesBothCardButtonsDoNothingButMoveTheFocus) {
    Crea({{7.1, "Radio Exterior"}});
    const std::string datos = Bytes("datos.vyr");
    for (QPushButton* b : {w->cmdFicActFecha, w->cmdFicModi}) {
        SCOPED_TRACE(b->objectName().toStdString());
        const bool abierto = EnModal<frmCreaModi>([&] { QTest::mouseClick(b, Qt::LeftButton); },
                                      [](frmCreaModi& e) { e.close(); });
        EXPECT_FALSE(abierto);
        EXPECT_TRUE(w->txtFicFecha->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
    }
    EXPECT_EQ(Bytes("datos.vyr"), datos);
    EXPECT_TRUE(msg.vistos.empty());
}

TEST_F(CardTest, ConsultarSalirKeepsTheCriteriaAndTheCloseBoxStillEnds) {
    Crea({{7.1, "Radio Exterior"}});
    Teclea("7.1");
    const auto abre = [&] { QTest::mouseClick(w->cmdConsultar, Qt::LeftButton); };
    ASSERT_TRUE(EnModal<frmConsultar>(abre, [](frmConsultar& c) {
        QTest::keyClicks(c.txtBusDes, "radio");
        QTest::mouseClick(c.chkGuardar, Qt::LeftButton);
        QTest::mouseClick(c.cmdSalir, Qt::LeftButton);
    }));
    QString busDes;
    bool guardar = false;
    ASSERT_TRUE(EnModal<frmConsultar>(abre, [&](frmConsultar& c) {
        busDes = c.txtBusDes->text();
        guardar = c.chkGuardar->isChecked();
        QTest::mouseClick(c.cmdSalir, Qt::LeftButton);
    }));
    EXPECT_EQ(busDes, "radio");
    EXPECT_TRUE(guardar);
    EXPECT_EQ(w->txtFicDescri->text().trimmed(), "Radio Exterior");
    EXPECT_FALSE(QFile::exists(tmp.filePath("vyr.csv")));
    w->close();
    EXPECT_EQ(fines, 1);
}

}  // namespace
}  // namespace vyr::test
