// A saved game from anywhere: it must be refused or loaded whole, and a loaded game must be playable.
#include <cstdint>
#include <span>
#include <variant>

#include "setup/LoadGame.h"
#include "setup/SaveRecord.h"
#include "tests/support/Doubles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = tavorin::readSaveRecord(std::span<const std::uint8_t>(data, size));
    const auto* record = std::get_if<tavorin::SaveRecord>(&read);
    if (!record) return 0;
    tavorin::SeededRandom random(1);
    tavorin::test::QuietView view;
    tavorin::Game game(random, view);
    tavorin::ResumeSavedGame(game, *record, "fuzz");
    // Play the saved player's roll and square with what the file says.
    game.RunButton_Click();
    game.Timer1_Timer();
    game.Timer2_Timer();
    game.StopButton_Click();
    const int nv = game.state().NV;
    if (nv >= 1 && nv <= 6) game.DropToken(nv, game.state().player(nv).Position, 10, 10, 0, 0);
    (void)game.DeedListLines();
    (void)game.BonusListLines();
    // Whatever loaded must save again, byte for byte the same record.
    (void)tavorin::writeSaveRecord(game.state());
    return 0;
}
