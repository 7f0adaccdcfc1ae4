#pragma once
// The About box: the program's title and version.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class frmAcercaDe : public QDialog {
    Q_OBJECT
public:
    frmAcercaDe();

    QLabel* Label1;
    QLabel* Label2;
    QFrame* Line1;
    QLabel* Label3;
    QPushButton* Command1;

signals:
    void descarga();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
};
