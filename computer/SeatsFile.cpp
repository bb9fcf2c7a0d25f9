#include "computer/SeatsFile.h"

#include "engine/SafeFile.h"
#include "engine/Text.h"

namespace tavorin {

bool anyStrong(const SeatKinds& seats) {
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (seats[std::size_t(k)] == StrategyKind::Strong) return true;
    return false;
}

std::string seatsText(const SeatKinds& seats) {
    std::string text;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        text += char('0' + k);
        text += ' ';
        text += strategyName(seats[std::size_t(k)]);
        text += '\n';
    }
    return text;
}

std::optional<SeatKinds> parseSeats(std::string_view text) {
    SeatKinds seats{};
    std::array<bool, kMaxPlayers + 1> seen{};
    const bool read = eachLine(text, [&](std::string_view line) {
        if (line.empty()) return true;
        if (line.size() < 3 || line[0] < '1' || line[0] > char('0' + kMaxPlayers) || line[1] != ' ')
            return false;
        const std::size_t k = std::size_t(line[0] - '0');
        if (seen[k] || !parseStrategy(line.substr(2), seats[k])) return false;
        seen[k] = true;
        return true;
    });
    if (!read) return std::nullopt;
    return seats;
}

std::filesystem::path seatsPath(const std::filesystem::path& dir, std::string_view gameName) {
    return sideFilePath(dir, gameName, kSeatsFileExtension);
}

bool saveSeats(const std::filesystem::path& dir, std::string_view gameName, const SeatKinds& seats,
               FileWriter& writer) {
    const std::filesystem::path path = seatsPath(dir, gameName);
    if (anyStrong(seats)) return replaceFile(path, seatsText(seats), writer);
    // A game of that name saved earlier with strong seats must not hand them to this one.
    return removeRegularFile(path);
}

SeatKinds loadSeats(const std::filesystem::path& dir, std::string_view gameName) {
    const std::optional<std::string> text = readSideFile(seatsPath(dir, gameName));
    return text ? parseSeats(*text).value_or(SeatKinds{}) : SeatKinds{};
}

} // namespace tavorin
