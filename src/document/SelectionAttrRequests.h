// The dialogs the document's attribute commands raise on the selection: the process and item
// attribute blocks, the ruled lines, the node size, the row deletion and the fill. Each request
// carries what the dialog starts from and, after IDOK, what the command applies. In a block
// edited in selection mode a field the user left alone comes back as 65535 (a colour as -1),
// which the command reads as "leave as it is".
#pragma once

#include "model/AttrBlocks.h"
#include "platform/Types.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

// 33017 (216 "工程属性"): the line and node block of the first selected process, else the
// document's defaults; selection mode exactly when a process was selected.
class KouteiAttr2DlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KouteiAttr2Dlg"; }
    CKouteiAttr line;
    CLandAttr node;
    BOOL selectionMode = FALSE;
    // The document's process defaults, which "初期化" loads in selection mode.
    CKouteiAttr defaultLine;
    CLandAttr defaultNode;
    // Set when the user asked for the duration change ("日数変更"): the dialog ended with
    // IDCANCEL and the caller runs 32847 next.
    bool durationChangeAsked = false;
};

// 40035 (244 "項目属性"): the item text block of the first selected cell, else the document's
// item defaults; selection mode exactly when a cell was selected.
class KoumokuAttr2DlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KoumokuAttr2Dlg"; }
    WORD size = 0x0101; // height × 256 + width
    WORD form = 0;      // horizontal alignment
    COLORREF color = 0;
    WORD flags = 0;
    BOOL selectionMode = FALSE;
    // The document's item defaults, which "初期化" loads in selection mode.
    CTextAttr defaults;
    // Out: the bits of flags the dialog wrote; the others stay as each cell has them.
    WORD flagMask = 0;

    // A cell's flag word after the block is applied to it.
    WORD AppliedFlags(WORD cellFlags) const {
        if (flags == 65535) {
            return cellFlags;
        }
        return static_cast<WORD>((cellFlags & ~flagMask) | (flags & flagMask));
    }
};

// 40058 (243 "罫線設定"): the combo positions of the process row's lower line, the item cell's
// lower line and its right line; -1 after IDOK for a line to leave.
class KeisenSetDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "KeisenSetDlg"; }
    std::array<int, 3> positions{0, 0, 0};
};

// 33025 (230 "ノードサイズの設定"): the node size in percent, 1 to 1000.
class NodeSizeDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "NodeSizeDlg"; }
    UINT size = 100;
};

// 32901 (168 "行削除"): 0 moves the rows below up, 1 blanks the rows.
class LineDeleteDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "LineDeleteDlg"; }
    int method = 0;
};

// 33145 (421 "塗り潰し設定"): a fill colour and density, or the removal of the fill.
class FillSetDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "FillSetDlg"; }
    // In: the target radios are enabled (the selection reaches the item area).
    BOOL targetEnabled = FALSE;
    // Out: the removal was chosen; else, when colorChosen, the colour, the density position
    // (0 to 9) and the target (0 process area only, 1 both areas).
    BOOL remove = FALSE;
    BOOL colorChosen = FALSE;
    COLORREF color = 0;
    int density = 2;
    int target = 0;

    // The fill code of a density position: 0 to 8 give 200 to 208, 9 (and any other) solid 99.
    static WORD FillCode(int density) {
        return density >= 0 && density <= 8 ? static_cast<WORD>(200 + density) : WORD{99};
    }
};

} // namespace tembra
