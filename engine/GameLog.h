// The game's log: every event of the game as one Thai line, with the turn it happened in and the
// player it happened to, and the notes the program adds (the computer's announcements when it
// plays quietly, a word about a log file that could not be read). It is kept beside the saved game
// as "<game>.log", UTF-8 text, one line a line; the saved game itself never depends on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Events.h"
#include "engine/SafeFile.h"
#include "engine/State.h"

namespace tavorin {

inline constexpr std::string_view kLogFileExtension = ".log";
// A longer game drops its oldest lines, so that a game of many thousand turns keeps its memory
// bounded and its log always fits the file it is read back from.
inline constexpr std::size_t kMaxLogLines = 20000;
inline constexpr std::size_t kMaxLogFileBytes = std::size_t(16) << 20;

class GameLog final : public GameObserver {
public:
    // The log reads the players' and deeds' names from `state` as each event comes.
    explicit GameLog(const GameState& state) : s_(&state) {}

    void gameEvent(const GameEvent& event) override;
    // A line of the program's own for `player` (0: no one) in the current turn; several lines of
    // text are joined into one.
    void note(int player, std::string_view text);

    const std::vector<std::string>& lines() const { return lines_; }
    // The turns begun so far: the number the next line carries.
    int turn() const { return turn_; }
    void clear();

    // Called with every line added (not for the lines a file brings back).
    void setListener(std::function<void(const std::string&)> listener) { listener_ = std::move(listener); }

    // The file's text: the lines, each ended by a newline, as many of the newest as fit the file.
    std::string fileText() const;
    // The log held by a file's bytes, or false (and the log left as it was) for bytes that are not
    // such a file: too long, not UTF-8, or holding control characters other than line ends and tabs.
    bool restore(std::span<const std::uint8_t> bytes);

private:
    void add(std::string line);

    const GameState* s_;
    std::vector<std::string> lines_;
    int turn_ = 0;
    std::function<void(const std::string&)> listener_;
};

std::filesystem::path logPath(const std::filesystem::path& dir, std::string_view gameName);
bool saveLog(const std::filesystem::path& dir, std::string_view gameName, const GameLog& log,
             FileWriter& writer = diskFileWriter());

enum class LogFileStatus { Loaded, Missing, Damaged };
// Reads the game's log file into `log`; a missing or damaged file leaves the log as it was.
LogFileStatus loadLog(const std::filesystem::path& dir, std::string_view gameName, GameLog& log);

} // namespace tavorin
