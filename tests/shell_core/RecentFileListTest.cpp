// The recent-file list: newest first, no path twice, four at most, kept in the profile.
#include "shell/core/RecentFileList.h"

#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(RecentFileListTest, NewestFirstWithoutRepeats) {
    test::ScopedPaths paths;
    test::ScopedUi ui;
    CRecentFileList list(4);
    for (const char* path : {"/a.tbr", "/b.tbr", "/c.tbr", "/a.tbr", "/d.tbr", "/工程 e.tbr"}) {
        list.Add(path);
    }
    const std::vector<std::string> expected = {"/工程 e.tbr", "/d.tbr", "/a.tbr", "/c.tbr"};
    EXPECT_EQ(list.Paths(), expected);
    list.WriteList();

    CRecentFileList read(4);
    read.ReadList();
    EXPECT_EQ(read.Paths(), expected);
    read.Remove(1);
    read.Remove(7);
    read.WriteList();
    EXPECT_EQ(GetProfileString(CRecentFileList::kSection, "File4", "gone"), "gone");
    read.ReadList();
    EXPECT_EQ(read.Paths(), (std::vector<std::string>{"/工程 e.tbr", "/a.tbr", "/c.tbr"}));
}

} // namespace
} // namespace tembra
