// The three editors of a resource chart offscreen: the bar-pattern dialog keeps a pattern it
// cannot show while untouched and lets Enter in a combo move on, the line-type dialog takes
// Enter on 決定 and 取消, "その他" asks for the custom colour and keeps it on Cancel, and the
// format sheet's text page stores the alignments and width 0.
#include "dialogs/attributes/BarPatternDlg.h"
#include "dialogs/attributes/ChartFormSheet.h"
#include "dialogs/attributes/LineTypeDlg.h"

#include "dialogs_attributes/ChartSheetFixture.h"
#include "dialogs_attributes/DialogTestSupport.h"
#include "platform/ColorRequest.h"
#include "shapes/ZukeiString.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

namespace tembra {
namespace {

using test::Control;

class ChartEditorsTest : public ::testing::Test {
protected:
    ChartEditorsTest() { test::SetUpChart(chart, CChart::kPurposeLoading, 2); }
    test::ScopedUi ui;
    CChart chart;
};

void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST_F(ChartEditorsTest, BarPatternStoresWhatWasPickedAndKeepsAnUntouchedCode) {
    struct Case {
        LONG stored;
        int picked; // -1: untouched
        LONG expected;
    };
    const Case cases[] = {{100, -1, 100}, {100, 2, 3}, {5, -1, 5}, {5, 0, 999}, {77, 7, 1}};
    for (const Case& c : cases) {
        chart.SetSeriesPattern(1, c.stored);
        CBarPatternDlg dialog(1, chart);
        auto* pattern = Control<QComboBox>(dialog, CBarPatternDlg::IDC_PATTERN);
        if (c.picked >= 0) {
            Pick(pattern, c.picked);
        }
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(chart.GetSeriesPattern(1), c.expected) << c.stored << " " << c.picked;
    }
}

TEST_F(ChartEditorsTest, EnterInABarPatternComboMovesOn) {
    const test::Bytes before = test::StoredBytes(chart);
    CBarPatternDlg dialog(0, chart);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* pattern = Control<QComboBox>(dialog, CBarPatternDlg::IDC_PATTERN);
    pattern->setFocus();
    QTest::keyClick(pattern, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(pattern->hasFocus());
    EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), before));
}

TEST_F(ChartEditorsTest, LineTypeEnterOnOkWritesAndOnCancelCancels) {
    struct Case {
        int button;
        int result;
        short width;
    };
    const Case cases[] = {{1, QDialog::Accepted, 2}, {2, QDialog::Rejected, 0}};
    for (const Case& c : cases) {
        chart.SetSeriesLineWidth(0, 0);
        CLineTypeDlg dialog(0, chart);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        Pick(Control<QComboBox>(dialog, CLineTypeDlg::IDC_LINE_WIDTH), 2);
        auto* button = Control<QPushButton>(dialog, c.button);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), c.result) << c.button;
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(chart.GetSeriesLineWidth(0), c.width) << c.button;
    }
}

// "その他" asks for a colour starting from the custom one: OK replaces it, Cancel keeps it, in
// the series editors and in the format sheet alike.
TEST_F(ChartEditorsTest, OtherColourAskedAndKeptOnCancel) {
    struct Case {
        COLORREF stored;
        int answer;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(10, 20, 30), IDCANCEL, RGB(10, 20, 30)},
        {RGB(10, 20, 30), IDOK, RGB(1, 2, 3)},
        {RGB(255, 0, 0), IDCANCEL, RGB(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " " << c.answer);
        std::vector<COLORREF> asked;
        ui->OnDialog("Color", [&asked, &c](DialogRequest& r) {
            auto& request = static_cast<ColorRequest&>(r);
            asked.push_back(request.color);
            request.color = RGB(1, 2, 3);
            return c.answer;
        });
        chart.SetSeriesLineColor(0, c.stored);
        CLineTypeDlg line(0, chart);
        Pick(Control<QComboBox>(line, CLineTypeDlg::IDC_LINE_COLOR), 6);
        Control<QPushButton>(line, 1)->click();
        EXPECT_EQ(chart.GetSeriesLineColor(0), c.expected);

        chart.SetSeriesPatternColor(0, c.stored);
        CBarPatternDlg bar(0, chart);
        Pick(Control<QComboBox>(bar, CBarPatternDlg::IDC_PATTERN_COLOR), 6);
        Control<QPushButton>(bar, 1)->click();
        EXPECT_EQ(chart.GetSeriesPatternColor(0), c.expected);

        CZukeiString& box = *chart.GetLabel();
        box.SetHatchColor(c.stored);
        CChartFormSheet format(chart, box);
        Pick(Control<QComboBox>(format, CChartFormSheet::IDC_HATCH_COLOR), 6);
        format.OkButton()->click();
        EXPECT_EQ(box.GetHatchColor(), c.expected);
        EXPECT_EQ(asked, std::vector<COLORREF>(3, c.stored));
    }
}

TEST_F(ChartEditorsTest, FormatSheetStoresTheAlignmentsAndWidthZero) {
    struct Case {
        int horizontalId;
        WORD form;
        int verticalId;
        WORD flags;
    };
    const Case cases[] = {
        {CChartFormSheet::IDC_LEFT, 0, CChartFormSheet::IDC_TOP, 0x100},
        {CChartFormSheet::IDC_CENTER, 1, CChartFormSheet::IDC_MIDDLE, 0},
        {CChartFormSheet::IDC_RIGHT, 2, CChartFormSheet::IDC_BOTTOM, 0x200},
    };
    CZukeiString& box = *chart.GetLabel();
    for (const Case& c : cases) {
        CTextAttr text = box.GetTextAttr();
        text.m_form = 1;
        text.m_attrb = 0x200;
        box.SetTextAttr(text);
        LOGFONT font = box.GetFont();
        font.lfHeight = 32;
        font.lfWidth = 16;
        box.SetFont(font);
        CChartFormSheet format(chart, box);
        Control<QRadioButton>(format, c.horizontalId)->click();
        Control<QRadioButton>(format, c.verticalId)->click();
        auto* size = Control<QComboBox>(format, CChartFormSheet::IDC_SIZE);
        EXPECT_EQ(size->currentText(), "32");
        size->setEditText("24");
        format.OkButton()->click();
        EXPECT_EQ(box.GetTextAttr().m_form, c.form) << c.horizontalId;
        EXPECT_EQ(box.GetTextAttr().m_attrb, c.flags) << c.verticalId;
        EXPECT_EQ(box.GetFont().lfHeight, -24);
        EXPECT_EQ(box.GetFont().lfWidth, 0);
    }
    // Neither flag shows 行中央.
    CTextAttr text = box.GetTextAttr();
    text.m_attrb = 0x0004;
    box.SetTextAttr(text);
    CChartFormSheet format(chart, box);
    EXPECT_TRUE(Control<QRadioButton>(format, CChartFormSheet::IDC_MIDDLE)->isChecked());
}

} // namespace
} // namespace tembra
