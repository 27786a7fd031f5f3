// The program's start for a clock reading, a profile and a command line: the date warning, the
// OLE switches, the splash and its time, the recovery of auto-saved work, and a second process
// that hands its command line to the first.
#include "ShellFixture.h"

#include "shell/BitmapDlg.h"
#include "shell/SingleInstance.h"

#include "support/qt/WaitUntil.h"
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

namespace tembra {
namespace {

using test::Messages;

class StartupTest : public test::ShellFixture {
protected:
    // A runtime folder of the user's own for the single-instance lock and socket.
    QString RuntimeFolder() {
        const std::filesystem::path folder = paths.Dir().File("runtime");
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        return QString::fromStdString(folder.string());
    }
};

TEST_F(StartupTest, TheDateTestWarnsOnceAndTheProgramRuns) {
    struct Case {
        CTime now;
        bool warns;
    };
    const std::vector<Case> cases = {
        {CTime(2000, 5, 1), false},  {CTime(2020, 12, 20), false}, {CTime(2026, 12, 10), false},
        {CTime(2037, 12, 20), true}, // "Kikan" 40 would end past the calendar
        {CTime(2038, 1, 1), true},
    };
    for (const Case& c : cases) {
        clock.Set(c.now);
        ui.ClearRecords();
        WriteProfileInt("BaseConfig", "Kikan", 40);
        EXPECT_FALSE(Start({"-dde"})) << c.now.Format("%Y-%m-%d");
        const std::vector<UINT> shown = Messages(ui);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), 5116u), c.warns ? 1 : 0);
        EXPECT_TRUE(Frame().isVisible());
    }
}

TEST_F(StartupTest, ANewChartMadeTodayHoldsTodaysMonth) {
    clock.Set(CTime(2026, 12, 10, 9, 0, 0));
    WriteProfileInt("BaseConfig", "Kikan", 40);
    ASSERT_FALSE(Start({"-dde"}));
    EXPECT_TRUE(Messages(ui).empty());
    CTembraDoc* document = app->NewDocument();
    ASSERT_NE(document, nullptr);
    const CSyokiSet& settings = document->GetSyokiSet();
    EXPECT_LE(settings.GetWorkStartDate(), CTime(2026, 12, 10));
    EXPECT_GE(settings.GetWorkEndDate(), CTime(2026, 12, 31));
    const QString title = Frame().MdiArea()->subWindowList().front()->windowTitle();
    // The window title shows the chart's period: 40 days from today.
    EXPECT_TRUE(title.contains(QStringLiteral("[2026/12/10-2027/1/18:"))) << title.toStdString();
}

TEST_F(StartupTest, TheOleSwitches) {
    // Embedding: our own message, no window, status 1.
    EXPECT_EQ(Start({"/Embedding"}), 1);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].stringId, 0u);
    EXPECT_TRUE(app->MainFrame() == nullptr || !Frame().isVisible());

    // Automation: auto-save off for the run only, no splash, no recovery.
    WriteProfileInt("AutoSave", "AutoSaveTime", 10);
    int recoveries = 0;
    MakeApp().Hooks().recover = [&] { return ++recoveries > 0; };
    EXPECT_FALSE(app->InitInstance({"/Automation"}));
    EXPECT_EQ(app->Config().GetAutoSaveTime(), -1);
    EXPECT_EQ(GetProfileInt("AutoSave", "AutoSaveTime", 0), 10u);
    EXPECT_FALSE(app->IsSplashShown());
    EXPECT_EQ(recoveries, 0);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(app->Documents().empty());
}

TEST_F(StartupTest, TheSplashShowsForABareStartFor3000Ms) {
    test::TempDir files;
    const std::filesystem::path chart = test::CopyOfSample(files, "a.tbr");
    int recoveries = 0;
    MakeApp().Hooks().recover = [&] { return ++recoveries > 0; };
    EXPECT_FALSE(app->InitInstance({chart.string()}));
    EXPECT_FALSE(app->IsSplashShown()) << "a file argument: no splash";
    EXPECT_EQ(recoveries, 1);
    ASSERT_EQ(app->Documents().size(), 1u);

    ticks = 5000;
    MakeApp().Hooks().recover = [&] {
        ticks += 700; // the recovery's questions are part of the splash's time
        return ++recoveries > 0;
    };
    EXPECT_FALSE(app->InitInstance({}));
    ASSERT_TRUE(app->IsSplashShown());
    EXPECT_TRUE(app->Splash()->isVisible());
    EXPECT_EQ(recoveries, 2);
    EXPECT_EQ(app->Documents().size(), 1u) << "a bare start makes a new chart";
    const std::int64_t shown = 5000; // the recovery's time counts
    ticks = shown + 2999;
    EXPECT_TRUE(app->OnIdle()) << "idle time is wanted until the splash can go";
    EXPECT_TRUE(app->IsSplashShown());
    ticks = shown + 3000;
    EXPECT_FALSE(app->OnIdle());
    EXPECT_FALSE(app->IsSplashShown());
}

TEST_F(StartupTest, ASecondProcessHandsItsCommandLineToTheFirstAndEndsWithItsAnswer) {
    const QString runtime = RuntimeFolder();
    CSingleInstance first(QStringLiteral("tembra"), runtime);
    ASSERT_TRUE(first.Acquire());
    QStringList handed;
    QString handedFolder;
    first.SetHandler([&](const QStringList& args, const QString& folder) {
        handed = args;
        handedFolder = folder;
        return CSingleInstance::Answer{3, {QStringLiteral("5116: the first's message")}};
    });

    test::TempDir files;
    const std::string config = paths.Dir().File("child-config").string();
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TEMBRA_NOW", "2000-05-01");
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config));
    env.insert("XDG_DATA_HOME", QString::fromStdString(paths.Dir().File("child-data").string()));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(QString::fromStdString(files.Path().string()));
    second.start(QStringLiteral(TEMBRA_PROGRAM), {QStringLiteral("/p"), QStringLiteral("b.tbr")});
    ASSERT_TRUE(second.waitForStarted(10000));
    test::WaitUntil([&] { return second.state() == QProcess::NotRunning; }, 60000);
    ASSERT_TRUE(second.state() == QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 3) << "the first's answer";
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError())
                    .contains(QStringLiteral("tembra: 5116: the first's message")));
    EXPECT_EQ(handed, (QStringList{QStringLiteral("/p"), QStringLiteral("b.tbr")}));
    EXPECT_EQ(QFileInfo(handedFolder).canonicalFilePath(),
              QFileInfo(QString::fromStdString(files.Path().string())).canonicalFilePath());
}

TEST_F(StartupTest, AStartHandedToAProgramInADialogGivesUpAtItsLimitAndNothingIsDone) {
    const QString runtime = RuntimeFolder();
    CSingleInstance first(QStringLiteral("tembra"), runtime);
    ASSERT_TRUE(first.Acquire());
    int handled = 0;
    first.SetHandler([&handled](const QStringList&, const QString&) {
        ++handled;
        return CSingleInstance::Answer{};
    });
    // The running one shows a box of its own.
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);

    std::atomic<bool> done = false;
    CSingleInstance::Answer answer;
    std::thread later([&] {
        CSingleInstance second(QStringLiteral("tembra"), runtime);
        answer = second.PassOn({QStringLiteral("/p"), QStringLiteral("b.tbr")}, runtime, 500);
        done = true;
    });
    test::WaitUntil([&] { return done.load(); }, 60000);
    later.join();
    EXPECT_EQ(answer.exitCode, 1);
    ASSERT_EQ(answer.messages.size(), 1);
    EXPECT_TRUE(answer.messages.front().contains(QStringLiteral("has not answered")))
        << answer.messages.front().toStdString();

    // The box closes: the start that gave up is not run after all.
    box.close();
    QTest::qWait(1000);
    EXPECT_EQ(handled, 0);
}

} // namespace
} // namespace tembra
