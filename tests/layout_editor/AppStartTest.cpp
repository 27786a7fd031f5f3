// The start of the layout editor: the file of the command line and the paper shown first, the
// profile's settings, a file that cannot be opened, and one running editor per user, which a
// later start hands its file to.
#include "layout_editor/MainFrame.h"
#include "layout_editor/MarquellApp.h"
#include "layout_editor/SingleInstance.h"
#include "layout_editor/core/MarquellView.h"
#include "platform/Profile.h"

#include "EditorFixture.h"

#include "support/qt/ScopedEnvironment.h"
#include "support/qt/WaitUntil.h"
#include <QDialog>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using test::J;

class AppStartTest : public test::EditorFixture {
protected:
    AppStartTest() {
        const fs::path runtime = paths.Dir().File("run");
        fs::create_directories(runtime);
        ::chmod(runtime.c_str(), 0700);
        runtimeFolder = QString::fromStdString(runtime.string());
    }
    // A started editor: its user interface the test's script.
    int Start(CMarquellApp& app, const QStringList& arguments) {
        app.SetRuntimeFolder(runtimeFolder);
        app.SetUiServices(&ui.Get());
        return app.InitInstance(arguments);
    }
    static QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }
    // Another process of the program: offscreen, with the test's folders.
    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Q(paths.Dir().File("config-home")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), Q(paths.Dir().File("data-home")));
        return environment;
    }

    QString runtimeFolder;
};

TEST_F(AppStartTest, TheFileOfTheCommandLineShowsItsPaper) {
    struct Case {
        int masterFlag;
        int currentPaper;
        int shown;
    };
    const Case cases[] = {
        {0, 2, 0},  // an ordinary layout shows A4; the paper switch changes nothing
        {1, 3, 0},  // so does a master
        {-1, 2, 2}, // the main program's temporary copy shows its own paper
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.masterFlag);
        const fs::path file = Layout("a.lyt", c.masterFlag, c.currentPaper);
        CMarquellApp app;
        ASSERT_EQ(Start(app, {Q(file), QStringLiteral("/A3")}), -1);
        EXPECT_EQ(app.GetDoc().GetPathName(), file.string());
        EXPECT_EQ(app.GetDoc().GetLayout().GetCurrentPaperIndex(), c.shown);
        EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), J("標準書式"));
        EXPECT_TRUE(app.GetMainFrame()->isVisible());
    }
}

TEST_F(AppStartTest, ASwitchAloneMakesANewLayout) {
    CMarquellApp app;
    ASSERT_EQ(Start(app, {QStringLiteral("/A3")}), -1);
    EXPECT_EQ(app.GetDoc().GetPathName(), "");
    EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), "");
    EXPECT_EQ(app.GetDoc().GetLayout().GetVersion(), 30000u);
    EXPECT_EQ(app.GetDoc().GetTitle(), J("無題"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.GetMainFrame()));
    tembra::test::WaitUntil([&] {
        return app.GetMainFrame()->windowTitle() ==
               QString::fromUtf8("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] ");
    });
    ASSERT_EQ(app.GetMainFrame()->windowTitle(), QString::fromUtf8("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] "));
    // The standard layout is in the program folder from the first start on.
    EXPECT_TRUE(fs::exists(paths.Writable() / "MASTER01.LYT"));
}

TEST_F(AppStartTest, AFileThatCannotBeOpenedEndsTheStartWithStatusOne) {
    CMarquellApp app;
    EXPECT_EQ(Start(app, {Q(paths.Dir().File("missing.lyt"))}), 1);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 61697u);
}

TEST_F(AppStartTest, TheSettingsComeFromTheEditorsOwnProfile) {
    {
        CMarquellApp app;
        ASSERT_EQ(Start(app, {}), -1);
        const CAppSettings& s = app.Settings();
        EXPECT_EQ(s.editor.normalWidth, 3);
        EXPECT_EQ(s.editor.thinWidth, 1);
        EXPECT_EQ(s.editor.boldWidth, 6);
        EXPECT_EQ(s.insideFrame, 0);
        EXPECT_EQ(s.multiple, 0);
        EXPECT_EQ(s.editor.inputAreaColor, RGB(0, 0, 128));
        EXPECT_EQ(s.layoutFolder, paths.Writable());
        // The profile is the editor's own.
        EXPECT_EQ(tembra::UserProfilePath().filename(), "Marquell for Windows.ini");
    }
    ASSERT_TRUE(tembra::WriteProfileString(J("色指定"), "InputAreaColor", "1,2"));
    ASSERT_TRUE(tembra::WriteProfileString(J("パス"), "LayoutPath", ""));
    CMarquellApp app;
    ASSERT_EQ(Start(app, {}), -1);
    EXPECT_EQ(app.Settings().editor.inputAreaColor, RGB(0, 0, 0));
    EXPECT_EQ(app.Settings().layoutFolder, paths.Writable());
}

// A runtime folder that others may write in is not the user's own: the editor says so and
// opens its file all the same, as the only editor (no lock, no socket of its own there).
TEST_F(AppStartTest, ASharedRuntimeFolderIsRefusedAndTheFileOpens) {
    tembra::test::ScopedEnvironment environment;
    environment.Unset("XDG_RUNTIME_DIR");
    const fs::path cache = paths.Dir().File("cache-home");
    const fs::path shared = cache / "tembra-run";
    fs::create_directories(shared);
    ::chmod(shared.c_str(), 0777);
    environment.Set("XDG_CACHE_HOME", cache.string());
    const fs::path file = Layout("a.lyt", 0, 0);
    CMarquellApp app;
    app.SetUiServices(&ui.Get());
    ASSERT_EQ(app.InitInstance({Q(file)}), -1);
    EXPECT_EQ(app.GetDoc().GetPathName(), file.string());
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_NE(ui->MessageBoxes()[0].text.find(shared.string()), std::string::npos);
    EXPECT_TRUE(fs::is_empty(shared));
}

// The running editor here, the later start a process of the program itself.
TEST_F(AppStartTest, ALaterStartHandsItsFileToTheRunningEditor) {
    struct Case {
        const char* name;
        int runningFlag; // the running editor's layout: ordinary (0) or temporary (-1)
        bool modified;   // and whether it holds changes; the save prompt is cancelled
        int handedFlag;  // the handed layout
        bool opened;
        tembra::UINT message; // shown by the running editor
        int status;           // of the later start
    };
    const Case cases[] = {
        {"ordinary", 0, false, 0, true, 0, 0},
        {"kept by its user", 0, true, 0, false, 61699, 1},
        {"temporary edit running", -1, false, 0, false, 61253, 1},
        {"temporary copy handed", 0, false, -1, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->ClearRecords();
        const fs::path first = Layout("first.lyt", c.runningFlag, 0);
        const fs::path second = Layout("LAYTEMP0.LY$", c.handedFlag, 2);
        CMarquellApp running;
        running.SetInstanceName(QStringLiteral("marquell"));
        ASSERT_EQ(Start(running, {Q(first)}), -1);
        QSignalSpy activated(&running, &CMarquellApp::Activated);
        running.GetMainFrame()->showMinimized();
        if (c.modified) {
            running.GetDoc().SetModifiedFlag(TRUE);
            ui->QueueAnswer(tembra::IDCANCEL);
        }

        QProcess later;
        later.setProcessEnvironment(Environment());
        later.start(QStringLiteral(MARQUELL_PROGRAM), {Q(second)});
        ASSERT_TRUE(later.waitForStarted(10000));
        tembra::test::WaitUntil([&] { return activated.count() == 1; }, 30000);
        ASSERT_EQ(activated.count(), 1);
        EXPECT_EQ(activated[0][0].toStringList(), QStringList{Q(second)});
        EXPECT_FALSE(running.GetMainFrame()->isMinimized());
        EXPECT_EQ(running.GetDoc().GetPathName(), (c.opened ? second : first).string());
        if (c.message != 0) {
            ASSERT_EQ(ui->MessageBoxes().size(), 1u);
            EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message);
        } else {
            EXPECT_TRUE(ui->MessageBoxes().empty());
        }
        if (c.handedFlag == -1) {
            // The later start waits until the temporary edit is reported done.
            EXPECT_EQ(running.GetDoc().GetLayout().GetCurrentPaperIndex(), 2);
            ASSERT_NE(running.Instance(), nullptr);
            EXPECT_TRUE(running.Instance()->IsKeeping());
            EXPECT_EQ(later.state(), QProcess::Running);
            running.GetMainFrame()->close();
        }
        tembra::test::WaitUntil([&] { return later.state() == QProcess::NotRunning; }, 30000);
        ASSERT_EQ(later.state(), QProcess::NotRunning);
        EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(later.exitCode(), c.status);
    }
}

TEST_F(AppStartTest, AHandedFileWaitsWhileTheUserIsInADialog) {
    const fs::path first = Layout("first.lyt", 0, 0);
    const fs::path second = Layout("second.lyt", 0, 0);
    CMarquellApp running;
    running.SetInstanceName(QStringLiteral("marquell"));
    ASSERT_EQ(Start(running, {Q(first)}), -1);
    QDialog dialog(running.GetMainFrame());
    QProcess later;
    bool openedMeanwhile = true;
    // The handed file must have arrived and been put off twice while the dialog was open.
    ASSERT_NE(running.Instance(), nullptr);
    QSignalSpy waiting(running.Instance(), &CSingleInstance::HandOffWaiting);
    QTimer::singleShot(0, [&]() {
        later.setProcessEnvironment(Environment());
        later.start(QStringLiteral(MARQUELL_PROGRAM), {Q(second)});
        tembra::test::WaitUntil([&] { return waiting.count() >= 2; }, 60000);
        EXPECT_GE(waiting.count(), 2);
        openedMeanwhile = running.GetDoc().GetPathName() != first.string();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_FALSE(openedMeanwhile);
    tembra::test::WaitUntil([&] { return later.state() == QProcess::NotRunning; }, 30000);
    ASSERT_EQ(later.state(), QProcess::NotRunning);
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_EQ(running.GetDoc().GetPathName(), second.string());
}

TEST_F(AppStartTest, ASecondProcessEndsWithZero) {
    const QProcessEnvironment environment = Environment();
    const fs::path file = Layout("a.lyt", 0, 0);

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(MARQUELL_PROGRAM), {Q(file)});
    ASSERT_TRUE(first.waitForStarted(10000));
    // Running once its socket is there.
    const QString socket = QDir(runtimeFolder).filePath(QStringLiteral("marquell"));
    tembra::test::WaitUntil([&] { return QFileInfo::exists(socket); }, 30000);
    ASSERT_TRUE(QFileInfo::exists(socket));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(MARQUELL_PROGRAM), {Q(Layout("b.lyt", 0, 0))});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished(10000);
    }
}

} // namespace
} // namespace marquell
