// The drawing of a resource chart through the recording device context: which clip each step
// draws under, which passes of the background a purpose and a device get, and the flipped-y
// option.
#include "ChartTestSupport.h"

#include "model/KtkmHatch.h"
#include "render/DrawSettings.h"
#include "shapes/ZukeiGroup.h"

#include <gtest/gtest.h>

#include <functional>

#include <vector>

namespace tembra {
namespace {

using test::April;
using test::ChartDoc;
using test::ChartTest;
using test::MakeChart;
using Clip = std::vector<CRect>;

// The clip rectangles in force at every drawing call, as the calls set them: a SelectClipRgn
// starts anew, each IntersectClipRect adds its rectangle, SaveDC and RestoreDC keep and bring
// back the list.
std::vector<Clip> ClipsOfDrawings(const CRecordingDC& dc) {
    std::vector<Clip> clips;
    Clip current;
    std::vector<Clip> saved;
    for (const CRecordingDC::Record& r : dc.Records()) {
        if (r.dc != 0) {
            continue;
        }
        switch (r.op) {
        case DcOp::SaveDC:
            saved.push_back(current);
            break;
        case DcOp::RestoreDC: {
            const long long n = r.args.values.at(0);
            const long long index = n < 0 ? static_cast<long long>(saved.size()) + n : n - 1;
            current = saved.at(static_cast<std::size_t>(index));
            saved.resize(static_cast<std::size_t>(index));
            break;
        }
        case DcOp::SelectClipRgn:
            current.clear();
            if (!r.args.rect.IsRectNull()) {
                current.push_back(r.args.rect);
            }
            break;
        case DcOp::IntersectClipRect:
            current.push_back(r.args.rect);
            break;
        default:
            if (IsDrawingOp(r.op)) {
                clips.push_back(current);
            }
            break;
        }
    }
    return clips;
}

// The clips of consecutive drawing calls, each run of equal clips once.
std::vector<Clip> Runs(const std::vector<Clip>& clips) {
    std::vector<Clip> runs;
    for (const Clip& clip : clips) {
        if (runs.empty() || runs.back() != clip) {
            runs.push_back(clip);
        }
    }
    return runs;
}

std::size_t Count(const std::vector<Clip>& clips, const Clip& clip) {
    return static_cast<std::size_t>(std::count(clips.begin(), clips.end(), clip));
}

CRect Inflated(CRect r, int by) {
    return CRect(r.left - by, r.top + by, r.right + by, r.bottom - by);
}

// A resource-loading graph on rows 5 to 14 with totals per day and per resource, over a
// chart with a hatched band of rows, a selected date range and a holiday.
class ChartDrawTest : public ChartTest {
protected:
    ChartDrawTest() {
        doc.SetNames({"A", "B"});
        doc.AddProcess(April(2), April(6), {{1, 2}, {2, 3}});
        doc.AddProcess(April(4), April(9), {{1, 1}});
        CKtkmHatch& hatch = doc.AddHatch(1, RGB(255, 0, 0), 99);
        hatch.SetFirstRow(6);
        hatch.SetLastRow(8);
        hatch.SetStartDate(April(1));
        hatch.SetEndDate(April(10));
        doc.range.SetStartDate(April(3));
        doc.range.SetEndDate(April(5));
        doc.Holidays(April(8), April(8));
        chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 5, 14, 2, {0, 1});
        chart->SetSeriesPattern(0, 99);
        chart->SetOptions(CChart::kOptionDayTotals | CChart::kOptionResourceTotals);
        EXPECT_TRUE(chart->EnsureLabel());
    }

    // The drawing calls of one group drawn alone on a device like dc.
    std::size_t GroupDrawings(int index, CRecordingDC::Device device) {
        CRecordingDC alone(device);
        alone.SetMapMode(MM_LOMETRIC);
        if (const CZukeiGroup* group = chart->GetGroup(index)) {
            group->Draw(doc, alone, kDrawNormal);
        }
        return alone.Drawings().size();
    }

    // The page area and the chart's rectangle, and the latter 10 units wider.
    CRect PageArea() const { return CRect(-500, 0, 1098, -1510); }
    CRect Bounds() const {
        CRect r;
        chart->GetBoundRect(r, doc, 1);
        return r;
    }

    std::unique_ptr<CChart> chart;
};

TEST_F(ChartDrawTest, EachStepDrawsUnderItsClip) {
    struct Case {
        const char* name;
        WORD purpose;
        CRecordingDC::Device device;
        LONG printHatch;
        bool hatching;
        bool range;
        bool background;
    };
    const std::vector<Case> cases = {
        {"resource-loading graph on the screen", CChart::kPurposeLoading,
         CRecordingDC::Device::Screen, 0, true, true, true},
        {"on paper without hatching", CChart::kPurposeLoading, CRecordingDC::Device::Printer, 0,
         false, false, true},
        {"on paper with hatching", CChart::kPurposeLoading, CRecordingDC::Device::Printer, 1, true,
         false, true},
        {"earned-value line", CChart::kPurposeEarnedValue, CRecordingDC::Device::Screen, 1, false,
         false, false},
        {"chart of an old file", CChart::kPurposeNone, CRecordingDC::Device::Screen, 1, false,
         false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart->SetPurpose(c.purpose);
        chart->BuildShapes(doc, doc.layout);
        doc.printHatch = c.printHatch;
        CRecordingDC dc(c.device);
        dc.SetMapMode(MM_LOMETRIC);
        chart->Draw(doc, doc, dc, kDrawNormal);

        const CRect a = PageArea();
        const CRect r = Bounds();
        const CRect w = Inflated(r, 10);
        const CRect hatchBand(0, r.top, 1000, r.bottom);
        std::vector<Clip> expected = {{a, w}};
        if (c.hatching) {
            expected.push_back({hatchBand});
        }
        if (c.range) {
            expected.push_back({a, r});
        }
        if (c.hatching || c.range) {
            expected.push_back({a, w});
        }
        expected.push_back({a});
        const std::vector<Clip> clips = ClipsOfDrawings(dc);
        EXPECT_EQ(Runs(clips), expected);

        // The frame, the scale and fill, the graph and (for a resource-loading graph) the
        // background of the band are drawn under the page area and the chart's rectangle.
        const std::size_t groups = GroupDrawings(CChart::kGroupFrame, c.device) +
                                   GroupDrawings(CChart::kGroupScale, c.device) +
                                   GroupDrawings(CChart::kGroupGraph, c.device);
        if (c.background) {
            EXPECT_GT(Count(clips, {a, w}), groups);
        } else {
            EXPECT_EQ(Count(clips, {a, w}), groups);
        }
        // The totals per day and the totals block under the page area alone.
        EXPECT_GT(Count(clips, {a}), GroupDrawings(CChart::kGroupDayTotals, c.device));
    }
}

TEST_F(ChartDrawTest, FlippedYAndTheFixedRows) {
    chart->BuildShapes(doc, doc.layout);
    const auto firstClip = [&] {
        CRecordingDC dc;
        dc.SetMapMode(MM_LOMETRIC);
        chart->Draw(doc, doc, dc, kDrawNormal);
        const std::vector<Clip> clips = ClipsOfDrawings(dc);
        return clips.empty() ? Clip{} : clips.front();
    };
    const CRect a = PageArea();
    const CRect w = Inflated(Bounds(), 10);

    DrawSettings settings = GetDrawSettings();
    const DrawSettings saved = settings;
    settings.flipY = true;
    SetDrawSettings(settings);
    const Clip flipped = firstClip();
    SetDrawSettings(saved);
    EXPECT_EQ(flipped, (Clip{CRect(a.left, -a.top, a.right, -a.bottom),
                             CRect(w.left, -w.top, w.right, -w.bottom)}));

    // In the clipped pass of a scrolled chart, the page area is the fixed rows' band.
    doc.layout.SetScrolledDown(TRUE);
    doc.layout.SetClipPass(TRUE);
    const CRect fixed = doc.layout.GetKouteiGridRect();
    const Clip clip = firstClip();
    ASSERT_FALSE(clip.empty());
    EXPECT_EQ(clip.front(), CRect(a.left, fixed.top, a.right, fixed.bottom));
}

TEST_F(ChartDrawTest, TheGroupsGetTheDrawingMode) {
    chart->BuildShapes(doc, doc.layout);
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    chart->Draw(doc, doc, dc, kDrawReference);
    const std::vector<CRecordingDC::Record> boxes = dc.Find(DcOp::Rectangle);
    ASSERT_FALSE(boxes.empty());
    // The frame, drawn first, in the grey of reference drawing.
    EXPECT_EQ(boxes.front().pen.color, CZukei::kReferenceColor);
}

TEST_F(ChartDrawTest, NothingBeforeTheFirstBuild) {
    CRecordingDC dc;
    chart->Draw(doc, doc, dc, kDrawNormal);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(ChartDrawTest, ChangedProcessesAreCountedAnewBeforeTheChartIsDrawn) {
    chart->BuildShapes(doc, doc.layout);
    const std::size_t groups = chart->GetShapes().size();
    ASSERT_EQ(groups, 4u);
    const int modified = doc.modified;
    struct Step {
        const char* name;
        std::function<void()> change;
        bool counted; // whether the drawing counts the processes anew
    };
    const std::vector<Step> steps = {
        {"a paint with nothing changed", [] {}, false},
        {"every process cut",
         [this] {
             doc.objects.clear();
             ++doc.objectChanges;
         },
         true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        CRecordingDC dc;
        dc.SetMapMode(MM_LOMETRIC);
        step.change();
        chart->Draw(doc, doc, dc, kDrawNormal);
        // Without a process no value is above 0: the frame and the scale's group are left, no
        // bars and no totals per day.
        EXPECT_EQ(chart->GetShapes().size(), step.counted ? 2u : groups);
        EXPECT_FALSE(chart->IsStale(doc));
        // Drawing changes nothing of the chart the user made: the document is not marked.
        EXPECT_EQ(doc.modified, modified);
    }
}

} // namespace
} // namespace tembra
