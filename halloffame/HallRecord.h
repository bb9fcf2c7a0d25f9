// The hall of fame: the winners' records, the file RecFile of the ten richest, and the texts the
// winner and hall-of-fame windows show.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "engine/DeedLine.h"
#include "engine/RecordFile.h"
#include "engine/State.h"

namespace tavorin {

inline constexpr int kHallRanks = 10;
inline constexpr std::string_view kRecFileName = "RecFile";
inline constexpr std::string_view kNewRecordText = "New Record";
// An empty rank on disk: the name's count, two numbers, the deed count and 29 empty lines.
inline constexpr std::size_t kEmptyHallRecordBytes = 2 + 4 + 4 + 1 + kDeeds * 2;

struct HallRecord {
    std::string Name;
    std::int32_t TotalAsset = 0; // cash and every unmortgaged deed with its buildings
    std::int32_t Money = 0;
    std::uint8_t DeedCount = 0;
    std::array<std::string, kDeeds + 1> DeedLines{}; // 1..29; lines past DeedCount are empty

    bool operator==(const HallRecord&) const = default;
};

using HallOfFame = std::array<HallRecord, kHallRanks>; // rank 1 first

// The winner's record (WinRecord): name, cash, total assets and a holdings line per deed held.
HallRecord SET_WR(const GameState& s, int winner);

// Ten records one after another from the first byte; whatever lies past the end of the file reads as
// empty texts and zeros, so a short, empty or damaged file still gives ten ranks.
HallOfFame readRecFile(std::span<const std::uint8_t> bytes);

// The rank (1..10) at which a fortune enters: above every record it equals or beats. 0: it does not.
int rankFor(const HallOfFame& ranks, std::int32_t totalAsset);

struct RecFileUpdate {
    std::vector<std::uint8_t> bytes; // the new file
    int rank = 0;                    // where the winner entered, 0 when the file is unchanged
};

// SaveRecFile on bytes: the winner moves records rank.. down one place, the tenth is dropped. The
// records already in the file are carried over byte for byte. Fails only when the winner's own texts
// cannot be stored in Windows-874.
std::variant<RecFileUpdate, FileError> mergeWinRecord(std::span<const std::uint8_t> oldFile,
                                                      const HallRecord& win);

std::filesystem::path recFilePath(const std::filesystem::path& dir);
// The empty file beside RecFile whose lock a copy of the game holds while it enters a winner.
std::filesystem::path recFileLockPath(const std::filesystem::path& dir);

// The ten ranks of `dir`/RecFile; a missing file gives ten empty ranks, an unreadable one an error.
std::variant<HallOfFame, FileError> loadRecFile(const std::filesystem::path& dir);

// SaveRecFile: merges the winner into `dir`/RecFile and writes it through a temporary file. Returns the
// rank entered (0: none), after which the window shows kNewRecordText. On failure the old file stays.
std::variant<int, FileError> SaveRecFile(const HallRecord& win, const std::filesystem::path& dir,
                                         FileWriter& writer = diskFileWriter());

// What the winner window and the detail window show of one record.
struct HallDetail {
    std::string name;
    std::string totalAsset; // decimal
    std::string cash;
    std::string deedCount;
    std::vector<DeedLine> deedLines; // DeedLines[1..DeedCount]
};
HallDetail hallDetail(const HallRecord& r);

// A record's deed line as a value whose text is `line` exactly: the holdings line the winner's
// record is written with, or a line that names no deed when the file holds anything else.
DeedLine recordedDeedLine(std::string_view line);

// One line of TopList and the rank it stands for.
struct HallLine {
    int rank;
    std::string text;
};
// Ranks whose TotalAsset is not 0: rank, one space, name, three spaces, total assets.
std::vector<HallLine> HallOfFrameLines(const HallOfFame& ranks);

// The record behind the selected line of TopList (0-based), or nothing when no line is selected.
std::optional<HallDetail> HallOfFrameDetailShow(const HallOfFame& ranks, int selectedLine);

} // namespace tavorin
