// The program: the real services, the store for the current folder and the
// main window. Its files are named relative to the folder it starts in.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include "main_window/frm_vyrw.h"
#include "store/modulo.h"
#include "ui/qt_clock.h"
#include "ui/qt_message_service.h"
#include "ui/qt_printer.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VYR"));
    QApplication::setDesktopFileName(QStringLiteral("vyr"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vyr.svg")));

    const std::string carpeta = QFile::encodeName(QDir::currentPath()).toStdString();
    QtMessageService mensajes;
    QtClock reloj;
    QtPrinterFactory impresoras(carpeta);
    const vyr::ui::Entorno entorno{mensajes, reloj, impresoras};

    vyr::Modulo modulo(carpeta, mensajes);
    frmVYRw principal(modulo, entorno);
    if (!principal.Carga()) return 1;
    QObject::connect(&principal, &frmVYRw::fin, &app, &QApplication::quit);
    principal.show();
    // For the benchmark: the time from the process start to the window shown.
    if (qEnvironmentVariableIsSet("VYR_SALIR_AL_MOSTRARSE"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
