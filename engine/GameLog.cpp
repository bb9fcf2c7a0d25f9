#include "engine/GameLog.h"

#include "engine/EventText.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

constexpr std::string_view kTurnWord = "ตาที่ ";

// Whole UTF-8 sequences only, no overlong forms, surrogates or values past U+10FFFF; no control
// characters but the line ends and the tab.
bool isLogText(std::span<const std::uint8_t> b) {
    std::size_t i = 0;
    while (i < b.size()) {
        const std::uint8_t c = b[i];
        if (c < 0x80) {
            if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (b.size() - i - 1 < n) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const std::uint8_t cc = b[i + k];
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

// The turn a line of the log was written in, or -1 for a line without one.
int turnOf(std::string_view line) {
    if (!line.starts_with(kTurnWord)) return -1;
    line.remove_prefix(kTurnWord.size());
    const std::size_t end = line.find(' ');
    int turn = 0;
    return parseDigits(line.substr(0, end), turn) ? turn : -1;
}

std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool space = false;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

} // namespace

void GameLog::gameEvent(const GameEvent& event) {
    if (event.kind == EventKind::TurnStarted) ++turn_;
    const std::string text = eventText(event, *s_);
    if (!text.empty()) add(logLine(turn_, event.player, *s_, text));
}

void GameLog::note(int player, std::string_view text) {
    const std::string line = oneLine(text);
    if (line.empty()) return;
    add(validPlayer(player) ? logLine(turn_, player, *s_, line) : line);
}

void GameLog::add(std::string line) {
    if (lines_.size() >= kMaxLogLines) lines_.erase(lines_.begin(), lines_.begin() + (kMaxLogLines / 10));
    lines_.push_back(std::move(line));
    if (listener_) listener_(lines_.back());
}

void GameLog::clear() {
    lines_.clear();
    turn_ = 0;
}

std::string GameLog::fileText() const {
    std::size_t first = lines_.size(), bytes = 0;
    while (first > 0 && bytes + lines_[first - 1].size() + 1 <= kMaxLogFileBytes)
        bytes += lines_[--first].size() + 1;
    std::string text;
    text.reserve(bytes);
    for (std::size_t i = first; i < lines_.size(); ++i) {
        text += lines_[i];
        text += '\n';
    }
    return text;
}

bool GameLog::restore(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxLogFileBytes || !isLogText(bytes)) return false;
    std::vector<std::string> lines;
    int turn = 0;
    eachLine(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
             [&](std::string_view line) {
                 if (line.empty()) return true;
                 if (const int t = turnOf(line); t > turn) turn = t;
                 lines.emplace_back(line);
                 return true;
             });
    if (lines.size() > kMaxLogLines) lines.erase(lines.begin(), lines.end() - std::ptrdiff_t(kMaxLogLines));
    lines_ = std::move(lines);
    turn_ = turn;
    return true;
}

std::filesystem::path logPath(const std::filesystem::path& dir, std::string_view gameName) {
    std::string name(gameName);
    name += kLogFileExtension;
    return dir / pathFromUtf8(name);
}

bool saveLog(const std::filesystem::path& dir, std::string_view gameName, const GameLog& log,
             FileWriter& writer) {
    return replaceFile(logPath(dir, gameName), log.fileText(), writer);
}

LogFileStatus loadLog(const std::filesystem::path& dir, std::string_view gameName, GameLog& log) {
    const FileBytes file = readFilePrefix(logPath(dir, gameName), kMaxLogFileBytes + 1);
    if (file.status == FileBytes::Status::Missing) return LogFileStatus::Missing;
    if (file.status != FileBytes::Status::Ok) return LogFileStatus::Damaged;
    return log.restore(file.bytes) ? LogFileStatus::Loaded : LogFileStatus::Damaged;
}

} // namespace tavorin
