// The wait for the layout editor, offscreen and with two processes: the editor is the editor's
// own application under a script of its user (marquell_scripted, given as the editor's
// program), or the real marquell. What ends the wait and how: an edited layout comes back with
// OK and is read back into a print header, anything else is Cancel; a running editor is handed
// the copy; a line naming another file ends nothing; Enter, Escape and the close box do nothing;
// a copy that cannot be written and an editor that cannot be started are reported.
#include "print/ui/LayoutWaitDlg.h"

#include "model/ConfigPath.h"
#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/Sjis.h"
#include "print/LayoutTempFile.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/ScopedEnvironment.h"
#include "support/qt/WaitUntil.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <sys/stat.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

using test::ScopedEnvironment;

class LayoutWaitTest : public testing::Test {
protected:
    LayoutWaitTest() {
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT", paths.Shipped() / "MASTER01.LYT");
        const fs::path run = paths.Dir().File("run");
        fs::create_directories(run);
        ::chmod(run.c_str(), 0700);
        runtime = QString::fromStdString(run.string());
        environment.Set("XDG_RUNTIME_DIR", run.string());
        environment.Set("XDG_CONFIG_HOME", paths.Dir().File("editor-config").string());
        environment.Set("XDG_DATA_HOME", paths.Dir().File("editor-data").string());
        environment.Set("EDITOR_LOG", Log().string());
        config.Read(FALSE);
        const fs::path source = ConfigPathToFs(config.GetFolder() + config.GetLayoutFileName());
        EXPECT_TRUE(area.SetPaper(0, 0, source, -1));
        EXPECT_TRUE(ReadLayoutIntoHeader(header, 0, source, FALSE));
    }
    ~LayoutWaitTest() override {
        for (const qint64 pid : started) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
        for (QProcess* process : running) {
            process->kill();
            process->waitForFinished(10000);
            delete process;
        }
    }

    fs::path Log() const { return paths.Dir().File("editor.log"); }
    fs::path Copy() const { return ConfigPathToFs(config.GetLayoutTempPath()); }
    // Whether an editor named so runs for the user (its instance socket is there).
    bool EditorRuns(const QString& program) const {
        return QFileInfo::exists(QDir(runtime).filePath(QFileInfo(program).completeBaseName()));
    }

    // Runs the wait with an editor program whose user follows the script; meanwhile runs from
    // the wait's own loop.
    int Wait(const QString& program, const char* script,
             const std::function<void(CLayoutWaitDlg&)>& meanwhile = {}) {
        environment.Set("EDITOR_SCRIPT", script);
        CLayoutWaitDlg dialog(header, area, J("ローカル書式"), config);
        dialog.SetEditorProgram(program);
        dialog.SetRuntimeFolder(runtime);
        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&]() {
            timedOut = true;
            dialog.done(QDialog::Rejected);
        });
        watchdog.start(120000);
        if (meanwhile) {
            QTimer::singleShot(0, &dialog, [&]() { meanwhile(dialog); });
        }
        const int result = dialog.DoModal();
        EXPECT_FALSE(timedOut) << "the wait did not end";
        if (dialog.GetProcessId() != 0) {
            started.push_back(dialog.GetProcessId());
        }
        return result;
    }
    // The editor started by the wait, running: its process and socket are there.
    static void AwaitEditor(CLayoutWaitDlg& dialog, const QString& program, const QString& folder) {
        ASSERT_TRUE(QTest::qWaitFor([&]() { return dialog.GetProcessId() != 0; }, 30000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&]() {
                return QFileInfo::exists(
                    QDir(folder).filePath(QFileInfo(program).completeBaseName()));
            },
            60000));
    }
    // An editor the user started before, on a layout of the layout folder.
    QProcess* StartRunningEditor(const char* script, const fs::path& file) {
        environment.Set("EDITOR_SCRIPT", script);
        auto* process = new QProcess;
        running.push_back(process);
        process->start(QStringLiteral(SCRIPTED_EDITOR), {QString::fromStdString(file.string())});
        EXPECT_TRUE(process->waitForStarted(10000));
        EXPECT_TRUE(
            QTest::qWaitFor([&]() { return EditorRuns(QStringLiteral(SCRIPTED_EDITOR)); }, 60000));
        return process;
    }
    // The standard layout with another master flag, in the layout folder.
    fs::path Layout(const std::string& name, int masterFlag) {
        std::string text = test::TempDir::Read(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT");
        text.replace(text.find("MasterFlag=1"), 12, "MasterFlag=" + std::to_string(masterFlag));
        const fs::path file = ConfigPathToFs(config.GetFolder()) / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    std::vector<std::string> Logged() const {
        std::vector<std::string> ids;
        std::ifstream in(Log());
        for (std::string line; std::getline(in, line);) {
            ids.push_back(line);
        }
        return ids;
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    ScopedEnvironment environment;
    QString runtime;
    CConfigPath config;
    CPrintArea area;
    CPrHeader header;
    std::vector<qint64> started;
    std::vector<QProcess*> running;
};

const QString kScripted = QStringLiteral(SCRIPTED_EDITOR);

TEST_F(LayoutWaitTest, OnlyTheEditorOrCtrlWithTheLeftButtonEndTheWait) {
    bool stillWaiting = false;
    const int result = Wait(kScripted, "stay", [&](CLayoutWaitDlg& dialog) {
        AwaitEditor(dialog, kScripted, runtime);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        test::FlushPosted();
        stillWaiting = dialog.isVisible();
        QTest::mouseClick(&dialog, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    });
    EXPECT_TRUE(stillWaiting);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    // The copy the editor was given.
    const auto lines = ReadLayoutLines(Copy());
    ASSERT_TRUE(lines.has_value());
    std::string value;
    ASSERT_TRUE(GetLayoutValue(*lines, LayoutInfoSectionHeader(), "MasterFlag", value));
    EXPECT_EQ(value, "-1");
    ASSERT_TRUE(GetLayoutValue(*lines, LayoutInfoSectionHeader(), "LayoutName", value));
    EXPECT_EQ(value, J("ローカル書式"));
    ASSERT_TRUE(GetLayoutValue(*lines, LayoutInfoSectionHeader(), "hWnd_Tembra", value));
    EXPECT_GT(std::stoll(value), 0);
}

TEST_F(LayoutWaitTest, ACopyThatCannotBeWrittenAndAMissingEditorAreReported) {
    struct Case {
        std::string tempName;
        QString program;
        UINT message;
    };
    const Case cases[] = {
        {"missing/LAYTEMP0.LY$", kScripted, 5163},
        {"LAYTEMP0.LY$", QStringLiteral("/nonexistent/marquell"), 5090},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ui->ClearRecords();
        config.SetLayoutTempFileName(c.tempName);
        int number = -1;
        EXPECT_EQ(
            Wait(c.program, "stay",
                 [&](CLayoutWaitDlg& dialog) { number = static_cast<int>(dialog.GetNumber()); }),
            IDCANCEL);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message);
        EXPECT_EQ(ui->MessageBoxes()[0].type, MB_OK | MB_ICONSTOP);
    }
}

TEST_F(LayoutWaitTest, AnEditedLayoutComesBackWithOk) {
    EXPECT_EQ(Wait(kScripted, "edit"), IDOK);
    EXPECT_EQ(ReadLayoutMasterFlag(Copy()), kLayoutEditedMasterFlag);
    // The caller reads the copy back: the new text is among the header's elements.
    CPrHeader back;
    ASSERT_TRUE(ReadLayoutIntoHeader(back, 0, Copy(), FALSE));
    bool found = false;
    for (const auto& element : back.GetElementList()) {
        if (const auto* text = dynamic_cast<const CPrNewText*>(element.get())) {
            found = found || text->GetContents() == J("新しい文字");
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(back.GetElementList().size(), header.GetElementList().size() + 1);
    EXPECT_EQ(Logged(), (std::vector<std::string>{"61244"})) << "asked to save on returning";
}

TEST_F(LayoutWaitTest, ReturningWithoutAChangeIsCancel) {
    EXPECT_EQ(Wait(kScripted, "return"), IDCANCEL);
    EXPECT_EQ(ReadLayoutMasterFlag(Copy()), kLayoutTempMasterFlag);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(LayoutWaitTest, AKilledEditorIsCancelAndTheCopyStaysAsItWas) {
    std::string written;
    EXPECT_EQ(Wait(kScripted, "stay",
                   [&](CLayoutWaitDlg& dialog) {
                       AwaitEditor(dialog, kScripted, runtime);
                       written = test::TempDir::Read(Copy());
                       ::kill(static_cast<pid_t>(dialog.GetProcessId()), SIGKILL);
                   }),
              IDCANCEL);
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(test::TempDir::Read(Copy()), written);
}

TEST_F(LayoutWaitTest, ALineNamingAnotherFileEndsNothing) {
    bool stillWaiting = false;
    EXPECT_EQ(Wait(kScripted, "stay",
                   [&](CLayoutWaitDlg& dialog) {
                       AwaitEditor(dialog, kScripted, runtime);
                       const QString other =
                           QString::fromStdString(Layout("OTHER.LYT", -2).string());
                       ASSERT_NE(dialog.GetServer(), nullptr);
                       QSignalSpy reported(dialog.GetServer(), &CFormEditServer::Done);
                       ASSERT_TRUE(SendFormEditDone(runtime, dialog.GetNumber(), other));
                       // The dialog hears the line before the spy does.
                       test::WaitUntil([&] { return reported.count() == 1; });
                       ASSERT_EQ(reported.count(), 1);
                       stillWaiting = dialog.isVisible();
                       ::kill(static_cast<pid_t>(dialog.GetProcessId()), SIGKILL);
                   }),
              IDCANCEL);
    EXPECT_TRUE(stillWaiting);
}

TEST_F(LayoutWaitTest, ARunningEditorIsHandedTheCopy) {
    QProcess* editor = StartRunningEditor("edit", Layout("A.LYT", 0));
    EXPECT_EQ(Wait(kScripted, "edit"), IDOK);
    EXPECT_EQ(ReadLayoutMasterFlag(Copy()), kLayoutEditedMasterFlag);
    // The running editor returned with the copy: it has ended.
    EXPECT_TRUE(editor->waitForFinished(30000));
}

TEST_F(LayoutWaitTest, ARunningTemporaryEditRefusesTheCopy) {
    StartRunningEditor("stay", Layout("OTHER.LY$", -1));
    EXPECT_EQ(Wait(kScripted, "stay"), IDCANCEL);
    EXPECT_EQ(Logged(), (std::vector<std::string>{"61253"}));
    EXPECT_EQ(ReadLayoutMasterFlag(Copy()), kLayoutTempMasterFlag);
}

TEST_F(LayoutWaitTest, TheRealEditorTerminatedIsCancel) {
    const QString editor = QStringLiteral(MARQUELL_PROGRAM);
    EXPECT_EQ(Wait(editor, "",
                   [&](CLayoutWaitDlg& dialog) {
                       AwaitEditor(dialog, editor, runtime);
                       ::kill(static_cast<pid_t>(dialog.GetProcessId()), SIGTERM);
                   }),
              IDCANCEL);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

} // namespace
} // namespace tembra
