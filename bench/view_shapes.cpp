// Dragging shapes in a chart window: boxes, ellipses and lines spread over a year on 100 rows,
// all of them selected, the window's client area 1920 x 1080 pixels, at 100 and at 1,000
// shapes (10x apart, so that the figure shows how the cost grows).
//
// BM_ShapeDragStep: one step of a move drag of the selection: Qt's move event into the window,
// the snapped point, the outlines of every selected shape erased at the last offset and drawn
// at the new one. Goal: under 16 ms at 1,000 shapes.
#include "document/TembraDoc.h"
#include "model/ConfigZukei.h"
#include "platform/qt/QtDC.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiLine.h"
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

namespace {

using namespace tembra;

constexpr int kRows = 100;

class ShapeChart {
public:
    explicit ShapeChart(int shapes)
        : m_folders([] { return std::unique_ptr<CDC>(CQtDC::ForScreen()); }) {
        InstallFontSubstitutions();
        m_doc.OnNewDocument();
        CSyokiSet& set = m_doc.GetSyokiSet();
        set.SetStartDate(CTime(2010, 1, 1));
        set.SetEndDate(CTime(2010, 12, 31));
        set.SetFirstRow(0);
        set.SetLastRow(kRows - 1);
        set.CalcDateThinning();
        set.GetZukei().SetPartitionFlag(1);
        set.GetZukei().SetTimePartition(4);
        set.GetZukei().SetLinePartition(2);
        for (int i = 0; i < shapes; ++i) {
            std::unique_ptr<CZukei2> shape;
            switch (i % 3) {
            case 0:
                shape = std::make_unique<CZukeiBox>();
                break;
            case 1:
                shape = std::make_unique<CZukeiEllipse>();
                break;
            default:
                shape = std::make_unique<CZukeiLine>();
                break;
            }
            shape->SetAttr(CZukeiAttr{static_cast<short>(i % 3 == 0   ? 3
                                                         : i % 3 == 1 ? 6
                                                                      : 0),
                                      kPlaceOnChart, 0, 0, RGB(0, 0, 255), kHatchNone, 0, 0});
            shape->SetKind();
            const int day = (i * 37) % 340;
            const double row = (i * 7) % (kRows - 4);
            shape->SetAnchors(set.GetStartDate() + CTimeSpan(day, 0, 0, 0), row,
                              set.GetStartDate() + CTimeSpan(day + 2 + i % 10, 0, 0, 0),
                              row + 1.5 + i % 3);
            CZukei* raw = shape.release();
            m_doc.GetShapes().AddZukei(raw, FALSE);
            raw->Select();
            m_doc.GetShapes().AddSelZukei(raw);
        }
        m_frame = std::make_unique<CTembraFrame>(m_doc, m_app);
        bench::ShowAtClientSize(*m_frame, QSize(1920, 1080));
        QApplication::processEvents();
    }
    ~ShapeChart() {
        m_frame.reset();
        m_doc.OnCloseDocument();
    }

    CTembraDoc& Doc() { return m_doc; }
    CTembraViewWnd& Pane() { return *m_frame->Pane(0, 0); }
    CTembraView& View() { return Pane().View(); }

    // The middle of the left edge of the first selected shape, in client pixels.
    QPoint OnFirstShape() {
        std::unique_ptr<CDC> dc = View().Host().GetClientDC();
        View().OnPrepareDC(dc.get());
        const auto* first = AsZukei(m_doc.GetFirstSel());
        CRect r = first->GetDeviceRect(View());
        CPoint p(r.left, (r.top + r.bottom) / 2);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
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

std::map<int, std::unique_ptr<ShapeChart>>& Charts() {
    static std::map<int, std::unique_ptr<ShapeChart>> charts;
    return charts;
}

ShapeChart& Chart(int shapes) {
    std::unique_ptr<ShapeChart>& chart = Charts()[shapes];
    if (!chart) {
        chart = std::make_unique<ShapeChart>(shapes);
    }
    return *chart;
}

void BM_ShapeDragStep(benchmark::State& state) {
    ShapeChart& chart = Chart(static_cast<int>(state.range(0)));
    CTembraDoc& doc = chart.Doc();
    doc.GetOperation().SetMode(COperationState::kModeZukei);
    doc.GetOperation().SetOperation(COperationState::kOpMove);
    QApplication::processEvents();
    const QPoint press = chart.OnFirstShape();
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
    // Cancelled: the shapes stay where they were.
    chart.Send(QEvent::MouseButtonRelease, steps[0], Qt::RightButton, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_ShapeDragStep)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunQtBenchmarks<QApplication>(argc, argv, [] { Charts().clear(); });
}
