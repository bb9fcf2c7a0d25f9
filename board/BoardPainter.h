// Draws the board in twips: the caller's painter maps twips to pixels.
#pragma once

#include <functional>

#include <QPixmap>

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

void paintBoard(QPainter& p, const BoardScene& scene);
// One square's picture, stretched to its rectangle. A land square's picture carries its name
// unless the board's name labels show it already.
void paintSquare(QPainter& p, int square, const GameState& s, bool landCaption);

} // namespace tavorin::board
