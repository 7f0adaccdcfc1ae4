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

std::string VentanasTest::Bytes(const std::string& n) const { return LeeFichero(tmp, n); }

void VentanasTest::Pon(const std::string& n, const std::string& bytes) const {
    EscribeFichero(tmp, n, bytes);
}

void VentanasTest::Crea(const std::vector<Fila>& filas, const std::string& servicios) {
    EscribeAlmacen(tmp, filas);
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

bool VentanasTest::EsperaModal(const std::function<void()>& abre,
                               const std::function<bool(QWidget*)>& es,
                               const std::function<void(QWidget*)>& accion) {
    bool hecho = false;
    QTimer espera;
    espera.setInterval(5);
    QObject::connect(&espera, &QTimer::timeout, [&] {
        QWidget* mw = QApplication::activeModalWidget();
        if (hecho || !mw || !mw->isVisible() || !es(mw)) return;
        mw->activateWindow();
        if (!QTest::qWaitForWindowActive(mw)) return;
        hecho = true;  // before the action, which may run a nested loop
        espera.stop();
        accion(mw);
    });
    // Whatever goes wrong, no modal window outlives the test.
    QTimer rescate;
    rescate.setSingleShot(true);
    rescate.setInterval(10000);
    QObject::connect(&rescate, &QTimer::timeout, [] {
        while (QWidget* mw = QApplication::activeModalWidget()) mw->close();
    });
    espera.start();
    rescate.start();
    abre();
    return hecho;
}

bool VentanasTest::EnEditor(const std::function<void()>& abre,
                            const std::function<void(frmCreaModi&)>& accion) {
    return EnModal<frmCreaModi>(abre, accion);
}

QString VentanasTest::Sale(QWidget* caja) {
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Tab);
    if (auto* l = qobject_cast<QLineEdit*>(caja)) return l->text();
    return {};
}

}  // namespace vyr::test
