#pragma once
#include "ui/clock.h"

namespace vyr::test {

// Today is 5 December 2026 unless a test says otherwise.
class FakeClock : public ui::Clock {
public:
    ui::Fecha Hoy() override { return hoy; }
    ui::Fecha hoy{5, 12, 2026};
};

}  // namespace vyr::test
