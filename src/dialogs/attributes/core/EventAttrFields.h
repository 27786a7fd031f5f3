// What the event attribute dialogs (148 and 218 "行事属性") show of an event text block: form,
// size, style flags, colour, the half-width flag and the day and row alignment, and the rules
// that write them back. In bulk mode only the ticked groups are written; the flag word comes
// back with the mask of the bits those groups own, so that applying it to many events changes
// only those bits of each.
#pragma once

#include "document/AttrDialogRequests.h"
#include "model/AttrBlocks.h"

namespace tembra {

struct EventAttrFields {
    enum : WORD {
        kOutline = 1,
        kFrame = 2,
        kBold = 4,
        kHorizontal = 8, // 常に横書き
        kVertical = 4096,
        kRowCentre = 256, // "Revice": 行中央
    };
    enum : int { kDayNone = 0, kDayLeft = 1, kDayCentre = 2 };

    int form = 0; // 0 左寄せ, 1 中央寄, 2 右寄せ, 3 左吹出, 4 右吹出
    int size = 0; // position in TextSizeTable
    bool frame = false;
    bool outline = false;
    bool bold = false;
    bool vertical = false;
    int color = 0;
    COLORREF customColor = 0;
    bool horizontal = false;
    int dayAlign = kDayNone;
    bool rowCentre = false;
    bool operator==(const EventAttrFields&) const = default;
};

// The groups of the bulk dialog, as its check boxes 1681 to 1684 and 2030.
enum EventAttrChange : unsigned {
    kEventChangeForm = 1u << 0,
    kEventChangeSize = 1u << 1,
    kEventChangeStyle = 1u << 2,
    kEventChangeColor = 1u << 3,
    kEventChangeHalfWidth = 1u << 4,
    kEventChangeAll = (1u << 5) - 1,
};

// The flag bits each group owns.
inline constexpr WORD kEventStyleFlags = EventAttrFields::kOutline | EventAttrFields::kFrame |
                                         EventAttrFields::kBold | EventAttrFields::kVertical;
inline constexpr WORD kEventHalfWidthFlags = EventAttrFields::kHorizontal;

// The form code of a radio position and back (an unknown form shows as 左寄せ).
WORD EventFormCode(int position);
int EventFormPosition(int form);

// The fields of a block, the alignment from its "Revice" word.
EventAttrFields LoadEventFields(const TextAttrValues& block, WORD revice);
// The "Revice" word of the fields.
WORD EventRevice(const EventAttrFields& fields);
// The day alignment of a "Revice" word (bit 1 first, then bit 2).
int EventDayAlign(WORD revice);

// Writes the fields into the block. Outside bulk mode every group counts, the flag bits that no
// group owns stay as the block has them and the mask is 65535. In bulk mode a group not ticked
// is written as "leave" (65535, the colour -1); the flag word is 65535 when neither 属性 nor
// 半角文字 is ticked, and the mask returned holds the bits of the ticked ones.
WORD StoreEventFields(const EventAttrFields& fields, bool bulk, unsigned changes,
                      TextAttrValues& block);

// The same into the settings' own block (no bulk).
void StoreEventBlock(const EventAttrFields& fields, CTextAttr& attr);

} // namespace tembra
