#pragma once
// A program on a real X display (Xvfb), watched from outside as a user
// sees it: the time from its start, or from a key, to the first paint on
// the screen. The X server reports every paint through the DAMAGE extension
// on the root window, so nothing in the program itself is needed.
#include <sys/types.h>

#include <string>

namespace vyr::bench {

class PantallaX {
public:
    PantallaX();  // the display in $DISPLAY; ends the benchmark when there is none
    ~PantallaX();
    PantallaX(const PantallaX&) = delete;
    PantallaX& operator=(const PantallaX&) = delete;

    // Starts the program in a folder and gives the ms until its window's
    // first paint; the program keeps running.
    double Arranca(const std::string& programa, const std::string& carpeta);
    // Types the text into the program's focused box, waits until the screen
    // is still, then gives the ms from Enter until a paint reaches the card
    // (below y = kArribaFicha of the window).
    double Enter(const std::string& texto);
    // Ends the program and waits for it.
    void Termina();

    static constexpr int kArribaFicha = 180;

private:
    struct Impl;
    Impl* x_;
    pid_t pid_ = -1;
};

}  // namespace vyr::bench
