// Finds the labels, option buttons and check boxes of a window whose text is cut by the widget's own
// edges, Thai vowels and tone marks above or below the line in particular. Each widget is drawn
// once more with room to spare around it: if anything of it shows in that extra room, the widget
// at its real size cuts it off. This asks nothing of how Qt places the text, so it holds for every
// style, font and scale.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace tavorin::test {

namespace detail {
// Whether every pixel of `image` outside `inside` equals the pixel in the same row at the far
// edge of the extra room (the widget's own background, or nothing).
inline bool onlyBackgroundOutside(const QImage& image, const QRect& inside) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inside.contains(x, y)) continue;
            const QRgb reference = image.pixel(x < inside.left() ? 0 : image.width() - 1, y);
            const QRgb here = image.pixel(x, y);
            if (qAbs(qRed(here) - qRed(reference)) + qAbs(qGreen(here) - qGreen(reference)) +
                    qAbs(qBlue(here) - qBlue(reference)) + qAbs(qAlpha(here) - qAlpha(reference)) >
                24)
                return false;
        }
    }
    return true;
}

inline QImage drawn(QWidget* w) {
    QImage image(w->size() * w->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(w->devicePixelRatio());
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Whether `w`, made `room` pixels larger on the sides its text can grow to, shows only background
// in the extra room.
inline bool fitsItsText(QWidget* w, Qt::Alignment align, bool mayGrowAcross) {
    const QRect saved = w->geometry();
    const int room = std::max(8, saved.height());
    int left = 0, right = 0, top = 0, bottom = 0;
    if (align & Qt::AlignTop)
        bottom = 2 * room;
    else if (align & Qt::AlignBottom)
        top = 2 * room;
    else
        top = bottom = room;
    if (mayGrowAcross) {
        if (align & Qt::AlignRight)
            left = 2 * room;
        else if (align & Qt::AlignHCenter)
            left = right = room;
        else
            right = 2 * room;
    }
    w->setGeometry(saved.adjusted(-left, -top, right, bottom));
    const QImage image = drawn(w);
    w->setGeometry(saved);
    const qreal ratio = image.devicePixelRatio();
    const QRect inside(QPoint(int(left * ratio), int(top * ratio)), saved.size() * ratio);
    return onlyBackgroundOutside(image, inside);
}
} // namespace detail

// The object names (or texts) of the visible text widgets of `window` that cut their text.
inline QStringList clippedTexts(QWidget* window) {
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->frameShape() != QFrame::NoFrame) continue;
            fits = detail::fitsItsText(label, label->alignment(), !label->wordWrap());
        } else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            if (static_cast<QAbstractButton*>(w)->text().isEmpty()) continue;
            fits = detail::fitsItsText(w, Qt::AlignLeft | Qt::AlignVCenter, true);
        } else {
            continue;
        }
        if (!fits) {
            const QString text = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text()
                                                          : static_cast<QAbstractButton*>(w)->text();
            clipped << (w->objectName().isEmpty() ? text : w->objectName() + QLatin1Char(' ') + text);
        }
    }
    return clipped;
}

} // namespace tavorin::test
