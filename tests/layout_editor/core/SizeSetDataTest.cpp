// The sums of the size settings dialog: the values taken from the papers, the checks when a
// field is left and at OK, and the area rectangles rebuilt from the values.
#include "layout_editor/core/SizeSetData.h"

#include "layout_editor/core/LayoutFileData.h"

#include "EditorTestSupport.h"
#include "platform/RegKey.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace marquell {
namespace {

using namespace tembra;

class SizeSetTest : public testing::Test {
protected:
    void SetUp() override {
        // The editor's key as the program ships it: the papers' default sizes.
        std::filesystem::copy_file(
            std::filesystem::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename(),
            AppRegKeyDefaultPath(), std::filesystem::copy_options::overwrite_existing);
        layout.InitNew();
    }

    void SetA4(CSizeSetData& data) {
        CSizeSetData::Values& v = data.GetValues();
        v[kSizeTop] = v[kSizeBottom] = v[kSizeLeft] = v[kSizeRight] = 100;
        v[kSizeHeader] = 300;
        v[kSizeFooter] = 200;
        v[kSizeDate] = 100;
        v[kSizeProcessLeft] = v[kSizeProcessRight] = 50;
        v[kSizeProcess] = 1200;
    }

    tembra::test::ScopedPaths paths;
    CLayoutFileData layout;
};

TEST_F(SizeSetTest, TheValuesComeFromThePapersAreas) {
    const CSizeSetData data(layout);
    EXPECT_EQ(data.GetPaper(), 0);
    const CSizeSetData::Rows& a4 = data.GetRows(0);
    EXPECT_EQ(a4[kSizeHeader], 300);
    EXPECT_EQ(a4[kSizeFooter], 0);
    EXPECT_EQ(a4[kSizeDate], 120);
    EXPECT_EQ(a4[kSizeProcess], 1480);
    EXPECT_EQ(a4[kSizeTop], 100);
    EXPECT_EQ(a4[kSizeBottom], 100);
    EXPECT_EQ(a4[kSizeLeft], 100);
    EXPECT_EQ(a4[kSizeRight], 100);
    EXPECT_EQ(a4[kSizeProcessLeft], 0);
    EXPECT_EQ(a4[kSizeProcessRight], 0);
    EXPECT_EQ(a4[kSizePaperWidth], 2970);
    EXPECT_EQ(a4[kSizePaperHeight], 2100);
    EXPECT_EQ(data.GetRows(5)[kSizePaperWidth], 8400);
}

TEST_F(SizeSetTest, OkRebuildsTheAreasOfThePaper) {
    CSizeSetData data(layout);
    SetA4(data);
    ASSERT_TRUE(data.CheckAll().Passed());
    data.Apply(layout);
    const CPHeadSizeData& size = layout.GetPaper(0).GetSize();
    EXPECT_EQ(size.GetArea(kLayoutHeaderArea), CRect(100, -100, 2870, -400));
    EXPECT_EQ(size.GetArea(kLayoutFooterArea), CRect(100, -1800, 2870, -2000));
    EXPECT_EQ(size.GetArea(kLayoutLeftArea), CRect(100, -400, 150, -1800));
    EXPECT_EQ(size.GetArea(kLayoutRightArea), CRect(2820, -400, 2870, -1800));
    EXPECT_EQ(size.GetArea(kLayoutDateArea), CRect(150, -400, 2820, -500));
    EXPECT_EQ(size.GetArea(kLayoutEditArea), CRect(150, -500, 2820, -1800));
    EXPECT_EQ(size.GetArea(kLayoutOffsetLTop), CRect(0, 0, 100, -100));
    EXPECT_EQ(size.GetArea(kLayoutOffsetRBottom), CRect(2870, -2000, 2970, -2100));
    // The paper itself stays.
    EXPECT_EQ(size.GetArea(kLayoutPaperArea), CRect(0, 0, 2970, -2100));
}

TEST_F(SizeSetTest, LeavingAHeightGivesTheProcessRowTheRest) {
    CSizeSetData data(layout);
    SetA4(data);
    data.GetValues()[kSizeHeader] = 1100;
    EXPECT_TRUE(data.LeaveField(kSizeHeader).Passed());
    EXPECT_EQ(data.GetValues()[kSizeProcess], 500);

    data.GetValues()[kSizeHeader] = 1101;
    const CSizeSetData::Check refused = data.LeaveField(kSizeHeader);
    EXPECT_EQ(refused.message, 61206u);
    EXPECT_EQ(refused.focus, kSizeHeader);
    EXPECT_EQ(data.GetValues()[kSizeProcess], 500);

    // Every height but the process row checks the same sum.
    for (int field : {kSizeFooter, kSizeDate, kSizeTop, kSizeBottom}) {
        EXPECT_EQ(data.LeaveField(field).message, 61206u) << field;
    }
}

TEST_F(SizeSetTest, LeavingTheProcessRowGivesTheHeaderTheRest) {
    CSizeSetData data(layout);
    SetA4(data);
    data.GetValues()[kSizeProcess] = 1550;
    EXPECT_TRUE(data.LeaveField(kSizeProcess).Passed());
    EXPECT_EQ(data.GetValues()[kSizeHeader], 50);

    data.GetValues()[kSizeProcess] = 1551;
    const CSizeSetData::Check refused = data.LeaveField(kSizeProcess);
    EXPECT_EQ(refused.message, 61204u);
    EXPECT_EQ(refused.focus, kSizeProcess);
    EXPECT_EQ(data.GetValues()[kSizeHeader], 50);
}

TEST_F(SizeSetTest, TheWidthsAreRefusedWithAWidthMessage) {
    CSizeSetData data(layout);
    SetA4(data);
    // 2970 - 100 - 100 - 1135 - 1135 = 500.
    data.GetValues()[kSizeProcessLeft] = 1135;
    data.GetValues()[kSizeProcessRight] = 1135;
    EXPECT_TRUE(data.LeaveField(kSizeProcessLeft).Passed());
    data.GetValues()[kSizeProcessRight] = 1136;
    const CSizeSetData::Check refused = data.LeaveField(kSizeLeft);
    EXPECT_EQ(refused.message, 61255u);
    EXPECT_EQ(refused.focus, kSizeProcessRight);
    EXPECT_FALSE(data.CheckAll().Passed());
    EXPECT_EQ(data.CheckAll().message, 0u);
    EXPECT_EQ(data.CheckAll().focus, kSizeProcessRight);
}

TEST_F(SizeSetTest, TheLargestFieldTakesTheFocusTheFirstOfEqualOnes) {
    using Values = CSizeSetData::Values;
    struct Case {
        Values values;
        int height;
        int width;
    };
    const Case cases[] = {
        // header, footer, date, process, top, bottom, left, right, pleft, pright
        {{300, 200, 100, 1200, 100, 100, 100, 100, 50, 50}, kSizeProcess, kSizeLeft},
        {{900, 900, 100, 100, 100, 100, 100, 200, 50, 200}, kSizeHeader, kSizeRight},
        {{100, 900, 900, 100, 100, 100, 30, 30, 60, 60}, kSizeDate, kSizeProcessLeft},
        {{0, 0, 0, 0, 0, 700, 0, 0, 0, 0}, kSizeBottom, kSizeLeft},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSizeSetData::LargestHeight(c.values), c.height);
        EXPECT_EQ(CSizeSetData::LargestWidth(c.values), c.width);
    }
}

TEST_F(SizeSetTest, OkChecksBothHeightSums) {
    CSizeSetData data(layout);
    SetA4(data);
    data.GetValues()[kSizeHeader] = 1200;
    EXPECT_EQ(data.CheckAll().focus, kSizeHeader);
    SetA4(data);
    data.GetValues()[kSizeProcess] = 1560;
    EXPECT_EQ(data.CheckAll().focus, kSizeProcess);
}

TEST_F(SizeSetTest, ChangingThePaperKeepsTheEditsUntilCancelAndOkMakesItCurrent) {
    CSizeSetData data(layout);
    SetA4(data);
    data.SelectPaper(2);
    EXPECT_EQ(data.GetValues()[kSizeHeader], data.GetRows(2)[kSizeHeader]);
    data.SelectPaper(0);
    EXPECT_EQ(data.GetValues()[kSizeFooter], 200);
    data.SelectPaper(2);
    data.Apply(layout);
    EXPECT_EQ(layout.GetCurrentPaperIndex(), 2);
    // The edits of A4 went into A4's areas too.
    EXPECT_EQ(layout.GetPaper(0).GetSize().GetArea(kLayoutFooterArea),
              CRect(100, -1800, 2870, -2000));
}

TEST_F(SizeSetTest, ResetTakesThePapersSizesAsRead) {
    layout.GetPaper(0).GetSize().SetArea(kLayoutHeaderArea, CRect(100, -100, 2870, -700));
    CSizeSetData data(layout);
    EXPECT_EQ(data.GetValues()[kSizeHeader], 600);
    data.Reset();
    EXPECT_EQ(data.GetValues()[kSizeHeader], 300);
}

TEST(SizeSetRanges, FollowTheFieldTable) {
    EXPECT_EQ(CSizeSetData::FieldRange(kSizeHeader).min, 50);
    EXPECT_EQ(CSizeSetData::FieldRange(kSizeFooter).min, 0);
    EXPECT_EQ(CSizeSetData::FieldRange(kSizeTop).max, 8400);
    EXPECT_EQ(CSizeSetData::FieldRange(kSizeRight).max, 5940);
    EXPECT_EQ(CSizeSetData::FieldRange(kSizeProcessRight).max, 4200);
}

} // namespace
} // namespace marquell
