// The earned-value chart's settings sheet offscreen: five resources a page, a tick that survives
// paging, the total and the scale step refused with their messages on their own page, and what
// reaches the chart: nothing on 取消, the copy on 決定.
#include "dialogs/attributes/PieceSetSheet.h"
#include "dialogs/attributes/ChartSetScale.h"
#include "dialogs/attributes/LineTypeDlg.h"
#include "dialogs/attributes/PieceSetGraph.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs_attributes/ChartSheetFixture.h"
#include "dialogs_attributes/DialogTestSupport.h"
#include "document/ChartSheetRequests.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <array>
#include <cstdlib>

namespace tembra {
namespace {

using test::Control;

class PieceSetSheetTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
};

TEST_F(PieceSetSheetTest, PagingOfFiveResources) {
    for (const test::PagingCase& c : test::PagingCases()) {
        SCOPED_TRACE(testing::Message() << c.resources << " resources, " << c.nextClicks);
        const CShigenNameTable names = test::Resources(c.resources);
        CChart chart;
        test::SetUpChart(chart, CChart::kPurposeEarnedValue, c.resources);
        CPieceSetSheet sheet(chart, names);
        auto* graph = Control<QWidget>(sheet, CPieceSetGraph::IDD);
        test::ClickNext(*graph, c.nextClicks);
        test::ExpectSeriesRows(*graph, c);
    }
}

TEST_F(PieceSetSheetTest, ATickSurvivesPagingForwardAndBack) {
    const CShigenNameTable names = test::Resources(7);
    CChart chart;
    test::SetUpChart(chart, CChart::kPurposeEarnedValue, 7);
    CPieceSetSheet sheet(chart, names);
    auto* page = Control<QWidget>(sheet, CPieceSetGraph::IDD);
    auto* first = Control<QCheckBox>(*page, CPieceSetGraph::kShownIds[0]);
    auto* third = Control<QCheckBox>(*page, CPieceSetGraph::kShownIds[2]);
    EXPECT_TRUE(first->isChecked());
    first->setChecked(false);
    third->setChecked(true);
    Control<QPushButton>(*page, 1853)->click();
    EXPECT_FALSE(third->isChecked()) << "row 2 now shows R7, which does not exist";
    Control<QPushButton>(*page, 1854)->click();
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(third->isChecked());
    EXPECT_NE(chart.IsSeriesShown(0), 0) << "only the copy changed";
}

// A total below 1 and a step of 100 % or more are refused with their messages, on their own
// page with the focus on the field; the sheet stays open and 取消 leaves the chart.
TEST_F(PieceSetSheetTest, RefusedValuesKeepTheSheetOpenOnTheirPage) {
    struct Case {
        const char* total;
        const char* step;
        UINT message;
        int pageId;
    };
    const Case cases[] = {
        {"0", "10", 5138, CPieceSetGraph::IDD},    {"-3", "10", 5138, CPieceSetGraph::IDD},
        {"x", "10", 5138, CPieceSetGraph::IDD},    {"100", "100", 5140, CChartSetScale::IDD},
        {"100", "250", 5140, CChartSetScale::IDD},
    };
    const CShigenNameTable names = test::Resources(3);
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " " << c.step);
        ui->ClearRecords();
        CChart chart;
        test::SetUpChart(chart, CChart::kPurposeEarnedValue, 3);
        const test::Bytes before = test::StoredBytes(chart);
        PieceSettingsRequest request;
        request.chart = &chart;
        request.names = &names;
        test::WhenShown<CPieceSetSheet>([&c](CPieceSetSheet& sheet) {
            auto* graph = Control<QWidget>(sheet, CPieceSetGraph::IDD);
            auto* scale = Control<QWidget>(sheet, CChartSetScale::IDD);
            auto* total = graph->findChild<QLineEdit*>(QStringLiteral("total"));
            ASSERT_NE(total, nullptr);
            total->setText(QString::fromUtf8(c.total));
            auto* step = Control<QComboBox>(*scale, CChartSetScale::IDC_STEP);
            step->setEditText(QString::fromUtf8(c.step));
            // Opened on the other page.
            sheet.Tabs()->setCurrentWidget(c.pageId == CPieceSetGraph::IDD ? scale : graph);
            sheet.OkButton()->click();
            EXPECT_TRUE(sheet.isVisible());
            QWidget* page = Control<QWidget>(sheet, c.pageId);
            EXPECT_EQ(sheet.Tabs()->currentWidget(), page);
            QWidget* field = c.pageId == CPieceSetGraph::IDD ? static_cast<QWidget*>(total) : step;
            EXPECT_TRUE(sheet.focusWidget() == field || field->isAncestorOf(sheet.focusWidget()));
            sheet.CancelButton()->click();
        });
        EXPECT_EQ(registry.Run(request), IDCANCEL);
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{c.message});
        EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), before));
    }
}

// 取消 after a line type's 決定 and paging leaves the chart; 決定 stores the copy with them.
TEST_F(PieceSetSheetTest, CancelLeavesTheChartAndOkCopiesTheCopyBack) {
    const CShigenNameTable names = test::Resources(7);
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "決定" : "取消");
        CChart chart;
        test::SetUpChart(chart, CChart::kPurposeEarnedValue, 7);
        const test::Bytes before = test::StoredBytes(chart);
        PieceSettingsRequest request;
        request.chart = &chart;
        request.names = &names;
        test::WhenShown<CPieceSetSheet>([ok](CPieceSetSheet& sheet) {
            auto* graph = Control<QWidget>(sheet, CPieceSetGraph::IDD);
            graph->findChild<QLineEdit*>(QStringLiteral("total"))->setText("800");
            Control<QCheckBox>(*graph, CPieceSetGraph::kShownIds[4])->setChecked(true);
            Control<QPushButton>(*graph, 1853)->click();
            test::WhenShown<CLineTypeDlg>([](CLineTypeDlg& dialog) {
                auto* type = Control<QComboBox>(dialog, CLineTypeDlg::IDC_LINE_TYPE);
                type->setCurrentIndex(4);
                Control<QPushButton>(dialog, 1)->click();
            });
            Control<QPushButton>(*graph, CPieceSetGraph::kSampleIds[1])->click();
            auto* scale = Control<QWidget>(sheet, CChartSetScale::IDD);
            Control<QComboBox>(*scale, CChartSetScale::IDC_STEP)->setEditText("自動");
            (ok ? sheet.OkButton() : sheet.CancelButton())->click();
        });
        EXPECT_EQ(registry.Run(request), ok ? IDOK : IDCANCEL);
        if (!ok) {
            EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), before));
            continue;
        }
        CChart expected;
        test::SetUpChart(expected, CChart::kPurposeEarnedValue, 7);
        expected.SetMaxValue(800);
        expected.SetSeriesShown(4, 1);
        expected.SetSeriesLineType(6, 4);
        expected.SetScaleStep(0);
        LOGFONT scaleFont = expected.GetScaleFont();
        scaleFont.lfHeight = -std::abs(scaleFont.lfHeight);
        scaleFont.lfWidth = std::abs(scaleFont.lfHeight) / 2;
        expected.SetScaleFont(scaleFont);
        EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), test::StoredBytes(expected)));
    }
}

} // namespace
} // namespace tembra
