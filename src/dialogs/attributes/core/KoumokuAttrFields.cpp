#include "dialogs/attributes/core/KoumokuAttrFields.h"

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "dialogs/attributes/core/KouteiAttrFields.h"

namespace tembra {

KoumokuAttrFields LoadKoumokuFields(const ItemTextBlock& block) {
    KoumokuAttrFields f;
    f.size = PositionOfCode(TextSizeTable(), block.size);
    f.horizontal = block.form <= 2 ? block.form : 0;
    if ((block.flags & KoumokuAttrFields::kTop) != 0) {
        f.vertical = KoumokuAttrFields::kAlignTop;
    } else if ((block.flags & KoumokuAttrFields::kBottom) != 0) {
        f.vertical = KoumokuAttrFields::kAlignBottom;
    } else {
        f.vertical = KoumokuAttrFields::kAlignCentre;
    }
    f.emphasis = (block.flags & KoumokuAttrFields::kEmphasis) != 0;
    f.color = ColorPosition(block.color);
    f.customColor = block.color;
    return f;
}

WORD StoreKoumokuFields(const KoumokuAttrFields& fields, bool selectionMode, unsigned changes,
                        ItemTextBlock& block) {
    const auto counts = [&](unsigned bit) { return !selectionMode || (changes & bit) != 0; };
    block.form = counts(kChangeFormat) ? static_cast<WORD>(fields.horizontal) : kLeaveWord;
    block.color =
        counts(kChangeTextColor) ? ColorAtPosition(fields.color, fields.customColor) : kLeaveColor;
    block.size = counts(kChangeTextSize)
                     ? static_cast<WORD>(CodeAtPosition(TextSizeTable(), fields.size))
                     : kLeaveWord;
    if (!counts(kChangeFormat) && !counts(kChangeAttrib)) {
        block.flags = kLeaveWord;
        return 0;
    }
    // A word that came in as "leave" has no bits of its own to keep.
    WORD flags = block.flags == kLeaveWord ? WORD{0} : block.flags;
    WORD mask = 0;
    if (counts(kChangeFormat)) {
        flags = static_cast<WORD>(flags & ~kFormatFlags);
        if (fields.vertical == KoumokuAttrFields::kAlignTop) {
            flags |= KoumokuAttrFields::kTop;
        } else if (fields.vertical == KoumokuAttrFields::kAlignBottom) {
            flags |= KoumokuAttrFields::kBottom;
        }
        mask |= kFormatFlags;
    }
    if (counts(kChangeAttrib)) {
        flags = static_cast<WORD>(fields.emphasis ? flags | kAttribFlags : flags & ~kAttribFlags);
        mask |= kAttribFlags;
    }
    block.flags = flags;
    return selectionMode ? mask : WORD{0xFFFF};
}

WORD AppliedItemFlags(WORD cellFlags, WORD flags, WORD mask) {
    if (flags == kLeaveWord) {
        return cellFlags;
    }
    return static_cast<WORD>((cellFlags & ~mask) | (flags & mask));
}

} // namespace tembra
