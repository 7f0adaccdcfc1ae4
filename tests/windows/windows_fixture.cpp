#include "windows_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"

namespace vyr::test {

QString Ficha(const frmVYRw& w) {
    return QStringList({w.txtFicFrecu->text(), w.txtFicDescri->text(), w.txtFicServi->text(),
                        w.txtFicModo->text(), w.txtFicFecha->text(), w.txtFicObserva->text()})
        .join('|');
}

void VentanasTest::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    env = std::make_unique<ui::Entorno>(ui::Entorno{msg, reloj, impresoras});
}

void VentanasTest::TearDown() {
    w.reset();
    SinVentanasQueden();
    CierraVentanas();
    m.reset();
}

std::string VentanasTest::Bytes(const std::string& n) const { return LeeFichero(tmp.filePath(QString::fromStdString(n)).toStdString()); }

void VentanasTest::Pon(const std::string& n, const std::string& bytes) const {
    EscribeFichero(tmp.filePath(QString::fromStdString(n)).toStdString(), bytes);
}

void VentanasTest::Crea(const std::vector<Fila>& filas, const std::string& servicios) {
    EscribeAlmacen(tmp.path().toStdString(), filas);
    Pon("servicios.vyr", servicios);
    m = std::make_unique<Modulo>(tmp.path().toStdString(), msg, *fs);
    w = std::make_unique<frmVYRw>(*m, *env);
    QObject::connect(w.get(), &frmVYRw::fin, [this] { ++fines; });
    ASSERT_TRUE(w->Carga());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    msg.vistos.clear();
}

void VentanasTest::Teclea(const QString& texto) {
    QTest::keyClicks(w->txtFrecu, texto);
    QTest::keyClick(w->txtFrecu, Qt::Key_Return);
}

QString VentanasTest::Sale(QWidget* caja) {
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Tab);
    if (auto* l = qobject_cast<QLineEdit*>(caja)) return l->text();
    return {};
}

}  // namespace vyr::test
