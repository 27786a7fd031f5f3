#include "dialogs/settings/core/YogoAttrFields.h"

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "model/AttrBlocks.h"

namespace tembra {

namespace {

// The bits the 属性 box governs; 常に横書き has a box of its own.
constexpr WORD kDecorationBits = kYogoFrame | kYogoOutline | kYogoBold | kYogoVertical;

int SizePosition(WORD height, WORD width) {
    return PositionOfCode(TextSizeTable(), ((height & 0xFF) << 8) | (width & 0xFF));
}

} // namespace

YogoAttrFields YogoAttrFields::From(const CElemAttr& attr) {
    YogoAttrFields f;
    f.format = attr.m_form;
    f.size = SizePosition(attr.m_fontHeigh, attr.m_fontWidth);
    f.flags = attr.m_attrb;
    f.color = ColorChoice::From(attr.m_color);
    f.position = attr.m_linkPosition;
    f.stack = attr.m_stack;
    f.spacing = attr.m_lineSpace;
    f.gap = attr.m_firstSpace;
    return f;
}

YogoAttrFields YogoAttrFields::From(const TextAttrValues& attr, int position) {
    YogoAttrFields f;
    f.format = attr.form;
    f.size = SizePosition(attr.sizeV, attr.sizeH);
    f.flags = attr.flags;
    f.color = ColorChoice::From(attr.color);
    f.position = position;
    return f;
}

void YogoAttrFields::SetFlag(WORD bit, bool on) {
    flags = static_cast<WORD>(on ? flags | bit : flags & ~bit);
}

void YogoAttrFields::WriteSettings(CElemAttr& attr) const {
    TextAttrValues values{attr.m_form, attr.m_color, attr.m_attrb, attr.m_fontHeigh,
                          attr.m_fontWidth};
    int linkPosition = attr.m_linkPosition;
    WriteBlock(nullptr, values, linkPosition);
    attr.m_form = static_cast<WORD>(values.form);
    attr.m_color = values.color;
    attr.m_attrb = values.flags;
    attr.m_fontHeigh = values.sizeV;
    attr.m_fontWidth = values.sizeH;
    attr.m_linkPosition = static_cast<short>(linkPosition);
    attr.m_stack = static_cast<WORD>(stack);
    attr.m_lineSpace = static_cast<WORD>(spacing);
    attr.m_firstSpace = static_cast<WORD>(gap);
}

void YogoAttrFields::WriteBlock(const YogoApplyGroups* groups, TextAttrValues& attr,
                                int& writtenPosition) const {
    const bool all = groups == nullptr;
    attr.form = all || groups->format ? format : kMarker;
    attr.color = all || groups->color ? color.Color() : 0xFFFFFFFF;
    const bool decoration = all || groups->flags;
    const bool halfWidth = all || groups->halfWidth;
    if (decoration || halfWidth) {
        WORD word = attr.flags;
        if (decoration) {
            word = static_cast<WORD>((word & ~kDecorationBits) | (flags & kDecorationBits));
        }
        if (halfWidth) {
            word = static_cast<WORD>((word & ~kYogoHalfAcross) | (flags & kYogoHalfAcross));
        }
        attr.flags = word;
    } else {
        attr.flags = kMarker;
    }
    if (all || groups->size) {
        const int code = CodeAtPosition(TextSizeTable(), size);
        attr.sizeV = static_cast<WORD>(code >> 8);
        attr.sizeH = static_cast<WORD>(code & 0xFF);
    } else {
        // Both factors 0xFF: the size code 65535.
        attr.sizeV = 0xFF;
        attr.sizeH = 0xFF;
    }
    writtenPosition = all || groups->position ? position : -1;
}

} // namespace tembra
