// The hyperlinks of events (属性 > 行事 > ハイパーリンク) and of terms (属性 > 用語): insert and
// edit through the hyperlink dialog, open through the desktop.
#include "document/DocCommandTable.h"
#include "document/HyperLinkRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Ui.h"

#include <string>
#include <string_view>

namespace tembra {

namespace {

using Op = COperationState;

constexpr std::string_view kMailPrefix = "mailto:";
constexpr UINT kInsertCaption = 5160;
constexpr UINT kEditCaption = 5161;

// Runs the hyperlink dialog for a text and its link; on OK both are written back. A link that
// begins with "mailto:" is edited as the address alone with the mail choice on.
bool EditLink(UINT caption, std::string& text, std::string& link) {
    HyperLinkRequest request;
    request.captionId = caption;
    request.text = text;
    if (link.compare(0, kMailPrefix.size(), kMailPrefix) == 0) {
        request.mail = true;
        request.address = link.substr(kMailPrefix.size());
    } else {
        request.address = link;
    }
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    text = request.text;
    link = request.mail ? std::string(kMailPrefix) + request.address : request.address;
    return true;
}

// The one selected object when it is an event and the mode is the event mode.
CEvent* LinkEvent(const CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() != Op::kModeEvent || doc.GetSelCount() != 1) {
        return nullptr;
    }
    return AsEvent(doc.GetSelAt(doc.GetHeadSelPosition()));
}

// In the term mode, the one selected process holding exactly one term: that term's index when
// the term is selected, else -1.
int LinkYogoIndex(const CTembraDoc& doc, CKoutei** process) {
    *process = nullptr;
    if (doc.GetOperation().GetMode() != Op::kModeYogo || doc.GetSelCount() != 1) {
        return -1;
    }
    CKoutei* koutei = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    if (koutei == nullptr || koutei->GetYogoCount() != 1 || koutei->IsYogoSelected(0) == 0) {
        return -1;
    }
    *process = koutei;
    return 0;
}

} // namespace

// ---- Events -------------------------------------------------------------------------------------

void CTembraDoc::OnEventLinkInsert() {
    EditEventLink(kInsertCaption);
}

void CTembraDoc::OnEventLinkEdit() {
    EditEventLink(kEditCaption);
}

void CTembraDoc::EditEventLink(UINT caption) {
    const CEvent* event = LinkEvent(*this);
    if (event == nullptr) {
        return;
    }
    std::string text = event->GetText();
    std::string link = caption == kInsertCaption ? std::string() : event->GetHyperlink();
    if (!EditLink(caption, text, link)) {
        return;
    }
    std::unique_ptr<CEvent> changed = CopyEvent(*event);
    if (changed == nullptr) {
        return;
    }
    m_undo.Reset();
    changed->SetText(text);
    changed->SetHyperlink(link);
    ReplaceSelAt(GetHeadSelPosition(), changed.release(), 0);
}

void CTembraDoc::OnEventLinkOpen() {
    if (const CEvent* event = LinkEvent(*this); event != nullptr) {
        OpenUrlShortcut(event->GetHyperlink());
        UnselectAll(TRUE);
    }
}

void CTembraDoc::OnUpdateEventLinkInsert(CCmdUI* cmdUI) {
    const CEvent* event = LinkEvent(*this);
    cmdUI->Enable(event != nullptr && event->GetHyperlink().empty() ? TRUE : FALSE);
}

void CTembraDoc::OnUpdateEventLinkEdit(CCmdUI* cmdUI) {
    const CEvent* event = LinkEvent(*this);
    cmdUI->Enable(event != nullptr && !event->GetHyperlink().empty() ? TRUE : FALSE);
}

// ---- Terms --------------------------------------------------------------------------------------

void CTembraDoc::OnYogoLinkInsert() {
    EditYogoLink(kInsertCaption);
}

void CTembraDoc::OnYogoLinkEdit() {
    EditYogoLink(kEditCaption);
}

void CTembraDoc::EditYogoLink(UINT caption) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(*this, &process);
    if (index < 0) {
        return;
    }
    const CYogo* term = process->GetYogo(index);
    std::string text = term->GetText();
    std::string link = caption == kInsertCaption ? std::string() : term->GetHyperlink();
    if (!EditLink(caption, text, link)) {
        return;
    }
    std::unique_ptr<CKoutei> changed = CopyKoutei(process, TRUE);
    if (changed == nullptr) {
        return;
    }
    m_undo.Reset();
    CYogo* copy = changed->GetYogo(index);
    copy->SetText(text);
    copy->SetHyperlink(link);
    ReplaceSelAt(GetHeadSelPosition(), changed.release(), 0);
}

void CTembraDoc::OnYogoLinkOpen() {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(*this, &process);
    if (index >= 0) {
        OpenUrlShortcut(process->GetYogo(index)->GetHyperlink());
        UnselectAll(TRUE);
    }
}

void CTembraDoc::OnUpdateYogoLinkInsert(CCmdUI* cmdUI) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(*this, &process);
    cmdUI->Enable(index >= 0 && process->GetYogo(index)->GetHyperlink().empty() ? TRUE : FALSE);
}

void CTembraDoc::OnUpdateYogoLinkEdit(CCmdUI* cmdUI) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(*this, &process);
    cmdUI->Enable(index >= 0 && !process->GetYogo(index)->GetHyperlink().empty() ? TRUE : FALSE);
}

} // namespace tembra
