// The chart window of a large chart: 10,000 processes (each with a term, every fifth with a
// resource) on 10,000 rows of a year, 1,000 events, the window showing 100 rows at a time, in a
// window whose client area is 1920 x 1080 pixels (the offscreen platform at its own resolution).
//
// BM_VisibleAreaRepaint: the whole client area invalidated and painted at once through the view,
// scrolled to the middle of the page: the background, the chart drawn into the window's backing
// image and the image copied to the window. Goal: under 8 ms.
// BM_OpenIntoView: the chart file opened into a new chart window: the load, the view's initial
// update and its first paint. Goal: under 150 ms.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "platform/Time.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "support/BenchChartWindow.h"
#include "support/BenchFolders.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/ViewApplication.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace tembra;
namespace fs = std::filesystem;

constexpr int kProcesses = 10000;
constexpr int kEvents = 1000;
constexpr int kShownRows = 100;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The program's folders and settings, and the chart file written once.
class Setup {
public:
    Setup() : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        InstallFontSubstitutions();

        CTembraDoc chart;
        chart.OnNewDocument();
        Fill(chart);
        m_file = m_folders.Dir() / "chart.tbr";
        chart.OnSaveDocument(m_file.string());
    }

    const fs::path& File() const { return m_file; }
    bench::BenchViewApplication& App() { return m_app; }

private:
    static void Fill(CTembraDoc& chart) {
        CSyokiSet& set = chart.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        // The rows of the middle of the chart.
        set.SetFirstRow(kProcesses / 2 - kShownRows / 2);
        set.SetLastRow(kProcesses / 2 + kShownRows / 2 - 1);
        set.CalcDateThinning();
        chart.GetShigenNames().push_back(
            std::make_unique<CShigenName>(1, 4, Sjis::FromUtf8("作業員")));
        const CTime start = set.GetStartDate();
        for (int i = 0; i < kProcesses; ++i) {
            CChartPos pos;
            const int day = (i * 37) % 330;
            const int row = (i * 7919) % kProcesses;
            pos.SetStartDate(start + CTimeSpan(day, 0, 0, 0));
            pos.SetEndDate(start + CTimeSpan(day + 3 + i % 30, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>(row));
            pos.SetEndRow(static_cast<WORD>(row));
            std::unique_ptr<CKoutei> process = chart.CreateKoutei(&pos);
            auto term = std::make_unique<CYogo>();
            term->SetText(Sjis::FromUtf8("基礎工事"));
            term->GetAttr().m_fontHeigh = 1;
            term->GetAttr().m_fontWidth = 1;
            term->GetAttr().m_form = kYogoPlaceMiddle;
            process->AddYogo(term, TRUE);
            if (i % 5 == 0) {
                process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 3));
            }
            chart.AddObj(process.release(), FALSE);
        }
        for (int i = 0; i < kEvents; ++i) {
            std::unique_ptr<CEvent> event = chart.GetEvents().CreateEvent();
            event->SetStartDate(start + CTimeSpan((i * 53) % 360, 0, 0, 0));
            event->SetStartRow(static_cast<WORD>((i * 211) % kProcesses));
            event->SetText(Sjis::FromUtf8("検査"));
            chart.AddObj(event.release(), FALSE);
        }
    }

    bench::BenchFolders m_folders;
    fs::path m_file;
    bench::BenchViewApplication m_app;
};

Setup& Chart() {
    static Setup setup;
    return setup;
}

// A chart window on the document, its client area 1920 x 1080 pixels.
std::unique_ptr<CTembraFrame> ShowWindow(CTembraDoc& doc) {
    auto frame = std::make_unique<CTembraFrame>(doc, Chart().App());
    bench::ShowAtClientSize(*frame, QSize(kWidth, kHeight));
    return frame;
}

void BM_VisibleAreaRepaint(benchmark::State& state) {
    CTembraDoc doc;
    if (!doc.OnOpenDocument(Chart().File().string())) {
        state.SkipWithError("the chart did not open");
        return;
    }
    std::unique_ptr<CTembraFrame> frame = ShowWindow(doc);
    CTembraViewWnd& pane = *frame->Pane(0, 0);
    pane.horizontalScrollBar()->setValue(pane.horizontalScrollBar()->maximum() / 2);
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum() / 2);
    QApplication::processEvents();
    for (auto _ : state) {
        pane.InvalidateRect(nullptr, true);
        pane.viewport()->repaint();
    }
    state.counters["objects"] = doc.GetObjCount();
    state.counters["client_width"] = pane.viewport()->width();
    state.counters["client_height"] = pane.viewport()->height();
    frame.reset();
    doc.OnCloseDocument();
}
BENCHMARK(BM_VisibleAreaRepaint)->Unit(benchmark::kMillisecond);

void BM_OpenIntoView(benchmark::State& state) {
    for (auto _ : state) {
        CTembraDoc doc;
        if (!doc.OnOpenDocument(Chart().File().string()) ||
            doc.GetObjCount() != kProcesses + kEvents) {
            state.SkipWithError("the chart did not open whole");
            break;
        }
        std::unique_ptr<CTembraFrame> frame = ShowWindow(doc);
        frame->Pane(0, 0)->viewport()->repaint();
        state.PauseTiming();
        frame.reset();
        doc.OnCloseDocument();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntoView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv);
}
