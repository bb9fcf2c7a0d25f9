// Where everything sits on the board, in twips relative to the board's frame, and what lies on top
// at a given point. Plain C++: the window draws from it and the tests check it without a screen.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/Board.h"
#include "engine/Screen.h"
#include "engine/State.h"

namespace tavorin::board {

inline constexpr Rect kWindowClient = {0, 0, 11940, 8340};
inline constexpr Rect kFrame = {120, 0, 11775, 8295}; // the board's frame inside the window
inline constexpr Rect kOptionFrame = {5040, 6720, 1695, 1215};
inline constexpr Rect kShowLabelOption = {360, 360, 1215, 300}; // inside the option frame
inline constexpr Rect kHideLabelOption = {360, 720, 1215, 300};
inline constexpr Rect kMainButton = {5280, 240, 1095, 855};
inline constexpr int kTokenSize = 495;
inline constexpr int kPointerSize = 600;
inline constexpr int kPointerBob = 100;

struct CaptionLabel {
    std::string_view text;
    Rect rect;
    enum class Colours { YellowOnMagenta, YellowOnTeal, BlueOnGreen } colours;
};
// The fixed captions just outside the special squares (the tax square has none).
extern const std::array<CaptionLabel, 10> kCaptionLabels;

// Tool tip of a special square; land squares show their deed's name instead.
std::string_view specialSquareToolTip(int square);

Rect squareRect(int square);
Rect numberLabelRect(int deed);
Rect developmentRect(int deed);
Rect ownerLabelRect(int deed);
Rect nameLabelRect(int deed);
// The name label widened to `width` twips for a long name (a width of 0 or less: as designed).
Rect nameLabelRect(int deed, int width);
Rect priceLabelRect(int deed);
Rect tokenRect(const GameState& s, int player);
Rect pointerRect(const PointerState& pointer, int bob);

// The development picture a deed shows: -1 none, 0..4 houses, 5 the tower, 6 mortgaged.
int developmentPicture(const DeedRecord& d);
// Whether a deed carries its owner's name on the board.
bool ownerShown(const DeedRecord& d);
// Tokens of the seats taking part are on the board, until their player goes bankrupt.
bool tokenShown(const GameState& s, int player);

inline bool contains(const Rect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

// What the board shows that is not in the game state: the pointers' bobbing, the name switch, how
// wide each name label is drawn (0: as designed) and the square outlined as the goal of a carried
// token (-1: none).
struct BoardLook {
    int bob1 = 0, bob2 = 0;
    bool namesShown = false;
    std::array<int, kDeeds + 1> nameWidth{};
    int outlinedSquare = -1;
};

enum class ItemKind { Nothing, Token, Pointer, Development, Label, Square };
struct Item {
    ItemKind kind = ItemKind::Nothing;
    int index = 0; // the player of a token, 1 or 2 for a pointer, the deed of a picture, the square
    bool operator==(const Item&) const = default;
};

// The topmost element at (x, y): tokens and pointers over development pictures, over labels, over
// the square images.
Item itemAt(const GameState& s, const BoardScreen& b, const BoardLook& look, int x, int y);

// The token a press at (x, y) picks up, 0 for none: the current player's own token wherever it lies
// under the point, even below another token or a pointer, else the topmost person's token there. A
// computer's token is never picked up, so it hides nothing below it.
int tokenToLift(const GameState& s, int x, int y);

// Whether token k let go at (x, y) is on its player's square: anywhere inside the square's
// rectangle counts, whatever lies on top there.
bool onOwnSquare(const GameState& s, int player, int x, int y);

} // namespace tavorin::board
