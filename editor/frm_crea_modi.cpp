#include "editor/frm_crea_modi.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/textos_editor.h"
#include "ui/caja_multilinea.h"
#include "ui/controles.h"
#include "ui/twips.h"

namespace t = vyr::textos_editor;
using vyr::ui::Control;
using vyr::ui::RectTwips;
using vyr::ui::Verdana;

frmCreaModi::frmCreaModi(vyr::Modulo& m, const vyr::ui::Entorno& e, frmVYRw& principal)
    : QDialog(nullptr), m_(m), e_(e), principal_(principal) {
    setObjectName(QStringLiteral("frmCreaModi"));
    setWindowTitle(QString::fromUtf8(t::kTitulo));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setGeometry(RectTwips(5145, 6600, 8550, 3555));
    CreaControles();
    // The load step: the frequency box is never typed into.
    txtCMFrecu->setReadOnly(true);
}

void frmCreaModi::CreaControles() {
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    const QFont f9 = Verdana(9), f825 = Verdana(8.25);
    Label4 = Control<QLabel>(this, "Label4", RectTwips(240, 480, 1215, 255), f9);
    Label4->setText(u(t::kLabel4));
    txtCMFrecu = Control<QLineEdit>(this, "txtCMFrecu", RectTwips(840, 480, 1575, 285), f825);
    txtCMFrecu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5 = Control<QLabel>(this, "Label5", RectTwips(2760, 480, 1215, 255), f9);
    Label5->setText(u(t::kLabel5));
    txtCMDescri = Control<QLineEdit>(this, "txtCMDescri", RectTwips(3960, 480, 4335, 285), f9);
    Label6 = Control<QLabel>(this, "Label6", RectTwips(240, 1080, 855, 255), f9);
    Label6->setText(u(t::kLabel6));
    txtCMServi = Control<QLineEdit>(this, "txtCMServi", RectTwips(1080, 1080, 1935, 285), f9);
    Label7 = Control<QLabel>(this, "Label7", RectTwips(3360, 1080, 615, 255), f9);
    Label7->setText(u(t::kLabel7));
    txtCMModo = Control<QLineEdit>(this, "txtCMModo", RectTwips(3960, 1080, 735, 285), f9);
    txtCMModo->setAlignment(Qt::AlignCenter);
    Label8 = Control<QLabel>(this, "Label8", RectTwips(5040, 1080, 735, 255), f9);
    Label8->setText(u(t::kLabel8));
    txtCMFecha = Control<QLineEdit>(this, "txtCMFecha", RectTwips(5760, 1080, 855, 285), f9);
    txtCMFecha->setAlignment(Qt::AlignCenter);
    cmdCMActFecha = Control<QPushButton>(this, "cmdCMActFecha", RectTwips(6720, 1080, 1455, 255), f825);
    cmdCMActFecha->setText(u(t::kFechaHoy));
    Label9 = Control<QLabel>(this, "Label9", RectTwips(240, 1680, 1695, 255), f9);
    Label9->setText(u(t::kLabel9));
    txtCMObserva = Control<vyr::ui::CajaMultilinea>(this, "txtCMObserva",
                                                    RectTwips(360, 2040, 7815, 735), f9);
    cmdCMBorrar = Control<QPushButton>(this, "cmdCMBorrar", RectTwips(360, 3000, 975, 375),
                                       vyr::ui::FuenteDefecto());
    cmdCMBorrar->setText(u(t::kBorrar));
    cmdCMGraba = Control<QPushButton>(this, "cmdCMGraba", RectTwips(3600, 3000, 975, 375), f825);
    cmdCMGraba->setText(u(t::kGuardar));
    cmdCMSalir = Control<QPushButton>(this, "cmdCMSalir", RectTwips(7200, 3000, 975, 375),
                                      vyr::ui::FuenteDefecto());
    cmdCMSalir->setText(u(t::kSalir));
    for (QPushButton* b : {cmdCMActFecha, cmdCMBorrar, cmdCMGraba, cmdCMSalir}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

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
    if (!e->spontaneous()) txtCMDescri->setFocus();
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
