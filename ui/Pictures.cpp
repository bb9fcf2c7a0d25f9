#include "ui/Pictures.h"

#include <array>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "ui/ThaiFont.h"

namespace tavorin::ui {

QColor tokenColour(int player) {
    static const std::array<QColor, 7> colours = {
        QColor(128, 128, 128), QColor(220, 30, 40),  QColor(30, 90, 220),  QColor(20, 160, 60),
        QColor(245, 150, 0),   QColor(140, 50, 190), QColor(0, 170, 180)};
    return (player >= 1 && player <= 6) ? colours[std::size_t(player)] : colours[0];
}

void paintToken(QPainter& p, const QRectF& r, int player) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = r.width();
    const QRectF disc = r.adjusted(w * 0.06, w * 0.06, -w * 0.06, -w * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(disc.translated(w * 0.04, w * 0.04));
    QRadialGradient shade(disc.center() - QPointF(w * 0.15, w * 0.15), w * 0.6);
    shade.setColorAt(0, tokenColour(player).lighter(150));
    shade.setColorAt(1, tokenColour(player));
    p.setBrush(shade);
    p.setPen(QPen(Qt::white, w * 0.07));
    p.drawEllipse(disc);
    QFont f = thaiPixelFont(std::max(1, int(w * 0.5)), true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, QString::number(player));
    p.restore();
}

QPixmap tokenDragIcon(int player) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setOpacity(0.8);
    paintToken(p, QRectF(0, 0, 32, 32), player);
    return pm;
}

void paintDieFace(QPainter& p, const QRectF& r, int face) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = r.width();
    const QRectF body = r.adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, w * 0.03)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, w * 0.15, w * 0.15);
    // Pip positions on a 3 x 3 grid, numbered row by row from 0 to 8.
    static const std::array<std::array<int, 7>, 7> pips = {{
        {},
        {4, -1},
        {0, 8, -1},
        {0, 4, 8, -1},
        {0, 2, 6, 8, -1},
        {0, 2, 4, 6, 8, -1},
        {0, 2, 3, 5, 6, 8, -1},
    }};
    const bool valid = face >= 1 && face <= 6;
    p.setPen(Qt::NoPen);
    p.setBrush(face == 1 ? QColor(200, 0, 0) : QColor(20, 20, 20));
    const double cell = body.width() / 4.0;
    const double radius = body.width() * (face == 1 ? 0.12 : 0.09);
    for (int i = 0; valid && i < 7 && pips[std::size_t(face)][std::size_t(i)] >= 0; ++i) {
        const int at = pips[std::size_t(face)][std::size_t(i)];
        const QPointF c(body.left() + cell * (1 + at % 3), body.top() + cell * (1 + at / 3));
        p.drawEllipse(c, radius, radius);
    }
    p.restore();
}

QPixmap dieFacePixmap(int face, int sizePx) {
    QPixmap pm(sizePx, sizePx);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paintDieFace(p, QRectF(0, 0, sizePx, sizePx), face);
    return pm;
}

namespace {
void paintHouse(QPainter& p, const QRectF& r) {
    QPolygonF roof;
    roof << QPointF(r.left(), r.top() + r.height() * 0.45) << QPointF(r.center().x(), r.top())
         << QPointF(r.right(), r.top() + r.height() * 0.45);
    p.setBrush(QColor(40, 150, 60));
    p.drawRect(QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.45, r.width() * 0.76,
                      r.height() * 0.55));
    p.setBrush(QColor(200, 40, 30));
    p.drawPolygon(roof);
}

void paintTower(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.25, r.top() + r.height() * 0.05, r.width() * 0.5, r.height() * 0.95);
    p.setBrush(QColor(40, 70, 170));
    p.drawRect(body);
    p.setBrush(QColor(255, 230, 120));
    const double ww = body.width() * 0.22, wh = body.height() * 0.1;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRect(QRectF(body.left() + body.width() * (0.18 + 0.42 * col), body.top() + body.height() * (0.1 + 0.2 * row),
                              ww, wh));
}

void paintFlag(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.1, r.width() * 0.08, r.height() * 0.85));
    QPolygonF flag;
    flag << QPointF(r.left() + r.width() * 0.38, r.top() + r.height() * 0.1)
         << QPointF(r.left() + r.width() * 0.9, r.top() + r.height() * 0.28)
         << QPointF(r.left() + r.width() * 0.38, r.top() + r.height() * 0.46);
    p.setBrush(QColor(230, 40, 40));
    p.drawPolygon(flag);
}

void paintMortgageMark(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(r.adjusted(r.width() * 0.05, r.height() * 0.05, -r.width() * 0.05, -r.height() * 0.05));
    p.setPen(Qt::white);
    p.setFont(thaiPixelFont(std::max(1, int(r.height() * 0.5)), true));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("จ."));
}
} // namespace

void paintDevelopment(QPainter& p, const QRectF& r, Development d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(r, r.width() * 0.12, r.width() * 0.12);
    p.setPen(QPen(QColor(30, 30, 30), r.width() * 0.03));
    const QRectF inner = r.adjusted(r.width() * 0.06, r.height() * 0.06, -r.width() * 0.06, -r.height() * 0.06);
    const int houses = int(d);
    switch (d) {
    case Development::Houses0: paintFlag(p, inner); break;
    case Development::Tower: paintTower(p, inner); break;
    case Development::Mortgaged:
        p.setPen(Qt::NoPen);
        paintMortgageMark(p, inner);
        break;
    default: {
        // One to four houses on a 2 x 2 grid, filled row by row.
        const double hw = inner.width() / 2, hh = inner.height() / 2;
        for (int i = 0; i < houses; ++i)
            paintHouse(p, QRectF(inner.left() + hw * (i % 2), inner.top() + hh * (i / 2), hw, hh).adjusted(1, 1, -1, -1));
    }
    }
    p.restore();
}

void paintPointer(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn pointing right along x, then turned 45 degrees to aim at the lower right corner.
    const double len = r.width() * 1.25;
    QPainterPath arrow;
    const double shaft = len * 0.14, head = len * 0.34, headLen = len * 0.38;
    arrow.moveTo(0, -shaft / 2);
    arrow.lineTo(len - headLen, -shaft / 2);
    arrow.lineTo(len - headLen, -head / 2);
    arrow.lineTo(len, 0);
    arrow.lineTo(len - headLen, head / 2);
    arrow.lineTo(len - headLen, shaft / 2);
    arrow.lineTo(0, shaft / 2);
    arrow.closeSubpath();
    p.translate(r.topLeft() + QPointF(r.width() * 0.06, r.height() * 0.06));
    p.rotate(45);
    p.scale(0.88 * r.width() / len * 1.41, 0.88 * r.width() / len * 1.41);
    p.setPen(QPen(Qt::white, len * 0.03));
    p.setBrush(colour);
    p.drawPath(arrow);
    p.restore();
}

} // namespace tavorin::ui
