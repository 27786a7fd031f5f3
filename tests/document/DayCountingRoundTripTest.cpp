// A chart switched to elapsed days and back comes back as it was: every date of every process,
// event, progress line and date-range hatching, the spare days and the chart's own calendar, over
// the shipped holidays (Golden Week, the year end) and closure days of the chart's own; each
// switch is one undo step. Random charts of chains of calendar-day and working-day processes, as
// the program makes them, and the charts of the reports.
#include "ChartBytes.h"
#include "ConversionAnswers.h"
#include "KouteiChainFixture.h"
#include "model/Event.h"
#include "model/KtkmHatch.h"
#include "model/Shincyoku.h"
#include "platform/RegKey.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tembra::test {
namespace {

CTime Date(int year, int month, int day) {
    return CTime(year, month, day);
}

std::string Text(const CTime& date) {
    return date.GetTime() == 0 ? std::string("0") : date.Format("%Y-%m-%d");
}

// Every date of a chart, by object.
struct ChartDates {
    // start, end, spare days, start row, end row
    std::map<std::uint64_t, std::tuple<std::string, std::string, std::int64_t, int, int>> processes;
    std::vector<std::string> events;                // in the order of the chart's list
    std::vector<std::vector<std::string>> progress; // reference date, then the points
    std::vector<std::pair<std::string, std::string>> hatches;

    bool operator==(const ChartDates&) const = default;
};

ChartDates DatesOf(CTembraDoc& doc) {
    ChartDates dates;
    doc.UnselectAll(FALSE);
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        const CDataHeader* object = doc.GetNextObj(pos);
        if (const CKoutei* process = AsKoutei(const_cast<CDataHeader*>(object))) {
            dates.processes[NumberKey(process->GetSeqNumber())] = {
                Text(process->GetStartTime()), Text(process->GetEndTime()),
                process->GetSpareDays().GetTotalSeconds(), process->GetStartRow(),
                process->GetEndRow()};
        } else if (const CEvent* event = AsEvent(const_cast<CDataHeader*>(object))) {
            dates.events.push_back(Text(event->GetStartDate()));
        }
    }
    for (POSITION pos = doc.GetHeadShincyokuPosition(); pos != nullptr;) {
        const CShincyoku* line = doc.GetNextShincyoku(pos);
        std::vector<std::string> row{Text(line->GetDate())};
        for (int i = 0; i < line->GetPointCount(); ++i) {
            const CShinPoint* point = line->GetPoint(i);
            row.push_back(point != nullptr ? Text(point->GetDate()) : "-");
        }
        dates.progress.push_back(row);
    }
    for (POSITION pos = doc.GetHatchList()->GetHeadPosition(); pos != nullptr;) {
        const CKtkmHatch* hatch = doc.GetHatchList()->GetNext(pos);
        dates.hatches.emplace_back(Text(hatch->GetStartDate()), Text(hatch->GetEndDate()));
    }
    return dates;
}

// The first few objects whose dates differ, for the message of a failed comparison.
std::string Differences(const ChartDates& a, const ChartDates& b) {
    std::ostringstream out;
    int shown = 0;
    for (const auto& [number, was] : a.processes) {
        const auto it = b.processes.find(number);
        if (it == b.processes.end()) {
            out << "process " << number << " gone\n";
        } else if (it->second != was && shown++ < 6) {
            out << "process " << number << ": " << std::get<0>(was) << ".." << std::get<1>(was)
                << " spare " << std::get<2>(was) << " -> " << std::get<0>(it->second) << ".."
                << std::get<1>(it->second) << " spare " << std::get<2>(it->second) << "\n";
        }
    }
    if (a.events != b.events) {
        out << "events differ\n";
    }
    if (a.progress != b.progress) {
        out << "progress lines differ\n";
    }
    if (a.hatches != b.hatches) {
        out << "hatchings differ\n";
    }
    return out.str();
}

class DayCountingTest : public KouteiChainFixture {
protected:
    DayCountingTest() {
        // The holidays the program ships, from an empty profile.
        std::filesystem::copy_file(
            std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / AppRegKeyDefaultPath().filename(),
            AppRegKeyDefaultPath(), std::filesystem::copy_options::overwrite_existing);
        doc.GetOperation().SetHolidayAuto(1);
        doc.GetSyokiSet().SetNobeMode(0);
        doc.GetSyokiSet().SetMaeYohaku(CTimeSpan());
        doc.GetSyokiSet().SetJyunbiKikan(CTimeSpan());
        CCalendar& calendar = doc.GetWorkCalendar();
        calendar.MakeHolidays(nullptr, TRUE, TRUE);
        calendar.TakeRules();
    }

    // The chart's period; the conversions anchor the first elapsed day at anchor.
    void Period(const CTime& first, const CTime& last, const CTime& anchor) {
        doc.GetSyokiSet().SetStartDate(first);
        doc.GetSyokiSet().SetEndDate(last);
        m_anchor = anchor;
    }
    // Switches the counting, every dialog answered with OK.
    void Convert() {
        AnswerConversion(ui.Get(), m_anchor);
        doc.GetDayCounting().OnChangeNobeReki();
    }

    CKoutei* Process(const std::string& name, const CTime& start, const CTime& end, int row,
                     bool workingDays) {
        KouteiPlan plan;
        plan.name = name;
        plan.endDay = 1; // the dates follow
        plan.startRow = plan.endRow = row;
        plan.workingDays = workingDays;
        CKoutei* process = Add(plan);
        process->SetStartDate(start);
        process->SetEndDate(end);
        return process;
    }
    CTime Start(const std::string& name) const { return Get(name)->GetStartTime(); }
    CTime End(const std::string& name) const { return Get(name)->GetEndTime(); }

    // Everything an undo must put back: the objects, the calendar and the settings.
    Bytes Whole() {
        Bytes out = ChartBytes(doc);
        for (POSITION pos = doc.GetHeadShincyokuPosition(); pos != nullptr;) {
            const Bytes record = Store(*doc.GetNextShincyoku(pos), doc);
            out.insert(out.end(), record.begin(), record.end());
        }
        for (POSITION pos = doc.GetHatchList()->GetHeadPosition(); pos != nullptr;) {
            const Bytes record = Store(*doc.GetHatchList()->GetNext(pos), doc);
            out.insert(out.end(), record.begin(), record.end());
        }
        const Bytes settings = Store(doc.GetSyokiSet(), doc);
        out.insert(out.end(), settings.begin(), settings.end());
        const BYTE* days = doc.GetWorkCalendar().GetDayTable();
        out.insert(out.end(), days, days + CCalendar::kSlotCount);
        return out;
    }

    // ---- Random charts, as the program makes them ----------------------------------------------

    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }

    // The working day n working days after the day of date (n 0: the first at or after it).
    CTime WorkingDay(CTime date, int n) const {
        const CCalendar& calendar = doc.GetWorkCalendar();
        while (calendar.IsHoliday(date)) {
            date += Days(1);
        }
        for (; n > 0; --n) {
            date += Days(1);
            while (calendar.IsHoliday(date)) {
                date += Days(1);
            }
        }
        return date;
    }
    // Where a working-day process of that many working days from start ends, as a move puts it.
    CTime WorkingEnd(const CTime& start, int workingDays) const {
        const CCalendar& calendar = doc.GetWorkCalendar();
        const CTime reached = start + calendar.AddWorkTime(start, Days(workingDays));
        return CTime(calendar.SkipHolidays(reached.GetTime(), GetMaxDate().GetTime()));
    }
    CTime AddRandomProcess(const CTime& start, int row, int endRow, bool working) {
        const int days = Uniform(1, working ? 10 : 15);
        const CTime end = working ? WorkingEnd(start, days) : start + Days(days);
        KouteiPlan plan;
        plan.name = "p" + std::to_string(m_made++);
        plan.endDay = 1; // the dates follow
        plan.startRow = row;
        plan.endRow = endRow;
        plan.workingDays = working;
        plan.spareDays = Chance(30) ? Uniform(1, std::min(3, days)) : 0;
        CKoutei* process = Add(plan);
        process->SetStartDate(start);
        process->SetEndDate(end);
        return end;
    }

    // Chains of processes on rows of their own: each process starts at the end of the one before
    // or, after a gap, on a working day far enough on that no contact appears in elapsed days
    // (the gap outlasts the days by which the calendar-day processes before it push the chain);
    // a process may lead the chain to its second row, or branch off to a third row where nothing
    // starts. Events, progress points and hatchings on working days.
    void MakeRandomChart(const CTime& first) {
        for (int chain = 0; chain < 6; ++chain) {
            const int base = 3 * chain;
            int row = base;
            CTime at = WorkingDay(first + Days(Uniform(0, 15)), 0);
            int pushed = 0;
            const int length = Uniform(3, 8);
            for (int k = 0; k < length; ++k) {
                if (k > 0 && Chance(25)) {
                    at = WorkingDay(at, pushed + 2 + Uniform(0, 3));
                    pushed = 0;
                }
                // Both kinds among the first two of every chain.
                const bool working = k < 2 ? (k + chain) % 2 == 0 : Chance(55);
                const int endRow = row == base && Chance(15) ? base + 1 : row;
                const CTime end = AddRandomProcess(at, row, endRow, working);
                if (!working) {
                    pushed +=
                        static_cast<int>(doc.GetWorkCalendar().GetHolidayTime(at, end).GetDays());
                }
                if (Chance(15)) {
                    AddRandomProcess(end, endRow, base + 2, Chance(50));
                }
                at = end;
                row = endRow;
            }
        }
        for (int i = 0; i < 5; ++i) {
            std::unique_ptr<CEvent> event = doc.CreateEvent();
            event->SetStartDate(WorkingDay(first + Days(Uniform(0, 80)), 0));
            event->SetStartRow(static_cast<WORD>(Uniform(0, 20)));
            doc.AddObj(event.release(), FALSE);
        }
        for (int i = 0; i < 2; ++i) {
            std::unique_ptr<CShincyoku> line =
                doc.CreateShincyoku(WorkingDay(first + Days(Uniform(10, 60)), 0));
            for (int r = 0; r < 8; ++r) {
                if (Chance(50)) {
                    line->SetPointDate(r, WorkingDay(first + Days(Uniform(0, 80)), 0));
                }
            }
            doc.AddShincyoku(line.release(), FALSE);
        }
        for (int i = 0; i < 2; ++i) {
            const CTime start = WorkingDay(first + Days(Uniform(0, 60)), 0);
            // To the end of a working day.
            const CTime end = WorkingDay(start, Uniform(0, 10)) + Days(1);
            doc.GetHatchList()->AddTail(
                doc.GetHatches()
                    .CreateHatch(CKtkmHatch::kDateBand, 1, 0, start, end, 0, 0, 0, 0)
                    .release());
        }
    }
    // Days of the chart's own: working days closed, holidays worked.
    void ToggleRandomDays(const CTime& first) {
        for (int i = 0; i < 6; ++i) {
            doc.GetWorkCalendar().ToggleDayFlag((first + Days(Uniform(0, 120))).GetTime(),
                                                CCalendar::kUserToggle);
        }
    }

    std::mt19937 m_random;
    int m_made = 0;

    ScopedPaths paths;
    CTime m_anchor;
};

// ---- The reported charts ------------------------------------------------------------------------

TEST_F(DayCountingTest, TheReportedChartsComeBackAsTheyWere) {
    struct Step {
        const char* name;
        CTime start, end;
        bool workingDays;
    };
    struct Case {
        const char* what;
        CTime first, last;
        std::vector<Step> steps; // on one row, each starting where the one before ends
        int elapsedDaysOfFirst;  // the first process's length in elapsed days
    };
    const Case cases[] = {
        {"a mixed chain after a calendar week with a Sunday",
         Date(2025, 4, 1),
         Date(2025, 6, 30),
         {{"A", Date(2025, 4, 21), Date(2025, 4, 28), false},
          {"B", Date(2025, 4, 28), Date(2025, 5, 12), true},
          {"C", Date(2025, 5, 12), Date(2025, 5, 20), true}},
         7},
        {"a mixed chain across Golden Week",
         Date(2025, 4, 1),
         Date(2025, 6, 30),
         {{"A", Date(2025, 4, 30), Date(2025, 5, 8), false},
          {"B", Date(2025, 5, 8), Date(2025, 5, 15), true}},
         8},
        {"calendar days only over Golden Week",
         Date(2025, 4, 1),
         Date(2025, 6, 30),
         {{"A", Date(2025, 4, 28), Date(2025, 5, 12), false},
          {"B", Date(2025, 5, 12), Date(2025, 5, 19), false}},
         14},
        {"calendar days only over the year end",
         Date(2029, 12, 1),
         Date(2030, 2, 28),
         {{"A", Date(2029, 12, 20), Date(2030, 1, 15), false}},
         26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.FreeAllObjects();
        doc.GetSyokiSet().SetNobeMode(0);
        Period(c.first, c.last, c.first);
        for (const Step& step : c.steps) {
            Process(step.name, step.start, step.end, 1, step.workingDays);
        }
        const ChartDates before = DatesOf(doc);

        Convert();
        ASSERT_GT(doc.GetSyokiSet().GetNobeMode(), 0);
        EXPECT_EQ((End("A") - Start("A")).GetDays(), c.elapsedDaysOfFirst);
        for (std::size_t i = 1; i < c.steps.size(); ++i) {
            if (c.steps[0].workingDays != c.steps[i].workingDays) {
                EXPECT_EQ(Start(c.steps[i].name), End(c.steps[i - 1].name)) << c.steps[i].name;
            }
        }

        Convert();
        ASSERT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
        const ChartDates after = DatesOf(doc);
        EXPECT_TRUE(after == before) << Differences(before, after);
    }
}

TEST_F(DayCountingTest, TheChartKeepsItsOwnCalendarAndWhatCountsOverIt) {
    // A site closure on Tuesday 10 June 2025 and a national holiday worked (Marine Day, 21 July).
    Period(Date(2025, 6, 1), Date(2025, 8, 31), Date(2025, 6, 2));
    CCalendar& calendar = doc.GetWorkCalendar();
    calendar.ToggleDayFlag(2025, 6, 10, CCalendar::kUserToggle);
    calendar.ToggleDayFlag(2025, 7, 21, CCalendar::kUserToggle);
    CCalendar own;
    calendar.CopyTo(&own);
    Process("A", Date(2025, 6, 9), Date(2025, 6, 13), 1, true);
    Process("B", Date(2025, 7, 18), Date(2025, 7, 24), 2, true);
    const ChartDates before = DatesOf(doc);

    Convert();
    EXPECT_EQ((End("A") - Start("A")).GetDays(), 3) << "four days, one of them closed";
    EXPECT_EQ((End("B") - Start("B")).GetDays(), 5) << "the holiday is worked";
    CCalendar none;
    none.Clear();
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&none));

    Convert();
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&own));
    EXPECT_TRUE(doc.GetWorkCalendar().IsHoliday(Date(2025, 6, 10)));
    const ChartDates after = DatesOf(doc);
    EXPECT_TRUE(after == before) << Differences(before, after);
}

TEST_F(DayCountingTest, AChartThatNeverCountedCalendarDaysTakesItsRules) {
    // Made in elapsed days: its rules give the holidays, Golden Week from Saturday 3 May 2025 to
    // Tuesday 6 May, and a working-day process is laid over them.
    doc.GetSyokiSet().SetNobeMode(1);
    doc.GetWorkCalendar().Clear();
    Period(Date(2025, 5, 1), Date(2025, 6, 30), Date(2025, 5, 1));
    Process("A", Date(2025, 5, 1), Date(2025, 5, 4), 1, true);
    Convert();
    ASSERT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
    CCalendar rules;
    rules.MakeHolidays(nullptr, TRUE, TRUE);
    EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&rules));
    EXPECT_EQ(Start("A"), Date(2025, 5, 1));
    EXPECT_EQ(End("A"), Date(2025, 5, 8)) << "1, 2 and 7 May: the working days of three";
}

TEST_F(DayCountingTest, ProgressLinesAndDateRangesGoWithTheDaysTheyMark) {
    // After Golden Week, in elapsed days: the progress line stands where the process it marks
    // starts, and the hatching covers what the process covers.
    Period(Date(2025, 4, 1), Date(2025, 6, 30), Date(2025, 4, 1));
    Process("A", Date(2025, 5, 12), Date(2025, 5, 17), 1, true);
    std::unique_ptr<CShincyoku> line = doc.CreateShincyoku(Date(2025, 5, 12));
    line->SetPointDate(1, Date(2025, 5, 14));
    doc.AddShincyoku(line.release(), FALSE);
    doc.GetHatchList()->AddTail(doc.GetHatches()
                                    .CreateHatch(CKtkmHatch::kDateBand, 1, 0, Date(2025, 5, 12),
                                                 Date(2025, 5, 17), 0, 0, 0, 0)
                                    .release());
    Convert();
    POSITION pos = doc.GetHeadShincyokuPosition();
    const CShincyoku* converted = doc.GetNextShincyoku(pos);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(Text(converted->GetDate()), Text(Start("A")));
    EXPECT_EQ(Text(converted->GetPoint(1)->GetDate()), Text(Start("A") + Days(2)));
    const CKtkmHatch* hatch = doc.GetHatchList()->GetHead();
    EXPECT_EQ(Text(hatch->GetStartDate()), Text(Start("A")));
    EXPECT_EQ(Text(hatch->GetEndDate()), Text(End("A")));
}

// ---- Random charts ------------------------------------------------------------------------------

TEST_F(DayCountingTest, RandomChartsComeBackAsTheyWereAndEachSwitchIsOneUndoStep) {
    struct Scenario {
        const char* what;
        CTime first, last;
    };
    const Scenario scenarios[] = {
        {"2010", Date(2010, 3, 1), Date(2010, 8, 31)},
        {"2025 and Golden Week", Date(2025, 3, 20), Date(2025, 8, 31)},
        {"the year end of 2029", Date(2029, 11, 1), Date(2030, 3, 31)},
    };
    for (const Scenario& scenario : scenarios) {
        for (const bool ownDays : {false, true}) {
            for (unsigned seed = 1; seed <= 8; ++seed) {
                SCOPED_TRACE(std::string(scenario.what) + (ownDays ? ", own days" : "") +
                             ", seed " + std::to_string(seed));
                m_random.seed(seed);
                doc.FreeAllObjects();
                doc.FreeAllShincyoku();
                while (!doc.GetHatchList()->IsEmpty()) {
                    delete doc.GetHatchList()->RemoveHead();
                }
                doc.GetSyokiSet().SetNobeMode(0);
                doc.GetWorkCalendar().RestoreRules();
                if (ownDays) {
                    ToggleRandomDays(scenario.first);
                }
                // The first elapsed day at the period's start, or in the middle of the chart.
                Period(scenario.first, scenario.last,
                       seed % 2 == 0 ? scenario.first : WorkingDay(scenario.first + Days(40), 0));
                MakeRandomChart(scenario.first);
                const ChartDates before = DatesOf(doc);
                const Bytes calendarDays = Whole();
                CCalendar own;
                doc.GetWorkCalendar().CopyTo(&own);

                Convert();
                ASSERT_GT(doc.GetSyokiSet().GetNobeMode(), 0);
                const Bytes elapsedDays = Whole();
                ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
                EXPECT_EQ(Whole(), calendarDays) << "undone";
                ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
                EXPECT_EQ(Whole(), elapsedDays) << "redone";

                Convert();
                ASSERT_EQ(doc.GetSyokiSet().GetNobeMode(), 0);
                const ChartDates after = DatesOf(doc);
                EXPECT_TRUE(after == before) << Differences(before, after);
                EXPECT_TRUE(doc.GetWorkCalendar().IsSameAs(&own));
                const Bytes back = Whole();
                ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
                EXPECT_EQ(Whole(), elapsedDays) << "undone";
                ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
                EXPECT_EQ(Whole(), back) << "redone";
            }
        }
    }
}

} // namespace
} // namespace tembra::test
