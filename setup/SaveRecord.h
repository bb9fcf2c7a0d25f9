// The saved game: one record, written from the file's first byte, every member in a fixed order and
// width with no padding. Older saves are read back byte for byte, so nothing here may move.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/RecordFile.h"
#include "engine/State.h"

namespace tavorin {

// A record in which every text is empty takes this many bytes; each text adds its own length.
inline constexpr std::size_t kSaveRecordFixedBytes = 1866;
inline constexpr std::size_t kSaveRecordTexts = 137;
inline constexpr std::size_t kSaveRecordMaxBytes = kSaveRecordFixedBytes + kSaveRecordTexts * kMaxTextBytes;
inline constexpr std::string_view kSaveFileExtension = ".dat";

struct SavedPlayer {
    std::string name;
    std::int32_t money = 0;
    std::uint8_t deedCount = 0;
    std::array<std::uint8_t, kDeeds + 1> deeds{}; // slots 1..29
    std::uint8_t position = 0;
    std::int16_t mayPlay = 0;
    std::int16_t bankrupt = 0;
    std::int16_t computer = 0;
    std::int16_t tokenLeft = 0; // twips in the board's frame
    std::int16_t tokenTop = 0;
};

// The record as the file holds it, texts in UTF-8. Index 0 of the numbered tables is unused.
struct SaveRecord {
    std::array<SavedPlayer, kMaxPlayers + 1> players{};
    std::array<DeedRecord, kDeeds + 1> deeds{};
    std::array<CardRecord, kCardsPerDeck + 1> treasure{};
    std::array<CardRecord, kCardsPerDeck + 1> fate{};
    std::int16_t NumOfPlayer = 0;
    std::uint8_t NumOfDeed = 0;
    std::uint8_t NumOfTreasure = 0;
    std::uint8_t NumOfFate = 0;
    std::int16_t checkdiscount = 0;
    std::uint8_t reserved = 0;
    std::uint8_t NV = 0;
    std::uint8_t NP = 0;
    std::array<std::int16_t, kMaxPlayers + 1> LP{};
    std::array<std::string, kMaxPlayers + 1> LPName{};
    std::uint8_t Continue = 0;
    std::string FirstProcess;
    std::array<std::int16_t, kMaxPlayers + 1> FirstLapLock{};
    std::array<std::int16_t, kMaxCards + 1> TreasureOrder{}; // entries 0..20, entry 0 always 0
    std::array<std::int16_t, kMaxCards + 1> FateOrder{};
    std::int16_t OrderNumberOfTreasure = 0;
    std::int16_t OrderNumberOfFate = 0;
    std::int16_t namesShown = 0;  // the board's OpgShowLabel
    std::int16_t namesHidden = 0; // the board's OpgHideLabel
    std::array<std::string, kMaxPlayers + 1> tokenToolTip{};
    std::int32_t Speed = 0;
};

// The saving buffer filled from the game.
SaveRecord SaveRecordOf(const GameState& s);

using SaveBytes = std::variant<std::vector<std::uint8_t>, FileError>;

// The file's bytes, or an error naming the first text that Windows-874 cannot hold.
SaveBytes encodeSaveRecord(const SaveRecord& r);
SaveBytes writeSaveRecord(const GameState& s);

// Refuses a file shorter than its record, a text running past the end or holding a byte the code
// page leaves undefined, any value that the game would use as an index out of range, and a record no
// game could have written (checkConsistency). Bytes after the record are ignored.
std::variant<SaveRecord, FileError> readSaveRecord(std::span<const std::uint8_t> bytes);

// `<fileName>.dat` in `dir`. Saving replaces the file whole, through a temporary file, so a failed
// save leaves the previous one as it was.
std::filesystem::path saveGamePath(const std::filesystem::path& dir, std::string_view fileName);
std::optional<FileError> saveGameFile(const GameState& s, const std::filesystem::path& dir,
                                      std::string_view fileName, FileWriter& writer = diskFileWriter());
std::variant<SaveRecord, FileError> loadGameFile(const std::filesystem::path& dir, std::string_view fileName);

} // namespace tavorin
