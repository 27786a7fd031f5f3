#include "dialogs/settings/core/FindReplaceState.h"

#include "model/OperationState.h"

namespace tembra {

FindReplaceState MakeFindReplaceState(const std::string& templateCaption, long mode, long operation,
                                      bool selectionAvailable) {
    FindReplaceState state;
    const bool edit = operation == COperationState::kOpEdit;
    if (mode == COperationState::kModeYogo || mode == COperationState::kModeEvent) {
        state.caption =
            templateCaption + (mode == COperationState::kModeYogo ? "[用語]" : "[行事]");
        state.selectEnabled = edit;
    } else {
        state.caption = "置換[項目]";
    }
    state.limitEnabled = selectionAvailable && edit;
    state.limitChecked = state.limitEnabled;
    return state;
}

} // namespace tembra
