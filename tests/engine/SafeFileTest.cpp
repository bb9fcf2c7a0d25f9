// Replacing and reading files in a folder that may hold anything: links, hard links, pipes and folders
// at the names a write might use, a lock that another copy of the game holds.
#include "engine/SafeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/engine/FileSupport.h"

namespace tavorin::test {
namespace {

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '!'};
const std::vector<std::uint8_t> kVictim = {'m', 'i', 'n', 'e'};

// Chooses the temporary names from a script and writes at most `limit` bytes before failing.
class ScriptedWriter final : public FileWriter {
public:
    std::deque<std::string> suffixes;
    std::size_t limit = SIZE_MAX;
    std::vector<std::string> tried;

    bool writeFile(NewFile& file, std::span<const std::uint8_t> bytes) override {
        if (bytes.size() <= limit) return diskFileWriter().writeFile(file, bytes);
        diskFileWriter().writeFile(file, bytes.first(limit));
        return false;
    }
    std::string uniqueSuffix() override {
        if (suffixes.empty()) return FileWriter::uniqueSuffix();
        tried.push_back(suffixes.front());
        suffixes.pop_front();
        return tried.back();
    }
};

enum class Planted { SymbolicLink, DanglingLink, HardLink, Pipe, EmptyFolder, UsersFile };

struct PlantCase {
    const char* name;
    Planted what;
};

// Puts `what` at `at`; links point at `victim`, a file outside the game's folder.
void plant(Planted what, const std::filesystem::path& at, const std::filesystem::path& victim) {
    switch (what) {
    case Planted::SymbolicLink: std::filesystem::create_symlink(victim, at); break;
    case Planted::DanglingLink: std::filesystem::create_symlink(victim.parent_path() / "nothing", at); break;
    case Planted::HardLink: std::filesystem::create_hard_link(victim, at); break;
    case Planted::Pipe: ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); break;
    case Planted::EmptyFolder: std::filesystem::create_directory(at); break;
    case Planted::UsersFile: writeAll(at, kVictim); break;
    }
}

std::filesystem::file_type typeAt(const std::filesystem::path& p) {
    return std::filesystem::symlink_status(p).type();
}

class TemporaryNameTaken : public ::testing::TestWithParam<PlantCase> {
protected:
    TempDir root;
    std::filesystem::path game = root / "game";
    std::filesystem::path outside = root / "outside";
    std::filesystem::path victim = outside / "victim.txt";
    std::filesystem::path target = game / "g.dat";

    void SetUp() override {
        std::filesystem::create_directories(game);
        std::filesystem::create_directories(outside);
        writeAll(victim, kVictim);
        writeAll(target, kOld);
    }

    // The name a write used to take, and the first name the scripted writer offers.
    std::vector<std::filesystem::path> plantAtTheNames(ScriptedWriter& writer) {
        writer.suffixes = {"first", "second"};
        const std::vector<std::filesystem::path> names = {game / "g.dat.tmp", game / "g.dat.first.tmp"};
        for (const auto& n : names) plant(GetParam().what, n, victim);
        return names;
    }

    void expectLeftAlone(const std::vector<std::filesystem::path>& planted, std::filesystem::file_type type) {
        EXPECT_EQ(readAll(victim), kVictim);
        EXPECT_EQ(std::vector<std::string>{"victim.txt"}, [&] {
            std::vector<std::string> v;
            for (const auto& e : std::filesystem::directory_iterator(outside))
                v.push_back(e.path().filename());
            return v;
        }());
        for (const auto& p : planted) EXPECT_EQ(typeAt(p), type) << p;
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(game)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"g.dat", "g.dat.first.tmp", "g.dat.tmp"}));
    }
};

TEST_P(TemporaryNameTaken, WriteGoesToAFreshNameAndLeavesWhatWasThere) {
    ScriptedWriter writer;
    const auto planted = plantAtTheNames(writer);
    const auto type = typeAt(planted[0]);
    ASSERT_TRUE(replaceFile(target, kNew, writer));
    EXPECT_EQ(readAll(target), kNew);
    EXPECT_EQ(writer.tried, (std::vector<std::string>{"first", "second"}));
    expectLeftAlone(planted, type);
}

TEST_P(TemporaryNameTaken, FailedWriteRemovesOnlyItsOwnFile) {
    ScriptedWriter writer;
    writer.limit = 2;
    const auto planted = plantAtTheNames(writer);
    const auto type = typeAt(planted[0]);
    EXPECT_FALSE(replaceFile(target, kNew, writer));
    EXPECT_EQ(readAll(target), kOld);
    expectLeftAlone(planted, type);
}

INSTANTIATE_TEST_SUITE_P(Planted, TemporaryNameTaken,
                         ::testing::Values(PlantCase{"SymbolicLinkOutside", Planted::SymbolicLink},
                                           PlantCase{"DanglingLink", Planted::DanglingLink},
                                           PlantCase{"HardLinkOutside", Planted::HardLink},
                                           PlantCase{"Pipe", Planted::Pipe},
                                           PlantCase{"EmptyFolder", Planted::EmptyFolder},
                                           PlantCase{"UsersFile", Planted::UsersFile}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, TakenNamesAreSkippedUntilOneIsFreeAndThenGivenUp) {
    TempDir dir;
    ScriptedWriter writer;
    for (int i = 0; i < 100; ++i) {
        writer.suffixes.push_back("n" + std::to_string(i));
        std::filesystem::create_directory(dir / ("g.dat.n" + std::to_string(i) + ".tmp"));
    }
    // Every name it may try is taken: it reports the failure rather than using one of them.
    EXPECT_FALSE(replaceFile(dir / "g.dat", kNew, writer));
    EXPECT_FALSE(std::filesystem::exists(dir / "g.dat"));
    writer.suffixes = {"n5", "free"};
    EXPECT_TRUE(replaceFile(dir / "g.dat", kNew, writer));
    EXPECT_EQ(readAll(dir / "g.dat"), kNew);
}

TEST(ReplaceFile, NameAtTheFoldersLimitStillGetsATemporaryFile) {
    TempDir dir;
    // 83 Thai letters of three bytes and ".dat": 253 bytes, two short of what a name may hold.
    std::string name;
    for (int i = 0; i < 83; ++i) name += "ก";
    name += ".dat";
    ASSERT_EQ(name.size(), 253u);
    EXPECT_TRUE(replaceFile(dir.path() / name, kNew));
    EXPECT_EQ(readAll(dir.path() / name), kNew);
    EXPECT_EQ(dir.names(), std::vector<std::string>{name});
}

TEST(ReplaceFile, TextIsWrittenAsItsBytes) {
    TempDir dir;
    EXPECT_TRUE(replaceFile(dir / "log.txt", std::string_view("บรรทัด\n")));
    const std::string expected = "บรรทัด\n";
    EXPECT_EQ(readAll(dir / "log.txt"), std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(ReadFilePrefix, TakesOnlyRegularFilesAndNeverWaits) {
    TempDir dir;
    writeAll(dir / "file", kVictim);
    plant(Planted::SymbolicLink, dir / "link", dir / "file");
    plant(Planted::DanglingLink, dir / "dangling", dir / "file");
    plant(Planted::Pipe, dir / "pipe", dir / "file");
    plant(Planted::EmptyFolder, dir / "folder", dir / "file");
    struct Case {
        const char* name;
        FileBytes::Status status;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"file", FileBytes::Status::Ok, kVictim},        {"link", FileBytes::Status::Ok, kVictim},
        {"missing", FileBytes::Status::Missing, {}},     {"dangling", FileBytes::Status::Missing, {}},
        {"pipe", FileBytes::Status::Unreadable, {}},     {"folder", FileBytes::Status::Unreadable, {}},
        {"/dev/zero", FileBytes::Status::Unreadable, {}}};
    for (const Case& c : cases) {
        const FileBytes got = readFilePrefix(dir / c.name, 100);
        EXPECT_EQ(got.status, c.status) << c.name;
        EXPECT_EQ(got.bytes, c.bytes) << c.name;
    }
    EXPECT_EQ(readFilePrefix(dir / "file", 2).bytes, (std::vector<std::uint8_t>{'m', 'i'}));
}

TEST(LockFile, WaitsABoundedTimeForAnotherHolderAndIsFreeAfterIt) {
    TempDir dir;
    const auto at = dir / "RecFile.lock";
    {
        const FileLock held = lockFile(at, std::chrono::milliseconds(0));
        ASSERT_TRUE(held);
        // A second open of the file is what another copy of the game would have.
        const FileLock other = lockFile(at, std::chrono::milliseconds(30));
        EXPECT_FALSE(other);
        EXPECT_TRUE(other.wasBusy());
    }
    const FileLock again = lockFile(at, std::chrono::milliseconds(0));
    EXPECT_TRUE(again);
    EXPECT_TRUE(readAll(at).empty());
}

TEST(LockFile, NeverThroughALinkNorOnAPipeOrFolder) {
    TempDir root;
    const auto victim = root / "victim.txt";
    writeAll(victim, kVictim);
    for (Planted what : {Planted::SymbolicLink, Planted::DanglingLink, Planted::Pipe, Planted::EmptyFolder}) {
        const auto at = root / "RecFile.lock";
        plant(what, at, victim);
        const FileLock lock = lockFile(at, std::chrono::seconds(30));
        EXPECT_FALSE(lock) << int(what);
        EXPECT_FALSE(lock.wasBusy()) << int(what);
        EXPECT_EQ(readAll(victim), kVictim);
        EXPECT_FALSE(std::filesystem::exists(root / "nothing"));
        std::filesystem::remove(at);
    }
    // A hard link is an ordinary file: it can be locked, and the file it shares is not changed.
    plant(Planted::HardLink, root / "RecFile.lock", victim);
    EXPECT_TRUE(lockFile(root / "RecFile.lock"));
    EXPECT_EQ(readAll(victim), kVictim);
}

} // namespace
} // namespace tavorin::test
