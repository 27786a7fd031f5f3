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
        // Whether the close goes through (else the chart stays: a failed save, the user's No).
        bool closes = true;
    };
    const Case cases[] = {
        {S("0"), true, {0}, 0},         {S("1"), true, {1}, 0},         {S("2"), false, {2}, 1},
        {std::nullopt, true, {0}, 0},   {S("3"), false, {}, 1},         {S("3"), true, {}, 0},
        {S("1"), false, {1}, 0, false}, {S("2"), false, {2}, 0, false},
    };
    for (const Case& c : cases) {
        host.closedWith.clear();
        host.appCloses = 0;
        host.othersOpen = c.othersOpen;
        host.closes = c.closes;
        EXPECT_EQ(automation.DocClose(c.option), Ok());
        EXPECT_EQ(host.closedWith, c.closedWith) << c.option.value_or("(none)");
        EXPECT_EQ(host.appCloses, c.appCloses) << c.option.value_or("(none)");
    }
}

TEST_F(AutomationFileTest, AnOpenedFileIsTheChartsOwnAndItsLockGoesWhenTheClientTakesIt) {
    const auto path = files.Path() / "site.tbr";
    ASSERT_EQ(automation.FileSaveAs(path.string(), S("new"), std::nullopt), Ok());
    const auto lock = LockFilePath(path);

    // Opened before AppInit, like the user's open: locked until the chart closes.
    for (const bool initLater : {false, true}) {
        auto chart = NewChart();
        CTembraDocAutomation client(*chart, host, settings);
        ASSERT_EQ(client.FileOpen(path.string()), Ok());
        EXPECT_EQ(chart->GetPathName(), path.string()) << "a close that saves writes it";
        EXPECT_TRUE(std::filesystem::exists(lock));
        if (initLater) {
            // A client's chart holds no lock, and nothing would release this one later.
            client.AppInit();
            EXPECT_FALSE(std::filesystem::exists(lock));
        }
        chart->OnCloseDocument();
        EXPECT_FALSE(std::filesystem::exists(lock)) << initLater;
    }
    EXPECT_TRUE(Messages().empty()) << "no lock of the program's own met";
}

TEST_F(AutomationFileTest, APaperChangeMayAskTheUser) {
    EXPECT_EQ(automation.PaperChange(S("2")), Ok());
    EXPECT_EQ(settings.paper, 2);
    EXPECT_EQ(settings.questionsAtPaper, 1) << "its question is one of its own";
    EXPECT_EQ(host.questions, 0);
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

// The header fields of the shipped layouts a client fills in by name (the README lists them).
TEST_F(AutomationFileTest, TheShippedLayoutsHaveTheHeaderFieldsTheReadmeNames) {
    struct Case {
        const char* layout;
        std::vector<int> papers;
        std::vector<const char*> names;
    };
    const std::vector<int> all{0, 1, 2, 3, 4, 5};
    const Case cases[] = {
        {"MASTER01.LYT", all, {"工事名称", "会社名", "部署名"}},
        {"MASTER-A01.LYT", all, {"工事名称", "会社名", "部署名"}},
        // The plan sheet on A3, A2 and A1: its fields by number.
        {"MASTER-A01.LYT", {2, 4, 5}, {"010002", "010009"}},
        {"MASTER-A02.LYT", all, {"工事名称", "会社名", "部署名", "対象月", "月間目標"}},
    };
    for (const Case& c : cases) {
        for (const int paper : c.papers) {
            auto chart = NewChart();
            chart->GetPrHeader().InitFromSettings(
                chart.get(), paper, std::filesystem::path(TEMBRA_DATA_DIR) / c.layout, FALSE);
            CTembraDocAutomation client(*chart, host, settings);
            for (const char* name : c.names) {
                EXPECT_EQ(client.HeaderItemSet(S(name), S("値")), Ok())
                    << c.layout << " paper " << paper << " " << name;
                EXPECT_EQ(client.HeaderItemGet(S(name)), AutoResult::Text("値"));
            }
            EXPECT_EQ(client.HeaderItemSet(S("_!KIKAN_DATA!_"), S("2027,04,01,2028,03,31")), Ok());
            EXPECT_EQ(client.HeaderItemSet(S("_!SAKUSEIBI_DATA!_"), S("2027,03,15")), Ok());
            // A fixed text of the layout is no field.
            EXPECT_EQ(client.HeaderItemSet(S("工事名"), S("x")), Refused()) << c.layout;
        }
    }
}

} // namespace
} // namespace tembra::test
