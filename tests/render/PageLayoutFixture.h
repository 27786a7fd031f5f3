// The page layout on the shipped layout file's A4 page, a 30-day April 2010 period of 30 rows
// and three item columns (33, 33, 34 %). On screen at 100 % the page frame moves to the paper's
// corner: the date band is (0, 0, 2770, -120), the body (0, -120, 2770, -1600), the item area
// 500 wide, the chart rectangle (530, -120, 2740, -1600): a day is 2210 / 30 units wide, a row
// 1480 / 30 high.
#pragma once

#include "render/PageLayout.h"
#include "support/FakeLayoutDocument.h"

#include "model/Hensoku.h"
#include "model/SyokiSet.h"
#include "render/ChartTestDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tembra::test {

inline const std::filesystem::path kMaster =
    std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";

inline std::unique_ptr<CHensokuData> Period(CTime first, CTime last, LONG numerator,
                                            LONG denominator) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(
        data->SetDayPeriod(1, first.GetTime(), last.GetTime(), 0, 0, 1, 1, numerator, denominator));
    return data;
}

// A document and its view as the layout sees them; a process has a line unless told.
struct LayoutDoc : FakeLayoutDocument {
    LayoutDoc() { hasParts = true; }
};

// A print header to show above the chart: the layout only tests the pointer.
inline const CPrHeader* ShownHeader() {
    static const int kSomewhere = 0;
    return reinterpret_cast<const CPrHeader*>(&kSomewhere);
}

class PageLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
        doc.set.SetStartDate(Day(2010, 4, 1));
        doc.set.SetEndDate(Day(2010, 4, 30));
        doc.set.SetFirstRow(0);
        doc.set.SetLastRow(29);
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        doc.table.SetLevelCount(3);
    }
    void Bind() { layout.Init(&doc); }
    // 1/2 on 3 April, nothing on 5 and 6 April: the period is 27.5 days long.
    void AddIrregularDays() {
        doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 3), Day(2010, 4, 3), 1, 2));
        doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 5), Day(2010, 4, 6), 0, 1));
    }

    ScopedPaths paths;
    ScopedUi ui;
    LayoutDoc doc;
    CPageLayout layout;
};

} // namespace tembra::test
