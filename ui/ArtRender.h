// How an SVG drawing becomes pixels, shared by the game and by the build step that renders the
// pictures needed before the first window shows: both give the very same image.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QSvgRenderer;

namespace tavorin::ui {

// `svg` drawn over the whole of a transparent, premultiplied image of `pixels`.
QImage renderSvg(QSvgRenderer& svg, QSize pixels);

// The name a picture rendered ahead has beside its SVG file: "windows/start-background.svg" at
// 257 x 305 pixels is "windows/start-background-257x305.argb". The file holds the image's pixels as
// they lie in memory (premultiplied 32-bit ARGB, row by row), so that showing it decodes nothing.
QString prerenderedName(const QString& svgName, QSize pixels);

} // namespace tavorin::ui
