#include "dealings/DeedCard.h"

#include "engine/Text.h"

namespace tavorin {

std::optional<DeedCard> deedCard(const GameState& s, int deed) {
    if (deed < 1 || deed > kDeeds) return std::nullopt;
    const DeedRecord& d = s.deed(deed);
    DeedCard card;
    card.name = d.Name;
    card.number = numberText(deed);
    card.type = d.LandTypeName;
    card.price = numberText(d.Price);
    card.owner = (d.Owner >= 1 && d.Owner <= kMaxPlayers) ? s.player(d.Owner).Name : std::string(kNoOwner);
    card.mortgaged = d.Mortgaged == kTrue;
    switch (d.LandType) {
    case 2: card.frame = DeedCardFrame::Couple; break;
    case 3: card.frame = DeedCardFrame::Multi; break;
    default: {
        card.frame = DeedCardFrame::Single;
        std::array<std::string, 10> v;
        for (std::size_t i = 0; i < 6; ++i) v[i] = numberText(d.Rent[i]);
        v[6] = numberText(d.HousePrice);
        v[7] = numberText(d.TowerPrice);
        v[8] = numberText(d.Houses);
        v[9] = numberText(d.Towers);
        card.single = std::move(v);
    }
    }
    return card;
}

} // namespace tavorin
