// Names for screen readers. Every control that takes the keyboard gets a Thai accessible name: the
// one a window gives it, or else its own Thai caption. Captions in English ("SAVE", "NEW GAME") are
// the game's and stay on screen; their windows name them in Thai here.
#pragma once

#include <initializer_list>

#include <QString>

class QWidget;

namespace tavorin::ui {

struct ControlName {
    const char* objectName;
    const char* name; // UTF-8
};

// Names the controls of `root` listed in `names`, then every other control under it that has a
// caption and no name yet after its caption.
void nameControls(QWidget& root, std::initializer_list<ControlName> names);

// Whether `text` holds Thai letters.
bool isThai(const QString& text);

} // namespace tavorin::ui
