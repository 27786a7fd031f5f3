// Hit tests of drawing shapes on an A4 chart: 1,000 shapes of every standard kind and polygons,
// each 200 to 2,000 units across, hollow and filled, placed at random (a fixed seed) on the
// chart. One iteration tests every shape against a click probe in the middle of the chart (goal:
// under 5 ms), or against a band around all of them, asking whether each lies inside it (goal:
// under 50 ms).
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Paths.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiFan.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiView.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

using namespace tembra;

constexpr int kShapeCount = 1000;
constexpr int kKindCount = 13;

// A schedule document on an A4 page of April 2010 and 30 rows, with nothing in it, and its
// layout as a view binds one.
class Chart : public IPageLayoutView {
public:
    Chart() {
        CSyokiSet& settings = m_doc.GetSyokiSet();
        settings.GetPageSetting().SetPaper(kPaperA4, 0, Paths::ShippedDataDir() / "MASTER01.LYT",
                                           -1);
        settings.SetStartDate(CTime(2010, 4, 1, 0, 0, 0));
        settings.SetEndDate(CTime(2010, 4, 30, 0, 0, 0));
        settings.SetFirstRow(0);
        settings.SetLastRow(29);
        layout.Init(this);
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_doc);
    }

    CPageLayout layout;

private:
    mutable CTembraDoc m_doc;
};

// A shape of kind k (12 standard kinds and the polygon) across the box of two chart points.
std::unique_ptr<CZukei> MakeShape(int k, const CZukeiPoint& a, const CZukeiPoint& b) {
    const auto two = [&](auto shape) {
        shape->SetAnchor1(a);
        shape->SetAnchor2(b);
        return std::unique_ptr<CZukei>(std::move(shape));
    };
    const auto three = [&](auto shape) {
        // About the box's centre, through its right edge, three quarters round.
        const CTime mid = a.GetDate() + CTimeSpan((b.GetDate() - a.GetDate()).GetTimeSpan() / 2);
        const double row = (a.GetRow() + b.GetRow()) / 2;
        shape->SetAnchor(0, CZukeiPoint(mid, row));
        shape->SetAnchor(1, CZukeiPoint(b.GetDate(), row));
        shape->SetAnchor(2, CZukeiPoint(mid, b.GetRow()));
        shape->SetPointCount(3);
        return std::unique_ptr<CZukei>(std::move(shape));
    };
    switch (k) {
    case 0:
        return two(std::make_unique<CZukeiLine>());
    case 1:
        return two(std::make_unique<CZukeiBox>());
    case 2:
        return two(std::make_unique<CZukeiBox2>());
    case 3:
        return two(std::make_unique<CZukeiCircle>());
    case 4:
        return two(std::make_unique<CZukeiEllipse>());
    case 5:
        return three(std::make_unique<CZukeiArc>());
    case 6:
        return three(std::make_unique<CZukeiFan>());
    case 7:
        return two(std::make_unique<CZukeiDelta1>());
    case 8:
        return two(std::make_unique<CZukeiDelta2>());
    case 9:
        return two(std::make_unique<CZukeiArrow1>());
    case 10:
        return two(std::make_unique<CZukeiArrow2>());
    case 11:
        return two(std::make_unique<CZukeiDiamond>());
    default: {
        // A pentagon inside the box.
        auto polygon = std::make_unique<CZukeiPolygon>();
        const CTimeSpan span = b.GetDate() - a.GetDate();
        const double rows = b.GetRow() - a.GetRow();
        const double xs[] = {0.5, 1.0, 0.8, 0.2, 0.0};
        const double ys[] = {0.0, 0.4, 1.0, 1.0, 0.4};
        for (int i = 0; i < 5; ++i) {
            polygon->AddPoint(CZukeiPoint(
                a.GetDate() + CTimeSpan(static_cast<std::int64_t>(span.GetTimeSpan() * xs[i])),
                a.GetRow() + rows * ys[i]));
        }
        return polygon;
    }
    }
}

// 1,000 shapes, 200 to 2,000 units across (a day is about 74 units, a row about 49), half of
// them hollow.
std::vector<std::unique_ptr<CZukei>> MakeShapes() {
    std::mt19937 random(2010);
    std::uniform_int_distribution<int> size(200, 2000);
    std::uniform_real_distribution<double> where(0.0, 1.0);
    const double dayUnits = 2210.0 / 30;
    const double rowUnits = 1480.0 / 30;
    std::vector<std::unique_ptr<CZukei>> shapes;
    for (int i = 0; i < kShapeCount; ++i) {
        const double width = size(random) / dayUnits;                  // days
        const double height = std::min(size(random) / rowUnits, 29.0); // rows
        const double day = where(random) * std::max(0.0, 30.0 - width);
        const double row = where(random) * (30.0 - height);
        const CTime start = CTime(2010, 4, 1, 0, 0, 0) + CTimeSpan(static_cast<LONG>(day * 86400));
        const CTime end = start + CTimeSpan(static_cast<LONG>(width * 86400));
        auto shape =
            MakeShape(i % kKindCount, CZukeiPoint(start, row), CZukeiPoint(end, row + height));
        shape->SetAttr(CZukeiAttr{0, 0, 0, static_cast<short>(-(1 + i % 6)), 0,
                                  i % 2 == 0 ? kHatchNone : WORD{100}, 0, 60});
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

void Probe(benchmark::State& state, const CRect& probe, int mode) {
    Chart chart;
    const CZukeiLayoutView view(chart.layout);
    const std::vector<std::unique_ptr<CZukei>> shapes = MakeShapes();
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const auto& shape : shapes) {
            hits += shape->HitTest(view, probe, mode) != FALSE ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    state.SetItemsProcessed(state.iterations() * kShapeCount);
}

// A click: 10 units square in the middle of the chart (530..2740, -120..-1600).
void BM_ClickProbe(benchmark::State& state) {
    Probe(state, CRect(1630, -855, 1640, -865), kHitTouch);
}
BENCHMARK(BM_ClickProbe)->Unit(benchmark::kMillisecond);

// An area selection around the whole page.
void BM_BandAroundAll(benchmark::State& state) {
    Probe(state, CRect(-100, 100, 2900, -1700), kHitInside);
}
BENCHMARK(BM_BandAroundAll)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
