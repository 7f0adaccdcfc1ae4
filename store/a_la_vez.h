#pragma once
// Two pieces of work at once, the first on another core: an import's reading
// and cutting are most of its time, and the machine has cores to spare.
#include <system_error>
#include <thread>

namespace vyr {

// Neither piece may use what the other writes. When no thread can be had,
// the first runs here, before the second.
template <class A, class B>
void ALaVez(A&& a, B&& b) {
    std::jthread otro;
    try {
        otro = std::jthread([&a] { a(); });
    } catch (const std::system_error&) {
        a();
    }
    b();
}

}  // namespace vyr
