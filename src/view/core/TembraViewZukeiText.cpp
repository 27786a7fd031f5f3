// Typing into a framed text where it stands: the edit window of the shape is laid over it on
// every paint, shown and focused while the shape is the one selected object and being edited,
// and its text goes into the shape when the edit ends (the focus leaves it, a scroll command,
// the selection changes). 文字編集 turns a selected box, ellipse, triangle, arrow or diamond
// into a framed text of the same outline first.
#include "document/TembraDoc.h"
#include "platform/DC.h"
#include "shapes/ZukeiEditWnd.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiStringEdit.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

// The outlines 文字編集 turns into framed texts, and the framed text itself.
bool TakesText(WORD kind) {
    return (kind >= kZukeiBox && kind <= kZukeiEllipse) ||
           (kind >= kZukeiDelta1 && kind <= kZukeiDiamond) || kind == kZukeiFramedString;
}

int CountSelectedZukei(const CTembraDoc& doc) {
    int count = 0;
    const auto& selection = doc.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        if (AsZukei(selection.GetNext(pos)) != nullptr) {
            ++count;
        }
    }
    return count;
}

// The framed text that is the one selected object, when it is being edited.
CZukeiString* SingleEditedText(CTembraDoc& doc) {
    if (doc.GetSelCount() != 1) {
        return nullptr;
    }
    auto* text = DynamicDowncast<CZukeiString>(AsZukei(doc.GetFirstSel()));
    return text != nullptr && text->GetKind() == kZukeiFramedString ? text : nullptr;
}

} // namespace

IZukeiEditHost* CTembraView::EditHost() {
    if (auto* host = dynamic_cast<IZukeiEditHost*>(&m_host)) {
        return host;
    }
    return this;
}

const CZukei* CTembraView::GetEditingZukei() const {
    return m_editingZukei;
}

void CTembraView::EndStringEdit() {
    CZukeiString* text = m_editingZukei;
    if (text == nullptr) {
        return;
    }
    // Forgotten first: hiding the window moves the focus, which asks for this again.
    m_editingZukei = nullptr;
    CTembraDoc* doc = GetDocument();
    // The shape may have left the chart since (deleted, undone).
    if (doc == nullptr || doc->GetZukeiList().Find(text) == nullptr) {
        return;
    }
    CZukeiStringEdit* edit = text->GetEditWnd();
    if (edit == nullptr) {
        return;
    }
    CZukeiEditWnd* wnd = edit->GetWnd();
    text->SetText(wnd->GetWindowText());
    text->ClearEditState();
    wnd->EnableWindow(false);
    wnd->ShowWindow(false);
    text->SetUpdate(TRUE);
    doc->UpdateAllViews(nullptr, kHintGeneral, text);
}

void CTembraView::PlaceStringEdit(CDC* dc, CTembraDoc& doc) {
    CZukeiString* text = SingleEditedText(doc);
    if (text == nullptr || text->GetEditState() == 0) {
        return;
    }
    CZukeiStringEdit* edit = text->GetEditWnd();
    if (edit != nullptr && edit->GetWnd()->GetParent() == EditHost()) {
        edit->FitToShape(*this, *dc, *text);
    }
}

void CTembraView::ShowStringEdit(CTembraDoc& doc) {
    CZukeiString* text = SingleEditedText(doc);
    CZukeiStringEdit* edit = text != nullptr ? text->GetEditWnd() : nullptr;
    if (text == nullptr || text->GetEditState() == 0 || edit == nullptr) {
        EndStringEdit();
        return;
    }
    CZukeiEditWnd* wnd = edit->GetWnd();
    if (wnd->GetParent() != EditHost()) {
        return; // another view's edit
    }
    if (m_editingZukei != nullptr && m_editingZukei != text) {
        EndStringEdit();
    }
    if (!wnd->IsWindowEnabled() || !wnd->IsWindowVisible()) {
        wnd->EnableWindow(true);
        wnd->ShowWindow(true);
        wnd->SetFocus();
    }
    // What is typed is shown by the window, not by the shape's lines.
    text->SetUpdate(TRUE);
    m_editingZukei = text;
}

void CTembraView::OnZukeiTextEdit() {
    CTembraDoc& doc = *GetDocument();
    doc.GetUndoHistory().Reset();
    CZukei* shape = AsZukei(doc.GetSelCount() > 0 ? doc.GetFirstSel() : nullptr);
    if (shape == nullptr || !TakesText(shape->GetKind())) {
        return;
    }
    doc.GetShapes().DeselectZukei(shape);
    CZukeiString* text = nullptr;
    if (shape->GetKind() == kZukeiFramedString) {
        text = static_cast<CZukeiString*>(shape);
    } else {
        // In the shape's place in the drawing order, recorded so that Undo brings it back.
        text = doc.GetShapes().ConvertToTextZukei(shape);
    }
    if (text == nullptr) {
        return;
    }
    text->BeginEdit(EditHost());
    text->Select();
    doc.GetShapes().AddSelZukei(text);
}

void CTembraView::OnUpdateZukeiTextEdit(CCmdUI& cmdUI) const {
    const CTembraDoc& doc = *GetDocument();
    const CZukei* first = AsZukei(doc.GetSelCount() > 0 ? doc.GetFirstSel() : nullptr);
    cmdUI.Enable(first != nullptr && CountSelectedZukei(doc) == 1 && TakesText(first->GetKind()));
}

} // namespace tembra
