// The encodings of the progress-line, term and shape attribute dialogs without widgets: the
// join interval, the date format entry, kept colours, size codes and batch markers, pattern
// entries and the apply mask.
#include "dialogs/settings/core/AttrComboTables.h"
#include "dialogs/settings/core/ShinAttrFields.h"
#include "dialogs/settings/core/YogoAttrFields.h"
#include "dialogs/settings/core/ZukeiAttrFields.h"

#include "model/ConfigBase.h"
#include "model/ConfigShin.h"
#include "model/ConfigZukei.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkGrey = RGB(64, 64, 64);

std::string TextAt(std::span<const CodeEntry> table, int position) {
    return table[static_cast<std::size_t>(position)].text;
}

// ---- Progress lines ------------------------------------------------------------------------

TEST(ShinAttrFieldsTest, BuiltInDefaultsAreWhatTheResetButtonLoads) {
    CConfigBase fresh;
    fresh.Read(FALSE);
    const ShinAttrFields f = ShinAttrFields::FromSettings(fresh.GetShin());
    EXPECT_EQ(f.widths, (std::array<WORD, 3>{3, 1, 6}));
    EXPECT_EQ(f.type, 0);
    EXPECT_EQ(f.width, 2);
    EXPECT_EQ(f.color, (ColorChoice{1, kRed}));
    EXPECT_FALSE(f.joined);
    EXPECT_TRUE(f.dates);
    EXPECT_EQ(f.FormatText(), "mm/dd");
    EXPECT_EQ(TextAt(ShinDateFormatTable(), f.format), "mm/dd");
    EXPECT_EQ(f.dateColor, (ColorChoice{1, kRed}));
}

// A join n opens at the entry "n" and is written back as n: an OK without a change keeps it.
TEST(ShinAttrFieldsTest, JoinOpensAtItsIntervalAndIsWrittenBackUnchanged) {
    const auto intervals = JoinIntervalTable();
    ASSERT_EQ(intervals.size(), 5u);
    for (WORD n = 0; n <= 5; ++n) {
        SCOPED_TRACE(n);
        CConfigShin settings;
        settings.SetLinked(n);
        const ShinAttrFields f = ShinAttrFields::FromSettings(settings);
        EXPECT_EQ(f.joined, n != 0);
        if (n != 0) {
            EXPECT_EQ(TextAt(intervals, f.interval), std::to_string(n));
        }
        f.WriteSettings(settings);
        EXPECT_EQ(settings.GetLinked(), n);
    }
    // A join past the list (a file from elsewhere) opens at the last entry; what the dialog
    // writes stays within 0 and 1 to 5.
    CShinLineAttr line;
    line.m_linked = 9;
    ShinAttrFields f = ShinAttrFields::FromLine(line, {});
    EXPECT_EQ(f.Linked(), 5);
    for (int position = 0; position < static_cast<int>(intervals.size()); ++position) {
        f.interval = position;
        EXPECT_EQ(f.Linked(), intervals[static_cast<std::size_t>(position)].code);
    }
    f.joined = false;
    EXPECT_EQ(f.Linked(), 0);
}

TEST(ShinAttrFieldsTest, FormatOutsideTheListIsKeptAndAnEntryReplacesIt) {
    CConfigShin settings;
    settings.SetDateFormat("yyyy-mm-dd");
    ShinAttrFields f = ShinAttrFields::FromSettings(settings);
    EXPECT_EQ(f.format, -1);
    f.WriteSettings(settings);
    EXPECT_EQ(settings.GetDateFormat(), "yyyy-mm-dd");
    f.SelectFormat(8);
    f.WriteSettings(settings);
    EXPECT_EQ(settings.GetDateFormat(), "hh:MM");
    EXPECT_EQ(ShinAttrFields::FromSettings(settings).format, 8);
}

TEST(ShinAttrFieldsTest, OtherColourOpensAsOtherAndIsKept) {
    CShinLineAttr line;
    line.m_color = kDarkGrey;
    CShinLabelAttr label;
    label.m_dateColor = RGB(0, 255, 255);
    ShinAttrFields f = ShinAttrFields::FromLine(line, label);
    EXPECT_EQ(f.color.position, kCustomColorPosition);
    EXPECT_EQ(f.dateColor.position, 4);
    ShinApplyGroups all{true, true, true, true, true};
    f.WriteLine(all, line, label);
    EXPECT_EQ(line.m_color, kDarkGrey);
    EXPECT_EQ(label.m_dateColor, RGB(0, 255, 255));
    // Another entry stores its named colour; the kept value stays for その他.
    f.color.position = 2;
    f.WriteLine(all, line, label);
    EXPECT_EQ(line.m_color, RGB(0, 255, 0));
    EXPECT_EQ(f.color.kept, kDarkGrey);
}

TEST(ShinAttrFieldsTest, OnlyTickedGroupsReachTheLine) {
    CShinLineAttr line{0, 0, 1, 1, kDarkGrey, 2};
    CShinLabelAttr label;
    label.m_dateDisp = 1;
    label.m_text = "dd";
    ShinAttrFields f = ShinAttrFields::FromLine(line, label);
    f.type = 4;
    f.width = 0;
    f.color = ColorChoice::From(kRed);
    f.joined = false;
    f.dates = false;
    f.SelectFormat(0);
    f.ownFont = true;
    struct Case {
        const char* name;
        ShinApplyGroups groups;
        CShinLineAttr line;
        LONG dateDisp;
        std::string text;
        short ownFont;
    };
    const Case cases[] = {
        {"none", {}, line, 1, "dd", 0},
        {"type", {.type = true}, {0, 0, 4, 1, kDarkGrey, 2}, 1, "dd", 0},
        {"width", {.width = true}, {0, 0, 1, 0, kDarkGrey, 2}, 1, "dd", 0},
        {"colour", {.color = true}, {0, 0, 1, 1, kRed, 2}, 1, "dd", 0},
        {"join", {.join = true}, {0, 0, 1, 1, kDarkGrey, 0}, 1, "dd", 0},
        {"dates", {.dates = true}, line, 0, "yyyy/mm/dd hh:MM", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CShinLineAttr l = line;
        CShinLabelAttr b = label;
        f.WriteLine(c.groups, l, b);
        EXPECT_EQ(l, c.line);
        EXPECT_EQ(b.m_dateDisp, c.dateDisp);
        EXPECT_EQ(b.m_text, c.text);
        EXPECT_EQ(b.m_ownFont, c.ownFont);
    }
}

// ---- Terms ---------------------------------------------------------------------------------

TEST(YogoAttrFieldsTest, SizeCodesOpenAtTheirEntriesAndUnknownOnesAsStandard) {
    const struct {
        WORD code;
        const char* entry;
    } cases[] = {
        {257, "標準"}, {513, "縦倍角"}, {258, "横倍角"}, {514, "４倍角"}, {0x0303, "標準"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        CElemAttr attr;
        attr.m_fontHeigh = c.code >> 8;
        attr.m_fontWidth = c.code & 0xFF;
        const YogoAttrFields f = YogoAttrFields::From(attr);
        EXPECT_EQ(TextAt(TextSizeTable(), f.size), c.entry);
        TextAttrValues values = {0, 0, 0, attr.m_fontHeigh, attr.m_fontWidth};
        int position = 0;
        YogoApplyGroups size;
        size.size = true;
        f.WriteBlock(&size, values, position);
        EXPECT_EQ(values.SizeCode(), c.code == 0x0303 ? 257 : c.code);
    }
}

TEST(YogoAttrFieldsTest, BatchWritesMarkersForGroupsLeftAlone) {
    const TextAttrValues loaded{2, kDarkGrey, kYogoFrame | kYogoHalfAcross, 2, 1};
    YogoAttrFields f = YogoAttrFields::From(loaded, 1);
    f.format = 4;
    f.size = 3;
    f.color = ColorChoice::From(kRed);
    f.position = 0;
    f.SetFlag(kYogoFrame, false);
    f.SetFlag(kYogoBold, true);
    f.SetFlag(kYogoHalfAcross, false);

    const auto write = [&](const YogoApplyGroups* groups) {
        TextAttrValues values = loaded;
        int position = 1;
        f.WriteBlock(groups, values, position);
        return std::pair{values, position};
    };
    const YogoApplyGroups none;
    auto [markers, markerPosition] = write(&none);
    EXPECT_EQ(markers.form, 0xFFFF);
    EXPECT_EQ(markers.color, 0xFFFFFFFFu);
    EXPECT_EQ(markers.flags, 0xFFFF);
    EXPECT_EQ(markers.SizeCode(), 0xFFFF);
    EXPECT_EQ(markerPosition, -1);

    // 属性 alone changes the four decoration bits and keeps 常に横書き as loaded; 半角文字 alone
    // the other way round.
    YogoApplyGroups decoration;
    decoration.flags = true;
    EXPECT_EQ(write(&decoration).first.flags, kYogoBold | kYogoHalfAcross);
    YogoApplyGroups halfWidth;
    halfWidth.halfWidth = true;
    EXPECT_EQ(write(&halfWidth).first.flags, kYogoFrame);

    auto [single, singlePosition] = write(nullptr);
    EXPECT_EQ(single, (TextAttrValues{4, kRed, kYogoBold, 2, 2}));
    EXPECT_EQ(singlePosition, 0);
}

TEST(YogoAttrFieldsTest, DefaultsKeepEveryWordOfTheBlock) {
    CElemAttr attr;
    attr.m_color = kDarkGrey;
    attr.m_attrb = kYogoVertical;
    attr.m_lineSpace = 30;
    YogoAttrFields f = YogoAttrFields::From(attr);
    EXPECT_EQ(f.color.position, kCustomColorPosition);
    f.stack = 1;
    f.gap = 1;
    f.spacing = 100;
    f.position = 1;
    f.WriteSettings(attr);
    EXPECT_EQ(attr.m_color, kDarkGrey);
    EXPECT_EQ(attr.m_attrb, kYogoVertical);
    EXPECT_EQ(attr.m_stack, 1);
    EXPECT_EQ(attr.m_firstSpace, 1);
    EXPECT_EQ(attr.m_lineSpace, 100);
    EXPECT_EQ(attr.m_linkPosition, 1);
    EXPECT_EQ(attr.GetLinkPosition(), 1);
}

// ---- Shapes --------------------------------------------------------------------------------

TEST(ZukeiAttrFieldsTest, PatternEntriesAndStoredValues) {
    const WORD stored[] = {999, 100, 99, 3, 4, 5, 2, 0, 1};
    const auto hatches = HatchTable();
    ASSERT_EQ(hatches.size(), std::size(stored));
    for (std::size_t i = 0; i < hatches.size(); ++i) {
        SCOPED_TRACE(hatches[i].text);
        CZukeiAttr attr;
        attr.m_hatch = stored[i];
        ZukeiAttrFields f = ZukeiAttrFields::From(attr);
        EXPECT_EQ(f.hatch, static_cast<int>(i));
        attr.m_hatch = 12345;
        f.WriteTo(attr);
        EXPECT_EQ(attr.m_hatch, stored[i]);
    }
    CZukeiAttr backward;
    backward.m_hatch = 2;
    EXPECT_EQ(TextAt(hatches, ZukeiAttrFields::From(backward).hatch), "右下り斜線");
    backward.m_hatch = 3;
    EXPECT_EQ(TextAt(hatches, ZukeiAttrFields::From(backward).hatch), "右上り斜線");
}

TEST(ZukeiAttrFieldsTest, DashBeforeDotForShapesNotForProgressLines) {
    EXPECT_EQ(TextAt(LineTypeTable(), 1), "破線");
    EXPECT_EQ(TextAt(LineTypeTable(), 2), "点線");
    EXPECT_EQ(TextAt(ShinLineTypeTable(), 1), "点線");
    EXPECT_EQ(TextAt(ShinLineTypeTable(), 2), "破線");
    // The order differs, the meaning does not: a name stores the same line type in both lists,
    // the one the chart draws under that name.
    for (const CodeEntry& shin : ShinLineTypeTable()) {
        SCOPED_TRACE(shin.text);
        int shapeCode = -1;
        for (const CodeEntry& shape : LineTypeTable()) {
            if (std::string(shape.text) == shin.text) {
                shapeCode = shape.code;
            }
        }
        EXPECT_EQ(shin.code, shapeCode);
    }
    CZukeiAttr attr;
    attr.m_type = 1;
    EXPECT_EQ(TextAt(LineTypeTable(), ZukeiAttrFields::From(attr).lineType), "破線");
}

TEST(ZukeiAttrFieldsTest, MaskFollowsTheSevenBoxes) {
    for (std::size_t box = 0; box < ZukeiAttrFields::kApplyCount; ++box) {
        std::array<bool, ZukeiAttrFields::kApplyCount> checks{};
        checks[box] = true;
        EXPECT_EQ(ZukeiMaskFromChecks(checks), 1u << box) << box;
        EXPECT_EQ(ZukeiChecksFromMask(1u << box), checks);
    }
    EXPECT_EQ(ZukeiMaskFromChecks({true, false, true, false, false, true, true}), 1u + 4 + 32 + 64);
    EXPECT_EQ(ZukeiMaskFromChecks({}), 0u);
}

TEST(ZukeiAttrFieldsTest, ResetKeepsTheCustomColours) {
    CZukeiAttr chart{3, 1, 2, 1, kDarkGrey, 4, RGB(1, 2, 3), 40};
    ZukeiAttrFields f = ZukeiAttrFields::From(chart);
    CZukeiAttr builtIn{};
    f.ReloadKeepingColors(builtIn);
    EXPECT_EQ(f.color.position, 0);
    EXPECT_EQ(f.color.kept, kDarkGrey);
    EXPECT_EQ(f.hatchColor.kept, RGB(1, 2, 3));
    EXPECT_EQ(f.lineType, 0);
    EXPECT_EQ(f.boxRay, 0);
}

TEST(ZukeiAttrFieldsTest, StyleOutsideTheListKeepsItsCode) {
    CZukeiAttr attr;
    attr.m_style = 14;
    ZukeiAttrFields f = ZukeiAttrFields::From(attr);
    EXPECT_EQ(f.style, -1);
    f.WriteTo(attr);
    EXPECT_EQ(attr.m_style, 14);
    f.style = 13;
    f.WriteTo(attr);
    EXPECT_EQ(attr.m_style, 13);
}

TEST(ZukeiAttrFieldsTest, GridNoneAndTextFormatRoundTrip) {
    CConfigZukei settings;
    settings.SetPartitionFlag(1);
    settings.SetTimePartition(0);
    settings.SetLinePartition(9); // out of the list: shown and written as なし
    settings.GetTextAttr().m_attrb = 512 | 4 | 0x8000;
    settings.GetTextAttr().m_form = 2;
    ZukeiTextGridFields f = ZukeiTextGridFields::From(settings);
    EXPECT_EQ(f.dayDivision, 0);
    EXPECT_EQ(f.rowDivision, 0);
    EXPECT_EQ(TextAt(TextVAlignTable(), f.vAlign), "下寄せ");
    EXPECT_TRUE(f.bold);
    f.WriteTo(settings);
    EXPECT_EQ(ZukeiTextGridFields::From(settings), f);
    EXPECT_EQ(settings.GetTimePartition(), 0);
    EXPECT_EQ(settings.GetLinePartition(), 0);
    f.vAlign = 1; // 行中央: neither bit; other bits of the word stay
    f.bold = false;
    f.WriteTo(settings);
    EXPECT_EQ(settings.GetTextAttr().m_attrb, 0x8000);
}

} // namespace
} // namespace tembra
