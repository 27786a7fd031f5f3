// What follows an edit of the print header's texts, whichever dialog made it.
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// The hint of a changed print header.
constexpr LPARAM kPrHeaderHint = 16;

} // namespace

void CTembraDoc::AfterHeaderEdit() {
    m_undo.Reset();
    m_notifier.MarkChanged();
    // The title may come from the header ("010001" of the plan, else the title input area).
    SetTitle();
    UpdateAllViews(nullptr, kPrHeaderHint);
}

} // namespace tembra
