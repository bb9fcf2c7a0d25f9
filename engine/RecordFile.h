// The building blocks of the game's two binary files (saved games and the hall of fame): little-endian
// numbers, texts as a 16-bit byte count followed by Windows-874 bytes, and bounds-checked reading.
// Reading and replacing the files themselves is engine/SafeFile.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/SafeFile.h"

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
        Inconsistent,  // values no game could have written together (a deed held twice)
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

} // namespace tavorin
