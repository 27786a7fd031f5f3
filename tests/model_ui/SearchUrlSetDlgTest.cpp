// The online term-search settings dialog offscreen: the list with its add row, the buttons it
// enables, adding and removing entries, OK writing them and Cancel writing nothing.
#include "model/ui/SearchUrlSetDlg.h"

#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::Control;

class SearchUrlSetDlgTest : public ::testing::Test {
protected:
    SearchUrlSetDlgTest() {
        WriteProfileString("ExecURL\\0000", "Title", "Web");
        WriteProfileString("ExecURL\\0000", "URL", "https://example.org/s");
    }
    test::ScopedPaths paths;
    test::ScopedUi ui;
};

TEST_F(SearchUrlSetDlgTest, TheListTheFieldsAndTheButtons) {
    CSearchUrlSetDlg dialog;
    auto* list = Control<QTreeWidget>(dialog, CSearchUrlSetDlg::IDC_LIST);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QString::fromUtf8("（追加）"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1)) << "the add row is selected";
    auto* set = Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_SET);
    auto* remove = Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_REMOVE);
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(remove->isEnabled());

    Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_TITLE)->setText("Dict");
    EXPECT_FALSE(set->isEnabled()) << "both texts are needed";
    Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_URL)->setText("https://dict/q");
    EXPECT_TRUE(set->isEnabled());
    set->click();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Dict");
    EXPECT_EQ(Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_TITLE)->text(), "");

    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_URL)->text(),
              "https://example.org/s");
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_UP)->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_DOWN)->isEnabled());
    Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_DOWN)->click();
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Web");

    dialog.accept();
    EXPECT_EQ(GetProfileString("ExecURL\\0000", "Title"), "Dict");
    EXPECT_EQ(GetProfileString("ExecURL\\0001", "Title"), "Web");
    EXPECT_EQ(GetProfileString("ExecURL\\0009", "Title", "x"), "");
}

TEST_F(SearchUrlSetDlgTest, CancelWritesNothing) {
    CSearchUrlSetDlg dialog;
    auto* list = Control<QTreeWidget>(dialog, CSearchUrlSetDlg::IDC_LIST);
    list->setCurrentItem(list->topLevelItem(0));
    Control<QPushButton>(dialog, CSearchUrlSetDlg::IDC_REMOVE)->click();
    EXPECT_EQ(list->topLevelItemCount(), 1);
    dialog.reject();
    EXPECT_EQ(GetProfileString("ExecURL\\0000", "Title"), "Web");
    EXPECT_FALSE(UserProfile().Find("ExecURL\\0001", "Title"));
}

// Enter moves between the title and the URL; on 決定 it saves and closes.
TEST_F(SearchUrlSetDlgTest, EnterMovesBetweenTheFieldsAndClosesOnOk) {
    CSearchUrlSetDlg dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* title = Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_TITLE);
    auto* url = Control<QLineEdit>(dialog, CSearchUrlSetDlg::IDC_URL);
    title->setFocus();
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_TRUE(url->hasFocus());
    QTest::keyClick(url, Qt::Key_Return);
    EXPECT_TRUE(title->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(Control<QPushButton>(dialog, 1), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tembra
