// The floating overview of a large chart: 1,000 and 10,000 processes (dressed as the chart
// benchmarks dress them) on as many rows of a year, a chart window of 1920 x 1080 pixels and the
// overview of 480 x 270 pixels beside it (the offscreen platform at its own resolution).
//
// BM_OverviewAfterScroll: the chart window scrolled by a step (not timed) and the overview told
// of it and repainted at once, as a scroll of the chart window does: the rings round the old and
// the new frame, from the fitted chart's image kept since the last change. Goal: under 2 ms.
// BM_OverviewFullRedraw: the whole overview drawn anew, the chart fitted and drawn through the
// chart view's painters (what a change of the chart costs).
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "shell/FloatWnd.h"
#include "support/BenchChartWindow.h"
#include "support/BenchFolders.h"
#include "support/BenchProcesses.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace tembra;
namespace fs = std::filesystem;

constexpr int kShownRows = 100;

class Setup {
public:
    Setup() : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        InstallFontSubstitutions();
    }

    // The chart file of n processes, written on first use.
    const fs::path& File(int processes) {
        auto it = m_files.find(processes);
        if (it != m_files.end()) {
            return it->second;
        }
        CTembraDoc chart;
        chart.OnNewDocument();
        CSyokiSet& set = chart.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetFirstRow(static_cast<WORD>(processes / 2 - kShownRows / 2));
        set.SetLastRow(static_cast<WORD>(processes / 2 + kShownRows / 2 - 1));
        set.CalcDateThinning();
        const CTime start = set.GetStartDate();
        for (int i = 0; i < processes; ++i) {
            CChartPos pos;
            const int day = (i * 37) % 330;
            const int row = (i * 7919) % processes;
            pos.SetStartDate(start + CTimeSpan(day, 0, 0, 0));
            pos.SetEndDate(start + CTimeSpan(day + 3 + i % 30, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>(row));
            pos.SetEndRow(static_cast<WORD>(row));
            std::unique_ptr<CKoutei> process = chart.CreateKoutei(&pos);
            bench::DressProcess(*process, i);
            chart.AddObj(process.release(), FALSE);
        }
        const fs::path file = m_folders.Dir() / ("chart" + std::to_string(processes) + ".tbr");
        chart.OnSaveDocument(file.string());
        return m_files.emplace(processes, file).first->second;
    }
    bench::BenchViewApplication& App() { return m_app; }

private:
    bench::BenchFolders m_folders;
    std::map<int, fs::path> m_files;
    bench::BenchViewApplication m_app;
};

Setup& Charts() {
    static Setup setup;
    return setup;
}

// The chart open in a window of 1920 x 1080 with the overview of 480 x 270 showing it.
class Scene {
public:
    explicit Scene(int processes) {
        m_ok = m_doc.OnOpenDocument(Charts().File(processes).string());
        if (!m_ok) {
            return;
        }
        m_overview.resize(480, 270);
        m_overview.show();
        CTembraViewWnd::SetOverview(&m_overview);
        m_frame = std::make_unique<CTembraFrame>(m_doc, Charts().App());
        bench::ShowAtClientSize(*m_frame, QSize(1920, 1080));
        QApplication::processEvents();
        m_overview.UpdateFloatView(&Pane().View(), CTembraView::kHintActiveView, nullptr);
        m_overview.repaint();
    }
    ~Scene() {
        m_frame.reset();
        CTembraViewWnd::SetOverview(nullptr);
        if (m_ok) {
            m_doc.OnCloseDocument();
        }
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    bool Ok() const { return m_ok; }
    CTembraViewWnd& Pane() { return *m_frame->Pane(0, 0); }
    CFloatWnd& Overview() { return m_overview; }
    CTembraDoc& Doc() { return m_doc; }

private:
    CTembraDoc m_doc;
    CFloatWnd m_overview{nullptr};
    std::unique_ptr<CTembraFrame> m_frame;
    bool m_ok = false;
};

void BM_OverviewAfterScroll(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    if (!scene.Ok()) {
        state.SkipWithError("the chart did not open");
        return;
    }
    CTembraView& view = scene.Pane().View();
    const CPoint home = view.GetScrollPosition();
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++step;
        view.ScrollToPosition(home + CPoint((step % 2) * 500, -(step % 2) * 300));
        state.ResumeTiming();
        scene.Overview().UpdateFloatView(nullptr, CTembraView::kHintPosition, nullptr);
        scene.Overview().RepaintNow();
    }
    state.counters["objects"] = scene.Doc().GetObjCount();
}
BENCHMARK(BM_OverviewAfterScroll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_OverviewFullRedraw(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    if (!scene.Ok()) {
        state.SkipWithError("the chart did not open");
        return;
    }
    for (auto _ : state) {
        scene.Overview().UpdateFloatView(nullptr, 0, nullptr);
        scene.Overview().RepaintNow();
    }
    state.counters["objects"] = scene.Doc().GetObjCount();
}
BENCHMARK(BM_OverviewFullRedraw)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv);
}
