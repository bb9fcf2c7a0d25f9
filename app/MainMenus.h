// The main window's menu bar: เกม, มุมมอง, ตัวเลือก and ช่วยเหลือ, with the desktop's shortcuts.
// An entry that stands for a button clicks that button, and is enabled only while the button is, so
// that the menu does exactly what the button does and refuses exactly what it refuses. Entries
// without a button report through the signals below. Every entry has an objectName, so that a test
// finds it.
#pragma once

#include <utility>
#include <vector>

#include <QList>
#include <QObject>

#include "app/Settings.h"

class QAbstractButton;
class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace tavorin::app {

class MainMenus : public QObject {
    Q_OBJECT
public:
    // `window` holds the menu bar and the main window's buttons; `board` the name/price options.
    MainMenus(QMainWindow& window, QWidget& board);

    // Every entry with a shortcut, to be offered on the board's window as well, so that its
    // shortcuts work there too.
    QList<QAction*> shortcutActions() const;

    // Shows whether a click on the target square moves the token.
    void showClickToMove(bool on);
    void showQuietComputer(bool on);

    // Brings the entries up to date with their buttons and with the layout in force; does nothing
    // when neither has changed since the last call.
    void sync(WindowLayout layout);
    // Checks the entry of the text size in force.
    void showTextSize(TextSize size);

    // The game log's entry shows whether the log is shown.
    void setGameLogShown(bool shown);

signals:
    // Leaving this game for the start window, to begin another or to load one.
    void newGameRequested();
    void loadGameRequested();
    void helpRequested();
    void aboutRequested();
    void clickToMoveChosen(bool on);
    void quietComputerChosen(bool on);
    void wealthChartRequested();
    void textSizeRequested(TextSize size);
    void layoutRequested(WindowLayout layout);
    void gameLogRequested(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* add(QMenu* menu, const char* objectName, const char* text);
    // The entry clicks `button` of `owner`, found by its objectName.
    QAction* bind(QMenu* menu, QWidget& owner, const char* objectName, const char* text, const char* button);
    // The entry is enabled only while `button` is.
    void follow(QAction* action, QAbstractButton* button);
    // A change of the button's enabled or checked state, or of the entry's check, calls for a sync.
    void watch(QAbstractButton* button);
    void watch(QAction* action);

    QMenu* game_;
    QMenu* view_;
    QMenu* options_;
    QMenu* help_;
    QAction* names_ = nullptr;
    QAction* gameLog_ = nullptr;
    QAction* boardWindow_ = nullptr;
    QAction* clickToMove_ = nullptr;
    QAction* quietComputer_ = nullptr;
    QAction* oneWindow_ = nullptr;
    QAction* twoWindows_ = nullptr;
    QAbstractButton* showNames_ = nullptr;
    std::vector<std::pair<QAction*, TextSize>> textSizes_;
    std::vector<std::pair<QAction*, QAbstractButton*>> bound_;
    bool stale_ = true;
    WindowLayout shownLayout_ = WindowLayout::TwoWindows;
};

} // namespace tavorin::app
