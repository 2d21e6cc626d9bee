// The second reference for start-up time and memory (controls_window.h):
// shows its window and quits once it has been painted, by the same
// criterion as "vorbix --quit-after-show" (quit_after_first_paint.h).
#include "quit_after_first_paint.h"
#include "controls_window.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    vorbix::bench::buildControlsWindow(&window);
    new vorbix::QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
