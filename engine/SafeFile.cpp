#include "engine/SafeFile.h"

#include <cerrno>
#include <optional>
#include <random>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavorin {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    std::u8string s;
    s.reserve(utf8.size());
    for (char c : utf8) s.push_back(char8_t(c));
    return std::filesystem::path(s);
}

namespace {

// Closes a descriptor whatever the path out of a function; retries none of its calls since a close
// interrupted by a signal has closed the descriptor all the same.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int release() { return std::exchange(fd_, -1); }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now and reports whether the last of the data was accepted.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

int openNoInterrupt(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
};

std::optional<Identity> identityOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return Identity{st.st_dev, st.st_ino};
}

// The name itself, never what a link there points to.
std::optional<Identity> identityAt(const std::filesystem::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    return Identity{st.st_dev, st.st_ino};
}

// Removes `path` only while it is still the file this process created: never a folder, a link or
// someone else's file that has taken the name since.
void removeOwn(const std::filesystem::path& path, const Identity& own) {
    if (identityAt(path) == own) ::unlink(path.c_str());
}

// A name's first bytes, cut before a UTF-8 sequence rather than through one, so the temporary
// name of a long target stays within the folder's limit and is still valid text.
std::string leadingBytes(const std::string& name, std::size_t most) {
    if (name.size() <= most) return name;
    std::size_t n = most;
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    return name.substr(0, n);
}

constexpr std::size_t kTempNamePrefixBytes = 160;
constexpr int kTempNameAttempts = 100;

} // namespace

std::string FileWriter::uniqueSuffix() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device entropy;
    std::string suffix;
    for (int i = 0; i < 10; ++i) suffix += kAlphabet[entropy() % (sizeof kAlphabet - 1)];
    return suffix;
}

bool DiskFileWriter::writeFile(NewFile& file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(file.descriptor, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(std::size_t(n));
    }
    // The rename that follows must not reach the disk before the data it points to.
    return ::fsync(file.descriptor) == 0;
}

DiskFileWriter& diskFileWriter() {
    static DiskFileWriter writer;
    return writer;
}

bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                 FileWriter& writer) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const std::string prefix = leadingBytes(target.filename().string(), kTempNamePrefixBytes);
    std::filesystem::path temp;
    Descriptor fd;
    // O_EXCL refuses any name that exists, a dangling link included, and O_NOFOLLOW makes sure of
    // the link; so the file opened is always one this call created, and a pipe is never opened.
    for (int attempt = 0; attempt < kTempNameAttempts && !fd; ++attempt) {
        temp = folder / (prefix + "." + writer.uniqueSuffix() + ".tmp");
        fd.reset(openNoInterrupt(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd && errno != EEXIST && errno != ELOOP) return false;
    }
    if (!fd) return false;
    const std::optional<Identity> own = identityOf(fd.get());
    if (!own) {
        // Without its identity the file cannot be told from another one later: remove it at once.
        ::unlink(temp.c_str());
        return false;
    }
    NewFile file{fd.get()};
    const bool written = writer.writeFile(file, bytes);
    if (!fd.close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        removeOwn(temp, *own);
        return false;
    }
    // The new name itself reaches the disk with the folder; the file is in place either way.
    if (Descriptor dir(openNoInterrupt(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir)
        ::fsync(dir.get());
    return true;
}

bool replaceFile(const std::filesystem::path& target, std::string_view text, FileWriter& writer) {
    return replaceFile(
        target,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        writer);
}

FileLock::FileLock(FileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), busy_(other.busy_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
        busy_ = other.busy_;
    }
    return *this;
}

// Closing the descriptor releases the lock.
FileLock::~FileLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

FileLock lockFile(const std::filesystem::path& lockPath, std::chrono::milliseconds patience) {
    FileLock lock;
    // Opened for reading only: the lock never needs to write, so a file planted at the name (a hard
    // link to someone's file) cannot be changed through it. O_NONBLOCK keeps a pipe from waiting.
    Descriptor fd(
        openNoInterrupt(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!fd) return lock;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return lock;
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    // Asking without blocking and trying again keeps the wait bounded: a copy of the game that hangs
    // while holding the lock must not hang this one too.
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return lock;
        if (std::chrono::steady_clock::now() >= giveUp) {
            lock.busy_ = true;
            return lock;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    lock.descriptor_ = fd.release();
    return lock;
}

std::filesystem::path sideFilePath(const std::filesystem::path& dir, std::string_view gameName,
                                   std::string_view extension) {
    std::string name(gameName);
    name += extension;
    return dir / pathFromUtf8(name);
}

std::optional<std::string> readSideFile(const std::filesystem::path& path) {
    constexpr std::size_t kMostBytes = 4096;
    const FileBytes file = readFilePrefix(path, kMostBytes + 1);
    if (file.status != FileBytes::Status::Ok || file.bytes.size() > kMostBytes) return std::nullopt;
    return std::string(file.bytes.begin(), file.bytes.end());
}

bool removeRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return true;
    return std::filesystem::remove(path, error) && !error;
}

FileBytes readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    FileBytes result;
    // O_NONBLOCK: a pipe at this name is opened without waiting for a writer, then refused below.
    Descriptor fd(openNoInterrupt(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        if (errno == ENOENT) result.status = FileBytes::Status::Missing;
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
    std::uint8_t chunk[8192];
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - result.bytes.size());
        const ssize_t got = ::read(fd.get(), chunk, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.bytes.clear();
            return result;
        }
        if (got == 0) break;
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
    }
    result.status = FileBytes::Status::Ok;
    return result;
}

} // namespace tavorin
