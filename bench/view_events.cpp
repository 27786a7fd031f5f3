// Picking and dragging events in a chart window of 1,000 and of 10,000 events (texts of 2 to 12
// characters over a year on 100 rows, every fourth a balloon), the window's client area 1920 x
// 1080 pixels, so that the figures show how the cost grows with the chart.
//
// BM_EventClickPick: a click on an event in the edit operation (press and release): the pick in
// both lists, the selection it changes and the text handed to the term bar. Goal: under 2 ms at
// 10,000.
// BM_EventDragStep: one step of a drag of 50 selected events in the move operation: the frames
// erased and drawn again at the new offset. Goal: under 16 ms.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "platform/qt/QtDC.h"
#include "render/EventGeometry.h"
#include "support/BenchChartWindow.h"
#include "support/BenchFolders.h"
#include "support/BenchQtMain.h"
#include "support/BenchViewApplication.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/core/TembraView.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

using namespace tembra;

constexpr int kRows = 100;
constexpr int kDragged = 50;

class EventChart {
public:
    explicit EventChart(int events)
        : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        InstallFontSubstitutions();
        m_doc.OnNewDocument();
        CSyokiSet& set = m_doc.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetFirstRow(0);
        set.SetLastRow(kRows - 1);
        set.CalcDateThinning();
        for (int i = 0; i < events; ++i) {
            std::unique_ptr<CEvent> event = m_doc.GetEvents().CreateEvent();
            event->SetText(std::string(static_cast<std::size_t>(2 + i % 11), 'A' + i % 26));
            event->SetStartDate(set.GetStartDate() + CTimeSpan((i * 37) % 360, 0, 0, 0));
            event->SetStartRow(static_cast<WORD>(i % kRows));
            event->SetForm(i % 4 == 3 ? kEventFormBalloonRight : kEventFormLeft);
            event->SetOffset(i % 4 == 3 ? 150 : 0, i % 4 == 3 ? 80 : 0);
            m_doc.AddObj(event.release(), FALSE);
        }
        m_frame = std::make_unique<CTembraFrame>(m_doc, m_app);
        bench::ShowAtClientSize(*m_frame, QSize(1920, 1080));
        QApplication::processEvents();
    }
    ~EventChart() {
        m_frame.reset();
        m_doc.OnCloseDocument();
    }

    CTembraDoc& Doc() { return m_doc; }
    CTembraViewWnd& Pane() { return *m_frame->Pane(0, 0); }
    CTembraView& View() { return Pane().View(); }

    // The client pixel of a logical point.
    QPoint Pixel(CPoint p) {
        std::unique_ptr<CDC> dc = View().Host().GetClientDC();
        View().OnPrepareDC(dc.get());
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    // The middle of the text of the first unselected (or selected) event.
    QPoint OnFirstEvent(bool selected) {
        const auto* first = static_cast<const CEvent*>(
            selected ? m_doc.GetFirstSel() : m_doc.GetObjAt(m_doc.GetHeadObjPosition()));
        const CRect r = GetRect(*first, View().GetPageLayout(), nullptr, FALSE);
        return Pixel(r.CenterPoint());
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

std::map<int, std::unique_ptr<EventChart>>& Charts() {
    static std::map<int, std::unique_ptr<EventChart>> charts;
    return charts;
}

EventChart& Chart(int events) {
    std::unique_ptr<EventChart>& chart = Charts()[events];
    if (!chart) {
        chart = std::make_unique<EventChart>(events);
    }
    return *chart;
}

void BM_EventClickPick(benchmark::State& state) {
    EventChart& chart = Chart(static_cast<int>(state.range(0)));
    CTembraDoc& doc = chart.Doc();
    doc.UnselectAll(FALSE);
    doc.GetOperation().SetMode(COperationState::kModeEvent);
    doc.GetOperation().SetOperation(COperationState::kOpEdit);
    QApplication::processEvents();
    const QPoint at = chart.OnFirstEvent(false);
    for (auto _ : state) {
        chart.Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        chart.Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    state.counters["selected"] = doc.GetSelCount();
}
BENCHMARK(BM_EventClickPick)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_EventDragStep(benchmark::State& state) {
    EventChart& chart = Chart(static_cast<int>(state.range(0)));
    CTembraDoc& doc = chart.Doc();
    doc.UnselectAll(FALSE);
    int taken = 0;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr && taken < kDragged;) {
        const POSITION at = pos;
        doc.GetNextObj(pos)->Select();
        doc.SelectAt(at);
        ++taken;
    }
    doc.GetOperation().SetMode(COperationState::kModeEvent);
    doc.GetOperation().SetOperation(COperationState::kOpMove);
    QApplication::processEvents();
    const QPoint press = chart.OnFirstEvent(true);
    chart.Send(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    chart.Send(QEvent::MouseMove, press + QPoint(3, 0), Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();
    const QPoint steps[2] = {press + QPoint(60, 20), press + QPoint(120, 40)};
    int i = 0;
    for (auto _ : state) {
        chart.Send(QEvent::MouseMove, steps[i++ & 1], Qt::NoButton, Qt::LeftButton);
    }
    state.counters["dragging"] = doc.GetOperation().GetState() == 2 ? 1 : 0;
    state.counters["selected"] = doc.GetSelCount();
    chart.Send(QEvent::MouseButtonRelease, steps[0], Qt::RightButton, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_EventDragStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv, [] { Charts().clear(); });
}
