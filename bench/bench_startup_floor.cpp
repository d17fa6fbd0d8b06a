// The floor for start-up: a bare window of the same size with the same kinds
// and numbers of controls, and nothing else: no texts, photo, icon or logic.
#include "startupexit.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(487, 424);
    QGroupBox *frames[3];
    for (int i = 0; i < 3; ++i) {
        frames[i] = new QGroupBox(&window);
        frames[i]->setGeometry(216, 32 + 128 * i, 265, 121);
    }
    for (int i = 0; i < 18; ++i) {
        auto *label = new QLabel(frames[i % 3]);
        label->setGeometry(8 + 128 * (i % 2), 24 + 24 * (i / 6), 25, 21);
        auto *field = new QLineEdit(frames[i % 3]);
        field->setGeometry(32 + 128 * (i % 2), 24 + 24 * (i / 6), 97, 21);
    }
    for (int i = 0; i < 2; ++i) {
        (new QPushButton(&window))->setGeometry(8 + 416 * i, 0, 65, 25);
        (new QLabel(&window))->setGeometry(80 + 200 * i, 0, 150, 25);
    }
    auto *canvas = new QFrame(&window);
    canvas->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    canvas->setLineWidth(2);
    canvas->setGeometry(8, 32, 204, 200);
    (new QPlainTextEdit(&window))->setGeometry(8, 288, 473, 129);

    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
#ifdef Q_OS_WASM
    window.showFullScreen(); // as the program's window fills its page's canvas
#else
    window.show();
#endif
    return app.exec();
}
