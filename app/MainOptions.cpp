// MAIN's side of the options: the menus and the remembered window places.
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "board/BoardWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/WealthChart.h"

namespace tavorin::app {

namespace {
const QString kMainPlace = QStringLiteral("MAIN");
const QString kBoardPlace = QStringLiteral("Map");
} // namespace

void MainWindow::connectMenus() {
    menus_ = new MainMenus(*this, *board_);
    board_->addActions(menus_->shortcutActions());
    connect(menus_, &MainMenus::newGameRequested, this, &MainWindow::newGameRequested);
    connect(menus_, &MainMenus::loadGameRequested, this, &MainWindow::startWindowRequested);
    connect(menus_, &MainMenus::aboutRequested, this, &MainWindow::showAbout);
    connect(menus_, &MainMenus::wealthChartRequested, this, &MainWindow::showWealthChart);
}

void MainWindow::setSettings(Settings& settings) {
    settings_ = &settings;
    ownSettings_.reset();
    restoreWindowPlaces();
    sync();
}

void MainWindow::rememberWindowPlaces() {
    settings_->setWindowPlace(kMainPlace, saveGeometry());
    settings_->setWindowPlace(kBoardPlace, board_->saveGeometry());
}

// Without a remembered place a window stands where the desktop puts it, as it always has.
void MainWindow::restoreWindowPlaces() {
    if (const QByteArray place = settings_->windowPlace(kMainPlace); !place.isEmpty()) restoreGeometry(place);
    if (const QByteArray place = settings_->windowPlace(kBoardPlace); !place.isEmpty())
        board_->restoreGeometry(place);
}

void MainWindow::showWealthChart() {
    if (!wealthWindow_) wealthWindow_ = std::make_unique<ui::WealthChartWindow>();
    wealthWindow_->chart().setHistory(wealth_.upToNow(), game_.s);
    wealthWindow_->show();
    wealthWindow_->raise();
    wealthWindow_->activateWindow();
}

void MainWindow::showAbout() {
    ui::showMessage(this, "เกี่ยวกับเกม",
                    "เกมทาวอริน Version 1.6\nเกมซื้อขายที่ดินสำหรับผู้เล่น 2 ถึง 6 คน เป็นคนหรือคอมพิวเตอร์ก็ได้");
}

} // namespace tavorin::app
