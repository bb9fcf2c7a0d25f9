// Who holds which deed: transferDeed keeps each player's list and each deed's owner in agreement, and
// the list walks skip what a damaged saved game may hold.
#include <vector>

#include <gtest/gtest.h>

#include "engine/Holdings.h"

namespace tavorin::test {
namespace {

std::vector<int> listOf(const GameState& s, int k) {
    std::vector<int> v;
    for (int i = 1; i <= s.player(k).DeedCount; ++i) v.push_back(s.player(k).Deeds[std::size_t(i)]);
    return v;
}

std::vector<int> held(const GameState& s, int k) {
    std::vector<int> v;
    for (int d : heldDeeds(s, k)) v.push_back(d);
    return v;
}

TEST(TransferDeedTest, EveryKindOfHandOverKeepsListsAndOwnersInAgreement) {
    struct Case {
        const char* what;
        int deed, to;
        std::vector<int> list1, list2;
        int owner;
    } cases[] = {
        {"bank to player", 9, 2, {3, 5, 7}, {9}, 2},
        {"player to player, from the middle", 5, 2, {3, 7}, {5}, 2},
        {"player to player, from the end", 7, 2, {3, 5}, {7}, 2},
        {"player to the bank", 3, 0, {5, 7}, {}, 0},
        {"a player to himself goes to the end", 3, 1, {5, 7, 3}, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState s;
        for (int d : {3, 5, 7}) ASSERT_TRUE(transferDeed(s, d, 1));
        s.deed(c.deed).Houses = 2;
        s.deed(c.deed).Mortgaged = kTrue;
        EXPECT_TRUE(transferDeed(s, c.deed, c.to));
        EXPECT_EQ(listOf(s, 1), c.list1);
        EXPECT_EQ(listOf(s, 2), c.list2);
        EXPECT_EQ(s.deed(c.deed).Owner, c.owner);
        // The buildings and the mortgage are the caller's to change.
        EXPECT_EQ(s.deed(c.deed).Houses, 2);
        EXPECT_EQ(s.deed(c.deed).Mortgaged, kTrue);
    }
}

TEST(TransferDeedTest, RefusesWhatCannotBeHandedOverAndChangesNothing) {
    GameState s;
    ASSERT_TRUE(transferDeed(s, 4, 1));
    const GameState before = s;
    EXPECT_FALSE(transferDeed(s, 0, 2));
    EXPECT_FALSE(transferDeed(s, kDeeds + 1, 2));
    for (int d = 1; d <= kDeeds; ++d) s.player(2).Deeds[std::size_t(d)] = std::uint8_t(d);
    s.player(2).DeedCount = kDeeds; // a full list (only a damaged game holds one beside another's deed)
    EXPECT_FALSE(transferDeed(s, 4, 2));
    EXPECT_EQ(listOf(s, 1), listOf(before, 1));
    EXPECT_EQ(s.deed(4).Owner, 1);
}

TEST(ReturnAllToBankTest, EveryDeedLeavesFreeOfItsMortgageWithItsBuildings) {
    GameState s;
    for (int d : {2, 9, 12}) transferDeed(s, d, 3);
    s.deed(9).Mortgaged = kTrue;
    s.deed(2).Houses = 3;
    returnAllToBank(s, 3);
    EXPECT_EQ(s.player(3).DeedCount, 0);
    EXPECT_EQ(listOf(s, 3), std::vector<int>{});
    for (int d : {2, 9, 12}) {
        EXPECT_EQ(s.deed(d).Owner, 0) << d;
        EXPECT_EQ(s.deed(d).Mortgaged, kFalse) << d;
    }
    EXPECT_EQ(s.deed(2).Houses, 3);
}

TEST(HeldDeedsTest, SkipsNumbersThatAreNoDeedAndStopsAtTheListsEnd) {
    GameState s;
    PlayerRecord& p = s.player(1);
    p.Deeds[1] = 4;
    p.Deeds[2] = 0; // damaged entries
    p.Deeds[3] = 30;
    p.Deeds[4] = 17;
    p.Deeds[5] = 8; // beyond the count
    p.DeedCount = 4;
    EXPECT_EQ(held(s, 1), (std::vector<int>{4, 17}));
    EXPECT_EQ(held(s, 0), std::vector<int>{});
    EXPECT_EQ(held(s, kMaxPlayers + 1), std::vector<int>{});
    p.DeedCount = 255; // a count past the list's capacity reads no further than the list
    EXPECT_EQ(held(s, 1), (std::vector<int>{4, 17, 8}));
}

TEST(HeldDeedsTest, TheLastHeldDeedIsOneTheListAndTheDeedAgreeOn) {
    GameState s;
    transferDeed(s, 6, 1);
    transferDeed(s, 11, 1);
    EXPECT_EQ(lastHeldDeed(s, 1), 11);
    s.deed(11).Owner = 2; // a list that disagrees with its deed
    EXPECT_EQ(lastHeldDeed(s, 1), 6);
    s.player(1).Deeds[1] = 0;
    EXPECT_EQ(lastHeldDeed(s, 1), 0);
}

TEST(HoldingsCountTest, OwnedByThePlayerAndByTheOthers) {
    GameState s;
    transferDeed(s, 3, 1);
    transferDeed(s, 12, 2);
    transferDeed(s, 27, 3);
    EXPECT_EQ(ownedBy(s, 1, kGroupDeeds), 1);
    EXPECT_EQ(ownedByOthers(s, 1, kGroupDeeds), 2);
    EXPECT_EQ(ownedBy(s, 1, kPairDeeds), 0);
    EXPECT_EQ(ownedByOthers(s, 4, kPairDeeds), 0);
}

} // namespace
} // namespace tavorin::test
