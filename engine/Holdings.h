// Who holds which deed. A player's deeds are listed in the order they came to him (the saved game
// keeps that order, and the holdings windows show it); the deed records its owner. transferDeed is
// the only way a deed changes hands, so the two never disagree.
#pragma once

#include <cstdint>
#include <span>

#include "engine/State.h"

namespace tavorin {

// The valid deed numbers on a player's list, in its order. Nothing when the player number is not
// one; entries beyond the list's capacity or outside 1..29 (a damaged saved game) are skipped.
class HeldDeeds {
public:
    class iterator {
    public:
        using value_type = int;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        iterator(const std::uint8_t* at, const std::uint8_t* end) : at_(at), end_(end) { skip(); }
        int operator*() const { return *at_; }
        iterator& operator++() {
            ++at_;
            skip();
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const iterator& o) const { return at_ == o.at_; }

    private:
        void skip() {
            while (at_ != end_ && !validDeed(*at_)) ++at_;
        }
        const std::uint8_t* at_ = nullptr;
        const std::uint8_t* end_ = nullptr;
    };

    HeldDeeds() = default;
    explicit HeldDeeds(const PlayerRecord& p)
        : first_(p.Deeds.data() + 1),
          last_(p.Deeds.data() + 1 + (p.DeedCount < kDeeds ? p.DeedCount : kDeeds)) {}
    iterator begin() const { return {first_, last_}; }
    iterator end() const { return {last_, last_}; }
    bool empty() const { return begin() == end(); }

private:
    const std::uint8_t* first_ = nullptr;
    const std::uint8_t* last_ = nullptr;
};

HeldDeeds heldDeeds(const GameState& s, int player);

// Hands `deed` from its owner (0: the bank) to `to` (0: the bank): off the old owner's list, onto the
// end of the new one's, and the deed's Owner set. Buildings and the mortgage go along; the caller
// changes them where the rule says so. False, with nothing changed, for a deed number that is not
// one or a list that is full.
bool transferDeed(GameState& s, int deed, int to);

// Every deed on the player's list goes back to the bank free of its mortgage (a bankruptcy).
void returnAllToBank(GameState& s, int player);

// The last deed on the player's list that is really his, or 0 when there is none.
int lastHeldDeed(const GameState& s, int player);

// Holds a deed that is not mortgaged, which a sale or a mortgage could turn into cash.
bool canRaiseMoney(const GameState& s, int player);

// How many of `deeds` the player holds, and how many the other players hold.
int ownedBy(const GameState& s, int player, std::span<const int> deeds);
int ownedByOthers(const GameState& s, int player, std::span<const int> deeds);

} // namespace tavorin
