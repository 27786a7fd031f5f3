// The batch input of events: the term bar's text repeated on the chosen dates or weekdays of the
// displayed period (April 2010), at the row, time of day and offsets where the sample was
// placed, in one undo step; the dialog again after a right click, and nothing left when it is
// cancelled then.
#include "EventMouseFixture.h"

#include "document/EventRequests.h"
#include "platform/CmdUI.h"

namespace tembra {
namespace {

using test::April;
using test::DayRow;

constexpr UINT kByDates = 40063;
constexpr UINT kByWeekdays = 40064;

class EventBatchTest : public test::EventMouseFixture {
protected:
    EventBatchTest() {
        SetState(Op::kModeEvent, Op::kOpDraw);
        doc.GetSyokiSet().GetEvent().SetRevice(0);
        bar.text = "Patrol";
        ui.OnDialog("EventBatchDate", [this](DialogRequest& request) {
            auto& batch = static_cast<EventBatchDateRequest&>(request);
            asked.push_back(batch.Name());
            EXPECT_EQ(batch.text, "Patrol");
            EXPECT_EQ(batch.start, View().GetPageLayout().GetStartDate());
            EXPECT_EQ(batch.end, View().GetPageLayout().GetEndDate());
            received.push_back(batch.table);
            batch.table.everyMonth[0] = 1;
            batch.table.everyMonth[14] = 1;
            return answer;
        });
        ui.OnDialog("EventBatchWeek", [this](DialogRequest& request) {
            auto& batch = static_cast<EventBatchWeekRequest&>(request);
            asked.push_back(batch.Name());
            batch.table.weeks[1][1] = 1; // the second Monday
            return answer;
        });
    }
    // The command, then the sample placed with a click at the point.
    void Batch(UINT command, const CPoint& at) {
        host.cursorPos = test::ViewMouseFixture::Device(DayRow(20, 20));
        ASSERT_TRUE(View().OnCommand(command));
        DeliverPosted();
        Send(CMouseEvent::kMove, 0, at);
        Click(at);
    }
    std::vector<CTime> Dates() {
        std::vector<CTime> dates;
        for (CEvent* event : Events(false)) {
            dates.push_back(event->GetStartDate());
        }
        return dates;
    }
    bool Enabled(UINT id) {
        CCmdUI state(id);
        EXPECT_TRUE(View().OnUpdateCommand(state));
        return state.IsEnabled();
    }

    std::vector<std::string> asked;
    std::vector<EventBatchDateTable> received;
    int answer = IDOK;
};

TEST_F(EventBatchTest, TheSampleIsRepeatedOnEveryChosenDateInOneUndoStep) {
    struct Case {
        const char* what;
        UINT command;
        std::vector<CTime> dates;
    };
    // The sample at 30 % of day 10 (7:12) on row 4, 10 units above its middle.
    const CPoint at = DayRow(10, 4, 30, 10);
    const Case cases[] = {
        {"1st and 15th of every month", kByDates, {April(1, 0), April(15, 0)}},
        {"the second Monday", kByWeekdays, {April(12, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.Clear();
        Batch(c.command, at);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(View().GetPendingEvent(), nullptr);
        EXPECT_EQ(Dates(), c.dates);
        EXPECT_EQ(received.back(), EventBatchDateTable()) << "the command clears the table first";
        for (CEvent* event : Events(false)) {
            EXPECT_EQ(event->GetText(), "Patrol");
            EXPECT_EQ(event->GetStartRow(), 4);
            const CPoint onItsDay = at - DayRow(10, 4) + DayRow(event->GetStartDate().GetDay(), 4);
            EXPECT_EQ(Anchor(*event), onItsDay) << "the sample's place on its own date";
        }
        EXPECT_TRUE(UnevenInversions() == 0);
        doc.GetUndoHistory().Undo();
        EXPECT_TRUE(Events(false).empty()) << "one undo takes every copy";
    }
}

TEST_F(EventBatchTest, ABalloonSampleStandsAsAPlainMarkedText) {
    doc.GetSyokiSet().GetEvent().GetTextAttr().m_form = kEventFormBalloonRight;
    doc.GetSyokiSet().GetEvent().GetTextAttr().m_attrb = 0;
    Batch(kByDates, DayRow(10, 4));
    ASSERT_EQ(Events(false).size(), 2u);
    for (CEvent* event : Events(false)) {
        EXPECT_EQ(event->GetForm(), kEventFormCenter);
        EXPECT_NE(event->GetStyle() & 0x1000, 0);
    }
}

TEST_F(EventBatchTest, WithoutATextNoDialogOpens) {
    bar.text.clear();
    EXPECT_TRUE(View().OnCommand(kByDates));
    EXPECT_EQ(Messages(), std::vector<UINT>{5006});
    EXPECT_EQ(bar.focusBits, std::vector<int>{1});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(View().GetPendingEvent(), nullptr);
}

TEST_F(EventBatchTest, ARightClickGoesBackToTheDialogAndItsCancelDropsTheSample) {
    for (const UINT command : {kByDates, kByWeekdays}) {
        SCOPED_TRACE(command);
        asked.clear();
        answer = IDOK;
        host.Clear();
        ASSERT_TRUE(View().OnCommand(command));
        DeliverPosted();
        const WORD placing = command == kByDates ? 101 : 111;
        EXPECT_EQ(Sub(), placing);
        Send(CMouseEvent::kMove, 0, DayRow(10, 4));
        RightClick(DayRow(10, 4));
        EXPECT_EQ(Sub(), placing - 1) << "back to the dialog";
        // The next event opens it again: OK places on.
        Send(CMouseEvent::kMove, 0, DayRow(11, 4));
        EXPECT_EQ(asked.size(), 2u);
        EXPECT_EQ(Sub(), placing);
        if (command == kByDates) {
            EXPECT_EQ(received.back().everyMonth[14], 1) << "the dialog offers the last choice";
        }
        RightClick(DayRow(11, 4));
        answer = IDCANCEL;
        Send(CMouseEvent::kMove, 0, DayRow(12, 4));
        EXPECT_EQ(Sub(), 0);
        EXPECT_EQ(View().GetPendingEvent(), nullptr) << "the sample goes with the batch";
        EXPECT_FALSE(host.capture);
        EXPECT_TRUE(Events(false).empty());
        EXPECT_TRUE(UnevenInversions() == 0);
    }
}

TEST_F(EventBatchTest, OfferedWhileDrawingEventsInACalendarDayChart) {
    struct Case {
        const char* what;
        LONG mode, operation;
        int nobe;
        bool enabled;
    };
    const Case cases[] = {
        {"drawing events", Op::kModeEvent, Op::kOpDraw, 0, true},
        {"elapsed days", Op::kModeEvent, Op::kOpDraw, 1, false},
        {"editing events", Op::kModeEvent, Op::kOpEdit, 0, false},
        {"drawing processes", Op::kModeKoutei, Op::kOpDraw, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetState(c.mode, c.operation);
        doc.GetSyokiSet().SetNobeMode(c.nobe);
        EXPECT_EQ(Enabled(kByDates), c.enabled);
        EXPECT_EQ(Enabled(kByWeekdays), c.enabled);
    }
}

} // namespace
} // namespace tembra
