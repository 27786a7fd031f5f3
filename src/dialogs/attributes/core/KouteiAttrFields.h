// What the process attribute dialogs show: the line and node block as combo positions and
// check marks, the numbers of the defaults dialog (166 "工程属性"), and the rules that turn them
// back into stored codes; in the selection dialog (216) only the groups whose change box is
// ticked are written, every other field as "leave as it is".
#pragma once

#include "model/AttrBlocks.h"
#include "platform/Types.h"

#include <span>

namespace tembra {

class CConfigChart;

// The value a field of a selection block takes when it is to stay as each process has it.
inline constexpr WORD kLeaveWord = 65535;
inline constexpr COLORREF kLeaveColor = 0xFFFFFFFF;

struct KouteiAttrFields {
    // Sub-style flags.
    enum : WORD { kSlanted = 1, kNoArrow = 2 };

    // Combo positions (AttrCodeTables).
    int type = 0;
    int width = 0;
    int color = 0;
    int holiday = 0;
    int style = 0;
    int hatch = 0;
    int nodeShape = 0;
    int nodeColor = 0;
    bool slanted = false;
    bool noArrow = false;
    // The colours shown as "その他".
    COLORREF customColor = 0;
    COLORREF nodeCustomColor = 0;

    // The numbers of the defaults dialog.
    int arrowLength = 0;
    int arrowAngle = 0;
    int cornerSize = 0;
    int kakomiAngle = 0;
    int inclined = 0;
    int barHeight = 0;
    // The entries 0, 1, 2 of the line-width table.
    int normalWidth = 0;
    int thinWidth = 0;
    int boldWidth = 0;
    int nodeRadius = 0;
    // The node size in percent of the selection dialog.
    int nodeSize = 0;

    bool operator==(const KouteiAttrFields&) const = default;
};

// A number field of the defaults dialog: its control, its label, its settings key and its
// range.
struct KouteiNumberField {
    int id;
    const char* label; // UTF-8
    const char* key;
    int min;
    int max;
    int KouteiAttrFields::*value;
};
// In the order the dialog checks them on 決定.
std::span<const KouteiNumberField> KouteiNumberFields();
inline constexpr int kMinNodeSize = 1;
inline constexpr int kMaxNodeSize = 1000;

// The positions of a line and node block; withMilestones for the selection dialog's shapes.
KouteiAttrFields LoadKouteiBlock(const CKouteiAttr& line, const CLandAttr& node,
                                 bool withMilestones);
// The whole defaults part: blocks, numbers and widths.
KouteiAttrFields LoadKouteiDefaults(const CConfigChart& chart);
// Writes every field into the defaults part.
void StoreKouteiDefaults(const KouteiAttrFields& fields, CConfigChart& chart);

// The change boxes of the selection dialog, one bit each.
enum KouteiChange : unsigned {
    kChangeType = 1u << 0,     // 1682 線種
    kChangeWidth = 1u << 1,    // 1683 線幅
    kChangeColor = 1u << 2,    // 1684 線色
    kChangeHoliday = 1u << 3,  // 1685 休日
    kChangeStyle = 1u << 4,    // 1686 スタイル
    kChangeSubStyle = 1u << 5, // 1687 サブスタイル
    kChangeShape = 1u << 6,    // 1688 ノード形状
    kChangeSize = 1u << 7,     // 1689 ノードサイズ
    kChangeHatch = 1u << 8,    // 1690 模様
    kChangeAllKoutei = (1u << 9) - 1,
};

// Writes the selection dialog's fields into the blocks. In selection mode a field whose change
// bit is clear is written as kLeaveWord (the colour as kLeaveColor); the node's colour, radius
// and kind have no control there and are always left. Outside selection mode every field is
// written and the rest of the blocks stays.
void StoreKouteiBlock(const KouteiAttrFields& fields, bool selectionMode, unsigned changes,
                      CKouteiAttr& line, CLandAttr& node);

} // namespace tembra
