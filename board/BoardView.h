// The board's frame: draws the squares, labels, pictures, tokens and pointers from the game state,
// carries a token from square to square with the mouse or at a key, and reports double-clicks on land.
// The drag is made by hand inside this widget: the token stays put while a small icon follows the
// pointer, and releasing the button is the drop.
#pragma once

#include <functional>
#include <optional>

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "board/BoardLayout.h"
#include "board/StillLayer.h"
#include "engine/Game.h"
#include "ui/Twips.h"

namespace tavorin::board {

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(Game& game, QWidget* parent);

    const ui::TwipScale& scale() const { return scale_; }
    // Scales the whole board by `zoom` over its designed size at the screen's resolution, and
    // takes that size; mouse positions map back to twips through the same scale.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // A board point in twips, in this widget's pixels.
    QPoint toPixels(int xTwips, int yTwips) const;
    QRect toPixels(const Rect& r) const;
    BoardLook& look() { return look_; }
    const BoardLook& look() const { return look_; }
    bool dragging() const { return drag_.has_value(); }
    // The player whose token is being carried, 0 when none is.
    int draggedPlayer() const { return drag_ ? drag_->player : 0; }

    // Carries the current player's token onto the square the dice gave him, as a drop there would:
    // false when no move is waiting for a person's hand (or the board is locked).
    bool carryCurrentToken();
    // With this on, a click on that square carries the token there too.
    void setClickToMove(bool on) { clickToMove_ = on; }
    bool clickToMove() const { return clickToMove_; }

    // Runs an engine operation caused by the mouse; the owner wraps it to show its outcome.
    using Runner = std::function<void(const std::function<void()>&)>;
    void setRunner(Runner runner) { runner_ = std::move(runner); }

signals:
    void deedRequested(int deed);
    // The token of the current move was put on its target and the square reported.
    void squareReported();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    struct Drag {
        int player;
        int pox, poy; // where the token was grabbed, twips inside it
        QPointF cursor;
    };
    // The board element under a pixel of this widget; the option frame and the button count as
    // lying on top of the board.
    Item itemUnder(QPointF pixel) const;
    QPointF twipsAt(QPointF pixel) const { return scale_.toTwips(pixel); }
    // Lifts token k as a press on it does; false when it may not be picked up.
    bool lift(int k);
    // Lets token k go at (x, y) inside its player's square, grabbed at (pox, poy) inside it (twips).
    void putDown(int k, int x, int y, int pox, int poy);
    QPixmap tokenPicture(int player);

    Game& game_;
    double dpi_;
    double zoom_ = 1.0;
    ui::TwipScale scale_;
    BoardLook look_;
    std::optional<Drag> drag_;
    bool clickToMove_ = false;
    Runner runner_ = [](const std::function<void()>& call) { call(); };
    QHash<QString, QPixmap> pictures_;
    StillLayer still_;
};

} // namespace tavorin::board
