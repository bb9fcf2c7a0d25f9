// The pictures of the winner and hall-of-fame windows, drawn in code at whatever size their image
// boxes have, until the artwork exists.
#pragma once

#include <QPixmap>
#include <QSize>

namespace tavorin::halloffame {

// A golden cup on a plinth under a spray of stars: the winner's picture.
QPixmap trophyPicture(QSize size);
// A three-step podium with the cup on the top step: the list of the ten best.
QPixmap podiumPicture(QSize size);
// A gold medal on its ribbon: one winner's details.
QPixmap medalPicture(QSize size);

} // namespace tavorin::halloffame
