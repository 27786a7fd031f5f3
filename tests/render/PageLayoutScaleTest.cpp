// The day scale of a layout whose period was changed after it was bound: built anew for the
// new period, and left out (a linear axis) without a word when the period is longer than a
// scale holds.
#include "render/PageLayout.h"
#include "support/FakeLayoutDocument.h"

#include "model/Hensoku.h"
#include "model/PrintArea.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tembra {
namespace {

CTime Day(int year, int month, int day) {
    return CTime(year, month, day, 0, 0, 0);
}

TEST(PageLayoutScaleTest, RebuildingFollowsTheLayoutsOwnPeriod) {
    test::ScopedUi ui;
    test::FakeLayoutDocument doc;
    ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(
        kPaperA4, 0, std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT", -1));
    doc.set.SetStartDate(Day(2010, 4, 1));
    doc.set.SetEndDate(Day(2010, 4, 30));
    doc.set.SetFirstRow(0);
    doc.set.SetLastRow(29);
    // 10 April half as wide.
    auto period = std::make_unique<CHensokuData>();
    ASSERT_TRUE(period->SetDayPeriod(1, Day(2010, 4, 10).GetTime(), Day(2010, 4, 10).GetTime(), 0,
                                     0, 1, 1, 1, 2));
    doc.set.GetHensoku()->AddData(std::move(period));
    CPageLayout layout;
    layout.Init(&doc);
    ASSERT_TRUE(layout.GetScale().IsBuilt());

    CPageLayout wider = layout;
    wider.SetStartDate(Day(2010, 3, 1));
    wider.RebuildScale();
    EXPECT_TRUE(wider.GetScale().IsBuilt());
    EXPECT_EQ(wider.GetScale().GetStart(), Day(2010, 3, 1));
    EXPECT_EQ(wider.GetScale().GetEnd(), Day(2010, 5, 1));
    EXPECT_DOUBLE_EQ(wider.GetScale().GetFactor(Day(2010, 4, 10)), 0.5);
    // 31 + 9 whole days and a half before 11 April.
    EXPECT_DOUBLE_EQ(wider.GetScale().DateToUnits(Day(2010, 4, 11)), 40.5);
    EXPECT_EQ(layout.GetScale().GetStart(), Day(2010, 4, 1)); // the original keeps its own

    // Longer than a scale holds: a linear axis, and no message.
    wider.SetStartDate(Day(1991, 1, 1));
    wider.RebuildScale();
    EXPECT_FALSE(wider.GetScale().IsBuilt());
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // A layout without a document has no scale.
    CPageLayout bare;
    bare.RebuildScale();
    EXPECT_FALSE(bare.GetScale().IsBuilt());
}

} // namespace
} // namespace tembra
