// The open charts: their documents and windows, opening, closing and converting.
#include "shell/TembraApp.h"

#include "automation/dbus/AutomationBus.h"
#include "document/TembraDoc.h"
#include "exchange/QkrImport.h"
#include "exchange/SafetyAsciiExport.h"
#include "platform/StringTable.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/ChartDocuments.h"
#include "shell/core/DocumentCommands.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include <QLabel>
#include <QMdiArea>

#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

CTembraApp::Chart* CTembraApp::FindChart(const CTembraDoc* document) const {
    for (const auto& chart : m_openCharts) {
        if (chart->document.get() == document) {
            return chart.get();
        }
    }
    return nullptr;
}

std::vector<CTembraDoc*> CTembraApp::Documents() const {
    std::vector<CTembraDoc*> documents;
    for (const auto& chart : m_openCharts) {
        documents.push_back(chart->document.get());
    }
    return documents;
}

IChartWindow* CTembraApp::ActiveChart() const {
    if (!m_mainFrame) {
        return nullptr;
    }
    QMdiSubWindow* current = m_mainFrame->MdiArea()->currentSubWindow();
    for (const auto& chart : m_openCharts) {
        for (const ChartWindow& w : chart->windows) {
            if (w.sub == current) {
                return w.window.get();
            }
        }
    }
    return nullptr;
}

CTembraDoc* CTembraApp::ActiveDocument() const {
    IChartWindow* chart = ActiveChart();
    return chart != nullptr ? &chart->Document() : nullptr;
}

CTembraDoc* CTembraApp::AddChart(std::unique_ptr<CTembraDoc> document) {
    auto chart = std::make_unique<Chart>();
    chart->document = std::move(document);
    chart->commands =
        std::make_unique<CDocumentCommands>(*chart->document, [this](const char* dialog) {
            return m_options.ui != nullptr || m_qtUi.HasDialog(dialog);
        });
    Chart& entry = *chart;
    entry.listedPath = entry.document->GetPathName();
    m_openCharts.push_back(std::move(chart));
    ShowChartWindow(entry);
    return entry.document.get();
}

void CTembraApp::ShowChartWindow(Chart& chart) {
    if (!m_mainFrame) {
        return;
    }
    ChartWindow w;
    w.window = m_chartFactory->CreateChartWindow(*chart.document);
    auto* sub = new CChartSubWindow([this](QMdiSubWindow* s) { return OnChartWindowClosing(s); });
    sub->setWidget(w.window->Widget());
    sub->setWindowTitle(WindowTitle(*chart.document));
    sub->setWindowModified(chart.document->IsModified() != FALSE);
    m_mainFrame->MdiArea()->addSubWindow(sub);
    m_mainFrame->PlaceNewWindow(sub);
    w.sub = sub;
    chart.windows.push_back(std::move(w));
    sub->show();
    m_mainFrame->MdiArea()->setActiveSubWindow(sub);
}

void CTembraApp::RemoveChart(Chart* chart, QMdiSubWindow* closing) {
    for (ChartWindow& w : chart->windows) {
        if (w.sub != nullptr) {
            w.sub->setWidget(nullptr);
            // The window that is closing goes by itself.
            if (m_mainFrame && w.sub != closing) {
                m_mainFrame->MdiArea()->removeSubWindow(w.sub);
            }
            if (w.sub != closing) {
                w.sub->deleteLater();
            }
        }
        w.window.reset();
    }
    chart->windows.clear();
    if (m_bus) {
        m_bus->ChartClosed(chart->document.get());
    }
    chart->document->OnCloseDocument();
    auto it = std::find_if(m_openCharts.begin(), m_openCharts.end(),
                           [chart](const auto& c) { return c.get() == chart; });
    if (it != m_openCharts.end()) {
        m_openCharts.erase(it);
    }
}

bool CTembraApp::OnChartWindowClosing(QMdiSubWindow* window) {
    for (const auto& chart : m_openCharts) {
        auto w = std::find_if(chart->windows.begin(), chart->windows.end(),
                              [window](const ChartWindow& c) { return c.sub == window; });
        if (w == chart->windows.end()) {
            continue;
        }
        if (chart->windows.size() > 1) {
            window->setWidget(nullptr);
            chart->windows.erase(w);
            return true;
        }
        if (!MayClose(chart->document.get())) {
            return false;
        }
        RemoveChart(chart.get(), window);
        return true;
    }
    return true;
}

bool CTembraApp::MayClose(CTembraDoc* document) {
    m_asking = document;
    const BOOL mayClose = document->SaveModified();
    m_asking = nullptr;
    return mayClose != FALSE;
}

bool CTembraApp::CloseDocument(CTembraDoc* document) {
    Chart* chart = FindChart(document);
    if (chart == nullptr) {
        return true;
    }
    if (!MayClose(document)) {
        return false;
    }
    RemoveChart(chart);
    return true;
}

bool CTembraApp::CloseAllDocuments() {
    while (!m_openCharts.empty()) {
        if (!CloseDocument(m_openCharts.back()->document.get())) {
            return false;
        }
    }
    return true;
}

CTembraDoc* CTembraApp::NewDocument() {
    auto document = std::make_unique<CTembraDoc>();
    if (!document->OnNewDocument()) {
        return nullptr;
    }
    const std::string untitled = LoadString(118);
    const std::size_t first = untitled.find('\n');
    const std::string name = untitled.substr(first + 1, untitled.find('\n', first + 1) - first - 1);
    document->SetTitle(name + std::to_string(++m_untitled));
    return AddChart(std::move(document));
}

void CTembraApp::NewWindow() {
    IChartWindow* active = ActiveChart();
    if (active == nullptr) {
        return;
    }
    if (Chart* chart = FindChart(&active->Document())) {
        ShowChartWindow(*chart);
    }
}

CTembraDoc* CTembraApp::OpenDocumentFile(const std::string& path) {
    return OpenChart(path, true);
}

CTembraDoc* CTembraApp::OpenChart(const std::string& path, bool addToRecent) {
    const std::string absolute =
        QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    for (const auto& chart : m_openCharts) {
        if (chart->document->GetPathName() == absolute && !chart->windows.empty()) {
            m_mainFrame->MdiArea()->setActiveSubWindow(chart->windows.front().sub);
            return chart->document.get();
        }
    }
    auto document = std::make_unique<CTembraDoc>();
    if (!document->OnOpenDocument(absolute)) {
        return nullptr;
    }
    document->SetPathName(absolute);
    if (addToRecent) {
        m_recent.Add(document->GetPathName());
        UpdateRecentFileMenu();
        // The next file dialog starts where this chart is, however it was opened.
        m_strLastFolder = SplitAtLastSlash(absolute).first;
    }
    CTembraDoc* opened = AddChart(std::move(document));

    // The new chart takes the place of the untouched empty ones, but not of a client's: that one
    // is the client's to close.
    std::vector<CTembraDoc*> closing = DocumentsToClose(Documents(), opened);
    std::erase_if(closing,
                  [this](const CTembraDoc* d) { return m_bus && m_bus->IsClientChart(d); });
    for (CTembraDoc* d : closing) {
        RemoveChart(FindChart(d));
    }
    if (!closing.empty() && m_mainFrame) {
        m_mainFrame->TileHorizontally();
    }
    return opened;
}

void CTembraApp::OpenConverting(int kind) {
    m_state.SetPlanConversion(kind);
    std::string path;
    if (DoFileDialog(path, IDS_OPENFILE, true, false)) {
        OpenDocumentFile(QDir::cleanPath(QString::fromStdString(path)).toStdString());
    }
    m_state.SetPlanConversion(0);
}

void CTembraApp::InstallAutoSaveHooks() {
    m_hooks.autoSave = [this] {
        // The run's own text stands in the status bar meanwhile; what stood there comes back.
        CMainStatusBar* bar = m_mainFrame ? m_mainFrame->StatusBar() : nullptr;
        const QString kept = bar != nullptr ? bar->Pane(0)->text() : QString();
        m_state.AutoSave(Documents());
        if (bar != nullptr) {
            bar->Pane(0)->setText(kept);
            bar->UpdateNow();
        }
    };
    m_hooks.recover = [this] {
        if (!m_state.HasAutoSaveFiles()) {
            return false;
        }
        m_state.RecoverAutoSaveFiles(
            [this](const std::string& copy) { return OpenChart(copy, false); });
        return true;
    };
    m_hooks.removeAll = [this] { m_state.RemoveAllAutoSaveFiles(); };
}

} // namespace tembra
