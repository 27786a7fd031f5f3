// The align dialog offscreen: its controls by their template ids, its values in and out, the
// spacing that goes with each alignment, and the range check of the gaps on OK.
#include "model/ui/AlignDlg.h"

#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"
#include "support/qt/DialogControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

using test::Control;

class AlignDlgTest : public ::testing::Test {
protected:
    QRadioButton* Radio(int id) { return Control<QRadioButton>(dialog, id); }
    QCheckBox* Check(int id) { return Control<QCheckBox>(dialog, id); }
    QLineEdit* Edit(int id) { return Control<QLineEdit>(dialog, id); }
    QPushButton* Ok() { return Control<QPushButton>(dialog, 1); }

    test::ScopedUi ui;
    CAlignDlg dialog;
};

TEST_F(AlignDlgTest, DefaultsAndTexts) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("整列"));
    EXPECT_TRUE(Radio(CAlignDlg::IDC_ALIGN_TOP)->isChecked());
    EXPECT_EQ(Radio(CAlignDlg::IDC_ALIGN_TOP)->text(), QString::fromUtf8("上揃え"));
    EXPECT_EQ(Radio(CAlignDlg::IDC_ALIGN_BOTTOM)->text(), QString::fromUtf8("下揃え"));
    EXPECT_EQ(Radio(CAlignDlg::IDC_ALIGN_LEFT)->text(), QString::fromUtf8("左揃え"));
    EXPECT_EQ(Radio(CAlignDlg::IDC_ALIGN_RIGHT)->text(), QString::fromUtf8("右揃え"));
    EXPECT_EQ(Check(CAlignDlg::IDC_SPACE_HORIZONTAL)->text(), QString::fromUtf8("横間揃え"));
    EXPECT_EQ(Check(CAlignDlg::IDC_SPACE_VERTICAL)->text(), QString::fromUtf8("縦間揃え"));
    EXPECT_FALSE(Check(CAlignDlg::IDC_SPACE_HORIZONTAL)->isChecked());
    EXPECT_FALSE(Check(CAlignDlg::IDC_SPACE_VERTICAL)->isChecked());
    EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_HORIZONTAL)->text(), "10");
    EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_VERTICAL)->text(), "10");
    EXPECT_EQ(dialog.GetValues(), AlignValues());

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    const QString all = texts.join('\n');
    EXPECT_TRUE(all.contains(QString::fromUtf8("・上下揃えは最も左の行事が基準")));
    EXPECT_TRUE(all.contains(QString::fromUtf8("・左右揃えは最も上の行事が基準")));
    EXPECT_TRUE(all.contains(QString::fromUtf8("×0.1mm")));
}

// Top and bottom offer the horizontal spacing, left and right the vertical one.
TEST_F(AlignDlgTest, EachAlignmentOffersItsSpacing) {
    dialog.show();
    struct Case {
        int radio;
        bool horizontal;
    };
    const std::vector<Case> cases = {{CAlignDlg::IDC_ALIGN_LEFT, false},
                                     {CAlignDlg::IDC_ALIGN_BOTTOM, true},
                                     {CAlignDlg::IDC_ALIGN_RIGHT, false},
                                     {CAlignDlg::IDC_ALIGN_TOP, true}};
    for (const Case& c : cases) {
        Radio(c.radio)->click();
        ASSERT_TRUE(Radio(c.radio)->isChecked()) << c.radio;
        EXPECT_EQ(Check(CAlignDlg::IDC_SPACE_HORIZONTAL)->isEnabled(), c.horizontal) << c.radio;
        EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_HORIZONTAL)->isEnabled(), c.horizontal) << c.radio;
        EXPECT_EQ(Check(CAlignDlg::IDC_SPACE_VERTICAL)->isEnabled(), !c.horizontal) << c.radio;
        EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_VERTICAL)->isEnabled(), !c.horizontal) << c.radio;
    }
}

TEST_F(AlignDlgTest, ValuesInAndOut) {
    AlignValues in;
    in.choice = AlignValues::kRight;
    in.horizontalSpacing = TRUE;
    in.horizontalGap = 25;
    in.verticalSpacing = TRUE;
    in.verticalGap = 1000;
    dialog.SetValues(in);
    EXPECT_TRUE(Radio(CAlignDlg::IDC_ALIGN_RIGHT)->isChecked());
    EXPECT_TRUE(Check(CAlignDlg::IDC_SPACE_HORIZONTAL)->isChecked());
    EXPECT_FALSE(Check(CAlignDlg::IDC_SPACE_HORIZONTAL)->isEnabled());
    EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_HORIZONTAL)->text(), "25");
    EXPECT_EQ(Edit(CAlignDlg::IDC_GAP_VERTICAL)->text(), "1000");

    dialog.show();
    Radio(CAlignDlg::IDC_ALIGN_LEFT)->click();
    Check(CAlignDlg::IDC_SPACE_VERTICAL)->click();
    Edit(CAlignDlg::IDC_GAP_VERTICAL)->setText(" 0 ");
    // The horizontal gap is not offered with left alignment: what it holds is not read.
    Edit(CAlignDlg::IDC_GAP_HORIZONTAL)->setText("5000");
    QTest::mouseClick(Ok(), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    AlignValues out = in;
    out.choice = AlignValues::kLeft;
    out.verticalSpacing = FALSE;
    out.verticalGap = 0;
    EXPECT_EQ(dialog.GetValues(), out);
}

// A gap outside 0..1000 (or no number) stops OK with the range message and puts the focus back
// on its field; a valid gap then passes.
TEST_F(AlignDlgTest, GapOutsideTheRangeIsRefused) {
    dialog.show();
    QLineEdit* gap = Edit(CAlignDlg::IDC_GAP_HORIZONTAL);
    for (const char* text : {"1001", "-1", "abc"}) {
        SCOPED_TRACE(text);
        ui->ClearRecords();
        Ok()->setFocus();
        gap->setText(text);
        QTest::mouseClick(Ok(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_VALUE_RANGE);
        EXPECT_EQ(ui->MessageBoxes()[0].text, "0 から 1000 までの整数を入力してください。");
        EXPECT_EQ(dialog.focusWidget(), gap);
        EXPECT_EQ(dialog.GetValues().horizontalGap, 10);
    }

    gap->setText("1000");
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetValues().horizontalGap, 1000);
}

TEST_F(AlignDlgTest, CancelKeepsTheValuesPassedIn) {
    dialog.show();
    Radio(CAlignDlg::IDC_ALIGN_BOTTOM)->click();
    Edit(CAlignDlg::IDC_GAP_HORIZONTAL)->setText("1001");
    QTest::mouseClick(Control<QPushButton>(dialog, 2), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(dialog.GetValues(), AlignValues());
}

// No button is the default: Enter in a field moves on, and only Enter on 決定 checks and closes.
TEST_F(AlignDlgTest, EnterMovesOnAndClosesOnlyOnOk) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* gap = Edit(CAlignDlg::IDC_GAP_HORIZONTAL);
    gap->setText("2000");
    gap->setFocus();
    QTest::keyClick(gap, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(gap->hasFocus());
    EXPECT_TRUE(ui->MessageBoxes().empty());

    Ok()->setFocus();
    QTest::keyClick(Ok(), Qt::Key_Return);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_VALUE_RANGE);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(gap->hasFocus());

    gap->setText("20");
    Ok()->setFocus();
    QTest::keyClick(Ok(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetValues().horizontalGap, 20);
}

} // namespace
} // namespace tembra
