// MAIN's side of the options: the menus, the remembered window places and the text size.
#include <QAbstractButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

#include "app/GameLogView.h"
#include "app/HelpWindow.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/ScreenSync.h"
#include "board/BoardWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"
#include "ui/WealthChart.h"

namespace tavorin::app {

namespace {
const QString kMainPlace = QStringLiteral("MAIN");
const QString kBoardPlace = QStringLiteral("Map");
const QString kOneWindowPlace = QStringLiteral("OneWindow");
const QString kLogPlace = QStringLiteral("ComReport");
// How the one window's right column is shared between the question and the docked log.
const QString kDockedLogPlace = QStringLiteral("OneWindowLog");
} // namespace

void MainWindow::connectMenus() {
    menus_ = new MainMenus(*this, *board_);
    board_->addActions(menus_->shortcutActions());
    connect(menus_, &MainMenus::newGameRequested, this, &MainWindow::newGameRequested);
    connect(menus_, &MainMenus::loadGameRequested, this, &MainWindow::startWindowRequested);
    connect(menus_, &MainMenus::aboutRequested, this, &MainWindow::showAbout);
    connect(menus_, &MainMenus::helpRequested, this, &MainWindow::showHelp);
    connect(menus_, &MainMenus::quietComputerChosen, this, [this](bool on) {
        settings_->setQuietComputer(on);
        setQuietComputer(on);
    });
    connect(menus_, &MainMenus::clickToMoveChosen, this, [this](bool on) {
        settings_->setClickToMove(on);
        board_->view().setClickToMove(on);
    });
    connect(menus_, &MainMenus::wealthChartRequested, this, &MainWindow::showWealthChart);
    connect(menus_, &MainMenus::layoutRequested, this, &MainWindow::setWindowLayout);
    connect(menus_, &MainMenus::gameLogRequested, this, &MainWindow::showGameLog);
    connect(logView_.get(), &GameLogView::closed, this, [this] {
        settings_->setGameLogShown(false);
        menus_->setGameLogShown(false);
    });
    connect(menus_, &MainMenus::textSizeRequested, this, [this](TextSize size) {
        settings_->setTextSize(size);
        applyTextSize();
    });
}

void MainWindow::setQuietComputer(bool on) {
    quiet_ = on;
    menus_->showQuietComputer(on);
    // The status line exists only while it is used, so that without the option MAIN is as it was.
    if (on)
        statusBar()->setObjectName(QStringLiteral("ComputerStatus"));
    else if (findChild<QStatusBar*>())
        setStatusBar(nullptr);
}

void MainWindow::setSettings(Settings& settings) {
    settings_ = &settings;
    ownSettings_.reset();
    applyTextSize();
    board_->view().setClickToMove(settings_->clickToMove());
    menus_->showClickToMove(settings_->clickToMove());
    setQuietComputer(settings_->quietComputer());
    if (settings_->layout() != layout_)
        setWindowLayout(settings_->layout());
    else
        restoreWindowPlaces();
    if (settings_->gameLogShown()) showGameLog(true);
    sync();
}

void MainWindow::showGameLog(bool shown) {
    settings_->setGameLogShown(shown);
    menus_->setGameLogShown(shown);
    logView_->setVisible(shown);
    if (shown && logView_->isWindow()) logView_->raise();
}

void MainWindow::applyTextSize() {
    const TextSize size = settings_->textSize();
    menus_->showTextSize(size);
    const double scale = settings_->textScale();
    // Every other window of the game takes the size too, those open now and those still to come.
    ui::setTextScale(scale);
    if (scale == textScale_) return;
    textScale_ = scale;
    setFont(ui::thaiFont(10 * scale));
    ui::scaleRelativeFonts(*this, scale);
    arrange();
}

void MainWindow::arrange() {
    const bool docked = layout_ == WindowLayout::OneWindow;
    if (!docked && !logView_->isWindow()) {
        logView_->setParent(nullptr, Qt::Window);
        // Where no place is remembered, it takes its own size again, grown with its text.
        logView_->resize(GameLogView::kWindowSize * textScale_);
    }
    if (docked)
        arrangeOneWindow(*panel_, parts_, *board_, logView_.get(), textScale_);
    else
        arrangeTwoWindows(*panel_, parts_, textScale_);
    logView_->setDocked(docked);
    logView_->setVisible(settings_->gameLogShown());
    // What the rules size and show is set again on the widgets as they now stand.
    if (screen_) screen_->invalidate();
}

void MainWindow::setWindowLayout(WindowLayout layout) {
    settings_->setLayout(layout);
    if (layout == layout_) return;
    rememberWindowPlaces();
    layout_ = layout;
    // The board leaves its window for MAIN's, or MAIN's for a window of its own, hidden either way
    // until the rules' state shows it again.
    if (layout == WindowLayout::OneWindow) {
        board_->setParent(panel_);
    } else {
        board_->setParent(nullptr, Qt::Window);
        // Where no place is remembered, each window takes its own size again.
        board_->resize(board_->designSize());
    }
    arrange();
    // Bringing one window in front of the other means nothing with one window.
    screen_->keepHidden(Ctl::Command2, layout == WindowLayout::OneWindow);
    board_->findChild<QAbstractButton*>(QStringLiteral("Command1"))
        ->setVisible(layout == WindowLayout::TwoWindows);
    if (layout == WindowLayout::TwoWindows) adjustSize();
    restoreWindowPlaces();
    board_->view().setClickToMove(settings_->clickToMove());
    menus_->showClickToMove(settings_->clickToMove());
    setQuietComputer(settings_->quietComputer());
    sync();
}

void MainWindow::rememberWindowPlaces() {
    if (layout_ == WindowLayout::OneWindow) {
        settings_->setWindowPlace(kOneWindowPlace, saveGeometry());
        if (const auto* split = panel_->findChild<QSplitter*>(QStringLiteral("QuestionAndLog")))
            settings_->setWindowPlace(kDockedLogPlace, split->saveState());
        return;
    }
    settings_->setWindowPlace(kMainPlace, saveGeometry());
    settings_->setWindowPlace(kBoardPlace, board_->saveGeometry());
    settings_->setWindowPlace(kLogPlace, logView_->saveGeometry());
}

// Without a remembered place a window stands where the desktop puts it, as it always has; the one
// window, the first time, takes as much of the screen as it has a use for.
void MainWindow::restoreWindowPlaces() {
    if (layout_ == WindowLayout::OneWindow) {
        if (const QByteArray share = settings_->windowPlace(kDockedLogPlace); !share.isEmpty())
            if (auto* split = panel_->findChild<QSplitter*>(QStringLiteral("QuestionAndLog")))
                split->restoreState(share);
        if (const QByteArray place = settings_->windowPlace(kOneWindowPlace); !place.isEmpty())
            if (restoreGeometry(place)) return;
        QSize size = sizeHint().expandedTo(minimumSizeHint());
        if (const QScreen* screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            size = size.boundedTo(room.size()).expandedTo(minimumSizeHint());
            resize(size);
            move(room.center() - rect().center());
        } else {
            resize(size);
        }
        return;
    }
    if (const QByteArray place = settings_->windowPlace(kMainPlace); !place.isEmpty()) restoreGeometry(place);
    if (const QByteArray place = settings_->windowPlace(kBoardPlace); !place.isEmpty())
        board_->restoreGeometry(place);
    if (const QByteArray place = settings_->windowPlace(kLogPlace); !place.isEmpty())
        logView_->restoreGeometry(place);
}

// The rules page stands on its own, so that it stays usable while a sale window locks MAIN.
HelpWindow& MainWindow::helpWindow() {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    return *help_;
}

void MainWindow::showWealthChart() {
    if (!wealthWindow_) wealthWindow_ = std::make_unique<ui::WealthChartWindow>();
    wealthWindow_->chart().setHistory(wealth_.upToNow(), game_.state());
    wealthWindow_->show();
    wealthWindow_->raise();
    wealthWindow_->activateWindow();
}

void MainWindow::showHelp() {
    HelpWindow& help = helpWindow();
    help.show();
    help.raise();
    help.activateWindow();
}

void MainWindow::showAbout() { ui::showMessage(this, "เกี่ยวกับเกม", ui::toUtf8(aboutText())); }

} // namespace tavorin::app
