// The record editor: normalisation when a box is left, the service code
// lookup, and its three commands with the copy-back, checked on disk.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

using EditorTest = VentanasTest;

// Typed key by key; a character without a key of its own arrives as the
// text of a key event, as a compose key or an input method delivers it.
void Escribe(QWidget* caja, const QString& texto) {
    caja->setFocus();
    if (auto* l = qobject_cast<QLineEdit*>(caja)) l->clear();
    if (auto* o = qobject_cast<ui::CajaMultilinea*>(caja)) o->clear();
    for (char32_t c : texto.toUcs4()) {
        const QString t = QString::fromUcs4(&c, 1);
        if (c < 0x80) {
            QTest::keyClicks(caja, t);
            continue;
        }
        QKeyEvent pulsa(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, t);
        QApplication::sendEvent(caja, &pulsa);
    }
}

TEST_F(EditorTest, EachBoxIsNormalisedWhenLeft) {
    Crea({});
    struct Caso {
        QLineEdit* frmCreaModi::*caja;
        QString tecleado, queda;
    };
    const QString a45 = QString(45, 'a');
    const Caso casos[] = {
        {&frmCreaModi::txtCMDescri, "", "-"},
        {&frmCreaModi::txtCMDescri, a45, a45.left(40)},
        {&frmCreaModi::txtCMDescri, a45.left(40), a45.left(40)},
        {&frmCreaModi::txtCMDescri, "  dos  ", "  dos  "},  // never trimmed
        {&frmCreaModi::txtCMModo, "usb", "USB"},
        {&frmCreaModi::txtCMModo, "am-sync", "AM-SYN"},  // cut to six, then upper case
        {&frmCreaModi::txtCMModo, QString::fromUtf8("añ"), QString::fromUtf8("AÑ")},
        // No upper case of its own in Windows-1252: stays as typed, same length.
        {&frmCreaModi::txtCMModo, QString::fromUtf8("µs"), QString::fromUtf8("µS")},
        {&frmCreaModi::txtCMModo, QString::fromUtf8("ßx"), QString::fromUtf8("ßX")},
        {&frmCreaModi::txtCMModo, "", "-"},
        {&frmCreaModi::txtCMServi, "BC", QString::fromUtf8("Radiodifusión")},
        {&frmCreaModi::txtCMServi, "AB", "Costeras"},  // "AB CD", then "CD Costeras"
        {&frmCreaModi::txtCMServi, "", "-"},
        {&frmCreaModi::txtCMServi, QString(20, 'z'), QString(18, 'z')},
        {&frmCreaModi::txtCMFecha, "1/2/2007", "1/2/20"},
        {&frmCreaModi::txtCMFecha, "7", "7"},
        {&frmCreaModi::txtCMFecha, "", "-"},
    };
    QStringList mal;
    QString observa, observaLarga, frecu;
    const bool abierto = EnModal<frmCreaModi>([&] { Teclea("9.9"); }, [&](frmCreaModi& e) {
        for (const Caso& c : casos) {
            QLineEdit* caja = e.*(c.caja);
            Escribe(caja, c.tecleado);
            const QString queda = Sale(caja);
            if (queda != c.queda)
                mal << caja->objectName() + ": '" + c.tecleado + "' -> '" + queda + "'";
        }
        Escribe(e.txtCMObserva, "");
        QTest::keyClick(e.txtCMObserva, Qt::Key_Tab);
        observa = e.txtCMObserva->text();
        Escribe(e.txtCMObserva, QString(228, 'o'));
        QTest::keyClick(e.txtCMObserva, Qt::Key_Return);  // a line break counts as CR LF
        QTest::keyClicks(e.txtCMObserva, "xyz");
        QTest::keyClick(e.txtCMObserva, Qt::Key_Tab);
        observaLarga = e.txtCMObserva->text();
        // The frequency box takes the focus but no typing.
        e.txtCMFrecu->setFocus();
        QTest::keyClicks(e.txtCMFrecu, "123");
        QTest::keyClick(e.txtCMFrecu, Qt::Key_Tab);
        frecu = e.txtCMFrecu->text();
        QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton);
    });
    ASSERT_TRUE(abierto);
    EXPECT_TRUE(mal.isEmpty()) << mal.join("\n").toStdString();
    EXPECT_EQ(observa, " ");
    EXPECT_EQ(observaLarga, QString(228, 'o') + "\r\n");
    EXPECT_EQ(frecu, "9,900.000");
}

TEST(ServiceLookupTest, EverySlotIsComparedWithWhatTheMatchesBeforeLeft) {
    std::array<std::string, kMaxServicios + 1> s;
    struct Caso {
        std::vector<std::pair<int, std::string>> ranuras;
        const char* tecleado;
        const char* queda;
    };
    const Caso casos[] = {
        {{{3, "AB CD"}, {7, "CD Costeras"}}, "AB", "Costeras"},
        {{{3, "CD Costeras"}, {7, "AB CD"}}, "AB", "CD"},
        {{{0, "BC Radiodifusi\xf3n"}}, "BC", "Radiodifusión"},
        {{{0, "BC"}}, "BC", "BC"},           // no name part: the text stays
        {{{0, "B"}}, "B", "B"},
        {{{99, "ZZ Ultimo"}}, "ZZ", "Ultimo"},
        {{{100, "ZZ Fuera"}}, "ZZ", "ZZ"},   // start-up never fills slot 100
        {{{0, "BCRadio"}}, "BC", "adio"},    // the third character separates, whatever it is
    };
    for (const Caso& c : casos) {
        s.fill({});
        for (const auto& [i, t] : c.ranuras) s[static_cast<std::size_t>(i)] = t;
        EXPECT_EQ(editor::BuscaServicios(s, QString::fromUtf8(c.tecleado)), QString::fromUtf8(c.queda))
            << c.tecleado;
    }
}

TEST_F(EditorTest, GuardarWhileTheDescriptionIsEmptyStoresADash) {
    Crea({});
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { Teclea("7.1"); },
                         [&](frmCreaModi& e) { QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton); }));
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1));
    // The boxes never visited are stored empty, not as their placeholders.
    EXPECT_EQ(Bytes("datos.vyr"), Registro("-", "", "", "", ""));
    EXPECT_EQ(Ficha(*w), "7,100.000|-||||");
    EXPECT_EQ(w->focusWidget(), w->txtFrecu);
}

TEST_F(EditorTest, SaveAddsOnceThenModifiesTheSameRecord) {
    Crea({{7.0, "Siete"}});
    const auto guarda = [&](const QString& tecleado, const QString& descri) {
        return EnModal<frmCreaModi>([&] { Teclea(tecleado); }, [&](frmCreaModi& e) {
            Escribe(e.txtCMDescri, descri);
            QTest::keyClick(e.txtCMDescri, Qt::Key_Tab);
            QTest::keyClicks(e.txtCMServi, "BC");
            QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton);
        });
    };
    ASSERT_TRUE(guarda("14.2305", "Nueva"));
    const std::string indice = Entrada(7.0, 1) + Entrada(14.2305, 2);
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr").substr(300), Registro("Nueva", "Radiodifusi\xf3n"));
    EXPECT_EQ(Ficha(*w), QString::fromUtf8("14,230.500|Nueva|Radiodifusión|||"));

    // Not found as typed (7.0000004), but the displayed 7,000.000 is stored: modify 7.
    ASSERT_TRUE(guarda("7.0000004", "Otra"));
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr").substr(0, 300), Registro("Otra", "Radiodifusi\xf3n"));

    // From the card: "Modificar" hands the record over trimmed; the index is not written.
    Teclea("14.2305");
    w->txtFicDescri->setText("Cambiada a mano");
    QString recibido;
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); }, [&](frmCreaModi& e) {
        recibido = QStringList({e.txtCMFrecu->text(), e.txtCMDescri->text(), e.txtCMServi->text(),
                                e.txtCMModo->text(), e.txtCMFecha->text(), e.txtCMObserva->text()})
                       .join('|');
        EXPECT_EQ(Ficha(*w), "|||||");
        QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton);
    }));
    EXPECT_EQ(recibido, QString::fromUtf8("14,230.500|Cambiada a mano|Radiodifusión|||"));
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr").substr(300), Registro("Cambiada a mano", "Radiodifusi\xf3n"));
}

TEST_F(EditorTest, BorrarAsksThenDeletesOnlyOnYes) {
    for (const ui::Respuesta r : {ui::Respuesta::No, ui::Respuesta::Si}) {
        SCOPED_TRACE(r == ui::Respuesta::Si ? "Si" : "No");
        Crea({{7.0, "Siete"}, {7.1, "Radio Exterior", "", "AM"}});
        // The current frequency is another one: the editor's own is deleted.
        Teclea("7.1");
        m->FrecActual = 7.0;
        msg.respuestas = {r};
        ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); }, [&](frmCreaModi& e) {
            Escribe(e.txtCMDescri, "Sin guardar");
            QTest::mouseClick(e.cmdCMBorrar, Qt::LeftButton);
        }));
        ASSERT_EQ(msg.vistos.size(), 1u);
        EXPECT_EQ(msg.vistos[0].texto, "Confirmación de borrado");
        EXPECT_EQ(msg.vistos[0].titulo, "Borrar frecuencia");
        EXPECT_EQ(msg.vistos[0].botones, ui::Botones::SiNo);
        EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Ninguno);
        const std::string siete = Entrada(7.0, 1) + Registro("Siete");
        if (r == ui::Respuesta::No) {
            EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.0, 1) + Entrada(7.1, 2));
            EXPECT_EQ(Bytes("datos.vyr").substr(300), Registro("Radio Exterior", "", "AM"));
            EXPECT_EQ(Ficha(*w), "7,100.000|Sin guardar||AM||");
        } else {
            EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.0, 1) + Entrada(0.0, 2));
            EXPECT_EQ(Bytes("datos.vyr"), Registro("Siete") + Registro(""));
            EXPECT_EQ(Ficha(*w), "|||||");
        }
        w.reset();
        m.reset();
        msg.vistos.clear();
    }
}

TEST_F(EditorTest, SalirWritesNothingAndTheCloseBoxCopiesNothing) {
    Crea({{7.1, "Radio Exterior"}});
    const std::string indice = Bytes("frecuencias.vyr"), datos = Bytes("datos.vyr");
    Teclea("7.1");
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); }, [&](frmCreaModi& e) {
        Escribe(e.txtCMDescri, "Cambiada");
        // Enter in a box presses no button; on a focused button it presses it.
        QTest::keyClick(e.txtCMDescri, Qt::Key_Return);
        EXPECT_TRUE(e.isVisible());
        // On the offscreen 800x600 screen the design position would cut it.
        EXPECT_TRUE(e.screen()->availableGeometry().contains(e.frameGeometry())) << e.frameGeometry().y();
        e.cmdCMSalir->setFocus();
        QTest::keyClick(e.cmdCMSalir, Qt::Key_Return);
    }));
    EXPECT_EQ(Ficha(*w), "7,100.000|Cambiada||||");
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); }, [&](frmCreaModi& e) {
        Escribe(e.txtCMDescri, "Otra vez");
        e.close();
    }));
    EXPECT_EQ(Ficha(*w), "|||||");
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr"), datos);

    // A new frequency left by "Salir" comes back to the card; "Fecha hoy" then writes nothing.
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { Teclea("8"); },
                         [&](frmCreaModi& e) { QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton); }));
    EXPECT_EQ(Ficha(*w), "8,000.000|-||||");
    QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton);
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
    EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
    EXPECT_EQ(Bytes("datos.vyr"), datos);
}

TEST_F(EditorTest, FechaHoyAndTextsOutsideTheCodePage) {
    Crea({});
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { Teclea("7.1"); }, [&](frmCreaModi& e) {
        Escribe(e.txtCMDescri, QString::fromUtf8("Ωmega € ñ 😀"));
        Escribe(e.txtCMFecha, "010101");
        QTest::mouseClick(e.cmdCMActFecha, Qt::LeftButton);
        EXPECT_EQ(e.txtCMFecha->text(), "051226");
        QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton);
    }));
    // Each character the code page lacks is one "?", even outside the BMP.
    EXPECT_EQ(Bytes("datos.vyr"), Registro("?mega \x80 \xf1 ?", "", "", "051226", ""));
}

}  // namespace
}  // namespace vyr::test
