// Builds every control of the main window, each with its caption and the objectName the game uses
// for it, and lays them out in either layout. The window's behaviour lives in MainWindow; the binding
// to the rules in ScreenSync.
#pragma once

#include <QSize>

class QGroupBox;
class QWidget;

namespace tavorin::app {

// Size of one die face on the main window, in pixels at 96 dpi.
inline constexpr int kDieSize = 44;

// The main window's controls in the groups that stay together in every layout.
struct MainParts {
    QGroupBox* names = nullptr;   // Frame1: whose turn it is
    QGroupBox* players = nullptr; // Frame9: the player buttons and their money
    QGroupBox* speed = nullptr;   // SpeedComFrame
    QWidget* dice = nullptr;      // the dice, RunButton, StopButton and the roll's text
    QWidget* status = nullptr;    // the computer's status line and progress bar
    QWidget* windowButtons = nullptr;
    QGroupBox* deeds = nullptr;   // Frame10: the deed list
    QWidget* decisions = nullptr; // the decision frames, one over the other
    QGroupBox* bonus = nullptr;   // BonusFrame
};

// Builds every control as a child of `root`, not yet laid out.
MainParts buildMainWidgets(QWidget& root);

// The main window of its own, three columns beside the board's window. Replaces any layout `root` had;
// a log docked by arrangeOneWindow must have been taken out of `root` first.
void arrangeTwoWindows(QWidget& root, const MainParts& parts, double textScale = 1);
// The board and the controls in one window: the board with the players, the speed and the deed list
// beneath it; the dice, the window's buttons, the question and the bonus beside it. `board` becomes a
// child of `root`, and so does `log`, docked under the question, the two sharing the room the column
// has (shown or hidden as it was). Replaces any layout `root` had.
void arrangeOneWindow(QWidget& root, const MainParts& parts, QWidget& board, QWidget* log = nullptr,
                      double textScale = 1);
// The decision frames' room in the main window of its own, for text `textScale` times as designed.
QSize decisionAreaSize(double textScale);

} // namespace tavorin::app
