// The main window: its design, focus order, the lookup on Enter, the menus
// and the ways out of the program.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "about/frm_acerca_de.h"
#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"
#include "ui/twips.h"
#include "windows_fixture.h"

namespace vyr::test {
namespace {

const char* kRango = " La frecuencia debe ser numérica y estar entre 0,001 y 900.000.000 KHz";

using MainWindowTest = VentanasTest;

TEST_F(MainWindowTest, ControlsStandWhereTheDesignPutsThem) {
    Crea({});
    struct Caso {
        const char* nombre;
        const char* texto;
        int x, y, ancho, alto;
    };
    const Caso casos[] = {
        {"Label1", "VYR", 240, 120, 1215, 615},        {"Label2", "W", 1320, 360, 1575, 375},
        {"Label3", "Frecuencia:", 3120, 480, 1695, 375}, {"txtFrecu", "", 4800, 450, 3135, 405},
        {"Label10", " MHz", 7920, 600, 375, 255},       {"cmdConsultar", "Consultar", 2400, 1560, 975, 375},
        {"cmdSalir", "Salir", 5280, 1560, 975, 375},     {"Label4", "Frec.:", 240, 2640, 1215, 255},
        {"Label5", "Descripción:", 2760, 2640, 1215, 255}, {"Label6", "Servicio:", 240, 3240, 855, 255},
        {"Label7", "Modo:", 3360, 3240, 615, 255},       {"Label8", "Fecha:", 5040, 3240, 735, 255},
        {"cmdFicActFecha", "Fecha hoy", 6720, 3240, 1455, 255},
        {"Label9", "Observaciones:", 240, 3840, 1695, 255},
        {"txtFicObserva", "", 360, 4200, 7815, 735},    {"cmdFicModi", "Modificar", 3840, 5160, 975, 375},
    };
    for (const Caso& c : casos) {
        auto* x = w->findChild<QWidget*>(QString::fromLatin1(c.nombre));
        ASSERT_NE(x, nullptr) << c.nombre;
        const QRect r = ui::RectTwips(c.x, c.y, c.ancho, c.alto);
        EXPECT_EQ(x->pos(), r.topLeft()) << c.nombre;
        EXPECT_EQ(x->height(), r.height()) << c.nombre;
        // A label may grow to hold its caption in a wider substitute typeface.
        if (qobject_cast<QLabel*>(x))
            EXPECT_GE(x->width(), r.width()) << c.nombre;
        else
            EXPECT_EQ(x->width(), r.width()) << c.nombre;
        QString texto;
        if (auto* l = qobject_cast<QLabel*>(x)) texto = l->text();
        if (auto* b = qobject_cast<QPushButton*>(x)) texto = b->text();
        EXPECT_EQ(texto, QString::fromUtf8(c.texto)) << c.nombre;
    }
    EXPECT_EQ(w->windowTitle(), "VYR");
    EXPECT_EQ(w->centralWidget()->size(), QSize(ui::Px(8550), ui::Px(5640)));
    EXPECT_TRUE(w->txtFrecu->font().bold());
    EXPECT_DOUBLE_EQ(w->txtFrecu->font().pointSizeF(), 15.75);
    EXPECT_EQ(w->txtFrecu->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(w->txtFicDescri->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(w->txtFrecu->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(w->txtFicModo->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(QApplication::focusWidget(), w->txtFrecu);
    const QStringList menus = {w->mnuArchivo->title(), w->mnuGuardar->text(), w->mnuRecuperar->text(),
                               w->mnuSalir->text(), w->mnuAcercaDe->text()};
    EXPECT_EQ(menus, QStringList({"&Archivo", "&Guardar datos", "&Recuperar datos", "&Salir", "Acerca de"}));
    EXPECT_EQ(w->mnuSalir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
}

TEST_F(MainWindowTest, TabFollowsTheTabIndexAndComesBackToTheEntryBox) {
    Crea({});
    const QWidget* orden[] = {w->txtFrecu,     w->cmdSalir,     w->cmdConsultar,  w->cmdFicActFecha,
                              w->cmdFicModi,   w->txtFicFrecu,  w->txtFicDescri,  w->txtFicServi,
                              w->txtFicModo,   w->txtFicObserva, w->txtFicFecha,  w->txtFrecu};
    for (std::size_t i = 1; i < std::size(orden); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), orden[i]) << "step " << i;
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
        {"7,100.000", false, 7.0, "7,000.000"},  // a display text typed back reads as 7
        {"7.100.000", false, 7.1, "7,100.000"},  // the second "." stops the reading
        {" 7 . 1 MHz", false, 7.1, "7,100.000"},
        {"0.001", false, 0.001, "0,001.000"},
        {"900000000", false, 900000000, "900.000.000,000.000"},
        {"abc", true, 0, ""},
        {"0", true, 0, ""},
        {"-7.1", true, 0, ""},
        {"0.0009", true, 0, ""},
        {"900000000.5", true, 0, ""},
        {"   ", true, 0, ""},  // spaces are no empty box
        {"1e400", true, 0, ""},
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
    const bool abierto = EnEditor([&] { Teclea("7.0000004"); }, [&](frmCreaModi& e) {
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

TEST_F(MainWindowTest, CtrlXEndsTheProgramInsteadOfCutting) {
    Crea({{7.1, "Radio Exterior"}});
    Teclea("7.1");
    w->txtFicDescri->setFocus();
    w->txtFicDescri->selectAll();
    QTest::keyClick(w->txtFicDescri, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(fines, 1);
    EXPECT_EQ(w->txtFicDescri->text().trimmed(), "Radio Exterior");
}

TEST_F(MainWindowTest, SalirTheMenuAndTheCloseBoxEndTheProgram) {
    const std::function<void()> salidas[] = {
        [&] { QTest::mouseClick(w->cmdSalir, Qt::LeftButton); },
        [&] { w->mnuSalir->trigger(); },
        [&] { w->close(); },
    };
    for (const auto& sal : salidas) {
        Crea({});
        sal();
        EXPECT_EQ(fines, 1);
        w.reset();
        m.reset();
        fines = 0;
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
    EXPECT_EQ(Bytes("datos.vyr"), Registro({7.1, "Otra cosa", "BC", "USB", "020202", "Nada"}));
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
            QTest::mouseClick(a.Command1, Qt::LeftButton);
        });
        ASSERT_TRUE(abierto);
        EXPECT_EQ(vistos, QStringList({"VYR - Acerca de...", "VYR", "W", "v 0,99", "Cerrar"}));
        EXPECT_TRUE(foco);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (QWidget* v : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmAcercaDe*>(v), nullptr);
}

}  // namespace
}  // namespace vyr::test
