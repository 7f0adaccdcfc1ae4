#include "ui/qt_message_service.h"

#include <QMessageBox>
#include <QPushButton>

using vyr::ui::Botones;
using vyr::ui::Icono;
using vyr::ui::Respuesta;

Respuesta QtMessageService::Muestra(const std::string& texto, const std::string& titulo,
                                    Botones botones, Icono icono) {
    // No parent: the box is modal to the whole program, as every window is.
    QMessageBox box(icono == Icono::Critico ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(titulo), QString::fromStdString(texto));
    if (botones == Botones::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Respuesta::Ok;
    }
    QPushButton* si = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(si);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == si ? Respuesta::Si : Respuesta::No;
}
