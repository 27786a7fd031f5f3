// The drop-downs of the line-drawing bar: seven buttons open a small menu of their attribute
// instead of acting at once; the chosen item then runs as the menu command it is.
#include "document/CommandIds.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"

#include <array>

namespace tembra {

namespace {

struct DropDown {
    UINT button; // the bar's command, under whose button the menu opens
    UINT menu;   // the menu resource
};

constexpr std::array kDropDowns{
    DropDown{ID_ZUKEI_LINE_DROPDOWN, 201},        // 線種
    DropDown{ID_ZUKEI_WIDTH_DROPDOWN, 202},       // 線幅
    DropDown{ID_ZUKEI_COLOR_DROPDOWN, 203},       // 線色
    DropDown{ID_ZUKEI_HATCH_DROPDOWN, 204},       // 模様
    DropDown{ID_ZUKEI_HATCH_COLOR_DROPDOWN, 205}, // 模様色
    DropDown{ID_ZUKEI_TEXT_COLOR_DROPDOWN, 294},  // 文字色
    DropDown{ID_ZUKEI_TEXT_FORMAT_DROPDOWN, 295}, // 文字書式
};

const DropDown* FindDropDown(UINT id) {
    for (const DropDown& dropDown : kDropDowns) {
        if (dropDown.button == id) {
            return &dropDown;
        }
    }
    return nullptr;
}

} // namespace

bool CTembraView::OnZukeiDropDown(UINT id) {
    const DropDown* dropDown = FindDropDown(id);
    if (dropDown == nullptr) {
        return false;
    }
    PopupMenuRequest request;
    request.menuId = dropDown->menu;
    // Under the button where it shows; from a menu or the keyboard the menu opens at the pointer.
    request.anchorCommand = dropDown->button;
    if (Ui().RunDialog(request) == IDOK && request.chosen != 0) {
        Ui().PostCommand(request.chosen);
    }
    return true;
}

bool CTembraView::OnUpdateZukeiDropDown(CCmdUI& cmdUI) {
    if (FindDropDown(cmdUI.m_nID) == nullptr) {
        return false;
    }
    // The buttons only open their menus: always there, never checked.
    cmdUI.Enable(TRUE);
    cmdUI.SetCheck(0);
    return true;
}

} // namespace tembra
