// The resource-loading chart's settings sheet offscreen: five resources a page with its paging
// buttons, the "折れ線" page that comes and goes with the graph form, display names, and what
// reaches the chart: nothing on 取消 even after paging and the editors' 決定, exactly those
// edits on 決定. The graph page as it is drawn is compared with its reference picture.
#include "dialogs/attributes/ChartSetSheet.h"
#include "dialogs/attributes/BarPatternDlg.h"
#include "dialogs/attributes/ChartFormSheet.h"
#include "dialogs/attributes/ChartSetGraph.h"
#include "dialogs/attributes/ChartSetTotal.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "controls/GraphSampleButton.h"
#include "dialogs_attributes/ChartSheetFixture.h"
#include "dialogs_attributes/DialogTestSupport.h"
#include "document/ChartSheetRequests.h"
#include "shapes/ZukeiString.h"
#include "support/ScriptedUi.h"
#include "support/qt/ReferenceImage.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tembra {
namespace {

using test::Control;

QWidget* Page(CChartSetSheet& sheet, int id) {
    return Control<QWidget>(sheet, id);
}

QStringList TabCaptions(CChartSetSheet& sheet) {
    QStringList captions;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        captions << sheet.Tabs()->tabText(i);
    }
    return captions;
}

class ChartSetSheetTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
};

// The graph and the totals page page alike.
TEST_F(ChartSetSheetTest, PagingOfFiveResources) {
    for (const test::PagingCase& c : test::PagingCases()) {
        SCOPED_TRACE(testing::Message() << c.resources << " resources, " << c.nextClicks);
        const CShigenNameTable names = test::Resources(c.resources);
        CChart chart;
        test::SetUpChart(chart, CChart::kPurposeLoading, c.resources);
        CChartSetSheet sheet(chart, names);
        QWidget* graph = Page(sheet, CChartSetGraph::IDD);
        test::ClickNext(*graph, c.nextClicks);
        test::ExpectSeriesRows(*graph, c);
        QWidget* totals = Page(sheet, CChartSetTotal::IDD);
        test::ClickNext(*totals, c.nextClicks);
        for (std::size_t row = 0; row < 5; ++row) {
            EXPECT_EQ(Control<QLabel>(*totals, CChartSetTotal::kNameIds[row])->text(),
                      c.names[row]);
            EXPECT_EQ(Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[row])->isEnabled(),
                      !std::string(c.names[row]).empty());
        }
        test::ExpectPagingButtons(*totals, c);
    }
}

TEST_F(ChartSetSheetTest, TheLinePageComesAndGoesAsTheLastTab) {
    const CShigenNameTable names = test::Resources(2);
    CChart chart;
    test::SetUpChart(chart, CChart::kPurposeLoading, 2);
    CChartSetSheet sheet(chart, names);
    const QStringList barTabs = {"グラフ", "目盛", "オプション", "資源毎の集計", "日毎の集計"};
    EXPECT_EQ(TabCaptions(sheet), barTabs);
    QWidget* graph = Page(sheet, CChartSetGraph::IDD);
    auto* sample = Control<CGraphSampleButton>(*graph, CChartSetGraph::kSampleIds[0]);
    EXPECT_EQ(sample->Kind(), CGraphSampleButton::kPatternSample);

    Control<QRadioButton>(*graph, CChartSetGraph::IDC_LINE_GRAPH)->click();
    EXPECT_EQ(TabCaptions(sheet), barTabs + QStringList{"折れ線"});
    EXPECT_EQ(sample->Kind(), CGraphSampleButton::kLineSample);
    Control<QRadioButton>(*graph, CChartSetGraph::IDC_BAR_GRAPH)->click();
    EXPECT_EQ(TabCaptions(sheet), barTabs);

    // A chart that already is a line graph opens with the page.
    chart.SetGraphType(CChart::kLineGraph);
    CChartSetSheet lineSheet(chart, names);
    EXPECT_EQ(TabCaptions(lineSheet), barTabs + QStringList{"折れ線"});
}

// A display name equal to the resource's own is stored empty; another is stored as typed, also
// on a row that was paged away.
TEST_F(ChartSetSheetTest, DisplayNames) {
    const CShigenNameTable names = test::Resources(7);
    CChart chart;
    test::SetUpChart(chart, CChart::kPurposeLoading, 7);
    chart.SetDisplayNames({"Pump"});
    CChartSetSheet sheet(chart, names);
    QWidget* totals = Page(sheet, CChartSetTotal::IDD);
    auto* first = Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[0]);
    EXPECT_EQ(first->text(), "Pump");
    EXPECT_EQ(Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[1])->text(), "R1");
    first->setText("R0");
    Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[2])->setText("Crane");
    Control<QPushButton>(*totals, 1853)->click();
    Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[1])->setText("Lift");
    Control<QPushButton>(*totals, 1854)->click();
    EXPECT_EQ(Control<QLineEdit>(*totals, CChartSetTotal::kDisplayIds[2])->text(), "Crane");
    sheet.StoreToChart();
    EXPECT_EQ(chart.GetDisplayNames(),
              (std::vector<std::string>{"", "", "Crane", "", "", "", "Lift"}));
}

// Paging (with a row ticked), a pattern chosen in the bar-pattern dialog and a format sheet's
// 決定 all write the sheet's copy: 取消 leaves the chart's stored bytes as they were, 決定
// stores exactly those edits.
TEST_F(ChartSetSheetTest, CancelLeavesTheChartAndOkStoresTheEdits) {
    const CShigenNameTable names = test::Resources(7);
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "決定" : "取消");
        CChart chart;
        test::SetUpChart(chart, CChart::kPurposeLoading, 7);
        const test::Bytes before = test::StoredBytes(chart);
        ChartSettingsRequest request;
        request.chart = &chart;
        request.names = &names;
        test::WhenShown<CChartSetSheet>([ok](CChartSetSheet& sheet) {
            QWidget* graph = Page(sheet, CChartSetGraph::IDD);
            Control<QCheckBox>(*graph, CChartSetGraph::kShownIds[2])->setChecked(true);
            Control<QPushButton>(*graph, 1853)->click();
            test::WhenShown<CBarPatternDlg>([](CBarPatternDlg& dialog) {
                Control<QComboBox>(dialog, CBarPatternDlg::IDC_PATTERN)->setCurrentIndex(3);
                Control<QPushButton>(dialog, 1)->click();
            });
            Control<QPushButton>(*graph, CChartSetGraph::kSampleIds[1])->click();
            test::WhenShown<CChartFormSheet>([](CChartFormSheet& format) {
                Control<QRadioButton>(format, CChartFormSheet::IDC_BOTTOM)->click();
                format.OkButton()->click();
            });
            Control<QPushButton>(*Page(sheet, CChartSetTotal::IDD), CChartSetTotal::IDC_FORMAT)
                ->click();
            (ok ? sheet.OkButton() : sheet.CancelButton())->click();
        });
        EXPECT_EQ(registry.Run(request), ok ? IDOK : IDCANCEL);
        if (!ok) {
            EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), before));
            continue;
        }
        CChart expected;
        test::SetUpChart(expected, CChart::kPurposeLoading, 7);
        expected.SetSeriesShown(2, 1);
        expected.SetSeriesPattern(6, 4);
        CZukeiString& box = *expected.GetLabel();
        CTextAttr text = box.GetTextAttr();
        text.m_attrb = CZukeiString::kAttrBottom;
        box.SetTextAttr(text);
        // The pages store the fonts at the size shown: the totals box with width 0, the scale
        // and the per-day totals with half the size.
        LOGFONT boxFont = box.GetFont();
        boxFont.lfWidth = 0;
        box.SetFont(boxFont);
        const auto halfWidth = [](LOGFONT font) {
            font.lfHeight = -std::abs(font.lfHeight);
            font.lfWidth = std::abs(font.lfHeight) / 2;
            return font;
        };
        expected.SetScaleFont(halfWidth(expected.GetScaleFont()));
        expected.SetTotalsFont(halfWidth(expected.GetTotalsFont()));
        EXPECT_TRUE(test::SameBytes(test::StoredBytes(chart), test::StoredBytes(expected)));
    }
}

// The graph page with the samples of bar series and, switched, of line series.
TEST_F(ChartSetSheetTest, GraphPageLooksLikeItsReference) {
    const CShigenNameTable names = test::Resources(3);
    CChart chart;
    test::SetUpChart(chart, CChart::kPurposeLoading, 3);
    chart.SetSeriesPatternColor(0, RGB(0, 0, 255));
    chart.SetSeriesPattern(2, 99);
    chart.SetSeriesPatternColor(2, RGB(0, 255, 0));
    chart.SetSeriesLineWidth(2, 2);
    CChartSetSheet sheet(chart, names);
    QWidget* graph = Page(sheet, CChartSetGraph::IDD);
    sheet.resize(420, 330);
    sheet.show();
    const QImage bar = graph->grab().toImage();
    Control<QRadioButton>(*graph, CChartSetGraph::IDC_LINE_GRAPH)->click();
    const QImage line = graph->grab().toImage();
    QImage both(bar.width() + line.width(), std::max(bar.height(), line.height()),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, bar);
    painter.drawImage(bar.width(), 0, line);
    painter.end();
    test::ExpectLooksLike(both, {"dialogs_attributes", "chart_graph_page.png", 0.01});
}

} // namespace
} // namespace tembra
