// A game of persons with the dealing windows beside it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "dealings/Dealings.h"
#include "tests/engine/RulesFixture.h"

namespace tavorin::test {

// Which of the game's windows take input: MAIN, Map, PLAYERFORM, SELLFORM.
struct Locks {
    bool main, map, playerForm, sellForm;
    bool operator==(const Locks&) const = default;
};

inline void PrintTo(const Locks& l, std::ostream* os) {
    *os << "{main " << l.main << ", map " << l.map << ", playerForm " << l.playerForm << ", sellForm "
        << l.sellForm << "}";
}

class DealingsTest : public RulesTest {
protected:
    Dealings dealings{game};

    void SetUp() override {
        RulesTest::SetUp();
        clearBoard();
    }

    // The holdings window of player k, then its sale menu.
    void openSaleMenu(int k) {
        dealings.PlayerButton_Click(k);
        dealings.SellButton_Click();
        ASSERT_TRUE(dealings.sellForm.visible);
    }

    static std::vector<int> deedsIn(const std::vector<DeedLine>& lines) {
        std::vector<int> v;
        for (const DeedLine& l : lines) v.push_back(l.deed);
        return v;
    }
    static std::vector<std::string> textsIn(const std::vector<DeedLine>& lines) { return textsOf(lines); }

    Locks locks() const {
        return {dealings.mainEnabled, dealings.mapEnabled, dealings.playerForm.enabled,
                dealings.sellForm.enabled};
    }
};

} // namespace tavorin::test
