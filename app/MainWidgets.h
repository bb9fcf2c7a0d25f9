// Builds every control of the main window, each with its caption and the objectName the game uses
// for it, and lays them out. The window's behaviour lives in
// MainWindow; the binding to the rules in ScreenSync.
#pragma once

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

// The main window of its own, three columns beside the board's window. Replaces any layout `root` had.
void arrangeTwoWindows(QWidget& root, const MainParts& parts);

} // namespace tavorin::app
