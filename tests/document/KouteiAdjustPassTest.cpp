// The adjustment after a move by working time carried along plain chains once, against the
// stepwise walk it stands in for: generated charts (fixed seeds) are built twice, moved by a day
// of working time as a drag of a mixed selection moves them, and adjusted pass for pass by each
// walk; every process must end with the same dates, rows, spare days and selected nodes, and each
// pass must report the same. Charts the carried walk does not serve (a process with two
// successors) are refused untouched; charts where it must give up on the way are given back and
// walked stepwise.
#include "document/KouteiAdjustPass.h"
#include "KouteiChainFixture.h"
#include "model/Calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tembra::test {
namespace {

struct ChartShape {
    const char* name;
    int chains;         // side by side, on rows of their own
    int length;         // processes in each
    int maxDays;        // a process lasts 0 to so many days
    int hoursEvery;     // one in so many ends at an hour of its day (0: none)
    int workingEvery;   // one in so many counts working days
    int spareEvery;     // one in so many has one to three spare days
    int branchEvery;    // one in so many has a second successor (0: none)
    bool carriedServes; // the carried walk serves some pass of these charts
    int minDays = 0;    // a process lasts at least so many days
};

void PrintTo(const ChartShape& shape, std::ostream* os) {
    *os << shape.name;
}

// One generated chart: a document with weekends and some more days off, and its processes, all
// selected whole.
class Chart {
public:
    Chart(const ChartShape& shape, unsigned seed) {
        m_doc.GetChartLayers().CreateLayers();
        m_doc.GetOperation().SetMode(COperationState::kModeKoutei);
        m_doc.GetOperation().SetHolidayAuto(1);
        std::mt19937 random(seed);
        const auto draw = [&random](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        for (int day = -10; day < 4000; ++day) {
            // 1 April 2010 was a Thursday.
            if (day % 7 == 2 || day % 7 == 3 || draw(11) == 0) {
                m_doc.GetWorkCalendar().AddDayFlag(ChartDay(day).GetTime(),
                                                   CCalendar::kRuleHoliday);
            }
        }
        for (int chain = 0; chain < shape.chains; ++chain) {
            const int rows = 50 * chain;
            CTime at = ChartDay(draw(7));
            for (int i = 0; i < shape.length; ++i) {
                CTime end = at + Days(shape.minDays + draw(shape.maxDays - shape.minDays + 1));
                if (shape.hoursEvery > 0 && draw(shape.hoursEvery) == 0) {
                    end += CTimeSpan(0, 1 + draw(23), 0, 0);
                }
                KouteiPlan plan;
                plan.startRow = rows + i % 5;
                plan.endRow = rows + (i + 1) % 5;
                plan.shape = kLineShapeElbowVH;
                plan.workingDays = draw(shape.workingEvery) == 0;
                plan.spareDays = draw(shape.spareEvery) == 0 ? 1 + draw(3) : 0;
                Add(plan, at, end);
                if (shape.branchEvery > 0 && draw(shape.branchEvery) == 0) {
                    KouteiPlan branch;
                    branch.startRow = plan.endRow;
                    branch.endRow = rows + 40;
                    branch.shape = kLineShapeElbowVH;
                    Add(branch, end, end + Days(2));
                }
                at = end;
            }
        }
        // The link records of the calendar-day processes by their end dates, then the move.
        std::vector<CKoutei*> calendarDays;
        for (CKoutei* process : m_processes) {
            if (!CountsWorkingDays(*process)) {
                calendarDays.push_back(process);
            }
        }
        std::stable_sort(
            calendarDays.begin(), calendarDays.end(),
            [](const CKoutei* a, const CKoutei* b) { return a->GetEndTime() < b->GetEndTime(); });
        for (CKoutei* process : calendarDays) {
            m_records.push_back(std::make_unique<CKouteiLink>(process));
        }
        for (CKoutei* process : m_processes) {
            process->MoveBy(&m_doc.GetSeams().Koutei(), Days(1), 0, nullptr,
                            KouteiMoveFlags::SelectedOnly);
        }
    }

    KouteiAdjustPass Pass() {
        return KouteiAdjustPass{
            m_doc.GetSelList(),    m_records, m_doc.GetSeams().Koutei(), FALSE, TRUE,
            KouteiMoveCaller::Drag};
    }
    const std::vector<CKoutei*>& Processes() const { return m_processes; }

private:
    static bool CountsWorkingDays(const CKoutei& process) {
        return process.GetLines()->GetAttr().GetHoliday() != 0;
    }

    void Add(const KouteiPlan& plan, const CTime& start, const CTime& end) {
        std::unique_ptr<CKoutei> process = MakeKoutei(m_doc, plan);
        process->SetStartDate(start);
        process->SetEndDate(end);
        process->Select();
        m_processes.push_back(process.get());
        m_doc.AddSel(process.release());
    }

    CTembraDoc m_doc;
    std::vector<CKoutei*> m_processes;
    CTembraDoc::KouteiLinkList m_records;
};

std::string StateOf(const CKoutei& process) {
    return std::to_string(process.GetStartTime().GetTime()) + " " +
           std::to_string(process.GetEndTime().GetTime()) + " rows " +
           std::to_string(process.GetStartRow()) + "-" + std::to_string(process.GetEndRow()) +
           " spare " + std::to_string(process.GetSpareDays().GetTimeSpan()) + " parts " +
           std::to_string(process.IsStartLandSelected()) +
           std::to_string(process.IsLinesSelected()) + std::to_string(process.IsEndLandSelected());
}

class CarriedAdjustTest : public testing::TestWithParam<ChartShape> {
protected:
    ScopedAppState app;
    ScopedUi ui;
};

TEST_P(CarriedAdjustTest, EndsWhereTheStepwiseWalkEnds) {
    const ChartShape& shape = GetParam();
    bool served = false;
    for (unsigned seed = 1; seed <= 25; ++seed) {
        Chart carried(shape, seed);
        Chart stepwise(shape, seed);
        for (int pass = 0; pass < 10; ++pass) {
            std::optional<int> result = AdjustCarried(carried.Pass());
            served = served || result.has_value();
            if (!result.has_value()) {
                result = AdjustStepwise(carried.Pass());
            }
            const int expected = AdjustStepwise(stepwise.Pass());
            ASSERT_EQ(*result, expected) << "seed " << seed << " pass " << pass;
            for (std::size_t i = 0; i < carried.Processes().size(); ++i) {
                ASSERT_EQ(StateOf(*carried.Processes()[i]), StateOf(*stepwise.Processes()[i]))
                    << "seed " << seed << " pass " << pass << " process " << i;
            }
            if (expected != 0) {
                break;
            }
        }
    }
    EXPECT_EQ(served, shape.carriedServes);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, CarriedAdjustTest,
    testing::Values(
        ChartShape{"plain_chain", 1, 60, 4, 0, 4, 1000, 0, true},
        ChartShape{"spare_days_absorb_part_or_all", 1, 60, 4, 0, 3, 4, 0, true},
        ChartShape{"zero_length_processes_and_hours", 1, 60, 2, 3, 3, 6, 0, true},
        ChartShape{"chains_side_by_side", 4, 20, 3, 0, 3, 6, 0, true},
        ChartShape{"one_day_processes_over_days_off_given_back", 1, 60, 1, 0, 3, 3, 0, false},
        ChartShape{"working_days_only_where_pushed", 1, 40, 4, 0, 2, 5, 0, true},
        ChartShape{"two_successors_are_walked_stepwise", 1, 40, 3, 0, 3, 6, 6, false},
        // Spare days that give way take a start over days off past its end: the nodes after it
        // lie earlier than the date of the push that came through, or on it.
        ChartShape{"spare_days_take_starts_past_their_ends", 1, 200, 2, 0, 3, 10, 0, true, 1},
        ChartShape{"long_one_day_chain", 1, 200, 1, 0, 10, 100, 0, true, 1}),
    [](const testing::TestParamInfo<ChartShape>& info) { return info.param.name; });

// A chain that closes on itself (C runs back to where A starts) is no plain chain: the carried
// walk leaves it to the stepwise one untouched.
class ClosedChainTest : public KouteiChainFixture {};

TEST_F(ClosedChainTest, IsLeftToTheStepwiseWalk) {
    AddAll({{"A", 8, 10, 1, 2}, {"B", 10, 12, 2, 3}, {"C", 12, 8, 3, 1}});
    for (const char* name : {"A", "B", "C"}) {
        SelectWhole(name);
    }
    CTembraDoc::KouteiLinkList records;
    records.push_back(std::make_unique<CKouteiLink>(Get("A")));
    Get("A")->SetSpareDays(Days(1)); // a day short of its net span now
    std::vector<std::string> before;
    for (const char* name : {"A", "B", "C"}) {
        before.push_back(StateOf(*Get(name)));
    }
    const KouteiAdjustPass pass{
        doc.GetSelList(), records, doc.GetSeams().Koutei(), FALSE, TRUE, KouteiMoveCaller::Drag};
    EXPECT_FALSE(AdjustCarried(pass).has_value());
    EXPECT_EQ(StateOf(*Get("A")), before[0]);
    EXPECT_EQ(StateOf(*Get("B")), before[1]);
    EXPECT_EQ(StateOf(*Get("C")), before[2]);
    EXPECT_EQ(AdjustStepwise(pass), 0);
}

} // namespace
} // namespace tembra::test
