// The pictures of the 40 squares: the artwork of each place, with the land's name or the tax
// square's words written over its foot. The drawing in code below stands in for a missing artwork
// file.
#include <array>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "board/BoardPainter.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextFit.h"
#include "ui/ThaiFont.h"
#include "ui/Twips.h"

namespace tavorin::board {

namespace {
QColor groupColour(int deed) {
    static const std::array<QColor, 9> colours = {
        QColor(150, 150, 150), QColor(150, 90, 50),  QColor(120, 200, 240),
        QColor(220, 60, 160),  QColor(245, 140, 30), QColor(220, 40, 40),
        QColor(230, 200, 30),  QColor(40, 160, 80),  QColor(40, 70, 190)};
    const DeedData& d = kDeedTable[std::size_t(deed)];
    if (d.landType == LandType::Pair) return QColor(110, 110, 130);
    if (d.landType == LandType::Group) return QColor(200, 150, 30);
    return colours[std::size_t(singleGroupOf(deed))];
}

// Shrinks the font until the text fits on one line of the rectangle, within reason.
void drawFitted(QPainter& p, const QRectF& r, const QString& text, int maxPixel, const QColor& colour,
                bool bold = false) {
    int size = maxPixel;
    QFont f = ui::thaiPixelFont(size, bold);
    while (size > maxPixel * 6 / 10) {
        f.setPixelSize(size);
        if (QFontMetricsF(f).horizontalAdvance(text) <= r.width()) break;
        size -= 8;
    }
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void paintTemple(QPainter& p, const QRectF& r, const QColor& c) {
    QPolygonF roof;
    roof << QPointF(r.left(), r.bottom() - r.height() * 0.45) << QPointF(r.center().x(), r.top())
         << QPointF(r.right(), r.bottom() - r.height() * 0.45);
    p.setBrush(c);
    p.drawPolygon(roof);
    p.setBrush(QColor(250, 245, 230));
    p.drawRect(QRectF(r.left() + r.width() * 0.15, r.bottom() - r.height() * 0.45, r.width() * 0.7,
                      r.height() * 0.45));
    p.setBrush(c.darker(140));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.08, r.bottom() - r.height() * 0.3, r.width() * 0.16,
                      r.height() * 0.3));
}

void paintHills(QPainter& p, const QRectF& r, const QColor& c) {
    QPainterPath hills;
    hills.moveTo(r.bottomLeft());
    hills.lineTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.2);
    hills.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.55);
    hills.lineTo(r.left() + r.width() * 0.72, r.top());
    hills.lineTo(r.bottomRight());
    hills.closeSubpath();
    p.setBrush(c);
    p.drawPath(hills);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.15), r.width() * 0.08,
                  r.width() * 0.08);
}

void paintUtility(QPainter& p, const QRectF& r, bool power) {
    if (power) {
        QPolygonF bolt;
        bolt << QPointF(r.left() + r.width() * 0.55, r.top())
             << QPointF(r.left() + r.width() * 0.25, r.center().y())
             << QPointF(r.center().x(), r.center().y()) << QPointF(r.left() + r.width() * 0.4, r.bottom())
             << QPointF(r.left() + r.width() * 0.78, r.center().y() - r.height() * 0.1)
             << QPointF(r.left() + r.width() * 0.55, r.center().y() - r.height() * 0.1);
        p.setBrush(QColor(250, 220, 0));
        p.drawPolygon(bolt);
    } else {
        QPainterPath drop;
        drop.moveTo(r.center().x(), r.top());
        drop.cubicTo(r.right(), r.center().y(), r.right() - r.width() * 0.1, r.bottom(), r.center().x(),
                     r.bottom());
        drop.cubicTo(r.left() + r.width() * 0.1, r.bottom(), r.left(), r.center().y(), r.center().x(),
                     r.top());
        p.setBrush(QColor(60, 150, 240));
        p.drawPath(drop);
    }
}

void paintChest(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(150, 90, 40));
    p.drawRoundedRect(r.adjusted(0, r.height() * 0.2, 0, 0), r.width() * 0.08, r.width() * 0.08);
    p.setBrush(QColor(120, 70, 30));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.4), r.width() * 0.15,
                      r.width() * 0.15);
    p.setBrush(QColor(250, 210, 40));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.38, r.width(), r.height() * 0.1));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.07, r.top() + r.height() * 0.3, r.width() * 0.14,
                      r.height() * 0.28));
}

void paintDoor(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(0, 110, 120));
    p.drawRoundedRect(r, r.width() * 0.2, r.width() * 0.2);
    p.setPen(QColor(255, 255, 120));
    p.setFont(ui::thaiPixelFont(int(r.height() * 0.7), true));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

void paintBars(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.12));
    p.drawRect(QRectF(r.left(), r.bottom() - r.height() * 0.12, r.width(), r.height() * 0.12));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(r.left() + r.width() * (0.05 + 0.2 * i), r.top(), r.width() * 0.09, r.height()));
}

void paintSunshade(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.15, r.top() + r.height() * 0.2), r.width() * 0.12,
                  r.width() * 0.12);
    QPainterPath shade;
    shade.moveTo(r.left(), r.top() + r.height() * 0.5);
    shade.quadTo(r.left() + r.width() * 0.35, r.top() - r.height() * 0.1, r.left() + r.width() * 0.7,
                 r.top() + r.height() * 0.5);
    shade.closeSubpath();
    p.setBrush(QColor(230, 60, 60));
    p.drawPath(shade);
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(r.left() + r.width() * 0.33, r.top() + r.height() * 0.45, r.width() * 0.05,
                      r.height() * 0.55));
}

void paintCoins(QPainter& p, const QRectF& r) {
    p.setBrush(QColor(240, 190, 30));
    const double h = r.height() / 5;
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(
            QRectF(r.left() + r.width() * 0.2, r.bottom() - h * (i + 1.6), r.width() * 0.6, h * 1.4));
}

void paintStartArrow(QPainter& p, const QRectF& r) {
    QPolygonF arrow;
    const double y = r.center().y(), h = r.height();
    arrow << QPointF(r.left(), y) << QPointF(r.left() + r.width() * 0.35, y - h * 0.5)
          << QPointF(r.left() + r.width() * 0.35, y - h * 0.2) << QPointF(r.right(), y - h * 0.2)
          << QPointF(r.right(), y + h * 0.2) << QPointF(r.left() + r.width() * 0.35, y + h * 0.2)
          << QPointF(r.left() + r.width() * 0.35, y + h * 0.5);
    p.setBrush(QColor(20, 150, 60));
    p.drawPolygon(arrow);
}
QString landName(const GameState& s, int deed) {
    const std::string& name = s.deed(deed).Name;
    return ui::qs(name.empty() ? kDeedTable[std::size_t(deed)].name : std::string_view(name));
}

void paintSquareInCode(QPainter& p, int n, const GameState& s, bool landCaption) {
    const SquareData& sq = kSquareTable[std::size_t(n)];
    const QRectF r = QRectF(sq.box.left, sq.box.top, sq.box.width, sq.box.height).adjusted(8, 8, -8, -8);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QColor background(250, 245, 225);
    QString caption = ui::qs(specialSquareToolTip(n));
    switch (sq.kind) {
    case SquareKind::Start: background = QColor(255, 240, 170); break;
    case SquareKind::Treasure: background = QColor(250, 215, 250); break;
    case SquareKind::Fate: background = QColor(195, 235, 235); break;
    case SquareKind::Dishonest:
        background = n == kJailSquare ? QColor(225, 225, 225) : QColor(255, 215, 205);
        break;
    case SquareKind::Relax: background = QColor(205, 240, 205); break;
    case SquareKind::Tax: background = QColor(255, 235, 205); break;
    case SquareKind::Land:
        background = groupColour(sq.deed).lighter(175);
        caption = landName(s, sq.deed);
        break;
    }
    p.setPen(QPen(QColor(70, 70, 70), 15));
    p.setBrush(background);
    p.drawRoundedRect(r, 60, 60);
    p.setPen(QPen(QColor(60, 60, 60), 8));
    if (sq.kind == SquareKind::Land) {
        const QColor band = groupColour(sq.deed);
        p.setBrush(band);
        p.drawRect(QRectF(r.left(), r.top(), r.width(), 185));
        const QRectF icon(r.left() + 160, r.top() + 230, 420, 320);
        const DeedData& d = kDeedTable[sq.deed];
        if (d.landType == LandType::Group)
            paintTemple(p, icon, band);
        else if (d.landType == LandType::Pair)
            paintUtility(p, icon, sq.deed == kPairDeeds[0]);
        else
            paintHills(p, icon, band.darker(120));
        if (landCaption)
            drawFitted(p, QRectF(r.left() + 10, r.bottom() - 270, r.width() - 20, 260), caption, 165,
                       Qt::black, true);
    } else {
        const QRectF icon(r.center().x() - 260, r.top() + 70, 520, 420);
        switch (sq.kind) {
        case SquareKind::Start: paintStartArrow(p, icon); break;
        case SquareKind::Treasure: paintChest(p, icon); break;
        case SquareKind::Fate: paintDoor(p, icon.adjusted(90, 0, -90, 0)); break;
        case SquareKind::Dishonest: paintBars(p, icon); break;
        case SquareKind::Relax: paintSunshade(p, icon); break;
        case SquareKind::Tax: paintCoins(p, icon); break;
        case SquareKind::Land: break;
        }
        drawFitted(p, QRectF(r.left() + 10, r.bottom() - 300, r.width() - 20, 290), caption, 165,
                   QColor(40, 40, 40), true);
    }
    p.restore();
}

} // namespace

void paintSquare(QPainter& p, int n, const GameState& s, bool landCaption) {
    const SquareData& sq = kSquareTable[std::size_t(n)];
    const QRectF box = ui::rectF(sq.box);
    if (!ui::drawPicture(p, ui::PictureId::square(n), box)) {
        paintSquareInCode(p, n, s, landCaption);
        return;
    }
    QString caption;
    if (sq.kind == SquareKind::Land && landCaption) caption = landName(s, sq.deed);
    if (sq.kind == SquareKind::Tax) caption = ui::qs(specialSquareToolTip(n));
    if (caption.isEmpty()) return;
    // A pale strip across the foot of the picture keeps the words readable over any drawing.
    const QRectF strip(box.left() + 24, box.bottom() - 250, box.width() - 48, 226);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250, 225));
    p.drawRoundedRect(strip, 40, 40);
    p.setPen(QColor(40, 30, 25));
    ui::drawFittedText(p, strip, caption, ui::thaiPixelFont(165, true), 15, 0.6);
    p.restore();
}

} // namespace tavorin::board
