// Reads and saves of system files under hostile conditions: devices, FIFOs, huge files, links, other
// owners, full and read-only file systems.
#include "core/app/SystemFile.h"
#include "core/units/RegularFile.h"
#include "core/units/SystemFileSize.h"
#include "core/units/presets/FactoryPrograms.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelo {
namespace {

namespace fs = std::filesystem;
using test::fileBytes;

std::vector<std::uint8_t> sampleBytes(Family family) {
    return writeSystemFile(test::sampleSystem(family));
}

struct stat statusOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileSafety, OnlyRegularFilesWithinTheBoundAreRead) {
    test::TempDir dir;
    // Devices that never end, a FIFO without a writer (opening must not block) and a folder.
    const fs::path fifo = dir.file("x.kle");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {fs::path("/dev/zero"), fs::path("/dev/urandom"), fifo, dir.path()}) {
        const FileReadResult read = readRegularFile(path, kMaxSystemFileBytes);
        EXPECT_EQ(read.error, FileReadError::NotRegular) << path;
        EXPECT_TRUE(read.bytes.empty());
    }
    const SystemFileReadResult device = loadSystemFile("/dev/zero");
    EXPECT_EQ(device.status.error, SystemFileError::CannotOpen);
    EXPECT_EQ(device.status.message, "Cannot open file: /dev/zero: not a regular file");

    // A sparse file one byte past the bound is refused without being read; one at the bound is read.
    const fs::path huge = dir.file("huge.kle");
    const std::vector<std::uint8_t> sample = sampleBytes(Family::TzAmp);
    std::ofstream(huge, std::ios::binary)
        .write(reinterpret_cast<const char*>(sample.data()), static_cast<std::streamsize>(sample.size()));
    fs::resize_file(huge, kMaxSystemFileBytes + 1);
    EXPECT_EQ(readRegularFile(huge, kMaxSystemFileBytes).error, FileReadError::TooLarge);
    EXPECT_NE(loadSystemFile(huge).status.message.find("larger than"), std::string::npos);
    fs::resize_file(huge, kMaxSystemFileBytes);
    const SystemFileReadResult atBound = loadSystemFile(huge);
    ASSERT_TRUE(atBound.ok()) << atBound.status.message; // trailing bytes are accepted
    EXPECT_EQ(atBound.system->unitCount(), 2u);

    // The bound holds 32 units of the largest family with long names.
    UnitSystem full(Family::Tz48);
    for (std::uint32_t id = 0; id < 32; ++id) {
        Unit unit(ProcessorUnit{});
        unit.processor()->name = std::u16string(200, u'\u20AC');
        full.appendLoadedUnit(std::move(unit));
    }
    EXPECT_LT(writeSystemFile(full).size() * 2, kMaxSystemFileBytes + 1);

    // The presets file keeps to the same rule: an oversized one is not read.
    std::vector<UnitParams> programs;
    fs::resize_file(huge, kMaxSystemFileBytes + 1);
    EXPECT_FALSE(FactoryPrograms::ReadPresetFile(huge, 1, programs));
    EXPECT_FALSE(FactoryPrograms::ReadPresetFile(fifo, 1, programs));
    EXPECT_TRUE(programs.empty());
}

TEST(FileSafety, SaveThroughSymbolicLinksReplacesTheTargetAndKeepsTheLinks) {
    test::TempDir dir;
    fs::create_directory(dir.file("elsewhere"));
    const fs::path target = dir.file("elsewhere/real.kle");
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::Tz48), target).ok());
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink("elsewhere/real.kle", dir.file("link.kle")); // relative, into another folder
    fs::create_symlink(dir.file("link.kle"), dir.file("chain.kle"));

    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::TzAmp), dir.file("chain.kle")).ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("chain.kle")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.kle")));
    EXPECT_EQ(fileBytes(target), sampleBytes(Family::TzAmp));
    EXPECT_EQ(statusOf(target).st_mode & 07777, 0640u);
    EXPECT_EQ(entriesIn(dir.file("elsewhere")), 1u); // no temporary left beside the target

    // A dangling link: the file it names is created, the link stays.
    fs::create_symlink("made.kle", dir.file("dangling.kle"));
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::Tz48P), dir.file("dangling.kle")).ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.kle")));
    EXPECT_EQ(fileBytes(dir.file("made.kle")), sampleBytes(Family::Tz48P));

    // A loop of links and a device at the end are refused; the device is untouched.
    fs::create_symlink("loop-b.kle", dir.file("loop-a.kle"));
    fs::create_symlink("loop-a.kle", dir.file("loop-b.kle"));
    EXPECT_EQ(saveSystemFile(test::sampleSystem(Family::Tz48), dir.file("loop-a.kle")).error,
              SystemFileError::CannotWrite);
    fs::create_symlink("/dev/null", dir.file("null.kle"));
    const SystemFileStatus device = saveSystemFile(test::sampleSystem(Family::Tz48), dir.file("null.kle"));
    EXPECT_EQ(device.error, SystemFileError::CannotWrite);
    EXPECT_NE(device.message.find("not a regular file"), std::string::npos);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(checkSaveTarget(dir.file("null.kle")).ok());
    EXPECT_TRUE(checkSaveTarget(dir.file("dangling.kle")).ok());
}

TEST(FileSafety, SaveKeepsAnotherUsersOwnership) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only a privileged process can give a file to another user";
    }
    test::TempDir dir;
    const fs::path path = dir.file("theirs.kle");
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::Tz48), path).ok());
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::TzAmp), path).ok());
    const struct stat status = statusOf(path);
    EXPECT_EQ(status.st_uid, 4242u);
    EXPECT_EQ(status.st_gid, 4343u);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
}

TEST(FileSafety, FailedWritesKeepThePreviousFile) {
    test::TempDir dir;
    const fs::path path = dir.file("system.kle");
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::Tz48), path).ok());
    const std::vector<std::uint8_t> before = fileBytes(path);

    // A full file system, as the writer sees it: the kernel refuses bytes past a file-size limit.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SystemFileStatus full = saveSystemFile(test::sampleSystem(Family::TzAmp), path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(full.error, SystemFileError::CannotWrite);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    // A read-only folder: permissions for an ordinary user, a read-only mount for a privileged one.
    const fs::path folder = dir.file("locked");
    fs::create_directory(folder);
    ASSERT_TRUE(saveSystemFile(test::sampleSystem(Family::Tz48), folder / "system.kle").ok());
    bool mounted = false;
    if (::geteuid() == 0) {
        mounted = ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
                  ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (!mounted) {
            ::umount(folder.c_str());
            GTEST_SKIP() << "no read-only mount available to a privileged test";
        }
    } else {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const SystemFileStatus locked = saveSystemFile(test::sampleSystem(Family::TzAmp), folder / "system.kle");
    const SystemFileStatus probe = checkSaveTarget(folder / "other.kle");
    if (mounted) {
        ::umount(folder.c_str());
    } else {
        fs::permissions(folder, fs::perms::owner_all);
    }
    EXPECT_EQ(locked.error, SystemFileError::CannotWrite);
    EXPECT_FALSE(probe.ok());
    EXPECT_EQ(fileBytes(folder / "system.kle"), before);
    EXPECT_EQ(entriesIn(folder), 1u);
}

} // namespace
} // namespace kelo
