// The game's Thai typefaces, chosen explicitly from the Thai fonts the game installs (fonts-thai-tlwg)
// so that no other Thai font (a looped one in particular) is picked up by fallback.
#pragma once

#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace tavorin::ui {

// The face of everything but the titles: "Loma", or "Garuda" where Loma is missing.
QString thaiFontFamily();
// A Thai font of the given size in points.
QFont thaiFont(double pointSize, bool bold = false);
// A Thai font sized in pixels of the painter's coordinate system (twips on the board).
QFont thaiPixelFont(int pixelSize, bool bold = false);
// A widget whose text is larger than its window's keeps that size as a multiple of the window's
// text size: setRelativeFont gives it `pointSize` at the window's text size as designed, and
// scaleRelativeFonts gives every such widget under `root` its size at `scale` times that.
void setRelativeFont(QWidget* w, double pointSize, bool bold = false);
void scaleRelativeFonts(QWidget& root, double scale);
// Makes the Thai font the default of every widget.
void useThaiFont(QApplication& app);

// The titles were designed in the classic Thai print faces of the UPC family, which have a small
// body for their point size. The installed TLWG face of the same cut stands in for each, scaled as
// the TLWG font configuration scales it (Kinnari at 0.67 for Angsana and Eucrosia, Garuda at 0.68
// for Browallia, Umpush at 0.65 for Cordia); Qt ignores that scaling, so it is done here. Any other
// family gives the game's UI face at the size asked for.
QFont designFont(const QString& designFamily, double designPointSize, bool bold = false);

// The display face of the large titles: "Kinnari", or "Norasi" where Kinnari is missing.
QString displayFontFamily();

} // namespace tavorin::ui
