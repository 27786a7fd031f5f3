// The encodings of the sizes, element fonts and system environment dialogs: which record word
// each size field is, the font texts and the header font's switch, and the guide bits.
#include "dialogs/settings/core/ElementFonts.h"
#include "dialogs/settings/core/SizeInitFields.h"
#include "dialogs/settings/core/SystemEnvValues.h"

#include "model/ConfigBase.h"
#include "model/ConfigChart.h"
#include "support/Cp932Text.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;

// Each field reaches its own word: distinct values stored come back from the record's getters,
// not from a neighbour.
TEST(SizeInitFieldsTest, EachFieldIsItsOwnWord) {
    CConfigChart chart;
    SizeInitValues values{};
    for (int f = 0; f < kSizeFieldCount; ++f) {
        values[f] = 11 + f;
    }
    StoreSizeInit(values, chart);
    const struct {
        const char* key;
        int stored;
    } cases[] = {
        {"Radius", chart.GetLandAttr().m_radius},
        {"KakomiAngle", chart.GetKakomiAngle()},
        {"CornerSize", chart.GetCornerSize()},
        {"BarHeight", chart.GetBarHeight()},
        {"ArrowLength", chart.GetArrowLength()},
        {"ArrowAngle", chart.GetArrowAngle()},
        {"Inclined", chart.GetInclined()},
        {"LineSpace", chart.GetYogoAttr().m_lineSpace},
        {"NormalWidth", chart.GetKouteiWidthSet().m_width[0]},
        {"ThinWidth", chart.GetKouteiWidthSet().m_width[1]},
        {"BoldWidth", chart.GetKouteiWidthSet().m_width[2]},
    };
    for (int f = 0; f < kSizeFieldCount; ++f) {
        EXPECT_EQ(cases[f].stored, 11 + f) << cases[f].key;
    }
    EXPECT_EQ(LoadSizeInit(chart), values);
}

TEST(ElementFontsTest, TheTextBesideEachButton) {
    LOGFONT font;
    font.SetFaceName(J("ＭＳ 明朝"));
    font.lfHeight = -40;
    EXPECT_EQ(ElementFontLabel(kFontYogo, font), J("ＭＳ 明朝\n  [ 40 ] ×0.1mm"));
    font.lfHeight = 32;
    EXPECT_EQ(ElementFontLabel(kFontDate, font), J("ＭＳ 明朝\n  [ 32 ] ×0.1mm"));
    EXPECT_EQ(ElementFontLabel(kFontHeader, font), J("ＭＳ 明朝")) << "the face alone";
}

// The header font is offered at height 24 and width 0; the choice keeps the header's own height
// and width words, and only 有効 sets the height word.
TEST(ElementFontsTest, TheHeaderFontKeepsItsSwitch) {
    LOGFONT header;
    header.SetFaceName("Old");
    header.lfHeight = 1;
    header.lfWidth = 7;
    const LOGFONT offered = HeaderFontForChoice(header);
    EXPECT_EQ(offered.lfHeight, 24);
    EXPECT_EQ(offered.lfWidth, 0);
    EXPECT_EQ(offered.FaceName(), "Old");

    LOGFONT chosen;
    chosen.SetFaceName("New");
    chosen.lfHeight = -24;
    chosen.lfWidth = 12;
    chosen.lfWeight = 700;
    const LOGFONT taken = HeaderFontChosen(chosen, header);
    EXPECT_EQ(taken.FaceName(), "New");
    EXPECT_EQ(taken.lfWeight, 700);
    EXPECT_EQ(taken.lfHeight, 1);
    EXPECT_EQ(taken.lfWidth, 7);
    EXPECT_TRUE(IsHeaderFontEnabled(taken));

    LOGFONT off = taken;
    SetHeaderFontEnabled(off, false);
    EXPECT_EQ(off.lfHeight, 0);
    EXPECT_FALSE(IsHeaderFontEnabled(off));
    SetHeaderFontEnabled(off, true);
    EXPECT_EQ(off.lfHeight, 1);
}

TEST(SystemEnvValuesTest, TheGuidesShareOneWord) {
    const struct {
        bool date;
        bool row;
        WORD word;
    } cases[] = {{true, true, 3}, {false, true, 2}, {true, false, 1}, {false, false, 0}};
    for (const auto& c : cases) {
        CConfigBase config;
        SystemEnvValues v;
        v.dateGuide = c.date;
        v.rowGuide = c.row;
        StoreSystemEnv(v, config);
        EXPECT_EQ(config.GetCursorDate(), c.word) << c.date << c.row;
        EXPECT_EQ(LoadSystemEnv(config), v);
    }
}

// Each other switch is its own word, 1 or 0, and the words the dialog does not edit stay.
TEST(SystemEnvValuesTest, EachSwitchIsItsOwnWord) {
    const struct {
        bool SystemEnvValues::*flag;
        int word;
    } cases[] = {
        {&SystemEnvValues::endDateDec, CConfigBase::kSysEndDateDec},
        {&SystemEnvValues::rightClick, CConfigBase::kSysRightClick},
        {&SystemEnvValues::blackBack, CConfigBase::kSysBlackBack},
        {&SystemEnvValues::holidayMesh, CConfigBase::kSysHolidayMesh},
        {&SystemEnvValues::crossCursor, CConfigBase::kSysCrossCursor},
    };
    for (const auto& c : cases) {
        CConfigBase config;
        for (int i = 0; i < CConfigBase::kSystemWordCount; ++i) {
            config.SetSystemWord(i, 5);
        }
        SystemEnvValues v;
        v.*c.flag = true;
        StoreSystemEnv(v, config);
        for (int i = 0; i < CConfigBase::kSystemWordCount; ++i) {
            const bool edited =
                i == CConfigBase::kSysEndDateDec || i == CConfigBase::kSysCursorDate ||
                i == CConfigBase::kSysRightClick || i == CConfigBase::kSysBlackBack ||
                i == CConfigBase::kSysHolidayMesh || i == CConfigBase::kSysCrossCursor;
            const WORD expected = !edited ? 5 : (i == c.word ? 1 : 0);
            EXPECT_EQ(config.GetSystemWord(i), expected) << "word " << i << " for " << c.word;
        }
    }
}

} // namespace
} // namespace tembra
