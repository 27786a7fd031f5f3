// The event attribute fields: what a block shows, and what the single and the bulk dialog
// write back, group by group.
#include "dialogs/attributes/core/EventAttrFields.h"

#include "dialogs/attributes/core/KouteiAttrFields.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TextAttrValues Block(int form, COLORREF color, WORD flags, WORD size) {
    return {form, color, flags, static_cast<WORD>(size >> 8), static_cast<WORD>(size & 0xFF)};
}

TEST(EventAttrFields, StoredCodesOutsideTheListsShowTheFirstEntry) {
    struct Case {
        int form;
        WORD size;
        int formShown, sizeShown;
    };
    const Case cases[] = {
        {0, 257, 0, 0}, {1, 513, 1, 1}, {2, 258, 2, 2},   {4, 514, 3, 3},
        {5, 257, 4, 0}, {3, 999, 0, 0}, {65535, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const EventAttrFields f = LoadEventFields(Block(c.form, 0, 0, c.size), 0);
        EXPECT_EQ(f.form, c.formShown) << c.form;
        EXPECT_EQ(f.size, c.sizeShown) << c.size;
    }
    // A size the list does not hold is written back as 標準.
    CTextAttr attr;
    attr.SetSize(999);
    StoreEventBlock(LoadEventFields(TextAttrValues::From(attr), 0), attr);
    EXPECT_EQ(attr.GetSize(), 257);
}

TEST(EventAttrFields, TheAlignmentWordGoesToTheRadiosAndBackUnchanged) {
    struct Case {
        WORD revice;
        int day;
        bool row;
        WORD written;
    };
    const Case cases[] = {
        {0, 0, false, 0},    {1, 1, false, 1},    {2, 2, false, 2}, {257, 1, true, 257},
        {258, 2, true, 258}, {256, 0, true, 256}, {3, 1, false, 1}, // the day bit 1 comes first
    };
    for (const Case& c : cases) {
        const EventAttrFields f = LoadEventFields(Block(0, 0, 0, 257), c.revice);
        EXPECT_EQ(f.dayAlign, c.day) << c.revice;
        EXPECT_EQ(f.rowCentre, c.row) << c.revice;
        EXPECT_EQ(EventRevice(f), c.written) << c.revice;
    }
}

TEST(EventAttrFields, BulkModeWritesOnlyTheTickedGroupsAndTheirFlagBits) {
    // The first selected event: 右吹出, ４倍角, 白抜 + 縦書 + 常に横書き, red.
    const TextAttrValues first = Block(5, RGB(255, 0, 0), 1 | 4096 | 8, 514);
    EventAttrFields f = LoadEventFields(first, 0);
    f.form = 1;
    f.size = 0;
    f.outline = false;
    f.bold = true;
    f.horizontal = false;
    f.color = 2;
    struct Case {
        const char* name;
        unsigned changes;
        int form;
        COLORREF color;
        WORD flags;
        WORD size;
        WORD mask;
    };
    const Case cases[] = {
        {"only 色", kEventChangeColor, kLeaveWord, RGB(0, 255, 0), kLeaveWord, kLeaveWord, 0},
        {"属性", kEventChangeStyle, kLeaveWord, kLeaveColor, 4 | 4096 | 8, kLeaveWord,
         kEventStyleFlags},
        {"半角文字", kEventChangeHalfWidth, kLeaveWord, kLeaveColor, 1 | 4096, kLeaveWord,
         kEventHalfWidthFlags},
        {"書式 and サイズ", kEventChangeForm | kEventChangeSize, 1, kLeaveColor, kLeaveWord, 257,
         0},
        {"every group", kEventChangeAll, 1, RGB(0, 255, 0), 4 | 4096, 257,
         kEventStyleFlags | kEventHalfWidthFlags},
    };
    for (const Case& c : cases) {
        TextAttrValues block = first;
        const WORD mask = StoreEventFields(f, true, c.changes, block);
        EXPECT_EQ(block.form, c.form) << c.name;
        EXPECT_EQ(block.color, c.color) << c.name;
        EXPECT_EQ(block.flags, c.flags) << c.name;
        EXPECT_EQ(block.SizeCode(), c.size) << c.name;
        EXPECT_EQ(mask, c.mask) << c.name;
    }
    // Outside bulk mode every group is written and the whole word counts.
    TextAttrValues block = first;
    EXPECT_EQ(StoreEventFields(f, false, 0, block), 0xFFFF);
    EXPECT_EQ(block, Block(1, RGB(0, 255, 0), 4 | 4096, 257));
}

TEST(EventAttrFields, TheCustomColourIsKeptBesideTheSixFixedOnes) {
    const COLORREF custom = RGB(12, 34, 56);
    EventAttrFields f = LoadEventFields(Block(0, custom, 0, 257), 0);
    EXPECT_EQ(f.color, 6);
    TextAttrValues block;
    StoreEventFields(f, false, 0, block);
    EXPECT_EQ(block.color, custom);
    f.color = 3;
    StoreEventFields(f, false, 0, block);
    EXPECT_EQ(block.color, RGB(255, 0, 255));
}

} // namespace
} // namespace tembra
