// The schedule document as its resource charts see it: the objects of both lists, the resource
// table, the working calendar, the print header's hatching setting, the modified flag and the
// views; the bounds the page layout asks of a chart; and the deselection of the charts.
#include "DocTestSupport.h"
#include "PageFixture.h"
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ProbeRecord;
using test::RecordingView;
using test::ScopedAppState;

// April 2010 over a chart rectangle (0, 0, 3000, -1500) with 30 rows.
class ChartDocumentSeamTest : public ::testing::Test {
protected:
    ChartDocumentSeamTest() {
        CSyokiSet& set = doc.GetSyokiSet();
        CPrintArea::StoredFields f = test::AprilPageFields();
        f.page = CRect(-500, 100, 3100, -1500);
        test::SetAprilPage(set, f);
        layout.Init(&view);
        doc.AddView(&views);
    }

    // A process of resource 1 from one day of April to another.
    CKoutei* Process(int startDay, int endDay, WORD quantity) {
        auto* process = new CKoutei;
        process->SetStartDate(Day(2010, 4, startDay));
        process->SetEndDate(Day(2010, 4, endDay));
        process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, quantity));
        return process;
    }

    ScopedAppState app;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
    CPageLayout layout;
    RecordingView views;
};

TEST_F(ChartDocumentSeamTest, TheDocumentAnswersItsCharts) {
    IChartDocument* seam = DocumentSeam<IChartDocument>(&doc);
    ASSERT_NE(seam, nullptr);
    EXPECT_EQ(seam, &doc.GetSeams().Chart());
    EXPECT_EQ(&seam->GetShigenNames(), &doc.GetShigenNames());
    EXPECT_EQ(seam->GetCalendar(), &doc.GetWorkCalendar());
    doc.GetPrHeader().SetHatch(1);
    EXPECT_EQ(seam->GetPrintHatch(), 1);
    doc.GetPrHeader().SetHatch(0);
    EXPECT_EQ(seam->GetPrintHatch(), 0);

    // The unselected objects in list order, then the selected ones.
    doc.GetObjList().AddTail(new ProbeRecord(kTypeEvent, "first"));
    doc.GetObjList().AddTail(new ProbeRecord(kTypeEvent, "second"));
    doc.GetSelList().AddTail(new ProbeRecord(kTypeEvent, "selected"));
    std::vector<std::string> visited;
    seam->ForEachObject([&](const CDataHeader& object) {
        visited.push_back(static_cast<const ProbeRecord&>(object).Name());
    });
    EXPECT_EQ(visited, (std::vector<std::string>{"first", "second", "selected"}));

    doc.SetModifiedFlag(FALSE);
    doc.SetChangedFlag(FALSE);
    seam->SetModified();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetChangedFlag());
    CChart chart;
    seam->UpdateAllViewsWith(&chart);
    EXPECT_EQ(views.CountFor(&chart), 1);
}

// A chart built on the document counts its selected processes too, and the page layout's bounds
// of the chart are the rectangle of its groups and its totals block.
TEST_F(ChartDocumentSeamTest, AChartBuiltOnTheDocument) {
    doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 1, "Crane"));
    doc.GetObjList().AddTail(Process(2, 5, 2));
    CKoutei* selected = Process(4, 6, 3);
    selected->CDataHeader::Select();
    doc.GetSelList().AddTail(selected);
    CChart chart;
    chart.SetPurpose(CChart::kPurposeLoading);
    chart.SetTopRow(10);
    chart.SetBottomRow(19);
    chart.SetSeriesCount(static_cast<int>(doc.GetShigenNames().size()));
    chart.SetSeriesShown(0, 1);
    chart.SetOptions(CChart::kOptionDayTotals);
    doc.SetModifiedFlag(FALSE);
    ASSERT_TRUE(chart.BuildShapes(doc.GetSeams().Chart(), layout));
    EXPECT_TRUE(doc.IsModified());
    const std::span<const int> values = chart.GetDayValues(1);
    ASSERT_EQ(values.size(), 30u);
    EXPECT_EQ(std::vector<int>(values.begin(), values.begin() + 6),
              (std::vector<int>{0, 2, 2, 5, 3, 0}));

    CRect bounds;
    chart.GetBoundRect(bounds, CZukeiLayoutView(layout), 1);
    EXPECT_FALSE(bounds.IsRectNull());
    EXPECT_EQ(doc.GetSeams().PageLayout().GetRecordBounds(chart, layout, nullptr), bounds);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &chart, 0), bounds);
}

TEST_F(ChartDocumentSeamTest, DeselectingEverythingDeselectsTheChartsAndTheirFrames) {
    auto* chart = new CChart;
    chart->SetPurpose(CChart::kPurposeLoading);
    chart->SetTopRow(10);
    chart->SetBottomRow(19);
    chart->BuildShapes(doc.GetSeams().Chart(), layout);
    doc.GetChartList().AddTail(chart);
    chart->Select();
    const CZukei* frame = chart->GetGroup(CChart::kGroupFrame)->GetMember(0);
    ASSERT_EQ(frame->IsSelected(), 1);

    doc.GetSelection().UnselectAll();
    EXPECT_EQ(chart->IsSelected(), 0);
    EXPECT_EQ(frame->IsSelected(), 0);
    EXPECT_EQ(views.CountFor(chart), 1);
}

} // namespace
} // namespace tembra
