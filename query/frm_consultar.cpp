#include "query/frm_consultar.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "ui/caja_frecuencia.h"
#include "query/consulta.h"
#include "query/textos_consulta.h"
#include "ui/accesible.h"
#include "ui/cajas.h"
#include "ui/controles.h"
#include "ui/pantalla.h"
#include "ui/texto.h"
#include "ui/twips.h"

namespace t = vyr::textos_consulta;
using vyr::ui::RectTwips;

using vyr::ui::Control;
using vyr::ui::Verdana;

frmConsultar::frmConsultar(vyr::Modulo& m, const vyr::ui::Entorno& e, QWidget* parent)
    : QDialog(parent), m_(m), e_(e) {
    setObjectName(QStringLiteral("frmConsultar"));
    vyr::ui::Titula(this, QString::fromUtf8(t::kTituloConsultar));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(RectTwips(5145, 6270, 7095, 4035));
    setFixedSize(size());

    const QFont f9 = Verdana(9), f825 = Verdana(8.25), marco = Verdana(12, true);
    // Set explicitly, so that the frame's caption font does not reach the unit labels.
    const QFont defecto = vyr::ui::FuenteDefecto();
    const auto u = [](const char* s) { return QString::fromUtf8(s); };

    Frame1 = Control<QGroupBox>(this, "Frame1", RectTwips(360, 360, 2895, 2895), marco);
    Frame1->setTitle(u(t::kFrame1));
    optVerTodo = Control<QRadioButton>(Frame1, "optVerTodo", RectTwips(240, 600, 1935, 255), f9);
    optVerTodo->setText(u(t::kVerTodo));
    optVerEntre = Control<QRadioButton>(Frame1, "optVerEntre", RectTwips(240, 1200, 2535, 375), f9);
    optVerEntre->setText(u(t::kVerEntre));
    optVerEntre->setToolTip(u(t::kVerEntreAyuda));
    Label3 = Control<QLabel>(Frame1, "Label3", RectTwips(120, 1800, 615, 255), f825);
    Label3->setText(u(t::kFrec1));
    txtFrecu1 = Control<vyr::ui::CajaTexto>(Frame1, "txtFrecu1", RectTwips(840, 1680, 1455, 375), f9);
    txtFrecu1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtFrecu1->setToolTip(u(t::kFrec1Ayuda));
    Label7 = Control<QLabel>(Frame1, "Label7", RectTwips(2400, 1800, 375, 255), defecto);
    Label7->setText(u(t::kMHz));
    Label4 = Control<QLabel>(Frame1, "Label4", RectTwips(120, 2400, 615, 255), f825);
    Label4->setText(u(t::kFrec2));
    txtFrecu2 = Control<vyr::ui::CajaTexto>(Frame1, "txtFrecu2", RectTwips(840, 2280, 1455, 375), f9);
    txtFrecu2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtFrecu2->setToolTip(u(t::kFrec2Ayuda));
    Label8 = Control<QLabel>(Frame1, "Label8", RectTwips(2400, 2400, 375, 255), defecto);
    Label8->setText(u(t::kMHz));

    Frame2 = Control<QGroupBox>(this, "Frame2", RectTwips(3720, 360, 3015, 2895), marco);
    Frame2->setTitle(u(t::kFrame2));
    Label1 = Control<QLabel>(Frame2, "Label1", RectTwips(120, 480, 735, 255), f9);
    Label1->setText(u(t::kDescrip));
    txtBusDes = Control<vyr::ui::CajaTexto>(Frame2, "txtBusDes", RectTwips(960, 360, 1935, 375), f825);
    txtBusDes->setToolTip(u(t::kDescripAyuda));
    Label2 = Control<QLabel>(Frame2, "Label2", RectTwips(120, 960, 735, 255), f9);
    Label2->setText(u(t::kServicio));
    txtBusSer = Control<vyr::ui::CajaTexto>(Frame2, "txtBusSer", RectTwips(960, 840, 1935, 375), f825);
    txtBusSer->setToolTip(u(t::kServicioAyuda));
    Label5 = Control<QLabel>(Frame2, "Label5", RectTwips(120, 1440, 735, 255), f9);
    Label5->setText(u(t::kModo));
    txtBusMod = Control<vyr::ui::CajaTexto>(Frame2, "txtBusMod", RectTwips(960, 1320, 1935, 375), f825);
    txtBusMod->setToolTip(u(t::kModoAyuda));
    Label6 = Control<QLabel>(Frame2, "Label6", RectTwips(120, 1920, 735, 255), f9);
    Label6->setText(u(t::kObserv));
    txtBusObs = Control<vyr::ui::CajaTexto>(Frame2, "txtBusObs", RectTwips(960, 1800, 1935, 375), f825);
    txtBusObs->setToolTip(u(t::kObservAyuda));
    chkEscuchadas = Control<QCheckBox>(Frame2, "chkEscuchadas", RectTwips(1200, 2400, 1575, 255), f9);
    chkEscuchadas->setText(u(t::kEscuchadas));
    chkEscuchadas->setToolTip(u(t::kEscuchadasAyuda));

    // Inside a frame, a box without a label of its own is named after the frame.
    vyr::ui::Rotula(Label3, txtFrecu1);
    vyr::ui::Rotula(Label4, txtFrecu2);
    vyr::ui::Rotula(Label1, txtBusDes);
    vyr::ui::Rotula(Label2, txtBusSer);
    vyr::ui::Rotula(Label5, txtBusMod);
    vyr::ui::Rotula(Label6, txtBusObs);

    chkGuardar = Control<QCheckBox>(this, "chkGuardar", RectTwips(600, 3520, 1215, 315), f9);
    chkGuardar->setText(u(t::kGuardar));
    chkGuardar->setToolTip(u(t::kGuardarAyuda));
    chkImprimir = Control<QCheckBox>(this, "chkImprimir", RectTwips(1920, 3520, 1215, 315), f9);
    chkImprimir->setText(u(t::kImprimir));
    chkImprimir->setToolTip(u(t::kImprimirAyuda));
    cmdHacer = Control<vyr::ui::Boton>(this, "cmdHacer", RectTwips(3960, 3480, 975, 375), f9);
    cmdHacer->setText(u(t::kRealizar));
    cmdSalir = Control<vyr::ui::Boton>(this, "cmdSalir", RectTwips(5520, 3480, 975, 375), f9);
    cmdSalir->setText(u(t::kSalir));

    // The tab order of the design: the search boxes first, the range last.
    QWidget* orden[] = {txtBusDes,  txtBusSer,  txtBusMod,   txtBusObs, chkEscuchadas,
                        chkGuardar, chkImprimir, cmdHacer,   optVerTodo, optVerEntre,
                        txtFrecu1,  txtFrecu2,  cmdSalir};
    vyr::ui::OrdenTab(orden);

    connect(cmdHacer, &QPushButton::clicked, this, &frmConsultar::cmdHacer_Click);
    connect(cmdSalir, &QPushButton::clicked, this, &frmConsultar::cmdSalir_Click);
}

void frmConsultar::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    vyr::ui::EncajaEnPantalla(this);
    if (!focusWidget()) txtBusDes->setFocus();
}

bool frmConsultar::CompruebaCaja(QLineEdit* caja, const char* mensaje, double& frec) {
    return vyr::ui::LeeCajaFrecuencia(caja, e_.mensajes, mensaje, frec);
}

bool frmConsultar::CompruebaRango(double& frec1, double& frec2) {
    CompruebaCaja(txtFrecu1, t::kFrec1Mal, frec1);
    CompruebaCaja(txtFrecu2, t::kFrec2Mal, frec2);
    if (!vyr::consulta::RangoAceptado(frec1, frec2)) {
        e_.mensajes.Muestra(t::kOrdenMal, t::kTituloEntre, vyr::ui::Botones::Ok,
                            vyr::ui::Icono::Ninguno);
        txtFrecu1->clear();
        txtFrecu2->clear();
        return false;
    }
    return true;
}

void frmConsultar::cmdHacer_Click() {
    vyr::consulta::Criterios c;
    if (optVerTodo->isChecked())
        c.modo = vyr::consulta::Modo::Todo;
    else if (optVerEntre->isChecked())
        c.modo = vyr::consulta::Modo::Entre;
    else
        c.modo = vyr::consulta::Modo::Buscar;
    c.busDes = txtBusDes->text();
    c.busSer = txtBusSer->text();
    c.busMod = txtBusMod->text();
    c.busObs = txtBusObs->text();
    c.escuchadas = chkEscuchadas->isChecked();
    c.guardar = chkGuardar->isChecked();
    c.imprimir = chkImprimir->isChecked();

    vyr::consulta::Consulta run(m_, e_);
    const bool completa =
        run.Realiza(c, [this](double& f1, double& f2) { return CompruebaRango(f1, f2); });
    if (!completa) return;
    // A completed run ends this window's use: the next opening starts afresh.
    QPointer<frmConsultar> yo(this);
    emit descarga();
    if (yo) hide();
}

void frmConsultar::cmdSalir_Click() { hide(); }

void frmConsultar::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    emit descarga();
}

void frmConsultar::keyPressEvent(QKeyEvent* e) {
    // Escape is no command of this window: only "Salir" hides it.
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}
