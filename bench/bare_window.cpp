// The reference for start-up time and memory: a plain Qt Widgets program
// that shows one window and quits once it has been painted, by the same
// criterion as "vorbix --quit-after-show" (quit_after_first_paint.h).
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(640, 480);
    new vorbix::QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
