#pragma once
// The two kinds of control every window uses, with the desktop behaviour the
// design comes from.
#include <QLineEdit>
#include <QPushButton>

namespace vyr::ui {

// A one-line text box that, while it does not have the focus, shows the
// start of a text wider than itself (the MHz of a frequency, the first words
// of a description) rather than its end.
class CajaTexto : public QLineEdit {
public:
    explicit CajaTexto(QWidget* padre = nullptr);

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool tecleando_ = false;
};

// A button that Enter presses, like Space, while it has the focus. No button
// is a default button: Enter typed in a text box presses none.
class Boton : public QPushButton {
public:
    explicit Boton(QWidget* padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace vyr::ui
