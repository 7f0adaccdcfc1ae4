#pragma once
// The record editor: a new frequency's record filled in, or the card's record
// changed or deleted. Each field box normalises its text when it is left.
#include <QDialog>

#include "store/modulo.h"
#include "ui/entorno.h"
#include "ui/ficha.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace vyr::ui {
class CajaMultilinea;
}

class frmCreaModi : public QDialog {
    Q_OBJECT
public:
    // The copy-back writes the boxes of tarjeta, the main window's card.
    frmCreaModi(vyr::Modulo& m, const vyr::ui::Entorno& e, const vyr::ui::Ficha& tarjeta);

    QLabel* Label4;
    QLineEdit* txtCMFrecu;
    QLabel* Label5;
    QLineEdit* txtCMDescri;
    QLabel* Label6;
    QLineEdit* txtCMServi;
    QLabel* Label7;
    QLineEdit* txtCMModo;
    QLabel* Label8;
    QLineEdit* txtCMFecha;
    QPushButton* cmdCMActFecha;
    QLabel* Label9;
    vyr::ui::CajaMultilinea* txtCMObserva;
    QPushButton* cmdCMBorrar;
    QPushButton* cmdCMGraba;
    QPushButton* cmdCMSalir;

signals:
    void descarga();  // a command ended this opening, or the close box

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void CreaControles();
    // Focus left a field box: placeholder, width, upper case, service code.
    void Normaliza(QObject* caja);
    void cmdCMActFecha_Click();
    void cmdCMGraba_Click();
    void cmdCMBorrar_Click();
    void cmdCMSalir_Click();
    void DevuelveYCierra();

    vyr::Modulo& m_;
    vyr::ui::Entorno e_;
    vyr::ui::Ficha propia_{}, tarjeta_;
};

namespace vyr::editor {

// The service code lookup: every slot 0..99 compared in turn, each with the
// text the previous matches left.
QString BuscaServicios(const std::array<std::string, kMaxServicios + 1>& servicios, QString texto);

enum class Campo { Descripcion, Servicio, Modo, Fecha, Observaciones };
// The text a field box keeps when the focus leaves it: a placeholder for an
// empty box, cut to the field's width, the mode upper-cased, the service
// code looked up.
QString Normalizado(Campo campo, const QString& texto, const std::array<std::string, kMaxServicios + 1>& servicios);

}  // namespace vyr::editor
