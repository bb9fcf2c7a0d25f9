// The yardstick for the game's start-up and memory: the least a Qt Widgets program can show, one
// empty QWidget. It reports like the game does when make bench sets TAVORIN_REPORT_SHOWN.
#include <QApplication>
#include <QWidget>

#include "ui/ShownProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavorin::ui::reportFirstWindowShown(app, true);
    QWidget window;
    window.resize(254, 307); // the start window's size
    window.show();
    return app.exec();
}
