// What the rules decide about the controls of the main window and the board, as plain data.
// The windows bind each entry to the widget whose objectName is the entry's name; tests read it
// without a window.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tavorin {

// clang-format off
#define TAVORIN_MAIN_CONTROLS(X)                                                                     \
    X(RunButton) X(StopButton) X(SaveButton) X(Text1) X(Command2) X(ExitButton) X(RecButton)         \
    X(LabelName1) X(LabelName2) X(LabelName3) X(LabelName4) X(LabelName5) X(LabelName6)             \
    X(labelcom1) X(labelcom2) X(labelcom3) X(labelcom4) X(labelcom5) X(labelcom6)                   \
    X(PlayerButton1) X(PlayerButton2) X(PlayerButton3) X(PlayerButton4) X(PlayerButton5)            \
    X(PlayerButton6)                                                                                 \
    X(LabelMoney1) X(LabelMoney2) X(LabelMoney3) X(LabelMoney4) X(LabelMoney5) X(LabelMoney6)       \
    X(OpgSpeed1) X(OpgSpeed2) X(OpgSpeed3) X(OpgSpeed4) X(OpgSpeed5)                                \
    X(DeedList) X(ViewDeedButton)                                                                    \
    X(TreasureFrame) X(LabelTreasure) X(OkButtonInTreasure)                                          \
    X(FateFrame) X(LabelFate) X(OKButtonInFate)                                                      \
    X(TaxFrame) X(OKButtonInTaxFrame)                                                                \
    X(DishonestFrame) X(OKButtonInDishonestFrame)                                                    \
    X(RelaxFrame) X(OKButtonInRelaxFrame)                                                            \
    X(StartFrame) X(OKButtonInStart)                                                                 \
    X(FirstFrame) X(OKButtonInFirst)                                                                 \
    X(FreeLandFrame) X(LabelFreeLand1) X(LabelFreeLand2) X(CheckFreeLand) X(OKButtonInFreeLand)      \
    X(CancelButtonInFreeLand) X(ViewDeed7)                                                           \
    X(OwnSingleLandFrame) X(LabelOwnSingleLand1) X(LabelOwnSingleLand2) X(LabelOwnSingleLand3)       \
    X(LabelOwnSingleLand4) X(LabelOwnSingleLand5) X(LabelOwnSingleLand6) X(RentAmt)                 \
    X(OKButtonInOwnSingleLand) X(CancelButtonInOwnSingleLand) X(ViewDeed5)                          \
    X(OwnNotSingleLandFrame) X(LabelOwnNotSingleLand1) X(LabelOwnNotSingleLand2)                    \
    X(LabelOwnNotSingleLand3) X(OKButtonInOwnNotSingleLand) X(ViewDeed4)                            \
    X(OwnMortgageLandFrame) X(LabelOwnMortgageLand1) X(LabelOwnMortgageLand2)                       \
    X(LabelOwnMortgageLand3) X(LabelOwnMortgageLand5) X(OKButtonInOwnMortgageLand)                  \
    X(CancelButtonInOwnMortgageLand) X(ViewDeed1)                                                    \
    X(NotOwnSingleLandFrame) X(LabelNotOwnSingleLand1) X(LabelNotOwnSingleLand2)                    \
    X(LabelNotOwnSingleLand3) X(LabelNotOwnSingleLand4) X(LabelNotOwnSingleLand5)                   \
    X(OKButtonInNotOwnSingleLand) X(ViewDeed6)                                                       \
    X(NotOwnNotSingleLandFrame) X(LabelNotOwnNotSingleLand1) X(LabelNotOwnNotSingleLand2)           \
    X(LabelNotOwnNotSingleLand3) X(LabelNotOwnNotSingleLand4) X(LabelNotOwnNotSingleLand5)          \
    X(LabelNotOwnNotSingleLand6) X(LabelNotOwnNotSingleLand7) X(LabelNotOwnNotSingleLand8)          \
    X(OKButtonInNotOwnNotSingleLand) X(ViewDeed3)                                                    \
    X(NotOwnMortgageLandFrame) X(LabelNotOwnMortgageLand1) X(LabelNotOwnMortgageLand2)              \
    X(LabelNotOwnMortgageLand3) X(LabelNotOwnMortgageLand4) X(LabelNotOwnMortgageLand5)             \
    X(OKButtonInNotOwnMortgageLand) X(TakeOverButton) X(ViewDeed2)                                   \
    X(BonusFrame) X(LabelBonus) X(OpgBonus1) X(OpgBonus2) X(CmbBonus) X(OKButtonInBonus)             \
    X(LabelComThinking) X(BarComThinking)
// clang-format on

enum class Ctl : std::uint16_t {
#define TAVORIN_ENUM(name) name,
    TAVORIN_MAIN_CONTROLS(TAVORIN_ENUM)
#undef TAVORIN_ENUM
        Count,
    None = Count
};

inline constexpr std::size_t kControlCount = std::size_t(Ctl::Count);

std::string_view controlName(Ctl c);

// The state of one control. `highlight` is the opaque background of the current player's name and
// the armed look of the bonus frame; `red` the name of a player who loses the next turn; `value`
// the width of the thinking bar.
struct Control {
    std::string text;
    int value = 0;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool highlight = false;
    bool red = false;
};

// The main window's controls. The mutable operator[] marks a control as changed, so that the window
// brings up to date only the controls marked since it last did. A control reached through a mutable
// screen is marked even when it is only read: read through a const one.
class MainScreen {
public:
    Control& operator[](Ctl c) {
        changed_.set(std::size_t(c));
        return controls_[std::size_t(c)];
    }
    const Control& operator[](Ctl c) const { return controls_[std::size_t(c)]; }
    const std::array<Control, kControlCount>& controls() const { return controls_; }

    // The controls marked since the last call, which clears the marks.
    std::bitset<kControlCount> takeChanged() { return std::exchange(changed_, {}); }

    Ctl focus = Ctl::None;
    bool visible = false;
    // CmbBonus is filled from the current player's deeds only while the house bonus is chosen.
    bool bonusListFilled = false;
    int bonusSelection = -1; // index into the bonus list, -1 when nothing is selected

private:
    std::array<Control, kControlCount> controls_;
    std::bitset<kControlCount> changed_;
};

// Controls that come in numbered rows: LabelName1..6 and the like.
inline Ctl nth(Ctl first, int k) { return Ctl(std::uint16_t(first) + std::uint16_t(k - 1)); }

struct PointerState {
    bool visible = false;
    int left = 0, top = 0; // twips in the board's frame
};

struct BoardScreen {
    bool visible = false;
    PointerState arrow1, arrow2;
    bool timersRunning = false;
    // Raised by the rules at every change of what the board paints, so that the board tells whether
    // to paint again by comparing a number: `groundRevision` counts the changes of the deeds and of
    // the names on the squares, `revision` those and every move of a token or a pointer besides.
    std::uint64_t revision = 0;
    std::uint64_t groundRevision = 0;
};

} // namespace tavorin
