// Pictures of the board for the rules page, painted by the board's own painter and artwork, so that
// they always look like the board the player has in front of him.
#pragma once

#include <QImage>

#include "ui/Pictures.h"

namespace tavorin::board {

// A board in the middle of a game, `width` pixels wide: three players, land bought and built on,
// one piece mortgaged, and the first player's move shown by both pointers.
QImage exampleBoardPicture(int width);

// One of the board's pictures alone, `size` pixels square.
QImage boardPiece(ui::PictureId id, int size);

} // namespace tavorin::board
