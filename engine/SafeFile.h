// Files the player's folder may hold anything at: whole-file replacement that never writes through a
// link or waits on a pipe, and reading that takes only regular files. Anything that writes a file
// beside the saved games goes through replaceFile.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

// A path from a name as the player typed it (UTF-8), whatever the platform's narrow encoding is.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// A file that replaceFile has just created, empty and open for writing, and nothing else can be at
// that name: it was created exclusively, so it is neither a link nor a pipe nor someone's file.
struct NewFile {
    int descriptor = -1;
};

// Where the bytes of a new file go. The program writes to the disk; a test can make it fail part-way
// or choose the temporary names.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes all of `bytes` to `file`, flushed to the disk; false on failure.
    virtual bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) = 0;
    // Part of a temporary file's name that nobody can guess; a name that is taken is never used, so
    // this only has to make a clash unlikely.
    virtual std::string uniqueSuffix();
};

class DiskFileWriter final : public FileWriter {
public:
    bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) override;
};

DiskFileWriter& diskFileWriter();

// Replaces `target` with `bytes`. The bytes go to a temporary file created under a new name in the
// same folder, flushed to the disk, which is then renamed over the target, so a reader sees the old
// file or the new one and never half of one. Whatever lies at other names in the folder (a link, a
// pipe, a folder named like a temporary file) is never opened, followed or removed. On failure the
// temporary file is removed and the target is untouched.
bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                 FileWriter& writer = diskFileWriter());
bool replaceFile(const std::filesystem::path& target, std::string_view text,
                 FileWriter& writer = diskFileWriter());

// "<game><extension>" in `dir`: a file that keeps beside a saved game what the game's own file has no
// room for. The name is the game's as the player typed it.
std::filesystem::path sideFilePath(const std::filesystem::path& dir, std::string_view gameName,
                                   std::string_view extension);
// The text of such a file, or nothing when it is missing, unreadable or larger than a side file gets.
std::optional<std::string> readSideFile(const std::filesystem::path& path);

// Removes the regular file at `path`, if there is one: a side file that no longer applies. A link,
// a pipe or a folder at that name is left alone. False only when a file was there and stays.
bool removeRegularFile(const std::filesystem::path& path);

struct FileBytes {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Unreadable;
    std::vector<std::uint8_t> bytes;
};

// An exclusive lock between processes, held for as long as the object lives. Copies of the game that
// read, change and write back the same file take it around the whole sequence, so neither can write
// over what the other has just written.
class FileLock {
public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    explicit operator bool() const { return descriptor_ >= 0; }
    // Not taken because another process held it all the while, rather than because the lock file
    // could not be opened.
    bool wasBusy() const { return busy_; }

private:
    friend FileLock lockFile(const std::filesystem::path&, std::chrono::milliseconds);
    int descriptor_ = -1;
    bool busy_ = false;
};

// Locks the file `lockPath`, creating it empty if need be; it is never written, never removed and
// never reached through a link, and a pipe or folder at that name is refused. Another copy holds the
// lock only while it writes a small file, so this waits at most `patience` for it; an empty lock
// means the lock could not be taken and the caller must not go on as if it had.
FileLock lockFile(const std::filesystem::path& lockPath,
                  std::chrono::milliseconds patience = std::chrono::seconds(5));

// At most `maxBytes` from the start of the file. Only a regular file is read (through a link, if need
// be); a pipe, a device or a folder at that name is unreadable, and opening it never waits.
FileBytes readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace tavorin
