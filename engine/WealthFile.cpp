#include "engine/WealthFile.h"

#include <charconv>
#include <cstdint>

#include "engine/Text.h"

namespace tavorin {

namespace {

constexpr std::string_view kHeader = "tavorin wealth 1";
// Far beyond any fortune of the game, and far from the limits of the arithmetic the chart does.
constexpr std::int64_t kMostWorth = std::int64_t(1) << 50;
constexpr std::int64_t kMostTurn = std::int64_t(1) << 40;

std::string pointLine(const WealthPoint& p) {
    std::string line;
    appendNumber(line, p.turn);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        line += ' ';
        appendNumber(line, p.worth[std::size_t(k)]);
    }
    for (int k = 1; k <= kMaxPlayers; ++k) line += p.bankrupt[std::size_t(k)] ? " 1" : " 0";
    line += '\n';
    return line;
}

// The next number of `line` in lo..hi, after a single space unless it is the first; nothing when
// there is none.
std::optional<std::int64_t> nextNumber(std::string_view& line, bool first, std::int64_t lo, std::int64_t hi) {
    if (!first) {
        if (line.empty() || line[0] != ' ') return std::nullopt;
        line.remove_prefix(1);
    }
    std::int64_t v = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), v);
    if (error != std::errc() || end == line.data() || v < lo || v > hi) return std::nullopt;
    line.remove_prefix(std::size_t(end - line.data()));
    return v;
}

std::optional<WealthPoint> parsePoint(std::string_view line, int numPlayers) {
    WealthPoint p;
    const auto turn = nextNumber(line, true, 0, kMostTurn);
    if (!turn) return std::nullopt;
    p.turn = int(*turn);
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto w = nextNumber(line, false, -kMostWorth, kMostWorth);
        if (!w || (k > numPlayers && *w != 0)) return std::nullopt;
        p.worth[std::size_t(k)] = *w;
    }
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const auto out = nextNumber(line, false, 0, k > numPlayers ? 0 : 1);
        if (!out) return std::nullopt;
        p.bankrupt[std::size_t(k)] = *out == 1;
    }
    if (!line.empty()) return std::nullopt;
    return p;
}

} // namespace

std::string wealthText(const std::vector<WealthPoint>& points) {
    std::vector<std::string> lines;
    std::size_t size = kHeader.size() + 1;
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        std::string line = pointLine(*it);
        if (size + line.size() > kMaxWealthFileBytes) break;
        size += line.size();
        lines.push_back(std::move(line));
    }
    std::string text(kHeader);
    text += '\n';
    text.reserve(size);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) text += *it;
    return text;
}

std::optional<std::vector<WealthPoint>> parseWealth(std::string_view text, int numPlayers) {
    if (numPlayers < 1 || numPlayers > kMaxPlayers) return std::nullopt;
    // Every line is ended: a file cut short is not taken for a shorter history.
    if (!text.empty() && text.back() != '\n') return std::nullopt;
    std::vector<WealthPoint> points;
    bool header = true;
    const bool read = eachLine(text, [&](std::string_view line) {
        if (header) {
            header = false;
            return line == kHeader;
        }
        std::optional<WealthPoint> p = parsePoint(line, numPlayers);
        if (!p || (!points.empty() && p->turn != points.back().turn + 1)) return false;
        points.push_back(*p);
        return true;
    });
    if (!read) return std::nullopt;
    if (points.empty()) return std::nullopt;
    return points;
}

std::filesystem::path wealthPath(const std::filesystem::path& dir, std::string_view gameName) {
    return sideFilePath(dir, gameName, kWealthFileExtension);
}

bool saveWealth(const std::filesystem::path& dir, std::string_view gameName, const WealthHistory& history,
                FileWriter& writer) {
    return replaceFile(wealthPath(dir, gameName), wealthText(history.upToNow()), writer);
}

WealthFileStatus loadWealth(const std::filesystem::path& dir, std::string_view gameName, int numPlayers,
                            WealthHistory& history) {
    const FileBytes file = readFilePrefix(wealthPath(dir, gameName), kMaxWealthFileBytes + 1);
    if (file.status == FileBytes::Status::Missing) return WealthFileStatus::Missing;
    if (file.status != FileBytes::Status::Ok || file.bytes.size() > kMaxWealthFileBytes)
        return WealthFileStatus::Damaged;
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    auto points = parseWealth(text, numPlayers);
    if (!points) return WealthFileStatus::Damaged;
    history.restore(std::move(*points));
    return WealthFileStatus::Loaded;
}

} // namespace tavorin
