// The main game window "MAIN": the controls of the turn, the players, the deed list and the
// decision frames. It owns the game for the life of the program, shows the rules' state through
// ScreenSync, and is the engine's MainView.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <QTimer>
#include <QWidget>

#include "engine/Game.h"

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
} // namespace tavorin

namespace tavorin::app {

class ComputerDriver;
class ScreenSync;

class MainWindow : public QWidget, public MainView {
    Q_OBJECT
public:
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    board::BoardWindow& board() { return *board_; }
    // The deed card window, created the first time it is needed.
    DeedCardWindow& deedCard();
    // The holdings, sale, mortgage, redemption, bank-sale and bid windows.
    DealingsWindows& dealings() { return *dealings_; }
    ComputerDriver& computer() { return *computer_; }

    void newGame(const NewGameSetup& setup);
    // Shows the rules' current state on both windows.
    void sync();
    // Opens the deed card of deed 1..29; any other number does nothing.
    void viewDeed(int deed);
    // What ending the program means; tests replace it.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

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

    MsgResult messageBox(std::string_view title, std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                         MsgIcon icon = MsgIcon::None) override;
    void hidePlayerForm() override;
    void deedsChanged() override;
    void computerTurnReady() override;
    void showWindow(GameWindow window) override;
    void gameWon(int winner) override;

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
    void connectDealings();
    bool confirmExit(std::string_view text);
    void showBoard();
    void showMain();
    void viewSelectedDeed();

    Game game_;
    std::unique_ptr<board::BoardWindow> board_;
    std::unique_ptr<DeedCardWindow> deedCard_;
    std::unique_ptr<DealingsWindows> dealings_;
    std::unique_ptr<ScreenSync> screen_;
    ComputerDriver* computer_ = nullptr;
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
};

} // namespace tavorin::app
