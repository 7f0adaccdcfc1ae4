// The record editor: normalisation when a box is left, the service code
// lookup, and its three commands with the copy-back, checked on disk.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <QTest>

#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

using EditorTest = VentanasTest;

// The text arrives in an emptied box as one key event carrying it all,
// which the box takes in as it would key by key.
void Escribe(QWidget* caja, const QString& texto) {
    caja->setFocus();
    if (auto* l = qobject_cast<QLineEdit*>(caja)) l->clear();
    if (auto* o = qobject_cast<ui::CajaMultilinea*>(caja)) o->clear();
    QKeyEvent pulsa(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texto);
    QApplication::sendEvent(caja, &pulsa);
}

TEST(NormalisationTest, WhatEachFieldKeepsWhenLeft) {
    std::array<std::string, kMaxServicios + 1> s;
    s[0] = "BC Radiodifusi\xf3n";
    using editor::Campo;
    const QString a45 = QString(45, 'a');
    const struct {
        Campo campo;
        QString tecleado, queda;
    } casos[] = {
        {Campo::Descripcion, a45, a45.left(40)},
        {Campo::Descripcion, "  dos  ", "  dos  "},  // never trimmed
        {Campo::Modo, "am-sync", "AM-SYN"},  // cut to six, then upper case
        {Campo::Modo, "", "-"},
        {Campo::Servicio, "BC", QString::fromUtf8("Radiodifusión")},
        {Campo::Servicio, "", "-"},
        {Campo::Servicio, QString(20, 'z'), QString(18, 'z')},
        {Campo::Fecha, "", "-"},
        {Campo::Observaciones, "", " "},
    };
    for (const auto& c : casos)
        EXPECT_EQ(editor::Normalizado(c.campo, c.tecleado, s), c.queda) << int(c.campo) << " " << c.tecleado.toStdString();
}

TEST_F(EditorTest, EachBoxIsNormalisedWhenLeft) {
    Crea({});
    const std::pair<QLineEdit* frmCreaModi::*, QString> casos[] = {
        {&frmCreaModi::txtCMDescri, ""},
        {&frmCreaModi::txtCMModo, QString::fromUtf8("añ")},
        {&frmCreaModi::txtCMServi, "AB"},
        {&frmCreaModi::txtCMFecha, "1/2/2007"},
    };
    QStringList quedan;
    QString observa, frecu;
    ASSERT_TRUE(EnModal<frmCreaModi>([&] { Teclea("9.9"); }, [&](frmCreaModi& e) {
        for (const auto& [caja, tecleado] : casos) {
            Escribe(e.*caja, tecleado);
            QTest::keyClick(e.*caja, Qt::Key_Tab);
            quedan << (e.*caja)->text();
        }
        Escribe(e.txtCMObserva, QString(228, 'o'));
        QTest::keyClick(e.txtCMObserva, Qt::Key_Return);  // a line break counts as CR LF, two characters
        QTest::keyClicks(e.txtCMObserva, "xyz");
        QTest::keyClick(e.txtCMObserva, Qt::Key_Tab);
        observa = e.txtCMObserva->text();
        // The frequency box takes the focus but no typing.
        e.txtCMFrecu->setFocus();
        QTest::keyClicks(e.txtCMFrecu, "123");
        QTest::keyClick(e.txtCMFrecu, Qt::Key_Tab);
        frecu = e.txtCMFrecu->text();
        QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton);
    }));
    EXPECT_EQ(quedan, QStringList({"-", QString::fromUtf8("AÑ"), "Costeras", "1/2/20"}));
    EXPECT_EQ(observa, QString(228, 'o') + "\r\n");
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
        {{{0, "BC"}}, "BC", "BC"},           // no name part: the text stays
        {{{0, "BC "}}, "BC", ""},            // a name part, empty
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

// One opening of the editor: how it is reached, what is done in it, and
// what the files, the card and the messages hold afterwards.
struct Orden {
    const char* nombre;
    std::vector<Fila> filas;
    const char* tecleado;  // typed in the entry box first
    bool modifica;         // then "Modificar" opens the editor on the card
    std::function<void(frmCreaModi&)> hace;
    std::string indice, datos;  // expected bytes; empty: as they were
    QString ficha;
    std::vector<ui::Respuesta> respuestas = {};
};

// Types the description (and the service code BC) when given, then clicks b.
std::function<void(frmCreaModi&)> Pulsa(QPushButton* frmCreaModi::*b, const char* d = nullptr, bool bc = false) {
    return [=](frmCreaModi& e) {
        if (d) Escribe(e.txtCMDescri, QString::fromUtf8(d));
        if (bc) {
            QTest::keyClick(e.txtCMDescri, Qt::Key_Tab);
            QTest::keyClicks(e.txtCMServi, "BC");
        }
        QTest::mouseClick(e.*b, Qt::LeftButton);
    };
}

TEST_F(EditorTest, EachCommandWritesTheFilesAndCopiesTheCardBack) {
    const std::vector<Fila> siete = {{7.0, "Siete"}}, dos = {{7.0, "Siete"}, {7.1, "Radio Exterior", "", "AM"}};
    const auto graba = &frmCreaModi::cmdCMGraba, borra = &frmCreaModi::cmdCMBorrar;
    const Orden ordenes[] = {
        // The boxes never visited are stored empty, not as their placeholders.
        {"Guardar adds a new frequency, an empty description as a dash", siete, "14.2305", false, Pulsa(graba),
         Entrada(7.0, 1) + Entrada(14.2305, 2), Registro("Siete") + Registro("-"), "14,230.500|-||||"},
        // Not found as typed (7.0000004), but the displayed 7,000.000 is stored: modify 7.
        {"Guardar modifies what the display text names", siete, "7.0000004", false, Pulsa(graba, "Otra", true), "",
         Registro("Otra", "Radiodifusi\xf3n"), QString::fromUtf8("7,000.000|Otra|Radiodifusión|||")},
        {"Borrar answered No", dos, "7.1", true, Pulsa(borra, "Sin guardar"), "", "", "7,100.000|Sin guardar||AM||",
         {ui::Respuesta::No}},
        // The current frequency is another one: the editor's own is deleted.
        {"Borrar answered Si", dos, "7.1", true, Pulsa(borra, "Sin guardar"), Entrada(7.0, 1) + Entrada(0.0, 2),
         Registro("Siete") + Registro(""), "|||||", {ui::Respuesta::Si}},
        {"Salir by Enter on its button writes nothing", dos, "7.1", true,
         [](frmCreaModi& e) {
             Escribe(e.txtCMDescri, "Cambiada");
             // Enter in a box presses no button; on a focused button it presses it.
             QTest::keyClick(e.txtCMDescri, Qt::Key_Return);
             EXPECT_TRUE(e.isVisible());
             // On the offscreen 800x600 screen the design position would cut it.
             EXPECT_TRUE(e.screen()->availableGeometry().contains(e.frameGeometry())) << e.frameGeometry().y();
             e.cmdCMSalir->setFocus();
             QTest::keyClick(e.cmdCMSalir, Qt::Key_Return);
         },
         "", "", "7,100.000|Cambiada||AM||"},
        // Each character the code page lacks is one "?", even outside the BMP.
        {"Fecha hoy, and texts outside the code page", {}, "7.1", false,
         [](frmCreaModi& e) {
             Escribe(e.txtCMDescri, QString::fromUtf8("Ωmega € ñ 😀"));
             Escribe(e.txtCMFecha, "010101");
             QTest::mouseClick(e.cmdCMActFecha, Qt::LeftButton);
             EXPECT_EQ(e.txtCMFecha->text(), "051226");
             QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton);
         },
         Entrada(7.1, 1), Registro("?mega \x80 \xf1 ?", "", "", "051226", ""),
         QString::fromUtf8("7,100.000|Ωmega € ñ 😀|||051226|")},
        {"Salir on a new frequency", dos, "8", false, Pulsa(&frmCreaModi::cmdCMSalir), "", "", "8,000.000|-||||"},
    };
    for (const Orden& o : ordenes) {
        SCOPED_TRACE(o.nombre);
        Suelta();
        Crea(o.filas);
        const std::string indice = Bytes("frecuencias.vyr"), datos = Bytes("datos.vyr");
        QString recibido;
        const auto hace = [&](frmCreaModi& e) {
            recibido = QStringList({e.txtCMFrecu->text(), e.txtCMDescri->text(), e.txtCMServi->text(),
                                    e.txtCMModo->text(), e.txtCMFecha->text(), e.txtCMObserva->text()})
                           .join('|');
            EXPECT_EQ(Ficha(*w), "|||||");
            o.hace(e);
        };
        if (o.modifica) {
            Teclea(o.tecleado);
            w->txtFicDescri->setText("Cambiada a mano");
            m->FrecActual = 7.0;
            msg.respuestas = {o.respuestas.begin(), o.respuestas.end()};
            ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); }, hace));
        } else {
            ASSERT_TRUE(EnModal<frmCreaModi>([&] { Teclea(o.tecleado); }, hace));
        }
        // "Modificar" hands over the card as it stands, trimmed; a new record's boxes are empty.
        EXPECT_EQ(recibido, o.modifica ? "7,100.000|Cambiada a mano||AM||" : o.ficha.section('|', 0, 0) + "|||||");
        EXPECT_EQ(Bytes("frecuencias.vyr"), o.indice.empty() ? indice : o.indice);
        EXPECT_EQ(Bytes("datos.vyr"), o.datos.empty() ? datos : o.datos);
        EXPECT_EQ(Ficha(*w), o.ficha);
        EXPECT_EQ(w->focusWidget(), w->txtFrecu);
        EXPECT_EQ(msg.vistos.size(), o.respuestas.size());
        for (const Mensaje& mm : msg.vistos) {
            EXPECT_EQ(mm.texto, "Confirmación de borrado");
            EXPECT_EQ(mm.titulo, "Borrar frecuencia");
            EXPECT_EQ(mm.botones, ui::Botones::SiNo);
            EXPECT_EQ(mm.icono, ui::Icono::Ninguno);
        }
    }
    // A new frequency left by "Salir" stays on the card; "Fecha hoy" then writes nothing.
    const std::string datos = Bytes("datos.vyr");
    QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton);
    EXPECT_EQ(w->txtFicFecha->text(), "051226");
    EXPECT_EQ(Bytes("datos.vyr"), datos);
}

}  // namespace
}  // namespace vyr::test
