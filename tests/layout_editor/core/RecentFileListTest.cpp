// The recent-file list: newest first, four at most, each path once, kept in the user profile.
#include "layout_editor/core/RecentFileList.h"

#include "EditorTestSupport.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace marquell {
namespace {

using Entries = std::vector<std::string>;

TEST(RecentFileList, KeepsTheLastFourNewestFirst) {
    tembra::test::ScopedPaths paths;
    CRecentFileList list;
    list.ReadList();
    EXPECT_TRUE(list.GetEntries().empty());
    for (const char* path : {"/a.lyt", "/b.lyt", "/c.lyt", "/d.lyt", "/e.lyt"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.GetEntries(), (Entries{"/e.lyt", "/d.lyt", "/c.lyt", "/b.lyt"}));
    // A path already there moves to the head.
    list.Add("/c.lyt");
    EXPECT_EQ(list.GetEntries(), (Entries{"/c.lyt", "/e.lyt", "/d.lyt", "/b.lyt"}));
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.GetEntries(), (Entries{"/c.lyt", "/d.lyt", "/b.lyt"}));

    // The next start finds them, and no key of a removed entry is left.
    CRecentFileList next;
    next.ReadList();
    EXPECT_EQ(next.GetEntries(), list.GetEntries());
    EXPECT_EQ(tembra::GetProfileString("Recent File List", "File4", "none"), "none");
}

TEST(RecentFileList, KeepsJapanesePaths) {
    tembra::test::ScopedPaths paths;
    CRecentFileList list;
    list.Add("/データ/標準.lyt");
    CRecentFileList next;
    next.ReadList();
    EXPECT_EQ(next.GetEntries(), (Entries{"/データ/標準.lyt"}));
}

} // namespace
} // namespace marquell
