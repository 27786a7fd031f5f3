// The hyperlinks of events (属性 > 行事 > ハイパーリンク) and of terms (属性 > 用語): insert and
// edit through the hyperlink dialog, open through the desktop.
#include "document/commands/HyperlinkMenu.h"

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

void EditEventLink(CTembraDoc& doc, UINT caption) {
    const CEvent* event = LinkEvent(doc);
    if (event == nullptr) {
        return;
    }
    std::string text = event->GetText();
    std::string link = caption == kInsertCaption ? std::string() : event->GetHyperlink();
    if (!EditLink(caption, text, link)) {
        return;
    }
    std::unique_ptr<CEvent> changed = doc.GetEvents().CopyEvent(*event);
    if (changed == nullptr) {
        return;
    }
    doc.GetUndoHistory().Reset();
    changed->SetText(text);
    changed->SetHyperlink(link);
    doc.ReplaceSelAt(doc.GetHeadSelPosition(), changed.release(), 0);
}

void EditYogoLink(CTembraDoc& doc, UINT caption) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(doc, &process);
    if (index < 0) {
        return;
    }
    const CYogo* term = process->GetYogo(index);
    std::string text = term->GetText();
    std::string link = caption == kInsertCaption ? std::string() : term->GetHyperlink();
    if (!EditLink(caption, text, link)) {
        return;
    }
    std::unique_ptr<CKoutei> changed = doc.CopyKoutei(process, TRUE);
    if (changed == nullptr) {
        return;
    }
    doc.GetUndoHistory().Reset();
    CYogo* copy = changed->GetYogo(index);
    copy->SetText(text);
    copy->SetHyperlink(link);
    doc.ReplaceSelAt(doc.GetHeadSelPosition(), changed.release(), 0);
}

} // namespace

void OnEventLinkInsert(CTembraDoc& doc) {
    EditEventLink(doc, kInsertCaption);
}

void OnEventLinkEdit(CTembraDoc& doc) {
    EditEventLink(doc, kEditCaption);
}

void OnEventLinkOpen(CTembraDoc& doc) {
    if (const CEvent* event = LinkEvent(doc); event != nullptr) {
        OpenUrlShortcut(event->GetHyperlink());
        doc.UnselectAll(TRUE);
    }
}

void OnUpdateEventLinkInsert(CTembraDoc& doc, CCmdUI* cmdUI) {
    const CEvent* event = LinkEvent(doc);
    cmdUI->Enable(event != nullptr && event->GetHyperlink().empty() ? TRUE : FALSE);
}

void OnUpdateEventLinkEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    const CEvent* event = LinkEvent(doc);
    cmdUI->Enable(event != nullptr && !event->GetHyperlink().empty() ? TRUE : FALSE);
}

void OnYogoLinkInsert(CTembraDoc& doc) {
    EditYogoLink(doc, kInsertCaption);
}

void OnYogoLinkEdit(CTembraDoc& doc) {
    EditYogoLink(doc, kEditCaption);
}

void OnYogoLinkOpen(CTembraDoc& doc) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(doc, &process);
    if (index >= 0) {
        OpenUrlShortcut(process->GetYogo(index)->GetHyperlink());
        doc.UnselectAll(TRUE);
    }
}

void OnUpdateYogoLinkInsert(CTembraDoc& doc, CCmdUI* cmdUI) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(doc, &process);
    cmdUI->Enable(index >= 0 && process->GetYogo(index)->GetHyperlink().empty() ? TRUE : FALSE);
}

void OnUpdateYogoLinkEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    CKoutei* process = nullptr;
    const int index = LinkYogoIndex(doc, &process);
    cmdUI->Enable(index >= 0 && !process->GetYogo(index)->GetHyperlink().empty() ? TRUE : FALSE);
}

} // namespace tembra
