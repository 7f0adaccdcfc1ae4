#pragma once
// The main window: the frequency entry box, the record card and its buttons,
// and the menus. Loading it starts the store; closing it ends the program.
#include <QMainWindow>

#include "store/modulo.h"
#include "ui/entorno.h"
#include "ui/ficha.h"
#include "ui/ventana.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class frmAcercaDe;
class frmConsultar;
class frmCreaModi;
namespace vyr::ui {
class CajaMultilinea;
}

class frmVYRw : public QMainWindow {
    Q_OBJECT
public:
    frmVYRw(vyr::Modulo& m, const vyr::ui::Entorno& e);
    ~frmVYRw() override;

    // The load step: the store's start-up. false: the user has been told why
    // and the program must end without showing the window.
    bool Carga();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtFrecu;
    QLabel* Label10;
    QPushButton* cmdConsultar;
    QPushButton* cmdSalir;
    QFrame* Line1;
    QLabel* Label4;
    QLineEdit* txtFicFrecu;
    QLabel* Label5;
    QLineEdit* txtFicDescri;
    QLabel* Label6;
    QLineEdit* txtFicServi;
    QLabel* Label7;
    QLineEdit* txtFicModo;
    QLabel* Label8;
    QLineEdit* txtFicFecha;
    QPushButton* cmdFicActFecha;
    QLabel* Label9;
    vyr::ui::CajaMultilinea* txtFicObserva;
    QPushButton* cmdFicModi;

    QMenu* mnuArchivo;
    QAction* mnuGuardar;
    QAction* mnuRecuperar;
    QAction* mnuSalir;
    QAction* mnuAcercaDe;

    // The card's six boxes emptied, in their order.
    void VaciaFicha();
    // The card's controls, for the editor's copy-back.
    const vyr::ui::Ficha& Tarjeta() const { return ficha_; }

signals:
    // The program must end now (Salir, Ctrl+X, the close box).
    void fin();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void CreaControles();
    void PintaFicha();  // the card's text in a blue that reads on the palette
    void CreaMenus();
    void txtFrecu_Enter();
    void cmdFicActFecha_Click();
    void cmdFicModi_Click();
    void cmdConsultar_Click();
    void mnuAcercaDe_Click();
    void Termina();
    // Back from a modal window: the keys come to the entry box again, also
    // where no window manager hands the activation back.
    void TrasModal();

    vyr::Modulo& m_;
    vyr::ui::Entorno e_;
    vyr::ui::Ficha ficha_{};
    vyr::ui::Ventana<frmCreaModi> editor_;
    vyr::ui::Ventana<frmConsultar> consultar_;
    vyr::ui::Ventana<frmAcercaDe> acercaDe_;
    bool terminado_ = false;
};
