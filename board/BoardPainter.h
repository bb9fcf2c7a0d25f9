// Draws the board in twips: the caller's painter maps twips to pixels.
#pragma once

#include <functional>
#include <vector>

#include <QColor>
#include <QPixmap>
#include <QString>

#include "board/BoardLayout.h"

class QPainter;

namespace tavorin::board {

struct BoardScene {
    const GameState& s;
    const BoardScreen& screen;
    const BoardLook& look;
    // The picture a player chose for his token, or a null pixmap for the default token.
    std::function<QPixmap(int player)> tokenPicture;
};

// A label as the board paints it: a box, maybe filled, with its text fitted inside.
struct BoardLabel {
    Rect rect;
    QString text;
    QColor textColour;
    QColor background; // invalid: transparent
    int fontTwips = 150;
    bool bold = false;
    double minScale = 0.7; // how far the text may shrink to fit across before it is elided
};
// Every label the board shows, in the order they are painted: later ones lie on top.
std::vector<BoardLabel> boardLabels(const GameState& s, const BoardLook& look);
// Where a label's text puts ink, in twips.
QRectF labelInk(const BoardLabel& label);

// The board's own colour, around and between the squares.
inline const QColor kBoardColour{236, 246, 228};
// The outline of the square a carried token is meant for: the blue of the pointer that shows it.
inline const QColor kTargetOutlineColour{0, 70, 255};

// The board in three layers, each over the one before: the ground (the squares, their labels and
// buildings, the outline of a carried token's square), the tokens, and the two pointers.
void paintGround(QPainter& p, const BoardScene& scene);
void paintTokens(QPainter& p, const BoardScene& scene);
void paintPointers(QPainter& p, const BoardScene& scene);
// All three.
void paintBoard(QPainter& p, const BoardScene& scene);
// The width in twips a deed's name label takes to show `name` whole: the designed width, or more,
// spreading evenly to both sides, for a long name.
int nameLabelWidth(const QString& name);
// One square's picture, stretched to its rectangle. A land square's picture carries its name
// unless the board's name labels show it already.
void paintSquare(QPainter& p, int square, const GameState& s, bool landCaption);

} // namespace tavorin::board
