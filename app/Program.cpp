#include "app/Program.h"

#include <filesystem>
#include <string>

#include <QCoreApplication>
#include <QImage>
#include <QPixmapCache>

#include "app/ComputerDriver.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "board/BoardWindow.h"
#include "engine/EndFile.h"
#include "halloffame/HallWindows.h"
#include "setup/LoadGame.h"
#include "setup/SaveRecord.h"
#include "setup/SetupWindow.h"
#include "setup/StartWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextScale.h"

namespace tavorin::app {

namespace {
// The style keeps what it draws (a button, a combo box at each size and state) in the application's
// pixmap cache, up to 10 MB by default. A combo box whose width follows its text is drawn at a new
// width again and again through a game, and the cache would grow by that much: a megabyte holds
// every control of the windows at their sizes.
constexpr int kStylePixmapCacheKb = 1024;
} // namespace

Program::Program(RandomSource& random, const QString& folder)
    : random_(random), folder_(folder), start_(std::make_unique<setupui::StartWindow>(folder)),
      quit_([] { QCoreApplication::exit(0); }) {
    QPixmapCache::setCacheLimit(kStylePixmapCacheKb);
    start_->setQuitHandler(quit_);
    connect(start_.get(), &setupui::StartWindow::newGameRequested, this,
            [this](const QString& fileName, const NewGameSetup& setup) { startNewGame(fileName, setup); });
    connect(start_.get(), &setupui::StartWindow::loadGameRequested, this, &Program::loadGame);
    connect(start_.get(), &setupui::StartWindow::hallOfFameRequested, this, [this] { hallOfFame().open(); });
    start_->setLoadGameAvailable(true);
    start_->setHallOfFameAvailable(true);
    ownSettings_ = std::make_unique<Settings>();
    settings_ = ownSettings_.get();
    // The start window comes before the main window: it takes the chosen text size from here.
    ui::setTextScale(settings_->textScale());
    // The players of the last new game are offered again.
    start_->setSetupPreparer([this](setupui::SetupWindow& setup) {
        if (const auto last = settings_->lastPlayers()) setup.offerChoices(*last);
    });
}

Program::~Program() = default;

void Program::show() { start_->show(); }

halloffame::HallOfFameWindow& Program::hallOfFame() {
    if (!hall_) hall_ = std::make_unique<halloffame::HallOfFameWindow>(folder_);
    return *hall_;
}

void Program::setQuitHandler(std::function<void()> quit) {
    quit_ = std::move(quit);
    start_->setQuitHandler(quit_);
    if (main_) main_->setQuitHandler(quit_);
}

void Program::setFileWriter(FileWriter& writer) {
    writer_ = &writer;
    if (main_) main_->setFileWriter(writer);
}

void Program::setSettings(Settings& settings) {
    settings_ = &settings;
    ownSettings_.reset();
    ui::setTextScale(settings_->textScale());
    if (main_) main_->setSettings(settings);
}

MainWindow& Program::mainWindow() {
    if (!main_) {
        main_ = std::make_unique<MainWindow>(random_);
        main_->setSettings(*settings_);
        main_->setQuitHandler(quit_);
        main_->setGameFolder(folder_);
        main_->setHallOfFame(&hallOfFame());
        main_->setNextGameAvailable(true);
        if (writer_) main_->setFileWriter(*writer_);
        // Queued: the menu entry or button that asked is gone once the window is, and must not be on
        // the stack.
        connect(
            main_.get(), &MainWindow::newGameRequested, this, [this] { returnToStart(false); },
            Qt::QueuedConnection);
        connect(
            main_.get(), &MainWindow::startWindowRequested, this, [this] { returnToStart(true); },
            Qt::QueuedConnection);
    }
    return *main_;
}

void Program::returnToStart(bool toLoad) {
    if (!main_ || !main_->leaveGame()) return;
    // The next game gets a main window of its own, with nothing left over from this one.
    main_.reset();
    start_->showAgain(toLoad);
}

void Program::startNewGame(const QString& fileName, const NewGameSetup& setup) {
    if (start_->hasSetupWindow()) settings_->setLastPlayers(start_->setupWindow().choices());
    MainWindow& main = mainWindow();
    main.game().setFileName(ui::toUtf8(fileName));
    main.newGame(setup);
    main.raise();
    main.activateWindow();
}

void Program::loadGame(const QByteArray& fileName) {
    // The name as the folder holds it, which need not be UTF-8: saves go back to the same file.
    const std::string name = fileName.toStdString();
    // The file is read and checked whole before anything is built or touched: a refused load leaves
    // the start window as it was.
    auto loaded = loadGameFile(std::filesystem::path(folder_.toStdU16String()), name);
    if (const auto* error = std::get_if<FileError>(&loaded)) {
        start_->loadRefused(ui::qs(error->message));
        return;
    }
    MainWindow& main = mainWindow();
    // Only a seat the saved game has as a computer can plan ahead.
    SeatKinds seats = loadSeats(std::filesystem::path(folder_.toStdU16String()), name);
    ResumeSavedGame(main.game(), std::get<SaveRecord>(loaded), name,
                    [this](int percent) { start_->setLoadProgress(percent); });
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (main.game().state().player(k).IsComputer != kTrue) seats[std::size_t(k)] = StrategyKind::Classic;
    main.computer().setSeats(seats);
    main.loadGameLog(name);
    main.loadWealthHistory(name);
    const SavedEnd end = loadEndRule(std::filesystem::path(folder_.toStdU16String()), name);
    main.game().resumeEndRule(end.rule, end.progress);
    main.markSaved();
    // The board comes up first, then MAIN in front of it with the roll button focused.
    main.sync();
    main.raise();
    main.activateWindow();
    start_->loadFinished();
    reportUnloadablePictures();
}

// A token picture is kept as a path, and the file may have gone since the game was saved. The
// token keeps its default look and the path stays in the game, so that a later save still names it.
void Program::reportUnloadablePictures() {
    const GameState& s = main_->game().state();
    std::string lost;
    for (int k = 1; k <= s.NumOfPlayer && k <= kMaxPlayers; ++k) {
        const std::size_t i = std::size_t(k);
        if (s.LP[i] != kTrue || s.LPName[i].empty() || s.player(k).Bankrupt == kTrue) continue;
        if (!QImage(ui::qs(s.LPName[i])).isNull()) continue;
        lost += "\n" + s.player(k).Name + " : " + s.LPName[i];
    }
    if (!lost.empty()) ui::showMessage(main_.get(), {}, "โหลดรูปตัวเดินต่อไปนี้ไม่ได้ จึงใช้ตัวเดินแบบเดิมแทน" + lost);
}

} // namespace tavorin::app
