// The game's small pictures, drawn in code at whatever size the caller's rectangle has: tokens,
// die faces, the development pictures of land and the two pointers.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace tavorin::ui {

// Six colours that stay distinct next to each other and on every square.
QColor tokenColour(int player);
void paintToken(QPainter& p, const QRectF& r, int player);
QPixmap tokenDragIcon(int player); // 32 x 32 pixels

void paintDieFace(QPainter& p, const QRectF& r, int face);
QPixmap dieFacePixmap(int face, int sizePx);

// What stands on a piece of land: 0..4 houses, a tower, or the mortgage mark.
enum class Development { Houses0, Houses1, Houses2, Houses3, Houses4, Tower, Mortgaged };
void paintDevelopment(QPainter& p, const QRectF& r, Development d);

// A pointer aiming down and to the right, at what lies just below its lower right corner.
void paintPointer(QPainter& p, const QRectF& r, const QColor& colour);

} // namespace tavorin::ui
