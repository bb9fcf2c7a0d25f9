// Board and bar geometry is given in twips: 1440 to the inch, so 15 twips make a pixel at 96 dpi.
// A zoom on top of the screen's resolution lets a window that is resized scale its whole content.
#pragma once

#include <cmath>

#include <QPointF>
#include <QRectF>

#include "engine/Board.h"

namespace tavorin::ui {

class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0, double zoom = 1.0)
        : pixelsPerTwip_(logicalDpi / 1440.0 * zoom) {}
    double factor() const { return pixelsPerTwip_; }
    double px(double twips) const { return twips * pixelsPerTwip_; }
    int pxRound(double twips) const { return int(std::lround(twips * pixelsPerTwip_)); }
    double twips(double pixels) const { return pixels / pixelsPerTwip_; }
    QPointF toPixels(QPointF t) const { return t * pixelsPerTwip_; }
    QPointF toTwips(QPointF p) const { return p / pixelsPerTwip_; }
    QRectF toPixels(const Rect& r) const { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }

private:
    double pixelsPerTwip_;
};

inline QRectF rectF(const Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

} // namespace tavorin::ui
