// The layout file selection dialog over a folder of layouts: its entries, the first choice, the
// choice handed back by the real file name, and in management mode the new layout and the
// deletion that only some layouts allow.
#include "print/ui/LayoutSelDlg.h"

#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

class LayoutSelDlgTest : public testing::Test {
protected:
    LayoutSelDlgTest() {
        Write("MASTER01.LYT", "標準書式", 1);
        Write("a.lyt", "", 0);
        Write("~Backup.LYT", "控え", 0);
        Write("chart.lyt", "工程", 0);
        dir.Write("broken.lyt", "");
    }
    void Write(const std::string& file, const std::string& name, int master) {
        dir.Write(file, J("[ファイル情報]\r\nMasterFlag=" + std::to_string(master) +
                          "\r\nLayoutName=" + name + "\r\n"));
    }
    // A dialog over the folder: the application's current layout and a chart's.
    void SetUp(CLayoutSelDlg& dialog, bool manage, const char* current = "MASTER01.LYT") {
        dialog.manageMode = manage ? TRUE : FALSE;
        dialog.layoutFolder = dir.Path();
        dialog.currentLayout = current;
        dialog.layoutsInUse = {"CHART.LYT"};
        dialog.Prepare();
        dialog.show();
    }
    int Row(const CLayoutSelDlg& dialog, const char* start) {
        for (int i = 0; i < dialog.List()->count(); ++i) {
            if (dialog.List()->item(i)->text().startsWith(QString::fromUtf8(start))) {
                return i;
            }
        }
        return -1;
    }

    test::TempDir dir;
    test::ScopedUi ui;
};

TEST_F(LayoutSelDlgTest, TheListShowsEachLayoutButTheBackup) {
    CLayoutSelDlg dialog;
    SetUp(dialog, false);
    QStringList texts;
    for (int i = 0; i < dialog.List()->count(); ++i) {
        texts << dialog.List()->item(i)->text();
    }
    EXPECT_EQ(texts, QString::fromUtf8("A.LYT        []|BROKEN.LYT   []|CHART.LYT    [工程]|"
                                       "MASTER01.LYT [標準書式]<MASTER>")
                         .split(QLatin1Char('|')));
    // The current layout is chosen first; choosing only, nothing else is offered.
    EXPECT_EQ(dialog.List()->currentRow(), 3);
    EXPECT_FALSE(dialog.NewButton()->isVisible());
    EXPECT_FALSE(dialog.DeleteButton()->isVisible());
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("書式ファイルの選択"));
}

TEST_F(LayoutSelDlgTest, OkHandsBackTheRealNameAndTheLayoutName) {
    CLayoutSelDlg dialog;
    dialog.fileName = "a.lyt";
    SetUp(dialog, false);
    EXPECT_EQ(dialog.List()->currentRow(), 0);
    dialog.List()->setCurrentRow(2);
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, "chart.lyt");
    EXPECT_EQ(dialog.layoutName, J("工程"));
}

TEST_F(LayoutSelDlgTest, WithoutAChoiceOkDoesNothing) {
    CLayoutSelDlg dialog;
    dialog.fileName = "NONE.LYT";
    SetUp(dialog, false);
    EXPECT_EQ(dialog.List()->currentRow(), -1);
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.fileName, "NONE.LYT");
}

TEST_F(LayoutSelDlgTest, ADoubleClickChooses) {
    CLayoutSelDlg dialog;
    SetUp(dialog, false);
    QListWidgetItem* item = dialog.List()->item(0);
    dialog.List()->setCurrentItem(item);
    emit dialog.List()->itemDoubleClicked(item);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, "a.lyt");
}

TEST_F(LayoutSelDlgTest, MastersTheCurrentLayoutAndAChartsCannotBeDeleted) {
    CLayoutSelDlg dialog;
    SetUp(dialog, true);
    EXPECT_TRUE(dialog.NewButton()->isVisible());
    EXPECT_TRUE(dialog.DeleteButton()->isVisible());
    struct Case {
        const char* entry;
        bool deletable;
    };
    for (const Case c : {Case{"MASTER01", false}, Case{"CHART", false}, Case{"A.LYT", true},
                         Case{"BROKEN", true}}) {
        dialog.List()->setCurrentRow(Row(dialog, c.entry));
        EXPECT_EQ(dialog.DeleteButton()->isEnabled(), c.deletable) << c.entry;
    }
    // The current layout of the application, when it is no master.
    CLayoutSelDlg other;
    SetUp(other, true, "A.LYT");
    other.List()->setCurrentRow(Row(other, "A.LYT"));
    EXPECT_FALSE(other.DeleteButton()->isEnabled());
}

TEST_F(LayoutSelDlgTest, DeletingAsksAndGoesByTheRealName) {
    CLayoutSelDlg dialog;
    SetUp(dialog, true);
    dialog.List()->setCurrentRow(Row(dialog, "A.LYT"));
    ui->QueueAnswer(IDNO);
    dialog.DeleteButton()->click();
    EXPECT_TRUE(fs::exists(dir.File("a.lyt")));
    ui->QueueAnswer(IDYES);
    dialog.DeleteButton()->click();
    EXPECT_FALSE(fs::exists(dir.File("a.lyt")));
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[1].stringId, 5114u);
    EXPECT_EQ(ui->MessageBoxes()[1].text,
              "書式＜ " + (dir.Path() / "a.lyt").string() + " ＞を削除してよろしいですか");
    EXPECT_EQ(dialog.List()->count(), 3);
    EXPECT_EQ(Row(dialog, "A.LYT"), -1);
}

TEST_F(LayoutSelDlgTest, AFailedDeletionIsReported) {
    CLayoutSelDlg dialog;
    SetUp(dialog, true);
    dialog.List()->setCurrentRow(Row(dialog, "BROKEN"));
    fs::remove(dir.File("broken.lyt")); // gone meanwhile
    ui->QueueAnswer(IDYES);
    dialog.DeleteButton()->click();
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[1].stringId, 5910u);
    EXPECT_EQ(Row(dialog, "BROKEN"), -1);
}

TEST_F(LayoutSelDlgTest, ANewLayoutHandsBackNoFile) {
    CLayoutSelDlg dialog;
    dialog.fileName = "a.lyt";
    dialog.layoutName = "x";
    SetUp(dialog, true);
    dialog.NewButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(dialog.layoutName, "");
}

TEST_F(LayoutSelDlgTest, CancelKeepsWhatCameIn) {
    CLayoutSelDlg dialog;
    dialog.manageMode = TRUE;
    dialog.layoutFolder = dir.Path();
    dialog.fileName = "a.lyt";
    QTimer::singleShot(50, &dialog, [&dialog]() {
        dialog.List()->setCurrentRow(2);
        dialog.reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.fileName, "a.lyt");
}

} // namespace
} // namespace tembra
