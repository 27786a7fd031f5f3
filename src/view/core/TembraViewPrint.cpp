// Printing and preview: a band of the settings' rows per page, each page with the print header
// at 100 %, shrunk onto the paper when the user agreed to or the print settings ask for it; the
// same pages in the preview.
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/ConfigPrint.h"
#include "platform/DC.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "render/DrawSettings.h"
#include "render/StyledDraw.h"
#include "view/core/PrintInfo.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tembra {

namespace {

// "現在選択されているプリンタの用紙サイズでは\n工程表がはみ出してしまいます。\n用紙サイズに合わせて
// 自動調整しますか？"
constexpr UINT IDS_CHART_TOO_LARGE = 5064;
// "印刷プレビューを開始できませんでした。"
constexpr UINT IDS_PREVIEW_FAILED = 61705;
// The framework's page description.
constexpr UINT IDS_PAGE_DESCRIPTION = 61508;
// The margin kept right of and below a chart shrunk onto the paper (logical units).
constexpr int kFitMargin = 50;

// The resource charts place their parts on the page: a page printed with the print header above
// the chart needs them built for its own layout, and the window for its layout again afterwards.
// Building them for a page changes nothing of the chart: the document's flags stay as they were.
void BuildCharts(CTembraDoc& doc, const CPageLayout& layout) {
    IChartDocument* charts = DocumentSeam<IChartDocument>(&doc);
    if (charts == nullptr || doc.GetResourceCharts().GetChartCount() == 0) {
        return;
    }
    const BOOL modified = doc.IsModified();
    const BOOL changed = doc.GetChangedFlag();
    for (POSITION pos = doc.GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
        if (CChart* chart = doc.GetResourceCharts().GetNextChart(pos)) {
            chart->BuildShapes(*charts, layout);
        }
    }
    doc.SetModifiedFlag(modified);
    doc.SetChangedFlag(changed);
}

} // namespace

UINT CTembraView::CountPrintPages() const {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return 1;
    }
    const CChartPos extent =
        doc->GetObjectsExtent(ObjectSets::Unselected | ObjectSets::Selection, FALSE);
    int rows = static_cast<int>(extent.GetEndRow()) + 1;
    for (int column = 0; column < doc->GetKoumokuColCount(); ++column) {
        rows = std::max(rows, doc->GetKoumokuRowCount(column));
    }
    const int perPage = std::max(1, doc->GetSyokiSet().GetRowSpan());
    const int pages = (rows + perPage - 1) / perPage;
    return static_cast<UINT>(std::max(pages, 1));
}

BOOL CTembraView::OnPreparePrinting(CPrintInfo& info) {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return FALSE;
    }
    info.m_nMinPage = 1;
    info.m_nMaxPage = CountPrintPages();
    m_bZoomFit = FALSE;
    info.m_nFromPage = info.m_nMinPage;
    info.m_nToPage = info.m_nMaxPage;
    if (info.m_bPreview || info.m_bDirect) {
        if (!m_host.GetPrinterDefaults(info)) {
            if (info.m_bDirect || m_host.RunPrintDialog(info) != IDOK) {
                return FALSE;
            }
        }
        if (!m_host.HasPrinterDevice(info)) {
            return FALSE;
        }
    } else if (m_host.RunPrintDialog(info) != IDOK) {
        return FALSE;
    }

    const CRect page = doc->GetSyokiSet().GetPageSetting().GetPageRect();
    const bool tooLarge = std::abs(page.Width()) > std::abs(info.m_paperSize.cx) ||
                          std::abs(page.Height()) > std::abs(info.m_paperSize.cy);
    if (tooLarge && m_layout.GetPrintConfig().GetZoomPrinting() == 0) {
        switch (AfxMessageBox(IDS_CHART_TOO_LARGE, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            m_bZoomFit = TRUE;
            break;
        case IDNO:
            break;
        default:
            return FALSE;
        }
    }
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        m_host.UpdateWindow();
    }
    info.m_strPageDesc = LoadString(IDS_PAGE_DESCRIPTION);
    return TRUE;
}

void CTembraView::OnBeginPrinting() {
    m_bPrinting = TRUE;
    m_printCaches.Clear();
}

void CTembraView::OnEndPrinting() {
    m_bPrinting = FALSE;
    m_printCaches.Clear();
}

void CTembraView::OnPrint(CDC* dc, CPrintInfo& info) {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr || m_layout.GetOutputMode() == 1) {
        return;
    }
    m_savedLayout = m_layout;
    m_layout.SetScrolledDown(FALSE);
    m_layout.SetHeader(&doc->GetPrHeader());
    m_layout.SetOutputMode(info.m_bPreview ? 2 : 1);
    m_layout.PrepareForPrint(dc);

    const CConfigPrint& print = m_layout.GetPrintConfig();
    if (m_bZoomFit || print.GetZoomPrinting() != 0) {
        CRect clip;
        dc->GetClipBox(&clip);
        dc->LPtoDP(&clip);
        clip.NormalizeRect();
        CSize margin(kFitMargin, -kFitMargin);
        dc->LPtoDP(&margin);
        const CRect page = m_layout.GetPageRect();
        dc->SetMapMode(MM_ANISOTROPIC);
        dc->SetWindowOrg(0, 0);
        dc->SetWindowExt(page.right, page.bottom);
        dc->SetViewportOrg(0, 0);
        dc->SetViewportExt(clip.Width() - std::abs(margin.cx), clip.Height() - std::abs(margin.cy));
        dc->SelectClipRgn(nullptr);
    }

    const int span = doc->GetSyokiSet().GetRowSpan();
    const int first = span * static_cast<int>(info.m_nCurPage - 1);
    m_layout.SetFirstRow(static_cast<short>(std::min(first, static_cast<int>(kMaxLastRow))));
    m_layout.SetLastRow(
        static_cast<short>(std::min(first + span - 1, static_cast<int>(kMaxLastRow))));

    if (print.GetVoldLineEx() != 0) {
        SetStyledDrawEnable(dc, 1);
    }
    BuildCharts(*doc, m_layout);
    // What the pages make that does not depend on their rows serves every page of the job: the
    // layout of the window, put back below, would drop it.
    m_printCaches.LendTo(m_layout);
    dc->SelectClipRgn(nullptr);
    OnDraw(dc);
    m_printCaches.KeepFrom(m_layout);
    SetStyledDrawEnable(dc, 0);
    m_layout = m_savedLayout;
    m_layout.SetOutputMode(0);
    BuildCharts(*doc, m_layout);
}

void CTembraView::OnFilePrintPreview() {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    // The dash lengths of the preview follow the chart's print settings.
    DrawSettings settings = GetDrawSettings();
    settings.dashScale = m_layout.GetPrintConfig().GetLineRate();
    SetDrawSettings(settings);
    if (!m_host.StartPreview()) {
        AfxMessageBox(IDS_PREVIEW_FAILED, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CTembraView::OnFilePrintSetup() {
    m_host.RunPrinterSetup();
    if (CTembraDoc* doc = GetDocument()) {
        doc->UpdateAllViews(nullptr, kHintHeader);
    }
}

} // namespace tembra
