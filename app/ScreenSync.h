// Binds the engine's model of the main window (MainScreen) to the widgets, found by objectName.
// apply() is called after every engine call, before every message box and after every step of the
// computer, many times a second while the computer plays: it touches only what the engine marked.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <QColor>

#include "engine/Game.h"

class QAbstractButton;
class QWidget;

namespace tavorin::app {

// The current player's name stands on this background; the armed and disarmed bonus frame on these.
inline const QColor kCurrentPlayerColour(255, 215, 110);
inline const QColor kBonusArmedColour(128, 255, 128);
inline const QColor kBonusDisarmedColour(192, 255, 255);
// What a player's name in red means.
inline constexpr const char* kLostTurnTip = "ชื่อสีแดง: งดเดินหนึ่งตา เพราะหยุดที่ช่องแวะพักผ่อน";

class ScreenSync {
public:
    // Finds every control of MainScreen under `root`; a missing one is a programming error.
    explicit ScreenSync(QWidget& root);

    QWidget* widget(Ctl c) const { return widgets_[std::size_t(c)]; }

    // Brings up to date the controls the engine marked as changed since the last call (all of them the
    // first time) and the deed lists when their revision moved; consumes the engine's focus request.
    void apply(Game& g);
    // The next apply() brings every control and list up to date, marked or not: after the widgets
    // were arranged anew, which may have resized what the rules size.
    void invalidate() { everything_ = true; }
    // A control the layout has no use for stays hidden whatever the rules show.
    void keepHidden(Ctl c, bool hidden);

private:
    void applyControl(Ctl c, const Control& state);
    void applyChecked(QAbstractButton* b, bool checked);
    void applyLook(Ctl c, const Control& state);
    void applyLists(const Game& g);
    void applyDice(const GameState& s);

    QWidget& root_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<bool, kControlCount> keptHidden_{};
    // The text last written to each control. A control whose text the engine never wrote keeps its
    // built-in caption: the engine's texts start out empty.
    std::array<std::string, kControlCount> written_{};
    // Check boxes and option buttons: a person's click checks them before the rules hear of it, and the
    // rules may not agree, so they are compared with the rules at every apply, marked or not.
    std::vector<std::pair<Ctl, QAbstractButton*>> checkable_;
    std::bitset<kControlCount> due_; // brought up to date at the next apply, whatever the engine marked
    bool everything_ = true;
    std::uint64_t listsRevision_ = 0;
    std::array<std::array<QWidget*, 7>, 3> dice_{}; // [die][face]
    std::array<int, 3> faces_{};                    // [die]: the face shown
    std::vector<DeedLine> deedLines_, bonusLines_;
};

} // namespace tavorin::app
