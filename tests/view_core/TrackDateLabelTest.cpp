// The texts beside a dragged or drawn process: dates in both chart kinds, rows, the label at a
// span's end with its order and alignment, the last covered day of a period, durations with the
// working-day span; and the setting that switches the labels off.
#include "ViewMouseFixture.h"

#include "view/core/TrackDateLabel.h"

namespace tembra {
namespace {

using test::April;

TEST(TrackDateLabelTest, DatesOfACalendarDayChart) {
    struct Case {
        CTime date;
        const char* text;
    };
    const Case cases[] = {
        {CTime(2010, 3, 7, 0, 0, 0), "03/07"},
        {CTime(2010, 3, 7, 14, 0, 0), "07.14"},
        {CTime(2010, 3, 7, 14, 5, 0), "07.14:05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTrackDateLabel::FormatDate(nullptr, c.date), c.text);
    }
}

TEST(TrackDateLabelTest, RowsSpanLabelsAndTheLastCoveredDay) {
    EXPECT_EQ(CTrackDateLabel::FormatRow(4), "[05]");
    EXPECT_EQ(CTrackDateLabel::SpanLabel("03/07", "[05]", true), "[05] 03/07");
    EXPECT_EQ(CTrackDateLabel::SpanLabel("03/07", "[05]", false), "03/07 [05]");
    struct Case {
        CTime start, end;
        bool endDateDec;
        CTime shown;
    };
    const Case cases[] = {
        {April(3), April(10), true, April(9)},
        {April(3), April(10), false, April(10)},
        {April(3), April(10, 12), true, April(10, 12)},
        {April(12), April(10), true, April(10)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTrackDateLabel::ShownEnd(c.start, c.end, c.endDateDec), c.shown);
    }
}

TEST(TrackDateLabelTest, Durations) {
    struct Case {
        CTimeSpan plain;
        std::optional<CTimeSpan> working;
        const char* text;
    };
    const Case cases[] = {
        {CTimeSpan(3, 0, 0, 0), std::nullopt, "3"},
        {CTimeSpan(3, 12, 0, 0), std::nullopt, "3.12"},
        {CTimeSpan(3, 2, 5, 0), std::nullopt, "3.2:5"},
        {CTimeSpan(3, 0, 0, 0), CTimeSpan(2, 0, 0, 0), "3(2)"},
        {CTimeSpan(3, 0, 0, 0), CTimeSpan(3, 0, 0, 0), "3"},
        {CTimeSpan(), std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTrackDateLabel::FormatDuration(c.plain, c.working), c.text);
    }
}

class TrackDateViewTest : public test::ViewMouseFixture {};

TEST_F(TrackDateViewTest, ElapsedMonthsCountTheYearsPastTheFirst) {
    doc.GetSyokiSet().SetNobeMode(1);
    const CPageLayout& layout = View().GetPageLayout();
    // The day of the 2nd elapsed year, 3rd month, 5th day.
    bool found = false;
    for (int day = 0; day < 1500 && !found; ++day) {
        const CTime date = April(1) + CTimeSpan(day, 0, 0, 0);
        int years = 0, months = 0, days = 0;
        layout.DateToNobeYMD(date, &years, &months, &days);
        if (years == 2 && months == 3 && days == 5) {
            found = true;
            EXPECT_EQ(CTrackDateLabel::FormatDate(&layout, date), "015/05");
            EXPECT_EQ(CTrackDateLabel::FormatDate(&layout, date + CTimeSpan(0, 7, 0, 0)), "05.07");
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(TrackDateViewTest, CursorDateZeroDrawsNothing) {
    CChartPos span;
    span.SetStartDate(April(3));
    span.SetEndDate(April(7));
    span.SetStartRow(2);
    span.SetEndRow(4);
    CKoutei* process = AddProcess(3, 7, 2);
    // What preparing the device context alone leaves in the log.
    const auto calls = [&](bool draw) {
        host.Clear();
        {
            std::unique_ptr<CDC> dc = host.GetClientDC();
            View().OnPrepareDC(dc.get());
            if (draw) {
                View().DrawTrackDate(dc.get(), process, &span);
            }
        }
        return host.drawn.size();
    };
    const std::size_t prepared = calls(false);
    config.SetSystemWord(CConfigBase::kSysCursorDate, 0);
    EXPECT_EQ(calls(true), prepared);
    config.SetSystemWord(CConfigBase::kSysCursorDate, 3);
    EXPECT_GT(calls(true), prepared);
}

} // namespace
} // namespace tembra
