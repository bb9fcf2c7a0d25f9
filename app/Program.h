// The program: the start window first, and the main window with its board only once a game is
// started or loaded, so that nothing of the board is built while the player is still choosing.
// The hall-of-fame window is shared by the start window, the main window and the winner window.
#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "engine/Game.h"

namespace tavorin {
class FileWriter;
namespace halloffame {
class HallOfFameWindow;
}
namespace setupui {
class StartWindow;
}
} // namespace tavorin

namespace tavorin::app {

class MainWindow;
class Settings;

class Program : public QObject {
    Q_OBJECT
public:
    // `folder` holds the saved games and RecFile; the program uses the current directory.
    Program(RandomSource& random, const QString& folder);
    ~Program() override;

    setupui::StartWindow& start() { return *start_; }
    // Null until a game has been started or loaded.
    MainWindow* main() { return main_.get(); }
    halloffame::HallOfFameWindow& hallOfFame();

    // What ending the program means, for every window; tests replace it.
    void setQuitHandler(std::function<void()> quit);
    // What writes saved games and RecFile; tests make it fail.
    void setFileWriter(FileWriter& writer);
    // What the game remembers between runs; without it the program remembers for this run only.
    void setSettings(Settings& settings);

    // Shows the start window.
    void show();

private:
    MainWindow& mainWindow();
    void startNewGame(const QString& fileName, const NewGameSetup& setup);
    void loadGame(const QByteArray& fileName);
    void reportUnloadablePictures();
    // The main window's menu asks to leave this game for the start window.
    void returnToStart(bool toLoad);

    RandomSource& random_;
    QString folder_;
    std::unique_ptr<setupui::StartWindow> start_;
    std::unique_ptr<halloffame::HallOfFameWindow> hall_;
    std::unique_ptr<MainWindow> main_;
    std::function<void()> quit_;
    FileWriter* writer_ = nullptr;
    std::unique_ptr<Settings> ownSettings_;
    Settings* settings_ = nullptr;
};

} // namespace tavorin::app
