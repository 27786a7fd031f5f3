// The document's menu commands by id, one table per menu group: the handler that runs the
// command and the update handler that sets its menu state (none: the entry stays enabled). The
// application routes a command id to the first table that holds it (CDocumentCommands) and asks
// the update handlers in one pass, in the order of FindDocCommand. The handlers are functions over
// the document, defined with their table in this folder.
#pragma once

#include "platform/CmdUI.h"
#include "platform/Types.h"

#include <span>

namespace tembra {

class CTembraDoc;

struct DocCommand {
    UINT id;
    void (*run)(CTembraDoc&);             // null: nothing to run
    void (*update)(CTembraDoc&, CCmdUI*); // null: no update handler
    const char* dialog = nullptr;         // the request the command only opens, if any
};

// Edit (編集) and the context popup (EditMenu.cpp).
std::span<const DocCommand> DocEditMenu();
// Modes (ﾓｰﾄﾞ), copy and move (ModeMenu.cpp).
std::span<const DocCommand> DocModeMenu();
// The commands of 属性 > 工程線 with more than one value (KouteiMenu.cpp).
std::span<const DocCommand> DocKouteiMenu();
// The same of 属性 > 用語 (YogoMenu.cpp).
std::span<const DocCommand> DocYogoMenu();
// The same of 属性 > 行事 and 設定 > 塗り潰し設定 (EventMenu.cpp).
std::span<const DocCommand> DocEventMenu();
// The same of 属性 > 項目 (KoumokuMenu.cpp).
std::span<const DocCommand> DocKoumokuMenu();
// The commands of 属性 > 線画 that take more than their value (ZukeiMenu.cpp).
std::span<const DocCommand> DocZukeiMenu();
// 設定's print header, drawing conditions and layer settings (LayerMenu.cpp).
std::span<const DocCommand> DocLayerMenu();

// The entry of the id in the groups above, in this order; null when none holds it.
const DocCommand* FindDocCommand(UINT id);

// "その他": the colour dialog starts from the colour remembered for the kind of object; a colour
// chosen with OK is remembered and true returned. Cancel changes nothing.
bool ChooseOtherColor(COLORREF& remembered);

// Whether the term bar is shown; a "文字修正" entry is disabled while it is hidden.
bool EnableWithYogoBar(CCmdUI* cmdUI);

// The state of a "文字修正" entry: disabled while the term bar is hidden, else what the updater
// of the selected kind says (a member of the document or of the part of it that edits the kind).
template <class Owner>
void UpdateBarTextEdit(Owner& owner, CCmdUI* cmdUI, void (Owner::*updater)(CCmdUI*)) {
    if (EnableWithYogoBar(cmdUI)) {
        (owner.*updater)(cmdUI);
    }
}

} // namespace tembra
