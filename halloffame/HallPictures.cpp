#include "halloffame/HallPictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/Pictures.h"

namespace tavorin::halloffame {

namespace {

const QColor kGoldLight(255, 236, 140);
const QColor kGold(232, 182, 40);
const QColor kGoldDark(150, 100, 10);

// Everything is drawn on a 100 x 100 canvas, centred in the picture and scaled to fit it.
void fitCanvas(QPainter& p, QSize size) {
    const double side = std::min(size.width(), size.height());
    p.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
    p.scale(side / 100.0, side / 100.0);
}

QPixmap blank(QSize size, const QColor& inner, const QColor& outer) {
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    QRadialGradient glow(pm.rect().center(), std::max(pm.width(), pm.height()) * 0.7);
    glow.setColorAt(0, inner);
    glow.setColorAt(1, outer);
    p.fillRect(pm.rect(), glow);
    return pm;
}

QBrush goldBrush(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, kGoldDark);
    g.setColorAt(0.35, kGoldLight);
    g.setColorAt(0.7, kGold);
    g.setColorAt(1, kGoldDark);
    return g;
}

void star(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.42;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

// The cup with its handles, standing on `baseY`, `width` wide at the rim.
void cup(QPainter& p, double centreX, double rimY, double baseY, double width) {
    const double half = width / 2;
    const double bowlBottom = rimY + (baseY - rimY) * 0.55;
    // Handles first, so that the bowl covers their inner ends.
    p.setPen(QPen(kGold, width * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centreX - half - width * 0.22, rimY + width * 0.05, width * 0.4, width * 0.4), 90 * 16,
              180 * 16);
    p.drawArc(QRectF(centreX + half - width * 0.18, rimY + width * 0.05, width * 0.4, width * 0.4), 270 * 16,
              180 * 16);

    QPainterPath bowl;
    bowl.moveTo(centreX - half, rimY);
    bowl.lineTo(centreX + half, rimY);
    bowl.cubicTo(centreX + half, bowlBottom - width * 0.05, centreX + width * 0.2, bowlBottom,
                 centreX + width * 0.08, bowlBottom + width * 0.04);
    bowl.lineTo(centreX - width * 0.08, bowlBottom + width * 0.04);
    bowl.cubicTo(centreX - width * 0.2, bowlBottom, centreX - half, bowlBottom - width * 0.05, centreX - half,
                 rimY);
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(goldBrush(centreX - half, centreX + half));
    p.drawPath(bowl);
    // The rim's lip and a highlight down the bowl.
    p.drawEllipse(QRectF(centreX - half, rimY - width * 0.05, width, width * 0.1));
    p.setPen(QPen(QColor(255, 255, 255, 150), width * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centreX - half * 0.55, rimY + width * 0.1),
               QPointF(centreX - half * 0.35, bowlBottom - width * 0.1));

    // Stem and foot.
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(goldBrush(centreX - width * 0.1, centreX + width * 0.1));
    p.drawRect(QRectF(centreX - width * 0.06, bowlBottom + width * 0.04, width * 0.12,
                      baseY - bowlBottom - width * 0.16));
    p.setBrush(goldBrush(centreX - half * 0.6, centreX + half * 0.6));
    p.drawRoundedRect(QRectF(centreX - half * 0.6, baseY - width * 0.13, width * 0.6, width * 0.13), 1.5,
                      1.5);
}

void plinth(QPainter& p, QRectF r) {
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0, QColor(120, 60, 30));
    wood.setColorAt(1, QColor(70, 30, 15));
    p.setPen(QPen(QColor(50, 20, 10), 0.8));
    p.setBrush(wood);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(goldBrush(r.left() + r.width() * 0.25, r.right() - r.width() * 0.25));
    p.drawRect(
        QRectF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.3, r.width() * 0.5, r.height() * 0.4));
}

} // namespace

QPixmap trophyPicture(QSize size) {
    if (QPixmap art = ui::picture({ui::PictureKind::Winner}, size); !art.isNull())
        return art; // the artwork, when there
    QPixmap pm = blank(size, QColor(60, 90, 190), QColor(15, 25, 80));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    fitCanvas(p, pm.size());
    const QColor starColour(255, 240, 170);
    star(p, {16, 18}, 5, starColour);
    star(p, {84, 22}, 4, starColour);
    star(p, {26, 40}, 2.5, starColour);
    star(p, {76, 46}, 3, starColour);
    star(p, {50, 9}, 4, starColour);
    cup(p, 50, 24, 80, 44);
    plinth(p, QRectF(30, 80, 40, 12));
    return pm;
}

QPixmap podiumPicture(QSize size) {
    if (QPixmap art = ui::picture({ui::PictureKind::HallOfFame}, size); !art.isNull())
        return art; // the artwork, when there
    QPixmap pm = blank(size, QColor(255, 245, 200), QColor(215, 170, 80));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    fitCanvas(p, pm.size());
    struct Step {
        double left, top;
        QColor colour;
        const char* rank;
    };
    const Step steps[] = {{8, 70, QColor(170, 170, 185), "2"},
                          {36, 58, QColor(232, 182, 40), "1"},
                          {64, 76, QColor(190, 120, 60), "3"}};
    QFont f = p.font();
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    for (const Step& s : steps) {
        const QRectF r(s.left, s.top, 28, 94 - s.top);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, s.colour.lighter(130));
        g.setColorAt(1, s.colour.darker(130));
        p.setPen(QPen(s.colour.darker(170), 0.8));
        p.setBrush(g);
        p.drawRect(r);
        p.setPen(QColor(255, 255, 255, 220));
        p.drawText(r.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(s.rank));
    }
    cup(p, 50, 22, 58, 26);
    star(p, {22, 52}, 4, QColor(255, 255, 255));
    star(p, {78, 58}, 4, QColor(255, 255, 255));
    return pm;
}

QPixmap medalPicture(QSize size) {
    if (QPixmap art = ui::picture({ui::PictureKind::HallOfFameDetail}, size); !art.isNull())
        return art; // the artwork, when there
    QPixmap pm = blank(size, QColor(235, 245, 255), QColor(160, 190, 225));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    fitCanvas(p, pm.size());
    // The ribbon: two bands crossing behind the medal.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(30, 4), QPointF(44, 4), QPointF(60, 52), QPointF(46, 52)}));
    p.setBrush(QColor(30, 60, 170));
    p.drawPolygon(QPolygonF({QPointF(56, 4), QPointF(70, 4), QPointF(54, 52), QPointF(40, 52)}));
    // The medal and its raised star.
    const QPointF centre(50, 66);
    QRadialGradient g(centre - QPointF(6, 6), 30);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.6, kGold);
    g.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldDark, 1.2));
    p.setBrush(g);
    p.drawEllipse(centre, 24, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 245, 190), 1));
    p.drawEllipse(centre, 19, 19);
    star(p, centre, 13, kGoldDark);
    star(p, centre - QPointF(0.8, 0.8), 12, kGoldLight);
    return pm;
}

} // namespace tavorin::halloffame
