// Processes drawn on paper through the recording device context, with and without the lifting
// of their lines over the other processes' lines ("CrossType"). The chart holds n processes
// (the benchmark argument), each an elbow that drops three rows and runs ten days to the right,
// spread over a period of 300 days and 600 rows so that each vertical leg crosses a few level
// legs of its neighbours. Every process is drawn once per iteration, as a printed page draws
// them. In a drawing pass (as the print routine opens one per page) the crossings of a leg are
// looked up in the layout's index of process lines. Outside a pass a
// document that counts its changes, as the application's does, has the index kept while its
// count holds; one that counts none has its whole object list walked for every leg, so that
// such a page grows with n squared.
//
// A print job of many pages (BM_PrintJobWithCrossings) draws the chart page by page, 50 rows a
// page, each page on its own copy of the layout in a pass of its own, as the print routine
// does, the chart's process lines handed from page to page as the job hands them; a page draws
// the processes that start in its rows (those the object index would find there). Its chart has
// about 0.6 rows per process, so that a page holds about the same number of processes however
// long the chart is, and a page as tall as A3 paper; the time is reported per page.
#include "model/Calendar.h"
#include "model/ConfigPrint.h"
#include "model/Koumoku.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "render/KouteiCrossLines.h"
#include "render/KouteiDraw.h"
#include "render/PageLayout.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tembra;

constexpr int kDays = 300;
constexpr int kRows = 600;
constexpr int kRowsPerPage = 50;

// A chart document as the painters read it: its settings, calendar, print settings and
// processes; nothing else.
class Chart : public IPageLayoutDocument, public IPageLayoutView {
public:
    // counting: the chart counts its changes (it makes none while it is drawn); rows: the rows
    // its processes are spread over; height: the height of its chart area; scattered: the
    // processes placed at random (the same every run) rather than on a regular pattern, each
    // 2 to 21 days long dropping 2 to 11 rows.
    Chart(int count, bool counting, int rows = kRows, int height = 30000, bool scattered = false)
        : m_counting(counting) {
        CPrintArea::StoredFields f;
        f.paper = CRect(-500, 100, 30100, -height - 100);
        f.header = CRect(-500, 100, 30100, 100);
        f.page = CRect(-500, 100, 30100, -height);
        f.date = CRect(-500, 100, 30000, 0);
        f.edit = CRect(-500, 0, 30000, -height);
        f.items = CRect(-500, 0, 0, -height);
        f.chart = CRect(0, 0, 30000, -height);
        f.inner = CRect(0, 0, 30000, -height);
        f.footer = CRect(-500, -height, 30000, -height);
        f.itemWidth = 500;
        m_set.GetPageSetting().SetStoredFields(f);
        m_set.SetStartDate(CTime(2000, 1, 1));
        m_set.SetEndDate(CTime(2000, 1, 1) + CTimeSpan(kDays - 1, 0, 0, 0));
        m_set.SetFirstRow(0);
        m_set.SetLastRow(static_cast<short>(rows - 1));
        CConfigChart& chart = m_set.GetChart();
        chart.SetCornerSize(10);
        chart.SetArrowLength(12);
        chart.SetArrowAngle(30);
        chart.GetLandAttr().m_radius = 10;
        m_calendar.Clear();
        m_print.SetArcRay(9);
        std::minstd_rand random(42);
        for (int n = 0; n < count; ++n) {
            auto koutei = std::make_unique<CKoutei>();
            int day = (n * 7) % (kDays - 12);
            int row = (n * 13) % (rows - 4);
            int days = 10;
            int drop = 3;
            if (scattered) {
                day = static_cast<int>(random() % (kDays - 24));
                row = static_cast<int>(random() % static_cast<unsigned>(rows - 12));
                days = 2 + static_cast<int>(random() % 20);
                drop = 2 + static_cast<int>(random() % 10);
            }
            koutei->SetStartDate(CTime(2000, 1, 1) + CTimeSpan(day, 0, 0, 0));
            koutei->SetEndDate(CTime(2000, 1, 1) + CTimeSpan(day + days, 0, 0, 0));
            koutei->SetStartRow(static_cast<WORD>(row));
            koutei->SetEndRow(static_cast<WORD>(row + drop));
            koutei->GetLines()->GetAttr().m_style = kLineShapeElbowVH;
            koutei->GetStartLand()->SetSize(100);
            koutei->GetEndLand()->SetSize(100);
            m_objects.push_back(koutei.get());
            m_processes.push_back(std::move(koutei));
        }
        m_layout.Init(this);
    }

    void SetCrossType(short type) { m_print.SetCrossType(type); }
    const CPageLayout& Layout() const { return m_layout; }
    const std::vector<std::unique_ptr<CKoutei>>& Processes() const { return m_processes; }

    const CSyokiSet* GetSyokiSet() const override { return &m_set; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    const CKoumoku* GetKoumoku() const override { return &m_table; }
    bool GetKouteiBoundsParts(const CDataHeader& process, const CPageLayout& layout, CDC* dc,
                              bool withTerms, bool withResources,
                              KouteiBoundsParts& parts) const override {
        const auto* koutei = dynamic_cast<const CKoutei*>(&process);
        if (koutei != nullptr) {
            tembra::GetKouteiBoundsParts(*koutei, layout, dc, withTerms, withResources, parts);
        }
        return koutei != nullptr;
    }
    CRect GetRecordBounds(const CDataHeader&, const CPageLayout&, CDC*) const override {
        return CRect();
    }
    const CChartPos* GetSelectedDateRange() const override { return nullptr; }
    void ForEachHatch(const std::function<void(const CKtkmHatch&)>&) const override {}
    const CConfigPrint* GetPrintSettings() const override { return &m_print; }
    int GetSelectedKoumokuRows(int& first, int& last) const override {
        first = last = -1;
        return 0;
    }
    int GetSelectedKoumokuCols(int& first, int& last) const override {
        first = last = -1;
        return 0;
    }
    std::string GetMacroFileName() const override { return {}; }
    const CKoumokuData* GetKoumokuCell(int, int) const override { return nullptr; }
    int GetShigenName(int, std::string&) const override { return -1; }
    void MeasureShigenList(const CShigen&, int& nameLength, int& amount) const override {
        nameLength = amount = 0;
    }
    std::string GetShigenLabel(const CShigen&, int) const override { return {}; }
    LONG GetObjectMode() const override { return 1; }
    void ForEachChartObject(const std::function<void(const CDataHeader&)>& visit) const override {
        for (const CDataHeader* object : m_objects) {
            visit(*object);
        }
    }
    IPageLayoutDocument* GetLayoutDocument() const override { return const_cast<Chart*>(this); }
    std::uint64_t GetChangeCount() const override { return m_counting ? 1 : 0; }

private:
    bool m_counting;
    CSyokiSet m_set;
    CCalendar m_calendar;
    CKoumoku m_table;
    CConfigPrint m_print;
    std::vector<std::unique_ptr<CKoutei>> m_processes;
    std::vector<const CDataHeader*> m_objects;
    CPageLayout m_layout;
};

void DrawPage(benchmark::State& state, short crossType, bool inPass, bool counting = false) {
    Chart chart(static_cast<int>(state.range(0)), counting);
    chart.SetCrossType(crossType);
    CRecordingDC dc(CRecordingDC::Device::Printer);
    dc.SetMapMode(MM_LOMETRIC);
    for (auto _ : state) {
        {
            std::optional<CPageLayout::DrawPass> pass;
            if (inPass) {
                pass.emplace(chart.Layout());
            }
            for (const auto& koutei : chart.Processes()) {
                Draw(*koutei, &dc, chart.Layout(), kKouteiDrawNormal);
            }
        }
        state.PauseTiming();
        dc.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PrintWithoutCrossings(benchmark::State& state) {
    DrawPage(state, 0, true);
}
void BM_PrintWithCrossings(benchmark::State& state) {
    DrawPage(state, 1, true);
}
void BM_PrintWithCrossingsOutsideAPass(benchmark::State& state) {
    DrawPage(state, 1, false, true);
}
void BM_PrintWithCrossingsOutsideAPassUncounted(benchmark::State& state) {
    DrawPage(state, 1, false, false);
}

// The pages of the chart of n processes, each with the processes that start in its rows.
void PrintJob(benchmark::State& state, short crossType) {
    const int count = static_cast<int>(state.range(0));
    const int rows = std::min(CPageLayout::kMaxRow, std::max(kRows, count * 3 / 5));
    // The chart as tall as on A3 paper in tenths of a millimetre.
    Chart chart(count, true, rows, 2800, true);
    chart.SetCrossType(crossType);
    const int pages = (rows + kRowsPerPage - 1) / kRowsPerPage;
    std::vector<std::vector<CKoutei*>> onPage(static_cast<std::size_t>(pages));
    for (const auto& koutei : chart.Processes()) {
        onPage[static_cast<std::size_t>(koutei->GetStartRow() / kRowsPerPage)].push_back(
            koutei.get());
    }
    CRecordingDC dc(CRecordingDC::Device::Printer);
    dc.SetMapMode(MM_LOMETRIC);
    std::size_t arcs = 0;
    for (auto _ : state) {
        arcs = 0;
        // What one page hands to the next, as the print job keeps it.
        std::shared_ptr<const CKouteiCrossLines> lines;
        for (int p = 0; p < pages; ++p) {
            CPageLayout page(chart.Layout());
            page.SetOutputMode(1);
            page.SetFirstRow(static_cast<short>(p * kRowsPerPage));
            page.SetLastRow(static_cast<short>(p * kRowsPerPage + kRowsPerPage - 1));
            page.AdoptCrossLines(lines);
            {
                const CPageLayout::DrawPass pass(page);
                for (CKoutei* koutei : onPage[static_cast<std::size_t>(p)]) {
                    Draw(*koutei, &dc, page, kKouteiDrawNormal);
                }
            }
            lines = page.GetCrossLines();
            state.PauseTiming();
            arcs += dc.Find(DcOp::Arc).size();
            dc.Clear();
            state.ResumeTiming();
        }
    }
    // The time per page, and the arcs of the crossings of the job.
    state.counters["page"] = benchmark::Counter(static_cast<double>(pages),
                                                benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
    state.counters["pages"] = pages;
    state.counters["arcs"] = static_cast<double>(arcs);
}

void BM_PrintJobWithoutCrossings(benchmark::State& state) {
    PrintJob(state, 0);
}
void BM_PrintJobWithCrossings(benchmark::State& state) {
    PrintJob(state, 1);
}

BENCHMARK(BM_PrintJobWithoutCrossings)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintJobWithCrossings)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintWithoutCrossings)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintWithCrossings)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintWithCrossingsOutsideAPass)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintWithCrossingsOutsideAPassUncounted)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
