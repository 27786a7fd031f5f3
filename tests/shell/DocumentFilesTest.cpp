// The program's part of the document files: Save and Save As on the active chart, a DOS pair
// saved and opened again beside the chart it was made of, the auto-save tick with the
// application state's own hooks, the recovery at the next start after a crash, and the backup
// log set aside at start and purged at exit by the user's one program.
#include "ShellFixture.h"
#include "support/qt/WaitUntil.h"

#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "model/ConfigPath.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"
#include "shell/ChartViewWindow.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class DocumentFilesTest : public test::ShellFixture {
protected:
    void ChooseFile(const fs::path& path) {
        ui.OnDialog("FileDialog", [path](DialogRequest& r) {
            static_cast<FileDialogRequest&>(r).path = path.string();
            return IDOK;
        });
    }
    fs::path Control() const { return paths.Writable() / "AUTOCTRL.FNM"; }
    fs::path BackupFolder() const { return paths.Writable() / "BackUp"; }
    test::TempDir files;
};

TEST_F(DocumentFilesTest, SaveAndSaveAsRunOnTheActiveChart) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    app->UpdateCommandStates();
    EXPECT_TRUE(Frame().Action(57603)->isEnabled());
    EXPECT_TRUE(Frame().Action(57604)->isEnabled());

    const fs::path first = files.File("first.tbr");
    ChooseFile(first);
    app->Router().Execute(57603);
    EXPECT_TRUE(fs::exists(first));
    EXPECT_EQ(document->GetPathName(), first.string());
    app->UpdateCommandStates();
    const QString title = Frame().MdiArea()->subWindowList().front()->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("first.tbr"))) << title.toStdString();

    const fs::path second = files.File("second.tbr");
    ChooseFile(second);
    app->Router().Execute(57604);
    EXPECT_TRUE(fs::exists(second));
    EXPECT_EQ(document->GetPathName(), second.string());
    EXPECT_FALSE(fs::exists(files.File("first.$$$"))) << "the old name's lock went";
    EXPECT_TRUE(fs::exists(files.File("second.$$$")));
    // Both names are among the recent files, the last one first, as an open would list them.
    app->UpdateCommandStates();
    EXPECT_EQ(app->RecentFiles().Paths(),
              (std::vector<std::string>{second.string(), first.string()}));
}

TEST_F(DocumentFilesTest, AChangedChartShowsTheDesktopsModifiedMark) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    QMdiSubWindow* window = Frame().MdiArea()->subWindowList().front();
    app->UpdateCommandStates();
    EXPECT_FALSE(window->isWindowModified());
    document->GetSyokiSet().SetLastRow(66);
    document->SetModifiedFlag(TRUE);
    app->UpdateCommandStates();
    EXPECT_TRUE(window->isWindowModified());
    // The mark stands where the title leaves room for it; the title is the chart's.
    EXPECT_EQ(window->windowTitle(),
              QString::fromStdString(Sjis::ToUtf8(document->GetTitle())) + "[*]");

    ChooseFile(files.File("saved.tbr"));
    app->Router().Execute(57603);
    app->UpdateCommandStates();
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(DocumentFilesTest, ADosPairSavedAndOpenedAgainTakesNoOthersFile) {
    const fs::path site = test::CopyOfSample(files, "site.tbr");
    ASSERT_FALSE(Start());
    Frame().resize(1400, 900);
    Frame().show();
    Frame().activateWindow();
    CTembraDoc* document = app->OpenDocumentFile(site.string());
    ASSERT_NE(document, nullptr);
    std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
    event->SetStartDate(document->GetSyokiSet().GetStartDate() + CTimeSpan(3, 0, 0, 0));
    event->SetStartRow(3);
    event->SetText(Sjis::FromUtf8("縦書き行事"));
    event->SetStyle(kEventVertical);
    document->AddObj(event.release(), FALSE);
    document->SetModifiedFlag(TRUE);
    const std::string chart = test::TempDir::Read(site);

    // File > Save As, the DOS pair beside the chart: the chart's own lock is no one else's.
    ui.ClearRecords();
    ChooseFile(files.File("site.phd"));
    Frame().Action(57604)->trigger();
    EXPECT_TRUE(test::Messages(ui).empty());
    EXPECT_TRUE(fs::exists(files.File("site.pdt")));
    EXPECT_TRUE(fs::exists(files.File("site.$$$")));
    ui.OnDialog("SaveChanges", [](DialogRequest& r) {
        static_cast<SaveChangesRequest&>(r).answer = IDNO;
        return IDOK;
    });
    ASSERT_TRUE(app->CloseDocument(document));
    EXPECT_FALSE(fs::exists(files.File("site.$$$")));

    // The pair opened again: its window bears the name site.tbr, which is the other chart's.
    CTembraDoc* opened = app->OpenDocumentFile(files.File("site.phd").string());
    ASSERT_NE(opened, nullptr);
    auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
    ASSERT_NE(window, nullptr);
    const QString title = Frame().MdiArea()->activeSubWindow()->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("site.tbr"))) << title.toStdString();
    std::vector<std::string> proposed;
    ui.OnDialog("FileDialog", [&proposed](DialogRequest& r) {
        proposed.push_back(static_cast<FileDialogRequest&>(r).path);
        return IDCANCEL;
    });
    ui.ClearRecords();
    CTembraViewWnd* pane = window->Frame()->ActivePane();
    pane->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QTest::keyClick(pane, Qt::Key_S, Qt::ControlModifier);
    test::WaitUntil([&proposed] { return !proposed.empty(); }, 30000);
    EXPECT_EQ(proposed, std::vector<std::string>{site.string()});
    EXPECT_TRUE(test::Messages(ui).empty()) << "no question to write over it";
    EXPECT_TRUE(test::TempDir::Read(site) == chart) << "the other chart is left as it was";

    // What the pair holds came back: the vertical event among them.
    bool vertical = false;
    for (POSITION pos = opened->GetHeadObjPosition(); pos != nullptr;) {
        if (const CEvent* e = AsEvent(opened->GetNextObj(pos))) {
            vertical =
                vertical || (e->GetText() == Sjis::FromUtf8("縦書き行事") && e->IsVertical());
        }
    }
    EXPECT_TRUE(vertical);
}

TEST_F(DocumentFilesTest, TheTickWritesTheCopiesAndANormalExitRemovesThem) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->SetChangedFlag(TRUE);
    app->Config().SetAutoSaveTime(1);
    const CTime start(2000, 5, 1, 10, 0, 0);
    app->SetLastAutoSave(start);
    clock.Set(start + CTimeSpan(61));
    app->OnAutoSaveTimer();
    EXPECT_TRUE(fs::exists(Control()));
    EXPECT_TRUE(fs::exists(paths.Writable() / "TBRT0001.T_P"));
    EXPECT_EQ(GetPrivateProfileString("AutoSave", "TBRT0001", "", 256, Control()), "無題1._p$");

    app->ExitInstance();
    EXPECT_FALSE(fs::exists(Control()));
    EXPECT_FALSE(fs::exists(paths.Writable() / "TBRT0001.T_P"));
}

TEST_F(DocumentFilesTest, TheNextStartRecoversWhatACrashLeft) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->GetSyokiSet().SetLastRow(66);
    document->SetChangedFlag(TRUE);
    app->Hooks().autoSave();
    // The crash: the program ends without closing its charts. What they left is kept aside
    // while the test's own application object goes.
    const fs::path kept = files.File("kept");
    fs::create_directories(kept);
    for (const char* name : {"AUTOCTRL.FNM", "TBRT0001.T_P"}) {
        fs::copy_file(paths.Writable() / name, kept / name);
    }
    app.reset();
    for (const char* name : {"AUTOCTRL.FNM", "TBRT0001.T_P"}) {
        fs::copy_file(kept / name, paths.Writable() / name, fs::copy_options::overwrite_existing);
    }

    ui.ClearRecords();
    ASSERT_FALSE(Start());
    EXPECT_EQ(test::Messages(ui), std::vector<UINT>{5102});
    ASSERT_EQ(app->Documents().size(), 1u);
    CTembraDoc* recovered = app->Documents().front();
    EXPECT_TRUE(recovered->GetPathName().empty());
    EXPECT_TRUE(recovered->GetTitle().starts_with(Sjis::FromUtf8("無題1")));
    EXPECT_TRUE(recovered->IsModified());
    EXPECT_EQ(recovered->GetSyokiSet().GetLastRow(), 66);
    EXPECT_TRUE(app->RecentFiles().Paths().empty()) << "a copy is no recent file";
}

TEST_F(DocumentFilesTest, OnlyTheUsersOneProgramKeepsTheBackupLog) {
    struct Case {
        std::vector<std::string> args;
        bool owner;
    };
    const std::vector<Case> cases = {{{"-dde"}, true}, {{"/Automation"}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        fs::remove_all(BackupFolder());
        fs::create_directories(BackupFolder());
        std::ofstream(BackupFolder() / "Backlog.lst") << "BackUp File<N>=~0a.tbr|/d/a.tbr\r\n";
        std::ofstream(BackupFolder() / "~0a.tbr") << "copy";
        ASSERT_FALSE(Start(c.args));
        // Set aside at start: what the last run made is "Backlog.old" now.
        EXPECT_EQ(fs::exists(BackupFolder() / "Backlog.old"), c.owner);
        app->ExitInstance();
        // Not made again in this run: deleted at its exit.
        EXPECT_EQ(fs::exists(BackupFolder() / "~0a.tbr"), !c.owner);
    }
}

} // namespace
} // namespace tembra
