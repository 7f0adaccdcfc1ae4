#pragma once
// The results window: the grid of listed records and their count.
#include <QDialog>

#include "query/modelo_fg.h"

class QLabel;
class QPushButton;
class QTableView;

class frmVisualizar : public QDialog {
    Q_OBJECT
public:
    explicit frmVisualizar(QWidget* parent = nullptr);

    QTableView* FG;
    QLabel* txtNumReg;
    QPushButton* cmdCerrar;

    // The grid's cells and row count as the query run sets them.
    vyr::consulta::ModeloFG& Celdas() { return *modelo_; }

signals:
    // Unload: "Cerrar" and the close box.
    void descarga();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Prepara();
    void cmdCerrar_Click();

    vyr::consulta::ModeloFG* modelo_;
};
