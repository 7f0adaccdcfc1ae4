// Every window as a screen reader meets it: the window's name, each box's
// name and the label that names it, and no focusable control without a name.
// The labels that name boxes must look as before and add no access keys.
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "about/frm_acerca_de.h"
#include "editor/frm_crea_modi.h"
#include "query/frm_consultar.h"
#include "query/frm_visualizar.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

using AccesibilidadTest = VentanasTest;

QString Nombre(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<sin interfaz>");
}

// Walks the accessible tree below i: the focusable controls seen, and those
// of them without a name. A grid's cells are read by their contents and are
// not walked.
void Recorre(QAccessibleInterface* i, int& enfocables, QStringList& sinNombre) {
    for (int k = 0; k < i->childCount(); ++k) {
        QAccessibleInterface* h = i->child(k);
        if (!h) continue;
        if (h->state().focusable) {
            ++enfocables;
            if (h->text(QAccessible::Name).trimmed().isEmpty())
                sinNombre << (h->object() ? h->object()->objectName() : QStringLiteral("?")) +
                                 QStringLiteral(" (role %1)").arg(int(h->role()));
        }
        if (h->role() != QAccessible::Table) Recorre(h, enfocables, sinNombre);
    }
}

// Whether the label looks as a twin without a buddy does, drawn in its place.
bool ComoSinCompanera(QLabel* l) {
    QLabel gemela(l->text(), l->parentWidget());
    gemela.setFont(l->font());
    gemela.setGeometry(l->geometry());
    gemela.setAlignment(l->alignment());
    gemela.setPalette(l->palette());
    return gemela.grab().toImage() == l->grab().toImage();
}

TEST(RecorridoAccesibleTest, FindsABoxWithoutAName) {
    QWidget v;
    auto* sin = new QLineEdit(&v);
    sin->setObjectName(QStringLiteral("sinNombre"));
    auto* con = new QLineEdit(&v);
    con->setAccessibleName(QStringLiteral("Con nombre"));
    v.show();
    int enfocables = 0;
    QStringList faltan;
    Recorre(QAccessible::queryAccessibleInterface(&v), enfocables, faltan);
    EXPECT_EQ(enfocables, 2);
    ASSERT_EQ(faltan.size(), 1);
    EXPECT_TRUE(faltan[0].startsWith("sinNombre")) << faltan[0].toStdString();
}

struct Caja {
    std::string caja;
    const char* nombre;
    const char* etiqueta;  // the label beside it, nullptr when none stands there
};

struct CasoVentana {
    const char* titulo;
    std::function<QWidget*()> crea;  // the main window is the fixture's
    std::vector<Caja> cajas;
};

TEST_F(AccesibilidadTest, EveryWindowAndEveryFocusableControlIsNamed) {
    Crea({{7.1, "Siete uno", "BC", "AM", "010101", "Nada"}});
    std::unique_ptr<QWidget> creada;
    // The editor's card is laid out and labelled by the same code as the
    // main window's: its boxes are only walked for a name.
    const CasoVentana casos[] = {
        {"VYR",
         [&] { return w.get(); },
         {{"txtFrecu", "Frecuencia", "Label3"},      {"txtFicFrecu", "Frec.", "Label4"},
          {"txtFicDescri", "Descripción", "Label5"}, {"txtFicServi", "Servicio", "Label6"},
          {"txtFicModo", "Modo", "Label7"},          {"txtFicFecha", "Fecha", "Label8"},
          {"txtFicObserva", "Observaciones", "Label9"}}},
        {"VYR - Crear / Modificar",
         [&] { return (creada = std::make_unique<frmCreaModi>(*m, *env, w->Tarjeta())).get(); }, {}},
        {"VYR - Consultar",
         [&] { return (creada = std::make_unique<frmConsultar>(*m, *env)).get(); },
         {{"txtFrecu1", "Frec. 1", "Label3"},
          {"txtFrecu2", "Frec. 2", "Label4"},
          {"txtBusDes", "Descrip.", "Label1"},
          {"txtBusSer", "Servicio", "Label2"},
          {"txtBusMod", "Modo", "Label5"},
          {"txtBusObs", "Observ.", "Label6"}}},
        {"VYR - Visualizar",
         [&] {
             auto v = std::make_unique<frmVisualizar>();
             v->Celdas().SetRows(3);
             v->Celdas().SetTextMatrix(1, 0, QStringLiteral("7,100.000"));
             return (creada = std::move(v)).get();
         },
         {{"FG", "Frecuencias visualizadas", nullptr}}},
        {"VYR - Acerca de...", [&] { return (creada = std::make_unique<frmAcercaDe>()).get(); }, {}},
    };
    for (const CasoVentana& c : casos) {
        SCOPED_TRACE(c.titulo);
        QWidget* v = c.crea();
        v->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(v));
        EXPECT_EQ(Nombre(v), QString::fromUtf8(c.titulo));

        for (const Caja& k : c.cajas) {
            SCOPED_TRACE(k.caja);
            auto* caja = v->findChild<QWidget*>(QString::fromStdString(k.caja));
            ASSERT_NE(caja, nullptr);
            EXPECT_EQ(Nombre(caja), QString::fromUtf8(k.nombre));
            if (!k.etiqueta) continue;
            auto* etiqueta = v->findChild<QLabel*>(QString::fromLatin1(k.etiqueta));
            ASSERT_NE(etiqueta, nullptr);
            EXPECT_EQ(etiqueta->buddy(), caja);
            // A label with a buddy would take an "&" as an access key and hide it.
            EXPECT_TRUE(ComoSinCompanera(etiqueta));
        }

        int enfocables = 0;
        QStringList sinNombre;
        Recorre(QAccessible::queryAccessibleInterface(v), enfocables, sinNombre);
        EXPECT_GE(enfocables, int(c.cajas.size()) + 1);  // a button at least
        EXPECT_TRUE(sinNombre.isEmpty()) << sinNombre.join(", ").toStdString();

        if (v != w.get()) {
            v->hide();
            creada.reset();
        }
    }
}

}  // namespace
}  // namespace vyr::test
