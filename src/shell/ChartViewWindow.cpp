#include "shell/ChartViewWindow.h"

#include "document/TembraDoc.h"
#include "platform/Sjis.h"
#include "shell/ChartViewServices.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

namespace tembra {

// The commands of the chart window: those of the frame's active view.
class CChartViewWindow::ViewCommands : public ICommandTarget {
public:
    explicit ViewCommands(CChartViewWindow& window) : m_window(window) {}
    bool OnCommand(UINT id) override {
        CTembraView* view = View();
        return view != nullptr && view->OnCommand(id);
    }
    bool OnUpdateCommand(CCmdUI& cmdUI) override {
        CTembraView* view = View();
        return view != nullptr && view->OnUpdateCommand(cmdUI);
    }

private:
    CTembraView* View() const {
        CTembraFrame* frame = m_window.Frame();
        CTembraViewWnd* pane = frame != nullptr ? frame->ActivePane() : nullptr;
        return pane != nullptr ? &pane->View() : nullptr;
    }
    CChartViewWindow& m_window;
};

CChartViewWindow::CChartViewWindow(CTembraDoc& document, CChartViewServices& services)
    : m_document(document), m_services(services), m_frame(new CTembraFrame(document, services)),
      m_commands(std::make_unique<ViewCommands>(*this)) {
    m_services.AttachChart(document);
    OnTitleChanged();
}

CChartViewWindow::~CChartViewWindow() {
    delete m_frame.data();
    m_services.DetachChart(m_document);
}

ICommandTarget* CChartViewWindow::Commands() {
    return m_commands.get();
}

QWidget* CChartViewWindow::Widget() {
    return m_frame.data();
}

template <class Visit> void CChartViewWindow::ForEachView(Visit visit) {
    CTembraFrame* frame = m_frame.data();
    if (frame == nullptr) {
        return;
    }
    for (int row = 0; row < frame->Rows(); ++row) {
        for (int column = 0; column < frame->Columns(); ++column) {
            if (CTembraViewWnd* pane = frame->Pane(row, column)) {
                visit(pane->View());
            }
        }
    }
}

void CChartViewWindow::OnIdleHover() {
    ForEachView([](CTembraView& view) { view.OnObjectAction(CTembraView::kHoverOnly, nullptr); });
}

void CChartViewWindow::OnModeChanged() {
    ForEachView([](CTembraView& view) { view.OnModeChanged(); });
}

void CChartViewWindow::OnTitleChanged() {
    if (m_frame) {
        m_frame->setWindowTitle(QString::fromStdString(Sjis::ToUtf8(m_document.GetTitle())));
    }
}

CChartViewFactory::CChartViewFactory(CTembraApp& app)
    : m_services(std::make_unique<CChartViewServices>(app)) {}

CChartViewFactory::~CChartViewFactory() = default;

std::unique_ptr<IChartWindow> CChartViewFactory::CreateChartWindow(CTembraDoc& document) {
    return std::make_unique<CChartViewWindow>(document, *m_services);
}

} // namespace tembra
