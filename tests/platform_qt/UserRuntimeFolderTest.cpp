// The folder of the user's own for the programs' locks and sockets: the runtime folder, else one
// made for the user under the cache folder; a folder others may write in is refused, and said so.
#include "platform/qt/UserRuntimeFolder.h"

#include "support/TempDir.h"
#include "support/qt/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(UserRuntimeFolderTest, TheUsersOwnFolderOrNone) {
    struct Case {
        const char* name;
        int runtimeMode;  // -1: XDG_RUNTIME_DIR unset
        int fallbackMode; // -1: the cache folder's "tembra-run" not there before
        bool runtimeUsed; // else the fallback, when it is the user's own
        bool fallbackUsed;
        bool refused;
        bool otherOwner = false; // the runtime folder another user's (needs root to arrange)
    };
    const Case cases[] = {
        {"the runtime folder", 0700, -1, true, false, false},
        {"none: one made for the user", -1, -1, false, true, false},
        {"none, and the made one writable by all", -1, 0777, false, false, true},
        {"a runtime folder writable by all", 0777, -1, false, true, true},
        {"a runtime folder writable by its group", 0770, 0700, false, true, true},
        {"another user's runtime folder", 0700, -1, false, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.otherOwner && ::geteuid() != 0) {
            continue;
        }
        test::TempDir dir;
        test::ScopedEnvironment environment;
        const fs::path runtime = dir.File("run");
        const fs::path cache = dir.File("cache");
        const fs::path fallback = cache / "tembra-run";
        environment.Set("XDG_CACHE_HOME", cache.string());
        if (c.runtimeMode >= 0) {
            fs::create_directories(runtime);
            ::chmod(runtime.c_str(), static_cast<mode_t>(c.runtimeMode));
            if (c.otherOwner) {
                ASSERT_EQ(::chown(runtime.c_str(), 65534, 65534), 0);
            }
            environment.Set("XDG_RUNTIME_DIR", runtime.string());
        } else {
            environment.Unset("XDG_RUNTIME_DIR");
        }
        if (c.fallbackMode >= 0) {
            fs::create_directories(fallback);
            ::chmod(fallback.c_str(), static_cast<mode_t>(c.fallbackMode));
        }

        const RuntimeFolder found = FindUserRuntimeFolder();
        const QString expected = c.runtimeUsed    ? QString::fromStdString(runtime.string())
                                 : c.fallbackUsed ? QString::fromStdString(fallback.string())
                                                  : QString();
        EXPECT_EQ(found.path.toStdString(), expected.toStdString());
        EXPECT_EQ(!found.refusal.isEmpty(), c.refused) << found.refusal.toStdString();
        if (c.fallbackUsed && c.fallbackMode < 0) {
            EXPECT_EQ(ModeOf(fallback), 0700u);
        }
        if (c.refused) {
            // The user learns which folder and why.
            const fs::path refusedFolder = c.runtimeMode >= 0 ? runtime : fallback;
            EXPECT_TRUE(found.refusal.contains(QString::fromStdString(refusedFolder.string())));
        }
    }
}

TEST(UserRuntimeFolderTest, ALinkToAFolderIsNotTheFolder) {
    test::TempDir dir;
    const fs::path real = dir.File("real");
    fs::create_directories(real);
    ::chmod(real.c_str(), 0700);
    fs::create_directory_symlink(real, dir.File("link"));
    QString why;
    EXPECT_TRUE(IsUsersOwnFolder(QString::fromStdString(real.string()), &why));
    EXPECT_FALSE(IsUsersOwnFolder(QString::fromStdString(dir.File("link").string()), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(IsUsersOwnFolder(QString::fromStdString(dir.File("missing").string()), &why));
}

} // namespace
} // namespace tembra
