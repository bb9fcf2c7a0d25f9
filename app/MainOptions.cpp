// MAIN's side of the options: the menus and the remembered window places.
#include "app/HelpWindow.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "board/BoardWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

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
    connect(menus_, &MainMenus::helpRequested, this, &MainWindow::showHelp);
    connect(menus_, &MainMenus::clickToMoveChosen, this, [this](bool on) {
        settings_->setClickToMove(on);
        board_->view().setClickToMove(on);
    });
}

void MainWindow::setSettings(Settings& settings) {
    settings_ = &settings;
    ownSettings_.reset();
    restoreWindowPlaces();
    board_->view().setClickToMove(settings_->clickToMove());
    menus_->showClickToMove(settings_->clickToMove());
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

// The rules page stands on its own, so that it stays usable while a sale window locks MAIN.
HelpWindow& MainWindow::helpWindow() {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    return *help_;
}

void MainWindow::showHelp() {
    HelpWindow& help = helpWindow();
    help.show();
    help.raise();
    help.activateWindow();
}

void MainWindow::showAbout() { ui::showMessage(this, "เกี่ยวกับเกม", ui::toUtf8(aboutText())); }

} // namespace tavorin::app
