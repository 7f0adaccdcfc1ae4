#include "bench/x_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace vyr::bench {
namespace {

double Ahora() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

[[noreturn]] void Falla(const char* que) {
    std::fprintf(stderr, "vyr_bench: %s\n", que);
    std::abort();
}

// A window that went away between an event and a request is no error here.
int SinErrores(Display*, XErrorEvent*) { return 0; }

constexpr double kEspera = 30000;  // ms before a program that never paints ends the run
constexpr double kQuieto = 80;     // ms without a paint: the screen is still

}  // namespace

struct PantallaX::Impl {
    Display* d = nullptr;
    Window raiz = 0;
    int eventoDamage = 0;
    Window ventana = 0;  // the program's mapped window
    int x = 0, y = 0;    // its place on the screen

    // The next event before the clock reaches hasta; false when none came.
    bool Siguiente(XEvent& e, double hasta) {
        while (!XPending(d)) {
            const double queda = hasta - Ahora();
            if (queda <= 0) return false;
            pollfd p{ConnectionNumber(d), POLLIN, 0};
            ::poll(&p, 1, static_cast<int>(queda) + 1);
        }
        XNextEvent(d, &e);
        return true;
    }
    const XDamageNotifyEvent* Pintura(const XEvent& e) const {
        return e.type == eventoDamage + XDamageNotify ? reinterpret_cast<const XDamageNotifyEvent*>(&e) : nullptr;
    }
    void Mapeada(const XEvent& e) {
        if (e.type != MapNotify || e.xmap.event != raiz) return;
        ventana = e.xmap.window;
        Window hijo = 0;
        XTranslateCoordinates(d, ventana, raiz, 0, 0, &x, &y, &hijo);
    }
    // Reads events until no paint has come for kQuieto ms.
    void Quieto() {
        XEvent e;
        double hasta = Ahora() + kQuieto;
        while (Siguiente(e, hasta)) {
            Mapeada(e);
            if (Pintura(e)) hasta = Ahora() + kQuieto;
        }
    }
    void Tecla(KeySym k, bool pulsada) {
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, k), pulsada ? True : False, CurrentTime);
        XFlush(d);
    }
};

PantallaX::PantallaX() : x_(new Impl) {
    x_->d = XOpenDisplay(nullptr);
    if (!x_->d) Falla("no X display: run it through scripts/bench, which starts Xvfb");
    XSetErrorHandler(SinErrores);
    int error = 0, mayor = 0, menor = 0, op = 0;
    if (!XDamageQueryExtension(x_->d, &x_->eventoDamage, &error)) Falla("the X server has no DAMAGE extension");
    if (!XTestQueryExtension(x_->d, &op, &error, &mayor, &menor)) Falla("the X server has no XTEST extension");
    x_->raiz = DefaultRootWindow(x_->d);
    XSelectInput(x_->d, x_->raiz, SubstructureNotifyMask);
    XDamageCreate(x_->d, x_->raiz, XDamageReportRawRectangles);
    XSync(x_->d, False);
    x_->Quieto();
}

PantallaX::~PantallaX() {
    Termina();
    XCloseDisplay(x_->d);
    delete x_;
}

double PantallaX::Arranca(const std::string& programa, const std::string& carpeta) {
    x_->Quieto();
    std::vector<std::string> entorno;
    for (char** v = environ; *v; ++v)
        if (std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0) entorno.emplace_back(*v);
    entorno.emplace_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> envp;
    for (auto& v : entorno) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string nombre = programa;
    char* argv[] = {nombre.data(), nullptr};
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addchdir_np(&acciones, carpeta.c_str());

    const double t0 = Ahora();
    if (posix_spawn(&pid_, programa.c_str(), &acciones, nullptr, argv, envp.data()) != 0) Falla("cannot start");
    posix_spawn_file_actions_destroy(&acciones);
    XEvent e;
    x_->ventana = 0;
    while (x_->Siguiente(e, t0 + kEspera)) {
        x_->Mapeada(e);
        if (x_->Pintura(e) && x_->ventana != 0) {
            const double ms = Ahora() - t0;
            x_->Quieto();
            return ms;
        }
    }
    Falla("the program showed no window");
}

double PantallaX::Enter(const std::string& texto) {
    if (x_->ventana == 0) Falla("no window to type into");
    XSetInputFocus(x_->d, x_->ventana, RevertToPointerRoot, CurrentTime);
    for (const char c : texto) {
        const KeySym k = c == '.' ? XK_period : static_cast<KeySym>(XK_0 + (c - '0'));
        x_->Tecla(k, true);
        x_->Tecla(k, false);
    }
    x_->Quieto();
    const double t0 = Ahora();
    x_->Tecla(XK_Return, true);
    XEvent e;
    while (x_->Siguiente(e, t0 + kEspera)) {
        if (e.type == MapNotify) Falla("a window opened on Enter: the frequency typed is not stored");
        const XDamageNotifyEvent* p = x_->Pintura(e);
        if (p && p->area.y + p->area.height > x_->y + kArribaFicha) {
            const double ms = Ahora() - t0;
            x_->Tecla(XK_Return, false);
            x_->Quieto();
            return ms;
        }
    }
    Falla("no paint reached the card after Enter");
}

void PantallaX::Termina() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    x_->ventana = 0;
    x_->Quieto();
}

}  // namespace vyr::bench
