// MAIN's side of the two files: saving the game between turns, and the end of the game, which
// enters the winner into RecFile and hands over to the winner window.
#include <filesystem>

#include <QAbstractButton>
#include <QDir>

#include "app/ComputerDriver.h"
#include "app/GameLogView.h"
#include "app/MainWindow.h"
#include "app/ScreenSync.h"
#include "board/BoardWindow.h"
#include "dealings/DealingsWindows.h"
#include "engine/EndFile.h"
#include "engine/RecordFile.h"
#include "engine/WealthFile.h"
#include "halloffame/HallRecord.h"
#include "halloffame/HallWindows.h"
#include "setup/SaveRecord.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

namespace tavorin::app {

struct MainWindow::GameFiles {
    QString folder = QDir::currentPath();
    FileWriter* writer = &diskFileWriter();
    halloffame::HallOfFameWindow* sharedHall = nullptr;
    std::unique_ptr<halloffame::HallOfFameWindow> ownHall;
    std::unique_ptr<halloffame::WinWindow> win;

    std::filesystem::path path() const { return std::filesystem::path(folder.toStdU16String()); }
};

void MainWindow::GameFilesDeleter::operator()(GameFiles* files) const { delete files; }

void MainWindow::connectFileButtons() {
    files_.reset(new GameFiles);
    auto button = [this](Ctl c) { return static_cast<QAbstractButton*>(screen_->widget(c)); };
    connect(button(Ctl::SaveButton), &QAbstractButton::clicked, this, &MainWindow::SaveButton_Click);
    connect(button(Ctl::RecButton), &QAbstractButton::clicked, this, [this] { hallOfFame().open(); });
}

void MainWindow::setGameFolder(const QString& folder) {
    files_->folder = folder;
    // A hall-of-fame window of its own reads the old folder: the next one reads the new.
    files_->ownHall.reset();
}

QString MainWindow::gameFolder() const { return files_->folder; }

void MainWindow::setFileWriter(FileWriter& writer) { files_->writer = &writer; }

void MainWindow::setHallOfFame(halloffame::HallOfFameWindow* window) { files_->sharedHall = window; }

halloffame::HallOfFameWindow& MainWindow::hallOfFame() {
    if (files_->sharedHall) return *files_->sharedHall;
    if (!files_->ownHall) files_->ownHall = std::make_unique<halloffame::HallOfFameWindow>(files_->folder);
    return *files_->ownHall;
}

halloffame::WinWindow& MainWindow::winForm() {
    if (!files_->win) {
        files_->win = std::make_unique<halloffame::WinWindow>();
        files_->win->setQuitHandler([this] {
            leaving_ = true;
            quit_();
        });
        connect(files_->win.get(), &halloffame::WinWindow::hallOfFameRequested, this,
                [this] { hallOfFame().open(); });
        files_->win->setNextGameAvailable(nextGameAvailable_);
        connect(files_->win.get(), &halloffame::WinWindow::newGameRequested, this,
                &MainWindow::newGameRequested);
        connect(files_->win.get(), &halloffame::WinWindow::startWindowRequested, this,
                &MainWindow::startWindowRequested);
    }
    return *files_->win;
}

void MainWindow::SaveButton_Click() {
    // The button is only enabled while a person's turn waits for its roll; a click that was queued
    // before it was disabled must not save a turn in the middle.
    if (!game_.screen()[Ctl::SaveButton].enabled || game_.state().gameOver) return;
    saveGame();
}

bool MainWindow::saveGame() {
    if (auto error = saveGameFile(game_.state(), files_->path(), game_.state().FileName, *files_->writer)) {
        ui::showMessage(this, game_.playerName(game_.state().NV), error->message);
        return false;
    }
    markSaved();
    // The game itself is saved; a side file that could not be written only loses its option.
    const auto sideFileLost = [this](std::string_view extension, std::string_view consequence) {
        std::string message = "ไม่สามารถบันทึกไฟล์ ";
        message += game_.state().FileName;
        message += extension;
        message += " ได้ ";
        message += consequence;
        ui::showMessage(this, game_.playerName(game_.state().NV), message);
    };
    if (!saveSeats(files_->path(), game_.state().FileName, computer_->seats(), *files_->writer))
        sideFileLost(kSeatsFileExtension, "คอมฯ เก่งจะเล่นแบบคอมพิวเตอร์ธรรมดาเมื่อโหลดเกมนี้");
    if (!saveEndRule(files_->path(), game_.state().FileName, {game_.endRule(), game_.endProgress()},
                     *files_->writer))
        sideFileLost(kEndFileExtension, "เกมนี้จะไม่มีกติกาจบเกมเมื่อโหลด");
    if (!saveLog(files_->path(), game_.state().FileName, log_, *files_->writer))
        sideFileLost(kLogFileExtension, "บันทึกการเล่นจะว่างเปล่าเมื่อโหลดเกมนี้");
    if (!saveWealth(files_->path(), game_.state().FileName, wealth_, *files_->writer))
        sideFileLost(kWealthFileExtension, "กราฟความมั่งคั่งจะเริ่มที่การโหลดเมื่อโหลดเกมนี้");
    return true;
}

void MainWindow::loadGameLog(const std::string& name) {
    log_.clear();
    // The log is the players' record, not part of the game: a damaged one is only noted.
    if (loadLog(files_->path(), name, log_) == LogFileStatus::Damaged) {
        std::string note = "อ่านไฟล์ ";
        note += name;
        note += kLogFileExtension;
        note += " ไม่ได้ บันทึกการเล่นก่อนหน้านี้จึงไม่แสดง";
        log_.note(0, note);
    }
    logView_->refresh();
}

void MainWindow::loadWealthHistory(const std::string& name) {
    // Without the history, the chart begins with the game as loaded.
    wealth_.clear();
    if (loadWealth(files_->path(), name, game_.state().NumOfPlayer, wealth_) == WealthFileStatus::Damaged) {
        std::string note = "อ่านไฟล์ ";
        note += name;
        note += kWealthFileExtension;
        note += " ไม่ได้ กราฟความมั่งคั่งจึงเริ่มที่การโหลดครั้งนี้";
        log_.note(0, note);
    }
}

namespace {
std::vector<std::uint8_t> savedForm(const GameState& s) {
    SaveBytes bytes = writeSaveRecord(s);
    if (auto* b = std::get_if<std::vector<std::uint8_t>>(&bytes)) return std::move(*b);
    return {};
}
} // namespace

// The game as its saved file would hold it is what a save keeps; anything else (a die still rolling,
// a window moved) is not a change worth asking about.
void MainWindow::markSaved() { savedBytes_ = savedForm(game_.state()); }

bool MainWindow::changedSinceSaved() const {
    if (game_.state().gameOver) return false;
    const std::vector<std::uint8_t> now = savedForm(game_.state());
    return now.empty() || now != savedBytes_;
}

// Only a game that can be saved now, while a person waits to roll, is offered to be saved; in the
// middle of a turn, or with nothing changed, leaving asks what it always asked.
bool MainWindow::confirmLeaving(std::string_view text) {
    const bool canSave = game_.screen()[Ctl::SaveButton].enabled && isEnabled() && !game_.state().gameOver;
    if (!canSave || !changedSinceSaved()) return confirmExit(text);
    switch (ui::showMessage(this, "Confirm exit", "เกมนี้มีการเล่นที่ยังไม่ได้บันทึก ต้องการบันทึกเกมก่อนหรือไม่",
                            MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgResult::Yes: return saveGame();
    case MsgResult::No: return true;
    default: return false;
    }
}

bool MainWindow::leaveGame() {
    if (changedSinceSaved() && !confirmLeaving("คุณต้องการจะออกจากเกมแน่นะ")) return false;
    rememberWindowPlaces();
    die1_.stop();
    die2_.stop();
    return true;
}

void MainWindow::gameWon(int winner) {
    die1_.stop();
    die2_.stop();
    // Nothing may be sold once the game is decided: an open holdings window goes at once.
    dealings_->hidePlayerForm();
    const HallRecord record = SET_WR(game_.state(), winner);
    const auto entered = SaveRecFile(record, files_->path(), *files_->writer);
    if (const auto* error = std::get_if<FileError>(&entered))
        ui::showMessage(this, {}, error->message);
    else if (std::get<int>(entered) != 0)
        ui::showMessage(this, {}, kNewRecordText);
    halloffame::WinWindow& win = winForm();
    win.SetValueInWinForm(record);
    win.showWealth(wealth_.upToNow(), game_.state());
    win.show();
    win.raise();
    win.activateWindow();
    // The rules have hidden both windows already; they go now, not at the next refresh.
    board_->hide();
    hide();
}

} // namespace tavorin::app
