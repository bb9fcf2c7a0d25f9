// Saving to and loading from the folder, and the game a load rebuilds: state and controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
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
    ControlSnapshot s{{}, g.screen().focus};
    for (const Control& c : g.screen().controls())
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
    expectSameSavedGame(s, loaded.state());
    EXPECT_EQ(loaded.state().FileName, kGameName);
    // Saved again straight away, the loaded game gives the very same file.
    EXPECT_EQ(bytesOf(loaded.state()), bytesOf(s));
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
        a.stateToSetUp().Speed = c.speed;
        a.stateToSetUp().NV = 1;
        ASSERT_FALSE(saveGameFile(a.state(), dir.path(), "fresh").has_value());
        ASSERT_FALSE(LoadSavedGame(b, dir.path(), "fresh").has_value());
        expectSameSavedGame(a.state(), b.state());
    }
}

TEST_F(SaveGameTest, LoadRebuildsTheMainWindow) {
    midGame();
    saveAndLoad();
    const Game& g = loaded;
    const std::vector<std::string> names = {"", "สมชาย", "สมศรี", "เครื่อง", "Dan", "ห้า", "หก"};
    for (int k = 1; k <= kMaxPlayers; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(g.screen()[nth(Ctl::LabelName1, k)].text, names[std::size_t(k)]);
        EXPECT_EQ(g.screen()[nth(Ctl::PlayerButton1, k)].text, names[std::size_t(k)]);
        const bool playing = k <= 4;
        EXPECT_EQ(g.screen()[nth(Ctl::PlayerButton1, k)].visible, playing);
        EXPECT_EQ(g.screen()[nth(Ctl::LabelMoney1, k)].visible, playing);
        EXPECT_EQ(g.screen()[nth(Ctl::LabelName1, k)].visible, playing && k != 2);
        EXPECT_EQ(g.screen()[nth(Ctl::labelcom1, k)].visible, k == 3);
        EXPECT_EQ(g.screen()[nth(Ctl::LabelName1, k)].highlight, k == 1);
        EXPECT_EQ(g.screen()[nth(Ctl::LabelName1, k)].red, k == 4 || k == 2);
    }
    EXPECT_EQ(g.screen()[Ctl::LabelMoney1].text, "9870");
    EXPECT_EQ(g.screen()[Ctl::LabelMoney2].text, "ล้มละลาย");
    EXPECT_FALSE(g.screen()[Ctl::PlayerButton2].enabled);
    EXPECT_TRUE(g.screen()[Ctl::PlayerButton1].enabled);
    EXPECT_EQ(g.screen()[Ctl::LabelMoney4].text, "3");
    EXPECT_EQ(g.screen()[Ctl::LabelMoney6].text, "15000");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(g.screen()[nth(Ctl::OpgSpeed1, i)].checked, i == 4) << i;
    EXPECT_EQ(g.state().Speed, 150000);
    EXPECT_TRUE(g.screen()[Ctl::RunButton].enabled);
    EXPECT_TRUE(g.screen()[Ctl::SaveButton].enabled);
    EXPECT_FALSE(g.screen()[Ctl::StopButton].enabled);
    EXPECT_EQ(g.screen().focus, Ctl::RunButton);
    EXPECT_FALSE(g.boardScreen().arrow2.visible);
    EXPECT_TRUE(g.screen().visible);
    EXPECT_TRUE(g.boardScreen().visible);
    EXPECT_FALSE(g.state().namesShown);
    EXPECT_GE(view2.deedRefreshes, 1);
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // No computer turn is started and the saved person rolls next.
    EXPECT_EQ(view2.computerTurns, 0);
    EXPECT_NE(loaded.RunButton_Click()[0], 0);
    EXPECT_TRUE(loaded.screen()[Ctl::StopButton].enabled);
}

TEST_F(SaveGameTest, TokensOfPlayersNotTakingPartStayAtHome) {
    startGame(3);
    SaveRecord r = SaveRecordOf(s);
    r.players[2].tokenLeft = 2000;
    r.players[5].tokenLeft = 1;
    r.players[5].tokenTop = 2;
    r.players[5].name = "ห้า";
    ResumeSavedGame(loaded, r, "g");
    EXPECT_EQ(loaded.state().tokenLeft[2], 2000);
    EXPECT_EQ(loaded.state().tokenLeft[5], kTokenHome[5][0]);
    EXPECT_EQ(loaded.state().tokenTop[5], kTokenHome[5][1]);
    EXPECT_EQ(loaded.state().player(5).Name, "ห้า");
    EXPECT_FALSE(loaded.screen()[Ctl::PlayerButton5].visible);
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
        EXPECT_EQ(g.state().Speed, speed);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(g.screen()[nth(Ctl::OpgSpeed1, i)].checked, i == option) << speed;
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
        g.stateToSetUp().namesShown = c.before;
        LoadGame(g, r);
        EXPECT_EQ(g.state().namesShown, c.after) << c.shown << " " << c.hidden << " " << c.before;
    }
}

// ---------------------------------------------------------------- refusals

TEST_F(SaveGameTest, RefusedLoadLeavesTheGameUntouched) {
    midGame();
    // A game already running in `loaded`, to prove a refused file changes nothing in it.
    loaded.NewGame(NewGameSetup{});
    const std::vector<std::uint8_t> before = bytesOf(loaded.state());
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
        EXPECT_EQ(bytesOf(loaded.state()), before) << c.name;
        EXPECT_TRUE(snapshot(loaded) == screen) << c.name;
        EXPECT_EQ(view2.deedRefreshes, refreshes);
    }
    EXPECT_EQ(LoadSavedGame(loaded, dir.path(), "missing")->message, "ไม่พบไฟล์เกม missing.dat");
}

// Player k's deed list made to read `deeds`, whatever the deeds' owners say.
void listDeeds(SaveRecord& r, int k, const std::vector<int>& deeds) {
    r.players[std::size_t(k)].deedCount = std::uint8_t(deeds.size());
    std::size_t i = 1;
    for (int d : deeds) r.players[std::size_t(k)].deeds[i++] = std::uint8_t(d);
}

std::function<void(SaveRecord&)> listing(int k, std::vector<int> deeds) {
    return [k, deeds](SaveRecord& r) { listDeeds(r, k, deeds); };
}

// Hand-made files that no game could have written, each refused with its reason before the running
// game is touched. midGame: players 1, 2 and 4 are persons, 3 the computer; 2 is bankrupt and 4 sits
// out a turn; player 1 holds deeds 1 (two houses) and 9, player 4 deeds 29 (tower) and 3 (mortgaged).
TEST_F(SaveGameTest, InconsistentGamesAreRefusedWithTheirReason) {
    midGame();
    loaded.NewGame(NewGameSetup{});
    const std::vector<std::uint8_t> before = bytesOf(loaded.state());
    const ControlSnapshot screen = snapshot(loaded);
    struct Case {
        const char* name;
        std::function<void(SaveRecord&)> edit;
        std::string field;
        std::string reason;
    };
    const Case cases[] = {
        {"owner not on his list", [](SaveRecord& r) { r.deeds[7].Owner = 1; }, "deeds[7].Owner",
         "โฉนดที่ 7 เป็นของผู้เล่นคนที่ 1 แต่ไม่อยู่ในรายการโฉนดของผู้เล่นคนนั้น"},
        {"listed but the bank's", listing(4, {29, 3, 7}), "players[4].Deeds",
         "โฉนดที่ 7 อยู่ในรายการของผู้เล่นคนที่ 4 แต่ไม่ได้เป็นของผู้เล่นคนนี้"},
        {"held by two", listing(4, {29, 3, 9}), "players[4].Deeds", "โฉนดที่ 9 อยู่ในรายการโฉนดมากกว่าหนึ่งครั้ง"},
        {"twice on one list", listing(1, {1, 9, 1}), "players[1].Deeds",
         "โฉนดที่ 1 อยู่ในรายการโฉนดมากกว่าหนึ่งครั้ง"},
        {"a gap in the list", listing(1, {1, 0, 9}), "players[1].Deeds",
         "รายการโฉนดของผู้เล่นคนที่ 1 มีช่องว่างอยู่ในลำดับที่ 2"},
        {"bankrupt holding a deed",
         [](SaveRecord& r) {
             listDeeds(r, 2, {7});
             r.deeds[7].Owner = 2;
         },
         "players[2].Deeds", "ผู้เล่นคนที่ 2 ล้มละลายแล้วแต่ยังถือโฉนดอยู่"},
        {"a seat that does not play holds a deed",
         [](SaveRecord& r) {
             listDeeds(r, 5, {7});
             r.deeds[7].Owner = 5;
         },
         "players[5].Deeds", "ผู้เล่นคนที่ 5 ไม่ได้ร่วมเล่นแต่ถือโฉนดอยู่"},
        {"NP above the players left", [](SaveRecord& r) { r.NP = 4; }, "NP",
         "จำนวนผู้เล่นที่เหลือ (4) ไม่ตรงกับผู้เล่นที่ยังไม่ล้มละลาย (3 คน)"},
        {"everyone bankrupt",
         [](SaveRecord& r) {
             for (int k = 1; k <= 4; ++k) r.players[std::size_t(k)].bankrupt = kTrue;
             r.players[1].deedCount = r.players[4].deedCount = 0;
             for (auto& d : r.deeds)
                 d = DeedRecord{d.Name,       d.LandType,   d.LandTypeName, d.Price,
                                d.HousePrice, d.TowerPrice, d.Rent};
             r.NP = 0;
         },
         "NP", "เหลือผู้เล่นที่ยังไม่ล้มละลายไม่ถึงสองคน เกมนี้จบไปแล้ว"},
        {"the current player is bankrupt", [](SaveRecord& r) { r.NV = 2; }, "NV",
         "ผู้เล่นที่ถึงตา (คนที่ 2) ล้มละลายไปแล้ว"},
        {"the current player is the computer", [](SaveRecord& r) { r.NV = 3; }, "NV",
         "ผู้เล่นที่ถึงตา (คนที่ 3) เป็นคอมฯ แต่เกมบันทึกได้เฉพาะตาของคน"},
        {"the current player sits out", [](SaveRecord& r) { r.NV = 4; }, "NV",
         "ผู้เล่นที่ถึงตา (คนที่ 4) ถูกให้หยุดเล่นในตานี้"},
        {"decisions still open", [](SaveRecord& r) { r.Continue = 5; }, "Continue",
         "เกมถูกบันทึกไว้กลางตา ไม่ใช่ตอนรอทอยลูกเต๋า"},
        {"a move not yet reported", [](SaveRecord& r) { r.FirstProcess = "Y"; }, "Continue",
         "เกมถูกบันทึกไว้กลางตา ไม่ใช่ตอนรอทอยลูกเต๋า"},
        {"a negative price", [](SaveRecord& r) { r.deeds[6].Price = -100; }, "deeds[6]",
         "ราคาหรือค่าเช่าของโฉนดที่ 6 ไม่ใช่ของกระดาน"},
        {"a rent of INT32_MIN", [](SaveRecord& r) { r.deeds[1].Rent[2] = INT32_MIN; }, "deeds[1]",
         "ราคาหรือค่าเช่าของโฉนดที่ 1 ไม่ใช่ของกระดาน"},
        {"single land made pair land", [](SaveRecord& r) { r.deeds[2].LandType = 2; }, "deeds[2]",
         "ราคาหรือค่าเช่าของโฉนดที่ 2 ไม่ใช่ของกระดาน"},
        {"a card's amount", [](SaveRecord& r) { r.fate[4].Amount = 32767; }, "FateCards[4].Amount",
         "จำนวนเงินของการ์ดประตูดวงใบที่ 4 ไม่ใช่ของเกม"},
        {"a deck of twenty", [](SaveRecord& r) { r.NumOfTreasure = 20; }, "NumOfTreasure",
         "สำรับการ์ดหีบสมบัติ ไม่ได้มี 15 ใบ"},
        {"a card order holding 0", [](SaveRecord& r) { r.TreasureOrder[3] = 0; }, "TreasureOrder",
         "ลำดับการ์ดหีบสมบัติ ไม่ได้มีการ์ดทุกใบ ใบละหนึ่งครั้ง"},
        {"a card twice in the order", [](SaveRecord& r) { r.FateOrder[15] = r.FateOrder[1]; }, "FateOrder",
         "ลำดับการ์ดประตูดวง ไม่ได้มีการ์ดทุกใบ ใบละหนึ่งครั้ง"},
        {"a house on pair land", [](SaveRecord& r) { r.deeds[9].Houses = 1; }, "deeds[9]",
         "โฉนดที่ 9 ไม่ใช่ที่ดินเดี่ยวแต่มีสิ่งปลูกสร้าง"},
        {"a house on the bank's land", [](SaveRecord& r) { r.deeds[7].Houses = 2; }, "deeds[7]",
         "โฉนดที่ 7 ไม่มีเจ้าของแต่มีสิ่งปลูกสร้าง"},
        {"a house on mortgaged land", [](SaveRecord& r) { r.deeds[1].Mortgaged = kTrue; }, "deeds[1]",
         "โฉนดที่ 1 ถูกจำนองอยู่แต่มีสิ่งปลูกสร้าง"},
        {"a tower over two houses", [](SaveRecord& r) { r.deeds[1].Towers = 1; }, "deeds[1]",
         "โฉนดที่ 1 มีตึกโดยไม่มีบ้านครบ 4 หลัง"},
        {"the bank's land mortgaged", [](SaveRecord& r) { r.deeds[7].Mortgaged = kTrue; }, "deeds[7]",
         "โฉนดที่ 7 ไม่มีเจ้าของแต่ถูกจำนองอยู่"},
        {"a flag that is neither", [](SaveRecord& r) { r.players[4].mayPlay = 1; }, "players[4].MayPlay",
         "ค่า players[4].MayPlay ต้องเป็น -1 หรือ 0"},
        {"cash near INT32_MIN", [](SaveRecord& r) { r.players[1].money = INT32_MIN + 5; }, "players[1].Money",
         "เงินของผู้เล่นคนที่ 1 ติดลบ"},
        {"a token far off the board",
         [](SaveRecord& r) { r.players[4].tokenLeft = r.players[4].tokenTop = -32768; },
         "players[4].tokenLeft", "ตัวเดินของผู้เล่นคนที่ 4 อยู่นอกกระดาน"},
        {"a token just past the right edge", [](SaveRecord& r) { r.players[1].tokenLeft = 11775; },
         "players[1].tokenLeft", "ตัวเดินของผู้เล่นคนที่ 1 อยู่นอกกระดาน"},
        {"speed INT32_MIN", [](SaveRecord& r) { r.Speed = INT32_MIN; }, "Speed",
         "ความเร็วของคอมฯ (-2147483648) ไม่อยู่ในช่วงที่เลือกได้"},
        {"speed INT32_MAX", [](SaveRecord& r) { r.Speed = INT32_MAX; }, "Speed",
         "ความเร็วของคอมฯ (2147483647) ไม่อยู่ในช่วงที่เลือกได้"},
        {"speed ten million", [](SaveRecord& r) { r.Speed = 10000000; }, "Speed",
         "ความเร็วของคอมฯ (10000000) ไม่อยู่ในช่วงที่เลือกได้"},
        // What a game can hold: none of these is refused.
        {"a speed between the options", [](SaveRecord& r) { r.Speed = 5000; }, "", ""},
        {"the slowest speed", [](SaveRecord& r) { r.Speed = 200000; }, "", ""},
        {"a token half off the board's edge", [](SaveRecord& r) { r.players[1].tokenLeft = -494; }, "", ""},
        {"a bankrupt player's token anywhere", [](SaveRecord& r) { r.players[2].tokenLeft = -32768; }, "",
         ""},
        {"cash of nothing", [](SaveRecord& r) { r.players[4].money = 0; }, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveRecord r = SaveRecordOf(s);
        c.edit(r);
        writeAll(saveGamePath(dir.path(), "edited"),
                 std::get<std::vector<std::uint8_t>>(encodeSaveRecord(r)));
        ScriptedRandom rr;
        RecordingView vv;
        Game fresh(rr, vv);
        if (c.field.empty()) {
            const auto error = LoadSavedGame(fresh, dir.path(), "edited");
            EXPECT_FALSE(error.has_value()) << error->message;
            continue;
        }
        const auto error = LoadSavedGame(loaded, dir.path(), "edited");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind, FileError::Kind::Inconsistent);
        EXPECT_EQ(error->field, c.field);
        EXPECT_EQ(error->message, "ไฟล์เกมนี้ไม่ตรงกับกติกาของเกม (" + c.reason + ") จึงโหลดไม่ได้");
        EXPECT_EQ(bytesOf(loaded.state()), before);
        EXPECT_TRUE(snapshot(loaded) == screen);
    }
}

// A byte the code page leaves undefined would load as U+FFFD and then block every later save: the
// file is refused at once, naming the text (a player by his number and his name as it reads).
TEST_F(SaveGameTest, TextsWithBytesTheCodePageLacksAreRefused) {
    midGame();
    s.player(2).Name = "AB";
    s.deed(1).Name = "CD";
    const std::vector<std::uint8_t> good = bytesOf(s);
    const auto at = [&](std::string_view text) {
        return std::size_t(std::search(good.begin(), good.end(), text.begin(), text.end()) - good.begin());
    };
    struct Case {
        std::size_t offset;
        std::uint8_t byte;
        std::string message; // empty: accepted
    };
    const Case cases[] = {
        {at("AB") + 1, 0xDB,
         "ไฟล์เกมนี้เสียหาย (ชื่อผู้เล่นคนที่ 2 \"A\xEF\xBF\xBD\" มีตัวอักษรที่ไม่มีในรหัสภาษาไทย) จึงโหลดไม่ได้"},
        {at("AB"), 0xFF,
         "ไฟล์เกมนี้เสียหาย (ชื่อผู้เล่นคนที่ 2 \"\xEF\xBF\xBD"
         "B\" มีตัวอักษรที่ไม่มีในรหัสภาษาไทย) จึงโหลดไม่ได้"},
        {at("CD"), 0x81, "ไฟล์เกมนี้เสียหาย (ชื่อโฉนดที่ 1 มีตัวอักษรที่ไม่มีในรหัสภาษาไทย) จึงโหลดไม่ได้"},
        {at("AB"), 0xA1, ""}, // ก
        {at("AB"), 0x85, ""}, // the ellipsis the code page adds to TIS-620
    };
    loaded.NewGame(NewGameSetup{});
    const std::vector<std::uint8_t> before = bytesOf(loaded.state());
    for (const Case& c : cases) {
        std::vector<std::uint8_t> b = good;
        b[c.offset] = c.byte;
        writeAll(saveGamePath(dir.path(), "edited"), b);
        ScriptedRandom rr;
        RecordingView vv;
        Game target(rr, vv);
        Game& into = c.message.empty() ? target : loaded;
        const auto error = LoadSavedGame(into, dir.path(), "edited");
        if (c.message.empty()) {
            EXPECT_FALSE(error.has_value()) << int(c.byte);
            continue;
        }
        ASSERT_TRUE(error.has_value()) << int(c.byte);
        EXPECT_EQ(error->kind, FileError::Kind::Unencodable);
        EXPECT_EQ(error->message, c.message);
        EXPECT_EQ(bytesOf(loaded.state()), before);
    }
}

TEST_F(SaveGameTest, SavingAgainWithShorterTextsLeavesOnlyTheNewRecord) {
    midGame();
    s.player(1).Name = "ชื่อยาวมากกกกกกกกกกกกกกกกกกกกก";
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    s.player(1).Name = "ก";
    ASSERT_FALSE(saveGameFile(s, dir.path(), kGameName).has_value());
    EXPECT_EQ(readAll(saveGamePath(dir.path(), kGameName)), bytesOf(s));
    ASSERT_FALSE(LoadSavedGame(loaded, dir.path(), kGameName).has_value());
    EXPECT_EQ(loaded.state().player(1).Name, "ก");
}

TEST_F(SaveGameTest, LoadIgnoresBytesAfterTheRecord) {
    midGame();
    std::vector<std::uint8_t> b = bytesOf(s);
    b.insert(b.end(), 300, 0xAB);
    writeAll(saveGamePath(dir.path(), kGameName), b);
    ASSERT_FALSE(LoadSavedGame(loaded, dir.path(), kGameName).has_value());
    expectSameSavedGame(s, loaded.state());
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
