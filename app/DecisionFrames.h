// The fourteen decision frames (all captioned "ประกาศ", sharing one place on the main window) and
// the lap-bonus frame.
#pragma once

class QWidget;
class QGroupBox;

namespace tavorin::app {

// A widget holding the fourteen frames on top of each other; only one is ever open.
QWidget* buildDecisionFrames(QWidget* parent);
QGroupBox* buildBonusFrame(QWidget* parent);

} // namespace tavorin::app
