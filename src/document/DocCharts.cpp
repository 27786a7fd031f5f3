// The list of resource charts, and the document's side of the two foreign streams it reads and
// writes through its own archive: the CSV stream (".psv") and the DOS version's documents
// (".phd" with the data file ".pdt").
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/ForeignStreams.h"
#include "document/TembraDoc.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

// The chart kind of a record of the chart list (0 for a record that is no chart).
CChart* AsChart(CDataHeader* record) {
    return record != nullptr && record->GetType() == kTypeChart ? DynamicDowncast<CChart>(record)
                                                                : nullptr;
}

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

int CTembraDoc::CountSelectedCharts(WORD kind) const {
    int count = 0;
    for (POSITION pos = GetHeadChartPosition(); pos != nullptr;) {
        const CChart* chart = GetNextChart(pos);
        if (chart != nullptr && chart->IsSelected() != 0 &&
            (kind == 0 || chart->GetKind() == kind)) {
            ++count;
        }
    }
    return count;
}

void CTembraDoc::SetModifiedFlag(BOOL modified) {
    CDocument::SetModifiedFlag(modified);
    if (modified) {
        RedrawStaleCharts();
    }
}

void CTembraDoc::RedrawStaleCharts() {
    if (GetChartCount() == 0) {
        return;
    }
    const IChartDocument* charts = DocumentSeam<IChartDocument>(this);
    if (charts == nullptr || charts->GetObjectsChangeCount() == m_chartsRedrawnAt) {
        return;
    }
    m_chartsRedrawnAt = charts->GetObjectsChangeCount();
    // A chart drawn next builds itself anew from the processes (CChart::Draw).
    for (POSITION pos = GetHeadChartPosition(); pos != nullptr;) {
        if (CChart* chart = GetNextChart(pos)) {
            UpdateAllViews(nullptr, 0, chart);
        }
    }
}

CChart* CTembraDoc::GetNextChart(POSITION& pos) const {
    return AsChart(m_objects.GetChartList().GetNext(pos));
}

CChart* CTembraDoc::GetPrevChart(POSITION& pos) const {
    return AsChart(m_objects.GetChartList().GetPrev(pos));
}

void CTembraDoc::UnselectCharts() {
    for (POSITION pos = GetHeadChartPosition(); pos != nullptr;) {
        CChart* chart = GetNextChart(pos);
        if (chart != nullptr && chart->IsSelected() != 0) {
            chart->Deselect();
            UpdateAllViews(nullptr, 0, chart);
        }
    }
}

void CTembraDoc::DeleteSelectedCharts() {
    OwnedObList<CDataHeader>& charts = m_objects.GetChartList();
    for (POSITION pos = charts.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* record = charts.GetNext(pos);
        if (record == nullptr || record->IsSelected() == 0) {
            continue;
        }
        charts.RemoveAt(at);
        delete record;
        UpdateAllViews(nullptr);
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
