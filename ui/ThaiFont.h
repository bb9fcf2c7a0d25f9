// The game's Thai typeface, chosen explicitly from the Thai fonts the game installs (fonts-thai-tlwg)
// so that no other Thai font (a looped one in particular) is picked up by fallback.
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace tavorin::ui {

// "Loma", or "Garuda" where Loma is missing.
QString thaiFontFamily();
// A Thai font of the given size in points.
QFont thaiFont(double pointSize, bool bold = false);
// A Thai font sized in pixels of the painter's coordinate system (twips on the board).
QFont thaiPixelFont(int pixelSize, bool bold = false);
// Makes the Thai font the default of every widget.
void useThaiFont(QApplication& app);

} // namespace tavorin::ui
