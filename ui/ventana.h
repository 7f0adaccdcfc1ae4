#pragma once
// "Exists at most once, created on first use, destroyed by unload."
// T must have a signal `void descarga()` that it emits to unload itself
// (its close box, or a command that ends its use).
#include <QObject>
#include <QPointer>
#include <functional>

namespace vyr::ui {

template <class T>
class Ventana {
public:
    explicit Ventana(std::function<T*()> crea) : crea_(std::move(crea)) {}
    ~Ventana() { Descarga(); }
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;

    T& operator*() { return *Usa(); }
    T* operator->() { return Usa(); }
    bool Cargada() const { return !p_.isNull(); }

    // The next use creates the window afresh, even before Qt has deleted this one.
    void Descarga() {
        // The window outlives this registry until Qt deletes it: it must no
        // longer call back into it.
        QObject::disconnect(conexion_);
        if (T* w = p_.data()) {
            p_.clear();
            w->hide();
            w->deleteLater();
        }
    }

private:
    T* Usa() {
        if (!p_) {
            T* w = crea_();
            p_ = w;
            conexion_ = QObject::connect(w, &T::descarga, w, [this, w] {
                if (p_.data() == w) Descarga();
            });
        }
        return p_.data();
    }

    std::function<T*()> crea_;
    QPointer<T> p_;
    QMetaObject::Connection conexion_;
};

}  // namespace vyr::ui
