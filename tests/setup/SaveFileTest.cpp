// Saving to and loading from the folder, and the game a load rebuilds: state and controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "setup/LoadGame.h"
#include "setup/SaveRecord.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

constexpr std::string_view kGameName = "เกมของฉัน";

void expectSameDeed(const DeedRecord& a, const DeedRecord& b, int d) {
    SCOPED_TRACE("deed " + std::to_string(d));
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.LandType, b.LandType);
    EXPECT_EQ(a.LandTypeName, b.LandTypeName);
    EXPECT_EQ(a.Price, b.Price);
    EXPECT_EQ(a.HousePrice, b.HousePrice);
    EXPECT_EQ(a.TowerPrice, b.TowerPrice);
    EXPECT_EQ(a.Rent, b.Rent);
    EXPECT_EQ(a.Owner, b.Owner);
    EXPECT_EQ(a.Houses, b.Houses);
    EXPECT_EQ(a.Towers, b.Towers);
    EXPECT_EQ(a.Mortgaged, b.Mortgaged);
}

// Every member the saved game carries.
void expectSameSavedGame(const GameState& a, const GameState& b) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        SCOPED_TRACE("player " + std::to_string(k));
        const PlayerRecord& p = a.player(k);
        const PlayerRecord& q = b.player(k);
        EXPECT_EQ(p.Name, q.Name);
        EXPECT_EQ(p.Money, q.Money);
        EXPECT_EQ(p.DeedCount, q.DeedCount);
        EXPECT_EQ(p.Deeds, q.Deeds);
        EXPECT_EQ(p.Position, q.Position);
        EXPECT_EQ(p.MayPlay, q.MayPlay);
        EXPECT_EQ(p.Bankrupt, q.Bankrupt);
        EXPECT_EQ(p.IsComputer, q.IsComputer);
    }
    EXPECT_EQ(a.Pcom, b.Pcom);
    EXPECT_EQ(a.tokenLeft, b.tokenLeft);
    EXPECT_EQ(a.tokenTop, b.tokenTop);
    for (int d = 1; d <= kDeeds; ++d) expectSameDeed(a.deed(d), b.deed(d), d);
    for (std::size_t c = 1; c <= kCardsPerDeck; ++c) {
        EXPECT_EQ(a.TreasureCards[c].DeckName, b.TreasureCards[c].DeckName);
        EXPECT_EQ(a.TreasureCards[c].Text, b.TreasureCards[c].Text);
        EXPECT_EQ(a.TreasureCards[c].Amount, b.TreasureCards[c].Amount);
        EXPECT_EQ(a.FateCards[c].DeckName, b.FateCards[c].DeckName);
        EXPECT_EQ(a.FateCards[c].Text, b.FateCards[c].Text);
        EXPECT_EQ(a.FateCards[c].Amount, b.FateCards[c].Amount);
    }
    EXPECT_EQ(a.NumOfPlayer, b.NumOfPlayer);
    EXPECT_EQ(a.NumOfDeed, b.NumOfDeed);
    EXPECT_EQ(a.NumOfTreasure, b.NumOfTreasure);
    EXPECT_EQ(a.NumOfFate, b.NumOfFate);
    EXPECT_EQ(a.checkdiscount, b.checkdiscount);
    EXPECT_EQ(a.NV, b.NV);
    EXPECT_EQ(a.NP, b.NP);
    EXPECT_EQ(a.LP, b.LP);
    EXPECT_EQ(a.LPName, b.LPName);
    EXPECT_EQ(a.Continue, b.Continue);
    EXPECT_EQ(a.FirstProcess, b.FirstProcess);
    EXPECT_EQ(a.FirstLapLock, b.FirstLapLock);
    for (std::size_t i = 1; i <= kMaxCards; ++i) {
        EXPECT_EQ(a.TreasureOrder[i], b.TreasureOrder[i]) << i;
        EXPECT_EQ(a.FateOrder[i], b.FateOrder[i]) << i;
    }
    EXPECT_EQ(a.OrderNumberOfTreasure, b.OrderNumberOfTreasure);
    EXPECT_EQ(a.OrderNumberOfFate, b.OrderNumberOfFate);
    EXPECT_EQ(a.namesShown, b.namesShown);
    EXPECT_EQ(a.tokenToolTip, b.tokenToolTip);
    EXPECT_EQ(a.Speed, b.Speed);
}

struct ControlSnapshot {
    std::vector<std::tuple<std::string, bool, bool, bool, bool, bool>> controls;
    Ctl focus;
    bool operator==(const ControlSnapshot&) const = default;
};
ControlSnapshot snapshot(const Game& g) {
    ControlSnapshot s{{}, g.ui.focus};
    for (const Control& c : g.ui.controls)
        s.controls.emplace_back(c.text, c.visible, c.enabled, c.checked, c.highlight, c.red);
    return s;
}

std::vector<std::uint8_t> bytesOf(const GameState& s) {
    return std::get<std::vector<std::uint8_t>>(writeSaveRecord(s));
}

class SaveGameTest : public GameTest {
protected:
    TempDir dir;
    ScriptedRandom rnd2;
    RecordingView view2;
    Game loaded{rnd2, view2};
    std::vector<int> progress;

    // Four players, the third a computer; cards drawn from both decks (the Fate deck reshuffled once),
    // land bought and built, one player bankrupt, one losing a turn, a picture token, names hidden.
    void midGame() {
        NewGameSetup setup;
        setup.numPlayers = 4;
        setup.names = {"", "สมชาย", "สมศรี", "เครื่อง", "Dan", "ห้า", "หก"};
        setup.computer[3] = true;
        setup.buyFirstLoop = false;
        setup.picturePaths[1] = "C:\\รูป\\ช้าง.jpg";
        game.NewGame(setup);
        for (int i = 0; i < 3; ++i) game.DrawCard(true);
        rnd.push({4, 4, 1, 15, 2, 9, 9, 3, 7, 11, 12, 1, 5, 6, 14});
        for (int i = 0; i < 17; ++i) game.DrawCard(false);
        give(1, 1);
        s.deed(1).Houses = 2;
        give(1, 9);
        give(4, 29);
        s.deed(29).Houses = 4;
        s.deed(29).Towers = 1;
        give(4, 3);
        s.deed(3).Mortgaged = kTrue;
        give(2, 5);
        s.NV = 2;
        game.GoBankrupt();
        s.player(4).MayPlay = kFalse;
        s.FirstLapLock[1] = kFalse;
        s.player(1).Position = 17;
        s.tokenLeft[1] = 1234;
        s.tokenTop[1] = 4321;
        s.player(1).Money = 9870;
        s.player(4).Money = 3;
        game.OpgSpeed_Click(4);
        s.namesShown = false;
        s.NV = 1; // a person's turn waits for its roll
        ASSERT_EQ(s.NP, 3);
    }

    void saveAndLoad() {
        ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
        auto error = LoadSavedGame(loaded, dir.path(), kGameName, [this](int p) { progress.push_back(p); });
        ASSERT_FALSE(error.has_value()) << error->message;
    }
};

TEST_F(SaveGameTest, SavedFileIsNamedAfterTheGameWithDat) {
    startGame(2);
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    EXPECT_EQ(dir.names(), std::vector<std::string>{std::string(kGameName) + ".dat"});
    EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), bytesOf(s));
    // A name that already ends in .dat gets a second one.
    ASSERT_FALSE(saveGameFile(s, dir.path(), "x.dat").has_value());
    EXPECT_TRUE(std::filesystem::exists(dir / "x.dat.dat"));
}

TEST_F(SaveGameTest, MidGameRoundTripRestoresEveryMember) {
    midGame();
    saveAndLoad();
    expectSameSavedGame(s, loaded.s);
    EXPECT_EQ(loaded.s.FileName, kGameName);
    // Saved again straight away, the loaded game gives the very same file.
    EXPECT_EQ(bytesOf(loaded.s), bytesOf(s));
}

TEST_F(SaveGameTest, RoundTripOfFreshGames) {
    struct Case {
        int players;
        int initialDeeds;
        bool computer6;
        std::int32_t speed;
    };
    for (const Case& c : {Case{2, 0, false, 100000}, Case{6, 4, true, 1000}, Case{3, 1, false, 200000}}) {
        SCOPED_TRACE(c.players);
        ScriptedRandom r1, r2;
        RecordingView v1, v2;
        Game a(r1, v1), b(r2, v2);
        NewGameSetup setup;
        setup.numPlayers = c.players;
        setup.initialDeeds = c.initialDeeds;
        setup.computer[6] = c.computer6;
        setup.names = {"", "หนึ่ง", "สอง", "สาม", "สี่", "ห้า", "หก"};
        r1.push({5, 3, 9, 1, 1, 12, 7, 2, 8, 4, 13, 11, 6, 11, 14}); // the Treasure deck's shuffle
        a.NewGame(setup);
        a.s.Speed = c.speed;
        a.s.NV = 1;
        ASSERT_FALSE(saveGameFile(a.s, dir.path(), "fresh").has_value());
        ASSERT_FALSE(LoadSavedGame(b, dir.path(), "fresh").has_value());
        expectSameSavedGame(a.s, b.s);
    }
}

TEST_F(SaveGameTest, LoadRebuildsTheMainWindow) {
    midGame();
    saveAndLoad();
    const Game& g = loaded;
    const std::vector<std::string> names = {"", "สมชาย", "สมศรี", "เครื่อง", "Dan", "ห้า", "หก"};
    for (int k = 1; k <= kMaxPlayers; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(g.ui[nth(Ctl::LabelName1, k)].text, names[std::size_t(k)]);
        EXPECT_EQ(g.ui[nth(Ctl::PlayerButton1, k)].text, names[std::size_t(k)]);
        const bool playing = k <= 4;
        EXPECT_EQ(g.ui[nth(Ctl::PlayerButton1, k)].visible, playing);
        EXPECT_EQ(g.ui[nth(Ctl::LabelMoney1, k)].visible, playing);
        EXPECT_EQ(g.ui[nth(Ctl::LabelName1, k)].visible, playing && k != 2);
        EXPECT_EQ(g.ui[nth(Ctl::labelcom1, k)].visible, k == 3);
        EXPECT_EQ(g.ui[nth(Ctl::LabelName1, k)].highlight, k == 1);
        EXPECT_EQ(g.ui[nth(Ctl::LabelName1, k)].red, k == 4 || k == 2);
    }
    EXPECT_EQ(g.ui[Ctl::LabelMoney1].text, "9870");
    EXPECT_EQ(g.ui[Ctl::LabelMoney2].text, "ล้มละลาย");
    EXPECT_FALSE(g.ui[Ctl::PlayerButton2].enabled);
    EXPECT_TRUE(g.ui[Ctl::PlayerButton1].enabled);
    EXPECT_EQ(g.ui[Ctl::LabelMoney4].text, "3");
    EXPECT_EQ(g.ui[Ctl::LabelMoney6].text, "15000");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(g.ui[nth(Ctl::OpgSpeed1, i)].checked, i == 4) << i;
    EXPECT_EQ(g.s.Speed, 150000);
    EXPECT_TRUE(g.ui[Ctl::RunButton].enabled);
    EXPECT_TRUE(g.ui[Ctl::SaveButton].enabled);
    EXPECT_FALSE(g.ui[Ctl::StopButton].enabled);
    EXPECT_EQ(g.ui.focus, Ctl::RunButton);
    EXPECT_FALSE(g.board.arrow2.visible);
    EXPECT_TRUE(g.ui.visible);
    EXPECT_TRUE(g.board.visible);
    EXPECT_FALSE(g.s.namesShown);
    EXPECT_GE(view2.deedRefreshes, 1);
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // No computer turn is started and the saved person rolls next.
    EXPECT_EQ(view2.computerTurns, 0);
    EXPECT_NE(loaded.RunButton_Click()[0], 0);
    EXPECT_TRUE(loaded.ui[Ctl::StopButton].enabled);
}

TEST_F(SaveGameTest, TokensOfPlayersNotTakingPartStayAtHome) {
    startGame(3);
    SaveRecord r = SaveRecordOf(s);
    r.players[2].tokenLeft = 2000;
    r.players[5].tokenLeft = 1;
    r.players[5].tokenTop = 2;
    r.players[5].name = "ห้า";
    ResumeSavedGame(loaded, r, "g");
    EXPECT_EQ(loaded.s.tokenLeft[2], 2000);
    EXPECT_EQ(loaded.s.tokenLeft[5], kTokenHome[5][0]);
    EXPECT_EQ(loaded.s.tokenTop[5], kTokenHome[5][1]);
    EXPECT_EQ(loaded.s.player(5).Name, "ห้า");
    EXPECT_FALSE(loaded.ui[Ctl::PlayerButton5].visible);
}

TEST_F(SaveGameTest, SpeedSelectsItsOptionOrNone) {
    startGame(2);
    const std::pair<std::int32_t, int> cases[] = {{1000, 1},   {10000, 2}, {100000, 3}, {150000, 4},
                                                  {200000, 5}, {5000, 0},  {0, 0}};
    for (auto [speed, option] : cases) {
        SaveRecord r = SaveRecordOf(s);
        r.Speed = speed;
        ScriptedRandom rr;
        RecordingView vv;
        Game g(rr, vv);
        ResumeSavedGame(g, r, "g");
        EXPECT_EQ(g.s.Speed, speed);
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(g.ui[nth(Ctl::OpgSpeed1, i)].checked, i == option) << speed;
    }
}

TEST_F(SaveGameTest, NameSwitchFollowsTheOptionSelectedLast) {
    startGame(2);
    struct Case {
        std::int16_t shown, hidden;
        bool before, after;
    };
    const Case cases[] = {{-1, 0, false, true},
                          {0, -1, true, false},
                          {-1, -1, true, false},
                          {0, 0, true, true},
                          {0, 0, false, false}};
    for (const Case& c : cases) {
        SaveRecord r = SaveRecordOf(s);
        r.namesShown = c.shown;
        r.namesHidden = c.hidden;
        ScriptedRandom rr;
        RecordingView vv;
        Game g(rr, vv);
        g.s.namesShown = c.before;
        LoadGame(g, r);
        EXPECT_EQ(g.s.namesShown, c.after) << c.shown << " " << c.hidden << " " << c.before;
    }
}

// ---------------------------------------------------------------- refusals

TEST_F(SaveGameTest, RefusedLoadLeavesTheGameUntouched) {
    midGame();
    // A game already running in `loaded`, to prove a refused file changes nothing in it.
    loaded.NewGame(NewGameSetup{});
    const std::vector<std::uint8_t> before = bytesOf(loaded.s);
    const ControlSnapshot screen = snapshot(loaded);
    const int refreshes = view2.deedRefreshes;

    const std::vector<std::uint8_t> good = bytesOf(s);
    SaveRecord absurd = SaveRecordOf(s);
    absurd.NumOfPlayer = 9;
    writeAll(dir / "absurd.dat", std::get<std::vector<std::uint8_t>>(encodeSaveRecord(absurd)));
    writeAll(dir / "short.dat", std::span(good).first(1865));
    writeAll(dir / "empty.dat", {});
    std::vector<std::uint8_t> huge = good;
    huge[0] = 0xFF;
    huge[1] = 0xFF;
    writeAll(dir / "pastend.dat", huge);
    std::filesystem::create_directory(dir / "folder.dat");

    struct Case {
        std::string name;
        FileError::Kind kind;
    };
    const Case cases[] = {{"missing", FileError::Kind::Missing}, {"short", FileError::Kind::Truncated},
                          {"empty", FileError::Kind::Truncated}, {"pastend", FileError::Kind::StringPastEnd},
                          {"absurd", FileError::Kind::BadValue}, {"folder", FileError::Kind::Unreadable}};
    for (const Case& c : cases) {
        progress.clear();
        auto error = LoadSavedGame(loaded, dir.path(), c.name, [this](int p) { progress.push_back(p); });
        ASSERT_TRUE(error.has_value()) << c.name;
        EXPECT_EQ(error->kind, c.kind) << c.name;
        EXPECT_FALSE(error->message.empty());
        EXPECT_TRUE(progress.empty());
        EXPECT_EQ(bytesOf(loaded.s), before) << c.name;
        EXPECT_TRUE(snapshot(loaded) == screen) << c.name;
        EXPECT_EQ(view2.deedRefreshes, refreshes);
    }
    EXPECT_EQ(LoadSavedGame(loaded, dir.path(), "missing")->message, "ไม่พบไฟล์เกม missing.dat");
}

TEST_F(SaveGameTest, SavingAgainWithShorterTextsLeavesOnlyTheNewRecord) {
    midGame();
    s.player(1).Name = "ชื่อยาวมากกกกกกกกกกกกกกกกกกกกก";
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    s.player(1).Name = "ก";
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), bytesOf(s));
    ASSERT_FALSE(LoadSavedGame(loaded, dir.path(), kGameName).has_value());
    EXPECT_EQ(loaded.s.player(1).Name, "ก");
}

TEST_F(SaveGameTest, LoadIgnoresBytesAfterTheRecord) {
    midGame();
    std::vector<std::uint8_t> b = bytesOf(s);
    b.insert(b.end(), 300, 0xAB);
    writeAll(saveGamePath(dir.path(), kGameName), b);
    ASSERT_FALSE(LoadSavedGame(loaded, dir.path(), kGameName).has_value());
    expectSameSavedGame(s, loaded.s);
}

TEST_F(SaveGameTest, FailedWriteKeepsThePreviousSave) {
    midGame();
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    const std::vector<std::uint8_t> previous = readAll(saveGamePath(dir.path(), kGameName));
    s.player(1).Money = 1;
    const std::size_t size = bytesOf(s).size();
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(1000), size - 1}) {
        FailingWriter failing(n);
        auto error = saveGameFile(s, dir.path(), kGameName, failing);
        ASSERT_TRUE(error.has_value()) << n;
        EXPECT_EQ(error->kind, FileError::Kind::Unwritable);
        EXPECT_EQ(error->message, "ไม่สามารถบันทึกเกมลงไฟล์ " + std::string(kGameName) + ".dat ได้");
        EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), previous) << n;
        EXPECT_EQ(dir.names(), std::vector<std::string>{std::string(kGameName) + ".dat"}) << n;
    }
    // A writer that gets every byte through succeeds.
    FailingWriter roomy(size);
    EXPECT_FALSE(saveGameFile(s, dir.path(), kGameName, roomy).has_value());
    EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), bytesOf(s));
}

TEST_F(SaveGameTest, FailedFirstSaveLeavesNoFile) {
    startGame(2);
    FailingWriter failing(10);
    EXPECT_TRUE(saveGameFile(s, dir.path(), "new", failing).has_value());
    EXPECT_TRUE(dir.names().empty());
    // A folder in the way of the file: the rename fails and the temporary file goes.
    std::filesystem::create_directory(dir / "blocked.dat");
    std::filesystem::create_directory(dir / "blocked.dat" / "inside");
    auto error = saveGameFile(s, dir.path(), "blocked");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, FileError::Kind::Unwritable);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"blocked.dat"});
}

TEST_F(SaveGameTest, UnstorableTextKeepsThePreviousSave) {
    midGame();
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    const std::vector<std::uint8_t> previous = readAll(saveGamePath(dir.path(), kGameName));
    s.player(4).Name = "Dan 🙂";
    auto error = saveGameFile(s, dir.path(), kGameName);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
    EXPECT_EQ(error->message, "ไม่สามารถบันทึกเกมได้ เพราะชื่อผู้เล่นคนที่ 4 มีตัวอักษรที่บันทึกลงไฟล์ไม่ได้");
    EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), previous);
}

} // namespace
} // namespace tavorin::test
