#include "ui/TextScale.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace tavorin::ui {

namespace {
// What a widget was built with, kept on the widget so that every size is taken from it, never from
// the last size: going up and down the steps leaves no drift behind.
constexpr const char* kDesignFont = "tavorinDesignFont";
constexpr const char* kDesignRect = "tavorinDesignRect";
constexpr const char* kDesignMinimum = "tavorinDesignMinimum";
constexpr const char* kDesignFixedSize = "tavorinDesignFixedSize";
constexpr const char* kDesignSize = "tavorinDesignSize";
constexpr const char* kGivenSize = "tavorinGivenSize";
constexpr const char* kShownScale = "tavorinTextScale";

double& current() {
    static double scale = 1;
    return scale;
}

struct Follower {
    QPointer<QWidget> root;
    std::function<void(double)> after;
};

std::vector<Follower>& followers() {
    static std::vector<Follower> list;
    return list;
}

// Qt's own parts of a control (a list's viewport, a spin box's line) are placed by the control.
bool isQtPart(const QWidget* w) { return w->objectName().startsWith(QLatin1String("qt_")); }

// The widgets of `root`'s own window under it: a window of their own follows the size by itself.
std::vector<QWidget*> partsOf(QWidget& root) {
    std::vector<QWidget*> parts;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        bool own = true;
        for (const QWidget* up = w; up && up != &root; up = up->parentWidget())
            if (up->isWindow() || isQtPart(up)) own = false;
        if (own) parts.push_back(w);
    }
    return parts;
}

// A container whose widgets stand where the window's code put them.
bool placesByHand(const QWidget* w, const QWidget& root) {
    if (!w || w->layout()) return false;
    if (w == &root) return true;
    const QByteArray kind = w->metaObject()->className();
    return kind == "QWidget" || kind == "QFrame" || kind == "QGroupBox";
}

template <class T> T design(QWidget* w, const char* name, const T& now) {
    const QVariant kept = w->property(name);
    if (kept.isValid()) return kept.value<T>();
    w->setProperty(name, QVariant::fromValue(now));
    return now;
}

int scaled(int v, double scale) { return int(std::lround(v * scale)); }

QSize scaled(QSize s, double scale) { return {scaled(s.width(), scale), scaled(s.height(), scale)}; }

// Neighbours that touched still touch: both edges are scaled, not the size.
QRect scaled(const QRect& r, double scale) {
    const int left = scaled(r.x(), scale), top = scaled(r.y(), scale);
    return QRect(left, top, scaled(r.x() + r.width(), scale) - left, scaled(r.y() + r.height(), scale) - top);
}

QFont scaled(QFont f, double scale) {
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * scale);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, scaled(f.pixelSize(), scale)));
    return f;
}

// A line of text placed by hand whose font grew a little more than its box (fonts do not scale
// pixel for pixel) takes the room it needs, about the side it is aligned to.
void keepTextWhole(QWidget* w, QRect& r) {
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap()) return;
        align = label->alignment();
    } else if (!qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w)) {
        return;
    } else if (static_cast<QAbstractButton*>(w)->text().isEmpty()) {
        return;
    }
    const QSize need = w->sizeHint();
    if (need.height() > r.height()) {
        const int grow = need.height() - r.height();
        r.adjust(0, -grow / 2, 0, grow - grow / 2);
    }
    if (need.width() > r.width()) {
        const int grow = need.width() - r.width();
        if (align & Qt::AlignRight)
            r.adjust(-grow, 0, 0, 0);
        else if (align & Qt::AlignHCenter)
            r.adjust(-grow / 2, 0, grow - grow / 2, 0);
        else
            r.adjust(0, 0, grow, 0);
    }
}

void scaleFonts(QWidget& root, const std::vector<QWidget*>& parts, double scale) {
    root.setFont(scaled(design(&root, kDesignFont, root.font()), scale));
    for (QWidget* w : parts)
        if (w->testAttribute(Qt::WA_SetFont) || w->property(kDesignFont).isValid())
            w->setFont(scaled(design(w, kDesignFont, w->font()), scale));
}

void scaleGeometry(QWidget& root, const std::vector<QWidget*>& parts, double scale) {
    for (QWidget* w : parts) {
        if (placesByHand(w->parentWidget(), root)) {
            QRect r = scaled(design(w, kDesignRect, w->geometry()), scale);
            if (scale != 1) keepTextWhole(w, r);
            w->setGeometry(r);
            continue;
        }
        // In a layout: a least size given in pixels was meant for the designed text.
        const QSize least = design(w, kDesignMinimum, w->minimumSize());
        const QSize most = w->maximumSize();
        QSize grown = least;
        if (least.width() > 0 && least.width() != most.width())
            grown.setWidth(std::min(scaled(least.width(), scale), most.width()));
        if (least.height() > 0 && least.height() != most.height())
            grown.setHeight(std::min(scaled(least.height(), scale), most.height()));
        if (grown != w->minimumSize()) w->setMinimumSize(grown);
    }
}

// The size a window placed by hand was given once and for all; none for a window that may be resized.
QSize designedFixedSize(QWidget& window) {
    if (!window.isWindow() || window.layout()) return {};
    return design(&window, kDesignFixedSize,
                  window.minimumSize() == window.maximumSize() ? window.minimumSize() : QSize());
}

// A window of a fixed size grows no larger than the screen it is on, its title bar included: a
// desktop whose own text is already large, made larger still, would push its controls off the screen.
double fittingScale(QWidget& root, double scale) {
    constexpr int kTitleBarRoom = 40;
    const QSize fixed = designedFixedSize(root);
    const QScreen* screen = root.screen();
    if (scale <= 1 || fixed.isEmpty() || !screen) return scale;
    const QSize room = screen->availableGeometry().size() - QSize(0, kTitleBarRoom);
    const double fit = std::min(double(room.width()) / fixed.width(), double(room.height()) / fixed.height());
    return std::max(1.0, std::min(scale, fit));
}

void scaleWindow(QWidget& window, double scale, double was) {
    if (!window.layout()) {
        const QSize fixed = designedFixedSize(window);
        if (fixed.isValid()) {
            window.setFixedSize(scaled(fixed, scale));
            return;
        }
    }
    if (window.testAttribute(Qt::WA_Resized)) {
        // The size it was given grows with the text, unless the person has chosen another since;
        // either way it stays on the screen.
        const QSize designed = design(&window, kDesignSize, window.size());
        const QVariant given = window.property(kGivenSize);
        QSize size = given.isValid() && given.toSize() != window.size() ? scaled(window.size(), scale / was)
                                                                        : scaled(designed, scale);
        if (const QScreen* screen = window.screen())
            size = size.boundedTo(screen->availableGeometry().size());
        size = size.expandedTo(window.minimumSizeHint());
        window.resize(size);
        window.setProperty(kGivenSize, window.size());
    } else if (window.isVisible()) {
        // A window that has always taken the size of its contents goes on doing so.
        window.adjustSize();
        window.setAttribute(Qt::WA_Resized, false);
    }
}

void apply(QWidget& root, double chosen, const std::function<void(double)>& after) {
    const double scale = fittingScale(root, chosen);
    const QVariant shown = root.property(kShownScale);
    const double was = shown.isValid() ? shown.toDouble() : 1.0;
    if (scale == was) return;
    root.setProperty(kShownScale, scale);
    const std::vector<QWidget*> parts = partsOf(root);
    scaleFonts(root, parts, scale);
    scaleGeometry(root, parts, scale);
    if (root.layout()) root.layout()->activate();
    if (root.isWindow()) scaleWindow(root, scale, was);
    if (after) after(scale);
}
} // namespace

double textScale() { return current(); }

void setTextScale(double scale) {
    if (!(scale > 0)) return;
    current() = scale;
    auto& list = followers();
    std::erase_if(list, [](const Follower& f) { return f.root.isNull(); });
    // A copy: a window that follows may build another one that follows.
    const std::vector<Follower> now = list;
    for (const Follower& f : now)
        if (f.root) apply(*f.root, scale, f.after);
}

void followTextScale(QWidget& root, std::function<void(double)> after) {
    auto& list = followers();
    std::erase_if(list, [](const Follower& f) { return f.root.isNull(); });
    list.push_back({&root, after});
    apply(root, current(), after);
}

} // namespace tavorin::ui
