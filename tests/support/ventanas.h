#pragma once
// Windows under test: modal ones driven from inside their exec(), none left
// behind, and other programs run to their end.
#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>
#include <string>

class QWidget;

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vyr::test {

// abre() opens a modal window for which es() holds; accion runs once it is
// shown and active. false: it never came up (a fallback closes whatever
// modal window is still open after 10 s).
bool EnModal(const std::function<void()>& abre, const std::function<bool(QWidget*)>& es,
             const std::function<void(QWidget*)>& accion);

template <class T, class Accion>
bool EnModal(const std::function<void()>& abre, Accion&& accion) {
    return EnModal(
        abre, [](QWidget* mw) { return qobject_cast<T*>(mw) != nullptr; },
        [&](QWidget* mw) { accion(*qobject_cast<T*>(mw)); });
}

// Closes every window and deletes what was left for deletion.
void CierraVentanas();
// Once the test has let go of its windows, none may be left on screen or in memory.
void SinVentanasQueden();
// Runs a program and gives its standard output; ok false when it failed.
std::string Ejecuta(const QString& programa, const QStringList& args, bool* ok = nullptr);

}  // namespace vyr::test
