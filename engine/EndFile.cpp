#include "engine/EndFile.h"

#include <charconv>

#include "engine/Text.h"

namespace tavorin {

namespace {

constexpr std::int64_t kMostLaps = 1'000'000;
constexpr std::int64_t kMostPlayedMs = std::int64_t(1) << 50;

// The next line of `text`, without its end (LF or CR LF).
std::string_view nextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// `line` is `key` followed by single-space separated plain numbers in 0..most, as many as `values`.
bool readNumbers(std::string_view line, std::string_view key, std::span<std::int64_t> values,
                 std::int64_t most) {
    if (!line.starts_with(key)) return false;
    line.remove_prefix(key.size());
    for (std::int64_t& v : values) {
        if (line.size() < 2 || line[0] != ' ' || line[1] < '0' || line[1] > '9') return false;
        const char* first = line.data() + 1;
        const char* last = line.data() + line.size();
        const auto [end, error] = std::from_chars(first, last, v);
        if (error != std::errc() || v > most) return false;
        line.remove_prefix(std::size_t(end - line.data()));
    }
    return line.empty();
}

} // namespace

std::string endRuleText(const SavedEnd& end) {
    std::string text = end.rule.kind == EndKind::Minutes ? "minutes " : "laps ";
    appendNumber(text, end.rule.limit);
    text += "\ndone";
    for (int k = 1; k <= kMaxPlayers; ++k) {
        text += ' ';
        appendNumber(text, end.progress.laps[std::size_t(k)]);
    }
    text += "\nplayed ";
    appendNumber(text, end.progress.playedMs);
    text += '\n';
    return text;
}

std::optional<SavedEnd> parseEndRule(std::string_view text) {
    SavedEnd end;
    std::int64_t limit = 0;
    const std::string_view first = nextLine(text);
    if (readNumbers(first, "laps", {&limit, 1}, EndRule::kMaxEndLimit))
        end.rule.kind = EndKind::Laps;
    else if (readNumbers(first, "minutes", {&limit, 1}, EndRule::kMaxEndLimit))
        end.rule.kind = EndKind::Minutes;
    else
        return std::nullopt;
    end.rule.limit = int(limit);
    std::array<std::int64_t, kMaxPlayers> laps{};
    std::int64_t played = 0;
    if (!end.rule.on() || !readNumbers(nextLine(text), "done", laps, kMostLaps) ||
        !readNumbers(nextLine(text), "played", {&played, 1}, kMostPlayedMs))
        return std::nullopt;
    while (!text.empty())
        if (!nextLine(text).empty()) return std::nullopt;
    for (int k = 1; k <= kMaxPlayers; ++k) end.progress.laps[std::size_t(k)] = int(laps[std::size_t(k - 1)]);
    end.progress.playedMs = played;
    return end;
}

std::filesystem::path endRulePath(const std::filesystem::path& dir, std::string_view gameName) {
    return sideFilePath(dir, gameName, kEndFileExtension);
}

bool saveEndRule(const std::filesystem::path& dir, std::string_view gameName, const SavedEnd& end,
                 FileWriter& writer) {
    const std::filesystem::path path = endRulePath(dir, gameName);
    if (end.rule.on()) return replaceFile(path, endRuleText(end), writer);
    // A game of that name saved earlier with the rule must not hand it to this one.
    return removeRegularFile(path);
}

SavedEnd loadEndRule(const std::filesystem::path& dir, std::string_view gameName) {
    const std::optional<std::string> text = readSideFile(endRulePath(dir, gameName));
    return text ? parseEndRule(*text).value_or(SavedEnd{}) : SavedEnd{};
}

} // namespace tavorin
