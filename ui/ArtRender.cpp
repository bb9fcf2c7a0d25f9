#include "ui/ArtRender.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tavorin::ui {

QImage renderSvg(QSvgRenderer& svg, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    p.end();
    return image;
}

QString prerenderedName(const QString& svgName, QSize pixels) {
    QString stem = svgName;
    if (stem.endsWith(QLatin1String(".svg"))) stem.chop(4);
    return QStringLiteral("%1-%2x%3.argb").arg(stem).arg(pixels.width()).arg(pixels.height());
}

} // namespace tavorin::ui
