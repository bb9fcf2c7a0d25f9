#include <chrono>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "app/GameFolder.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "engine/Random.h"
#include "ui/Pictures.h"
#include "ui/ShownProbe.h"
#include "ui/TextWarmUp.h"
#include "ui/ThaiFont.h"

int main(int argc, char** argv) {
    tavorin::ui::TextWarmUp warmUp;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    warmUp.waitForFonts();
    tavorin::ui::useThaiFont(app);
    app.setWindowIcon(tavorin::ui::appIcon());
    // Desktops match the windows to the menu entry that the package installs, tavorin.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("tavorin"));
    // The game exits through its own confirmations, not when one of its windows is closed.
    app.setQuitOnLastWindowClosed(false);
    // make bench times the start-up through this; it ends the program once the start window is up.
    tavorin::ui::reportFirstWindowShown(app);

    warmUp.waitForThaiBreaks();
    tavorin::SeededRandom random(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    // Settings first, so that they outlive the windows that remember into them.
    tavorin::app::Settings settings(tavorin::app::Settings::desktopFile());
    const QString folder = tavorin::app::chooseGameFolder(
        QCoreApplication::applicationDirPath(), QStringLiteral(TAVORIN_BUILD_DIR), QDir::currentPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    tavorin::app::Program program(random, folder);
    program.setSettings(settings);
    program.show();
    return app.exec();
}
