// Builds every control of the main window, each with its caption and the objectName the game uses
// for it. The window's behaviour lives in MainWindow; the binding to the rules in ScreenSync.
#pragma once

class QWidget;

namespace tavorin::app {

// Size of one die face on the main window, in pixels at 96 dpi.
inline constexpr int kDieSize = 44;

void buildMainWidgets(QWidget& root);

} // namespace tavorin::app
