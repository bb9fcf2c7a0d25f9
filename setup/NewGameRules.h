// What the start and setup windows decide, without any window: whether a typed game name may become
// a file name, and the new game that the setup's choices describe.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Game.h"

namespace tavorin {

// ---------------------------------------------------------------- the game's name

// The name typed for a new game is the saved game's file name, less its ".dat".
enum class GameNameProblem { None, Empty, Separator, BadCharacter, LeadingDot, TooLong };

inline constexpr int kGameNameMaxChars = 100;
// Thai letters take three bytes each in a UTF-8 file name; this keeps `<name>.dat` (and anything the
// save adds while it replaces the file) inside the 255 bytes that common file systems allow.
inline constexpr std::size_t kGameNameMaxBytes = 200;

GameNameProblem checkGameName(std::string_view utf8);
// The Thai text of the message box for a refused name; empty for None.
std::string_view gameNameMessage(GameNameProblem problem);

// A listed "<name>.dat" without its last four characters.
std::string savedGameNameOf(std::string_view listedFile);

// ---------------------------------------------------------------- the setup's choices

inline constexpr std::string_view kPlayerTypePerson = "คน";
inline constexpr std::string_view kPlayerTypeComputer = "คอมพิวเตอร์";
// A computer that plans ahead: it plays as the computer does and chooses by looking forward.
inline constexpr std::string_view kPlayerTypeStrongComputer = "คอมฯ เก่ง";
inline constexpr int kPlayerNameMaxChars = 20;

// The setup window's controls as plain values; index 0 of the tables is unused.
struct SetupChoices {
    int numPlayers = 2; // the selected "เล่น n คน"
    std::array<std::string, kMaxPlayers + 1> names{"",        "Player1", "Player2", "Player3",
                                                   "Player4", "Player5", "Player6"};
    std::array<std::string, kMaxPlayers + 1> types{"", "คน", "คน", "คน", "คน", "คน", "คน"};
    std::array<bool, kMaxPlayers + 1> usePicture{}; // OpgC k rather than OpgD k
    std::array<std::string, kMaxPlayers + 1> picturePaths{};
    bool buyFirstLoop = true;
    bool dealInitialDeeds = false; // OpgINIdeed2
    std::string initialDeedsText;  // what CmbINInumofdeed shows
    EndRule endRule;               // CheckEndRule, SpinEndLimit and CmbEndKind; off unless ticked
};

// Why a player's picture cannot be used.
enum class PictureProblem { None, NoFile, Missing, NotAPicture, PathNotStorable };
// Opens the picture at a path; the toolkit answers Missing, NotAPicture or None.
using PictureCheck = std::function<PictureProblem(const std::string& path)>;

// Checks what the game itself can judge (an empty path, a path the saved game cannot store) before it
// asks `openPicture`.
PictureProblem checkPicture(const std::string& path, const PictureCheck& openPicture);

struct SetupNotice {
    std::string title; // the player's name, or empty for the application's title
    std::string text;
};

struct SetupDecision {
    std::optional<NewGameSetup> setup; // nullopt: refused, the setup window stays open
    std::vector<SetupNotice> notices;  // shown in order before the game starts (or instead of it)
    int focusPlayer = 0;               // the name box to correct after a refusal
};

// The OK button. A name that Windows-874 cannot hold is refused, since the saved game would lose it.
// A picture that cannot be opened is reported and the token keeps its default picture; the game
// still starts.
SetupDecision decideNewGame(const SetupChoices& choices, const PictureCheck& openPicture);

// The messages of a refused picture, naming player k.
std::string pictureRefusedAtChoice(int player, std::string_view name, std::string_view path,
                                   PictureProblem problem);
std::string pictureRefusedAtStart(int player, std::string_view name, std::string_view path,
                                  PictureProblem problem);

} // namespace tavorin
