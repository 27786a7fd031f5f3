// The layout editor's main window over a started application: the menu entries as their update
// handlers leave them, commands through the menus, closing, and a layout saved under a new name
// and opened again.
#include "layout_editor/MainFrame.h"
#include "layout_editor/MarquellApp.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/MarquellView.h"
#include "model/LayoutFile.h"
#include "platform/Profile.h"

#include "EditorFixture.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using test::J;

class FrameTest : public test::EditorFixture {
protected:
    FrameTest() {
        const fs::path runtime = paths.Dir().File("run");
        fs::create_directories(runtime);
        ::chmod(runtime.c_str(), 0700);
        app.SetRuntimeFolder(QString::fromStdString(runtime.string()));
        app.SetUiServices(&ui.Get());
    }
    void Start(const fs::path& file) {
        ASSERT_EQ(app.InitInstance({QString::fromStdString(file.string())}), -1);
        frame = app.GetMainFrame();
        frame->UpdateCommands();
    }
    QAction* Action(unsigned id) { return frame->Action(id); }

    CMarquellApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(FrameTest, ATemporaryEditGreysTheFileAndRecentEntries) {
    // A recent file from an earlier run.
    ASSERT_TRUE(tembra::WriteProfileString("Recent File List", "File1", "/tmp/old.lyt"));
    Start(Layout("LAYTEMP0.LY$", -1, 0));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_MRU_FILE1}) {
        EXPECT_FALSE(Action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
    EXPECT_TRUE(Action(ID_FILE_SAVE_AS)->isEnabled());
    EXPECT_EQ(Action(ID_APP_EXIT)->text(), QString::fromUtf8("戻る"));
}

TEST_F(FrameTest, AnOrdinaryLayoutOffersThemAll) {
    ASSERT_TRUE(tembra::WriteProfileString("Recent File List", "File1", "/tmp/old.lyt"));
    Start(Layout("a.lyt", 0, 0));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_MRU_FILE1}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    }
    // Opening put the file at the head of the list.
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().contains(QStringLiteral("a.lyt")));
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1 + 1)->text().contains(QStringLiteral("old.lyt")));
    EXPECT_EQ(Action(ID_APP_EXIT)->text(), QString::fromUtf8("アプリケーションの終了(&X)"));
}

TEST_F(FrameTest, TheEntriesFollowTheStateWhenTheProgramWaits) {
    Start(Layout("a.lyt", 0, 0));
    EXPECT_FALSE(Action(ID_ZOOM_RESET)->isEnabled());
    EXPECT_TRUE(Action(kZoomCommands[3])->isChecked());
    frame->RunCommand(ID_ZOOM_IN);
    EXPECT_TRUE(Action(ID_ZOOM_RESET)->isEnabled());
    EXPECT_TRUE(Action(kZoomCommands[4])->isChecked());
    // A change that came by no menu shows once the program waits for more.
    app.View().OnCommand(ID_ZOOM_RESET);
    EXPECT_TRUE(Action(ID_ZOOM_RESET)->isEnabled());
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(Action(ID_ZOOM_RESET)->isEnabled());
    // A disabled entry does nothing.
    frame->RunCommand(ID_ZOOM_RESET);
    EXPECT_EQ(app.View().GetZoomIndex(), 3);
}

TEST_F(FrameTest, ClosingAChangedLayoutAsksFirst) {
    Start(Layout("a.lyt", 0, 0));
    app.GetDoc().SetModifiedFlag(TRUE);
    ui->QueueAnswer(tembra::IDCANCEL);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_GT(app.GetDoc().GetCurrentPaper().CountElements(), 0);
    ui->QueueAnswer(tembra::IDNO);
    EXPECT_TRUE(frame->close());
    // The view went with the window: the papers are empty.
    EXPECT_EQ(app.GetDoc().GetCurrentPaper().CountElements(), 0);
}

TEST_F(FrameTest, ALayoutSavedUnderANewNameOpensAgain) {
    const fs::path folder = paths.Writable();
    Start(folder / "MASTER01.LYT");
    ASSERT_TRUE(fs::exists(folder / "MASTER01.LYT"));
    std::string name = J("試験書式");
    ui->OnDialog("LayoutFormatName", [&](tembra::DialogRequest& request) {
        static_cast<LayoutFormatNameRequest&>(request).name = name;
        return tembra::IDOK;
    });
    fs::path chosen = folder / "test1.lyt";
    ui->OnDialog("PromptFileName", [&](tembra::DialogRequest& request) {
        auto& r = static_cast<PromptFileNameRequest&>(request);
        r.path = chosen.string();
        return tembra::IDOK;
    });
    frame->RunCommand(ID_FORMAT_NAME);
    QTRY_COMPARE(frame->windowTitle(), QString::fromUtf8("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <試験書式> - [ Ａ４ ] "));
    frame->RunCommand(ID_FILE_SAVE_AS);
    ASSERT_TRUE(fs::exists(chosen));
    EXPECT_EQ(tembra::ReadLayoutName(chosen), name);
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(folder / "MASTER01.LYT"), 1);
    EXPECT_EQ(app.GetDoc().GetPathName(), chosen.string());

    frame->RunCommand(ID_FILE_NEW);
    EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), "");
    frame->RunCommand(ID_FILE_OPEN);
    EXPECT_EQ(app.GetDoc().GetPathName(), chosen.string());
    EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), name);
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().contains(QStringLiteral("test1.lyt")));
}

TEST_F(FrameTest, TheFileDialogOpensInTheProposalsFolderElseInTheLayoutFolder) {
    Start(Layout("a.lyt", 0, 0));
    const fs::path other = paths.Dir().File("other");
    fs::create_directories(other);
    struct Case {
        std::string path;
        fs::path folder;
        QString name;
    };
    const Case cases[] = {
        {(other / "MASTER01.LYT").string(), other, QStringLiteral("MASTER01.LYT")},
        {"test.lyt", paths.Writable(), QStringLiteral("test.lyt")},
        {"", paths.Writable(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QString folder;
        QString name;
        QStringList filters;
        QTimer::singleShot(50, [&]() {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            folder = dialog->directory().absolutePath();
            name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            filters = dialog->nameFilters();
            dialog->reject();
        });
        PromptFileNameRequest request;
        request.path = c.path;
        request.titleId = 61441;
        request.layoutFolder = app.Settings().layoutFolder;
        EXPECT_FALSE(app.DoPromptFileName(request));
        EXPECT_EQ(folder.toStdString(), c.folder.string());
        EXPECT_EQ(name, c.name);
        // "*.lyt" in any case.
        ASSERT_EQ(filters.size(), 1);
        EXPECT_TRUE(filters[0].endsWith(QStringLiteral("(*.[lL][yY][tT])")));
    }
}

} // namespace
} // namespace marquell
