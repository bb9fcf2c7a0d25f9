#include "board/BoardView.h"

#include <cmath>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "board/BoardPainter.h"
#include "ui/Pictures.h"
#include "ui/Text.h"

namespace tavorin::board {

BoardView::BoardView(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), dpi_(parent ? parent->logicalDpiX() : 96), scale_(dpi_) {
    setObjectName(QStringLiteral("Frame1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(1.0);
}

void BoardView::setZoom(double zoom) {
    zoom_ = zoom;
    scale_ = ui::TwipScale(dpi_, zoom);
    resize(scale_.pxRound(kFrame.width), scale_.pxRound(kFrame.height));
    update();
}

QPoint BoardView::toPixels(int xTwips, int yTwips) const {
    return scale_.toPixels(QPointF(xTwips, yTwips)).toPoint();
}

QRect BoardView::toPixels(const Rect& r) const { return scale_.toPixels(r).toRect(); }

QPixmap BoardView::tokenPicture(int player) {
    const GameState& s = game_.state();
    if (s.LP[std::size_t(player)] != kTrue || s.LPName[std::size_t(player)].empty()) return {};
    const QString path = ui::qs(s.LPName[std::size_t(player)]);
    auto it = pictures_.find(path);
    if (it == pictures_.end()) it = pictures_.insert(path, QPixmap(path)); // a null pixmap when unreadable
    return it.value();
}

void BoardView::paintEvent(QPaintEvent*) {
    BoardScene scene{game_.state(), game_.boardScreen(), look_, [this](int k) { return tokenPicture(k); }};
    QPainter p(this);
    p.drawPixmap(0, 0, still_.pixmap(scene, size(), devicePixelRatioF(), scale_.factor()));
    prepareBoardPainter(p, scale_.factor());
    paintTokens(p, scene);
    paintPointers(p, scene);
    if (drag_) {
        p.resetTransform();
        const QRectF icon(drag_->cursor - QPointF(16, 16), QSizeF(32, 32));
        const QPixmap own = tokenPicture(drag_->player);
        if (own.isNull())
            p.drawPixmap(icon.topLeft(), ui::tokenDragIcon(drag_->player));
        else
            p.drawPixmap(icon, own, QRectF(own.rect()));
    }
}

Item BoardView::itemUnder(QPointF pixel) const {
    if (childAt(pixel.toPoint())) return {};
    const QPointF t = twipsAt(pixel);
    return itemAt(game_.state(), game_.boardScreen(), look_, int(std::floor(t.x())), int(std::floor(t.y())));
}

bool BoardView::lift(int k) {
    bool movable = false;
    runner_([&] { movable = game_.PressToken(k); });
    // Only the square the player stands on takes the token.
    if (movable) look_.outlinedSquare = game_.state().player(k).Position;
    update();
    return movable;
}

void BoardView::putDown(int k, int x, int y, int pox, int poy) {
    look_.outlinedSquare = -1;
    const int square = game_.state().player(k).Position;
    Drop drop = Drop::Refused;
    runner_([&] { drop = game_.DropToken(k, square, x, y, pox, poy); });
    update();
    if (drop == Drop::Reported) emit squareReported();
}

bool BoardView::carryCurrentToken() {
    const GameState& s = game_.state();
    const int k = s.NV;
    if (drag_ || !isEnabled() || !validPlayer(k) || !s.tokenDue() || s.gameOver) return false;
    if (!lift(k)) return false;
    // Set down in the middle of the square, held by its middle.
    const Rect box = squareRect(s.player(k).Position);
    putDown(k, box.width / 2, box.height / 2, kTokenSize / 2, kTokenSize / 2);
    return true;
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    if (childAt(e->position().toPoint())) return;
    const QPointF at = twipsAt(e->position());
    const int x = int(std::floor(at.x())), y = int(std::floor(at.y()));
    if (clickToMove_ && game_.state().tokenDue() && validPlayer(game_.state().NV) &&
        onOwnSquare(game_.state(), game_.state().NV, x, y)) {
        carryCurrentToken();
        return;
    }
    const int k = tokenToLift(game_.state(), x, y);
    if (k == 0 || !lift(k)) return;
    // The grab point is kept in whole twips, a half going to the even neighbour.
    const Rect token = tokenRect(game_.state(), k);
    drag_ = Drag{k, int(std::nearbyint(at.x() - token.left)), int(std::nearbyint(at.y() - token.top)),
                 e->position()};
    setMouseTracking(true);
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
    if (!drag_) return;
    drag_->cursor = e->position();
    update();
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    if (!drag_) return;
    const Drag drag = *drag_;
    drag_.reset();
    setMouseTracking(false);
    look_.outlinedSquare = -1;
    update();
    const QPointF t = twipsAt(e->position());
    if (!onOwnSquare(game_.state(), drag.player, int(std::floor(t.x())), int(std::floor(t.y())))) return;
    const Rect box = squareRect(game_.state().player(drag.player).Position); // onOwnSquare checked the player
    putDown(drag.player, int(std::nearbyint(t.x())) - box.left, int(std::nearbyint(t.y())) - box.top,
            drag.pox, drag.poy);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* e) {
    const Item item = itemUnder(e->position());
    if (item.kind != ItemKind::Square) return;
    const int deed = kSquareTable[std::size_t(item.index)].deed;
    if (deed != 0) emit deedRequested(deed);
}

bool BoardView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const Item item = itemUnder(help->pos());
    QString tip;
    if (item.kind == ItemKind::Token) {
        tip = ui::qs(game_.state().tokenToolTip[std::size_t(item.index)]);
    } else if (item.kind == ItemKind::Square) {
        const int deed = kSquareTable[std::size_t(item.index)].deed;
        tip = deed != 0 ? ui::qs(game_.state().deed(deed).Name) : ui::qs(specialSquareToolTip(item.index));
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

} // namespace tavorin::board
