// Pictures of the setup windows: the default tokens shown beside each player's row, and the opening
// of a picture file chosen for a token.
#pragma once

#include <string>

#include <QPixmap>
#include <QString>

#include "setup/NewGameRules.h"

namespace tavorin::setupui {

// Player k's token as the board draws it, `sizePx` pixels square.
QPixmap defaultTokenPixmap(int player, int sizePx);

// Whether the file at `path` opens as a picture (Missing, NotAPicture or None).
PictureProblem openPictureFile(const std::string& path);

// The picture at `path` fitted into a square of `sizePx` logical pixels, drawn for a screen of
// `devicePixelRatio`; null when it cannot be read.
QPixmap picturePreview(const QString& path, int sizePx, qreal devicePixelRatio = 1.0);

} // namespace tavorin::setupui
