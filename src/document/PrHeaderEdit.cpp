// What follows an edit of the print header's texts, whichever dialog made it.
#include "document/PrHeaderEdit.h"
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// The hint of a changed print header.
constexpr LPARAM kPrHeaderHint = 16;

} // namespace

void CPrHeaderEdit::AfterHeaderEdit(std::unique_ptr<CPrHeader> before) {
    m_undo.Reset();
    if (before != nullptr && m_undo.AddOther(before.get()) != 0) {
        static_cast<void>(before.release());
    }
    m_notifier.MarkChanged();
    // The title may come from the header ("010001" of the plan, else the title input area).
    m_doc.SetTitle();
    m_doc.UpdateAllViews(nullptr, kPrHeaderHint);
}

int CPrHeaderEdit::ExchangeHeader(CPrHeader& saved) {
    CPrHeader shown;
    shown.CopyFrom(m_prHeader);
    m_prHeader.CopyFrom(saved);
    saved.CopyFrom(shown);
    m_doc.SetTitle();
    m_doc.UpdateAllViews(nullptr, kPrHeaderHint);
    return 1;
}

} // namespace tembra
