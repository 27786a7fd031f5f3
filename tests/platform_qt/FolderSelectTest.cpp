// The folder chooser's remembered folder: trailing separators of either kind cut, a root kept,
// and an empty starting path leaving the run's folder as it was.
#include "platform/qt/FolderSelect.h"

#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QDir>
#include <QFileDialog>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(FolderSelect, TheRememberedFolderHasNoTrailingSeparator) {
    struct Case {
        const char* start;
        const char* remembered;
    };
    const Case cases[] = {
        {"/home/user/data/", "/home/user/data"},
        {"C:\\data\\", "C:\\data"},
        {"/home/user//", "/home/user"},
        {"/srv/charts", "/srv/charts"},
        {"/", "/"},
        {"", "/"}, // nothing given: the folder of the one before stays
    };
    for (const Case& c : cases) {
        CFolderSelect select(nullptr, c.start);
        EXPECT_EQ(CFolderSelect::LastFolder(), c.remembered) << c.start;
    }
    CFolderSelect::SetLastFolder("");
}

// The folders are kept as CP932: a chosen folder whose name it cannot hold is refused with the
// message naming the character, never kept as the name of a folder that does not exist.
TEST(FolderSelect, AFolderWhoseNameCp932CannotHoldIsRefused) {
    test::TempDir dir;
    const struct {
        const char* name;
        bool taken;
    } cases[] = {{"jos\xC3\xA9", false}, {"\xE7\x8F\xBE\xE5\xA0\xB4", true}}; // josé, 現場
    for (const auto& c : cases) {
        const std::filesystem::path folder = dir.Path() / c.name;
        std::filesystem::create_directories(folder);
        test::ScopedUi ui;
        test::WhenShown<QFileDialog>([&](QFileDialog& chooser) {
            chooser.setDirectory(QString::fromStdString(folder.string()));
            chooser.selectFile(QString::fromStdString(folder.string()));
            static_cast<QDialog&>(chooser).accept(); // as its Open button does
        });
        CFolderSelect select(nullptr, Sjis::FromUtf8(dir.Path().string()));
        std::string chosen = "unchanged";
        EXPECT_EQ(select.Browse(chosen), c.taken) << c.name;
        if (c.taken) {
            EXPECT_EQ(Sjis::ToUtf8(chosen), folder.string());
            EXPECT_TRUE(ui->MessageBoxes().empty());
        } else {
            EXPECT_EQ(chosen, "unchanged");
            EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5930});
            EXPECT_NE(ui->MessageBoxes()[0].text.find("(U+00E9)"), std::string::npos);
        }
    }
    CFolderSelect::SetLastFolder("");
}

} // namespace
} // namespace tembra
