#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QStatusBar>

#include "app/ComputerDriver.h"
#include "app/GameLogView.h"
#include "app/HelpWindow.h"
#include "app/KeyPlay.h"
#include "app/MainMenus.h"
#include "app/MainWidgets.h"
#include "app/ScreenSync.h"
#include "board/BoardWindow.h"
#include "dealings/DealingsWindows.h"
#include "dealings/DeedCardWindow.h"
#include "ui/ChosenLine.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"
#include "ui/WealthChart.h"

namespace tavorin::app {

namespace {
// The buttons of the decision frames and the bonus frame: each runs the engine operation of the
// same name.
struct FrameButton {
    Ctl control;
    void (Game::*click)();
};
constexpr FrameButton kFrameButtons[] = {
    {Ctl::OKButtonInFreeLand, &Game::OKButtonInFreeLand_Click},
    {Ctl::CancelButtonInFreeLand, &Game::CancelButtonInFreeLand_Click},
    {Ctl::OKButtonInOwnSingleLand, &Game::OKButtonInOwnSingleLand_Click},
    {Ctl::CancelButtonInOwnSingleLand, &Game::CancelButtonInOwnSingleLand_Click},
    {Ctl::OKButtonInOwnNotSingleLand, &Game::OKButtonInOwnNotSingleLand_Click},
    {Ctl::OKButtonInOwnMortgageLand, &Game::OKButtonInOwnMortgageLand_Click},
    {Ctl::CancelButtonInOwnMortgageLand, &Game::CancelButtonInOwnMortgageLand_Click},
    {Ctl::OKButtonInNotOwnSingleLand, &Game::OKButtonInNotOwnSingleLand_Click},
    {Ctl::OKButtonInNotOwnNotSingleLand, &Game::OKButtonInNotOwnNotSingleLand_Click},
    {Ctl::OKButtonInNotOwnMortgageLand, &Game::OKButtonInNotOwnMortgageLand_Click},
    {Ctl::TakeOverButton, &Game::TakeOverButton_Click},
    {Ctl::OKButtonInTaxFrame, &Game::OKButtonInTaxFrame_Click},
    {Ctl::OkButtonInTreasure, &Game::OkButtonInTreasure_Click},
    {Ctl::OKButtonInFate, &Game::OKButtonInFate_Click},
    {Ctl::OKButtonInStart, &Game::OKButtonInStart_Click},
    {Ctl::OKButtonInRelaxFrame, &Game::OKButtonInRelaxFrame_Click},
    {Ctl::OKButtonInFirst, &Game::OKButtonInFirst_Click},
    {Ctl::OKButtonInDishonestFrame, &Game::OKButtonInDishonestFrame_Click},
    {Ctl::OpgBonus1, &Game::OpgBonus1_Click},
    {Ctl::OpgBonus2, &Game::OpgBonus2_Click},
    {Ctl::OKButtonInBonus, &Game::OKButtonInBonus_Click},
};
constexpr Ctl kViewDeedButtons[] = {Ctl::ViewDeed1, Ctl::ViewDeed2, Ctl::ViewDeed3, Ctl::ViewDeed4,
                                    Ctl::ViewDeed5, Ctl::ViewDeed6, Ctl::ViewDeed7};
} // namespace

MainWindow::MainWindow(RandomSource& random, QWidget* parent)
    : QMainWindow(parent), game_(random, *this), quit_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("MAIN"));
    setWindowTitle(QStringLiteral("เกมทาวอริน"));
    setFont(ui::thaiFont(10));
    game_.setPlayClock(&steadyPlayClock());
    game_.addObserver(wealth_);
    logView_ = std::make_unique<GameLogView>();
    game_.addObserver(log_);
    logView_->follow(log_.lines());
    log_.setListener([this](const std::string&) { logView_->lineAdded(); });
    ownSettings_ = std::make_unique<Settings>();
    settings_ = ownSettings_.get();
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("MainPanel"));
    parts_ = buildMainWidgets(*panel_);
    arrangeTwoWindows(*panel_, parts_);
    setCentralWidget(panel_);
    screen_ = std::make_unique<ScreenSync>(*this);
    board_ = std::make_unique<board::BoardWindow>(game_);
    dealings_ = std::make_unique<DealingsWindows>(game_);
    // While a sale window locks MAIN the computer waits, so that its turn never sees holdings change
    // under it; closing the sale menu is a person's action, after which it goes on.
    computer_ = new ComputerDriver(
        game_, [this] { sync(); }, [this] { return acting_ > 0 || !dealings_->dealings().mainEnabled; },
        this);
    connectTurnControls();
    connectFrames();
    connectDeedViews();
    connectFileButtons();
    connectDealings();
    connectMenus();
    auto* keys = new KeyPlay(game_, *screen_, board_->view(), this);
    keys->watch(*this);
    keys->watch(*board_);
    applyTextSize();
    sync();
}

MainWindow::~MainWindow() { game_.removeObserver(log_); }

template <class F> void MainWindow::act(F&& engineCall) {
    ++acting_;
    engineCall();
    --acting_;
    sync();
    if (acting_ == 0) computer_->resume();
}

void MainWindow::sync() {
    // The board first, so that a window the rules show comes up with MAIN in front of the board.
    board_->refresh();
    board_->setEnabled(dealings_->dealings().mapEnabled);
    setEnabled(dealings_->dealings().mainEnabled);
    screen_->apply(game_);
    menus_->sync(layout_);
    if (wealthWindow_ && wealthWindow_->isVisible())
        wealthWindow_->chart().setHistory(wealth_.upToNow(), game_.state());
    if (game_.screen().visible != isVisible()) setVisible(game_.screen().visible);
}

void MainWindow::newGame(const NewGameSetup& setup) {
    SeatKinds seats{};
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (setup.computer[std::size_t(k)] && setup.strong[std::size_t(k)])
            seats[std::size_t(k)] = StrategyKind::Strong;
    computer_->setSeats(seats);
    wealth_.clear();
    log_.clear();
    logView_->refresh();
    act([&] {
        game_.NewGame(setup);
        // A new game starts at the speed last chosen; the remembered default is the game's own.
        const int speed = settings_->speedOption();
        if (Game::speedOfOption(speed) != game_.state().Speed) game_.OpgSpeed_Click(speed);
    });
    markSaved();
}

void MainWindow::connectTurnControls() {
    auto button = [this](Ctl c) { return static_cast<QAbstractButton*>(screen_->widget(c)); };
    die1_.setParent(this);
    die2_.setParent(this);
    die1_.setObjectName(QStringLiteral("Timer1"));
    die2_.setObjectName(QStringLiteral("Timer2"));
    connect(&die1_, &QTimer::timeout, this, [this] { act([this] { game_.Timer1_Timer(); }); });
    connect(&die2_, &QTimer::timeout, this, [this] { act([this] { game_.Timer2_Timer(); }); });
    connect(button(Ctl::RunButton), &QAbstractButton::clicked, this, [this] {
        act([this] {
            const std::array<int, 2> intervals = game_.RunButton_Click();
            if (intervals[0] <= 0) return;
            die1_.start(intervals[0]);
            die2_.start(intervals[1]);
        });
    });
    connect(button(Ctl::StopButton), &QAbstractButton::clicked, this, [this] {
        die1_.stop();
        die2_.stop();
        act([this] { game_.StopButton_Click(); });
    });
    for (int i = 1; i <= 5; ++i)
        connect(button(nth(Ctl::OpgSpeed1, i)), &QAbstractButton::clicked, this, [this, i] {
            act([this, i] { game_.OpgSpeed_Click(i); });
            settings_->setSpeedOption(i);
        });
    connect(button(Ctl::Command2), &QAbstractButton::clicked, this, &MainWindow::showBoard);
    connect(button(Ctl::ExitButton), &QAbstractButton::clicked, this, [this] {
        if (!confirmLeaving("คุณต้องการจะออกจากเกมแน่นะ")) return;
        rememberWindowPlaces();
        quit_();
    });
    board_->setRunner([this](const std::function<void()>& call) { act(call); });
    connect(board_.get(), &board::BoardWindow::squareReported, this, &MainWindow::showMain);
    connect(board_.get(), &board::BoardWindow::mainRequested, this, &MainWindow::showMain);
}

void MainWindow::connectFrames() {
    for (const FrameButton& b : kFrameButtons) {
        auto* w = static_cast<QAbstractButton*>(screen_->widget(b.control));
        connect(w, &QAbstractButton::clicked, this,
                [this, click = b.click] { act([this, click] { (game_.*click)(); }); });
    }
    auto* check = static_cast<QAbstractButton*>(screen_->widget(Ctl::CheckFreeLand));
    connect(check, &QAbstractButton::clicked, this,
            [this](bool checked) { act([this, checked] { game_.CheckFreeLand_Click(checked); }); });
    auto* combo = static_cast<QComboBox*>(screen_->widget(Ctl::CmbBonus));
    connect(combo, &QComboBox::activated, this,
            [this](int index) { act([this, index] { game_.CmbBonus_Select(index); }); });
}

void MainWindow::connectDeedViews() {
    for (Ctl c : kViewDeedButtons)
        connect(static_cast<QAbstractButton*>(screen_->widget(c)), &QAbstractButton::clicked, this,
                [this] { viewDeed(game_.currentDeed()); });
    connect(static_cast<QAbstractButton*>(screen_->widget(Ctl::ViewDeedButton)), &QAbstractButton::clicked,
            this, &MainWindow::viewSelectedDeed);
    connect(static_cast<QListWidget*>(screen_->widget(Ctl::DeedList)), &QListWidget::itemDoubleClicked, this,
            &MainWindow::viewSelectedDeed);
    connect(board_.get(), &board::BoardWindow::deedRequested, this,
            [this](int deed) { viewDeed(deed, board_.get()); });
}

void MainWindow::connectDealings() {
    for (int k = 1; k <= kMaxPlayers; ++k)
        connect(static_cast<QAbstractButton*>(screen_->widget(nth(Ctl::PlayerButton1, k))),
                &QAbstractButton::clicked, this, [this, k] { dealings_->PlayerButton_Click(k); });
    dealings_->setRunner([this](const std::function<void()>& call) { act(call); });
    dealings_->setDeedOpener([this](int deed) { viewDeed(deed, dealings_->frontWindow()); });
    dealings_->setHome(this);
}

void MainWindow::viewSelectedDeed() {
    // The list holds the deeds in deed order; without a selection nothing opens.
    const int row = ui::chosenRow(static_cast<QListWidget*>(screen_->widget(Ctl::DeedList)));
    if (row >= 0) viewDeed(row + 1);
}

DeedCardWindow& MainWindow::deedCard() {
    if (!deedCard_) deedCard_ = std::make_unique<DeedCardWindow>();
    return *deedCard_;
}

void MainWindow::viewDeed(int deed, QWidget* from) {
    if (deed < 1 || deed > kDeeds) return;
    deedCard().showDeed(game_.state(), deed, from ? from : this);
}

void MainWindow::showBoard() {
    game_.markShown(GameWindow::Board);
    sync();
    board_->raise();
    board_->activateWindow();
}

void MainWindow::showMain() {
    game_.markShown(GameWindow::Main);
    sync();
    raise();
    activateWindow();
}

bool MainWindow::confirmExit(std::string_view text) {
    return ui::showMessage(this, "Confirm exit", text, MsgButtons::OkCancel, MsgIcon::Question) ==
           MsgResult::Ok;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (leaving_ || confirmLeaving("จะออกจากเกมแน่รึเปล่า")) {
        if (!leaving_) rememberWindowPlaces();
        leaving_ = true;
        e->accept();
        quit_();
    } else {
        e->ignore();
    }
}

MsgResult MainWindow::messageBox(std::string_view title, std::string_view text, MsgButtons buttons,
                                 MsgIcon icon) {
    // What led to the message is on screen before the message itself.
    sync();
    if (quiet_ && buttons == MsgButtons::Ok && computer_ && computer_->stepping()) {
        log_.note(game_.state().NV, text);
        statusBar()->showMessage(ui::qs(text));
        return MsgResult::Ok;
    }
    // While a sale window locks MAIN, the person works in that window: the box stands over it
    // rather than over the locked MAIN.
    QWidget* owner = isEnabled() ? this : dealings_->frontWindow();
    return ui::showMessage(owner, title, text, buttons, icon);
}

void MainWindow::hidePlayerForm() { dealings_->hidePlayerForm(); }

void MainWindow::showWindow(GameWindow window) {
    if (window == GameWindow::Board)
        showBoard();
    else
        showMain();
}

void MainWindow::computerTurnReady() {
    // The turn starts from the event loop; until then no person's click may start the dice for it.
    game_.lockTurnButtons();
    computer_->requestTurn();
}

} // namespace tavorin::app
