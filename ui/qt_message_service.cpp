#include "ui/qt_message_service.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace vyr::ui {
namespace {

// Qt wraps a text wider than about 500 pixels; each line of ours is one
// sentence that reads best whole, up to most of the screen's width.
void AnchoDeUnaLinea(QMessageBox& box, const QString& texto) {
    auto* etiqueta = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!etiqueta) return;
    const QFontMetrics fm(etiqueta->font());
    int ancho = 0;
    for (const QString& linea : texto.split(u'\n')) ancho = std::max(ancho, fm.horizontalAdvance(linea));
    const QScreen* s = QGuiApplication::primaryScreen();
    if (s) ancho = std::min(ancho, s->availableGeometry().width() * 3 / 4);
    etiqueta->setMinimumWidth(ancho + 2);
}

}  // namespace

Respuesta QtMessageService::Muestra(const std::string& texto, const std::string& titulo,
                                    Botones botones, Icono icono) {
    // No parent: the box is modal to the whole program, as every window is.
    const QString t = QString::fromStdString(texto);
    QMessageBox box(icono == Icono::Critico ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(titulo), t);
    AnchoDeUnaLinea(box, t);
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

}  // namespace vyr::ui
