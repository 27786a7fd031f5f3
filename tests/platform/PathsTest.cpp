#include "platform/Paths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(PathsTest, ExeDirFileComposesNamesInTheWritableFolder) {
    test::ScopedPaths paths;
    const std::string dir = paths.Writable().string();
    EXPECT_EQ(Paths::WritableDataDir(), paths.Writable());
    EXPECT_EQ(Paths::ShippedDataDir(), paths.Shipped());
    EXPECT_EQ(Paths::ConfigDir(), paths.Config());

    struct Case {
        std::string name, ext, path;
    };
    const std::vector<Case> cases = {
        {"", "", dir + "/"},
        {"AUTOCTRL", "FNM", dir + "/AUTOCTRL.FNM"},
        {"TBRT0001", ".T_P", dir + "/TBRT0001.T_P"},
        {"Tembra", "", dir + "/Tembra"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Paths::GetExeDirFile(c.name, c.ext), c.path) << c.name << "|" << c.ext;
}

TEST(PathsTest, ShippedFilesSeedTheWritableFolder) {
    test::ScopedPaths paths;
    const std::string shipped = "[Layout]\r\nName=\x95\x5C\r\n";
    paths.Dir().Write("shipped/DEFAULT.LYT", shipped);
    paths.Dir().Write("shipped/KEEP.INI", "shipped");
    paths.Dir().Write("writable/KEEP.INI", "the user's own");

    const std::string seeded = Paths::GetExeDirFile("DEFAULT", "LYT");
    EXPECT_EQ(test::TempDir::Read(seeded), shipped);
    // The copy is the user's from now on: a change survives the next request.
    paths.Dir().Write("writable/DEFAULT.LYT", "changed");
    EXPECT_EQ(test::TempDir::Read(Paths::GetExeDirFile("DEFAULT", "LYT")), "changed");

    EXPECT_EQ(test::TempDir::Read(Paths::GetExeDirFile("KEEP", "INI")), "the user's own");

    const std::string missing = Paths::GetExeDirFile("AUTOCTRL", "FNM");
    EXPECT_FALSE(fs::exists(missing));
}

TEST(PathsTest, DefaultFoldersFollowXdg) {
    test::TempDir home;
    Paths::SetDirs({}, {}, {});
    ScopedEnv homeEnv("HOME", home.Path().string());
    {
        ScopedEnv data("XDG_DATA_HOME", (home.Path() / "data").string());
        ScopedEnv config("XDG_CONFIG_HOME", (home.Path() / "conf").string());
        EXPECT_EQ(Paths::WritableDataDir(), home.Path() / "data" / "NRD Corporation" / "Tembra");
        EXPECT_TRUE(fs::is_directory(Paths::WritableDataDir()));
        EXPECT_EQ(Paths::ConfigDir(), home.Path() / "conf" / "NRD Corporation");
    }
    {
        // Unset, empty or relative variables fall back to the folders under home.
        ScopedEnv data("XDG_DATA_HOME", std::nullopt);
        ScopedEnv config("XDG_CONFIG_HOME", "relative/conf");
        EXPECT_EQ(Paths::WritableDataDir(),
                  home.Path() / ".local/share" / "NRD Corporation" / "Tembra");
        EXPECT_EQ(Paths::ConfigDir(), home.Path() / ".config" / "NRD Corporation");
        ScopedEnv emptyData("XDG_DATA_HOME", "");
        EXPECT_EQ(Paths::WritableDataDir(),
                  home.Path() / ".local/share" / "NRD Corporation" / "Tembra");
        EXPECT_EQ(Paths::GetExeDirFile(),
                  (home.Path() / ".local/share" / "NRD Corporation" / "Tembra").string() + "/");
    }
}

TEST(PathsTest, ShippedFolderOfTheBuildTreeIsTheRepositoryData) {
    Paths::SetDirs({}, {}, {});
    std::error_code ec;
    EXPECT_TRUE(fs::equivalent(Paths::ShippedDataDir(), fs::path(TEMBRA_SOURCE_DIR) / "data", ec))
        << Paths::ShippedDataDir() << " " << ec.message();
}

} // namespace
} // namespace tembra
