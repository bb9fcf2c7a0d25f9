#include "board/StillLayer.h"

#include <QPainter>

#include "ui/Pictures.h"

namespace tavorin::board {

void prepareBoardPainter(QPainter& p, double factor) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
}

const QPixmap& StillLayer::pixmap(const BoardScene& scene, QSize size, qreal ratio, double factor) {
    Painted now{scene.screen.groundRevision,
                scene.look.namesShown,
                scene.look.outlinedSquare,
                scene.look.nameWidth,
                size,
                ratio,
                factor,
                ui::picturePath(ui::PictureId::square(0))};
    if (now == painted_ && !pixmap_.isNull()) return pixmap_;
    painted_ = std::move(now);
    // The same pixmap is painted over while its size stands: a new one beside the old would hold
    // the board twice while it is painted.
    if (pixmap_.size() != size * ratio) pixmap_ = QPixmap(size * ratio);
    pixmap_.setDevicePixelRatio(ratio);
    // Where the rounded size of the widget reaches past the board's edge, the board's colour.
    pixmap_.fill(kBoardColour);
    QPainter p(&pixmap_);
    prepareBoardPainter(p, factor);
    paintGround(p, scene);
    return pixmap_;
}

} // namespace tavorin::board
