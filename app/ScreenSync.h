// Binds the engine's model of the main window (MainScreen) to the widgets, found by objectName.
// apply() is cheap and is called after every engine call, before every message box and after
// every step of the computer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <QColor>

#include "engine/Game.h"

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

    // Brings the widgets up to date; consumes the engine's focus request.
    void apply(Game& g);
    // A control the layout has no use for stays hidden whatever the rules show.
    void keepHidden(Ctl c, bool hidden) { keptHidden_[std::size_t(c)] = hidden; }

private:
    void applyControl(Ctl c, const Control& state);
    void applyLook(Ctl c, const Control& state);
    void applyLists(const Game& g);
    void applyDice(const GameState& s);

    QWidget& root_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<bool, kControlCount> keptHidden_{};
    // The text last written to each control. A control whose text the engine never wrote keeps its
    // built-in caption: the engine's texts start out empty.
    std::array<std::string, kControlCount> written_{};
    std::array<std::array<QWidget*, 7>, 3> dice_{}; // [die][face]
    std::vector<DeedLine> deedLines_, bonusLines_;
};

} // namespace tavorin::app
