// The process and item attribute blocks as the dialogs write them back without widgets: the
// defaults written whole, the selection blocks with "leave" in every field whose group was not
// ticked, and the item flags applied to many cells through the mask of the ticked groups.
#include "dialogs/attributes/core/KoumokuAttrFields.h"
#include "dialogs/attributes/core/KouteiAttrFields.h"

#include "model/ConfigChart.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

CKouteiAttr SomeLine() {
    CKouteiAttr line;
    line.m_style = 0; // none of the table's: shown as Ｙ先行エルボ
    line.m_subStyle = 3;
    line.m_type = 2;
    line.m_width = 1;
    line.m_color = RGB(10, 20, 30);
    line.m_holiday = 1;
    line.m_hatch = 5;
    return line;
}

CLandAttr SomeNode() {
    CLandAttr node;
    node.m_style = 265;
    node.m_color = RGB(255, 0, 0);
    node.m_size = 150;
    node.m_radius = 20;
    return node;
}

TEST(KouteiBlock, LoadedAndWrittenBackUnchangedOutsideSelection) {
    const CKouteiAttr line = SomeLine();
    const CLandAttr node = SomeNode();
    const KouteiAttrFields fields = LoadKouteiBlock(line, node, true);
    EXPECT_EQ(fields.color, 6);
    EXPECT_EQ(fields.customColor, RGB(10, 20, 30));
    EXPECT_TRUE(fields.slanted && fields.noArrow);
    CKouteiAttr outLine = line;
    CLandAttr outNode = node;
    StoreKouteiBlock(fields, false, 0, outLine, outNode);
    CKouteiAttr expected = line;
    expected.m_style = 2;
    EXPECT_EQ(outLine, expected);
    EXPECT_EQ(outNode, node);
}

TEST(KouteiBlock, SelectionWritesOnlyTheTickedGroups) {
    struct Case {
        const char* name;
        unsigned changes;
        CKouteiAttr line;
        CLandAttr node;
    };
    const CKouteiAttr leaveLine{kLeaveWord,  kLeaveWord, kLeaveWord, static_cast<short>(kLeaveWord),
                                kLeaveColor, kLeaveWord, kLeaveWord};
    const CLandAttr leaveNode{kLeaveWord, kLeaveWord, kLeaveColor, kLeaveWord, kLeaveWord};
    CKouteiAttr colourOnly = leaveLine;
    colourOnly.m_color = RGB(0, 255, 255);
    CKouteiAttr subStyleOnly = leaveLine;
    subStyleOnly.m_subStyle = 2;
    CLandAttr sizeOnly = leaveNode;
    sizeOnly.m_size = 300;
    const Case cases[] = {
        {"untouched", 0, leaveLine, leaveNode},
        {"colour", kChangeColor, colourOnly, leaveNode},
        {"sub-style", kChangeSubStyle, subStyleOnly, leaveNode},
        {"node size", kChangeSize, leaveLine, sizeOnly},
    };
    for (const Case& c : cases) {
        KouteiAttrFields fields = LoadKouteiBlock(SomeLine(), SomeNode(), true);
        fields.color = 4;
        fields.slanted = false;
        fields.nodeSize = 300;
        CKouteiAttr line = SomeLine();
        CLandAttr node = SomeNode();
        StoreKouteiBlock(fields, true, c.changes, line, node);
        EXPECT_EQ(line, c.line) << c.name;
        EXPECT_EQ(node, c.node) << c.name;
    }
}

TEST(KouteiDefaults, NumbersAndWidthsGoToTheirKeys) {
    CConfigChart chart;
    chart.Read(FALSE);
    KouteiAttrFields fields = LoadKouteiDefaults(chart);
    fields.arrowLength = 55;
    fields.kakomiAngle = 60;
    fields.normalWidth = 0;
    fields.thinWidth = 7;
    fields.boldWidth = 50;
    fields.nodeColor = 2;
    fields.nodeRadius = 33;
    StoreKouteiDefaults(fields, chart);
    EXPECT_EQ(chart.GetArrowLength(), 55);
    EXPECT_EQ(chart.GetKakomiAngle(), 60);
    EXPECT_EQ(chart.GetKouteiWidthSet().GetAt(0), 0);
    EXPECT_EQ(chart.GetKouteiWidthSet().GetAt(2), 50);
    EXPECT_EQ(chart.GetLandAttr().m_color, RGB(0, 255, 0));
    EXPECT_EQ(chart.GetLandAttr().m_radius, 33);
    // Read back, only the colour kept beside the "その他" position follows the basic colour.
    KouteiAttrFields reread = LoadKouteiDefaults(chart);
    reread.nodeCustomColor = fields.nodeCustomColor;
    EXPECT_EQ(reread, fields);
}

TEST(KoumokuFields, VerticalAlignmentSizeAndColourRoundTrip) {
    struct Case {
        WORD flags;
        WORD size;
        int vertical;
        WORD savedFlags;
        WORD savedSize;
    };
    const Case cases[] = {
        {256 | 512, 0, KoumokuAttrFields::kAlignTop, 256, 257},
        {512 | 4 | 1, 514, KoumokuAttrFields::kAlignBottom, 512 | 4 | 1, 514},
        {2, 258, KoumokuAttrFields::kAlignCentre, 2, 258},
    };
    for (const Case& c : cases) {
        ItemTextBlock block{c.size, 1, RGB(1, 2, 3), c.flags};
        const KoumokuAttrFields fields = LoadKoumokuFields(block);
        EXPECT_EQ(fields.vertical, c.vertical) << c.flags;
        EXPECT_EQ(StoreKoumokuFields(fields, false, 0, block), 0xFFFF);
        EXPECT_EQ(block.flags, c.savedFlags) << c.flags;
        EXPECT_EQ(block.size, c.savedSize) << c.flags;
        EXPECT_EQ(block.color, RGB(1, 2, 3));
    }
}

TEST(KoumokuFields, SelectionLeavesUntickedGroups) {
    struct Case {
        const char* name;
        unsigned changes;
        ItemTextBlock block;
        WORD mask;
    };
    const Case cases[] = {
        {"colour only", kChangeTextColor, {kLeaveWord, kLeaveWord, RGB(255, 0, 0), kLeaveWord}, 0},
        {"nothing", 0, {kLeaveWord, kLeaveWord, kLeaveColor, kLeaveWord}, 0},
        {"format", kChangeFormat, {kLeaveWord, 2, kLeaveColor, 512 | 4 | 1}, 256 | 512},
        {"attribute", kChangeAttrib, {kLeaveWord, kLeaveWord, kLeaveColor, 256 | 1}, 4},
    };
    for (const Case& c : cases) {
        ItemTextBlock block{0x0101, 0, 0, 256 | 4 | 1};
        KoumokuAttrFields fields = LoadKoumokuFields(block);
        fields.color = 1;
        fields.horizontal = 2;
        fields.vertical = KoumokuAttrFields::kAlignBottom;
        fields.emphasis = false;
        EXPECT_EQ(StoreKoumokuFields(fields, true, c.changes, block), c.mask) << c.name;
        EXPECT_EQ(block, c.block) << c.name;
    }
}

// Three cells with different flags; 書式 alone ticked on the first cell's block: each cell
// keeps every bit but 256 and 512.
TEST(KoumokuFields, BulkApplyChangesOnlyTheTickedGroupsBits) {
    ItemTextBlock block{0x0101, 0, 0, 256 | 4};
    KoumokuAttrFields fields = LoadKoumokuFields(block);
    fields.vertical = KoumokuAttrFields::kAlignBottom;
    const WORD mask = StoreKoumokuFields(fields, true, kChangeFormat, block);
    struct Case {
        WORD cell;
        WORD applied;
    };
    const Case cells[] = {{256 | 4, 512 | 4}, {0, 512}, {1 | 2, 512 | 1 | 2}};
    for (const Case& c : cells) {
        EXPECT_EQ(AppliedItemFlags(c.cell, block.flags, mask), c.applied) << c.cell;
    }
    EXPECT_EQ(AppliedItemFlags(1 | 256, kLeaveWord, 0), 1 | 256);
}

} // namespace
} // namespace tembra
