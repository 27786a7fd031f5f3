// Saving and opening through the automation members, and the program control they ask of the
// host.
#include "AutomationFixture.h"

#include "document/LockFiles.h"

namespace tembra::test {
namespace {

using AutomationFileTest = AutomationFixture;

TEST_F(AutomationFileTest, SaveVersionFollowsTheNamedVersionAndStays) {
    struct Case {
        AutoArg version;
        int saved;
    };
    const Case cases[] = {{S("new"), 58000}, {S("580"), 58000},     {S("410"), 41000},
                          {S("600"), 40000}, {std::nullopt, 40000}, {S("550"), 55000}};
    int n = 0;
    for (const Case& c : cases) {
        const auto path = files.Path() / ("v" + std::to_string(n++) + ".tbr");
        EXPECT_EQ(automation.FileSaveAs(path.string(), c.version, std::nullopt), Ok());
        EXPECT_NE(ReadBytes(path).find(CTembraDoc::FormatVersion(c.saved)), std::string::npos)
            << c.version.value_or("(none)");
        EXPECT_EQ(state.GetSaveVersion(), c.saved);
    }
}

TEST_F(AutomationFileTest, ExistingFileIsOverwrittenOnlyWhenFree) {
    const auto path = files.Path() / "chart.tbr";
    WriteBytes(path, "earlier");

    // Overwrite "0": refused.
    EXPECT_EQ(automation.FileSaveAs(path.string(), S("new"), S("0")), Refused());
    EXPECT_EQ(ReadBytes(path), "earlier");

    // Somebody's lock beside it: refused, whatever the permission.
    WriteBytes(LockFilePath(path), std::string(kLockFileSize, 'x'));
    EXPECT_EQ(automation.FileSaveAs(path.string(), S("new"), S("1")), Refused());
    EXPECT_EQ(ReadBytes(path), "earlier");
    std::filesystem::remove(LockFilePath(path));

    // Any other permission, or none that is a string: written.
    EXPECT_EQ(automation.FileSaveAs(path.string(), S("new"), std::nullopt), Ok());
    EXPECT_NE(ReadBytes(path), "earlier");
}

TEST_F(AutomationFileTest, OwnPathLockedByAnotherProcessIsNotOverwritten) {
    const auto path = files.Path() / "opened.tbr";
    ASSERT_EQ(automation.FileSaveAs(path.string(), S("new"), std::nullopt), Ok());
    ASSERT_EQ(automation.FileOpen(path.string()), Ok());
    // A chart driven by a client takes no lock when it opens a file: a user elsewhere can.
    EXPECT_FALSE(std::filesystem::exists(LockFilePath(path)));
    ASSERT_EQ(LockDocumentFileAs(path.string(), 1, "other [host-b]", files.Path()), 1);
    const std::string before = ReadBytes(path);

    EXPECT_EQ(automation.FileSaveAs(path.string(), S("new"), S("1")), Refused());
    EXPECT_TRUE(SameBytes(ReadBytes(path), before));
}

TEST_F(AutomationFileTest, FailedSaveLeavesTheEarlierFile) {
    // A folder where the file should go cannot be written: nothing there is deleted.
    const auto blocked = files.Path() / "blocked.tbr";
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked / "inside");
    EXPECT_EQ(automation.FileSaveAs(blocked.string(), S("new"), std::nullopt), Refused());
    EXPECT_TRUE(std::filesystem::exists(blocked / "inside"));
}

TEST_F(AutomationFileTest, OpenClosesIdleChartsFirstAndReadsTheFile) {
    EXPECT_EQ(automation.FileOpen(std::nullopt), Refused());
    EXPECT_EQ(automation.FileOpen(S("")), Refused());
    EXPECT_EQ(host.idleCloses, 0);

    const auto path = files.Path() / "source.tbr";
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S(""), S("kickoff"), S("")), Ok());
    ASSERT_EQ(automation.RegularizeData(), Ok());
    ASSERT_EQ(automation.FileSaveAs(path.string(), S("new"), std::nullopt), Ok());

    auto other = NewChart();
    CTembraDocAutomation second(*other, host, settings);
    second.AppInit();
    EXPECT_EQ(second.FileOpen(path.string()), Ok());
    EXPECT_EQ(host.idleCloses, 1);
    EXPECT_EQ(second.GetEventCount(), AutoResult::I4(1));
    EXPECT_EQ(second.FileOpen(S("/nonexistent/none.tbr")), Refused());
}

TEST_F(AutomationFileTest, ClosingEndsTheProgramWhenNoOtherChartIsOpen) {
    struct Case {
        AutoArg option;
        bool othersOpen;
        std::vector<int> closedWith;
        int appCloses;
    };
    const Case cases[] = {
        {S("0"), true, {0}, 0},       {S("1"), true, {1}, 0}, {S("2"), false, {2}, 1},
        {std::nullopt, true, {0}, 0}, {S("3"), false, {}, 1}, {S("3"), true, {}, 0},
    };
    for (const Case& c : cases) {
        host.closedWith.clear();
        host.appCloses = 0;
        host.othersOpen = c.othersOpen;
        EXPECT_EQ(automation.DocClose(c.option), Ok());
        EXPECT_EQ(host.closedWith, c.closedWith) << c.option.value_or("(none)");
        EXPECT_EQ(host.appCloses, c.appCloses) << c.option.value_or("(none)");
    }
}

TEST_F(AutomationFileTest, AppCloseFreesTakenInRecords) {
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S(""), S("a"), S("")), Ok());
    EXPECT_EQ(automation.AppClose(), Ok());
    EXPECT_TRUE(doc->m_listTakeIn.IsEmpty());
    EXPECT_EQ(host.appCloses, 1);
}

TEST_F(AutomationFileTest, HeaderPeriodAndCreationDate) {
    EXPECT_EQ(automation.HeaderItemSet(S("_!KIKAN_DATA!_"), S("2005,04,01,2006,03,31")), Ok());
    EXPECT_EQ(doc->GetPrHeader().GetPeriodSetFlag(), 1);
    EXPECT_EQ(automation.HeaderItemGet(S("_!KIKAN_DATA!_")),
              AutoResult::Text("2005,04,01,2006,03,31"));
    EXPECT_EQ(automation.HeaderItemSet(S("_!SAKUSEIBI_DATA!_"), S("2005,03,15")), Ok());
    EXPECT_EQ(doc->GetPrHeader().GetDateSetFlag(), 1);
    EXPECT_EQ(automation.HeaderItemGet(S("_!SAKUSEIBI_DATA!_")), AutoResult::Text("2005,03,15"));

    // Parts longer than their fields are cut; a value past the working field is refused.
    EXPECT_EQ(automation.HeaderItemSet(S("_!KIKAN_DATA!_"), S("20051,041,01,2006,3,31")), Ok());
    EXPECT_EQ(automation.HeaderItemGet(S("_!KIKAN_DATA!_")),
              AutoResult::Text("2005,04,01,2006,3,31"));
    EXPECT_EQ(automation.HeaderItemSet(S("_!KIKAN_DATA!_"), std::string(128, '1')), Refused());
    EXPECT_EQ(automation.HeaderItemGet(S("_!KIKAN_DATA!_")),
              AutoResult::Text("2005,04,01,2006,3,31"));

    // Nothing to match.
    EXPECT_EQ(automation.HeaderItemSet(S("_!KIKAN_DATA!_"), S("")), Refused());
    EXPECT_EQ(automation.HeaderItemSet(S("_!SAKUSEIBI_DATA!_"), S("2005/3/15")), Refused());
    EXPECT_EQ(automation.HeaderItemSet(S("no such item"), S("x")), Refused());
    EXPECT_EQ(automation.HeaderItemGet(S("no such item")), AutoResult::Text(""));
}

} // namespace
} // namespace tembra::test
