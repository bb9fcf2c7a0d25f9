#include "halloffame/HallRecord.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "engine/Cp874.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

// A record with its texts as the file holds them (Windows-874). Records read from the file stay in
// this form when they are written back, so a byte the code page leaves undefined survives a rewrite
// instead of blocking it.
struct StoredRecord {
    std::string name;
    std::int32_t totalAsset = 0;
    std::int32_t money = 0;
    std::uint8_t deedCount = 0;
    std::array<std::string, kDeeds + 1> lines{};
};

using StoredRanks = std::array<StoredRecord, kHallRanks>;

// Reads field by field; the first field that does not fit in what is left of the file ends the
// reading, and it and everything after it stay empty.
StoredRanks parse(std::span<const std::uint8_t> bytes) {
    StoredRanks ranks{};
    ByteReader in(bytes);
    for (StoredRecord& r : ranks) {
        if (in.rawText(r.name) != ByteReader::Text::Ok) return ranks;
        if (!in.i32(r.totalAsset) || !in.i32(r.money) || !in.u8(r.deedCount)) return ranks;
        for (std::size_t i = 1; i <= kDeeds; ++i)
            if (in.rawText(r.lines[i]) != ByteReader::Text::Ok) return ranks;
    }
    return ranks;
}

std::vector<std::uint8_t> serialize(const StoredRanks& ranks) {
    ByteWriter out;
    for (const StoredRecord& r : ranks) {
        out.rawText(r.name);
        out.i32(r.totalAsset);
        out.i32(r.money);
        out.u8(r.deedCount);
        for (std::size_t i = 1; i <= kDeeds; ++i) out.rawText(r.lines[i]);
    }
    return out.take();
}

std::optional<FileError> encodeText(const std::string& utf8, std::string& cp874, std::string field,
                                    std::string_view thai) {
    std::optional<std::string> bytes = utf8ToCp874(utf8);
    if (!bytes || bytes->size() > kMaxTextBytes) {
        std::string message = "ไม่สามารถบันทึกสุดยอดทาวอรินได้ เพราะ";
        message += thai;
        message += bytes ? " ยาวเกินไป" : " มีตัวอักษรที่บันทึกลงไฟล์ไม่ได้";
        return FileError{bytes ? FileError::Kind::TooLong : FileError::Kind::Unencodable, std::move(field),
                         std::move(message)};
    }
    cp874 = std::move(*bytes);
    return std::nullopt;
}

std::variant<StoredRecord, FileError> encode(const HallRecord& r) {
    StoredRecord out;
    out.totalAsset = r.TotalAsset;
    out.money = r.Money;
    out.deedCount = r.DeedCount;
    if (auto e = encodeText(r.Name, out.name, "Name", "ชื่อผู้ชนะ")) return std::move(*e);
    for (std::size_t i = 1; i <= kDeeds; ++i) {
        std::string thai = "รายการโฉนดที่ ";
        appendNumber(thai, std::int64_t(i));
        if (auto e = encodeText(r.DeedLines[i], out.lines[i],
                                "DeedLines[" + numberText(std::int64_t(i)) + "]", thai))
            return std::move(*e);
    }
    return out;
}

HallRecord decode(const StoredRecord& r) {
    HallRecord out;
    out.Name = cp874ToUtf8(r.name);
    out.TotalAsset = r.totalAsset;
    out.Money = r.money;
    out.DeedCount = r.deedCount;
    for (std::size_t i = 1; i <= kDeeds; ++i) out.DeedLines[i] = cp874ToUtf8(r.lines[i]);
    return out;
}

template <class Ranks> int rankOf(const Ranks& ranks, std::int32_t totalAsset, auto assetOf) {
    for (int i = 0; i < kHallRanks; ++i)
        if (totalAsset >= assetOf(ranks[std::size_t(i)])) return i + 1;
    return 0;
}

std::int32_t saturate(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(v);
}

std::string recFileShown() { return std::string(kRecFileName); }

} // namespace

HallRecord SET_WR(const GameState& s, int winner) {
    HallRecord wr;
    if (winner < 1 || winner > kMaxPlayers) return wr;
    const PlayerRecord& w = s.player(winner);
    wr.Name = w.Name;
    wr.Money = w.Money;
    wr.DeedCount = w.DeedCount;
    std::int64_t total = w.Money;
    const int held = w.DeedCount <= kDeeds ? w.DeedCount : kDeeds;
    for (int k = 1; k <= held; ++k) {
        const int d = w.Deeds[std::size_t(k)];
        if (d < 1 || d > kDeeds) continue;
        const DeedRecord& D = s.deed(d);
        if (D.Mortgaged != kTrue)
            total += std::int64_t(D.Price) + std::int64_t(D.Houses) * D.HousePrice +
                     std::int64_t(D.Towers) * D.TowerPrice;
        wr.DeedLines[std::size_t(k)] = HoldingsLine(d, D, kHoldingsWidth).text();
    }
    wr.TotalAsset = saturate(total);
    return wr;
}

HallOfFame readRecFile(std::span<const std::uint8_t> bytes) {
    const StoredRanks stored = parse(bytes);
    HallOfFame ranks;
    for (std::size_t i = 0; i < ranks.size(); ++i) ranks[i] = decode(stored[i]);
    return ranks;
}

int rankFor(const HallOfFame& ranks, std::int32_t totalAsset) {
    return rankOf(ranks, totalAsset, [](const HallRecord& r) { return r.TotalAsset; });
}

std::variant<RecFileUpdate, FileError> mergeWinRecord(std::span<const std::uint8_t> oldFile,
                                                      const HallRecord& win) {
    StoredRanks ranks = parse(oldFile);
    RecFileUpdate update;
    update.rank = rankOf(ranks, win.TotalAsset, [](const StoredRecord& r) { return r.totalAsset; });
    if (update.rank != 0) {
        auto encoded = encode(win);
        if (auto* e = std::get_if<FileError>(&encoded)) return std::move(*e);
        const std::size_t at = std::size_t(update.rank - 1);
        for (std::size_t i = kHallRanks - 1; i > at; --i) ranks[i] = std::move(ranks[i - 1]);
        ranks[at] = std::move(std::get<StoredRecord>(encoded));
    }
    update.bytes = serialize(ranks);
    return update;
}

std::filesystem::path recFilePath(const std::filesystem::path& dir) {
    return dir / pathFromUtf8(kRecFileName);
}

std::filesystem::path recFileLockPath(const std::filesystem::path& dir) {
    return dir / pathFromUtf8(std::string(kRecFileName) + ".lock");
}

namespace {
// The largest ten records the format can describe: beyond that nothing is ever read.
constexpr std::size_t kRecFileMaxBytes = kHallRanks * (kEmptyHallRecordBytes + (kDeeds + 1) * kMaxTextBytes);

std::variant<std::vector<std::uint8_t>, FileError> readRecFileBytes(const std::filesystem::path& dir) {
    FileBytes file = readFilePrefix(recFilePath(dir), kRecFileMaxBytes);
    switch (file.status) {
    case FileBytes::Status::Missing: return std::vector<std::uint8_t>{};
    case FileBytes::Status::Unreadable:
        return FileError{FileError::Kind::Unreadable, recFileShown(),
                         "ไม่สามารถอ่านไฟล์บันทึกสุดยอดทาวอริน (" + recFileShown() + ") ได้"};
    case FileBytes::Status::Ok: break;
    }
    return std::move(file.bytes);
}
} // namespace

std::variant<HallOfFame, FileError> loadRecFile(const std::filesystem::path& dir) {
    auto bytes = readRecFileBytes(dir);
    if (auto* e = std::get_if<FileError>(&bytes)) return std::move(*e);
    return readRecFile(std::get<std::vector<std::uint8_t>>(bytes));
}

std::variant<int, FileError> SaveRecFile(const HallRecord& win, const std::filesystem::path& dir,
                                         FileWriter& writer) {
    // Another copy of the game may be entering its own winner: reading, merging and writing back
    // under one lock keeps both records, where two unlocked copies would each drop the other's.
    const FileLock lock = lockFile(recFileLockPath(dir));
    if (!lock)
        return FileError{FileError::Kind::Unwritable, recFileShown(),
                         "ไม่สามารถบันทึกไฟล์บันทึกสุดยอดทาวอริน (" + recFileShown() + ") ได้" +
                             (lock.wasBusy() ? " เพราะมีเกมอื่นกำลังใช้ไฟล์นี้อยู่" : "")};
    // An unreadable file is not taken for an empty one: writing would wipe the ten records it holds.
    auto bytes = readRecFileBytes(dir);
    if (auto* e = std::get_if<FileError>(&bytes)) return std::move(*e);
    auto merged = mergeWinRecord(std::get<std::vector<std::uint8_t>>(bytes), win);
    if (auto* e = std::get_if<FileError>(&merged)) return std::move(*e);
    const RecFileUpdate& update = std::get<RecFileUpdate>(merged);
    if (!replaceFile(recFilePath(dir), update.bytes, writer))
        return FileError{FileError::Kind::Unwritable, recFileShown(),
                         "ไม่สามารถบันทึกไฟล์บันทึกสุดยอดทาวอริน (" + recFileShown() + ") ได้"};
    return update.rank;
}

HallDetail hallDetail(const HallRecord& r) {
    HallDetail d;
    d.name = r.Name;
    d.totalAsset = numberText(r.TotalAsset);
    d.cash = numberText(r.Money);
    d.deedCount = numberText(r.DeedCount);
    // A damaged count above 29 lists the 29 lines there are.
    const std::size_t n = r.DeedCount <= kDeeds ? r.DeedCount : kDeeds;
    for (std::size_t i = 1; i <= n; ++i) d.deedLines.push_back(recordedDeedLine(r.DeedLines[i]));
    return d;
}

// The file keeps only the text of a line; its parts are found again by writing the line they would
// make and comparing, so a line of any other shape is shown as it stands.
DeedLine recordedDeedLine(std::string_view line) {
    DeedLine parsed{.width = kHoldingsWidth};
    std::size_t at = 0;
    while (at < line.size() && at < 2 && line[at] >= '0' && line[at] <= '9') ++at;
    if (at == 0 || !parseDigits(line.substr(0, at), parsed.deed) || parsed.deed == 0) return plainLine(line);
    std::string_view rest = line.substr(at);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (const std::size_t b = rest.rfind("บ้าน "); b != std::string_view::npos) {
        std::string_view buildings = rest.substr(b + std::string_view("บ้าน ").size());
        const std::size_t t = buildings.find(" ตึก ");
        if (t != std::string_view::npos && parseDigits(buildings.substr(0, t), parsed.houses) &&
            parseDigits(buildings.substr(t + std::string_view(" ตึก ").size()), parsed.towers)) {
            rest = rest.substr(0, b);
            parsed.padded = true;
        }
    }
    rest = rest.substr(0, rest.find_last_not_of(' ') + 1);
    for (const DeedMark mark : {DeedMark::Mortgaged, DeedMark::Owned}) {
        parsed.mark = mark;
        if (rest.ends_with(parsed.markText())) {
            rest.remove_suffix(parsed.markText().size());
            break;
        }
        parsed.mark = DeedMark::None;
    }
    parsed.name = std::string(rest);
    return parsed.text() == line ? parsed : plainLine(line);
}

std::vector<HallLine> HallOfFrameLines(const HallOfFame& ranks) {
    std::vector<HallLine> lines;
    for (int i = 1; i <= kHallRanks; ++i) {
        const HallRecord& r = ranks[std::size_t(i - 1)];
        if (r.TotalAsset == 0) continue;
        std::string text = numberText(i);
        text += ' ';
        text += r.Name;
        text += "   ";
        appendNumber(text, r.TotalAsset);
        lines.push_back({i, std::move(text)});
    }
    return lines;
}

std::optional<HallDetail> HallOfFrameDetailShow(const HallOfFame& ranks, int selectedLine) {
    const std::vector<HallLine> lines = HallOfFrameLines(ranks);
    if (selectedLine < 0 || selectedLine >= int(lines.size())) return std::nullopt;
    return hallDetail(ranks[std::size_t(lines[std::size_t(selectedLine)].rank - 1)]);
}

} // namespace tavorin
