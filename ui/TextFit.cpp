#include "ui/TextFit.h"

#include <algorithm>
#include <cmath>

#include <QCache>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace tavorin::ui {

namespace {
QFont scaled(const QFont& font, double factor) {
    QFont f = font;
    if (font.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    else
        f.setPointSizeF(std::max(0.5, font.pointSizeF() * factor));
    return f;
}

// The outline of the shaped text: its bounds are the true ink, marks included. Outlining is slow and
// the board asks for the same names at every refresh, hence the cache.
QRectF inkOf(const QString& text, const QFont& font) {
    static QCache<QString, QRectF> cache(4000);
    const QString key = text + QLatin1Char('|') + font.key();
    if (const QRectF* hit = cache.object(key)) return *hit;
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    cache.insert(key, new QRectF(ink));
    return ink;
}

FittedText place(const QString& text, const QFont& font, QSizeF box, double margin, Qt::Alignment align) {
    const QRectF ink = inkOf(text, font);
    double x = box.width() / 2 - ink.center().x();
    if (align & Qt::AlignLeft) x = margin - ink.left();
    if (align & Qt::AlignRight) x = box.width() - margin - ink.right();
    const QPointF origin(x, box.height() / 2 - ink.center().y());
    return {text, font, origin, ink.translated(origin)};
}
} // namespace

FittedText fitText(const QString& text, const QFont& font, QSizeF box, double margin, double minScale,
                   Qt::Alignment align) {
    static QCache<QString, FittedText> cache(2000);
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6|%7")
                            .arg(text, font.key())
                            .arg(box.width())
                            .arg(box.height())
                            .arg(margin)
                            .arg(minScale)
                            .arg(int(align));
    if (const FittedText* hit = cache.object(key)) return *hit;

    const double width = std::max(1.0, box.width() - 2 * margin);
    const double height = std::max(1.0, box.height() - 2 * margin);
    FittedText fit;
    bool found = false;
    for (double factor = 1.0; factor >= minScale - 1e-9; factor -= 0.05) {
        const QFont f = scaled(font, factor);
        const QRectF ink = inkOf(text, f);
        if (ink.width() <= width && ink.height() <= height) {
            fit = place(text, f, box, margin, align);
            found = true;
            break;
        }
    }
    if (!found) {
        // Too wide even at the smallest size: elide at that size; then shrink on until it is low
        // enough, for no mark may be cut.
        QFont f = scaled(font, minScale);
        const QString shown = QFontMetricsF(f).elidedText(text, Qt::ElideRight, width);
        double factor = 1.0;
        while (inkOf(shown, scaled(f, factor)).height() > height && factor > 0.2) factor -= 0.05;
        fit = place(shown, scaled(f, factor), box, margin, align);
    }
    cache.insert(key, new FittedText(fit));
    return fit;
}

void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, double margin,
                    double minScale, Qt::Alignment align) {
    if (text.isEmpty()) return;
    const FittedText fit = fitText(text, font, box.size(), margin, minScale, align);
    p.save();
    p.setFont(fit.font);
    p.drawText(box.topLeft() + fit.origin, fit.text);
    p.restore();
}

double fittedWidth(const QString& text, const QFont& font, double margin) {
    return inkOf(text, font).width() + 2 * margin;
}

void keepLineWhole(QWidget* w) {
    const int line = int(std::ceil(QFontMetricsF(w->font()).height()));
    if (w->height() >= line) return;
    const int grow = line - w->height();
    w->setGeometry(w->x(), w->y() - grow / 2, w->width(), line);
}

} // namespace tavorin::ui
