// The floor of the program's start and of Enter on the card: a bare Qt
// window of the main window's size that paints a few lines of text and, on
// Enter, paints them again in the card's place. It runs until it is ended.
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace {

class Desnuda : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.drawText(20, 40, QStringLiteral("VYR"));
        for (int l = 0; l < 6; ++l) p.drawText(20, 200 + 22 * l, QStringLiteral("Ficha %1, l\u00EDnea %2").arg(n_).arg(l));
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return;
        ++n_;
        update(0, 190, width(), 150);
    }

private:
    int n_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Desnuda w;
    w.resize(570, 395);
    w.show();
    return app.exec();
}
