// A plain move of the mouse over a chart window of 10,000 processes (each with a term) on 10,000
// rows of a year, the window's client area 1920 x 1080 pixels, the cross-hair on: Qt's move event
// into the window, the view's dispatcher (guide, zone, cross-hair erased and drawn again, the
// chart position and the status bar's date), the cursor for the place and the hyperlink tip.
//
// BM_PlainMoveDrawingProcesses: the draw operation of processes (the cross-hair moves; no edit
// function is plugged in). BM_PlainMoveEditingTerms: the edit operation of terms, where the tip
// looks for a term under the pointer. Goal for each: under 0.5 ms.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"
#include "support/BenchChartWindow.h"
#include "support/BenchFolders.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/ViewApplication.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using namespace tembra;
namespace fs = std::filesystem;

constexpr int kProcesses = 10000;

// The chart in memory, its window shown and scrolled to the middle of the page.
class MouseChart {
public:
    MouseChart() : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        m_folders.Config().SetSystemWord(CConfigBase::kSysCrossCursor, 1);
        InstallFontSubstitutions();

        m_doc.OnNewDocument();
        CSyokiSet& set = m_doc.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetFirstRow(kProcesses / 2 - 50);
        set.SetLastRow(kProcesses / 2 + 49);
        set.CalcDateThinning();
        for (int i = 0; i < kProcesses; ++i) {
            CChartPos pos;
            const int day = (i * 37) % 330;
            pos.SetStartDate(set.GetStartDate() + CTimeSpan(day, 0, 0, 0));
            pos.SetEndDate(set.GetStartDate() + CTimeSpan(day + 3 + i % 30, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>((i * 7919) % kProcesses));
            pos.SetEndRow(pos.GetStartRow());
            std::unique_ptr<CKoutei> process = m_doc.CreateKoutei(&pos);
            auto term = std::make_unique<CYogo>();
            term->SetText(Sjis::FromUtf8("基礎工事"));
            term->SetHyperlink("https://example.org/");
            process->AddYogo(term, TRUE);
            m_doc.AddObj(process.release(), FALSE);
        }
        m_frame = std::make_unique<CTembraFrame>(m_doc, m_app);
        bench::ShowAtClientSize(*m_frame, QSize(1920, 1080));
        CTembraViewWnd& pane = Pane();
        pane.horizontalScrollBar()->setValue(pane.horizontalScrollBar()->maximum() / 2);
        pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
    }
    ~MouseChart() {
        m_frame.reset();
        m_doc.OnCloseDocument();
    }

    CTembraDoc& Doc() { return m_doc; }
    CTembraViewWnd& Pane() { return *m_frame->Pane(0, 0); }

private:
    bench::BenchFolders m_folders;
    bench::BenchViewApplication m_app;
    CTembraDoc m_doc;
    std::unique_ptr<CTembraFrame> m_frame;
};

// Made at its first use, gone before the application object (its window needs it).
std::unique_ptr<MouseChart>& ChartHolder() {
    static std::unique_ptr<MouseChart> chart;
    return chart;
}

MouseChart& Chart() {
    if (!ChartHolder()) {
        ChartHolder() = std::make_unique<MouseChart>();
    }
    return *ChartHolder();
}

// Moves between two points of the chart area, each a full trip through the window.
void RunMoves(benchmark::State& state, LONG mode, LONG operation) {
    MouseChart& chart = Chart();
    chart.Doc().GetOperation().SetMode(mode);
    chart.Doc().GetOperation().SetOperation(operation);
    QWidget* port = chart.Pane().viewport();
    const QPoint points[2] = {QPoint(900, 500), QPoint(1300, 700)};
    int i = 0;
    for (auto _ : state) {
        const QPoint at = points[i++ & 1];
        QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(port, &move);
    }
    state.counters["objects"] = chart.Doc().GetObjCount();
    state.counters["cross"] = chart.Pane().View().IsCrossShown() ? 1 : 0;
}

void BM_PlainMoveDrawingProcesses(benchmark::State& state) {
    RunMoves(state, COperationState::kModeKoutei, COperationState::kOpDraw);
}
BENCHMARK(BM_PlainMoveDrawingProcesses)->Unit(benchmark::kMicrosecond);

void BM_PlainMoveEditingTerms(benchmark::State& state) {
    RunMoves(state, COperationState::kModeYogo, COperationState::kOpEdit);
}
BENCHMARK(BM_PlainMoveEditingTerms)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv, [] { ChartHolder().reset(); });
}
