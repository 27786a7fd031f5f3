// The auto-save settings dialog: the signed interval in and out, the edit following the switch,
// the arrows kept within 3 to 60 and the range message on OK.
#include "model/ui/AutoSaveDlg.h"

#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::Control;

TEST(AutoSaveDlgTest, AnIntervalSwitchedOffKeepsItsSign) {
    test::ScopedUi ui;
    LONG interval = -15;
    CAutoSaveDlg dialog(&interval);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("自動保存の設定"));
    EXPECT_FALSE(Control<QCheckBox>(dialog, CAutoSaveDlg::IDC_AUTOSAVE)->isChecked());
    EXPECT_EQ(Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL)->text(), "15");
    EXPECT_FALSE(Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL)->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(interval, -15);

    LONG on = 10;
    CAutoSaveDlg again(&on);
    Control<QCheckBox>(again, CAutoSaveDlg::IDC_AUTOSAVE)->click();
    EXPECT_FALSE(Control<QLineEdit>(again, CAutoSaveDlg::IDC_INTERVAL)->isEnabled());
    again.accept();
    EXPECT_EQ(on, -10);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST(AutoSaveDlgTest, OutsideThreeToSixtyTheRangeMessageKeepsItOpen) {
    test::ScopedUi ui;
    LONG interval = -1;
    CAutoSaveDlg dialog(&interval);
    auto* minutes = Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL);
    EXPECT_EQ(minutes->text(), "1") << "shown as stored";
    dialog.show();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_VALUE_RANGE);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "3 から 60 までの整数を入力してください。");

    Control<QCheckBox>(dialog, CAutoSaveDlg::IDC_AUTOSAVE)->click();
    minutes->setText("61");
    dialog.accept();
    EXPECT_EQ(ui->MessageBoxes().size(), 2u);
    minutes->setText("60");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(interval, 60);
}

TEST(AutoSaveDlgTest, TheArrowsStayWithinTheRangeAndCancelKeepsTheValue) {
    LONG interval = 59;
    CAutoSaveDlg dialog(&interval);
    auto* arrows = Control<QWidget>(dialog, CAutoSaveDlg::IDC_SPIN);
    const QList<QToolButton*> buttons = arrows->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    buttons[0]->click();
    buttons[0]->click();
    EXPECT_EQ(Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL)->text(), "60");
    Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL)->setText("1");
    buttons[1]->click();
    EXPECT_EQ(Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL)->text(), "3");
    dialog.reject();
    EXPECT_EQ(interval, 59);

    CAutoSaveDlg fresh;
    EXPECT_EQ(Control<QLineEdit>(fresh, CAutoSaveDlg::IDC_INTERVAL)->text(), "10");
    EXPECT_FALSE(Control<QCheckBox>(fresh, CAutoSaveDlg::IDC_AUTOSAVE)->isChecked());
}

// No button is the default: Enter in the field moves on; on 決定 it closes, on 取消 it cancels.
TEST(AutoSaveDlgTest, EnterMovesOnAndClosesOnlyOnItsButtons) {
    test::ScopedUi ui;
    for (const int button : {1, 2}) {
        LONG interval = 10;
        CAutoSaveDlg dialog(&interval);
        dialog.show();
        auto* minutes = Control<QLineEdit>(dialog, CAutoSaveDlg::IDC_INTERVAL);
        minutes->setText("20");
        QTest::keyClick(minutes, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(Control<QPushButton>(dialog, button), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), button == 1 ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(interval, button == 1 ? 20 : 10);
    }
}

} // namespace
} // namespace tembra
