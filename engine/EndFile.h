// "<game>.end" beside a saved game: the end rule chosen for the game, and what has counted toward it
// (each player's laps, the time played). The saved game itself has no room for it, so a game without
// the rule writes no such file, and a saved game without one (or with a damaged one) loads without
// the rule.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/EndRule.h"
#include "engine/SafeFile.h"

namespace tavorin {

inline constexpr std::string_view kEndFileExtension = ".end";

struct SavedEnd {
    EndRule rule;
    EndProgress progress;
    bool operator==(const SavedEnd&) const = default;
};

// Three lines: "laps N" or "minutes N"; "done" and each player's laps; "played" and milliseconds.
std::string endRuleText(const SavedEnd& end);
// Nothing for text that is not those three lines with numbers in range.
std::optional<SavedEnd> parseEndRule(std::string_view text);

std::filesystem::path endRulePath(const std::filesystem::path& dir, std::string_view gameName);
// Writes the file when the rule is on and removes an old one otherwise; false when it could not.
bool saveEndRule(const std::filesystem::path& dir, std::string_view gameName, const SavedEnd& end,
                 FileWriter& writer = diskFileWriter());
// No rule when the file is missing, unreadable or damaged.
SavedEnd loadEndRule(const std::filesystem::path& dir, std::string_view gameName);

} // namespace tavorin
