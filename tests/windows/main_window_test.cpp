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

using MainWindowTest = VentanasTest;

TEST_F(MainWindowTest, TabFollowsTheDesignOrderInEachWindow) {
    Crea({});
    // From where the window opens, round to it again.
    const auto recorre = [](const std::vector<const QWidget*>& orden) {
        ASSERT_EQ(QApplication::focusWidget(), orden[0]);
        for (std::size_t i = 1; i < orden.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), orden[i]) << "step " << i;
        }
    };
    recorre({w->txtFrecu, w->cmdSalir, w->cmdConsultar, w->cmdFicActFecha, w->cmdFicModi, w->txtFicFrecu,
             w->txtFicDescri, w->txtFicServi, w->txtFicModo, w->txtFicObserva, w->txtFicFecha, w->txtFrecu});
    frmConsultar& v = Consulta();
    v.optVerTodo->setChecked(true);  // an option button takes the focus only when selected
    recorre({v.txtBusDes, v.txtBusSer, v.txtBusMod, v.txtBusObs, v.chkEscuchadas, v.chkGuardar, v.chkImprimir,
             v.cmdHacer, v.optVerTodo, v.txtFrecu1, v.txtFrecu2, v.cmdSalir, v.txtBusDes});
}

// One row per outcome of Enter; what each text comes to is decided, and
// tested, without the window.
TEST_F(MainWindowTest, EnterShowsTheOutcomeOnTheCardOrInTheEditor) {
    Crea({{7.0, "Siete"}, {7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Emisora\r\nde Madrid"}});
    // The fields as stored, trailing spaces included.
    const QString guardada = QStringList({"7,100.000", QString("Radio Exterior").leftJustified(40),
                                          QString::fromUtf8("Radiodifusión").leftJustified(18), "AM    ", "010107",
                                          QString("Emisora\r\nde Madrid").leftJustified(230)})
                                 .join('|');
    const struct {
        const char* tecleado;
        QString ficha;
        std::size_t mensajes;
        const char* editor;  // its frequency box and the focus as it opened
    } casos[] = {
        {"", guardada, 0, ""},  // the card keeps its record
        {"abc", "|||||", 1, ""},
        {"7.0000004", "|||||", 0, "7,000.000 en txtCMDescri"},  // the close box copies nothing back
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        Teclea("7.1");
        msg.vistos.clear();
        QString editor;
        EnModal<frmCreaModi>([&] { Teclea(QString::fromUtf8(c.tecleado)); }, [&](frmCreaModi& e) {
            editor = e.txtCMFrecu->text() + (QApplication::focusWidget() == e.txtCMDescri ? " en txtCMDescri" : "");
            EXPECT_TRUE(w->txtFrecu->text().isEmpty());
            e.close();
        });
        EXPECT_EQ(editor, c.editor);
        EXPECT_TRUE(w->txtFrecu->text().isEmpty());  // Enter inserted nothing either
        EXPECT_EQ(Ficha(*w), c.ficha);
        EXPECT_EQ(msg.vistos.size(), c.mensajes);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
    }
    Teclea("7.1");
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

TEST_F(MainWindowTest, AboutBoxClosesByItsButtonAndIsMadeAfreshEachTime) {
    Crea({});
    for (int vez = 0; vez < 2; ++vez) {
        bool foco = false;
        const bool abierto = EnModal<frmAcercaDe>([&] { w->mnuAcercaDe->trigger(); }, [&](frmAcercaDe& a) {
            foco = QApplication::focusWidget() == a.Command1;
            QTest::keyClick(a.Command1, vez == 0 ? Qt::Key_Return : Qt::Key_Space);
            EXPECT_FALSE(a.isVisible()) << vez;
        });
        ASSERT_TRUE(abierto);
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
        EXPECT_GE(ui::Contraste(texto(caja), QColor(30, 30, 30)), 4.5);  // repainted, not the design's blue
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

// The menu's keys export and import. The import leaves its last frequency in
// FrecActual and the card as it was; "Fecha hoy" then stamps the card's own
// record, as stored, with nothing else from the card.
TEST_F(MainWindowTest, MenuKeysExportAndImportThenFechaHoyStampsTheCardsOwnRecord) {
    Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Madrid"}, {9.5, "Otra", "", "", "020202"}});
    Teclea("7.1");
    const auto elige = [&](Qt::Key tecla) {
        QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(menu, w->mnuArchivo);
        QTest::keyClick(menu, tecla);
    };
    elige(Qt::Key_G);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos salvados en vyr.csv");

    Pon("vyr.csv", "7100000;Otra cosa;BC;USB;020202;Nada\r\n9500000;Otra;;;020202;\r\n");
    const QString antes = Ficha(*w);
    elige(Qt::Key_R);
    ASSERT_EQ(msg.vistos.size(), 2u);
    EXPECT_EQ(msg.vistos[1].texto, "Datos recuperados de vyr.csv");
    EXPECT_EQ(Ficha(*w), antes);
    ASSERT_DOUBLE_EQ(m->FrecActual, 9.5);

    QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton);
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
    EXPECT_EQ(Bytes("datos.vyr").substr(0, 300), Registro("Otra cosa", "BC", "USB", "051226", "Nada"));
    EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
}

// "Modificar" and "Fecha hoy" with an empty card.
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

// "Consultar" with the query window kept by "Salir".
TEST_F(MainWindowTest, ConsultarSalirKeepsTheCriteriaAndTheCloseBoxStillEnds) {
    Crea({{7.1, "Radio Exterior"}});
    Teclea("7.1");
    const auto abre = [&] { QTest::mouseClick(w->cmdConsultar, Qt::LeftButton); };
    ASSERT_TRUE(EnModal<frmConsultar>(abre, [](frmConsultar& c) {
        QTest::keyClicks(c.txtBusDes, "radio");
        QTest::mouseClick(c.chkGuardar, Qt::LeftButton);
        QTest::mouseClick(c.chkEscuchadas, Qt::LeftButton);
        c.optVerEntre->setChecked(true);
        QTest::mouseClick(c.cmdSalir, Qt::LeftButton);
    }));
    QString criterios;
    ASSERT_TRUE(EnModal<frmConsultar>(abre, [&](frmConsultar& c) {
        criterios = c.txtBusDes->text() + (c.chkGuardar->isChecked() ? " y guardar" : "") +
                    (c.chkEscuchadas->isChecked() ? " y escuchadas" : "") + (c.optVerEntre->isChecked() ? " entre" : "");
        QTest::mouseClick(c.cmdSalir, Qt::LeftButton);
    }));
    EXPECT_EQ(criterios, "radio y guardar y escuchadas entre");
    EXPECT_EQ(w->txtFicDescri->text().trimmed(), "Radio Exterior");
    EXPECT_FALSE(QFile::exists(tmp.filePath("vyr.csv")));
    w->close();
    EXPECT_EQ(fines, 1);
}

}  // namespace
}  // namespace vyr::test
