// The yardstick the game's start-up is held to: the least a Qt Widgets program can show that puts
// Thai on the screen, one label in a window of the start window's size. Showing Thai costs a
// program the font set-up and the Thai line breaker; what the game needs beyond that is its own.
#include <QApplication>
#include <QLabel>

#include "ui/ShownProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavorin::ui::reportFirstWindowShown(app, true);
    QLabel window(QStringLiteral("เกมทาวอริน"));
    window.resize(254, 307); // the start window's size
    window.show();
    return app.exec();
}
