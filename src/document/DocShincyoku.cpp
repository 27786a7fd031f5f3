// The progress-line list of the document (one line per progress date, in drawing order) with the
// creation of progress lines and terms from the document's settings.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <new>

namespace tembra {

// ---- Creation -----------------------------------------------------------------------------------

std::unique_ptr<CShincyoku> CTembraDoc::CreateShincyoku(const CTime& date) {
    std::unique_ptr<CDataHeader> record = CreateObjectByKind(kTypeShincyoku, kKindShincyoku);
    CShincyoku* made = AsShincyoku(record.get());
    if (made == nullptr) {
        AfxMessageBox(kNoShincyokuDataMessage);
        return nullptr;
    }
    std::unique_ptr<CShincyoku> line(made);
    record.release(); // line holds it
    line->SetLayer(static_cast<WORD>(GetCurrentLayer()));
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

std::unique_ptr<CShincyoku> CTembraDoc::CopyShincyoku(const CShincyoku* source) {
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

std::unique_ptr<CYogo> CTembraDoc::CreateYogo() {
    std::unique_ptr<CYogo> term;
    try {
        term = std::make_unique<CYogo>();
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoYogoDataMessage);
        return nullptr;
    }
    term->SetLayer(static_cast<WORD>(GetCurrentLayer()));
    const CElemAttr& defaults = m_syokiSet.GetChart().GetYogoAttr();
    CElemAttr& attr = term->GetAttr();
    attr.m_fontHeigh = defaults.m_fontHeigh;
    attr.m_fontWidth = defaults.m_fontWidth;
    attr.m_form = defaults.m_form;
    attr.m_color = defaults.m_color;
    attr.m_attrb = defaults.m_attrb;
    attr.m_linkWord = defaults.m_linkWord;
    attr.m_linkPosition = defaults.m_linkPosition;
    attr.m_offsetX = defaults.m_offsetX;
    attr.m_offsetY = defaults.m_offsetY;
    attr.m_drawerX = defaults.m_drawerX;
    attr.m_drawerY = defaults.m_drawerY;
    attr.m_stack = 0;
    term->SetText("");
    term->SetLogFont(defaults.GetLogFont());
    return term;
}

std::unique_ptr<CYogo> CTembraDoc::CopyYogo(const CYogo& source) {
    std::unique_ptr<CYogo> copy;
    try {
        copy = std::make_unique<CYogo>();
        copy->CopyFrom(source);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kNoYogoDataMessage);
        return nullptr;
    }
    return copy;
}

// ---- The list -----------------------------------------------------------------------------------

POSITION CTembraDoc::AddShincyoku(CShincyoku* record, BOOL redraw) {
    const POSITION pos = GetShincyokuList().AddTail(record);
    m_notifier.MarkChanged();
    if (redraw) {
        RedrawObject(record);
    }
    return pos;
}

CShincyoku* CTembraDoc::FindShincyoku(const CTime& date, POSITION& pos) const {
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

CShincyoku* CTembraDoc::GetShincyokuAt(POSITION pos) const {
    return AsShincyoku(m_objects.GetShincyokuList().GetAt(pos));
}

CShincyoku* CTembraDoc::GetNextShincyoku(POSITION& pos) const {
    return AsShincyoku(m_objects.GetShincyokuList().GetNext(pos));
}

BOOL CTembraDoc::SwapShincyoku(POSITION first, POSITION second) {
    OwnedObList<CDataHeader>& list = GetShincyokuList();
    CDataHeader* a = list.GetAt(first);
    CDataHeader* b = list.GetAt(second);
    if (a == nullptr || b == nullptr) {
        return FALSE;
    }
    list.SetAt(first, b);
    list.SetAt(second, a);
    SetModifiedFlag(TRUE);
    return TRUE;
}

CShincyoku* CTembraDoc::DeleteShincyokuAt(POSITION pos) {
    OwnedObList<CDataHeader>& list = GetShincyokuList();
    CDataHeader* record = list.GetAt(pos);
    if (record == nullptr) {
        return nullptr;
    }
    RedrawObject(record);
    CShincyoku* kept = nullptr;
    if (record->IsSelected() == 2) {
        // A line whose selected word is 2 is not kept for undo.
        list.RemoveAt(pos);
        delete record;
    } else if (RemoveRecorded(list, pos)) {
        kept = AsShincyoku(record);
    }
    SetModifiedFlag(TRUE);
    return kept;
}

void CTembraDoc::DeleteAllShincyoku() {
    OwnedObList<CDataHeader>& list = GetShincyokuList();
    while (!list.IsEmpty()) {
        DeleteShincyokuAt(list.GetHeadPosition());
    }
}

} // namespace tembra
