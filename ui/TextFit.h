// Thai text in small fixed boxes. A Thai line's vowels and tone marks stack above and below the
// consonants, up to the very edge of the font's line box; a box lower than that line box cuts them
// off if the text is placed by its line box. These place the text by its ink instead.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QWidget;

namespace tavorin::ui {

struct FittedText {
    QString text;   // the text, elided with "…" when even the smallest size is too wide
    QFont font;     // the size chosen
    QPointF origin; // where its baseline starts, relative to the box's top left
    QRectF ink;     // the ink it covers, relative to the box's top left
};

// The largest size of `font`, down to `minScale` of it, at which `text` fits across `box` (less a
// margin of `margin` on every side), and the place that centres its ink in the box. The ink never
// leaves the box: a text too tall for it is made smaller still, a text too wide at the smallest
// size is elided. `align` takes Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
FittedText fitText(const QString& text, const QFont& font, QSizeF box, double margin, double minScale = 0.7,
                   Qt::Alignment align = Qt::AlignHCenter);

// Writes the fitted text into `box` with the painter's pen.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, double margin,
                    double minScale = 0.7, Qt::Alignment align = Qt::AlignHCenter);

// The width `text` needs in `font`, its ink and the margin on both sides included.
double fittedWidth(const QString& text, const QFont& font, double margin);

// Makes a widget with a line of text at least as tall as its font's line, growing it evenly up
// and down about its centre, so that no mark of the line is cut by the widget's edge.
void keepLineWhole(QWidget* w);

} // namespace tavorin::ui
