// Where a window that belongs to another one comes up: over the window it came from, so that the
// person's eyes need not travel to a corner of the screen.
#pragma once

class QWidget;

namespace tavorin::ui {

// Moves `window` so that its centre stands on the centre of `over`, kept inside the screen `over`
// is on. A window not shown yet takes the size it is about to show with first. Without `over`
// nothing moves: the desktop places the window as it always has.
void centreOver(QWidget& window, const QWidget* over);

} // namespace tavorin::ui
