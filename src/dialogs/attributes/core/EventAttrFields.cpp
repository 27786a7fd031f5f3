#include "dialogs/attributes/core/EventAttrFields.h"

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "dialogs/attributes/core/KouteiAttrFields.h"

#include <array>

namespace tembra {

namespace {

constexpr std::array<WORD, 5> kForms = {0, 1, 2, 4, 5};

WORD SetFlag(WORD flags, WORD bit, bool on) {
    return static_cast<WORD>(on ? flags | bit : flags & ~bit);
}

WORD StyleFlags(const EventAttrFields& f, WORD flags) {
    flags = SetFlag(flags, EventAttrFields::kFrame, f.frame);
    flags = SetFlag(flags, EventAttrFields::kOutline, f.outline);
    flags = SetFlag(flags, EventAttrFields::kBold, f.bold);
    return SetFlag(flags, EventAttrFields::kVertical, f.vertical);
}

} // namespace

WORD EventFormCode(int position) {
    return position >= 0 && position < static_cast<int>(kForms.size()) ? kForms[position] : 0;
}

int EventFormPosition(int form) {
    for (std::size_t i = 0; i < kForms.size(); ++i) {
        if (kForms[i] == form) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int EventDayAlign(WORD revice) {
    if ((revice & 1) != 0) {
        return EventAttrFields::kDayLeft;
    }
    return (revice & 2) != 0 ? EventAttrFields::kDayCentre : EventAttrFields::kDayNone;
}

EventAttrFields LoadEventFields(const TextAttrValues& block, WORD revice) {
    EventAttrFields f;
    f.form = EventFormPosition(block.form);
    f.size = PositionOfCode(TextSizeTable(), block.SizeCode());
    f.frame = (block.flags & EventAttrFields::kFrame) != 0;
    f.outline = (block.flags & EventAttrFields::kOutline) != 0;
    f.bold = (block.flags & EventAttrFields::kBold) != 0;
    f.vertical = (block.flags & EventAttrFields::kVertical) != 0;
    f.horizontal = (block.flags & EventAttrFields::kHorizontal) != 0;
    f.color = ColorPosition(block.color);
    f.customColor = block.color;
    f.dayAlign = EventDayAlign(revice);
    f.rowCentre = (revice & EventAttrFields::kRowCentre) != 0;
    return f;
}

WORD EventRevice(const EventAttrFields& fields) {
    return static_cast<WORD>(fields.dayAlign +
                             (fields.rowCentre ? EventAttrFields::kRowCentre : 0));
}

WORD StoreEventFields(const EventAttrFields& fields, bool bulk, unsigned changes,
                      TextAttrValues& block) {
    const auto counts = [&](unsigned bit) { return !bulk || (changes & bit) != 0; };
    block.form = counts(kEventChangeForm) ? EventFormCode(fields.form) : kLeaveWord;
    block.color =
        counts(kEventChangeColor) ? ColorAtPosition(fields.color, fields.customColor) : kLeaveColor;
    const WORD size = counts(kEventChangeSize)
                          ? static_cast<WORD>(CodeAtPosition(TextSizeTable(), fields.size))
                          : kLeaveWord;
    block.sizeV = static_cast<WORD>(size >> 8);
    block.sizeH = static_cast<WORD>(size & 0xFF);
    if (!counts(kEventChangeStyle) && !counts(kEventChangeHalfWidth)) {
        block.flags = kLeaveWord;
        return 0;
    }
    WORD flags = block.flags == kLeaveWord ? WORD{0} : block.flags;
    WORD mask = 0;
    if (counts(kEventChangeStyle)) {
        flags = StyleFlags(fields, flags);
        mask |= kEventStyleFlags;
    }
    if (counts(kEventChangeHalfWidth)) {
        flags = SetFlag(flags, EventAttrFields::kHorizontal, fields.horizontal);
        mask |= kEventHalfWidthFlags;
    }
    block.flags = flags;
    return bulk ? mask : WORD{0xFFFF};
}

void StoreEventBlock(const EventAttrFields& fields, CTextAttr& attr) {
    attr.m_form = EventFormCode(fields.form);
    attr.m_color = ColorAtPosition(fields.color, fields.customColor);
    WORD flags = StyleFlags(fields, attr.m_attrb);
    attr.m_attrb = SetFlag(flags, EventAttrFields::kHorizontal, fields.horizontal);
    attr.SetSize(static_cast<WORD>(CodeAtPosition(TextSizeTable(), fields.size)));
}

} // namespace tembra
