#include "engine/RecordFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define TAVORIN_HAVE_FSYNC 1
#endif

namespace tavorin {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    std::u8string s;
    s.reserve(utf8.size());
    for (char c : utf8) s.push_back(char8_t(c));
    return std::filesystem::path(s);
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return FilePtr(_wfopen(path.c_str(), wmode.c_str()));
#else
    return FilePtr(std::fopen(path.c_str(), mode));
#endif
}

} // namespace

bool DiskFileWriter::writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    FilePtr f = openFile(path, "wb");
    if (!f) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
    if (std::fflush(f.get()) != 0) return false;
#ifdef TAVORIN_HAVE_FSYNC
    // The rename that follows must not reach the disk before the data it points to.
    if (::fsync(::fileno(f.get())) != 0) return false;
#endif
    return std::fclose(f.release()) == 0;
}

DiskFileWriter& diskFileWriter() {
    static DiskFileWriter writer;
    return writer;
}

bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                 FileWriter& writer) {
    std::filesystem::path temp = target;
    temp += ".tmp";
    std::error_code ec;
    if (!writer.writeFile(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

FileBytes readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    FileBytes result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        result.status = FileBytes::Status::Missing;
        return result;
    }
    if (ec || !std::filesystem::is_regular_file(status)) return result;
    FilePtr f = openFile(path, "rb");
    if (!f) return result;
    std::uint8_t chunk[8192];
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - result.bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, f.get());
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
        if (got < want) {
            if (std::ferror(f.get())) {
                result.bytes.clear();
                return result;
            }
            break;
        }
    }
    result.status = FileBytes::Status::Ok;
    return result;
}

} // namespace tavorin
