#include <chrono>

#include <QApplication>

#include "app/MainWindow.h"
#include "engine/Random.h"
#include "ui/ThaiFont.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    tavorin::ui::useThaiFont(app);
    // The game exits through its own confirmations, not when one of its windows is closed.
    app.setQuitOnLastWindowClosed(false);

    tavorin::SeededRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    tavorin::app::MainWindow main(random);
    // The start and setup windows do not exist yet: the program begins a default game of two
    // persons straight away, as the setup window would with its fields untouched.
    main.newGame(tavorin::NewGameSetup{});
    return app.exec();
}
