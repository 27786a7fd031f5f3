// The folder chooser's remembered folder: trailing separators of either kind cut, a root kept,
// and an empty starting path leaving the run's folder as it was.
#include "platform/qt/FolderSelect.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tembra
