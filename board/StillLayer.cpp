#include "board/StillLayer.h"

#include <QPainter>

#include "ui/Pictures.h"
#include "ui/Text.h"

namespace tavorin::board {

namespace {
// Everything the ground is painted from, as one text: it is painted again only when this changes.
std::string groundState(const BoardScene& sc, QSize size, qreal ratio, double factor) {
    StateText key;
    const GameState& s = sc.s;
    // The owners' names stand on their deeds.
    for (int k = 1; k <= kMaxPlayers; ++k) key.add(s.player(k).Name);
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = s.deed(d);
        for (int v : {int(D.Owner), int(D.Houses), int(D.Towers), int(D.Mortgaged), int(D.Price),
                      sc.look.nameWidth[std::size_t(d)]})
            key.add(v);
        key.add(D.Name);
    }
    for (int v : {int(sc.look.namesShown), sc.look.outlinedSquare, size.width(), size.height()}) key.add(v);
    key.add(std::to_string(ratio));
    key.add(std::to_string(factor));
    // The artwork's folder: tests and artists switch it while the board is up.
    key.add(ui::toUtf8(ui::picturePath(ui::PictureId::square(0))));
    return key.take();
}
} // namespace

void prepareBoardPainter(QPainter& p, double factor) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
}

const QPixmap& StillLayer::pixmap(const BoardScene& scene, QSize size, qreal ratio, double factor) {
    std::string key = groundState(scene, size, ratio, factor);
    if (key == painted_ && !pixmap_.isNull()) return pixmap_;
    painted_ = std::move(key);
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
