#include "platform/Paths.h"

#include "support/ScriptedUi.h"
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

TEST(PathsTest, AnInstalledProgramFindsItsDataBesideItsBinFolder) {
    struct Case {
        const char* executable;
        const char* data;
    };
    const std::vector<Case> cases = {
        {"/usr/bin/tembra", "/usr/share/tembra"},
        {"/opt/tembra/bin/marquell", "/opt/tembra/share/tembra"},
        {"/home/u/build/bin/tembra", "/home/u/build/share/tembra"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Paths::InstalledDataDir(c.executable), fs::path(c.data)) << c.executable;

    // Without a folder given by the build, a process takes its own executable's: nothing is
    // searched for, and no folder of another tree is taken.
    Paths::SetDirs({}, {}, {});
    Paths::SetDefaultShippedDataDir({});
    const fs::path own = Paths::ShippedDataDir();
    Paths::SetDefaultShippedDataDir(TEMBRA_DATA_DIR);
    EXPECT_EQ(own, Paths::InstalledDataDir(fs::read_symlink("/proc/self/exe")));
    EXPECT_EQ(Paths::ShippedDataDir(), fs::path(TEMBRA_DATA_DIR));
}

TEST(PathsTest, AMissingShippedFileIsReportedWithItsPath) {
    test::ScopedPaths paths;
    test::ScopedUi ui;
    paths.Dir().Write("shipped/MASTER01.LYT", "layout");

    EXPECT_EQ(Paths::ShippedFile("MASTER01.LYT"), paths.Shipped() / "MASTER01.LYT");
    EXPECT_EQ(test::TempDir::Read(Paths::GetShippedExeDirFile("MASTER01.LYT")), "layout");
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // The user's copy is enough once it is there, whatever became of the shipped one.
    fs::remove(paths.Shipped() / "MASTER01.LYT");
    EXPECT_EQ(Paths::GetShippedExeDirFile("MASTER01.LYT"),
              (paths.Writable() / "MASTER01.LYT").string());
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // Neither: the user learns which file is missing and where it was looked for; nothing is
    // made up in its place.
    const std::string seed = "Tembra+ for Windows.machine.ini";
    fs::remove(paths.Shipped() / seed);
    EXPECT_EQ(Paths::ShippedFile(seed), std::nullopt);
    const std::string copy = Paths::GetShippedExeDirFile(seed);
    EXPECT_EQ(copy, (paths.Writable() / seed).string());
    EXPECT_FALSE(fs::exists(copy));
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    for (const auto& box : ui->MessageBoxes()) {
        EXPECT_NE(box.text.find((paths.Shipped() / seed).string()), std::string::npos) << box.text;
        EXPECT_EQ(box.type & MB_ICONMASK, MB_ICONSTOP);
    }
}

} // namespace
} // namespace tembra
