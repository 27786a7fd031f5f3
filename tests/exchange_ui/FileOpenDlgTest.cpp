// The file dialog offscreen: the preview line under the file list as the selection moves, and a
// write-protected chart's own path refused in a save dialog.
#include "exchange/ui/FileOpenDlg.h"

#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(FileOpenDlgTest, ThePreviewFollowsTheSelection) {
    test::TempDir dir;
    const auto chart =
        dir.Write("A.tbr", test::J("☆TEMBRA(TB+) Ver.05.80.00:暦:A") + std::string(1, '\0'));
    dir.Write("B.txt", "text");
    CFileOpenDlg dialog(true);
    QLabel* line = dialog.findChild<QLabel*>(QString::number(CFileOpenDlg::IDC_PREVIEW));
    ASSERT_EQ(line, dialog.PreviewLine());
    EXPECT_EQ(line->text(), QString::fromUtf8("工程表名："));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));

    emit dialog.currentChanged(QString::fromStdString(chart.string()));
    EXPECT_EQ(line->text(), QString::fromUtf8("工程表名： 暦:A"));
    emit dialog.currentChanged(QString::fromStdString(dir.File("B.txt").string()));
    EXPECT_EQ(line->text(), QString::fromUtf8("工程表名："));
    emit dialog.currentChanged(QString::fromStdString(chart.string()));
    emit dialog.currentChanged(QString::fromStdString(dir.File("gone.tbr").string()));
    EXPECT_EQ(line->text(), QString::fromUtf8("工程表名： 暦:A")) << "an unreadable file keeps it";
}

TEST(FileOpenDlgTest, AWriteProtectedChartsOwnPathIsRefused) {
    test::TempDir dir;
    test::ScopedUi ui;
    dir.Write("own.tbr", "");
    std::filesystem::create_directories(dir.File("other"));
    CFileOpenDlg dialog(false);
    dialog.SetSameNameRefusal(true);
    dialog.SetInitialName(QString::fromStdString(dir.Path().string()), "own.tbr");
    dialog.show();
    dialog.selectFile(QString::fromStdString(dir.File("own.tbr").string()));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_SAME_NAME_REFUSED);

    // The same name in another folder is taken.
    dialog.selectFile(QString::fromStdString(dir.File("other/own.tbr").string()));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ui->MessageBoxes().size(), 1u);
}

} // namespace
} // namespace tembra
