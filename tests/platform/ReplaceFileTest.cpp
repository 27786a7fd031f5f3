// Writing a file through a temporary file beside it: the target changes only once the new
// contents are whole, keeps its permissions, and a failure says why and leaves nothing behind.
#include "platform/ReplaceFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFileTest, TheTargetTakesTheWholeNewContentsAndKeepsItsPermissions) {
    test::TempDir dir;
    const fs::path target = dir.Write("chart.tbr", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const int error = ReplaceFile(target, [](CFile& file) { file.Write("new contents", 12); });
    EXPECT_EQ(error, 0);
    EXPECT_EQ(test::TempDir::Read(target), "new contents");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"chart.tbr"});

    // A new file is made as any other.
    const fs::path fresh = dir.File("fresh.tbr");
    EXPECT_EQ(ReplaceFile(fresh, [](CFile& file) { file.Write("x", 1); }), 0);
    EXPECT_EQ(test::TempDir::Read(fresh), "x");
}

// A chart kept elsewhere and opened through a link: saving writes the chart, the link stays.
TEST(ReplaceFileTest, ALinkStaysALinkAndTheFileItPointsToIsReplaced) {
    test::TempDir dir;
    fs::create_directory(dir.File("store"));
    const fs::path real = dir.Write("store/chart.tbr", "old");
    const fs::path link = dir.File("chart.tbr");
    fs::create_symlink(fs::path("store") / "chart.tbr", link);
    EXPECT_EQ(ReplaceFile(link, [](CFile& file) { file.Write("new", 3); }), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::TempDir::Read(real), "new");
    EXPECT_EQ(Listing(dir.Path()), (std::vector<std::string>{"chart.tbr", "store"}));
    EXPECT_EQ(Listing(dir.File("store")), std::vector<std::string>{"chart.tbr"});
}

TEST(ReplaceFileTest, AWriterThatGivesUpLeavesTheTargetAndNoTemporaryFile) {
    test::TempDir dir;
    const fs::path target = dir.Write("chart.tbr", "old");
    EXPECT_THROW(ReplaceFile(target,
                             [](CFile& file) {
                                 file.Write("half", 4);
                                 throw std::runtime_error("stopped");
                             }),
                 std::runtime_error);
    EXPECT_EQ(test::TempDir::Read(target), "old");
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"chart.tbr"});
}

TEST(ReplaceFileTest, AFolderThatCannotTakeTheFileGivesItsReason) {
    test::TempDir dir;
    EXPECT_EQ(ReplaceFile(dir.File("missing/chart.tbr"), [](CFile&) {}), ENOENT);
    // A folder in the place of the target: the rename is refused and nothing is left over.
    fs::create_directory(dir.File("taken.tbr"));
    EXPECT_EQ(ReplaceFile(dir.File("taken.tbr"), [](CFile& file) { file.Write("x", 1); }), EISDIR);
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"taken.tbr"});
}

} // namespace
} // namespace tembra
