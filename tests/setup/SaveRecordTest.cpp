// The saved game's bytes: golden offsets taken from the byte table by hand, and the refusal of
// damaged files.
#include "setup/SaveRecord.h"

#include <gtest/gtest.h>

#include "engine/Cp874.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

// Where the members sit in a record whose texts are all empty. Each player block is 2 + 45 bytes.
namespace at {
constexpr std::size_t player(int k) { return std::size_t(47 * (k - 1)); }
constexpr std::size_t kMoney = 2, kDeedCount = 6, kDeeds = 7, kPosition = 36, kMayPlay = 37, kBankrupt = 39,
                      kComputer = 41, kLeft = 43, kTop = 45;
constexpr std::size_t deedNames = 282, landTypes = 340, landTypeNames = 369, prices = 427, housePrices = 485,
                      towerPrices = 543, rents = 601, owners = 1297, houses = 1355, towers = 1413,
                      mortgaged = 1471;
constexpr std::size_t rent(int column, int deed) {
    return rents + std::size_t(116 * column + 4 * (deed - 1));
}
constexpr std::size_t treasureNames = 1529, treasureTexts = 1559, treasureAmounts = 1589, fateNames = 1619,
                      fateAmounts = 1679;
constexpr std::size_t NumOfPlayer = 1709, NumOfDeed = 1711, NumOfTreasure = 1712, NumOfFate = 1713,
                      checkdiscount = 1714, reserved = 1716, NV = 1717, NP = 1718, LP = 1719, LPName = 1731,
                      Continue = 1743, FirstProcess = 1744, FirstLapLock = 1746, TreasureOrder = 1758,
                      FateOrder = 1800, OrderNumberOfTreasure = 1842, OrderNumberOfFate = 1844,
                      namesShown = 1846, namesHidden = 1848, toolTips = 1850, Speed = 1862;
} // namespace at

// Every one of the 137 texts emptied, so the offsets above hold.
void blankTexts(GameState& s) {
    for (int k = 1; k <= kMaxPlayers; ++k) {
        s.player(k).Name.clear();
        s.LPName[std::size_t(k)].clear();
        s.tokenToolTip[std::size_t(k)].clear();
    }
    for (int d = 1; d <= kDeeds; ++d) {
        s.deed(d).Name.clear();
        s.deed(d).LandTypeName.clear();
    }
    for (int c = 1; c <= kCardsPerDeck; ++c) {
        s.TreasureCards[std::size_t(c)] = {"", "", s.TreasureCards[std::size_t(c)].Amount};
        s.FateCards[std::size_t(c)] = {"", "", s.FateCards[std::size_t(c)].Amount};
    }
    s.FirstProcess.clear();
}

std::vector<std::uint8_t> bytesOf(const GameState& s) {
    SaveBytes out = writeSaveRecord(s);
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(out));
    return std::get<std::vector<std::uint8_t>>(out);
}

class SaveRecordTest : public GameTest {
protected:
    void SetUp() override {
        startGame(3);
        blankTexts(s);
    }
};

TEST_F(SaveRecordTest, RecordWithEveryTextEmptyIs1866Bytes) {
    EXPECT_EQ(bytesOf(s).size(), 1866u);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(encodeSaveRecord(SaveRecord{})).size(), 1866u);
}

TEST_F(SaveRecordTest, MembersSitAtTheirOffsets) {
    PlayerRecord& p2 = s.player(2);
    p2.Money = 123456;
    p2.DeedCount = 2;
    p2.Deeds[1] = 5;
    p2.Deeds[2] = 29;
    p2.Position = 39;
    p2.MayPlay = kFalse;
    s.Pcom[2] = kTrue;
    s.tokenLeft[2] = -300;
    s.tokenTop[2] = 7561;
    DeedRecord& d29 = s.deed(29);
    d29.Owner = 2;
    d29.Houses = 4;
    d29.Towers = 1;
    s.deed(5).Mortgaged = kTrue;
    s.deed(5).Owner = 2;
    s.TreasureCards[15].Amount = -1500;
    s.FateCards[1].Amount = 700;
    s.checkdiscount = kTrue;
    s.NV = 2;
    s.NP = 3;
    s.LP[4] = kTrue;
    s.Continue = 0;
    s.FirstLapLock[6] = kTrue;
    s.TreasureOrder[0] = 9; // never written
    s.TreasureOrder[1] = 15;
    s.FateOrder[15] = 3;
    s.OrderNumberOfTreasure = 16;
    s.OrderNumberOfFate = 2;
    s.namesShown = false;
    s.Speed = 150000;

    const std::vector<std::uint8_t> b = bytesOf(s);
    ASSERT_EQ(b.size(), 1866u);
    const std::size_t p = at::player(2);
    EXPECT_EQ(le16(b, p), 0);
    EXPECT_EQ(le32(b, p + at::kMoney), 123456);
    EXPECT_EQ(b[p + at::kDeedCount], 2);
    EXPECT_EQ(b[p + at::kDeeds], 5);
    EXPECT_EQ(b[p + at::kDeeds + 1], 29);
    EXPECT_EQ(b[p + at::kDeeds + 2], 0);
    EXPECT_EQ(b[p + at::kPosition], 39);
    EXPECT_EQ(le16(b, p + at::kMayPlay), 0);
    EXPECT_EQ(le16(b, p + at::kBankrupt), 0);
    EXPECT_EQ(le16(b, p + at::kComputer), -1);
    EXPECT_EQ(le16(b, p + at::kLeft), -300);
    EXPECT_EQ(le16(b, p + at::kTop), 7561);
    EXPECT_EQ(le16(b, at::player(1) + at::kMayPlay), -1);
    EXPECT_EQ(le32(b, at::player(6) + at::kMoney), 15000);

    EXPECT_EQ(b[at::landTypes + 28], 1);
    EXPECT_EQ(b[at::landTypes + 2], 3); // deed 3 is group land
    EXPECT_EQ(b[at::landTypes + 8], 2); // deed 9 is pair land
    EXPECT_EQ(le16(b, at::prices + 56), 4000);
    EXPECT_EQ(le16(b, at::housePrices + 56), 2000);
    EXPECT_EQ(le16(b, at::towerPrices + 56), 10000);
    EXPECT_EQ(le32(b, at::rent(0, 1)), 100);
    EXPECT_EQ(le32(b, at::rent(5, 29)), 20000);
    EXPECT_EQ(le32(b, at::rent(3, 8)), 4500);
    EXPECT_EQ(le16(b, at::owners + 56), 2);
    EXPECT_EQ(le16(b, at::houses + 56), 4);
    EXPECT_EQ(le16(b, at::towers + 56), 1);
    EXPECT_EQ(le16(b, at::mortgaged + 8), -1);
    EXPECT_EQ(le16(b, at::mortgaged + 56), 0);

    EXPECT_EQ(le16(b, at::treasureAmounts + 28), -1500);
    EXPECT_EQ(le16(b, at::fateAmounts), 700);

    EXPECT_EQ(le16(b, at::NumOfPlayer), 3);
    EXPECT_EQ(b[at::NumOfDeed], 29);
    EXPECT_EQ(b[at::NumOfTreasure], 15);
    EXPECT_EQ(b[at::NumOfFate], 15);
    EXPECT_EQ(le16(b, at::checkdiscount), -1);
    EXPECT_EQ(b[at::reserved], 0);
    EXPECT_EQ(b[at::NV], 2);
    EXPECT_EQ(b[at::NP], 3);
    EXPECT_EQ(le16(b, at::LP + 6), -1);
    EXPECT_EQ(b[at::Continue], 0);
    EXPECT_EQ(le16(b, at::FirstProcess), 0);
    EXPECT_EQ(le16(b, at::FirstLapLock + 10), -1);
    EXPECT_EQ(le16(b, at::FirstLapLock), 0);
    EXPECT_EQ(le16(b, at::TreasureOrder), 0);
    EXPECT_EQ(le16(b, at::TreasureOrder + 2), 15);
    EXPECT_EQ(le16(b, at::FateOrder), 0);
    EXPECT_EQ(le16(b, at::FateOrder + 30), 3);
    EXPECT_EQ(le16(b, at::OrderNumberOfTreasure), 16);
    EXPECT_EQ(le16(b, at::OrderNumberOfFate), 2);
    EXPECT_EQ(le16(b, at::namesShown), 0);
    EXPECT_EQ(le16(b, at::namesHidden), -1);
    EXPECT_EQ(le32(b, at::Speed), 150000);

    s.namesShown = true;
    const std::vector<std::uint8_t> shown = bytesOf(s);
    EXPECT_EQ(le16(shown, at::namesShown), -1);
    EXPECT_EQ(le16(shown, at::namesHidden), 0);
}

// A fresh game with its real texts: each text is its byte count and its Windows-874 bytes, one byte
// per Thai character, and every text pushes what follows it along.
TEST(SaveRecordTexts, TextsAreCountedWindows874Bytes) {
    ScriptedRandom rnd;
    RecordingView view;
    Game game(rnd, view);
    NewGameSetup setup;
    setup.numPlayers = 2;
    setup.names = {"", "บางปะอิน", "Bob", "Player3", "Player4", "Player5", "Player6"};
    game.NewGame(setup);
    const std::vector<std::uint8_t> b = bytesOf(game.state());

    // An eight-character Thai name takes 2 + 8 bytes.
    EXPECT_EQ(le16(b, 0), 8);
    EXPECT_EQ(bytesAt(b, 2, 8), "\xBA\xD2\xA7\xBB\xD0\xCD\xD4\xB9");
    EXPECT_EQ(le32(b, 10), 15000);
    const std::size_t player2 = 2 + 8 + 45;
    EXPECT_EQ(le16(b, player2), 3);
    EXPECT_EQ(bytesAt(b, player2 + 2, 3), "Bob");

    std::size_t texts = 0;
    const auto count = [&texts](const std::string& t) { texts += utf8ToCp874(t)->size(); };
    const GameState& s = game.state();
    for (int k = 1; k <= kMaxPlayers; ++k) {
        count(s.player(k).Name);
        count(s.LPName[std::size_t(k)]);
        count(s.tokenToolTip[std::size_t(k)]);
    }
    for (int d = 1; d <= kDeeds; ++d) {
        count(s.deed(d).Name);
        count(s.deed(d).LandTypeName);
    }
    for (int c = 1; c <= kCardsPerDeck; ++c) {
        count(s.TreasureCards[std::size_t(c)].DeckName);
        count(s.TreasureCards[std::size_t(c)].Text);
        count(s.FateCards[std::size_t(c)].DeckName);
        count(s.FateCards[std::size_t(c)].Text);
    }
    count(s.FirstProcess);
    EXPECT_EQ(b.size(), 1866 + texts);

    // The deed table begins after the six player blocks; deed 1's name is the same eight bytes.
    const std::size_t deeds = 6 * 47 + 8 + 3 + 4 * 7; // the names of players 3..6 are 7 letters each
    EXPECT_EQ(le16(b, deeds), 8);
    EXPECT_EQ(bytesAt(b, deeds + 2, 8), "\xBA\xD2\xA7\xBB\xD0\xCD\xD4\xB9");
    EXPECT_EQ(le32(b, b.size() - 4), 100000);
}

TEST_F(SaveRecordTest, TextWindows874CannotHoldFailsTheWriteNamingIt) {
    struct Case {
        void (*spoil)(GameState&);
        FileError::Kind kind;
        std::string field;
        std::string_view shown;
    };
    const Case cases[] = {
        {[](GameState& g) { g.player(3).Name = "Bob \xF0\x9F\x98\x80"; }, FileError::Kind::Unencodable,
         "players[3].Name", "ชื่อผู้เล่นคนที่ 3"},
        {[](GameState& g) { g.player(1).Name = "bad \xC3"; }, FileError::Kind::Unencodable, "players[1].Name",
         "ชื่อผู้เล่นคนที่ 1"},
        {[](GameState& g) { g.deed(12).Name = "Café"; }, FileError::Kind::Unencodable, "deeds[12].Name",
         "ชื่อโฉนดที่ 12"},
        {[](GameState& g) { g.FateCards[15].Text = "\xEF\xBF\xBD"; }, FileError::Kind::Unencodable,
         "FateCards[15].Text", "ข้อความของการ์ดประตูดวงใบที่ 15"},
        {[](GameState& g) { g.LPName[2] = std::string(70000, 'a'); }, FileError::Kind::TooLong, "LPName[2]",
         "ที่อยู่ไฟล์รูปของผู้เล่นคนที่ 2"},
        {[](GameState& g) { g.tokenToolTip[6] = "日本"; }, FileError::Kind::Unencodable, "tokenToolTip[6]",
         "ชื่อบนตัวเดินของผู้เล่นคนที่ 6"},
    };
    for (const Case& c : cases) {
        GameState copy = s;
        c.spoil(copy);
        SaveBytes out = writeSaveRecord(copy);
        ASSERT_TRUE(std::holds_alternative<FileError>(out)) << c.field;
        const FileError& e = std::get<FileError>(out);
        EXPECT_EQ(e.kind, c.kind) << c.field;
        EXPECT_EQ(e.field, c.field);
        EXPECT_NE(e.message.find(c.shown), std::string::npos) << e.message;
    }
    // The longest text a 16-bit count can hold is still written.
    s.LPName[2] = std::string(0xFFFF, 'a');
    EXPECT_EQ(bytesOf(s).size(), 1866u + 0xFFFF);
}

// ---------------------------------------------------------------- reading

TEST_F(SaveRecordTest, ReadGivesBackEveryMemberWritten) {
    s.player(5).Money = -5; // a seat that does not play: nothing checks its cash
    s.player(2).Name = "สมศรี";
    s.LPName[1] = "C:\\รูป\\ตัวเดิน.jpg";
    s.FirstProcess = "N";
    s.Speed = 1000;
    s.Pcom[3] = kTrue;
    auto read = readSaveRecord(bytesOf(s));
    ASSERT_TRUE(std::holds_alternative<SaveRecord>(read));
    const SaveRecord& r = std::get<SaveRecord>(read);
    EXPECT_EQ(r.players[2].name, "สมศรี");
    EXPECT_EQ(r.players[5].money, -5);
    EXPECT_EQ(r.players[3].computer, kTrue);
    EXPECT_EQ(r.LPName[1], "C:\\รูป\\ตัวเดิน.jpg");
    EXPECT_EQ(r.FirstProcess, "N");
    EXPECT_EQ(r.Speed, 1000);
    // Writing what was read gives the same bytes again: nothing was lost on the way.
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(encodeSaveRecord(r)), bytesOf(s));
}

TEST_F(SaveRecordTest, BytesAfterTheRecordAreIgnored) {
    std::vector<std::uint8_t> b = bytesOf(s);
    const std::vector<std::uint8_t> exact = b;
    b.insert(b.end(), {0xFF, 0xFF, 0x12, 0x34, 0xDB});
    auto read = readSaveRecord(b);
    ASSERT_TRUE(std::holds_alternative<SaveRecord>(read));
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(encodeSaveRecord(std::get<SaveRecord>(read))), exact);
}

FileError::Kind refusal(std::span<const std::uint8_t> bytes) {
    auto read = readSaveRecord(bytes);
    if (!std::holds_alternative<FileError>(read)) return FileError::Kind(-1);
    const FileError& e = std::get<FileError>(read);
    EXPECT_FALSE(e.message.empty());
    return e.kind;
}

TEST_F(SaveRecordTest, EveryShortLengthIsRefused) {
    const std::vector<std::uint8_t> b = bytesOf(s);
    for (std::size_t n = 0; n < b.size(); ++n)
        ASSERT_EQ(refusal(std::span(b).first(n)), FileError::Kind::Truncated) << n;
    auto read = readSaveRecord(std::span(b).first(0));
    EXPECT_EQ(std::get<FileError>(read).message, "ไฟล์เกมนี้ไม่สมบูรณ์ (สั้นกว่าเกมที่บันทึกไว้หนึ่งเกม) จึงโหลดไม่ได้");
}

TEST(SaveRecordTexts, EveryCutOfARecordWithTextsIsRefused) {
    ScriptedRandom rnd;
    RecordingView view;
    Game game(rnd, view);
    game.NewGame(NewGameSetup{});
    const std::vector<std::uint8_t> b = bytesOf(game.state());
    ASSERT_GT(b.size(), 1866u);
    for (std::size_t n = 0; n < b.size(); ++n) {
        const FileError::Kind k = refusal(std::span(b).first(n));
        ASSERT_TRUE(k == FileError::Kind::Truncated || k == FileError::Kind::StringPastEnd) << n;
    }
}

TEST_F(SaveRecordTest, TextLengthRunningPastTheEndIsRefused) {
    const std::vector<std::uint8_t> base = bytesOf(s);
    struct Case {
        std::size_t offset;
        std::uint16_t count;
        FileError::Kind kind;
    };
    const Case cases[] = {
        {0, 0xFFFF, FileError::Kind::StringPastEnd}, // the first text
        {at::deedNames + 20, 0x8000, FileError::Kind::StringPastEnd},
        {at::FirstProcess, 2000, FileError::Kind::StringPastEnd},
        {at::toolTips + 10, 5, FileError::Kind::StringPastEnd}, // the last text, one byte too many
        {at::toolTips + 10, 4, FileError::Kind::Truncated},     // swallows the speed: the record ends early
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> b = base;
        b[c.offset] = std::uint8_t(c.count & 0xFF);
        b[c.offset + 1] = std::uint8_t(c.count >> 8);
        EXPECT_EQ(refusal(b), c.kind) << c.offset << " " << c.count;
    }
}

TEST_F(SaveRecordTest, ValuesTheGameWouldIndexOutOfRangeAreRefused) {
    const std::vector<std::uint8_t> base = bytesOf(s); // 3 players, decks of 15, NV 1
    ASSERT_TRUE(std::holds_alternative<SaveRecord>(readSaveRecord(base)));
    struct Case {
        std::size_t offset;
        int width;
        int value;
        std::string field; // empty: accepted
    };
    const Case cases[] = {
        {at::NumOfPlayer, 2, 1, "NumOfPlayer"},
        {at::NumOfPlayer, 2, 7, "NumOfPlayer"},
        {at::NumOfPlayer, 2, -1, "NumOfPlayer"},
        {at::NumOfDeed, 1, 28, "NumOfDeed"},
        {at::NumOfDeed, 1, 30, "NumOfDeed"},
        {at::NumOfTreasure, 1, 0, "NumOfTreasure"},
        {at::NumOfTreasure, 1, 21, "NumOfTreasure"},
        {at::NumOfFate, 1, 0, "NumOfFate"},
        {at::NumOfFate, 1, 255, "NumOfFate"},
        {at::player(2) + at::kDeedCount, 1, 30, "players[2].DeedCount"},
        {at::player(6) + at::kDeeds + 28, 1, 30, "players[6].Deeds"},
        {at::player(6) + at::kDeeds + 28, 1, 29, ""},
        {at::player(1) + at::kPosition, 1, 40, "players[1].Position"},
        {at::player(1) + at::kPosition, 1, 39, ""},
        {at::NV, 1, 0, "NV"},
        {at::NV, 1, 4, "NV"},
        {at::NV, 1, 3, ""},
        {at::landTypes, 1, 0, "deeds[1].LandType"},
        {at::landTypes, 1, 4, "deeds[1].LandType"},
        {at::owners + 56, 2, 7, "deeds[29].Owner"},
        {at::owners + 56, 2, -1, "deeds[29].Owner"},
        {at::houses, 2, 5, "deeds[1].Houses"},
        {at::houses, 2, -1, "deeds[1].Houses"},
        {at::towers, 2, 2, "deeds[1].Towers"},
        {at::OrderNumberOfTreasure, 2, 0, "OrderNumberOfTreasure"},
        {at::OrderNumberOfTreasure, 2, 17, "OrderNumberOfTreasure"},
        {at::OrderNumberOfTreasure, 2, 16, ""},
        {at::OrderNumberOfFate, 2, -3, "OrderNumberOfFate"},
        {at::TreasureOrder + 40, 2, 16, "TreasureOrder"},
        {at::TreasureOrder + 40, 2, -1, "TreasureOrder"},
        {at::FateOrder + 2, 2, 16, "FateOrder"},
        {at::FateOrder, 2, 99, ""}, // entry 0 is never read
        {at::reserved, 1, 7, ""},   // nor is the reserved byte
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> b = base;
        b[c.offset] = std::uint8_t(c.value & 0xFF);
        if (c.width == 2) b[c.offset + 1] = std::uint8_t((c.value >> 8) & 0xFF);
        auto read = readSaveRecord(b);
        if (c.field.empty()) {
            EXPECT_TRUE(std::holds_alternative<SaveRecord>(read)) << c.offset << " = " << c.value;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.field << " = " << c.value;
        const FileError& e = std::get<FileError>(read);
        EXPECT_EQ(e.kind, FileError::Kind::BadValue);
        EXPECT_EQ(e.field, c.field);
        EXPECT_EQ(e.message, "ไฟล์เกมนี้เสียหาย (ค่า " + c.field + " ไม่ถูกต้อง) จึงโหลดไม่ได้");
    }
}

// Bytes the code page leaves undefined are refused at load, and a text holding U+FFFD is never
// saved as something else.
TEST_F(SaveRecordTest, UndefinedBytesAreRefusedAndNotSavedAsSomethingElse) {
    std::vector<std::uint8_t> b = bytesOf(s);
    b.insert(b.begin() + 2, {'A', 0xDB});
    b[0] = 2;
    auto read = readSaveRecord(b);
    ASSERT_TRUE(std::holds_alternative<FileError>(read));
    EXPECT_EQ(std::get<FileError>(read).kind, FileError::Kind::Unencodable);
    EXPECT_EQ(std::get<FileError>(read).field, "players[1].Name");
    SaveRecord r = SaveRecordOf(s);
    r.players[1].name = "A\xEF\xBF\xBD";
    SaveBytes again = encodeSaveRecord(r);
    ASSERT_TRUE(std::holds_alternative<FileError>(again));
    EXPECT_EQ(std::get<FileError>(again).field, "players[1].Name");
}

} // namespace
} // namespace tavorin::test
