#include "ui/WindowPlace.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

namespace tavorin::ui {

void centreOver(QWidget& window, const QWidget* over) {
    if (!over) return;
    // show() gives a window that was never resized its preferred size; take it now, so that the
    // centre is the centre of what is about to be seen.
    // Left unmarked as resized, as show() leaves it, so that the window keeps following its contents.
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
        window.setAttribute(Qt::WA_Resized, false);
    }
    // The frame the desktop draws round a window is only known once it has been shown; until then
    // it is taken to be as wide as the frame round `over`.
    QSize frame = window.frameGeometry().size();
    if (!window.isVisible() && over->isVisible())
        frame = window.size() + (over->frameGeometry().size() - over->size());
    QPoint topLeft = over->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2);
    if (const QScreen* screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(
            std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - frame.width() + 1)));
        topLeft.setY(
            std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1)));
    }
    window.move(topLeft);
}

} // namespace tavorin::ui
