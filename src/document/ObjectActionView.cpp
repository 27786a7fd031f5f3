#include "document/ObjectActionView.h"

#include "document/AppState.h"
#include "platform/View.h"

namespace tembra {

IObjectActionView* GetActiveObjectActionView() {
    CAppState* state = GetAppState();
    CView* view = state != nullptr ? state->GetActiveView() : nullptr;
    return dynamic_cast<IObjectActionView*>(view);
}

} // namespace tembra
