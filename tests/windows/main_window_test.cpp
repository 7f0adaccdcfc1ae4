// The main window: its design, focus order, the lookup on Enter, the card's
// buttons, the menus and the ways out of the program.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "about/frm_acerca_de.h"
#include <QCheckBox>
#include <QRadioButton>

#include "query/frm_consultar.h"
#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"
#include "ui/pantalla.h"
#include "ui/qt_message_service.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

const char* kRango = " La frecuencia debe ser numérica y estar entre 0,001 y 900.000.000 KHz";

using MainWindowTest = VentanasTest;

TEST_F(MainWindowTest, TabFollowsTheDesignOrderInEachWindow) {
    Crea({});
    frmConsultar& v = Consulta();
    v.optVerTodo->setChecked(true);  // an option button takes the focus only when selected
    const std::vector<const QWidget*> ordenes[] = {
        {v.txtBusDes, v.txtBusSer, v.txtBusMod, v.txtBusObs, v.chkEscuchadas, v.chkGuardar, v.chkImprimir,
         v.cmdHacer, v.optVerTodo, v.txtFrecu1, v.txtFrecu2, v.cmdSalir, v.txtBusDes},
        {w->txtFrecu, w->cmdSalir, w->cmdConsultar, w->cmdFicActFecha, w->cmdFicModi, w->txtFicFrecu,
         w->txtFicDescri, w->txtFicServi, w->txtFicModo, w->txtFicObserva, w->txtFicFecha, w->txtFrecu},
    };
    for (const auto& orden : ordenes) {
        if (orden[0] == w->txtFrecu) {
            consultar.reset();
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        }
        ASSERT_EQ(QApplication::focusWidget(), orden[0]);  // where the window opens
        for (std::size_t i = 1; i < orden.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), orden[i]) << "step " << i;
        }
    }
}

struct CasoEntrada {
    const char* tecleado;
    bool rechazado;   // range message, card and box empty
    double frecuencia;  // FrecActual afterwards
    const char* ficha;  // txtFicFrecu when found
};

TEST_F(MainWindowTest, EnterReadsChecksShowsAndLooksUp) {
    Crea({{7.0, "Siete"}, {7.1, "Radio Exterior", "Radiodifusión", "AM", "010107", "Madrid"},
          {0.001, "Minima"}, {900000000, "Maxima"}});
    const CasoEntrada casos[] = {
        {"7.1", false, 7.1, "7,100.000"},
        {"7,1", false, 7.0, "7,000.000"},        // the comma ends the number
        {"0.001", false, 0.001, "0,001.000"},
        {"900000000", false, 900000000, "900.000.000,000.000"},
        {"abc", true, 0, ""},
        {"0.0009", true, 0, ""},
        {"   ", true, 0, ""},  // spaces are no empty box
    };
    for (const CasoEntrada& c : casos) {
        SCOPED_TRACE(c.tecleado);
        msg.vistos.clear();
        Teclea("7.1");  // a card to be emptied
        ASSERT_EQ(w->txtFicDescri->text().trimmed(), "Radio Exterior");
        Teclea(QString::fromUtf8(c.tecleado));
        EXPECT_TRUE(w->txtFrecu->text().isEmpty());
        EXPECT_DOUBLE_EQ(m->FrecActual, c.frecuencia);
        EXPECT_EQ(w->txtFicFrecu->text(), QString::fromLatin1(c.ficha));
        if (c.rechazado) {
            ASSERT_EQ(msg.vistos.size(), 1u);
            EXPECT_EQ(msg.vistos[0].texto, kRango);
            EXPECT_EQ(msg.vistos[0].titulo, " Alta de frecuencia");
            EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
            EXPECT_EQ(msg.vistos[0].botones, ui::Botones::Ok);
            for (QLineEdit* b : {w->txtFicDescri, w->txtFicServi, w->txtFicModo, w->txtFicFecha})
                EXPECT_TRUE(b->text().isEmpty());
            EXPECT_TRUE(w->txtFicObserva->text().isEmpty());
        } else {
            EXPECT_TRUE(msg.vistos.empty());
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
}

TEST_F(MainWindowTest, TheCardShowsTheFieldsAsStoredTrailingSpacesIncluded) {
    Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Emisora\r\nde Madrid"}});
    Teclea("7.1");
    EXPECT_EQ(w->txtFicFrecu->text(), "7,100.000");
    EXPECT_EQ(w->txtFicDescri->text(), QString("Radio Exterior").leftJustified(40));
    EXPECT_EQ(w->txtFicServi->text(), QString::fromUtf8("Radiodifusión").leftJustified(18));
    EXPECT_EQ(w->txtFicModo->text(), "AM    ");
    EXPECT_EQ(w->txtFicFecha->text(), "010107");
    EXPECT_EQ(w->txtFicObserva->text(), QString("Emisora\r\nde Madrid").leftJustified(230));
    EXPECT_EQ(w->txtFicObserva->toPlainText().left(17), "Emisora\nde Madrid");
}

TEST_F(MainWindowTest, ATextWiderThanItsBoxShowsItsStart) {
    Crea({{123456789.123456, std::string(40, 'W')}});
    Teclea("123456789.123456");
    for (QLineEdit* caja : {w->txtFicFrecu, w->txtFicDescri}) {
        ASSERT_GT(caja->fontMetrics().horizontalAdvance(caja->text()), caja->width()) << caja->objectName().toStdString();
        EXPECT_EQ(caja->cursorPosition(), 0) << caja->objectName().toStdString();
    }
    // Left by the keyboard, a box scrolled to its end shows its start again.
    w->txtFicDescri->setFocus();
    w->txtFicDescri->end(false);
    w->txtFrecu->setFocus();
    EXPECT_EQ(w->txtFicDescri->cursorPosition(), 0);
}

TEST_F(MainWindowTest, EnterInAnEmptyBoxDoesNothing) {
    Crea({{7.1, "Radio Exterior"}});
    Teclea("7.1");
    m->FrecActual = 3.5;
    Teclea("");
    EXPECT_TRUE(msg.vistos.empty());
    EXPECT_DOUBLE_EQ(m->FrecActual, 3.5);
    EXPECT_EQ(w->txtFicFrecu->text(), "7,100.000");
    EXPECT_FALSE(w->txtFrecu->text().contains('\n'));
}

TEST_F(MainWindowTest, ANewFrequencyOpensTheEditorWithItsDisplayText) {
    Crea({{7.0, "Siete"}});
    QString frecu, descri;
    bool vacias = false;
    // 7.0000004 is looked up unrounded, so 7 is not found.
    const bool abierto = EnModal<frmCreaModi>([&] { Teclea("7.0000004"); }, [&](frmCreaModi& e) {
        frecu = e.txtCMFrecu->text();
        vacias = e.txtCMDescri->text().isEmpty() && e.txtCMServi->text().isEmpty() &&
                 e.txtCMModo->text().isEmpty() && e.txtCMFecha->text().isEmpty() &&
                 e.txtCMObserva->text().isEmpty();
        descri = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        EXPECT_TRUE(w->txtFrecu->text().isEmpty());
        QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton);
    });
    ASSERT_TRUE(abierto);
    EXPECT_TRUE(msg.vistos.empty());
    EXPECT_EQ(frecu, "7,000.000");
    EXPECT_TRUE(vacias);
    EXPECT_EQ(descri, "txtCMDescri");
    EXPECT_DOUBLE_EQ(m->FrecActual, 7.0000004);
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
}

TEST_F(MainWindowTest, SalirTheMenuTheCloseBoxAndCtrlXEndTheProgram) {
    const std::function<void()> salidas[] = {
        [&] { QTest::mouseClick(w->cmdSalir, Qt::LeftButton); },
        [&] { w->mnuSalir->trigger(); },
        [&] { w->close(); },
        // In a card box Ctrl+X ends the program instead of cutting.
        [&] {
            w->txtFicDescri->setFocus();
            w->txtFicDescri->selectAll();
            QTest::keyClick(w->txtFicDescri, Qt::Key_X, Qt::ControlModifier);
            EXPECT_EQ(w->txtFicDescri->text().trimmed(), "Radio Exterior");
        },
    };
    for (const auto& sal : salidas) {
        Suelta();
        fines = 0;
        Crea({{7.1, "Radio Exterior"}});
        Teclea("7.1");
        sal();
        EXPECT_EQ(fines, 1);
    }
}

TEST_F(MainWindowTest, MenuKeysExportAndImportWithTheStoresMessages) {
    Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Madrid"}});
    Teclea("7.1");
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_EQ(menu, w->mnuArchivo);
    QTest::keyClick(menu, Qt::Key_G);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos salvados en vyr.csv");
    EXPECT_EQ(Bytes("vyr.csv"), "7100000;Radio Exterior;Radiodifusi\xf3n;AM;010107;Madrid\r\n");

    // The import changes the record; the card keeps what it showed.
    Pon("vyr.csv", "7100000;Otra cosa;BC;USB;020202;Nada\r\n");
    const QString antes = w->txtFicDescri->text();
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_R);
    ASSERT_EQ(msg.vistos.size(), 2u);
    EXPECT_EQ(msg.vistos[1].texto, "Datos recuperados de vyr.csv");
    EXPECT_EQ(w->txtFicDescri->text(), antes);
    EXPECT_EQ(Bytes("datos.vyr"), Registro("Otra cosa", "BC", "USB", "020202", "Nada"));
}

TEST_F(MainWindowTest, AboutBoxShowsTitleAndVersionAndIsMadeAfreshEachTime) {
    Crea({});
    for (int vez = 0; vez < 2; ++vez) {
        QStringList vistos;
        bool foco = false;
        const bool abierto = EnModal<frmAcercaDe>([&] { w->mnuAcercaDe->trigger(); }, [&](frmAcercaDe& a) {
            vistos << a.windowTitle() << a.Label1->text() << a.Label2->text() << a.Label3->text()
                   << a.Command1->text();
            foco = QApplication::focusWidget() == a.Command1;
            QTest::keyClick(a.Command1, vez == 0 ? Qt::Key_Return : Qt::Key_Space);
            EXPECT_FALSE(a.isVisible()) << vez;
        });
        ASSERT_TRUE(abierto);
        EXPECT_EQ(vistos, QStringList({"VYR - Acerca de...", "VYR", "W", "v 0,99", "Cerrar"}));
        EXPECT_TRUE(foco);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (QWidget* v : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmAcercaDe*>(v), nullptr);
}

TEST_F(MainWindowTest, TheCardsBlueFollowsTheDesktopTheme) {
    Crea({});
    const QPalette antes = QApplication::palette();
    const auto texto = [&](QWidget* caja) { return caja->palette().color(QPalette::Text); };
    EXPECT_EQ(texto(w->txtFicDescri), QColor(0, 0, 255));
    QPalette oscura = antes;
    oscura.setColor(QPalette::Base, QColor(30, 30, 30));
    oscura.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(oscura);
    QCoreApplication::processEvents();  // the change reaches the widgets as posted events
    for (QWidget* caja : {static_cast<QWidget*>(w->txtFicFrecu), static_cast<QWidget*>(w->txtFicObserva)}) {
        EXPECT_EQ(caja->palette().color(QPalette::Base), QColor(30, 30, 30));
        EXPECT_GE(ui::Contraste(texto(caja), QColor(30, 30, 30)), 4.5);
        EXPECT_EQ(texto(caja).hslHue(), 240);
    }
    QApplication::setPalette(antes);
    QCoreApplication::processEvents();
    EXPECT_EQ(texto(w->txtFicObserva), QColor(0, 0, 255));
}

TEST_F(MainWindowTest, AOneLineMessageStaysOnOneLine) {
    const QString texto =
        QString::fromUtf8(" La frecuencia-2 debe ser numérica y estar entre 0,001 y 900.000.000 KHz");
    ui::QtMessageService real;
    int alto = 0, lineas = 0;
    ASSERT_TRUE(EnModal<QMessageBox>(
        [&] { real.Muestra(texto.toStdString(), "VYR", ui::Botones::Ok, ui::Icono::Ninguno); },
        [&](QMessageBox& box) {
            auto* etiqueta = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(etiqueta, nullptr);
            alto = etiqueta->height();
            lineas = etiqueta->fontMetrics().lineSpacing();
            box.accept();
        }));
    EXPECT_LT(alto, 2 * lineas);
}

// The card's buttons: "Fecha hoy" on the card's own frequency, "Modificar"
// with an empty card, and "Consultar" with the query window kept by "Salir".
TEST_F(MainWindowTest, FechaHoyStampsTheCardsOwnRecordEvenAfterAnImport) {
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

TEST_F(MainWindowTest, FechaHoyWritesNothingWhenTheShownTextIsNoStoredFrequency) {
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

TEST_F(MainWindowTest, AnEmptyCardMakesBothCardButtonsDoNothingButMoveTheFocus) {
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

TEST_F(MainWindowTest, ConsultarSalirKeepsTheCriteriaAndTheCloseBoxStillEnds) {
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
