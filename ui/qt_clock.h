#pragma once
#include "ui/clock.h"

// Today from the system clock, in local time.
class QtClock : public vyr::ui::Clock {
public:
    vyr::ui::Fecha Hoy() override;
};
