// The text size the player chose reaches every window of the game, not only the main one. A window
// follows it once built: its fonts grow by the scale, and what is placed by hand grows with them,
// so that no text is cut at any size. At a scale of 1 nothing is touched.
#pragma once

#include <functional>

class QWidget;

namespace tavorin::ui {

// The chosen size as a multiple of the size every window was designed at.
double textScale();
// Takes the scale, and gives it at once to every window that follows it.
void setTextScale(double scale);

// `root` (a window, or a part that moves between windows) follows the text size from now on, as it
// stands now being its design: its own font and every font set on a widget under it are scaled;
// every widget placed by hand (in a container without a layout) has its place and size scaled, and
// so does the fixed size of a window, as far as its screen has room; a window sized by its layout
// takes the room its text needs.
// `after` runs after each change with the new scale, for what only the window knows (a picture
// rendered again at its new size).
void followTextScale(QWidget& root, std::function<void(double)> after = {});

} // namespace tavorin::ui
