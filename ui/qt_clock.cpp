#include "ui/qt_clock.h"

#include <QDate>

namespace vyr::ui {

Fecha QtClock::Hoy() {
    const QDate d = QDate::currentDate();
    return {d.day(), d.month(), d.year()};
}

}  // namespace vyr::ui
