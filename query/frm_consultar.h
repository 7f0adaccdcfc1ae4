#pragma once
// The query window: criteria for listing the whole file, a frequency range or
// a text search, and whether to also save and print the results.
#include <QDialog>

#include "store/modulo.h"
#include "ui/entorno.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmConsultar : public QDialog {
    Q_OBJECT
public:
    frmConsultar(vyr::Modulo& m, const vyr::ui::Entorno& e, QWidget* parent = nullptr);

    // The range checks of the range mode, in their order, with their messages.
    // true: frec1 < frec2, both in the accepted range, boxes show their display texts.
    bool CompruebaRango(double& frec1, double& frec2);

    QGroupBox* Frame1;
    QRadioButton* optVerTodo;
    QRadioButton* optVerEntre;
    QLabel* Label3;
    QLineEdit* txtFrecu1;
    QLabel* Label7;
    QLabel* Label4;
    QLineEdit* txtFrecu2;
    QLabel* Label8;
    QGroupBox* Frame2;
    QLabel* Label1;
    QLineEdit* txtBusDes;
    QLabel* Label2;
    QLineEdit* txtBusSer;
    QLabel* Label5;
    QLineEdit* txtBusMod;
    QLabel* Label6;
    QLineEdit* txtBusObs;
    QCheckBox* chkEscuchadas;
    QCheckBox* chkGuardar;
    QCheckBox* chkImprimir;
    QPushButton* cmdHacer;
    QPushButton* cmdSalir;

signals:
    // Unload: after a completed run and from the close box.
    void descarga();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cmdHacer_Click();
    void cmdSalir_Click();
    bool CompruebaCaja(QLineEdit* caja, const char* mensaje, double& frec);

    vyr::Modulo& m_;
    vyr::ui::Entorno e_;
};
