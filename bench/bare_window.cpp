// The floor of the program's start: a bare Qt program that shows one empty
// window of the main window's size and ends once it is shown.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(570, 376);
    w.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
