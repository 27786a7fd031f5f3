// The view that the document's commands act on.
#include "document/AppState.h"
#include "document/TembraDoc.h"

namespace tembra {

CView* CTembraDoc::GetActiveView() const {
    return GetAppState()->GetActiveView();
}

} // namespace tembra
