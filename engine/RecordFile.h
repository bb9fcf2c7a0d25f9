// The building blocks of the game's two binary files (saved games and the hall of fame): little-endian
// numbers, texts as a 16-bit byte count followed by Windows-874 bytes, bounds-checked reading, and a
// replacement of a whole file that never leaves a half-written one behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavorin {

// Why reading or writing a file failed. `message` is the Thai text shown to the player; `field`
// names the offending member in plain words for logs and tests.
struct FileError {
    enum class Kind {
        Missing,       // the file does not exist
        Unreadable,    // it exists but could not be read
        Unwritable,    // the new file could not be written or put in place
        Truncated,     // the file ends before the record does
        StringPastEnd, // a text's byte count runs past the end of the file
        BadValue,      // a value the game cannot use (an index out of range)
        Unencodable,   // a text holds a character Windows-874 has no place for
        TooLong,       // a text longer than a 16-bit byte count can describe
    };
    Kind kind;
    std::string field;
    std::string message;
};

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(std::uint8_t(v & 0xFF));
        u8(std::uint8_t(v >> 8));
    }
    void i16(std::int16_t v) { u16(std::uint16_t(v)); }
    void i32(std::int32_t v) {
        const auto u = std::uint32_t(v);
        for (int shift = 0; shift < 32; shift += 8) u8(std::uint8_t((u >> shift) & 0xFF));
    }
    // A text already in Windows-874; the caller guarantees it fits a 16-bit count.
    void rawText(std::string_view cp874) {
        u16(std::uint16_t(cp874.size()));
        bytes_.insert(bytes_.end(), cp874.begin(), cp874.end());
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

inline constexpr std::size_t kMaxTextBytes = 0xFFFF;

// Every read either takes the whole value or fails and leaves the position where it was.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    bool u8(std::uint8_t& v) {
        if (remaining() < 1) return false;
        v = bytes_[pos_++];
        return true;
    }
    bool u16(std::uint16_t& v) {
        if (remaining() < 2) return false;
        v = std::uint16_t(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool i16(std::int16_t& v) {
        std::uint16_t u = 0;
        if (!u16(u)) return false;
        v = std::int16_t(u);
        return true;
    }
    bool i32(std::int32_t& v) {
        if (remaining() < 4) return false;
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | bytes_[pos_ + std::size_t(i)];
        pos_ += 4;
        v = std::int32_t(u);
        return true;
    }
    enum class Text { Ok, NoCount, PastEnd };
    // The text's bytes as stored (Windows-874), not yet decoded.
    Text rawText(std::string& cp874) {
        std::uint16_t n = 0;
        if (remaining() < 2) return Text::NoCount;
        const std::size_t start = pos_;
        u16(n);
        if (remaining() < n) {
            pos_ = start;
            return Text::PastEnd;
        }
        cp874.assign(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return Text::Ok;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// A path from a name as the player typed it (UTF-8), whatever the platform's narrow encoding is.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// Where the bytes of a new file go. The program writes to the disk; a test can make it fail part-way.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Creates (or empties) `path` and writes all of `bytes` to it, flushed to the disk; false on failure.
    virtual bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) = 0;
};

class DiskFileWriter final : public FileWriter {
public:
    bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override;
};

DiskFileWriter& diskFileWriter();

// Replaces `target` with `bytes`: the bytes go to a temporary file in the same folder, which is then
// renamed over the target. On failure the temporary file is removed and the target is untouched, so a
// full disk or a crash part-way never costs the previous contents.
bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                 FileWriter& writer = diskFileWriter());

struct FileBytes {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Unreadable;
    std::vector<std::uint8_t> bytes;
};

// At most `maxBytes` from the start of the file: both files are read from their first byte and
// whatever lies past the largest record they can hold is never looked at.
FileBytes readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace tavorin
