// Writing a file through a temporary file beside it: the target changes only once the new
// contents are whole, keeps its permissions, and a failure says why and leaves nothing behind; a
// killed writer's leftovers go at the next save; a name planted beforehand is never followed; a
// companion file changes with its target or not at all.
#include "platform/ReplaceFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// Removes the step hook when the test ends.
struct ScopedStepHook {
    explicit ScopedStepHook(CReplacementFile::StepHook hook) {
        CReplacementFile::SetStepHook(std::move(hook));
    }
    ~ScopedStepHook() { CReplacementFile::SetStepHook({}); }
    ScopedStepHook(const ScopedStepHook&) = delete;
    ScopedStepHook& operator=(const ScopedStepHook&) = delete;
};

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

// The contents of a save big enough to be written in many blocks.
constexpr std::size_t kLarge = std::size_t{1} << 19;

std::string Large(char fill) {
    return std::string(kLarge, fill);
}

void WriteLarge(CFile& file, char fill) {
    const std::string block(4096, fill);
    for (std::size_t done = 0; done < kLarge; done += block.size()) {
        file.Write(block.data(), static_cast<UINT>(block.size()));
    }
}

// Where a save's process dies: as it starts (the temporary made, nothing written), in the middle
// of its blocks, as it is about to rename, and after its last byte is on the disk.
enum class Death { AtStart, MidBlock, AtRename, AfterWrite };

TEST(ReplaceFileTest, AKilledSaveLeavesAWholeFileAndTheNextSaveLeavesNoTemporary) {
    const struct {
        Death death;
        const char* name;
    } cases[] = {{Death::AtStart, "at the start"},
                 {Death::MidBlock, "mid-block"},
                 {Death::AtRename, "at the rename"},
                 {Death::AfterWrite, "written, not renamed"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const fs::path target = dir.Write("chart.tbr", Large('o'));
        const pid_t child = ::fork();
        if (child == 0) {
            CReplacementFile::SetStepHook([&c](CReplacementFile::Step step, const fs::path&) {
                if ((c.death == Death::AtStart && step == CReplacementFile::Step::Created) ||
                    (c.death == Death::AfterWrite && step == CReplacementFile::Step::Written) ||
                    (c.death == Death::AtRename && step == CReplacementFile::Step::Renaming)) {
                    ::raise(SIGKILL);
                }
                return 0;
            });
            ReplaceFile(target, [&c](CFile& file) {
                const std::string half(kLarge / 2 + 100, 'n');
                file.Write(half.data(), static_cast<UINT>(half.size()));
                if (c.death == Death::MidBlock) {
                    file.Flush();
                    ::raise(SIGKILL);
                }
                file.Write(half.data(), static_cast<UINT>(kLarge - half.size()));
            });
            ::_exit(3);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(test::TempDir::Read(target), Large('o'));
        // The killed writer's temporary is there, named as ours and its own.
        const std::vector<std::string> left = Listing(dir.Path());
        ASSERT_EQ(left.size(), 2u);
        EXPECT_TRUE(left[0].starts_with(".chart.tbr.tembra-" + std::to_string(child) + "-"))
            << left[0];

        EXPECT_EQ(ReplaceFile(target, [](CFile& file) { WriteLarge(file, 'x'); }), 0);
        EXPECT_EQ(test::TempDir::Read(target), Large('x'));
        EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"chart.tbr"});
    }
}

// Only what a writer now gone left is removed: a running writer's temporary, another file's and
// other names stay.
TEST(ReplaceFileTest, TheTemporariesOfRunningWritersAndOtherFilesStay) {
    test::TempDir dir;
    const fs::path target = dir.Write("chart.tbr", "old");
    const std::string running = std::to_string(::getppid());
    const std::vector<std::string> kept = {".chart.tbr.tembra-" + running + "-0123456789abcdef.tmp",
                                           ".other.tbr.tembra-999999999-0123456789abcdef.tmp",
                                           ".chart.tbr.tembra-x-1.tmp", "chart.tbr.bak"};
    for (const std::string& name : kept) {
        dir.Write(name, "kept");
    }
    EXPECT_EQ(ReplaceFile(target, [](CFile& file) { file.Write("new", 3); }), 0);
    std::vector<std::string> expected = kept;
    expected.push_back("chart.tbr");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(dir.Path()), expected);
}

// Another user who can write the folder plants links, under the names temporaries had or might
// have, to a file of the user's: the save never writes through them.
TEST(ReplaceFileTest, ALinkPlantedUnderATemporaryNameIsNotFollowed) {
    test::TempDir dir;
    const fs::path victim = dir.Write("victim", "precious");
    const fs::path target = dir.Write("chart.tbr", "old");
    const std::string pid = std::to_string(::getpid());
    const std::vector<std::string> planted = {
        "chart.tbr.tmp~", "chart.tbr.~tmp", "chart.tbr." + pid + ".1.tmp~",
        ".chart.tbr." + pid + ".0.tmp", ".chart.tbr.tembra-" + pid + "-0000000000000000.tmp"};
    for (const std::string& name : planted) {
        fs::create_symlink(victim, dir.File(name));
    }
    EXPECT_EQ(ReplaceFile(target, [](CFile& file) { file.Write("new", 3); }), 0);
    EXPECT_EQ(test::TempDir::Read(target), "new");
    EXPECT_EQ(test::TempDir::Read(victim), "precious");
    for (const std::string& name : planted) {
        EXPECT_TRUE(fs::is_symlink(dir.File(name))) << name;
    }
}

// A header file and its data file: the data file is put in place with the header, and when the
// header cannot be, the data file that was there comes back (or none, when there was none).
TEST(ReplaceFileTest, ACompanionChangesWithItsTargetOrNotAtAll) {
    for (const bool dataExisted : {true, false}) {
        SCOPED_TRACE(dataExisted);
        test::TempDir dir;
        const fs::path header = dir.Write("X.phd", "old header");
        const fs::path data = dir.File("X.pdt");
        if (dataExisted) {
            dir.Write("X.pdt", "old data");
        }
        const auto save = [&]() {
            return ReplaceFile(header, [&](CFile& file) {
                file.Write("new header", 10);
                auto& replacement = dynamic_cast<CReplacementFile&>(file);
                EXPECT_EQ(replacement.AddCompanion(
                              data, [](CFile& companion) { companion.Write("new data", 8); }),
                          0);
            });
        };
        {
            ScopedStepHook failHeader([&](CReplacementFile::Step step, const fs::path& target) {
                return step == CReplacementFile::Step::Renaming && target == header ? EIO : 0;
            });
            EXPECT_EQ(save(), EIO);
        }
        EXPECT_EQ(test::TempDir::Read(header), "old header");
        EXPECT_EQ(fs::exists(data), dataExisted);
        EXPECT_EQ(test::TempDir::Read(data), dataExisted ? "old data" : "");
        EXPECT_EQ(Listing(dir.Path()).size(), dataExisted ? 2u : 1u);

        EXPECT_EQ(save(), 0);
        EXPECT_EQ(test::TempDir::Read(header), "new header");
        EXPECT_EQ(test::TempDir::Read(data), "new data");
        EXPECT_EQ(Listing(dir.Path()), (std::vector<std::string>{"X.pdt", "X.phd"}));
    }
}

} // namespace
} // namespace tembra
