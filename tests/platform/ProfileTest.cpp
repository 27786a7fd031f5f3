#include "platform/Profile.h"

#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;
using test::TempDir;

using test::J;

class UserProfileTest : public ::testing::Test {
protected:
    ScopedPaths paths;
};

TEST_F(UserProfileTest, LivesInTheConfigFolderUnderTheApplicationName) {
    EXPECT_EQ(UserProfilePath(), paths.Config() / "Tembra+ for Windows.ini");
    ASSERT_TRUE(WriteProfileString(J("安全衛生管理\\Touban Name List"), "0", J("山田").c_str()));
    // UTF-8 on disk; CP932 through the functions.
    EXPECT_EQ(TempDir::Read(UserProfilePath()), "[安全衛生管理\\Touban Name List]\n0=山田\n");
    EXPECT_EQ(GetProfileString(J("安全衛生管理\\Touban Name List"), "0"), J("山田"));
}

TEST_F(UserProfileTest, ReadsTheDefaultForWhatIsMissing) {
    EXPECT_EQ(GetProfileString("PrintConfig", "LineRate", "1.0"), "1.0");
    EXPECT_EQ(GetProfileInt("BaseConfig", "Kikan", 40), 40u);
    EXPECT_EQ(GetProfileInt("BaseConfig", "Kikan", -1), static_cast<UINT>(-1));
}

TEST_F(UserProfileTest, WritesAndReadsBack) {
    ASSERT_TRUE(WriteProfileInt("BaseConfig", "Kikan", 120));
    ASSERT_TRUE(WriteProfileInt("AutoSave", "AutoSaveTime", -10));
    ASSERT_TRUE(WriteProfileString("PrintForm", "Kikan", "  \"quoted\" text  "));
    EXPECT_EQ(GetProfileInt("BaseConfig", "Kikan", 40), 120u);
    EXPECT_EQ(static_cast<int>(GetProfileInt("AutoSave", "AutoSaveTime", 10)), -10);
    // A registry value comes back exactly as written.
    EXPECT_EQ(GetProfileString("PrintForm", "Kikan"), "  \"quoted\" text  ");
}

TEST_F(UserProfileTest, NullValueDeletesTheKeyAndNullKeyTheSection) {
    ASSERT_TRUE(WriteProfileString("Settings", "WindowPos", "1,2,3,4,1"));
    ASSERT_TRUE(WriteProfileString("Settings", "FunctionBar", "1"));
    ASSERT_TRUE(WriteProfileString("Settings", "WindowPos", nullptr));
    EXPECT_EQ(GetProfileString("Settings", "WindowPos", "none"), "none");
    EXPECT_EQ(GetProfileString("Settings", "FunctionBar"), "1");
    ASSERT_TRUE(WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_EQ(GetProfileString("Settings", "FunctionBar", "none"), "none");
    EXPECT_TRUE(GetProfileValueNames("Settings").empty());
}

TEST_F(UserProfileTest, EnumeratesValueNamesIntoABuffer) {
    for (const char* key : {"0101", "0211", "0429", "0503"})
        ASSERT_TRUE(WriteProfileString(J("祝日"), key, "1"));
    char buffer[1024];
    GetProfileSectionNames(J("祝日").c_str(), buffer, sizeof buffer);
    EXPECT_EQ(SplitNameList(buffer, sizeof buffer),
              (std::vector<std::string>{"0101", "0211", "0429", "0503"}));

    // Room for two names: the list stops there and still ends with two zero bytes.
    char small[12];
    std::fill(std::begin(small), std::end(small), 'x');
    GetProfileSectionNames(J("祝日").c_str(), small, sizeof small);
    EXPECT_EQ(SplitNameList(small, sizeof small), (std::vector<std::string>{"0101", "0211"}));
    EXPECT_EQ(small[10], '\0');
    EXPECT_EQ(small[11], '\0');

    // A null argument fills nothing.
    std::fill(std::begin(small), std::end(small), 'x');
    GetProfileSectionNames(nullptr, small, sizeof small);
    GetProfileSectionNames(J("祝日").c_str(), small, 0);
    EXPECT_EQ(small[0], 'x');
}

TEST_F(UserProfileTest, FollowsTheConfigFolder) {
    ASSERT_TRUE(WriteProfileString("S", "k", "first"));
    {
        ScopedPaths other;
        EXPECT_EQ(GetProfileString("S", "k", "none"), "none");
    }
    Paths::SetDirs(paths.Shipped(), paths.Writable(), paths.Config());
    EXPECT_EQ(GetProfileString("S", "k", "none"), "first");
}

TEST(PrivateProfileTest, ReadsAndWritesCp932IniFiles) {
    TempDir dir;
    const auto file = dir.File("SHIFT.INI");
    ASSERT_TRUE(WritePrivateProfileString("GroupName", J("新しいグループ名").c_str(), "", file));
    ASSERT_TRUE(
        WritePrivateProfileString(J("新しいグループ名").c_str(), J("山田").c_str(), "1", file));
    ASSERT_TRUE(
        WritePrivateProfileString(J("新しいグループ名").c_str(), J("佐藤").c_str(), "", file));
    EXPECT_EQ(TempDir::Read(file), J("[GroupName]\r\n新しいグループ名=\r\n"
                                     "[新しいグループ名]\r\n山田=1\r\n佐藤=\r\n"));
    EXPECT_EQ(GetPrivateProfileInt(J("新しいグループ名"), J("山田"), 0, file), 1u);
    EXPECT_EQ(GetPrivateProfileKeyNames(J("新しいグループ名"), 32767, file),
              (std::vector<std::string>{J("山田"), J("佐藤")}));
    EXPECT_EQ(GetPrivateProfileSectionNames(32767, file),
              (std::vector<std::string>{"GroupName", J("新しいグループ名")}));

    // Deleting a key and a whole section.
    ASSERT_TRUE(
        WritePrivateProfileString("GroupName", J("新しいグループ名").c_str(), nullptr, file));
    ASSERT_TRUE(WritePrivateProfileString(J("新しいグループ名").c_str(), nullptr, nullptr, file));
    EXPECT_EQ(TempDir::Read(file), "[GroupName]\r\n");
    EXPECT_FALSE(WritePrivateProfileString(nullptr, "k", "v", file));
}

TEST(PrivateProfileTest, HonoursTheCallersBufferSizes) {
    TempDir dir;
    const auto file =
        dir.Write("HISTORY.INI", "[PUBLIC]\r\n0=" + std::string(300, 'a') + "\r\n1=b\r\n2=c\r\n");
    // A value read into a 257-byte buffer keeps 256 bytes.
    EXPECT_EQ(GetPrivateProfileString("PUBLIC", "0", "", 257, file), std::string(256, 'a'));
    EXPECT_EQ(GetPrivateProfileString("PUBLIC", "9", "", 257, file), "");
    // A key list longer than its buffer is cut before the first name that does not fit whole.
    EXPECT_EQ(GetPrivateProfileKeyNames("PUBLIC", 5, file), (std::vector<std::string>{"0", "1"}));
}

} // namespace
} // namespace tembra
