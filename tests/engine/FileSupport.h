// Test doubles for the game's files: a private folder per test, a writer that fails part-way, and
// little-endian readers for checking bytes at their offsets.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/RecordFile.h"

namespace tavorin::test {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("tavorin-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    std::vector<std::string> names() const {
        std::vector<std::string> v;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            v.push_back(e.path().filename().string());
        return v;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeAll(const std::filesystem::path& p, std::span<const std::uint8_t> bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Writes the first `limit` bytes for real, then reports the failure a full disk would.
class FailingWriter final : public FileWriter {
public:
    explicit FailingWriter(std::size_t limit) : limit_(limit) {}
    bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) override {
        if (bytes.size() <= limit_) return diskFileWriter().writeFile(file, bytes);
        diskFileWriter().writeFile(file, bytes.first(limit_));
        return false;
    }

private:
    std::size_t limit_;
};

inline std::int16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::int16_t(b[at] | (b[at + 1] << 8));
}
inline std::int32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::int32_t(std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) |
                        (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24));
}
inline std::string bytesAt(std::span<const std::uint8_t> b, std::size_t at, std::size_t n) {
    return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

} // namespace tavorin::test
