#include "board/BoardPainter.h"

#include <cmath>

#include <QPainter>

#include "engine/Text.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/TextFit.h"
#include "ui/ThaiFont.h"
#include "ui/Twips.h"

namespace tavorin::board {

namespace {
constexpr int kNameFont = 165;      // twips
constexpr double kLabelMargin = 12; // twips between a label's edge and its ink

void paintLabel(QPainter& p, const BoardLabel& l) {
    const QRectF r = ui::rectF(l.rect);
    if (l.background.isValid()) p.fillRect(r, l.background);
    p.setPen(l.textColour);
    ui::drawFittedText(p, r, l.text, ui::thaiPixelFont(l.fontTwips, l.bold), kLabelMargin, l.minScale);
}

BoardLabel caption(const CaptionLabel& c) {
    const QString text = ui::qs(c.text);
    switch (c.colours) {
    case CaptionLabel::Colours::YellowOnMagenta: return {c.rect, text, Qt::yellow, Qt::magenta, 165, true};
    case CaptionLabel::Colours::YellowOnTeal:
        return {c.rect, text, Qt::yellow, QColor(0, 128, 128), 165, true};
    case CaptionLabel::Colours::BlueOnGreen: break;
    }
    return {c.rect, text, Qt::blue, Qt::green, 165, true};
}

} // namespace

std::vector<BoardLabel> boardLabels(const GameState& s, const BoardLook& look) {
    std::vector<BoardLabel> labels;
    for (const CaptionLabel& c : kCaptionLabels) labels.push_back(caption(c));
    for (int d = 1; d <= kDeeds; ++d) {
        const DeedRecord& deed = s.deed(d);
        // Players' names may be 20 characters long: they shrink, then end in an ellipsis.
        if (ownerShown(deed))
            labels.push_back({ownerLabelRect(d), ui::qs(s.player(deed.Owner).Name), Qt::black, Qt::cyan, 150,
                              false, 0.65});
        if (look.namesShown) {
            labels.push_back({nameLabelRect(d, look.nameWidth[std::size_t(d)]), ui::qs(deed.Name), Qt::black,
                              QColor(224, 224, 224), kNameFont, false, 0.8});
            labels.push_back({priceLabelRect(d), ui::qs(numberText(deed.Price)), QColor(255, 128, 0),
                              QColor(255, 255, 255, 200), 165, false});
        }
    }
    // The deed numbers last: a neighbour's price label reaches a pixel into some of them.
    for (int d = 1; d <= kDeeds; ++d)
        labels.push_back({numberLabelRect(d), QString::number(d), Qt::yellow, Qt::blue, 165, true, 0.6});
    return labels;
}

QRectF labelInk(const BoardLabel& l) {
    const QRectF r = ui::rectF(l.rect);
    const ui::FittedText fit =
        ui::fitText(l.text, ui::thaiPixelFont(l.fontTwips, l.bold), r.size(), kLabelMargin, l.minScale);
    return fit.ink.translated(r.topLeft());
}

int nameLabelWidth(const QString& name) {
    const Rect design = nameLabelRect(1);
    // Wide enough for the name at the smallest size the label allows; never narrower than designed.
    const double needed = ui::fittedWidth(name, ui::thaiPixelFont(int(kNameFont * 0.8)), kLabelMargin) + 2;
    return std::max(design.width, int(std::ceil(needed / 15.0)) * 15);
}

void paintTokens(QPainter& p, const BoardScene& sc) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        if (!tokenShown(sc.s, k)) continue;
        const QRectF r = ui::rectF(tokenRect(sc.s, k));
        const QPixmap picture = sc.tokenPicture ? sc.tokenPicture(k) : QPixmap();
        if (picture.isNull())
            ui::drawPicture(p, ui::PictureId::token(k), r);
        else
            p.drawPixmap(r, picture, QRectF(picture.rect()));
    }
}

void paintGround(QPainter& p, const BoardScene& sc) {
    p.fillRect(QRectF(0, 0, kFrame.width, kFrame.height), kBoardColour);
    for (int n = 0; n < kSquares; ++n) paintSquare(p, n, sc.s, !sc.look.namesShown);
    for (const BoardLabel& l : boardLabels(sc.s, sc.look)) paintLabel(p, l);
    for (int d = 1; d <= kDeeds; ++d) {
        const int picture = developmentPicture(sc.s.deed(d));
        if (picture >= 0)
            ui::drawPicture(p, ui::PictureId::development(ui::Development(picture)),
                            ui::rectF(developmentRect(d)));
    }
    if (sc.look.outlinedSquare >= 0 && sc.look.outlinedSquare < kSquares) {
        // Drawn inside the square, so that its neighbours' pictures never cover it.
        constexpr double kWidth = 60;
        const QRectF r = ui::rectF(squareRect(sc.look.outlinedSquare))
                             .adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2);
        p.setPen(QPen(kTargetOutlineColour, kWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

void paintPointers(QPainter& p, const BoardScene& sc) {
    if (sc.screen.arrow1.visible)
        ui::drawPicture(p, ui::PictureId::pointer(1), ui::rectF(pointerRect(sc.screen.arrow1, sc.look.bob1)));
    if (sc.screen.arrow2.visible)
        ui::drawPicture(p, ui::PictureId::pointer(2), ui::rectF(pointerRect(sc.screen.arrow2, sc.look.bob2)));
}

void paintBoard(QPainter& p, const BoardScene& sc) {
    paintGround(p, sc);
    paintTokens(p, sc);
    paintPointers(p, sc);
}

} // namespace tavorin::board
