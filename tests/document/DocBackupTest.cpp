// The backup copies of a chart and their log: the slot a copy takes from the two logs, the entry
// it writes, the entries carried over when a chart is opened again, the log set aside at start and
// the copies deleted at exit.
#include "DocFileFixture.h"

#include "document/BackupLog.h"
#include "model/ConfigPath.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class DocBackupTest : public test::DocFileFixture {
protected:
    fs::path Folder() const { return ConfigPathToFs(config.GetPath().GetBackupDir()); }
    fs::path Log() const { return Folder() / "Backlog.lst"; }
    fs::path OldLog() const { return Folder() / "Backlog.old"; }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\r\n";
        }
        return text;
    }
    std::string Head() const {
        return "[BackUp Info]\r\nBackUp Dir    =" + Folder().string() + "\r\n";
    }
    // The entry of a copy of the chart "工程.tbr".
    std::string Entry(char mark, int slot) const {
        return BackupLog::EntryLine(mark, slot, "工程.tbr", Chart().string());
    }
    fs::path Chart() const { return files.File("工程.tbr"); }
};

TEST_F(DocBackupTest, TheCopyTakesAFreeSlotElseTheOldestNotCarriedOver) {
    struct Case {
        const char* name;
        std::vector<std::string> oldLog;
        std::vector<std::string> log; // after its head lines
        int slot;                     // -1: no copy
    };
    std::vector<std::string> allOld;
    std::vector<std::string> allCarried;
    for (int slot = 0; slot < 10; ++slot) {
        // The previous run made them from slot 3 on, round to slot 2.
        allOld.push_back(Entry('N', (slot + 3) % 10));
        allCarried.push_back(Entry('B', slot));
    }
    const std::string otherChart = BackupLog::EntryLine('N', 0, "別.tbr", "/x/別.tbr");
    const std::vector<Case> cases = {
        {"nothing yet", {}, {}, 0},
        {"another chart's entry", {otherChart}, {otherChart}, 0},
        {"two made this run", {}, {Entry('N', 0), Entry('N', 1)}, 2},
        {"a gap", {Entry('N', 0)}, {Entry('N', 2)}, 1},
        {"all ten in the old log", allOld, {}, 3},
        {"the oldest made again", allOld, {Entry('N', 3)}, 4},
        {"the oldest carried over", allOld, {Entry('B', 3)}, 4},
        {"all ten carried over", allOld, allCarried, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(Folder());
        fs::create_directories(Folder());
        WriteBytes(OldLog(), Lines(c.oldLog));
        const std::string before = c.log.empty() ? std::string() : Head() + Lines(c.log);
        WriteBytes(Log(), before);

        auto doc = NewChart();
        doc->SetPathName(Chart().string());
        doc->SetBackupDue(TRUE);
        doc->WriteBackupCopy();
        EXPECT_FALSE(doc->IsBackupDue());
        for (int slot = 0; slot < 10; ++slot) {
            const fs::path copy = Folder() / ("~" + std::to_string(slot) + "工程.tbr");
            EXPECT_EQ(fs::exists(copy), slot == c.slot) << slot;
        }
        if (c.slot < 0) {
            EXPECT_EQ(ReadBytes(Log()), before);
        } else {
            EXPECT_EQ(ReadBytes(Log()),
                      (before.empty() ? Head() : before) + Lines({Entry('N', c.slot)}));
        }
        doc->OnCloseDocument();
    }
}

TEST_F(DocBackupTest, TheEntryNamesTheCopyAndTheChart) {
    EXPECT_EQ(Entry('N', 0), "BackUp File<N>=~0工程.tbr|" + Chart().string());
    // An untitled chart is named after its title in the data folder.
    auto doc = NewChart();
    doc->CDocument::SetTitle(Sjis::FromUtf8("無題12345 x"));
    doc->SetBackupDue(TRUE);
    doc->WriteBackupCopy();
    const std::string name = "無題1234.tbr"; // 8 bytes of the title
    EXPECT_TRUE(fs::exists(Folder() / ("~0" + name)));
    EXPECT_EQ(ReadBytes(Log()),
              Head() + Lines({BackupLog::EntryLine(
                           'N', 0, name,
                           (ConfigPathToFs(config.GetPath().GetDataPath()) / name).string())}));
}

TEST_F(DocBackupTest, AModifiedChartClosedLeavesACopyOfWhatItHeld) {
    auto doc = NewChart();
    ASSERT_TRUE(doc->OnSaveDocument(Chart().string()));
    doc->SetPathName(Chart().string());
    doc->GetSyokiSet().SetLastRow(77);
    doc->SetModifiedFlag(TRUE);
    ui->OnDialog("SaveChanges", [](DialogRequest& r) {
        static_cast<SaveChangesRequest&>(r).answer = IDNO;
        return IDOK;
    });
    ASSERT_TRUE(doc->SaveModified());
    doc->OnCloseDocument();
    const fs::path copy = Folder() / "~0工程.tbr";
    ASSERT_TRUE(fs::exists(copy));
    CTembraDoc back;
    ASSERT_TRUE(back.OnOpenDocument(copy.string()));
    EXPECT_EQ(back.GetSyokiSet().GetLastRow(), 77);
    EXPECT_EQ(ReadBytes(Log()), Head() + Lines({Entry('N', 0)}));
}

TEST_F(DocBackupTest, OpeningAChartAgainCarriesItsOldEntriesOver) {
    {
        auto doc = NewChart();
        ASSERT_TRUE(doc->OnSaveDocument(Chart().string()));
    }
    const std::string other = BackupLog::EntryLine('N', 1, "別.tbr", "/x/別.tbr");
    fs::create_directories(Folder());
    WriteBytes(OldLog(), Lines({Entry('N', 4), other, Entry('N', 7)}));
    CTembraDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Chart().string()));
    EXPECT_EQ(ReadBytes(Log()), Head() + Lines({Entry('B', 4), Entry('B', 7)}));
}

TEST_F(DocBackupTest, StartSetsTheLogAsideAndExitDeletesTheCopiesNotMadeAgain) {
    fs::create_directories(Folder());
    for (const char* copy : {"~0a.tbr", "~1a.tbr", "~2a.tbr", "keep"}) {
        WriteBytes(Folder() / copy, "x");
    }
    WriteBytes(Log(), Lines({"[BackUp Info]", "BackUp File<N>=~0a.tbr|/d/a.tbr",
                             "BackUp File<N>=~1a.tbr|/d/a.tbr", "BackUp File<N>=~2a.tbr|/d/a.tbr",
                             "BackUp File<N>=keep", "BackUp File<N>=../escape|/d"}));
    WriteBytes(OldLog(), "the run before");
    WriteBytes(files.File("escape"), "outside");
    state.PrepareBackupFolder();
    EXPECT_FALSE(fs::exists(Log()));
    EXPECT_EQ(ReadBytes(OldLog()).substr(0, 13), "[BackUp Info]");

    // This run made the copy of slot 1 again.
    WriteBytes(Log(), Head() + Lines({"BackUp File<B>=~1a.tbr|/d/a.tbr"}));
    state.PurgeOldBackups();
    EXPECT_FALSE(fs::exists(Folder() / "~0a.tbr"));
    EXPECT_TRUE(fs::exists(Folder() / "~1a.tbr"));
    EXPECT_FALSE(fs::exists(Folder() / "~2a.tbr"));
    EXPECT_TRUE(fs::exists(Folder() / "keep")) << "a line without | names nothing";
    EXPECT_TRUE(fs::exists(files.File("escape")));
    EXPECT_FALSE(fs::exists(OldLog()));
}

} // namespace
} // namespace tembra
