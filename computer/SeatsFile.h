// "<game>.seats" beside a saved game: which computer seats play the strong strategy. The saved game
// itself has no room for it, so a game whose computers are all classic writes no such file, and a
// saved game without one loads with classic computers.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "computer/Strategy.h"
#include "engine/SafeFile.h"

namespace tavorin {

using SeatKinds = std::array<StrategyKind, kMaxPlayers + 1>; // [1..6]

inline constexpr std::string_view kSeatsFileExtension = ".seats";

bool anyStrong(const SeatKinds& seats);
// One line a seat: "<seat> classic" or "<seat> strong".
std::string seatsText(const SeatKinds& seats);
// Nothing for text that is not such lines.
std::optional<SeatKinds> parseSeats(std::string_view text);

std::filesystem::path seatsPath(const std::filesystem::path& dir, std::string_view gameName);
// Writes the file when a seat is strong and removes an old one otherwise; false when it could not.
bool saveSeats(const std::filesystem::path& dir, std::string_view gameName, const SeatKinds& seats,
               FileWriter& writer = diskFileWriter());
// Classic seats when the file is missing, unreadable or damaged.
SeatKinds loadSeats(const std::filesystem::path& dir, std::string_view gameName);

} // namespace tavorin
