// The setup windows are laid out in twips, as they were designed; this places their controls in
// pixels for the screen's resolution.
#pragma once

#include <utility>

#include <QString>
#include <QWidget>

#include "ui/ThaiFont.h"
#include "ui/Twips.h"

namespace tavorin::setupui {

class TwipLayout {
public:
    explicit TwipLayout(const QWidget& window) : scale_(window.logicalDpiY()) {}
    int px(int twips) const { return scale_.pxRound(twips); }
    void place(QWidget* w, int left, int top, int width, int height) const {
        w->setGeometry(px(left), px(top), px(width), px(height));
    }
    // A label that takes the size of its text.
    void placeAutoSize(QWidget* w, int left, int top) const {
        w->move(px(left), px(top));
        w->adjustSize();
    }
    void setClientSize(QWidget* window, int width, int height) const {
        window->setFixedSize(px(width), px(height));
    }

private:
    ui::TwipScale scale_;
};

// The controls were sized for a small system font; the game's Thai face needs this size to fit them.
inline QFont setupFont() { return ui::thaiFont(8); }

// A control of class W with its game name, parented to `parent`.
template <class W, class... Args> W* named(QWidget* parent, const char* objectName, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(objectName));
    return w;
}

} // namespace tavorin::setupui
