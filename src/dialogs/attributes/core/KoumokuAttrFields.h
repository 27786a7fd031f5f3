// What the item attribute dialogs (164 and 244 "項目属性") show of an item text block: size,
// both alignments, emphasis and colour, and the rules that write them back. In the selection
// dialog only the ticked groups are written, and the flag word comes back with the mask of the
// bits those groups own, so that applying it to many cells changes only those bits of each.
#pragma once

#include "platform/Types.h"

namespace tembra {

// An item text block as these dialogs see it.
struct ItemTextBlock {
    WORD size = 0x0101;
    WORD form = 0; // horizontal alignment
    COLORREF color = 0;
    WORD flags = 0;
    bool operator==(const ItemTextBlock&) const = default;
};

struct KoumokuAttrFields {
    enum : WORD { kEmphasis = 4, kTop = 256, kBottom = 512 };
    enum : int { kAlignTop = 0, kAlignCentre = 1, kAlignBottom = 2 };

    int size = 0;       // position in TextSizeTable
    int horizontal = 0; // 0 左寄せ, 1 中央寄, 2 右寄せ
    int vertical = kAlignCentre;
    bool emphasis = false;
    int color = 0;
    COLORREF customColor = 0;
    bool operator==(const KoumokuAttrFields&) const = default;
};

KoumokuAttrFields LoadKoumokuFields(const ItemTextBlock& block);

// The change boxes of the selection dialog.
enum KoumokuChange : unsigned {
    kChangeFormat = 1u << 0,    // 1681 書式: both alignments
    kChangeTextSize = 1u << 1,  // 1682 サイズ
    kChangeAttrib = 1u << 2,    // 1683 属性
    kChangeTextColor = 1u << 3, // 1684 色
    kChangeAllKoumoku = (1u << 4) - 1,
};

// The bits of the flag word that each group owns.
inline constexpr WORD kFormatFlags = KoumokuAttrFields::kTop | KoumokuAttrFields::kBottom;
inline constexpr WORD kAttribFlags = KoumokuAttrFields::kEmphasis;

// Writes the fields into the block and returns the mask of the flag bits written (0 when the
// flag word is left as 65535). Outside selection mode every group counts and the other flag
// bits stay as the block has them.
WORD StoreKoumokuFields(const KoumokuAttrFields& fields, bool selectionMode, unsigned changes,
                        ItemTextBlock& block);

// A cell's flag word after a selection block is applied to it: only the bits of mask come from
// flags (a flags word of 65535 leaves the cell as it is).
WORD AppliedItemFlags(WORD cellFlags, WORD flags, WORD mask);

} // namespace tembra
