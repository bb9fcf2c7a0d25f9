#include "board/BoardLayout.h"

namespace tavorin::board {

namespace {
struct LabelPlace {
    int nameLeft, nameTop, priceLeft, priceTop;
};
// Name and price labels of deeds 1..29 (index 0 unused).
constexpr std::array<LabelPlace, kDeeds + 1> kLabelPlaces = {{
    {0, 0, 0, 0},
    {9315, 6960, 9090, 7920},
    {7395, 6120, 7050, 7080},
    {6555, 5280, 6210, 6240},
    {5715, 4440, 5370, 5400},
    {4635, 5280, 4650, 6240},
    {2955, 6960, 2970, 7920},
    {2115, 6960, 1890, 7920},
    {195, 6600, 810, 7080},
    {1035, 5280, 810, 6240},
    {2115, 4680, 1890, 5640},
    {3195, 4080, 2970, 5040},
    {4515, 3480, 4050, 4440},
    {3195, 2880, 2850, 3840},
    {315, 2160, 810, 2640},
    {315, 1320, 810, 1800},
    {2115, 0, 1890, 960},
    {4035, 840, 3690, 1800},
    {4875, 1680, 4530, 2640},
    {5715, 2520, 5490, 3480},
    {6555, 1680, 6330, 2640},
    {7395, 840, 7170, 1800},
    {8235, 0, 8010, 960},
    {9315, 0, 9090, 960},
    {9555, 1320, 10170, 1800},
    {9555, 2160, 10170, 2640},
    {8235, 2880, 8010, 3840},
    {7155, 3480, 6810, 4440},
    {9315, 4680, 9090, 5640},
    {9555, 6600, 10170, 7080},
}};

Rect deedSquare(int deed) { return squareRect(kDeedTable[std::size_t(deed)].square); }
} // namespace

using C = CaptionLabel::Colours;
const std::array<CaptionLabel, 10> kCaptionLabels = {{
    {"หีบสมบัติ", {7800, 8040, 1095, 255}, C::YellowOnMagenta},
    {"หีบสมบัติ", {1680, 3360, 1095, 255}, C::YellowOnMagenta},
    {"หีบสมบัติ", {8880, 3360, 1095, 255}, C::YellowOnMagenta},
    {"ประตูดวง", {3840, 7200, 855, 255}, C::YellowOnTeal},
    {"ประตูดวง", {2760, 1080, 855, 255}, C::YellowOnTeal},
    {"ประตูดวง", {7800, 5160, 1095, 255}, C::YellowOnTeal},
    {"แวะพักผ่อน", {120, 0, 1575, 255}, C::BlueOnGreen},
    {"ติดคุก", {120, 8040, 1575, 255}, C::BlueOnGreen},
    {"ไปติดคุก", {9960, 0, 1575, 255}, C::BlueOnGreen},
    {"จุดเริ่มต้น", {9960, 8040, 1575, 255}, C::BlueOnGreen},
}};

std::string_view specialSquareToolTip(int square) {
    switch (square) {
    case 0: return "จุดเริ่มต้น";
    case 2:
    case 17:
    case 33: return "หีบสมบัติ";
    case 7:
    case 22:
    case 36: return "ประตูดวง";
    case 10: return "ที่นี่คือคุก";
    case 20: return "แวะพักผ่อน";
    case 30: return "ไปติดคุกที่นู่นเลย";
    case 38: return "เสียภาษีซะดีๆ";
    default: return {};
    }
}

Rect squareRect(int square) { return kSquareTable[std::size_t(square)].box; }

Rect numberLabelRect(int deed) {
    const Rect sq = deedSquare(deed);
    return {sq.left, sq.top, deed < 10 ? 105 : 210, 195};
}

Rect developmentRect(int deed) {
    const Rect sq = deedSquare(deed);
    return {sq.left + 720, sq.top, 375, 375};
}

Rect ownerLabelRect(int deed) {
    const Rect sq = deedSquare(deed);
    return {sq.left + 720, sq.top + 360, deed == 3 ? 570 : 585, 210};
}

Rect nameLabelRect(int deed) {
    const LabelPlace& l = kLabelPlaces[std::size_t(deed)];
    return {l.nameLeft, l.nameTop, 630, 270};
}

Rect nameLabelRect(int deed, int width) {
    const Rect r = nameLabelRect(deed);
    if (width <= r.width) return r;
    // A long name spreads to both sides, except where a neighbour's number or price stands to its
    // right: then it grows to the left, its right edge drawn back by the pixel by which the designed
    // label already reaches into that neighbour.
    const bool growLeft = deed == 7 || deed == 19 || deed == 21;
    const int left = growLeft ? r.left + r.width - 15 - width : r.left - (width - r.width) / 2;
    return {left, r.top, width, r.height};
}

Rect priceLabelRect(int deed) {
    const LabelPlace& l = kLabelPlaces[std::size_t(deed)];
    return {l.priceLeft, l.priceTop, 765, 255};
}

Rect tokenRect(const GameState& s, int player) {
    return {s.tokenLeft[std::size_t(player)], s.tokenTop[std::size_t(player)], kTokenSize, kTokenSize};
}

Rect pointerRect(const PointerState& pointer, int bob) {
    return {pointer.left + bob, pointer.top + bob, kPointerSize, kPointerSize};
}

int developmentPicture(const DeedRecord& d) {
    if (d.Owner == 0) return -1;
    if (d.Mortgaged == kTrue) return 6;
    if (d.Towers == 1) return 5;
    if (d.Houses >= 0 && d.Houses <= 4) return d.Houses;
    return -1;
}

// The owner's name is shown for every owned deed. (Comparing the owner's name with an "unowned"
// marker text would hide the deeds of a player who happens to be called like the marker.)
bool ownerShown(const DeedRecord& d) { return d.Owner >= 1 && d.Owner <= kMaxPlayers; }

bool tokenShown(const GameState& s, int player) {
    return player >= 1 && player <= s.NumOfPlayer && s.player(player).Bankrupt != kTrue;
}

Item itemAt(const GameState& s, const BoardScreen& b, const BoardLook& look, int x, int y) {
    if (b.arrow2.visible && contains(pointerRect(b.arrow2, look.bob2), x, y)) return {ItemKind::Pointer, 2};
    if (b.arrow1.visible && contains(pointerRect(b.arrow1, look.bob1), x, y)) return {ItemKind::Pointer, 1};
    for (int k = kMaxPlayers; k >= 1; --k)
        if (tokenShown(s, k) && contains(tokenRect(s, k), x, y)) return {ItemKind::Token, k};
    for (int d = 1; d <= kDeeds; ++d)
        if (developmentPicture(s.deed(d)) >= 0 && contains(developmentRect(d), x, y))
            return {ItemKind::Development, d};
    for (int d = 1; d <= kDeeds; ++d) {
        if (contains(numberLabelRect(d), x, y)) return {ItemKind::Label, d};
        if (ownerShown(s.deed(d)) && contains(ownerLabelRect(d), x, y)) return {ItemKind::Label, d};
        if (look.namesShown && (contains(nameLabelRect(d, look.nameWidth[std::size_t(d)]), x, y) ||
                                contains(priceLabelRect(d), x, y)))
            return {ItemKind::Label, d};
    }
    for (const CaptionLabel& c : kCaptionLabels)
        if (contains(c.rect, x, y)) return {ItemKind::Label, 0};
    for (int n = kSquares - 1; n >= 0; --n)
        if (contains(squareRect(n), x, y)) return {ItemKind::Square, n};
    return {};
}

int tokenToLift(const GameState& s, int x, int y) {
    const auto liftable = [&](int k) {
        return tokenShown(s, k) && s.Pcom[std::size_t(k)] == 0 && contains(tokenRect(s, k), x, y);
    };
    if (s.NV >= 1 && s.NV <= kMaxPlayers && liftable(s.NV)) return s.NV;
    for (int k = kMaxPlayers; k >= 1; --k)
        if (liftable(k)) return k;
    return 0;
}

bool onOwnSquare(const GameState& s, int player, int x, int y) {
    if (player < 1 || player > kMaxPlayers) return false;
    const int square = s.player(player).Position;
    return square < kSquares && contains(squareRect(square), x, y);
}

} // namespace tavorin::board
