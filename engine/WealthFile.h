// "<game>.wealth" beside a saved game: the wealth chart's history, so that a loaded game's chart goes
// back to the game's first turn rather than to the load. It is written with every save; a game saved
// without one (or with a damaged one) loads all the same, its chart beginning at the load.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SafeFile.h"
#include "engine/WealthHistory.h"

namespace tavorin {

inline constexpr std::string_view kWealthFileExtension = ".wealth";
// A game longer than the file holds keeps its newest turns.
inline constexpr std::size_t kMaxWealthFileBytes = std::size_t(16) << 20;

// A first line naming the file, then a line a point: the turn, the six seats' worths, and six 0/1
// for whether each seat is bankrupt, separated by single spaces. As many of the newest points as fit
// kMaxWealthFileBytes.
std::string wealthText(const std::vector<WealthPoint>& points);
// Nothing for text that is not such a file: the turns must follow one another, and a seat beyond
// `numPlayers` must be empty.
std::optional<std::vector<WealthPoint>> parseWealth(std::string_view text, int numPlayers);

std::filesystem::path wealthPath(const std::filesystem::path& dir, std::string_view gameName);
bool saveWealth(const std::filesystem::path& dir, std::string_view gameName, const WealthHistory& history,
                FileWriter& writer = diskFileWriter());

enum class WealthFileStatus { Loaded, Missing, Damaged };
// Reads the file into `history` for a game of `numPlayers`; a missing or damaged file leaves it as it
// was.
WealthFileStatus loadWealth(const std::filesystem::path& dir, std::string_view gameName, int numPlayers,
                            WealthHistory& history);

} // namespace tavorin
