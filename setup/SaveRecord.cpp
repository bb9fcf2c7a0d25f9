#include "setup/SaveRecord.h"

#include <utility>

#include "engine/Cp874.h"
#include "engine/Text.h"
#include "setup/SaveConsistency.h"

namespace tavorin {

namespace {

// Which text of the record is being written, to name it when it cannot be stored.
struct TextId {
    enum Kind {
        PlayerName,
        DeedName,
        LandTypeName,
        TreasureDeck,
        TreasureText,
        FateDeck,
        FateText,
        PicturePath,
        FirstProcess,
        ToolTip
    };
    Kind kind;
    int index = 0;

    std::string field() const {
        static constexpr std::string_view names[] = {"players[].Name",       "deeds[].Name",
                                                     "deeds[].LandTypeName", "TreasureCards[].DeckName",
                                                     "TreasureCards[].Text", "FateCards[].DeckName",
                                                     "FateCards[].Text",     "LPName[]",
                                                     "FirstProcess",         "tokenToolTip[]"};
        std::string f(names[kind]);
        const auto bracket = f.find("[]");
        if (bracket != std::string::npos) f.insert(bracket + 1, numberText(index));
        return f;
    }
    std::string thai() const {
        static constexpr std::string_view names[] = {"ชื่อผู้เล่นคนที่ ",
                                                     "ชื่อโฉนดที่ ",
                                                     "ชื่อประเภทที่ดินของโฉนดที่ ",
                                                     "ชื่อกองของการ์ดหีบสมบัติใบที่ ",
                                                     "ข้อความของการ์ดหีบสมบัติใบที่ ",
                                                     "ชื่อกองของการ์ดประตูดวงใบที่ ",
                                                     "ข้อความของการ์ดประตูดวงใบที่ ",
                                                     "ที่อยู่ไฟล์รูปของผู้เล่นคนที่ ",
                                                     "ค่า FirstProcess",
                                                     "ชื่อบนตัวเดินของผู้เล่นคนที่ "};
        std::string t(names[kind]);
        if (kind != FirstProcess) appendNumber(t, index);
        return t;
    }
};

class RecordEncoder {
public:
    void u8(std::uint8_t v) { w_.u8(v); }
    void i16(std::int16_t v) { w_.i16(v); }
    void i32(std::int32_t v) { w_.i32(v); }
    void text(const std::string& utf8, TextId id) {
        if (error_) return;
        std::optional<std::string> bytes = utf8ToCp874(utf8);
        if (!bytes) {
            error_ = FileError{FileError::Kind::Unencodable, id.field(),
                               "ไม่สามารถบันทึกเกมได้ เพราะ" + id.thai() + " มีตัวอักษรที่บันทึกลงไฟล์ไม่ได้"};
        } else if (bytes->size() > kMaxTextBytes) {
            error_ = FileError{FileError::Kind::TooLong, id.field(),
                               "ไม่สามารถบันทึกเกมได้ เพราะ" + id.thai() + " ยาวเกินไป"};
        } else {
            w_.rawText(*bytes);
        }
    }
    SaveBytes result() {
        if (error_) return std::move(*error_);
        return w_.take();
    }

private:
    ByteWriter w_;
    std::optional<FileError> error_;
};

constexpr std::string_view kTruncated = "ไฟล์เกมนี้ไม่สมบูรณ์ (สั้นกว่าเกมที่บันทึกไว้หนึ่งเกม) จึงโหลดไม่ได้";
constexpr std::string_view kTextPastEnd = "ไฟล์เกมนี้เสียหาย (ความยาวของข้อความเกินขนาดไฟล์) จึงโหลดไม่ได้";

class RecordDecoder {
public:
    explicit RecordDecoder(std::span<const std::uint8_t> bytes) : r_(bytes) {}

    void u8(std::uint8_t& v) {
        if (!error_ && !r_.u8(v)) truncated();
    }
    void i16(std::int16_t& v) {
        if (!error_ && !r_.i16(v)) truncated();
    }
    void i32(std::int32_t& v) {
        if (!error_ && !r_.i32(v)) truncated();
    }
    void text(std::string& utf8, TextId id) {
        if (error_) return;
        switch (r_.rawText(raw_)) {
        case ByteReader::Text::Ok:
            utf8 = cp874ToUtf8(raw_);
            // A byte the code page leaves undefined reads as U+FFFD, which no save can write back:
            // the game would run until its first save and then never save again.
            // Reported once the whole record has been read, so a file that is cut short is called so.
            if (!undefined_ && !fitsCp874(utf8)) undefined_ = undefinedByte(utf8, id);
            break;
        case ByteReader::Text::NoCount: truncated(); break;
        case ByteReader::Text::PastEnd:
            error_ = FileError{FileError::Kind::StringPastEnd, atByte(), std::string(kTextPastEnd)};
            break;
        }
    }
    std::optional<FileError>& error() { return error_ ? error_ : undefined_; }

private:
    static FileError undefinedByte(const std::string& utf8, const TextId& id) {
        std::string what = id.thai();
        // A player is named as the other windows show him, damage and all.
        if (id.kind == TextId::PlayerName) what += " \"" + utf8 + "\"";
        return FileError{FileError::Kind::Unencodable, id.field(),
                         "ไฟล์เกมนี้เสียหาย (" + what + " มีตัวอักษรที่ไม่มีในรหัสภาษาไทย) จึงโหลดไม่ได้"};
    }
    std::string atByte() const { return "byte " + numberText(std::int64_t(r_.position())); }
    void truncated() { error_ = FileError{FileError::Kind::Truncated, atByte(), std::string(kTruncated)}; }

    ByteReader r_;
    std::string raw_;
    std::optional<FileError> error_;
    std::optional<FileError> undefined_;
};

// The record's members in file order, shared by writing and reading so the two cannot drift apart.
template <class IO, class Record> void transfer(IO& io, Record& r) {
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        auto& p = r.players[k];
        io.text(p.name, {TextId::PlayerName, int(k)});
        io.i32(p.money);
        io.u8(p.deedCount);
        for (std::size_t i = 1; i <= kDeeds; ++i) io.u8(p.deeds[i]);
        io.u8(p.position);
        io.i16(p.mayPlay);
        io.i16(p.bankrupt);
        io.i16(p.computer);
        io.i16(p.tokenLeft);
        io.i16(p.tokenTop);
    }
    for (std::size_t d = 1; d <= kDeeds; ++d) io.text(r.deeds[d].Name, {TextId::DeedName, int(d)});
    for (std::size_t d = 1; d <= kDeeds; ++d) io.u8(r.deeds[d].LandType);
    for (std::size_t d = 1; d <= kDeeds; ++d)
        io.text(r.deeds[d].LandTypeName, {TextId::LandTypeName, int(d)});
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].Price);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].HousePrice);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].TowerPrice);
    for (std::size_t rent = 0; rent < 6; ++rent)
        for (std::size_t d = 1; d <= kDeeds; ++d) io.i32(r.deeds[d].Rent[rent]);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].Owner);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].Houses);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].Towers);
    for (std::size_t d = 1; d <= kDeeds; ++d) io.i16(r.deeds[d].Mortgaged);
    const auto deck = [&io](auto& cards, TextId::Kind deckName, TextId::Kind text) {
        for (std::size_t c = 1; c <= kCardsPerDeck; ++c) io.text(cards[c].DeckName, {deckName, int(c)});
        for (std::size_t c = 1; c <= kCardsPerDeck; ++c) io.text(cards[c].Text, {text, int(c)});
        for (std::size_t c = 1; c <= kCardsPerDeck; ++c) io.i16(cards[c].Amount);
    };
    deck(r.treasure, TextId::TreasureDeck, TextId::TreasureText);
    deck(r.fate, TextId::FateDeck, TextId::FateText);
    io.i16(r.NumOfPlayer);
    io.u8(r.NumOfDeed);
    io.u8(r.NumOfTreasure);
    io.u8(r.NumOfFate);
    io.i16(r.checkdiscount);
    io.u8(r.reserved);
    io.u8(r.NV);
    io.u8(r.NP);
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) io.i16(r.LP[k]);
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) io.text(r.LPName[k], {TextId::PicturePath, int(k)});
    io.u8(r.Continue);
    io.text(r.FirstProcess, {TextId::FirstProcess});
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) io.i16(r.FirstLapLock[k]);
    for (std::size_t i = 0; i <= kMaxCards; ++i) io.i16(r.TreasureOrder[i]);
    for (std::size_t i = 0; i <= kMaxCards; ++i) io.i16(r.FateOrder[i]);
    io.i16(r.OrderNumberOfTreasure);
    io.i16(r.OrderNumberOfFate);
    io.i16(r.namesShown);
    io.i16(r.namesHidden);
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) io.text(r.tokenToolTip[k], {TextId::ToolTip, int(k)});
    io.i32(r.Speed);
}

std::optional<FileError> badValue(std::string field) {
    std::string message = "ไฟล์เกมนี้เสียหาย (ค่า " + field + " ไม่ถูกต้อง) จึงโหลดไม่ได้";
    return FileError{FileError::Kind::BadValue, std::move(field), std::move(message)};
}

std::string indexed(std::string_view name, std::size_t i, std::string_view member) {
    std::string s(name);
    s += '[';
    appendNumber(s, std::int64_t(i));
    s += ']';
    s += member;
    return s;
}

// Values that the rules and the windows use as indices: a damaged file must not get past here.
std::optional<FileError> validate(const SaveRecord& r) {
    if (r.NumOfPlayer < 2 || r.NumOfPlayer > kMaxPlayers) return badValue("NumOfPlayer");
    if (r.NumOfDeed != kDeeds) return badValue("NumOfDeed");
    if (r.NumOfTreasure < 1 || r.NumOfTreasure > kMaxCards) return badValue("NumOfTreasure");
    if (r.NumOfFate < 1 || r.NumOfFate > kMaxCards) return badValue("NumOfFate");
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const SavedPlayer& p = r.players[k];
        if (p.deedCount > kDeeds) return badValue(indexed("players", k, ".DeedCount"));
        for (std::size_t i = 1; i <= kDeeds; ++i)
            if (p.deeds[i] > kDeeds) return badValue(indexed("players", k, ".Deeds"));
        if (p.position >= kSquares) return badValue(indexed("players", k, ".Position"));
    }
    if (r.NV < 1 || r.NV > r.NumOfPlayer) return badValue("NV");
    for (std::size_t d = 1; d <= kDeeds; ++d) {
        const DeedRecord& D = r.deeds[d];
        if (D.LandType < 1 || D.LandType > 3) return badValue(indexed("deeds", d, ".LandType"));
        if (D.Owner < 0 || D.Owner > kMaxPlayers) return badValue(indexed("deeds", d, ".Owner"));
        if (D.Houses < 0 || D.Houses > 4) return badValue(indexed("deeds", d, ".Houses"));
        if (D.Towers < 0 || D.Towers > 1) return badValue(indexed("deeds", d, ".Towers"));
    }
    const auto deckOrder = [](std::string_view name, const auto& order, std::int16_t next,
                              int size) -> std::optional<FileError> {
        if (next < 1 || next > size + 1) return badValue("OrderNumberOf" + std::string(name));
        for (std::size_t i = 1; i <= kMaxCards; ++i)
            if (order[i] < 0 || order[i] > size) return badValue(std::string(name) + "Order");
        return std::nullopt;
    };
    if (auto e = deckOrder("Treasure", r.TreasureOrder, r.OrderNumberOfTreasure, r.NumOfTreasure)) return e;
    if (auto e = deckOrder("Fate", r.FateOrder, r.OrderNumberOfFate, r.NumOfFate)) return e;
    return std::nullopt;
}

} // namespace

SaveRecord SaveRecordOf(const GameState& s) {
    SaveRecord r;
    for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
        const PlayerRecord& p = s.players[k];
        SavedPlayer& out = r.players[k];
        out.name = p.Name;
        out.money = p.Money;
        out.deedCount = p.DeedCount;
        out.deeds = p.Deeds;
        out.deeds[0] = 0;
        out.position = p.Position;
        out.mayPlay = p.MayPlay;
        out.bankrupt = p.Bankrupt;
        out.computer = s.Pcom[k];
        out.tokenLeft = s.tokenLeft[k];
        out.tokenTop = s.tokenTop[k];
    }
    for (std::size_t d = 1; d <= kDeeds; ++d) r.deeds[d] = s.deeds[d];
    for (std::size_t c = 1; c <= kCardsPerDeck; ++c) {
        r.treasure[c] = s.TreasureCards[c];
        r.fate[c] = s.FateCards[c];
    }
    r.NumOfPlayer = s.NumOfPlayer;
    r.NumOfDeed = s.NumOfDeed;
    r.NumOfTreasure = s.NumOfTreasure;
    r.NumOfFate = s.NumOfFate;
    r.checkdiscount = s.checkdiscount;
    r.NV = s.NV;
    r.NP = s.NP;
    r.LP = s.LP;
    r.LPName = s.LPName;
    r.Continue = s.Continue;
    r.FirstProcess = s.FirstProcess;
    r.FirstLapLock = s.FirstLapLock;
    // Entry 0 of the orders and the reserved byte are never assigned: they are 0 in every file.
    for (std::size_t i = 1; i <= kMaxCards; ++i) {
        r.TreasureOrder[i] = s.TreasureOrder[i];
        r.FateOrder[i] = s.FateOrder[i];
    }
    r.OrderNumberOfTreasure = s.OrderNumberOfTreasure;
    r.OrderNumberOfFate = s.OrderNumberOfFate;
    r.namesShown = s.namesShown ? kTrue : kFalse;
    r.namesHidden = s.namesShown ? kFalse : kTrue;
    r.tokenToolTip = s.tokenToolTip;
    r.Speed = s.Speed;
    return r;
}

SaveBytes encodeSaveRecord(const SaveRecord& r) {
    RecordEncoder io;
    transfer(io, r);
    return io.result();
}

SaveBytes writeSaveRecord(const GameState& s) { return encodeSaveRecord(SaveRecordOf(s)); }

std::variant<SaveRecord, FileError> readSaveRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSaveRecordFixedBytes)
        return FileError{FileError::Kind::Truncated, "size " + numberText(std::int64_t(bytes.size())),
                         std::string(kTruncated)};
    SaveRecord r;
    RecordDecoder io(bytes);
    transfer(io, r);
    if (io.error()) return std::move(*io.error());
    if (auto e = validate(r)) return std::move(*e);
    if (auto e = checkConsistency(r)) return std::move(*e);
    return r;
}

std::filesystem::path saveGamePath(const std::filesystem::path& dir, std::string_view fileName) {
    std::string name(fileName);
    name += kSaveFileExtension;
    return dir / pathFromUtf8(name);
}

std::optional<FileError> saveGameFile(const GameState& s, const std::filesystem::path& dir,
                                      std::string_view fileName, FileWriter& writer) {
    SaveBytes bytes = writeSaveRecord(s);
    if (auto* e = std::get_if<FileError>(&bytes)) return std::move(*e);
    const auto& record = std::get<std::vector<std::uint8_t>>(bytes);
    if (!replaceFile(saveGamePath(dir, fileName), record, writer)) {
        std::string message = "ไม่สามารถบันทึกเกมลงไฟล์ ";
        message += fileName;
        message += kSaveFileExtension;
        message += " ได้";
        return FileError{FileError::Kind::Unwritable, std::string(fileName), std::move(message)};
    }
    return std::nullopt;
}

std::variant<SaveRecord, FileError> loadGameFile(const std::filesystem::path& dir,
                                                 std::string_view fileName) {
    std::string shown(fileName);
    shown += kSaveFileExtension;
    const FileBytes file = readFilePrefix(saveGamePath(dir, fileName), kSaveRecordMaxBytes);
    switch (file.status) {
    case FileBytes::Status::Missing: return FileError{FileError::Kind::Missing, shown, "ไม่พบไฟล์เกม " + shown};
    case FileBytes::Status::Unreadable:
        return FileError{FileError::Kind::Unreadable, shown, "ไม่สามารถอ่านไฟล์เกม " + shown + " ได้"};
    case FileBytes::Status::Ok: break;
    }
    return readSaveRecord(file.bytes);
}

} // namespace tavorin
