// Every game the program can save must load again: seeded computer games are saved at every hand-over
// (with the seat about to roll played by a person, as a save requires) and read back.
#include <gtest/gtest.h>

#include "computer/Headless.h"
#include "engine/Random.h"
#include "setup/SaveRecord.h"

namespace tavorin::test {
namespace {

TEST(SavedMidPlay, EverySaveOfSeededGamesLoadsBack) {
    struct Variant {
        int players;
        int deal;
        bool buyFirstLoop;
    };
    const Variant variants[] = {{2, 0, true}, {3, 4, true}, {4, 0, false}, {5, 2, true}, {6, 1, false}};
    int saves = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const Variant& v = variants[seed % std::size(variants)];
        SeededRandom random(seed);
        HeadlessView view;
        Game game(random, view);
        NewGameSetup setup;
        setup.numPlayers = v.players;
        for (int k = 1; k <= v.players; ++k) setup.computer[std::size_t(k)] = true;
        setup.initialDeeds = v.deal;
        setup.buyFirstLoop = v.buyFirstLoop;
        game.NewGame(setup);
        bool failed = false;
        playComputerGame(game, view, 400, [&](int turn, int) {
            if (game.state().gameOver || failed) return;
            SaveRecord r = SaveRecordOf(game.state());
            r.players[game.state().NV].computer = kFalse;
            const SaveBytes bytes = encodeSaveRecord(r);
            ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(bytes));
            const auto read = readSaveRecord(std::get<std::vector<std::uint8_t>>(bytes));
            if (const auto* e = std::get_if<FileError>(&read)) {
                ADD_FAILURE() << "seed " << seed << ", turn " << turn << ": " << e->field << ": "
                              << e->message;
                failed = true;
            }
            ++saves;
        });
    }
    EXPECT_GT(saves, 1000);
}

} // namespace
} // namespace tavorin::test
