#include "board/BoardPainter.h"

#include <QPainter>

#include "engine/Text.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/ThaiFont.h"
#include "ui/Twips.h"

namespace tavorin::board {

namespace {
struct LabelLook {
    QColor text;
    QColor background; // invalid: transparent
    int fontTwips = 150;
    bool bold = false;
};

void paintLabel(QPainter& p, const Rect& rect, const QString& text, const LabelLook& look) {
    const QRectF r = ui::rectF(rect);
    p.save();
    if (look.background.isValid()) p.fillRect(r, look.background);
    p.setClipRect(r);
    QFont f = ui::thaiPixelFont(look.fontTwips, look.bold);
    // Long names are shrunk a little rather than cut off, as far as they stay legible.
    for (int size = look.fontTwips; size > look.fontTwips * 7 / 10; size -= 8) {
        f.setPixelSize(size);
        if (QFontMetricsF(f).horizontalAdvance(text) <= r.width()) break;
    }
    p.setFont(f);
    p.setPen(look.text);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
    p.restore();
}

LabelLook captionLook(CaptionLabel::Colours c) {
    switch (c) {
    case CaptionLabel::Colours::YellowOnMagenta: return {Qt::yellow, Qt::magenta, 165, true};
    case CaptionLabel::Colours::YellowOnTeal: return {Qt::yellow, QColor(0, 128, 128), 165, true};
    case CaptionLabel::Colours::BlueOnGreen: break;
    }
    return {Qt::blue, Qt::green, 165, true};
}

void paintLabels(QPainter& p, const BoardScene& sc) {
    for (const CaptionLabel& c : kCaptionLabels) paintLabel(p, c.rect, ui::qs(c.text), captionLook(c.colours));
    const LabelLook number{Qt::yellow, Qt::blue, 165, true};
    const LabelLook owner{Qt::black, Qt::cyan, 150, false};
    const LabelLook name{Qt::black, QColor(224, 224, 224), 165, false};
    const LabelLook price{QColor(255, 128, 0), QColor(255, 255, 255, 200), 165, false};
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& deed = sc.s.deed(d);
        paintLabel(p, numberLabelRect(d), QString::number(d), number);
        if (ownerShown(deed)) paintLabel(p, ownerLabelRect(d), ui::qs(sc.s.player(deed.Owner).Name), owner);
        if (sc.look.namesShown) {
            paintLabel(p, nameLabelRect(d), ui::qs(deed.Name), name);
            paintLabel(p, priceLabelRect(d), ui::qs(numberText(deed.Price)), price);
        }
    }
}

void paintTokens(QPainter& p, const BoardScene& sc) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        if (!tokenShown(sc.s, k)) continue;
        const QRectF r = ui::rectF(tokenRect(sc.s, k));
        const QPixmap picture = sc.tokenPicture ? sc.tokenPicture(k) : QPixmap();
        if (picture.isNull())
            ui::paintToken(p, r, k);
        else
            p.drawPixmap(r, picture, QRectF(picture.rect()));
    }
}
} // namespace

void paintBoard(QPainter& p, const BoardScene& sc) {
    p.fillRect(QRectF(0, 0, kFrame.width, kFrame.height), QColor(236, 246, 228));
    for (int n = 0; n < kSquares; ++n) paintSquare(p, n, sc.s, !sc.look.namesShown);
    paintLabels(p, sc);
    for (int d = 1; d <= kDeeds; ++d) {
        const int picture = developmentPicture(sc.s.deed(d));
        if (picture >= 0) ui::paintDevelopment(p, ui::rectF(developmentRect(d)), ui::Development(picture));
    }
    paintTokens(p, sc);
    if (sc.screen.arrow1.visible)
        ui::paintPointer(p, ui::rectF(pointerRect(sc.screen.arrow1, sc.look.bob1)), QColor(230, 40, 40));
    if (sc.screen.arrow2.visible)
        ui::paintPointer(p, ui::rectF(pointerRect(sc.screen.arrow2, sc.look.bob2)), QColor(30, 100, 230));
}

} // namespace tavorin::board
