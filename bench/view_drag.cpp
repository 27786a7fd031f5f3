// Dragging and picking processes in a chart window of 10,000 dressed processes (every line form,
// terms and resources) over a year on 100 rows, the window's client area 1920 x 1080 pixels.
//
// BM_DragStep: one step of a drag of 200 selected processes, half of them counting working
// days (so that each step puts the reference copies back and previews the move in the
// document): Qt's move event into the window, the feedback erased, the processes restored, the
// preview move, the feedback and labels drawn again. Goal: under 16 ms.
// BM_ClickPick: a click on a process line in the edit operation (press and release): the pick
// in both lists and the selection it changes. Goal: under 2 ms.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "support/BenchChartWindow.h"
#include "support/BenchFolders.h"
#include "support/BenchProcesses.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/ViewApplication.h"
#include "view/core/TembraView.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tembra;

constexpr int kProcesses = 10000;
constexpr int kSelected = 200;
constexpr int kRows = 100;

class DragChart {
public:
    DragChart() : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        m_folders.Config().SetSystemWord(CConfigBase::kSysCursorDate, 3);
        InstallFontSubstitutions();
        m_doc.OnNewDocument();
        CSyokiSet& set = m_doc.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetFirstRow(0);
        set.SetLastRow(kRows - 1);
        set.CalcDateThinning();
        for (int i = 0; i < kProcesses; ++i) {
            CChartPos pos;
            const int day = (i * 37) % 330;
            pos.SetStartDate(set.GetStartDate() + CTimeSpan(day, 0, 0, 0));
            pos.SetEndDate(set.GetStartDate() + CTimeSpan(day + 3 + i % 30, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>(i % kRows));
            pos.SetEndRow(pos.GetStartRow());
            std::unique_ptr<CKoutei> process = m_doc.CreateKoutei(&pos);
            bench::DressProcess(*process, i);
            process->GetLines()->GetAttr().m_holiday = static_cast<WORD>(i % 2);
            m_doc.AddObj(process.release(), FALSE);
        }
        m_frame = std::make_unique<CTembraFrame>(m_doc, m_app);
        bench::ShowAtClientSize(*m_frame, QSize(1920, 1080));
        QApplication::processEvents();
    }
    ~DragChart() {
        m_frame.reset();
        m_doc.OnCloseDocument();
    }

    CTembraDoc& Doc() { return m_doc; }
    CTembraViewWnd& Pane() { return *m_frame->Pane(0, 0); }
    CTembraView& View() { return Pane().View(); }

    // The client pixel of a date and row.
    QPoint Pixel(const CTime& date, int row) {
        std::unique_ptr<CDC> dc = View().Host().GetClientDC();
        View().OnPrepareDC(dc.get());
        CPoint p = View().GetPageLayout().DateRowToPoint(date, row);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    // The middle of the first process's line, which the scroll keeps in the window.
    QPoint OnFirstProcess() {
        const auto* first = static_cast<const CKoutei*>(m_doc.GetObjAt(m_doc.GetHeadObjPosition()));
        const QPoint a = Pixel(first->GetStartTime(), first->GetStartRow());
        const QPoint b = Pixel(first->GetEndTime(), first->GetEndRow());
        return (a + b) / 2;
    }

    void Send(QEvent::Type type, const QPoint& at, Qt::MouseButton button,
              Qt::MouseButtons buttons) {
        bench::SendMouse(Pane(), type, at, button, buttons);
    }

private:
    bench::BenchFolders m_folders;
    bench::BenchViewApplication m_app;
    CTembraDoc m_doc;
    std::unique_ptr<CTembraFrame> m_frame;
};

std::unique_ptr<DragChart>& ChartHolder() {
    static std::unique_ptr<DragChart> chart;
    return chart;
}

DragChart& Chart() {
    if (!ChartHolder()) {
        ChartHolder() = std::make_unique<DragChart>();
    }
    return *ChartHolder();
}

void BM_DragStep(benchmark::State& state) {
    DragChart& chart = Chart();
    CTembraDoc& doc = chart.Doc();
    doc.UnselectAll(FALSE);
    int taken = 0;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr && taken < kSelected;) {
        const POSITION at = pos;
        static_cast<CKoutei*>(doc.GetNextObj(pos))->Select();
        doc.SelectAt(at);
        ++taken;
    }
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetOperation(COperationState::kOpMove);
    QApplication::processEvents();
    // The first selected process is the head of the selection now.
    const auto* first = static_cast<const CKoutei*>(doc.GetFirstSel());
    const QPoint press = (chart.Pixel(first->GetStartTime(), first->GetStartRow()) +
                          chart.Pixel(first->GetEndTime(), first->GetEndRow())) /
                         2;
    chart.Send(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    chart.Send(QEvent::MouseMove, press + QPoint(3, 0), Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();
    const QPoint steps[2] = {press + QPoint(60, 20), press + QPoint(120, 40)};
    int i = 0;
    for (auto _ : state) {
        chart.Send(QEvent::MouseMove, steps[i++ & 1], Qt::NoButton, Qt::LeftButton);
    }
    state.counters["dragging"] = doc.GetOperation().GetState() == 2 ? 1 : 0;
    state.counters["kind"] = static_cast<double>(chart.View().GetRefKind());
    state.counters["selected"] = doc.GetSelCount();
    // Cancelled: the document as it was.
    chart.Send(QEvent::MouseButtonRelease, steps[0], Qt::RightButton, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

void BM_ClickPick(benchmark::State& state) {
    DragChart& chart = Chart();
    CTembraDoc& doc = chart.Doc();
    doc.UnselectAll(FALSE);
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetOperation(COperationState::kOpEdit);
    QApplication::processEvents();
    const QPoint at = chart.OnFirstProcess();
    for (auto _ : state) {
        chart.Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        chart.Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    state.counters["selected"] = doc.GetSelCount();
}
BENCHMARK(BM_ClickPick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv, [] { ChartHolder().reset(); });
}
