#include "support/ventanas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace vyr::test {

bool EnModal(const std::function<void()>& abre, const std::function<bool(QWidget*)>& es,
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

void CierraVentanas() {
    for (QWidget* v : QApplication::topLevelWidgets()) v->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SinVentanasQueden() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList quedan;
    for (QWidget* v : QApplication::topLevelWidgets())
        quedan << QString::fromLatin1(v->metaObject()->className()) + " " + v->objectName();
    EXPECT_TRUE(quedan.isEmpty()) << "windows left behind: " << quedan.join(", ").toStdString();
}

std::string Ejecuta(const QString& programa, const QStringList& args, bool* ok) {
    QProcess p;
    p.start(programa, args);
    const bool bien = p.waitForStarted() && p.waitForFinished(60000) &&
                      p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok) *ok = bien;
    return p.readAllStandardOutput().toStdString();
}

}  // namespace vyr::test
