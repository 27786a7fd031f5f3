// The layout copy dialog over drives and folders of a test's own: its lists, a drive that is not
// ready, the copy with its questions and outcomes, and the copy-name dialog's checks.
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutCopyNameDlg.h"

#include "model/LayoutFile.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

void WriteLayout(const fs::path& file, const std::string& name, int master) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        << J("[ファイル情報]\r\nMasterFlag=" + std::to_string(master) + "\r\nLayoutName=" + name +
             "\r\n");
}

std::vector<UINT> Ids(const test::ScriptedUi& ui) {
    return ui.MessageIds();
}

class LayoutCopyDlgTest : public testing::Test {
protected:
    LayoutCopyDlgTest() {
        WriteLayout(source / "A.LYT", "新A", 0);
        WriteLayout(source / "b.lyt", "新B", 0);
        WriteLayout(source / "MASTER01.LYT", "新標準", 0);
        WriteLayout(source / "sub" / "C.LYT", "下の", 0);
        WriteLayout(destination / "A.LYT", "古A", 0);
        WriteLayout(destination / "MASTER01.LYT", "標準書式", 1);
    }
    std::vector<LayoutCopyDrive> Drives() const {
        return {{"source", source}, {"gone", dir.File("gone")}, {"layouts", destination}};
    }
    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->item(i)->text();
        }
        return items;
    }
    static void SelectAll(CLayoutCopyDlg& dialog) {
        for (int i = 0; i < dialog.LayoutList()->count(); ++i) {
            dialog.LayoutList()->item(i)->setSelected(true);
        }
    }

    test::TempDir dir;
    fs::path source = dir.File("source");
    fs::path destination = dir.File("layouts");
    test::ScopedUi ui;
};

TEST_F(LayoutCopyDlgTest, TheListsShowTheFirstDrivesFoldersAndLayouts) {
    CLayoutCopyDlg dialog(destination / "", Drives());
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("書式ファイルの複写   ［複写先：") +
                                        QString::fromStdString(destination.string()) +
                                        QString::fromUtf8("］"));
    EXPECT_EQ(dialog.DriveBox()->count(), 3);
    EXPECT_EQ(dialog.DriveBox()->itemText(0), QStringLiteral("[-source-]"));
    EXPECT_EQ(dialog.SourcePath(), source);
    EXPECT_EQ(Items(dialog.FolderList()),
              QStringList({QStringLiteral("[..]"), QStringLiteral("[sub]")}));
    EXPECT_EQ(Items(dialog.LayoutList()),
              QString::fromUtf8("A.LYT        [新A]|B.LYT        [新B]|MASTER01.LYT [新標準]")
                  .split(QLatin1Char('|')));
    EXPECT_FALSE(dialog.CopyButton()->isEnabled());
    dialog.LayoutList()->item(0)->setSelected(true);
    EXPECT_TRUE(dialog.CopyButton()->isEnabled());
    // Into the sub-folder and back.
    dialog.OpenFolderEntry(1);
    EXPECT_EQ(dialog.SourcePath(), source / "sub");
    EXPECT_EQ(Items(dialog.LayoutList()), QStringList{QString::fromUtf8("C.LYT        [下の]")});
    EXPECT_FALSE(dialog.CopyButton()->isEnabled());
    dialog.OpenFolderEntry(0);
    EXPECT_EQ(dialog.SourcePath(), source);
}

TEST_F(LayoutCopyDlgTest, EnterOpensAFolderOrClosesFromItsButtonOnly) {
    CLayoutCopyDlg dialog(destination, Drives());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.LayoutList()->setFocus();
    QTest::keyClick(dialog.LayoutList(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    dialog.FolderList()->setFocus();
    dialog.FolderList()->setCurrentRow(1);
    QTest::keyClick(dialog.FolderList(), Qt::Key_Return);
    EXPECT_EQ(dialog.SourcePath(), source / "sub");
    EXPECT_TRUE(dialog.isVisible());
    dialog.CloseButton()->setFocus();
    QTest::keyClick(dialog.CloseButton(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LayoutCopyDlgTest, ADriveThatIsNotReadyIsAskedAboutUntilGivenUp) {
    CLayoutCopyDlg dialog(destination, Drives());
    dialog.OpenFolderEntry(1); // somewhere on the ready drive
    ui->QueueAnswer(IDOK);     // try again
    ui->QueueAnswer(IDCANCEL);
    dialog.SelectDrive(1);
    EXPECT_EQ(Ids(ui.Get()), (std::vector<UINT>{5126, 5126}));
    // Back on the last ready drive, at its start.
    EXPECT_EQ(dialog.DriveBox()->currentIndex(), 0);
    EXPECT_EQ(dialog.SourcePath(), source);
    dialog.SelectDrive(2);
    EXPECT_EQ(dialog.SourcePath(), destination);
}

TEST_F(LayoutCopyDlgTest, NothingIsCopiedOntoItself) {
    CLayoutCopyDlg dialog(destination, Drives());
    dialog.SelectDrive(2);
    SelectAll(dialog);
    dialog.CopySelected();
    EXPECT_EQ(Ids(ui.Get()), (std::vector<UINT>{5122}));
    EXPECT_EQ(ReadLayoutName(destination / "A.LYT"), J("古A"));
}

TEST_F(LayoutCopyDlgTest, TakenNamesAreAskedAboutAndCopiedEntriesDeselected) {
    CLayoutCopyDlg dialog(destination, Drives());
    std::vector<std::pair<std::string, bool>> asked;
    dialog.SetAskName([&](bool master, int& outcome, std::string& name) {
        asked.emplace_back(name, master);
        if (master) {
            return IDCANCEL;
        }
        outcome = kCopyNewName;
        name = "A2.LYT";
        return IDOK;
    });
    SelectAll(dialog);
    dialog.CopySelected();
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, bool>>{{"A.LYT", false},
                                                                {"MASTER01.LYT", true}}));
    EXPECT_EQ(ReadLayoutName(destination / "A2.LYT"), J("新A"));
    EXPECT_EQ(ReadLayoutName(destination / "A.LYT"), J("古A"));
    EXPECT_EQ(ReadLayoutName(destination / "b.lyt"), J("新B")) << "under its real name";
    EXPECT_EQ(ReadLayoutMasterFlag(destination / "MASTER01.LYT"), 1);
    EXPECT_FALSE(dialog.LayoutList()->item(0)->isSelected());
    EXPECT_FALSE(dialog.LayoutList()->item(1)->isSelected());
    EXPECT_TRUE(dialog.LayoutList()->item(2)->isSelected());
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(LayoutCopyDlgTest, TheNameDialogKeepsAMasterAndCopiesUnderANewName) {
    CLayoutCopyDlg dialog(destination, Drives());
    dialog.LayoutList()->item(2)->setSelected(true); // MASTER01.LYT
    bool stayed = false;
    QTimer::singleShot(50, [&]() {
        auto* names = qobject_cast<CLayoutCopyNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(names, nullptr);
        EXPECT_TRUE(names->MasterNote()->isVisibleTo(names));
        EXPECT_FALSE(names->ExistingNote()->isVisibleTo(names));
        names->OkButton()->click(); // the name unchanged
        stayed = names->isVisible();
        names->NameField()->setText(QStringLiteral("NEWM.LYT"));
        names->OkButton()->click();
    });
    dialog.CopySelected();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(ReadLayoutName(destination / "NEWM.LYT"), J("新標準"));
    EXPECT_EQ(ReadLayoutName(destination / "MASTER01.LYT"), J("標準書式"));
    EXPECT_FALSE(dialog.LayoutList()->item(2)->isSelected());
}

TEST_F(LayoutCopyDlgTest, AFailedCopyStaysSelectedWithAMessage) {
    CLayoutCopyDlg dialog(dir.File("missing"), Drives());
    dialog.LayoutList()->item(1)->setSelected(true);
    dialog.CopySelected();
    EXPECT_EQ(Ids(ui.Get()), (std::vector<UINT>{5911}));
    EXPECT_TRUE(dialog.LayoutList()->item(1)->isSelected());
}

TEST(LayoutCopyNameDlg, NamesAreCheckedOnOkOnly) {
    test::ScopedUi ui;
    struct Case {
        int master;
        const char* typed;
        UINT message;
        bool accepted;
        int outcome;
        std::string name;
    };
    const Case cases[] = {
        {0, "A.LYT", 0, true, kCopyOverwrite, "A.LYT"},
        {1, "A.LYT", 0, false, kCopyNothing, "A.LYT"},
        {0, "NEW", 5124, false, kCopyNothing, "A.LYT"},
        {0, "ABCDEFGHI.LYT", 5123, false, kCopyNothing, "A.LYT"},
        {0, "A B.LYT", 5123, false, kCopyNothing, "A.LYT"},
        {1, "NEW.LYT", 0, true, kCopyNewName, "NEW.LYT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui->ClearRecords();
        int outcome = -1;
        std::string name = "A.LYT";
        CLayoutCopyNameDlg dialog(c.master, &outcome, &name);
        EXPECT_EQ(outcome, kCopyNothing);
        dialog.show();
        EXPECT_EQ(dialog.NameField()->text(), QStringLiteral("A.LYT"));
        dialog.NameField()->setText(QString::fromUtf8(c.typed));
        // Enter in the field does nothing.
        QTest::keyClick(dialog.NameField(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(ui->MessageBoxes().empty());
        dialog.OkButton()->click();
        EXPECT_EQ(Ids(ui.Get()),
                  c.message != 0 ? std::vector<UINT>{c.message} : std::vector<UINT>{});
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(name, c.name);
    }
}

// Enter in the name field does nothing; on 決定 it checks the name and closes, on 取消 it
// cancels.
TEST(LayoutCopyNameDlg, EnterEndsItOnlyOnItsButtons) {
    test::ScopedUi ui;
    for (const char* button : {"決定", "取消"}) {
        SCOPED_TRACE(button);
        int outcome = -1;
        std::string name = "A.LYT";
        CLayoutCopyNameDlg dialog(0, &outcome, &name);
        dialog.show();
        QTest::keyClick(dialog.NameField(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        QPushButton* pressed = nullptr;
        for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->text() == QString::fromUtf8(button)) {
                pressed = b;
            }
        }
        ASSERT_NE(pressed, nullptr);
        QTest::keyClick(pressed, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        const bool ok = pressed == dialog.OkButton();
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(outcome, ok ? kCopyOverwrite : kCopyNothing);
    }
}

} // namespace
} // namespace tembra
