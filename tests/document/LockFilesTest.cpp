// The lock file beside an open chart: its name and 80 bytes, the owner id, the answers for this
// owner and another, a lock that cannot be written or is damaged, the removable devices, and two
// openers racing for one lock.
#include "document/LockFiles.h"

#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class LockFilesTest : public ::testing::Test {
protected:
    // Where no device tells whether it is removable: every document is locked.
    fs::path NoDeviceInfo() const { return dir.File("no-sys"); }

    test::TempDir dir;
    test::ScopedUi ui;
};

TEST_F(LockFilesTest, TheLockStandsBesideTheDocumentUnderItsName) {
    struct Case {
        const char* document;
        const char* lock;
    };
    const Case cases[] = {
        {"/d/KOUTEI.tbr", "/d/KOUTEI.$$$"},
        {"/d/noext", "/d/noext.$$$"},
        {"/d/a.b.tbr", "/d/a.b.$$$"},
        {"/d/工程.tbrbk", "/d/工程.$$$"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LockFilePath(c.document).string(), c.lock);
    }
}

TEST_F(LockFilesTest, TheOwnerIdNamesTheUserAndACutHostName) {
    struct Case {
        const char* user;
        const char* host;
        const char* id; // UTF-8 of the CP932 id
    };
    const Case cases[] = {
        {"sato", "PC01", "sato [PC01]"},
        {"sato", "workstation-of-sato", "sato [workstation-of-]"},
        {"sato", "", "sato [sato]"},
        // Fifteen bytes would split the eighth double-byte character.
        {"佐藤", "ＡＢＣＤＥＦＧＨ", "佐藤 [ＡＢＣＤＥＦＧ]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildLockOwnerId(c.user, c.host), Sjis::FromUtf8(c.id)) << c.id;
    }
    EXPECT_FALSE(CurrentLockOwnerId().empty());
}

TEST_F(LockFilesTest, TakeCheckAndReleaseForThisOwnerAndAnother) {
    const std::string chart = dir.File("chart.tbr").string();
    const fs::path lock = dir.File("chart.$$$");

    EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
    std::string expected = "me [pc1]";
    expected.resize(kLockFileSize, '\0');
    EXPECT_EQ(ReadFile(lock), expected);
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // Another owner is told who holds it and may not write.
    EXPECT_EQ(LockDocumentFileAs(chart, 1, "you [pc2]", NoDeviceInfo()), 0);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5086u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "選択ファイルは「me [pc1]」が使用中です。");
    // ... nor release it.
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "you [pc2]", NoDeviceInfo()), 1);
    EXPECT_EQ(ReadFile(lock), expected);

    // The owner meets its own lock (left by a crash) and goes on.
    EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
    EXPECT_EQ(ui->MessageBoxes().back().stringId, 5073u);
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "me [pc1]", NoDeviceInfo()), 1);
    EXPECT_FALSE(fs::exists(lock));

    // An owner id of 80 bytes or more is cut to the file.
    const std::string longOwner(90, 'o');
    EXPECT_EQ(LockDocumentFileAs(chart, 1, longOwner, NoDeviceInfo()), 1);
    EXPECT_EQ(ReadFile(lock), std::string(kLockFileSize, 'o'));
    // ... and is still that owner's own lock: met again and released by it.
    ui->ClearRecords();
    EXPECT_EQ(LockDocumentFileAs(chart, 1, longOwner, NoDeviceInfo()), 1);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5073u);
    EXPECT_EQ(LockDocumentFileAs(chart, 0, longOwner, NoDeviceInfo()), 1);
    EXPECT_FALSE(fs::exists(lock));

    // Nothing to lock, and a folder that takes no file: the caller goes on.
    EXPECT_EQ(LockDocumentFileAs("", 1, "me [pc1]", NoDeviceInfo()), 1);
    EXPECT_EQ(LockDocumentFileAs(dir.File("none/chart.tbr").string(), 1, "me", NoDeviceInfo()), 1);
}

// A full disk: the lock's bytes do not all reach the file. The opener goes on as for a lock that
// cannot be made, and leaves none behind that would keep everyone, itself too, from writing.
TEST_F(LockFilesTest, ALockThatCannotBeWrittenIsNotLeftBehind) {
    const std::string chart = dir.File("chart.tbr").string();
    const fs::path lock = dir.File("chart.$$$");
    struct Case {
        const char* name;
        rlim_t fileSizeLimit; // what the process may write into one file
    };
    const Case cases[] = {{"nothing written", 0}, {"half written", kLockFileSize / 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
            const rlimit limit{c.fileSizeLimit, c.fileSizeLimit};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                ::_exit(2);
            }
            ::_exit(LockDocumentFileAs(chart, 1, "me [pc1]", dir.File("no-sys")));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1) << "the opener goes on";
        EXPECT_FALSE(fs::exists(lock)) << "no lock is left";

        // The same user's next open takes the lock and writes.
        ui->ClearRecords();
        EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
        EXPECT_TRUE(ui->MessageBoxes().empty());
        std::string expected = "me [pc1]";
        expected.resize(kLockFileSize, '\0');
        EXPECT_EQ(ReadFile(lock), expected);
        EXPECT_EQ(LockDocumentFileAs(chart, 0, "me [pc1]", NoDeviceInfo()), 1);
        EXPECT_FALSE(fs::exists(lock));
    }
}

TEST_F(LockFilesTest, TheOwnerReleasesTheLockItMadeWhateverItHolds) {
    const std::string chart = dir.File("chart.tbr").string();
    const fs::path lock = dir.File("chart.$$$");
    ASSERT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
    // The same file, its bytes changed under its maker.
    std::ofstream(lock, std::ios::binary | std::ios::in | std::ios::out) << "garbled";
    // Another owner does not release it ...
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "you [pc2]", NoDeviceInfo()), 1);
    EXPECT_TRUE(fs::exists(lock));
    // ... its maker does.
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "me [pc1]", NoDeviceInfo()), 1);
    EXPECT_FALSE(fs::exists(lock));

    // A lock made again in its place by another owner is that owner's.
    ASSERT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
    fs::remove(lock);
    ASSERT_EQ(LockDocumentFileAs(chart, 1, "you [pc2]", NoDeviceInfo()), 1);
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "me [pc1]", NoDeviceInfo()), 1);
    EXPECT_TRUE(fs::exists(lock));
    EXPECT_EQ(LockDocumentFileAs(chart, 0, "you [pc2]", NoDeviceInfo()), 1);
    EXPECT_FALSE(fs::exists(lock));
}

// A lock that names no one (a maker's write that failed before this was mended) is not another
// user's: it is reported with its path, and the opener takes the lock.
TEST_F(LockFilesTest, ADamagedLockIsReportedAndReplaced) {
    const std::string chart = dir.File("chart.tbr").string();
    const fs::path lock = dir.File("chart.$$$");
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"short", "you [pc2]"},
        {"zeros", std::string(kLockFileSize, '\0')},
    };
    std::string expected = "me [pc1]";
    expected.resize(kLockFileSize, '\0');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(lock, std::ios::binary) << c.bytes;
        ui->ClearRecords();
        EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", NoDeviceInfo()), 1);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5008u);
        EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です\n" + lock.string());
        EXPECT_EQ(ReadFile(lock), expected);
        EXPECT_EQ(LockDocumentFileAs(chart, 0, "me [pc1]", NoDeviceInfo()), 1);
        EXPECT_FALSE(fs::exists(lock));
    }
}

TEST_F(LockFilesTest, ADeviceTheSystemMarksRemovableIsNotLocked) {
    // A device information tree for the device the folder lies on: a whole disk, or a
    // partition whose disk carries the mark.
    struct stat info {};
    ASSERT_EQ(::stat(dir.Path().c_str(), &info), 0);
    const std::string device =
        std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev));
    struct Case {
        const char* name;
        const char* mark; // nullptr: no mark anywhere
        bool partition;
        bool locked;
    };
    const Case cases[] = {
        {"removable disk", "1", false, false},
        {"fixed disk", "0", false, true},
        {"partition of a removable disk", "1", true, false},
        {"cannot be told", nullptr, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path root = dir.File(std::string("sys-") + c.name);
        const fs::path disk = root / "devices" / "disk";
        fs::create_directories(disk / "part1");
        fs::create_directories(root / "dev" / "block");
        if (c.mark != nullptr) {
            std::ofstream(disk / "removable") << c.mark << "\n";
        }
        if (c.partition) {
            std::ofstream(disk / "part1" / "partition") << "1\n";
            fs::create_directory_symlink("../../devices/disk/part1",
                                         root / "dev" / "block" / device);
        } else {
            fs::create_directory_symlink("../../devices/disk", root / "dev" / "block" / device);
        }
        EXPECT_EQ(IsOnRemovableDevice(dir.Path(), root),
                  c.mark != nullptr ? std::optional<bool>(std::string(c.mark) == "1")
                                    : std::nullopt);

        const std::string chart = dir.File("portable.tbr").string();
        const fs::path lock = dir.File("portable.$$$");
        EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", root), 1);
        EXPECT_EQ(fs::exists(lock), c.locked);
        fs::remove(lock);
        // A lock found beside a document on a removable device goes, whoever made it;
        // elsewhere it keeps the document from this owner.
        std::string someone = "someone [pc9]";
        someone.resize(kLockFileSize, '\0');
        std::ofstream(lock, std::ios::binary) << someone;
        EXPECT_EQ(LockDocumentFileAs(chart, 1, "me [pc1]", root), c.locked ? 0 : 1);
        EXPECT_EQ(fs::exists(lock), c.locked);
        fs::remove(lock);
    }
}

TEST_F(LockFilesTest, OfTwoOpenersRacingForOneLockExactlyOneGetsIt) {
    constexpr int kOpeners = 6;
    for (int round = 0; round < 5; ++round) {
        const std::string chart = dir.File("race" + std::to_string(round) + ".tbr").string();
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> children;
        for (int i = 0; i < kOpeners; ++i) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(go[1]);
                char start = 0;
                // Every opener waits for the same signal, then all reach for the lock at once.
                static_cast<void>(::read(go[0], &start, 1));
                const int got =
                    LockDocumentFileAs(chart, 1, "opener " + std::to_string(i), dir.File("no-sys"));
                ::_exit(got);
            }
            children.push_back(child);
        }
        ::close(go[0]);
        ::close(go[1]); // end of file for every waiting opener: they start
        int writers = 0;
        for (const pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            writers += WEXITSTATUS(status);
        }
        EXPECT_EQ(writers, 1) << "round " << round;
    }
}

} // namespace
} // namespace tembra
