// The redraw of the resource charts after a change, and the document's side of the two foreign
// streams it reads and writes through its own archive: the CSV stream (".psv") and the DOS
// version's documents
// (".phd" with the data file ".pdt").
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/ForeignStreams.h"
#include "document/TembraDoc.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

IForeignStreams* g_foreignStreams = nullptr;

// Without the converters of the exchange code (a program or test that does not install them) a
// file of either kind is refused with a message that says so.
void ReportMissingConverter(const char* utf8) {
    AfxMessageBox(Sjis::FromUtf8(utf8), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

IForeignStreams* GetForeignStreams() {
    return g_foreignStreams;
}

IForeignStreams* SetForeignStreams(IForeignStreams* streams) {
    IForeignStreams* previous = g_foreignStreams;
    g_foreignStreams = streams;
    return previous;
}

void CTembraDoc::SetModifiedFlag(BOOL modified) {
    CDocument::SetModifiedFlag(modified);
    if (modified) {
        RedrawStaleCharts();
    }
}

void CTembraDoc::RedrawStaleCharts() {
    if (m_charts.GetChartCount() == 0) {
        return;
    }
    const IChartDocument* charts = DocumentSeam<IChartDocument>(this);
    if (charts == nullptr || charts->GetObjectsChangeCount() == m_chartsRedrawnAt) {
        return;
    }
    m_chartsRedrawnAt = charts->GetObjectsChangeCount();
    // A chart drawn next builds itself anew from the processes (CChart::Draw).
    for (POSITION pos = m_charts.GetHeadChartPosition(); pos != nullptr;) {
        if (CChart* chart = m_charts.GetNextChart(pos)) {
            UpdateAllViews(nullptr, 0, chart);
        }
    }
}

BOOL CTembraDoc::LoadTextData(CArchive& ar) {
    if (IForeignStreams* streams = GetForeignStreams()) {
        return streams->LoadTextData(*this, ar);
    }
    ReportMissingConverter("CSVファイル（*.psv）を読み込む変換処理がありません。");
    return FALSE;
}

BOOL CTembraDoc::StoreTextData(CArchive& ar) {
    // A chart is never written in this form.
    static_cast<void>(ar);
    return FALSE;
}

BOOL CTembraDoc::LoadDosDocument(CArchive& ar) {
    if (IForeignStreams* streams = GetForeignStreams()) {
        return streams->LoadDosDocument(*this, ar);
    }
    ReportMissingConverter("DOS版のファイル（*.phd）を読み込む変換処理がありません。");
    return FALSE;
}

BOOL CTembraDoc::StoreDosDocument(CArchive& ar) {
    if (IForeignStreams* streams = GetForeignStreams()) {
        return streams->StoreDosDocument(*this, ar);
    }
    ReportMissingConverter("DOS版のファイル（*.phd）に書き出す変換処理がありません。");
    return FALSE;
}

} // namespace tembra
