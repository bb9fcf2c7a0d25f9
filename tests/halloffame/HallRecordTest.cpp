#include "halloffame/HallRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/wait.h>
#include <unistd.h>

#include "engine/DeedLine.h"
#include "tests/engine/FileSupport.h"
#include "tests/engine/Fixture.h"

namespace tavorin::test {
namespace {

HallRecord winner(std::string name, std::int32_t total, std::int32_t money = 0) {
    HallRecord r;
    r.Name = std::move(name);
    r.TotalAsset = total;
    r.Money = money;
    return r;
}

std::vector<std::uint8_t> merged(std::span<const std::uint8_t> file, const HallRecord& win,
                                 int* rank = nullptr) {
    auto out = mergeWinRecord(file, win);
    EXPECT_TRUE(std::holds_alternative<RecFileUpdate>(out));
    if (rank) *rank = std::get<RecFileUpdate>(out).rank;
    return std::get<RecFileUpdate>(out).bytes;
}

// A file of ten winners r1..r10 worth 1000, 900, ... 100.
std::vector<std::uint8_t> fullFile() {
    std::vector<std::uint8_t> file;
    for (int i = 10; i >= 1; --i) file = merged(file, winner("r" + std::to_string(i), 100 * (11 - i)));
    return file;
}

class WinRecordTest : public GameTest {
protected:
    void SetUp() override { startGame(3); }
};

TEST_F(WinRecordTest, TotalAssetCountsCashAndUnmortgagedLandWithBuildings) {
    s.player(2).Money = 20000;
    give(2, 1); // 600, houses at 500
    s.deed(1).Houses = 2;
    give(2, 3); // 2000, mortgaged: counts nothing
    s.deed(3).Mortgaged = kTrue;
    const HallRecord wr = SET_WR(s, 2);
    EXPECT_EQ(wr.Name, "Player2");
    EXPECT_EQ(wr.Money, 20000);
    EXPECT_EQ(wr.TotalAsset, 20000 + 600 + 2 * 500);
    EXPECT_EQ(wr.DeedCount, 2);
    EXPECT_EQ(wr.DeedLines[1], "1  บางปะอิน" + std::string(31, ' ') + "บ้าน 2 ตึก 0");
    EXPECT_EQ(wr.DeedLines[2], "3  วัดอรุณฯ (จ.)");
    for (std::size_t i = 3; i <= kDeeds; ++i) EXPECT_EQ(wr.DeedLines[i], "");

    give(2, 29);
    s.deed(29).Houses = 4;
    s.deed(29).Towers = 1;
    EXPECT_EQ(SET_WR(s, 2).TotalAsset, 21600 + 4000 + 4 * 2000 + 10000);
    EXPECT_EQ(SET_WR(s, 2).DeedLines[3], HoldingsLine(29, s.deed(29)).text());
}

TEST_F(WinRecordTest, WinnerWithoutDeedsIsWorthHisCash) {
    s.player(1).Money = 31234;
    const HallRecord wr = SET_WR(s, 1);
    EXPECT_EQ(wr.TotalAsset, 31234);
    EXPECT_EQ(wr.DeedCount, 0);
    EXPECT_TRUE(hallDetail(wr).deedLines.empty());
}

TEST(RecFileBytes, FirstWinIsOneRecordAndNineEmptyOnes) {
    HallRecord w = winner("บางปะอิน", 21600, 20000);
    w.DeedCount = 1;
    w.DeedLines[1] = "3  ab";
    int rank = 0;
    const std::vector<std::uint8_t> b = merged({}, w, &rank);
    EXPECT_EQ(rank, 1);
    EXPECT_EQ(kEmptyHallRecordBytes, 69u);
    // Eight Thai characters: 2 + 8 bytes.
    EXPECT_EQ(le16(b, 0), 8);
    EXPECT_EQ(bytesAt(b, 2, 8), "\xBA\xD2\xA7\xBB\xD0\xCD\xD4\xB9");
    EXPECT_EQ(le32(b, 10), 21600);
    EXPECT_EQ(le32(b, 14), 20000);
    EXPECT_EQ(b[18], 1);
    EXPECT_EQ(le16(b, 19), 5);
    EXPECT_EQ(bytesAt(b, 21, 5), "3  ab");
    const std::size_t first = 26 + 28 * 2;
    for (std::size_t i = 26; i < first; ++i) EXPECT_EQ(b[i], 0) << i;
    ASSERT_EQ(b.size(), first + 9 * 69);
    for (std::size_t i = first; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;

    const HallOfFame ranks = readRecFile(b);
    EXPECT_EQ(ranks[0], w);
    for (int i = 1; i < kHallRanks; ++i) EXPECT_EQ(ranks[std::size_t(i)], HallRecord{});
    const std::vector<HallLine> lines = HallOfFrameLines(ranks);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "1 บางปะอิน   21600");
}

TEST(RecFileBytes, TieIsRankedAboveAndTheTenthIsDropped) {
    const std::vector<std::uint8_t> file = fullFile();
    int rank = 0;
    const HallOfFame ranks = readRecFile(merged(file, winner("new", 800), &rank));
    EXPECT_EQ(rank, 3);
    const std::vector<std::string> names = {"r1", "r2", "new", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(ranks[i].Name, names[i]) << i;
    EXPECT_EQ(ranks[3].TotalAsset, 800);
    EXPECT_EQ(ranks[9].TotalAsset, 200);

    // Richer than all enters first; poorer than all changes nothing; equal to the last takes its place.
    EXPECT_EQ(readRecFile(merged(file, winner("top", 5000), &rank))[0].Name, "top");
    EXPECT_EQ(rank, 1);
    EXPECT_EQ(merged(file, winner("poor", 99), &rank), file);
    EXPECT_EQ(rank, 0);
    EXPECT_EQ(readRecFile(merged(file, winner("last", 100), &rank))[9].Name, "last");
    EXPECT_EQ(rank, 10);
}

TEST(RecFileBytes, ShortFileReadsWhatItHasAndEmptyRanksAfter) {
    HallRecord a = winner("สมชาย", 5000, 4000);
    a.DeedCount = 2;
    a.DeedLines[1] = "1  บางปะอิน";
    a.DeedLines[2] = "2  อยุธยา";
    const std::vector<std::uint8_t> one = merged({}, a);
    const std::size_t aBytes = 2 + 5 + 9 + 2 * 29 + 11 + 9;
    std::vector<std::uint8_t> two = merged(one, winner("b", 10));
    two.resize(aBytes + 40); // the second record is cut in its deed lines
    for (std::size_t n = 0; n <= two.size(); ++n) {
        const HallOfFame ranks = readRecFile(std::span(two).first(n));
        if (n >= aBytes) {
            EXPECT_EQ(ranks[0], a) << n;
        } else {
            EXPECT_EQ(ranks[1], HallRecord{}) << n;
        }
        for (std::size_t i = 2; i < ranks.size(); ++i) ASSERT_EQ(ranks[i], HallRecord{}) << n;
    }
    // Cut after the name and the total: those stay, the rest of the record is empty.
    const HallOfFame cut = readRecFile(std::span(one).first(2 + 5 + 4 + 2));
    EXPECT_EQ(cut[0].Name, "สมชาย");
    EXPECT_EQ(cut[0].TotalAsset, 5000);
    EXPECT_EQ(cut[0].Money, 0);
    // The second record, cut after its name and numbers, keeps them too.
    const HallOfFame second = readRecFile(std::span(two).first(aBytes + 2 + 1 + 9));
    EXPECT_EQ(second[1].Name, "b");
    EXPECT_EQ(second[1].TotalAsset, 10);
    // An absurd length at the start reads as an empty file.
    const std::vector<std::uint8_t> absurd = {0xFF, 0xFF, 'x'};
    EXPECT_EQ(readRecFile(absurd)[0], HallRecord{});
}

TEST(RecFileBytes, StoredRecordsAreCarriedOverByteForByte) {
    // A record whose name holds a byte the code page leaves undefined.
    std::vector<std::uint8_t> file = {3, 0, 'A', 0xDB, 'B', 0xE8, 0x03, 0, 0, 0, 0, 0, 0, 0};
    file.resize(file.size() + 29 * 2, 0);
    const std::vector<std::uint8_t> old = file;
    EXPECT_EQ(readRecFile(file)[0].Name, "A\xEF\xBF\xBD"
                                         "B");
    int rank = 0;
    const std::vector<std::uint8_t> b = merged(file, winner("w", 2000), &rank);
    EXPECT_EQ(rank, 1);
    const std::size_t w = 2 + 1 + 9 + 29 * 2;
    ASSERT_GE(b.size(), w + old.size());
    EXPECT_TRUE(std::equal(old.begin(), old.end(), b.begin() + std::ptrdiff_t(w)));
}

TEST(RecFileBytes, WinnerTextsTheCodePageCannotHoldAreRefused) {
    HallRecord w = winner("Bob 🙂", 10);
    auto out = mergeWinRecord({}, w);
    ASSERT_TRUE(std::holds_alternative<FileError>(out));
    EXPECT_EQ(std::get<FileError>(out).kind, FileError::Kind::Unencodable);
    EXPECT_EQ(std::get<FileError>(out).field, "Name");
    w.Name = "Bob";
    w.DeedCount = 1;
    w.DeedLines[1] = "日本";
    EXPECT_EQ(std::get<FileError>(mergeWinRecord({}, w)).field, "DeedLines[1]");
    // A winner who does not enter is not encoded at all.
    EXPECT_TRUE(std::holds_alternative<RecFileUpdate>(mergeWinRecord(fullFile(), winner("🙂", 1))));
}

TEST(HallOfFrameTexts, DetailOfTheSelectedLine) {
    std::vector<std::uint8_t> file;
    HallRecord second = winner("สอง", 700, 650);
    second.DeedCount = 2;
    second.DeedLines[1] = "1  x";
    second.DeedLines[2] = "2  y";
    file = merged(file, second);
    file = merged(file, winner("หนึ่ง", 900, 900));
    const HallOfFame ranks = readRecFile(file);
    const std::vector<HallLine> lines = HallOfFrameLines(ranks);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, "2 สอง   700");
    const std::optional<HallDetail> d = HallOfFrameDetailShow(ranks, 1);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->name, "สอง");
    EXPECT_EQ(d->totalAsset, "700");
    EXPECT_EQ(d->cash, "650");
    EXPECT_EQ(d->deedCount, "2");
    EXPECT_EQ(textsOf(d->deedLines), (std::vector<std::string>{"1  x", "2  y"}));
    EXPECT_FALSE(HallOfFrameDetailShow(ranks, -1).has_value());
    EXPECT_FALSE(HallOfFrameDetailShow(ranks, 2).has_value());
}

// A damaged file can hold an empty rank between two winners: the list skips it, and each line still
// opens the record it shows.
TEST(HallOfFrameTexts, LinesMapToTheirRanksWhenARankIsSkipped) {
    HallOfFame ranks{};
    ranks[0] = winner("A", 500);
    ranks[2] = winner("B", 300);
    ranks[2].DeedCount = 200; // damaged too: only the 29 lines there are are listed
    const std::vector<HallLine> lines = HallOfFrameLines(ranks);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rank, 3);
    EXPECT_EQ(lines[1].text, "3 B   300");
    const std::optional<HallDetail> d = HallOfFrameDetailShow(ranks, 1);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->name, "B");
    EXPECT_EQ(d->deedLines.size(), 29u);
}

// The file keeps a record's deed lines as text: the lines a winner's record is written with come
// back with their parts, anything else as a line that names no deed, and every text unchanged.
TEST(HallOfFrameTexts, RecordedDeedLinesComeBackWithTheirParts) {
    struct Case {
        std::string line;
        int deed;
        std::string name;
        DeedMark mark;
        int houses, towers;
    };
    const std::string sp31(31, ' ');
    const Case cases[] = {
        {"1  บางปะอิน" + sp31 + "บ้าน 2 ตึก 0", 1, "บางปะอิน", DeedMark::None, 2, 0},
        {"3  วัดอรุณฯ (จ.)", 3, "วัดอรุณฯ", DeedMark::Mortgaged, 0, 0},
        {"29 เกาะสมุย (จ.)" + std::string(30, ' ') + "บ้าน 4 ตึก 1", 29, "เกาะสมุย", DeedMark::Mortgaged, 4, 1},
        {"12 วัดสุทัศน์", 12, "วัดสุทัศน์", DeedMark::None, 0, 0},
        // Not as the game writes them: shown as they stand.
        {"1 บางปะอิน", 0, "1 บางปะอิน", DeedMark::None, 0, 0},
        {"1  บางปะอิน บ้าน 2 ตึก 0", 0, "1  บางปะอิน บ้าน 2 ตึก 0", DeedMark::None, 0, 0},
        {"1  บางปะอิน   ", 0, "1  บางปะอิน   ", DeedMark::None, 0, 0},
        {"0  x", 0, "0  x", DeedMark::None, 0, 0},
        {"บ้าน 2 ตึก 0", 0, "บ้าน 2 ตึก 0", DeedMark::None, 0, 0},
        {"", 0, "", DeedMark::None, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const DeedLine line = recordedDeedLine(c.line);
        EXPECT_EQ(line.text(), c.line);
        EXPECT_EQ(line.deed, c.deed);
        EXPECT_EQ(line.name, c.name);
        EXPECT_EQ(line.mark, c.mark);
        EXPECT_EQ(line.houses, c.houses);
        EXPECT_EQ(line.towers, c.towers);
    }
}

// ---------------------------------------------------------------- the file in its folder

std::vector<std::string> sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(RecFileOnDisk, FirstWinCreatesTheFileAndLaterWinsMergeIntoIt) {
    TempDir dir;
    auto empty = loadRecFile(dir.path());
    ASSERT_TRUE(std::holds_alternative<HallOfFame>(empty));
    EXPECT_TRUE(HallOfFrameLines(std::get<HallOfFame>(empty)).empty());
    EXPECT_TRUE(dir.names().empty()); // looking does not create the file

    EXPECT_EQ(std::get<int>(SaveRecFile(winner("a", 100), dir.path())), 1);
    EXPECT_EQ(std::get<int>(SaveRecFile(winner("b", 300), dir.path())), 1);
    EXPECT_EQ(std::get<int>(SaveRecFile(winner("c", 200), dir.path())), 2);
    EXPECT_EQ(sorted(dir.names()), (std::vector<std::string>{"RecFile", "RecFile.lock"}));
    const HallOfFame ranks = std::get<HallOfFame>(loadRecFile(dir.path()));
    EXPECT_EQ(ranks[0].Name, "b");
    EXPECT_EQ(ranks[1].Name, "c");
    EXPECT_EQ(ranks[2].Name, "a");

    // A poorer winner than all ten rewrites the same ranks; what lay past the tenth record is gone.
    std::vector<std::uint8_t> full = fullFile();
    const std::vector<std::uint8_t> expected = full;
    full.insert(full.end(), {1, 2, 3});
    writeAll(recFilePath(dir.path()), full);
    EXPECT_EQ(std::get<int>(SaveRecFile(winner("poor", 5), dir.path())), 0);
    EXPECT_EQ(readAll(recFilePath(dir.path())), expected);
}

TEST(RecFileOnDisk, FailedWriteKeepsThePreviousFile) {
    TempDir dir;
    ASSERT_EQ(std::get<int>(SaveRecFile(winner("a", 100), dir.path())), 1);
    const std::vector<std::uint8_t> previous = readAll(recFilePath(dir.path()));
    for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(100), previous.size()}) {
        FailingWriter failing(n);
        auto out = SaveRecFile(winner("b", 500), dir.path(), failing);
        ASSERT_TRUE(std::holds_alternative<FileError>(out)) << n;
        EXPECT_EQ(std::get<FileError>(out).kind, FileError::Kind::Unwritable);
        EXPECT_EQ(readAll(recFilePath(dir.path())), previous) << n;
        EXPECT_EQ(sorted(dir.names()), (std::vector<std::string>{"RecFile", "RecFile.lock"}));
    }
}

TEST(RecFileOnDisk, UnreadableFileIsNotOverwritten) {
    TempDir dir;
    std::filesystem::create_directories(recFilePath(dir.path()) / "inside");
    auto out = SaveRecFile(winner("a", 100), dir.path());
    ASSERT_TRUE(std::holds_alternative<FileError>(out));
    EXPECT_EQ(std::get<FileError>(out).kind, FileError::Kind::Unreadable);
    EXPECT_TRUE(std::filesystem::is_directory(recFilePath(dir.path()) / "inside"));
    EXPECT_TRUE(std::holds_alternative<FileError>(loadRecFile(dir.path())));
}

// Two copies of the game whose games end at the same moment: each enters its winner into the same
// RecFile. Both records must be kept, and what each copy reports must be what happened to its record.
TEST(RecFileOnDisk, TwoCopiesFinishingTogetherKeepBothRecords) {
    for (int trial = 0; trial < 40; ++trial) {
        TempDir dir;
        ASSERT_TRUE(std::holds_alternative<int>(SaveRecFile(winner("earlier", 50), dir.path())));
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const HallRecord wins[2] = {winner("first", 100), winner("second", 200)};
        pid_t copies[2];
        for (int i = 0; i < 2; ++i) {
            copies[i] = ::fork();
            ASSERT_GE(copies[i], 0);
            if (copies[i] == 0) {
                // Both wait on the same pipe, so they start writing as nearly together as can be.
                ::close(go[1]);
                char c;
                while (::read(go[0], &c, 1) > 0) {
                }
                const auto entered = SaveRecFile(wins[i], dir.path());
                ::_exit(std::holds_alternative<int>(entered) ? std::get<int>(entered) : 100);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        int reported[2];
        for (int i = 0; i < 2; ++i) {
            int status = 0;
            ASSERT_EQ(::waitpid(copies[i], &status, 0), copies[i]);
            ASSERT_TRUE(WIFEXITED(status));
            reported[i] = WEXITSTATUS(status);
        }
        const HallOfFame ranks = std::get<HallOfFame>(loadRecFile(dir.path()));
        EXPECT_EQ(ranks[0].Name, "second") << trial;
        EXPECT_EQ(ranks[1].Name, "first") << trial;
        EXPECT_EQ(ranks[2].Name, "earlier") << trial;
        // "second" tops the list whenever it enters; "first" entered at 1 before it or at 2 after it.
        EXPECT_EQ(reported[1], 1) << trial;
        EXPECT_TRUE(reported[0] == 1 || reported[0] == 2) << trial << " " << reported[0];
    }
}

} // namespace
} // namespace tavorin::test
