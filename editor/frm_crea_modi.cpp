#include "editor/frm_crea_modi.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/textos_editor.h"
#include "ui/accesible.h"
#include "ui/caja_multilinea.h"
#include "ui/cajas.h"
#include "ui/controles.h"
#include "ui/ficha.h"
#include "ui/pantalla.h"
#include "ui/twips.h"

namespace t = vyr::textos_editor;
using vyr::ui::Control;
using vyr::ui::RectTwips;
using vyr::ui::Verdana;

frmCreaModi::frmCreaModi(vyr::Modulo& m, const vyr::ui::Entorno& e, const vyr::ui::Ficha& tarjeta)
    : QDialog(nullptr), m_(m), e_(e), tarjeta_(tarjeta) {
    setObjectName(QStringLiteral("frmCreaModi"));
    vyr::ui::Titula(this, QString::fromUtf8(t::kTitulo));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setGeometry(RectTwips(5145, 6600, 8550, 3555));
    CreaControles();
    // The load step: the frequency box is never typed into.
    txtCMFrecu->setReadOnly(true);
}

void frmCreaModi::CreaControles() {
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    propia_ = vyr::ui::CreaFicha(this, {"CM", 480, 1575, false});
    const vyr::ui::Ficha& f = propia_;
    Label4 = f.Label4;
    txtCMFrecu = f.frecu;
    Label5 = f.Label5;
    txtCMDescri = f.descri;
    Label6 = f.Label6;
    txtCMServi = f.servi;
    Label7 = f.Label7;
    txtCMModo = f.modo;
    Label8 = f.Label8;
    txtCMFecha = f.fecha;
    cmdCMActFecha = f.actFecha;
    Label9 = f.Label9;
    txtCMObserva = f.observa;
    cmdCMBorrar = Control<vyr::ui::Boton>(this, "cmdCMBorrar", RectTwips(360, 3000, 975, 375),
                                       vyr::ui::FuenteDefecto());
    cmdCMBorrar->setText(u(t::kBorrar));
    cmdCMGraba = Control<vyr::ui::Boton>(this, "cmdCMGraba", RectTwips(3600, 3000, 975, 375), Verdana(8.25));
    cmdCMGraba->setText(u(t::kGuardar));
    cmdCMSalir = Control<vyr::ui::Boton>(this, "cmdCMSalir", RectTwips(7200, 3000, 975, 375),
                                      vyr::ui::FuenteDefecto());
    cmdCMSalir->setText(u(t::kSalir));

    QWidget* const orden[] = {txtCMDescri, txtCMServi,  txtCMModo,   cmdCMActFecha,
                              txtCMObserva, cmdCMGraba, cmdCMSalir,  cmdCMBorrar,
                              txtCMFecha,  txtCMFrecu};
    vyr::ui::OrdenTab(orden);

    for (QWidget* caja : std::initializer_list<QWidget*>{txtCMDescri, txtCMServi, txtCMModo,
                                                        txtCMFecha, txtCMObserva})
        caja->installEventFilter(this);

    connect(cmdCMActFecha, &QPushButton::clicked, this, &frmCreaModi::cmdCMActFecha_Click);
    connect(cmdCMGraba, &QPushButton::clicked, this, &frmCreaModi::cmdCMGraba_Click);
    connect(cmdCMBorrar, &QPushButton::clicked, this, &frmCreaModi::cmdCMBorrar_Click);
    connect(cmdCMSalir, &QPushButton::clicked, this, &frmCreaModi::cmdCMSalir_Click);
}

void frmCreaModi::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    vyr::ui::EncajaEnPantalla(this);
    txtCMDescri->setFocus();
}

bool frmCreaModi::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        // Only a move to another control of this window: not a message box
        // or another window taking the activation, nor a context menu.
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) Normaliza(o);
    }
    return QDialog::eventFilter(o, e);
}

void frmCreaModi::closeEvent(QCloseEvent* e) {
    // The close box: nothing written, nothing copied back.
    QDialog::closeEvent(e);
    emit descarga();
}

void frmCreaModi::keyPressEvent(QKeyEvent* e) {
    // Neither Enter nor Escape is a command of this window.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(e);
}
