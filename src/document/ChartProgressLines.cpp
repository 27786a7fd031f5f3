// The progress-line list of the chart (one line per progress date, in drawing order) with the
// creation of progress lines from the chart's settings.
#include "document/ChartProgressLines.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <new>

namespace tembra {

// ---- Creation -----------------------------------------------------------------------------------

std::unique_ptr<CShincyoku> CChartProgressLines::CreateShincyoku(const CTime& date) {
    std::unique_ptr<CDataHeader> record =
        CObjectFactory::CreateObjectByKind(kTypeShincyoku, kKindShincyoku);
    CShincyoku* made = AsShincyoku(record.get());
    if (made == nullptr) {
        AfxMessageBox(kNoShincyokuDataMessage);
        return nullptr;
    }
    std::unique_ptr<CShincyoku> line(made);
    record.release(); // line holds it
    line->SetLayer(static_cast<WORD>(m_doc.GetCurrentLayer()));
    line->SetDate(date);
    const CConfigShin& settings = m_syokiSet.GetShin();
    CShinLineAttr& attr = line->GetLineAttr();
    attr.m_style = settings.GetStyle();
    attr.m_subStyle = settings.GetSubStyle();
    attr.m_type = settings.GetType();
    attr.m_width = settings.GetWidth();
    attr.m_color = settings.GetColor();
    attr.m_linked = settings.GetLinked();
    line->SetLogFont(settings.GetLogFont());
    CShinLabelAttr& label = line->GetLabelAttr();
    label.m_dateDisp = settings.GetDateDisp();
    label.SetText(settings.GetDateFormat());
    label.m_dateColor = settings.GetDateColor();
    label.m_dateValue1 = settings.GetDateValue1();
    label.m_dateValue2 = settings.GetDateValue2();
    return line;
}

std::unique_ptr<CShincyoku> CChartProgressLines::CopyShincyoku(const CShincyoku* source) {
    if (source == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CShincyoku> copy;
    try {
        copy = std::make_unique<CShincyoku>();
        copy->CopyFrom(*source);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoShincyokuDataMessage);
        return nullptr;
    }
    return copy;
}

// ---- The list -----------------------------------------------------------------------------------

POSITION CChartProgressLines::AddShincyoku(CShincyoku* record, BOOL redraw) {
    const POSITION pos = m_objects.GetShincyokuList().AddTail(record);
    m_notifier.MarkChanged();
    if (redraw) {
        m_notifier.RedrawObject(record);
    }
    return pos;
}

CShincyoku* CChartProgressLines::FindShincyoku(const CTime& date, POSITION& pos) const {
    const ObList<CDataHeader>& list = m_objects.GetShincyokuList();
    for (POSITION at = list.GetHeadPosition(); at != nullptr;) {
        const POSITION current = at;
        CShincyoku* line = AsShincyoku(list.GetNext(at));
        if (line != nullptr && line->GetKind() == kKindShincyoku && line->GetDate() == date) {
            pos = current;
            return line;
        }
    }
    pos = nullptr;
    return nullptr;
}

CShincyoku* CChartProgressLines::GetShincyokuAt(POSITION pos) const {
    return AsShincyoku(m_objects.GetShincyokuList().GetAt(pos));
}

CShincyoku* CChartProgressLines::GetNextShincyoku(POSITION& pos) const {
    return AsShincyoku(m_objects.GetShincyokuList().GetNext(pos));
}

BOOL CChartProgressLines::SwapShincyoku(POSITION first, POSITION second) {
    OwnedObList<CDataHeader>& list = m_objects.GetShincyokuList();
    CDataHeader* a = list.GetAt(first);
    CDataHeader* b = list.GetAt(second);
    if (a == nullptr || b == nullptr) {
        return FALSE;
    }
    list.SetAt(first, b);
    list.SetAt(second, a);
    m_doc.SetModifiedFlag(TRUE);
    return TRUE;
}

CShincyoku* CChartProgressLines::DeleteShincyokuAt(POSITION pos) {
    OwnedObList<CDataHeader>& list = m_objects.GetShincyokuList();
    CDataHeader* record = list.GetAt(pos);
    if (record == nullptr) {
        return nullptr;
    }
    m_notifier.RedrawObject(record);
    CShincyoku* kept = nullptr;
    if (record->IsSelected() == 2) {
        // A line whose selected word is 2 is not kept for undo.
        list.RemoveAt(pos);
        delete record;
    } else if (m_doc.RemoveRecorded(list, pos)) {
        kept = AsShincyoku(record);
    }
    m_doc.SetModifiedFlag(TRUE);
    return kept;
}

void CChartProgressLines::DeleteAllShincyoku() {
    OwnedObList<CDataHeader>& list = m_objects.GetShincyokuList();
    while (!list.IsEmpty()) {
        DeleteShincyokuAt(list.GetHeadPosition());
    }
}

} // namespace tembra
