#include "document/commands/DocCommandTable.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "platform/ColorRequest.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

const DocCommand* FindDocCommand(UINT id) {
    // The order of the update pass: the updaters of one object kind remember its "その他"
    // colour, so the groups are always asked in the same order.
    using Group = std::span<const DocCommand> (*)();
    static constexpr std::array<Group, 8> kGroups{&DocEditMenu,  &DocModeMenu,  &DocKouteiMenu,
                                                  &DocYogoMenu,  &DocEventMenu, &DocKoumokuMenu,
                                                  &DocZukeiMenu, &DocLayerMenu};
    for (const Group group : kGroups) {
        for (const DocCommand& command : group()) {
            if (command.id == id) {
                return &command;
            }
        }
    }
    return nullptr;
}

bool ChooseOtherColor(COLORREF& remembered) {
    ColorRequest request;
    request.color = remembered;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    remembered = request.color;
    return true;
}

bool EnableWithYogoBar(CCmdUI* cmdUI) {
    if (!GetAppState()->IsYogoBarVisible()) {
        cmdUI->Enable(FALSE);
        return false;
    }
    return true;
}

} // namespace tembra
