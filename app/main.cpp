// The program: the real services, the store for the current folder and the
// main window. Its files are named relative to the folder it starts in.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include "main_window/frm_vyrw.h"
#include "store/memoria.h"
#include "store/modulo.h"
#include "ui/estilo.h"
#include "ui/qt_clock.h"
#include "ui/qt_message_service.h"
#include "ui/qt_printer.h"

namespace {

// Raw pixels: no image plugin is loaded to decode them.
QIcon Icono() {
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128}) {
        const QByteArray rgba = QResource(QStringLiteral(":/icons/vyr-%1.rgba").arg(lado)).uncompressedData();
        if (rgba.size() != qsizetype(lado) * lado * 4) continue;
        const QImage img(reinterpret_cast<const uchar*>(rgba.constData()), lado, lado, QImage::Format_RGBA8888);
        icono.addPixmap(QPixmap::fromImage(img.copy()));
    }
    return icono;
}

}  // namespace

int main(int argc, char** argv) {
    vyr::ConservaMemoriaLiberada();
    QApplication app(argc, argv);
    QApplication::setStyle(new vyr::ui::EstiloVyr);  // owned by the application
    QApplication::setApplicationName(QStringLiteral("VYR"));
    QApplication::setDesktopFileName(QStringLiteral("vyr"));
    QApplication::setWindowIcon(Icono());

    const std::string carpeta = QFile::encodeName(QDir::currentPath()).toStdString();
    vyr::ui::QtMessageService mensajes;
    vyr::ui::QtClock reloj;
    vyr::ui::QtPrinterFactory impresoras(carpeta);
    const vyr::ui::Entorno entorno{mensajes, reloj, impresoras};

    vyr::Modulo modulo(carpeta, mensajes);
    frmVYRw principal(modulo, entorno);
    if (!principal.Carga()) return 1;
    QObject::connect(&principal, &frmVYRw::fin, &app, &QApplication::quit);
    principal.show();
    return app.exec();
}
