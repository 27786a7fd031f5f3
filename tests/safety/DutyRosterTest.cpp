// The safety duty roster: its default rows, the rota of the duty persons and the frames it
// builds on a 20-row A3 chart (10 units a day).
#include "safety/DutyRoster.h"
#include "safety/ToubanLastList.h"

#include "PlanChart.h"
#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/Utility.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "shapes/ZukeiView.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::J;
using test::PlanChart;

constexpr WORD kDuty = CZukeiString::kTagEmpty;

TEST(DutyRosterRowsTest, DefaultsLieAtTheBottomOrBesideTheWeeklyFrames) {
    struct Case {
        int rows;
        int limit;
        std::optional<PlanRowSpan> weekly;
        PlanBandRows expected;
    };
    const Case cases[] = {
        {3, 0, std::nullopt, {{3, 3}, {3, 3}}},
        {8, 0, std::nullopt, {{7, 7}, {8, 8}}},
        {20, 0, std::nullopt, {{16, 17}, {18, 20}}},
        {30, 10, std::nullopt, {{17, 18}, {19, 21}}},       // as for 21 rows
        {20, 0, PlanRowSpan{10, 15}, {{16, 17}, {18, 20}}}, // below them
        {20, 0, PlanRowSpan{10, 17}, {{5, 6}, {7, 9}}},     // above them
        {20, 0, PlanRowSpan{4, 17}, {{16, 17}, {18, 20}}},  // neither fits
        {20, 0, PlanRowSpan{10, 15.5}, {{5, 6}, {7, 9}}},   // 4.5 rows below: above
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DutyDefaultRows(c.rows, c.limit, c.weekly), c.expected) << c.rows;
    }
}

TEST(DutyRosterRowsTest, TheBandOfAMaskIsOrdered) {
    const PlanBandRows rows{{17, 16}, {20, 18}};
    EXPECT_EQ(DutyRowBand(kDutyWorkSite, rows), (PlanRowRange{16, 17}));
    EXPECT_EQ(DutyRowBand(kDutyPartners, rows), (PlanRowRange{18, 20}));
    EXPECT_EQ(DutyRowBand(kDutyBoth, rows), (PlanRowRange{16, 20}));
    EXPECT_EQ(DutyRowBand(kDutyBoth, {{20, 20}, {3, 3}}), (PlanRowRange{3, 20}));
}

// Days 100 .. 100 + n - 1; the days listed in holidays are not duty days.
std::vector<RotaDay> Days(int n, const std::vector<int>& holidays = {}) {
    std::vector<RotaDay> days;
    for (int i = 0; i < n; ++i) {
        const bool off = std::find(holidays.begin(), holidays.end(), 100 + i) != holidays.end();
        days.push_back({100 + i, !off});
    }
    return days;
}

TEST(DutyRosterRotaTest, PersonsTakeTheirTurnsFromTheStartDay) {
    struct Case {
        const char* what;
        std::vector<RotaDay> days;
        std::int64_t start;
        int head;
        int persons;
        int perTurn;
        std::vector<int> expected;
    };
    const std::vector<int> weekend{102, 103};
    const Case cases[] = {
        {"forward", Days(7), 100, 0, 3, 2, {0, 0, 1, 1, 2, 2, 0}},
        // Going back from the day before the start: C C B B A A C.
        {"back", Days(8), 107, 0, 3, 2, {2, 0, 0, 1, 1, 2, 2, 0}},
        {"head not first", Days(4), 100, 1, 3, 1, {1, 2, 0, 1}},
        {"holidays skipped", Days(6, weekend), 100, 0, 3, 1, {0, 1, -1, -1, 2, 0}},
        {"holiday start", Days(5, weekend), 102, 0, 3, 1, {1, 2, -1, -1, 0}},
        {"one person", Days(5, weekend), 101, 0, 1, 3, {0, 0, -1, -1, 0}},
        // Started three duty days before the first frame: A A B | B C C ...
        {"start before", Days(4), 97, 0, 3, 2, {1, 2, 2, 0}},
        // Starts two days after the last frame: going back from the day before the start.
        {"start after", Days(4), 105, 0, 3, 1, {1, 2, 0, 1}},
        {"no persons", Days(2), 100, 0, 0, 1, {-1, -1}},
    };
    const auto everyDay = [](std::int64_t) { return true; };
    for (const Case& c : cases) {
        EXPECT_EQ(AssignRota(c.days, c.start, c.head, c.persons, c.perTurn, everyDay), c.expected)
            << c.what;
    }
    // Outside the frames the calendar's holidays do not use up a turn either.
    const auto weekdays = [](std::int64_t d) { return d % 7 != 0; };
    EXPECT_EQ(AssignRota(Days(2), 91, 0, 3, 1, weekdays), (std::vector<int>{1, 2}))
        << "seven duty days from 91 to 99";
}

class DutyRosterBuildTest : public testing::Test {
protected:
    DutyRosterBuildTest() {
        site.rows = {16, 17};
        site.startDate = Day(2010, 3, 3);
        site.shiftDays = 1;
        site.entries = {{J("A"), 0}, {J("B"), 1}, {J("C"), 0}};
        partners.rows = {20, 18};
        partners.startDate = Day(2010, 3, 1);
        CCalendar& calendar = chart.doc.GetWorkCalendar();
        for (int day = 1; day <= 10; ++day) {
            calendar.SetDayFlag(2010, 3, day, 0);
        }
        calendar.AddDayFlag(2010, 3, 6, CCalendar::kRuleHoliday);
        calendar.AddDayFlag(2010, 3, 7, CCalendar::kRuleHoliday);
    }
    // The texts of the work-site day frames, after the title and the two margins (and the
    // common title when there is one).
    std::vector<std::string> DayTexts(std::size_t skip) const {
        std::vector<std::string> texts;
        const std::vector<CZukeiString*> frames = chart.Frames();
        for (std::size_t i = skip; i < skip + 10 && i < frames.size(); ++i) {
            texts.push_back(Sjis::ToUtf8(frames[i]->GetText()));
        }
        return texts;
    }

    test::ScopedPaths paths;
    PlanChart chart{Day(2010, 3, 1), Day(2010, 3, 10)};
    test::ScopedUi ui;
    DutyWorkSite site;
    DutyPartners partners;
};

TEST_F(DutyRosterBuildTest, BothBandsWithTheCommonTitleAreOneUndoStep) {
    CDutyRosterBuilder builder(chart.doc, chart.layout);
    ASSERT_TRUE(builder.Build(kDutyBoth, site, partners));
    const std::vector<CZukeiString*> frames = chart.Frames();
    // The common title, three band frames and ten days; three band frames and the Sunday weeks
    // inside the period (1 to 7 March, 7 to 11 March).
    ASSERT_EQ(frames.size(), 1u + 3 + 10 + 3 + 2);
    EXPECT_EQ(frames[0]->GetFrameTag(), 0);
    EXPECT_EQ(frames[0]->GetText(), J("安全当番"));
    EXPECT_EQ(frames[0]->GetTopRow(0), 15.0);
    EXPECT_EQ(frames[0]->GetBottomRow(0), 20.0);
    EXPECT_EQ(frames[1]->GetText(), J("作業所"));
    EXPECT_EQ(frames[14]->GetText(), J("協力会社"));
    for (std::size_t i = 1; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i]->GetFrameTag(), kDuty) << i;
    }
    // The head B is on duty on the 3rd; the weekend is marked and skipped.
    EXPECT_EQ(DayTexts(4),
              (std::vector<std::string>{"C", "A", "B", "C", "A", "―", "―", "B", "C", "A"}));
    EXPECT_EQ(frames[4]->GetStartDate(0), Day(2010, 3, 1));
    EXPECT_EQ(frames[4]->GetEndDate(0), Day(2010, 3, 2));
    EXPECT_EQ(frames[4]->GetFont().lfHeight, -20);
    EXPECT_EQ(frames[17]->GetFont().lfHeight, -30);
    EXPECT_EQ(frames[17]->GetTopRow(0), 17.0);
    EXPECT_EQ(frames[17]->GetBottomRow(0), 20.0);
    EXPECT_EQ(frames[17]->GetStartDate(0), Day(2010, 3, 1));
    EXPECT_EQ(frames[17]->GetEndDate(0), Day(2010, 3, 7));
    chart.doc.GetUndoHistory().Undo();
    EXPECT_TRUE(chart.Frames().empty());
}

TEST_F(DutyRosterBuildTest, TheWorkSiteAloneLeavesTheLeftOfTheItemsFree) {
    CDutyRosterBuilder builder(chart.doc, chart.layout);
    ASSERT_TRUE(builder.Build(kDutyWorkSite, site, partners));
    const std::vector<CZukeiString*> frames = chart.Frames();
    ASSERT_EQ(frames.size(), 3u + 10);
    const CRect items = chart.layout.GetKoumokuRect();
    const CZukeiLayoutView view(chart.layout);
    CRect title = frames[0]->GetDeviceRect(view);
    NormalizeLogRect(title);
    EXPECT_EQ(title.left, (items.left + items.right) / 2);
    EXPECT_EQ(frames[0]->GetText(), J("作業所"));
}

TEST_F(DutyRosterBuildTest, HolidayStylesMarkOrFillOrAssign) {
    struct Case {
        int style;
        bool assign;
        const char* saturday;
        bool filled;
    };
    const Case cases[] = {
        {0, false, "", false}, {2, false, "／", false}, {3, false, "＊", false},
        {4, false, "", true},  {4, true, "B", false},
    };
    for (const Case& c : cases) {
        site.holidayStyle = c.style;
        site.assignOnHolidays = c.assign;
        CDutyRosterBuilder(chart.doc, chart.layout).Build(kDutyWorkSite, site, partners);
        const std::vector<CZukeiString*> frames = chart.Frames();
        ASSERT_EQ(frames.size(), 13u);
        EXPECT_EQ(Sjis::ToUtf8(frames[3 + 5]->GetText()), c.saturday) << c.style;
        EXPECT_EQ(frames[3 + 5]->GetHatch() == 99, c.filled) << c.style;
        if (c.filled) {
            EXPECT_EQ(frames[3 + 5]->GetHatchColor(), GetAppConfig()->GetColor().GetHolidayMesh());
        }
        chart.doc.GetUndoHistory().Undo();
    }
}

TEST_F(DutyRosterBuildTest, WithoutAHeadNoNameIsWrittenAndTheListIsKept) {
    const std::string section = ToubanLastListSection();
    site.entries = {{J("A"), 0}, {J("B"), 1}};
    CDutyRosterBuilder(chart.doc, chart.layout).BuildWorkSite(site);
    EXPECT_EQ(GetProfileInt(section, "Size", 0), 2u);
    EXPECT_EQ(GetProfileString(section, "Touban0"), "A");
    EXPECT_EQ(GetProfileString(section, "Touban1"), "B");
    EXPECT_EQ(GetProfileString(section, "Head"), "B");

    site.entries = {{J("C"), 0}};
    CDutyRosterBuilder(chart.doc, chart.layout).BuildWorkSite(site);
    EXPECT_EQ(chart.Frames().back()->GetText(), "");
    EXPECT_EQ(GetProfileInt(section, "Size", 0), 2u);
    EXPECT_EQ(LoadLastList(), (std::vector<CToubanEntry>{{"A", 0}, {"B", 1}}));

    site.entries = {{J("C"), 1}};
    CDutyRosterBuilder(chart.doc, chart.layout).BuildWorkSite(site);
    EXPECT_EQ(GetProfileInt(section, "Size", 0), 1u);
    EXPECT_EQ(GetProfileString(section, "Touban0"), "C");
    EXPECT_FALSE(UserProfile().Find(section, "Touban1"));
    EXPECT_EQ(GetProfileString(section, "Head"), "C");
}

TEST_F(DutyRosterBuildTest, AFrameThatCannotBeMadeStopsItsBandOnly) {
    int made = 0;
    CDutyRosterBuilder builder(chart.doc, chart.layout);
    builder.SetMaker([&](std::string_view face) -> std::unique_ptr<CZukeiString> {
        if (made++ == 6) {
            AfxMessageBox(5021);
            return nullptr;
        }
        return chart.doc.GetShapes().CreateTextZukei(face);
    });
    EXPECT_TRUE(builder.Build(kDutyBoth, site, partners));
    // Title, band frames and two days; then the whole partner band.
    EXPECT_EQ(chart.Frames().size(), 6u + 5);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5021});
    for (std::size_t i = 4; i < 6; ++i) {
        EXPECT_EQ(chart.Frames()[i]->GetText(), "");
    }
    EXPECT_FALSE(UserProfile().Find(ToubanLastListSection(), "Size"));
    chart.doc.GetUndoHistory().Undo();
    EXPECT_TRUE(chart.Frames().empty());
}

TEST_F(DutyRosterBuildTest, TheOverlapQuestionCoversTheWholeRoster) {
    chart.AddFrame(CZukeiString::kTagJitsu, 12, 16);
    ui->QueueAnswer(IDNO);
    EXPECT_FALSE(CheckDutyOverlap(chart.doc, kDutyBoth, {{16, 17}, {18, 20}}));
    EXPECT_EQ(
        ui->MessageBoxes().back().text,
        "12 ～ 16 行目の「実施項目」枠 と重なります。\n\nこのまま「安全当番」枠を作成しますか？");
    EXPECT_TRUE(CheckDutyOverlap(chart.doc, kDutyPartners, {{16, 17}, {18, 20}}));
    EXPECT_EQ(ui->MessageBoxes().size(), 1u);
}

} // namespace
} // namespace tembra
