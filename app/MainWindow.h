// The main game window "MAIN": the controls of the turn, the players, the deed list and the
// decision frames, and the menus. It owns the game for the life of the program, shows the rules'
// state through ScreenSync, and is the engine's MainView. In the one-window layout the board sits in
// it as well.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "app/MainWidgets.h"
#include "app/Settings.h"
#include "engine/Game.h"
#include "engine/GameLog.h"
#include "engine/WealthHistory.h"

namespace tavorin {
class DeedCardWindow;
class FileWriter;
namespace halloffame {
class HallOfFameWindow;
class WinWindow;
} // namespace halloffame
class DealingsWindows;
namespace board {
class BoardWindow;
}
namespace ui {
class WealthChartWindow;
}
} // namespace tavorin

namespace tavorin::app {

class ComputerDriver;
class GameLogView;
class HelpWindow;
class MainMenus;
class ScreenSync;

class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    board::BoardWindow& board() { return *board_; }
    // The deed card window, created the first time it is needed.
    DeedCardWindow& deedCard();
    // The rules page, created the first time it is needed.
    HelpWindow& helpWindow();
    // The holdings, sale, mortgage, redemption, bank-sale and bid windows.
    DealingsWindows& dealings() { return *dealings_; }
    ComputerDriver& computer() { return *computer_; }
    // The rules' controls bound to the widgets.
    ScreenSync& screenSync() { return *screen_; }

    void newGame(const NewGameSetup& setup);
    // Shows the rules' current state on both windows.
    void sync();
    // Opens the deed card of deed 1..29; any other number does nothing.
    // The deed card of deed 1..29 comes up over `from` (MAIN when none is given).
    void viewDeed(int deed, QWidget* from = nullptr);
    // What ending the program means; tests replace it.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // What the game remembers between runs; without it the window keeps its own for this run.
    void setSettings(Settings& settings);
    // The board in a window of its own beside MAIN, or in MAIN with the controls. The game goes on
    // as it was; the choice is remembered in the settings. The controls are MAIN's central widget
    // in both, which leaves MAIN's dock areas free for a window to dock beside them.
    void setWindowLayout(WindowLayout layout);
    WindowLayout windowLayout() const { return layout_; }
    Settings& settings() { return *settings_; }

    // Whether the game has changed since it was started, loaded or last saved.
    bool changedSinceSaved() const;
    // The game as it stands is the one on disk (just loaded or saved).
    void markSaved();
    // Before the game is left for another: a changed game is offered to be saved first, and the
    // windows' places are remembered. False when the player would rather stay.
    bool leaveGame();

    // Where the game is saved and RecFile kept: the current directory unless the program says.
    void setGameFolder(const QString& folder);
    QString gameFolder() const;
    // What writes saved games and RecFile; tests make it fail.
    void setFileWriter(FileWriter& writer);
    // The hall-of-fame window the start window shares; without one MAIN creates its own when needed.
    void setHallOfFame(halloffame::HallOfFameWindow* window);
    halloffame::HallOfFameWindow& hallOfFame();
    // The winner window, created the first time it is needed.
    halloffame::WinWindow& winForm();
    // Every player's worth after every turn since the game was started (or loaded, when its history
    // was not saved with it).
    const WealthHistory& wealthHistory() const { return wealth_; }
    // Every event of the game as a line, and the widget that shows it: a window of its own, or
    // docked in MAIN by whoever arranges the one-window layout.
    const GameLog& gameLog() const { return log_; }
    GameLogView& gameLogView() { return *logView_; }
    // The log of the saved game `name`, from the file beside it; without one the log starts empty.
    void loadGameLog(const std::string& name);
    // The wealth chart's history of the saved game `name`, from the file beside it; without one the
    // chart begins at the load. A damaged file is noted in the log: load the log first.
    void loadWealthHistory(const std::string& name);
    // Shows or hides the log's window; the choice is remembered.
    void showGameLog(bool shown);
    // The wealth chart's window (มุมมอง > กราฟความมั่งคั่ง), in front and up to date.
    void showWealthChart();
    // The quiet computer: what the computer only announces goes to the log and to a status line
    // instead of a box to click, and its turn goes on by itself. A question to a person still asks.
    void setQuietComputer(bool on);
    bool quietComputer() const { return quiet_; }

    MsgResult messageBox(std::string_view title, std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                         MsgIcon icon = MsgIcon::None) override;
    void hidePlayerForm() override;
    void computerTurnReady() override;
    void showWindow(GameWindow window) override;
    void gameWon(int winner) override;

    // The winner window offers a new game and the start window, for a program that listens to the
    // two requests below.
    void setNextGameAvailable(bool available) { nextGameAvailable_ = available; }

signals:
    // The menu or the winner window asks for the start window, to begin a new game, or to load one
    // or only be there.
    void newGameRequested();
    void startWindowRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Runs one engine operation for a person's action, then shows its outcome.
    template <class F> void act(F&& engineCall);
    void connectTurnControls();
    void connectFrames();
    void connectDeedViews();
    void connectFileButtons();
    void SaveButton_Click();
    // Saves the game; false (the player told why) when it could not be written.
    bool saveGame();
    void connectDealings();
    void connectMenus();
    bool confirmExit(std::string_view text);
    // A changed game that can be saved is offered to be saved; otherwise the player is asked `text`.
    bool confirmLeaving(std::string_view text);
    void rememberWindowPlaces();
    void restoreWindowPlaces();
    void showAbout();
    void showHelp();
    // The main window's text at the size the settings ask for.
    void applyTextSize();
    // Lays the controls out for the layout in force and the text size.
    void arrange();
    void showBoard();
    void showMain();
    void viewSelectedDeed();

    Game game_;
    WealthHistory wealth_{game_.state()};
    GameLog log_{game_.state()};
    std::unique_ptr<GameLogView> logView_;
    std::unique_ptr<ui::WealthChartWindow> wealthWindow_;
    QWidget* panel_ = nullptr; // the controls, the central widget
    MainParts parts_;
    std::unique_ptr<board::BoardWindow> board_;
    std::unique_ptr<DeedCardWindow> deedCard_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<DealingsWindows> dealings_;
    std::unique_ptr<ScreenSync> screen_;
    MainMenus* menus_ = nullptr;
    ComputerDriver* computer_ = nullptr;
    std::unique_ptr<Settings> ownSettings_;
    Settings* settings_ = nullptr;
    WindowLayout layout_ = WindowLayout::TwoWindows;
    double textScale_ = 1;
    std::vector<std::uint8_t> savedBytes_; // the game as it was started, loaded or saved
    QTimer die1_, die2_;
    std::function<void()> quit_;
    // The saved game's folder and the hall-of-fame windows (GameFiles.cpp).
    struct GameFiles;
    struct GameFilesDeleter {
        void operator()(GameFiles* files) const;
    };
    std::unique_ptr<GameFiles, GameFilesDeleter> files_;
    int acting_ = 0; // depth of person's actions being handled
    bool leaving_ = false;
    bool quiet_ = false;
    bool nextGameAvailable_ = false;
};

} // namespace tavorin::app
