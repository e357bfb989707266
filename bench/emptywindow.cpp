// A trivial Qt program: shows an empty window and ends once it is on view. The yardstick for the
// program's own start-up (bench_startwindow).
#include "bench/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    new vx::bench::QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
