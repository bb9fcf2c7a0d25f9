// The game's log: each event as the line a player reads, the turn numbers, and the log file read
// back whole or not at all.
#include <fstream>

#include "engine/EventText.h"
#include "engine/GameLog.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

class GameLogTest : public GameTest {
protected:
    GameLog log{s};
    void SetUp() override {
        NewGameSetup setup;
        setup.names[1] = "สมชาย";
        setup.names[2] = "สมหญิง";
        game.NewGame(setup);
    }
};

// Every kind of event, with the line written out by hand from the deed and card tables.
TEST_F(GameLogTest, EveryEventReadsAsOneThaiLine) {
    struct Case {
        GameEvent event;
        std::string_view line;
    };
    const Case cases[] = {
        {{.kind = EventKind::TurnStarted, .player = 1}, "ถึงตาเล่น"},
        {{.kind = EventKind::Rolled, .player = 1, .amount = 7, .other = 3}, "ทอยลูกเต๋าได้ 3 กับ 4 รวม 7 แต้ม"},
        {{.kind = EventKind::Moved, .player = 1, .other = 6}, "ไปอยู่ที่ช่อง 5 กรุงเทพฯ"},
        {{.kind = EventKind::Moved, .player = 1, .other = 0}, "ไปอยู่ที่ช่อง จุดเริ่มต้น"},
        {{.kind = EventKind::Moved, .player = 1, .other = 2}, "ไปอยู่ที่ช่อง หีบสมบัติ"},
        {{.kind = EventKind::Moved, .player = 1, .other = 7}, "ไปอยู่ที่ช่อง ประตูดวง"},
        {{.kind = EventKind::Moved, .player = 1, .other = 10}, "ไปอยู่ที่ช่อง ติดคุก"},
        {{.kind = EventKind::Moved, .player = 1, .other = 20}, "ไปอยู่ที่ช่อง แวะพักผ่อน"},
        {{.kind = EventKind::Moved, .player = 1, .other = 30}, "ไปอยู่ที่ช่อง ไปติดคุก"},
        {{.kind = EventKind::Moved, .player = 1, .other = 38}, "ไปอยู่ที่ช่อง เสียภาษี"},
        {{.kind = EventKind::PassedStart, .player = 1}, "เดินผ่านจุดเริ่มต้น"},
        {{.kind = EventKind::DrewCard, .player = 1, .deed = 1, .other = 3},
         "เปิดการ์ดหีบสมบัติ: หมาคาบเงินมาให้ 7000"},
        {{.kind = EventKind::DrewCard, .player = 1, .deed = 2, .other = 9},
         "เปิดการ์ดประตูดวง: รับเงินภาษีคืน 4000"},
        {{.kind = EventKind::DrewCard, .player = 1, .deed = 2, .other = 19}, "เปิดการ์ดประตูดวง ใบที่ 19"},
        {{.kind = EventKind::Bought, .player = 1, .deed = 5, .amount = 1000},
         "ซื้อที่ดิน 5 กรุงเทพฯ เป็นเงิน 1000 บาท"},
        {{.kind = EventKind::Bought, .player = 1, .deed = 1, .amount = 1100, .houses = 1},
         "ซื้อที่ดิน 1 บางปะอิน พร้อมบ้าน 1 หลัง เป็นเงิน 1100 บาท"},
        {{.kind = EventKind::Built, .player = 1, .deed = 1, .amount = 500, .houses = 3},
         "สร้างบ้านหลังที่ 3 บน 1 บางปะอิน เป็นเงิน 500 บาท"},
        {{.kind = EventKind::Built, .player = 1, .deed = 1, .amount = 2500, .houses = 5},
         "สร้างตึกบน 1 บางปะอิน เป็นเงิน 2500 บาท"},
        {{.kind = EventKind::Redeemed, .player = 1, .deed = 9, .amount = 1200},
         "ไถ่ถอนการจำนอง 9 การไฟฟ้า เป็นเงิน 1200 บาท"},
        {{.kind = EventKind::TookOver, .player = 1, .deed = 12, .amount = 1800, .other = 2},
         "ซื้อที่ดินติดจำนอง 12 วัดสุทัศน์ ต่อจาก สมหญิง เป็นเงิน 1800 บาท"},
        {{.kind = EventKind::Collected, .player = 1, .deed = 1, .amount = 600},
         "ได้รับเงิน 600 บาท จากธนาคาร เพราะมีตึกบน 1 บางปะอิน"},
        {{.kind = EventKind::Paid, .player = 1, .deed = 6, .amount = -300, .other = 2, .what = Charge::Rent},
         "จ่ายค่าเช่าที่ดิน 6 กาญจนบุรี 300 บาท ให้ สมหญิง"},
        {{.kind = EventKind::Paid, .player = 1, .deed = 9, .amount = -320, .what = Charge::MortgageFee},
         "จ่ายค่าผ่านที่ดินติดจำนอง 9 การไฟฟ้า 320 บาท ให้ธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = -2000, .what = Charge::Tax},
         "จ่ายภาษี 2000 บาท ให้ธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = -500, .what = Charge::Bail},
         "จ่ายเงินประกันตัว 500 บาท ให้ธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = 4000, .what = Charge::Card},
         "ได้รับเงินตามการ์ด 4000 บาท จากธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = -96, .what = Charge::RedemptionFee},
         "จ่ายค่าธรรมเนียมการไถ่ถอน 96 บาท ให้ธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = -60, .what = Charge::SaleTax},
         "จ่ายภาษีการขาย 60 บาท ให้ธนาคาร"},
        {{.kind = EventKind::Paid, .player = 1, .amount = 0, .what = Charge::Card}, ""},
        {{.kind = EventKind::TookBonus, .player = 1, .amount = 2000}, "รับโบนัสเป็นเงินสด 2000 บาท"},
        {{.kind = EventKind::TookBonus, .player = 1, .deed = 5, .amount = 1500},
         "รับโบนัสเป็นบ้าน 1 หลังบน 5 กรุงเทพฯ และเงินที่เหลือ 1500 บาท"},
        {{.kind = EventKind::Sold, .player = 1, .deed = 5, .amount = 900},
         "ขายที่ดิน 5 กรุงเทพฯ คืนธนาคาร ได้ 900 บาท"},
        {{.kind = EventKind::Sold, .player = 1, .deed = 5, .amount = 500, .houses = 1},
         "ขายบ้าน 1 หลังบน 5 กรุงเทพฯ คืนธนาคาร ได้ 500 บาท"},
        {{.kind = EventKind::Sold, .player = 1, .deed = 5, .amount = 2500, .houses = 5},
         "ขายตึกบน 5 กรุงเทพฯ คืนธนาคาร ได้ 2500 บาท"},
        {{.kind = EventKind::RaiseMoney, .player = 1, .amount = -5500},
         "ต้องจ่าย 5500 บาท แต่มีเงินไม่พอ ต้องขายหรือจำนองทรัพย์สินก่อน"},
        {{.kind = EventKind::Rested, .player = 1}, "หยุดพักหนึ่งตา"},
        {{.kind = EventKind::WentBankrupt, .player = 1, .amount = 120, .other = 2},
         "ล้มละลาย เงินที่เหลือ 120 บาท ตกเป็นของ สมหญิง"},
        {{.kind = EventKind::WentBankrupt, .player = 1}, "ล้มละลาย ทรัพย์สินทั้งหมดกลับคืนธนาคาร"},
        {{.kind = EventKind::Won, .player = 2}, "ชนะเกมนี้"},
        {{.kind = EventKind::Won, .player = 2, .other = 1}, "ชนะเกมนี้ด้วยทรัพย์สินมากที่สุดเมื่อครบกำหนดจบเกม"},
        {{.kind = EventKind::Mortgaged, .player = 1, .deed = 1, .amount = 480},
         "จำนอง 1 บางปะอิน กับธนาคาร ได้ 480 บาท"},
        {{.kind = EventKind::SoldTo, .player = 1, .deed = 6, .amount = 3000, .other = 2},
         "ขาย 6 กาญจนบุรี ให้ สมหญิง ในราคา 3000 บาท"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(eventText(c.event, s), c.line);
    }
}

TEST_F(GameLogTest, LinesCarryTheTurnAndThePlayer) {
    GameLog fresh{s};
    game.addObserver(fresh);
    game.NV_Process(); // the turn passes from player 1 to player 2
    fresh.gameEvent({.kind = EventKind::Rolled, .player = 2, .amount = 5, .other = 1});
    fresh.note(2, "คอมฯ ตัดสินใจ\r\nซื้อที่ดิน");
    fresh.note(0, "ข้อความ");
    fresh.gameEvent({.kind = EventKind::Paid, .player = 2, .amount = 0, .what = Charge::Card});
    game.NV_Process();
    EXPECT_EQ(fresh.lines(), (std::vector<std::string>{
                                 "ตาที่ 1 สมหญิง: ถึงตาเล่น",
                                 "ตาที่ 1 สมหญิง: ทอยลูกเต๋าได้ 1 กับ 4 รวม 5 แต้ม",
                                 "ตาที่ 1 สมหญิง: คอมฯ ตัดสินใจ ซื้อที่ดิน",
                                 "ข้อความ",
                                 "ตาที่ 2 สมชาย: ถึงตาเล่น",
                             }));
    EXPECT_EQ(fresh.turn(), 2);
}

TEST_F(GameLogTest, TheFileBringsBackTheLinesAndTheTurn) {
    log.note(1, "ก");
    GameLog other{s};
    const std::string text = "ตาที่ 3 สมชาย: ถึงตาเล่น\r\nตาที่ 12 สมชาย: ทอย\n\nหมายเหตุ ตาที่ 99\n";
    ASSERT_TRUE(other.restore(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
    EXPECT_EQ(other.lines(),
              (std::vector<std::string>{"ตาที่ 3 สมชาย: ถึงตาเล่น", "ตาที่ 12 สมชาย: ทอย", "หมายเหตุ ตาที่ 99"}));
    EXPECT_EQ(other.turn(), 12);
    EXPECT_EQ(other.fileText(), "ตาที่ 3 สมชาย: ถึงตาเล่น\nตาที่ 12 สมชาย: ทอย\nหมายเหตุ ตาที่ 99\n");
}

TEST_F(GameLogTest, BytesThatAreNotALogAreRefusedAndTheLogStays) {
    log.note(0, "เดิม");
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {'a', 0x00, 'b'},         // a NUL
        {0x1B, '['},              // an escape
        {0xE0, 0xB8},             // a Thai letter cut short
        {0xC0, 0xAF},             // an overlong slash
        {0xED, 0xA0, 0x80},       // a surrogate
        {0xF4, 0x90, 0x80, 0x80}, // past U+10FFFF
        {0xB8, 'a'},              // a continuation byte alone
        {'a', 0xFF},              // never in UTF-8
    };
    for (const auto& bytes : damaged) {
        EXPECT_FALSE(log.restore(bytes));
        EXPECT_EQ(log.lines(), std::vector<std::string>{"เดิม"});
    }
    std::vector<std::uint8_t> tooLong(kMaxLogFileBytes + 1, 'a');
    EXPECT_FALSE(log.restore(tooLong));
    EXPECT_TRUE(log.restore(std::vector<std::uint8_t>{}));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(GameLogTest, TheFileIsReplacedBesideTheGameAndReadBack) {
    TempDir dir;
    log.note(1, "ซื้อที่ดิน");
    ASSERT_TRUE(saveLog(dir.path(), "เกม1", log));
    const std::string written = "ตาที่ 0 สมชาย: ซื้อที่ดิน\n";
    EXPECT_EQ(readAll(dir / "เกม1.log"), std::vector<std::uint8_t>(written.begin(), written.end()));
    GameLog back{s};
    EXPECT_EQ(loadLog(dir.path(), "เกม1", back), LogFileStatus::Loaded);
    EXPECT_EQ(back.lines(), log.lines());
    EXPECT_EQ(loadLog(dir.path(), "เกม2", back), LogFileStatus::Missing);
    std::ofstream(dir / "เกม3.log", std::ios::binary).write("\xff\xfe", 2);
    EXPECT_EQ(loadLog(dir.path(), "เกม3", back), LogFileStatus::Damaged);
    std::filesystem::create_directory(dir / "เกม4.log");
    EXPECT_EQ(loadLog(dir.path(), "เกม4", back), LogFileStatus::Damaged);
    EXPECT_EQ(back.lines(), log.lines());
}

TEST_F(GameLogTest, ALogTooLongForItsFileKeepsItsNewestLines) {
    const std::string line(1000, 'x');
    for (std::size_t i = 0; i < kMaxLogFileBytes / 1000 + 10; ++i) log.note(0, line + std::to_string(i));
    const std::string text = log.fileText();
    EXPECT_LE(text.size(), kMaxLogFileBytes);
    EXPECT_TRUE(text.ends_with(line + std::to_string(kMaxLogFileBytes / 1000 + 9) + "\n"));
    GameLog back{s};
    EXPECT_TRUE(back.restore(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
}

} // namespace
} // namespace tavorin::test
