// The start window's game names, the setup's NewGameSetup and the picture chooser's filters, without
// any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/NewGameRules.h"
#include "setup/PictureChoice.h"

namespace tavorin {
namespace {

std::string repeat(std::string_view piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

struct NameCase {
    const char* what;
    std::string name;
    GameNameProblem expected;
};

TEST(GameName, RefusesWhatCannotBecomeAFileInTheGameFolder) {
    const std::vector<NameCase> cases = {
        {"empty", "", GameNameProblem::Empty},
        {"blanks only", "   ", GameNameProblem::Empty},
        {"climbs out of the folder", "../x", GameNameProblem::Separator},
        {"a sub-folder", "a/b", GameNameProblem::Separator},
        {"a Windows separator", "a\\b", GameNameProblem::Separator},
        {"hidden", ".hidden", GameNameProblem::LeadingDot},
        {"the folder itself", ".", GameNameProblem::LeadingDot},
        {"101 characters", repeat("a", 101), GameNameProblem::TooLong},
        {"a tab", "a\tb", GameNameProblem::BadCharacter},
        {"NUL", std::string("a\0b", 3), GameNameProblem::BadCharacter},
        {"DEL", "a\x7F", GameNameProblem::BadCharacter},
        {"a C1 control", "a\xC2\x85", GameNameProblem::BadCharacter},
        {"broken UTF-8", "a\xFF", GameNameProblem::BadCharacter},
        {"67 Thai letters overflow a file name's bytes", repeat("ก", 67), GameNameProblem::TooLong},
        {"100 characters", repeat("a", 100), GameNameProblem::None},
        {"66 Thai letters", repeat("ก", 66), GameNameProblem::None},
        {"Thai with spaces", "เกม ของ ฉัน", GameNameProblem::None},
        {"a dot inside", "game.dat", GameNameProblem::None},
    };
    for (const NameCase& c : cases) EXPECT_EQ(checkGameName(c.name), c.expected) << c.what;
}

TEST(GameName, EveryRefusalHasAThaiMessage) {
    EXPECT_EQ(gameNameMessage(GameNameProblem::Empty), "กรุณาใส่ชื่อก่อน");
    for (GameNameProblem p : {GameNameProblem::Separator, GameNameProblem::BadCharacter,
                              GameNameProblem::LeadingDot, GameNameProblem::TooLong})
        EXPECT_FALSE(gameNameMessage(p).empty());
    EXPECT_TRUE(gameNameMessage(GameNameProblem::None).empty());
}

TEST(GameName, ListedFileLosesOnlyItsLastFourCharacters) {
    EXPECT_EQ(savedGameNameOf("เกม.dat"), "เกม");
    EXPECT_EQ(savedGameNameOf("x.dat.dat"), "x.dat");
    EXPECT_EQ(savedGameNameOf(".dat"), "");
}

// ---------------------------------------------------------------- the OK button

PictureCheck opensEverything() {
    return [](const std::string&) { return PictureProblem::None; };
}

TEST(DecideNewGame, UntouchedChoicesAreTheTwoPersonGame) {
    const SetupDecision d = decideNewGame(SetupChoices{}, opensEverything());
    ASSERT_TRUE(d.setup);
    EXPECT_TRUE(d.notices.empty());
    const NewGameSetup& s = *d.setup;
    EXPECT_EQ(s.numPlayers, 2);
    EXPECT_EQ(s.names[1], "Player1");
    EXPECT_EQ(s.names[6], "Player6");
    EXPECT_TRUE(s.buyFirstLoop);
    EXPECT_EQ(s.initialDeeds, 0);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        EXPECT_FALSE(s.computer[std::size_t(k)]);
        EXPECT_TRUE(s.picturePaths[std::size_t(k)].empty());
    }
}

TEST(DecideNewGame, ComputerSeatsCountOnlyAmongThePlayers) {
    SetupChoices c;
    c.numPlayers = 3;
    c.types[3] = kPlayerTypeComputer;
    c.types[5] = kPlayerTypeComputer; // a row that does not play
    const SetupDecision d = decideNewGame(c, opensEverything());
    ASSERT_TRUE(d.setup);
    EXPECT_EQ(d.setup->computer, (std::array<bool, 7>{false, false, false, true, false, false, false}));
}

TEST(DecideNewGame, DealsOnlyWithTheSecondOption) {
    SetupChoices c;
    c.initialDeedsText = "3"; // the list keeps its number after the first option is chosen again
    EXPECT_EQ(decideNewGame(c, opensEverything()).setup->initialDeeds, 0);
    c.dealInitialDeeds = true;
    c.initialDeedsText = "4";
    EXPECT_EQ(decideNewGame(c, opensEverything()).setup->initialDeeds, 4);
}

TEST(DecideNewGame, NameTheSavedGameCannotHoldIsRefusedNamingThePlayer) {
    SetupChoices c;
    c.numPlayers = 3;
    c.names[2] = "สมชาย😀";
    const SetupDecision d = decideNewGame(c, opensEverything());
    EXPECT_FALSE(d.setup);
    EXPECT_EQ(d.focusPlayer, 2);
    ASSERT_EQ(d.notices.size(), 1u);
    EXPECT_NE(d.notices[0].text.find("ผู้เล่นที่ 2"), std::string::npos);
}

TEST(DecideNewGame, SuchANameInARowThatDoesNotPlayFallsBackToTheSeatsName) {
    SetupChoices c;
    c.numPlayers = 3;
    c.names[3] = "มานี";
    c.names[5] = "😀";
    const SetupDecision d = decideNewGame(c, opensEverything());
    ASSERT_TRUE(d.setup);
    EXPECT_TRUE(d.notices.empty());
    EXPECT_EQ(d.setup->names[3], "มานี");
    EXPECT_EQ(d.setup->names[5], "Player5");
}

struct PictureCase {
    const char* what;
    bool usePicture;
    std::string path;
    PictureProblem opens; // what the toolkit answers
    bool kept;            // the path reaches the game
    bool asked;           // the toolkit was asked
};

TEST(DecideNewGame, PictureThatCannotBeUsedLeavesTheDefaultTokenAndTheGameStarts) {
    const std::vector<PictureCase> cases = {
        {"a picture", true, "/p/a.jpg", PictureProblem::None, true, true},
        {"default token chosen", false, "/p/a.jpg", PictureProblem::None, false, false},
        {"from a file but none chosen", true, "", PictureProblem::None, false, false},
        {"the file has gone", true, "/p/a.jpg", PictureProblem::Missing, false, true},
        {"not a picture", true, "/p/a.wmf", PictureProblem::NotAPicture, false, true},
        {"a path the saved game cannot hold", true, "/p/写真.jpg", PictureProblem::None, false, false},
    };
    for (const PictureCase& pc : cases) {
        SetupChoices c;
        c.names[2] = "มานี";
        c.usePicture[2] = pc.usePicture;
        c.picturePaths[2] = pc.path;
        bool asked = false;
        const SetupDecision d = decideNewGame(c, [&](const std::string&) {
            asked = true;
            return pc.opens;
        });
        ASSERT_TRUE(d.setup) << pc.what;
        EXPECT_EQ(asked, pc.asked) << pc.what;
        EXPECT_EQ(d.setup->picturePaths[2], pc.kept ? pc.path : "") << pc.what;
        const bool refused = pc.usePicture && !pc.kept;
        ASSERT_EQ(d.notices.size(), refused ? 1u : 0u) << pc.what;
        if (refused) {
            EXPECT_EQ(d.notices[0].title, "มานี") << pc.what;
            EXPECT_NE(d.notices[0].text.find("ผู้เล่นที่ 2 (มานี)"), std::string::npos) << pc.what;
        }
    }
}

TEST(DecideNewGame, PicturesOfRowsThatDoNotPlayAreNotOpened) {
    SetupChoices c;
    c.usePicture[4] = true;
    c.picturePaths[4] = "/p/a.jpg";
    bool asked = false;
    const SetupDecision d = decideNewGame(c, [&](const std::string&) {
        asked = true;
        return PictureProblem::None;
    });
    EXPECT_FALSE(asked);
    EXPECT_TRUE(d.setup->picturePaths[4].empty());
}

// ---------------------------------------------------------------- the picture chooser

TEST(PictureChoice, ListsTheAcceptedPatternsWhateverTheLetterCase) {
    EXPECT_EQ(picturePatterns(), (std::vector<std::string>{"*.jpg", "*.jpeg", "*.png", "*.gif", "*.bmp",
                                                           "*.dib", "*.wmf", "*.ico"}));
    for (const char* yes :
         {"a.jpg", "B.GIF", "c.Bmp", "d.dib", "e.wmf", "f.ico", "รูป.jpg", "a.png", "a.JPEG"})
        EXPECT_TRUE(matchesPicturePattern(yes)) << yes;
    for (const char* no : {"a.svg", "png", "jpg", ".jpg", "a.jpg.txt", "a_jpg"})
        EXPECT_FALSE(matchesPicturePattern(no)) << no;
}

TEST(PictureChoice, FullPathHasOneSeparator) {
    EXPECT_EQ(chosenPicturePath("/home/u/pics", "a.jpg", '/'), "/home/u/pics/a.jpg");
    EXPECT_EQ(chosenPicturePath("/", "a.jpg", '/'), "/a.jpg");
    EXPECT_EQ(chosenPicturePath("C:\\", "a.jpg", '\\'), "C:\\a.jpg");
}

TEST(PictureChoice, FolderLiesOnTheLongestDriveThatHoldsIt) {
    const std::vector<std::string> drives = {"/", "/home/u"};
    EXPECT_EQ(driveOfFolder("/home/u/pics", drives, '/'), "/home/u");
    EXPECT_EQ(driveOfFolder("/home/u", drives, '/'), "/home/u");
    EXPECT_EQ(driveOfFolder("/home/user2", drives, '/'), "/");
    EXPECT_EQ(driveOfFolder("D:\\x", {"C:\\"}, '\\'), "");
}

TEST(PictureChoice, UnreadableDriveMessageKeepsItsWording) {
    EXPECT_EQ(driveNotReadyText("/media/cd", '/'), "/media/cd/ is not accessible. The device is not ready.");
    EXPECT_EQ(driveNotReadyText("/", '/'), "/ is not accessible. The device is not ready.");
    EXPECT_EQ(driveNotReadyText("A:\\", '\\'), "A:\\ is not accessible. The device is not ready.");
}

} // namespace
} // namespace tavorin
