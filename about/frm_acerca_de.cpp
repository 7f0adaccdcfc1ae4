#include "about/frm_acerca_de.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "about/textos_acerca_de.h"
#include "ui/accesible.h"
#include "ui/cajas.h"
#include "ui/pantalla.h"
#include "ui/controles.h"
#include "ui/twips.h"

using vyr::ui::Control;
using vyr::ui::RectTwips;
using vyr::ui::Verdana;

namespace t = vyr::textos_acerca_de;

frmAcercaDe::frmAcercaDe() : QDialog(nullptr) {
    setObjectName(QStringLiteral("frmAcercaDe"));
    vyr::ui::Titula(this, QString::fromUtf8(t::kTitulo));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(RectTwips(7440, 5940, 4485, 3090));
    setFixedSize(size());

    Label1 = Control<QLabel>(this, "Label1", RectTwips(120, 120, 1215, 615), Verdana(24));
    Label1->setText(QString::fromUtf8(t::kLabel1));
    Label2 = Control<QLabel>(this, "Label2", RectTwips(1200, 360, 1335, 375), Verdana(12));
    Label2->setText(QString::fromUtf8(t::kLabel2));
    Line1 = vyr::ui::LineaHorizontal(this, "Line1", 120, 4320, 960, 1);
    Label3 = Control<QLabel>(this, "Label3", RectTwips(1920, 1320, 1095, 375), Verdana(14.25));
    Label3->setText(QString::fromUtf8(t::kVersion));
    Command1 = Control<vyr::ui::Boton>(this, "Command1", RectTwips(3480, 2640, 855, 375),
                                    vyr::ui::FuenteDefecto());
    Command1->setText(QString::fromUtf8(t::kCerrar));
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] { emit descarga(); });
}

void frmAcercaDe::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) vyr::ui::EncajaEnPantalla(this);
}

void frmAcercaDe::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    emit descarga();
}

void frmAcercaDe::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;  // only "Cerrar" and the close box end it
    QDialog::keyPressEvent(e);
}
