#include "platform/RegKey.h"

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;
using test::TempDir;

using test::J;

// Sets an environment variable for the life of the object and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class RegKeyTest : public ::testing::Test {
protected:
    ScopedPaths paths;
    // The system configuration folders are two temporary ones, never the machine's own.
    ScopedEnv systemDirs{"XDG_CONFIG_DIRS", (paths.Dir().Path() / "xdg1").string() + ":" +
                                                (paths.Dir().Path() / "xdg2").string()};

    // The copy an administrator placed in system folder n (1 or 2).
    std::filesystem::path SystemCopy(int n) const {
        return paths.Dir().Path() / ("xdg" + std::to_string(n)) / "NRD Corporation" /
               "Tembra+ for Windows.machine.ini";
    }
    void WriteSystemCopy(int n, const std::string& text) const {
        paths.Dir().Write(std::filesystem::relative(SystemCopy(n), paths.Dir().Path()).string(),
                          text);
    }
};

TEST_F(RegKeyTest, LivesBesideTheUserProfile) {
    EXPECT_EQ(AppRegKeyPath(), paths.Config() / "Tembra+ for Windows.machine.ini");
    EXPECT_EQ(AppRegKeyDefaultPath(), paths.Shipped() / "Tembra+ for Windows.machine.ini");
    ASSERT_TRUE(WriteRegString("Settings", "Path", "/opt/tembra/"));
    EXPECT_EQ(TempDir::Read(AppRegKeyPath()), "[Settings]\nPath=/opt/tembra/\n");
    // The two stores are apart.
    EXPECT_EQ(GetProfileString("Settings", "Path", "none"), "none");
}

TEST_F(RegKeyTest, ReadsTheDefaultForAValueNeverWritten) {
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "");
    EXPECT_EQ(GetRegString("ExecURLNRD\\0000", "URL", "def"), "def");
    EXPECT_EQ(GetRegInt("Settings", "Count", 7), 7u);
    ASSERT_TRUE(WriteRegString("Settings", "Other", "x"));
    EXPECT_EQ(GetRegString("Settings", "Path", "def"), "def");
}

TEST_F(RegKeyTest, WritesAndReadsBack) {
    ASSERT_TRUE(WriteRegString(J("固定Ｂ"), "InputArea1", J("\"010001\",工事名").c_str()));
    EXPECT_EQ(GetRegString(J("固定Ｂ"), "inputarea1", ""), J("\"010001\",工事名"));
    ASSERT_TRUE(WriteRegInt("Settings", "Count", 42));
    ASSERT_TRUE(WriteRegInt("Settings", "All", 0xFFFFFFFFu));
    EXPECT_EQ(GetRegInt("Settings", "Count", 0), 42u);
    EXPECT_EQ(GetRegInt("Settings", "All", 0), 0xFFFFFFFFu);
}

TEST_F(RegKeyTest, NullTextDeletesAndNullNameFails) {
    ASSERT_TRUE(WriteRegString(J("特定休日"), "20190430", "2"));
    ASSERT_TRUE(WriteRegString(J("特定休日"), "20190430", nullptr));
    EXPECT_EQ(GetRegString(J("特定休日"), "20190430", "gone"), "gone");
    EXPECT_TRUE(WriteRegString(J("特定休日"), "20190430", nullptr)); // deleting nothing succeeds
    EXPECT_FALSE(WriteRegString(J("特定休日"), nullptr, "2"));
}

TEST_F(RegKeyTest, EnumeratesValueNamesInCreationOrder) {
    for (const char* name : {"0101", "0122w", "0211", "0429"})
        ASSERT_TRUE(WriteRegString(J("祝日"), name, "1,x"));
    char buffer[1024];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    GetRegSectionNames(J("祝日").c_str(), buffer, sizeof buffer);
    EXPECT_EQ(SplitNameList(buffer, sizeof buffer),
              (std::vector<std::string>{"0101", "0122w", "0211", "0429"}));

    // A buffer too small for all names: whole names only, and two zero bytes at its end.
    char small[13];
    std::fill(std::begin(small), std::end(small), 'x');
    GetRegSectionNames(J("祝日").c_str(), small, sizeof small);
    EXPECT_EQ(SplitNameList(small, sizeof small), (std::vector<std::string>{"0101", "0122w"}));
    EXPECT_EQ(small[11], '\0');
    EXPECT_EQ(small[12], '\0');

    // A section that does not exist gives an empty list; null arguments give nothing at all.
    GetRegSectionNames("None", small, sizeof small);
    EXPECT_EQ(small[0], '\0');
    EXPECT_EQ(small[1], '\0');
    std::fill(std::begin(small), std::end(small), 'x');
    GetRegSectionNames(nullptr, small, sizeof small);
    GetRegSectionNames("None", nullptr, sizeof small);
    GetRegSectionNames("None", small, 0);
    EXPECT_EQ(small[0], 'x');
}

TEST_F(RegKeyTest, StartsFromTheShippedCopy) {
    const std::string shipped = "[Settings]\nPath=\n[祝日]\n0101=1,元日\n";
    paths.Dir().Write("shipped/Tembra+ for Windows.machine.ini", shipped);
    EXPECT_EQ(GetRegString(J("祝日"), "0101", ""), J("1,元日"));
    ASSERT_TRUE(WriteRegString(J("祝日"), "0211", J("1,建国記念の日").c_str()));
    // The key is a copy: writing it leaves the shipped file alone, and a later change of the
    // shipped file does not reach a key that exists.
    EXPECT_EQ(TempDir::Read(AppRegKeyDefaultPath()), shipped);
    paths.Dir().Write("shipped/Tembra+ for Windows.machine.ini", "[Settings]\nPath=x\n");
    EXPECT_EQ(GetRegString("Settings", "Path", "def"), "");
    EXPECT_EQ(GetRegString(J("祝日"), "0211", ""), J("1,建国記念の日"));
}

// An installation without the shipped copy (which holds the holiday rules) reads an empty key,
// and the user is told once which file is missing, not at every read.
TEST_F(RegKeyTest, AMissingShippedCopyIsReportedOnce) {
    std::filesystem::remove(AppRegKeyDefaultPath());
    test::ScopedUi ui;
    EXPECT_EQ(GetRegString("Settings", "Path", "def"), "def");
    EXPECT_EQ(GetRegInt("Settings", "Count", 7), 7u);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_NE(ui->MessageBoxes()[0].text.find(AppRegKeyDefaultPath().string()), std::string::npos);
}

TEST_F(RegKeyTest, ReadsTheFirstCopyThereIsAndWritesTheUsersOwn) {
    const std::string shipped = "[Settings]\nPath=shipped\nOnlyShipped=1\n";
    const std::string second = "[Settings]\nPath=second\n";
    const std::string first = "[Settings]\nPath=first\nKept=1\n";
    paths.Dir().Write("shipped/Tembra+ for Windows.machine.ini", shipped);
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "shipped");

    // A copy in a system folder stands for the whole key: nothing is taken from the shipped
    // one any more. The first folder of the list comes first.
    WriteSystemCopy(2, second);
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "second");
    EXPECT_EQ(GetRegString("Settings", "OnlyShipped", "none"), "none");
    WriteSystemCopy(1, first);
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "first");
    // Reading makes no copy of the user's.
    EXPECT_FALSE(std::filesystem::exists(AppRegKeyPath()));

    // The first write makes the user's copy from the one read until then.
    ASSERT_TRUE(WriteRegString("Settings", "Path", "mine"));
    EXPECT_EQ(TempDir::Read(AppRegKeyPath()), "[Settings]\nPath=mine\nKept=1\n");
    EXPECT_EQ(GetRegString("Settings", "Kept", ""), "1");
    EXPECT_EQ(TempDir::Read(SystemCopy(1)), first);
    EXPECT_EQ(TempDir::Read(SystemCopy(2)), second);
    EXPECT_EQ(TempDir::Read(AppRegKeyDefaultPath()), shipped);

    // From then on the user's copy is the key, whatever the administrator changes.
    WriteSystemCopy(1, "[Settings]\nPath=changed\n");
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "mine");
}

TEST_F(RegKeyTest, DeletingASystemValueHidesItForThisUserOnly) {
    const std::string system = "[祝日]\n0101=1,元日\n0211=1,建国記念の日\n"; // UTF-8 on disk
    WriteSystemCopy(2, system);
    ASSERT_TRUE(WriteRegString(J("祝日"), "0211", nullptr));
    EXPECT_EQ(GetRegString(J("祝日"), "0211", "gone"), "gone");
    EXPECT_EQ(GetRegString(J("祝日"), "0101", ""), J("1,元日"));
    EXPECT_EQ(TempDir::Read(SystemCopy(2)), system);
}

TEST_F(RegKeyTest, IgnoresRelativeSystemFolders) {
    // A relative entry would name a folder that depends on where the program was started.
    const std::filesystem::path startedIn = std::filesystem::current_path();
    std::filesystem::current_path(paths.Dir().Path());
    paths.Dir().Write("relative/NRD Corporation/Tembra+ for Windows.machine.ini",
                      "[Settings]\nPath=relative\n");
    WriteSystemCopy(2, "[Settings]\nPath=absolute\n");
    ScopedEnv dirs("XDG_CONFIG_DIRS", "relative:" + (paths.Dir().Path() / "xdg2").string());
    EXPECT_EQ(GetRegString("Settings", "Path", ""), "absolute");
    std::filesystem::current_path(startedIn);
}

TEST(RegKeyUnavailableTest, GivesDefaultsAndRefusesWrites) {
    // The config folder cannot be made: a file stands where its parent should be.
    TempDir dir;
    dir.Write("blocker", "");
    Paths::SetDirs(dir.File("shipped"), dir.File("writable"), dir.File("blocker") / "config");
    EXPECT_EQ(OpenAppRegKey("Settings"), nullptr);
    EXPECT_EQ(GetRegString("Settings", "Path", "def"), "def");
    EXPECT_EQ(GetRegInt("Settings", "Count", 3), 3u);
    EXPECT_FALSE(WriteRegString("Settings", "Path", "x"));
    EXPECT_FALSE(WriteRegInt("Settings", "Count", 1));
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    GetRegSectionNames("Settings", buffer, sizeof buffer);
    EXPECT_EQ(buffer[0], '\0');
    Paths::SetDirs({}, {}, {});
}

} // namespace
} // namespace tembra
