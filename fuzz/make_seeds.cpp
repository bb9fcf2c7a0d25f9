// Writes the seed inputs of the fuzz targets: real files the game writes, and typical typed text.
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "engine/Game.h"
#include "halloffame/HallRecord.h"
#include "setup/SaveRecord.h"
#include "tests/support/Doubles.h"

namespace fs = std::filesystem;

namespace {
void write(const fs::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
void write(const fs::path& dir, const std::string& name, const std::string& text) {
    write(dir, name, std::vector<std::uint8_t>(text.begin(), text.end()));
}
} // namespace

int main(int argc, char** argv) {
    const fs::path out = argc > 1 ? argv[1] : "corpus";
    tavorin::SeededRandom random(7);
    tavorin::test::QuietView view;
    for (int players = 2; players <= 6; players += 2) {
        tavorin::Game game(random, view);
        tavorin::NewGameSetup setup;
        setup.numPlayers = players;
        setup.names[1] = "สมชาย";
        setup.computer[2] = true;
        setup.initialDeeds = players == 6 ? 4 : 2;
        game.NewGame(setup);
        tavorin::GameState& s = game.stateToSetUp();
        s.player(1).Money = 123456;
        s.deed(s.player(1).Deeds[1]).Houses = 3;
        const tavorin::SaveBytes saved = tavorin::writeSaveRecord(game.state());
        if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&saved))
            write(out / "savegame", "game" + std::to_string(players) + ".dat", *bytes);
        tavorin::HallRecord win = tavorin::SET_WR(game.state(), 1);
        std::vector<std::uint8_t> rec;
        for (int i = 0; i < 3; ++i) {
            win.TotalAsset += 1000 * i;
            const auto merged = tavorin::mergeWinRecord(rec, win);
            if (auto* u = std::get_if<tavorin::RecFileUpdate>(&merged)) rec = u->bytes;
        }
        write(out / "recfile", "RecFile" + std::to_string(players), rec);
    }
    write(out / "cp874", "thai", std::string("\xba\xd2\xa7\xbb\xd0\xcd\xd4\xb9 Player1 \x80\x85\xdb\xff"));
    write(out / "cp874", "utf8", std::string("บางปะอิน เกาะสมุย"));
    int n = 0;
    for (const char* text : {"1000", "0", "2147483647", "12.5", " 300 ", "-5", "๑๒"})
        write(out / "bidamount", "bid" + std::to_string(++n), std::string(text));
    return 0;
}
