// Settings > calendar and the calendar update: what is asked, what moves over the days whose
// kind changed, the progress text, the period box, and the one undo step.
#include "ChartBytes.h"
#include "KouteiChainFixture.h"
#include "model/CalendarRequests.h"
#include "model/Event.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tembra::test {
namespace {

class CalendarUpdateTest : public KouteiChainFixture {
protected:
    CalendarUpdateTest() {
        CSyokiSet& settings = doc.GetSyokiSet();
        settings.SetNobeMode(0);
        settings.SetStartDate(ChartDay(0));
        settings.SetEndDate(ChartDay(30));
        doc.GetWorkCalendar().Clear();
        // Day 10 is a holiday of the chart.
        doc.GetWorkCalendar().SetDayFlag(ChartDay(10).GetTime(), CCalendar::kRuleHoliday);
        doc.GetOperation().SetHolidayAuto(1);
    }

    // The calendar dialog turns the days to the flag; the confirmation answers as given.
    void Script(std::vector<std::pair<int, BYTE>> days, int answer, bool limit = true) {
        ui->OnDialog("CalendarSet", [days](DialogRequest& r) {
            auto& request = static_cast<CalendarSetRequest&>(r);
            for (const auto& [day, flag] : days) {
                request.calendar->SetDayFlag(ChartDay(day).GetTime(), flag);
            }
            return IDOK;
        });
        ui->OnDialog("AutoAdjust", [answer, limit](DialogRequest& r) {
            static_cast<AutoAdjustRequest&>(r).limitToPeriod = limit;
            return answer;
        });
    }
    // The days of the events (an edit puts moved copies in their places).
    std::vector<int> EventDays() const {
        std::vector<int> days;
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            if (const CEvent* event = AsEvent(doc.GetNextObj(pos))) {
                days.push_back(static_cast<int>((event->GetStartDate() - ChartDay(0)).GetDays()));
            }
        }
        std::sort(days.begin(), days.end());
        return days;
    }
    CEvent* AddEvent(int day) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetStartDate(ChartDay(day));
        event->SetStartRow(3);
        CEvent* raw = event.get();
        doc.AddObj(event.release(), FALSE);
        return raw;
    }
    int StartDay(const std::string& name) const {
        return static_cast<int>((Get(name)->GetStartTime() - ChartDay(0)).GetDays());
    }
    int EndDay(const std::string& name) const {
        return static_cast<int>((Get(name)->GetEndTime() - ChartDay(0)).GetDays());
    }
    bool Asked() {
        for (const auto& call : ui->Dialogs()) {
            if (call.name == "AutoAdjust") {
                return true;
            }
        }
        return false;
    }
};

TEST_F(CalendarUpdateTest, TheCommandRunsInCalendarDaysOnly) {
    Script({{12, CCalendar::kUserToggle}}, IDOK);
    doc.GetSyokiSet().SetNobeMode(1);
    CCmdUI cmdUI(32778);
    doc.GetCalendarUpdate().OnUpdateCalendar(&cmdUI);
    EXPECT_FALSE(cmdUI.IsEnabled());
    doc.GetCalendarUpdate().OnCalendar();
    EXPECT_TRUE(ui->Dialogs().empty());
    EXPECT_FALSE(doc.GetWorkCalendar().IsHoliday(ChartDay(12)));
}

TEST_F(CalendarUpdateTest, AnUnchangedCalendarRecordsAndUpdatesNothing) {
    Add({"A", 12, 15, 1, 1});
    Script({}, IDOK);
    doc.GetCalendarUpdate().OnCalendar();
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
    EXPECT_TRUE(view.updates.empty());
    EXPECT_FALSE(Asked());
}

TEST_F(CalendarUpdateTest, WithoutTheQuestionOrWithNoTheCalendarIsTakenAndNothingMoves) {
    struct Case {
        const char* what;
        LONG holidayAuto;
        bool withObjects;
        int answer;
        bool asked;
    };
    for (const Case& c :
         {Case{"holiday handling off", 0, true, IDOK, false},
          Case{"no objects", 1, false, IDOK, false}, Case{"no", 1, true, IDCANCEL, true}}) {
        SCOPED_TRACE(c.what);
        doc.FreeAllObjects();
        ui->ClearRecords();
        doc.GetWorkCalendar().Clear();
        doc.GetOperation().SetHolidayAuto(c.holidayAuto);
        if (c.withObjects) {
            Add({"A", 12, 15, 1, 1});
        }
        Script({{11, CCalendar::kUserToggle}}, c.answer);
        doc.GetCalendarUpdate().OnCalendar();
        EXPECT_EQ(Asked(), c.asked);
        EXPECT_TRUE(doc.GetWorkCalendar().IsHoliday(ChartDay(11)));
        if (c.withObjects) {
            EXPECT_EQ(StartDay("A"), 12);
        }
    }
}

TEST_F(CalendarUpdateTest, TheDaysMoveWhatFollowsThemAndTheProgressRunsFromZeroToHundred) {
    Add({"A", 12, 15, 1, 1});
    Script({{11, CCalendar::kUserToggle}}, IDOK);
    doc.GetCalendarUpdate().OnCalendar();
    EXPECT_EQ(StartDay("A"), 13);
    std::vector<std::string> texts;
    for (const std::string& text : ui->StatusTexts()) {
        if (Sjis::ToUtf8(text).starts_with("カレンダー更新中")) {
            texts.push_back(Sjis::ToUtf8(text));
        }
    }
    ASSERT_EQ(texts.size(), 31u); // one a day of the period 0 .. 30
    EXPECT_EQ(texts.front(), "カレンダー更新中...( 0% )");
    EXPECT_EQ(texts[15], "カレンダー更新中...( 50% )");
    EXPECT_EQ(texts.back(), "カレンダー更新中...( 100% )");
}

TEST_F(CalendarUpdateTest, TheBoxKeepsTheAdjustmentInsideTheChartPeriod) {
    Add({"A", 40, 45, 1, 1});
    for (const bool limit : {true, false}) {
        SCOPED_TRACE(limit);
        doc.GetWorkCalendar().Clear();
        Script({{35, CCalendar::kUserToggle}}, IDOK, limit);
        doc.GetCalendarUpdate().OnCalendar();
        EXPECT_EQ(StartDay("A"), limit ? 40 : 41);
    }
}

TEST_F(CalendarUpdateTest, AHolidayTurnedWorkingDayDeletesNothingAndPullsWhatFollows) {
    // Day 10 becomes a working day: what lies on it stays, what follows comes a day earlier.
    AddAll({{"on the day", 10, 11, 1, 1},
            {"before", 6, 11, 2, 2},
            {"after", 11, 14, 2, 2},
            {"over", 8, 13, 3, 3},
            {"later", 20, 22, 4, 4}});
    AddEvent(10);
    AddEvent(12);
    Script({{10, 0}}, IDOK);
    doc.GetCalendarUpdate().OnCalendar();
    EXPECT_EQ(doc.GetObjCount(), 7);
    EXPECT_EQ(StartDay("on the day"), 10);
    EXPECT_EQ(EndDay("on the day"), 11);
    EXPECT_EQ(EndDay("before"), 10);
    EXPECT_EQ(StartDay("after"), 10);
    EXPECT_EQ(EndDay("after"), 13);
    EXPECT_EQ(StartDay("over"), 8);
    EXPECT_EQ(EndDay("over"), 12);
    EXPECT_EQ(StartDay("later"), 19);
    EXPECT_EQ(EventDays(), (std::vector<int>{10, 11}));
}

TEST_F(CalendarUpdateTest, ADayThatKeepsItsKindUnderAnotherFlagMovesNothing) {
    // Day 10 is a rule holiday, day 11 a rule holiday worked (0x30), day 12 a working day: each
    // takes another flag of its own kind, every day of the calendar being adjusted over.
    struct Case {
        const char* what;
        int day;
        BYTE flag;
    };
    const Case cases[] = {
        {"a rule holiday marked by the user", 10, CCalendar::kUserToggle},
        {"a worked rule holiday back to a plain working day", 11, 0},
        {"a working day marked as a worked rule holiday", 12, 0x30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.FreeAllObjects();
        ui->ClearRecords();
        doc.GetWorkCalendar().Clear();
        doc.GetWorkCalendar().SetDayFlag(ChartDay(10).GetTime(), CCalendar::kRuleHoliday);
        doc.GetWorkCalendar().SetDayFlag(ChartDay(11).GetTime(), 0x30);
        AddAll({{"A", 8, 14, 1, 1},
                {"B", 14, 18, 1, 1, 0, kLineShapeStraight, false, false, 0, true},
                {"C", 20, 22, 2, 2}});
        AddEvent(16);
        const Bytes before = ChartBytes(doc);
        Script({{c.day, c.flag}}, IDOK, false);
        doc.GetCalendarUpdate().OnCalendar();
        EXPECT_TRUE(Asked());
        EXPECT_EQ(ChartBytes(doc), before);
        EXPECT_EQ(doc.GetWorkCalendar().GetDayFlag(ChartDay(c.day).GetTime()), c.flag);
    }
}

TEST_F(CalendarUpdateTest, OneUndoTakesTheWholeEditBack) {
    // The days move different objects (C alone on day 15, the event on none), so each column
    // edit appends other copies to the chart's list.
    AddAll({{"A", 4, 9, 1, 1}, {"B", 9, 12, 1, 1}, {"C", 12, 20, 2, 2}});
    AddEvent(14);
    Add({"D", 22, 25, 3, 3});
    CCalendar calendar;
    doc.GetWorkCalendar().CopyTo(&calendar);
    const Bytes before = ChartBytes(doc);
    Script({{10, 0}, {11, CCalendar::kUserToggle}, {15, CCalendar::kUserToggle}}, IDOK);
    doc.GetCalendarUpdate().OnCalendar();
    ASSERT_NE(ChartBytes(doc), before);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(ChartBytes(doc), before);
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&calendar));
}

} // namespace
} // namespace tembra::test
