// The layout commands of the running program with their real dialogs: 40033 starts the layout
// editor on the layout chosen in the selection dialog (management mode), which will not delete
// a layout an open chart uses; 40091 opens the copy dialog towards the layout folder.
#include "ShellFixture.h"

#include "model/ConfigPath.h"
#include "platform/Sjis.h"
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutSelDlg.h"
#include "shell/core/LayoutEditorCommand.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <fstream>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class LayoutCommandsTest : public test::ShellFixture {
protected:
    // The dialogs the program shows for these commands.
    void UseRealDialogs() {
        for (const char* name : {"LayoutSelect", "LayoutCopy"}) {
            ui.OnDialog(name, [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
        }
    }
    fs::path Folder() const { return ConfigPathToFs(app->Config().GetPath().GetFolder()); }
    void WriteLayout(const std::string& file) {
        std::ofstream(Folder() / file, std::ios::binary)
            << "[" << Sjis::FromUtf8("ファイル情報") << "]\r\nMasterFlag=0\r\n";
    }
};

TEST_F(LayoutCommandsTest, TheEditorStartsOnTheLayoutChosen) {
    ASSERT_FALSE(Start());
    WriteLayout("a.lyt");
    WriteLayout("CHART.LYT");
    CTembraDoc* document = app->NewDocument();
    document->GetSyokiSet().GetPath().SetLayoutFileName("chart.lyt");
    UseRealDialogs();
    bool chartDeletable = true;
    bool otherDeletable = false;
    QTimer::singleShot(100, [&]() {
        auto* dialog = qobject_cast<CLayoutSelDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->NewButton()->isVisible());
        ASSERT_EQ(dialog->List()->count(), 3);
        dialog->List()->setCurrentRow(1); // CHART.LYT
        chartDeletable = dialog->DeleteButton()->isEnabled();
        dialog->List()->setCurrentRow(0); // A.LYT
        otherDeletable = dialog->DeleteButton()->isEnabled();
        dialog->OkButton()->click();
    });
    app->Router().Execute(40033);
    EXPECT_FALSE(chartDeletable);
    EXPECT_TRUE(otherDeletable);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].second, (std::vector<std::string>{(Folder() / "a.lyt").string(), "/A4"}));
}

TEST_F(LayoutCommandsTest, ANewLayoutStartsTheEditorWithoutAFile) {
    ASSERT_FALSE(Start());
    UseRealDialogs();
    QTimer::singleShot(100, [&]() {
        auto* dialog = qobject_cast<CLayoutSelDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->NewButton()->click();
    });
    app->Router().Execute(40033);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].second.empty());
}

TEST_F(LayoutCommandsTest, TheCopyDialogCopiesIntoTheLayoutFolder) {
    ASSERT_FALSE(Start());
    UseRealDialogs();
    app->UpdateCommandStates();
    QString title;
    QTimer::singleShot(100, [&]() {
        auto* dialog = qobject_cast<CLayoutCopyDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->CloseButton()->click();
    });
    app->Router().Execute(40091);
    std::string folder = Folder().string();
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    EXPECT_EQ(title, QString::fromUtf8("書式ファイルの複写   ［複写先：") +
                         QString::fromStdString(folder) + QString::fromUtf8("］"));
}

} // namespace
} // namespace tembra
