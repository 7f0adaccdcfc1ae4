#pragma once
#include "ui/clock.h"

namespace vyr::ui {

// Today from the system clock, in local time.
class QtClock : public Clock {
public:
    Fecha Hoy() override;
};

}  // namespace vyr::ui
