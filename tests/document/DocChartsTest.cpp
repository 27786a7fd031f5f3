// The document's resource charts (counted, walked, deselected and deleted) and the foreign
// streams it hands on by a file's extension.
#include "DocFileFixture.h"

#include "DocTestSupport.h"
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/DocFileRequests.h"
#include "document/LockFiles.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class DocChartsTest : public test::DocFileFixture {
protected:
    CChart* AddChart(CTembraDoc& doc, WORD purpose, bool selected) {
        auto* chart = new CChart;
        chart->SetPurpose(purpose);
        if (selected) {
            chart->Select();
        }
        doc.GetChartList().AddTail(chart);
        return chart;
    }
};

TEST_F(DocChartsTest, SelectedChartsAreCountedByKindAndDeletedForGood) {
    auto doc = NewChart();
    test::RecordingView view;
    doc->AddView(&view);
    CChart* loading = AddChart(*doc, CChart::kPurposeLoading, true);
    CChart* earned = AddChart(*doc, CChart::kPurposeEarnedValue, true);
    AddChart(*doc, CChart::kPurposeLoading, false);
    EXPECT_EQ(doc->GetResourceCharts().GetChartCount(), 3);
    EXPECT_EQ(doc->GetResourceCharts().CountSelectedCharts(0), 2);
    EXPECT_EQ(doc->GetResourceCharts().CountSelectedCharts(CChart::kPurposeLoading), 1);
    EXPECT_EQ(doc->GetResourceCharts().CountSelectedCharts(CChart::kPurposeEarnedValue), 1);

    // The walk both ways.
    POSITION pos = doc->GetResourceCharts().GetTailChartPosition();
    EXPECT_EQ(doc->GetResourceCharts().GetPrevChart(pos), doc->GetChartList().GetTail());
    pos = doc->GetResourceCharts().GetHeadChartPosition();
    EXPECT_EQ(doc->GetResourceCharts().GetNextChart(pos), loading);
    EXPECT_EQ(doc->GetResourceCharts().GetNextChart(pos), earned);

    doc->GetResourceCharts().UnselectCharts();
    EXPECT_EQ(doc->GetResourceCharts().CountSelectedCharts(0), 0);
    EXPECT_EQ(view.CountFor(loading), 1);
    EXPECT_EQ(view.CountFor(earned), 1);

    earned->Select();
    doc->GetUndoHistory().Reset();
    doc->GetResourceCharts().DeleteSelectedCharts();
    EXPECT_EQ(doc->GetResourceCharts().GetChartCount(), 2);
    // No undo brings it back.
    doc->GetUndoHistory().Undo();
    EXPECT_EQ(doc->GetResourceCharts().GetChartCount(), 2);
    doc->RemoveView(&view);
}

TEST_F(DocChartsTest, TheChartsAreRedrawnWhenTheProcessesTheyCountChange) {
    auto doc = NewChart();
    CChartPos pos;
    pos.SetStartDate(doc->GetSyokiSet().GetStartDate());
    pos.SetEndDate(doc->GetSyokiSet().GetStartDate() + CTimeSpan(3, 0, 0, 0));
    doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
    CChart* chart = AddChart(*doc, CChart::kPurposeLoading, false);
    IChartDocument& charts = *DocumentSeam<IChartDocument>(doc.get());
    const std::uint64_t before = charts.GetObjectsChangeCount();
    test::RecordingView view;
    doc->AddView(&view);
    // The views are told of the process added with the chart there.
    doc->SetModifiedFlag(TRUE);
    EXPECT_EQ(view.CountFor(chart), 1);

    // A change of anything else redraws no chart.
    doc->GetSyokiSet().SetLastRow(77);
    doc->SetModifiedFlag(TRUE);
    EXPECT_EQ(view.CountFor(chart), 1);

    // Every process cut: the chart is redrawn once, and draws itself anew from what is left.
    doc->GetUndoHistory().Reset();
    doc->DeleteAllObjects();
    EXPECT_NE(charts.GetObjectsChangeCount(), before);
    EXPECT_EQ(view.CountFor(chart), 2);
    doc->SetModifiedFlag(TRUE);
    EXPECT_EQ(view.CountFor(chart), 2) << "nothing changed since";

    // Undo brings the process back without marking the chart: the chart is redrawn for it.
    doc->GetUndoHistory().Undo();
    EXPECT_EQ(doc->GetObjCount(), 1);
    EXPECT_EQ(view.CountFor(chart), 3);
    doc->RemoveView(&view);
}

TEST_F(DocChartsTest, TheForeignStreamsAreHandedOnByExtension) {
    struct Case {
        const char* name;
        CTembraDoc::StreamKind kind;
    };
    const Case cases[] = {
        {"a.tbr", CTembraDoc::StreamKind::Native}, {"a.TBR", CTembraDoc::StreamKind::Native},
        {"a.phd", CTembraDoc::StreamKind::Dos},    {"a.PHD", CTembraDoc::StreamKind::Dos},
        {"a.psv", CTembraDoc::StreamKind::Csv},    {"a.T_P", CTembraDoc::StreamKind::Native},
        {"noext", CTembraDoc::StreamKind::Native},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTembraDoc::GetStreamKind(c.name), c.kind) << c.name;
    }

    // Without the converters of the exchange code installed the file is refused with a
    // message that says so, and nothing of it is read or written.
    for (const char* name : {"dos.phd", "data.psv"}) {
        ui->ClearRecords();
        const fs::path path = files.Write(name, "any bytes");
        CTembraDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path.string())) << name;
        ASSERT_EQ(MessageTexts().size(), 1u) << name;
        EXPECT_NE(MessageTexts()[0].find("変換処理がありません"), std::string::npos);
        EXPECT_FALSE(fs::exists(LockFilePath(path)));
    }
    auto doc = NewChart();
    ui->ClearRecords();
    EXPECT_FALSE(doc->DoSave(files.File("out.phd").string(), TRUE));
    EXPECT_EQ(MessageTexts().size(), 1u);
    EXPECT_FALSE(fs::exists(files.File("out.phd")));
    EXPECT_FALSE(fs::exists(files.File("out.$$$")));
}

} // namespace
} // namespace tembra
