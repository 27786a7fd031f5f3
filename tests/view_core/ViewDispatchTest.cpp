// The object action dispatcher: which edit function each (operation, mode, event, sub-state)
// reaches and what it answers, the pick-to-place transitions around it, the resource-chart
// functions' partition setting, and the bands of the chart it handles itself (the item header,
// the date band).
#include "ViewMouseFixture.h"

#include <optional>

namespace tembra {
namespace {

using test::April;

class ViewDispatchTest : public test::ViewMouseFixture {};

// A point in the chart rectangle (zone 0x10), one in the date band (day 10) and one in the item
// header above the item columns.
const CPoint kInChart(1000, -500);
const CPoint kDateBandDay10(1450, -50);
const CPoint kItemHeader(200, -50);

struct DispatchCase {
    const char* what;
    LONG operation;
    LONG mode;
    int action;
    UINT flags;
    WORD subState;
    bool selection;
    std::optional<CTembraView::EditSlot> slot; // none: no function is called
    BOOL result;
};

TEST_F(ViewDispatchTest, EachOperationAndModeReachesItsEditFunction) {
    using S = Slot;
    constexpr int kPress = CMouseEvent::kLeftDown;
    constexpr int kMove = CMouseEvent::kMove;
    constexpr int kRightUp = CMouseEvent::kRightUp;
    const DispatchCase cases[] = {
        {"draw, item cells", Op::kOpDraw, 0, kPress, MK_LBUTTON, 0, false, std::nullopt, FALSE},
        {"draw, processes", Op::kOpDraw, 1, kPress, MK_LBUTTON, 0, false, S::KouteiDraw, TRUE},
        {"draw, terms", Op::kOpDraw, 2, kMove, 0, 0, false, S::YogoDraw, TRUE},
        {"draw, progress lines", Op::kOpDraw, 3, kMove, 0, 0, false, S::Shincyoku, TRUE},
        {"draw, shapes", Op::kOpDraw, 4, kMove, 0, 0, false, S::ZukeiDraw, TRUE},
        {"draw, embedded objects", Op::kOpDraw, 5, kMove, 0, 0, false, std::nullopt, FALSE},
        {"draw, events", Op::kOpDraw, 6, kMove, 0, 0, false, S::EventInput, TRUE},
        {"draw, resources", Op::kOpDraw, 7, kMove, 0, 0, false, S::ShigenDraw, TRUE},
        {"draw, resource charts", Op::kOpDraw, 8, kMove, 0, 0, false, std::nullopt, FALSE},
        {"draw, a right release mid-gesture", Op::kOpDraw, 1, kRightUp, 0, 1, false, S::KouteiDraw,
         TRUE},
        {"edit, item cells", Op::kOpEdit, 0, kPress, MK_LBUTTON, 0, false, std::nullopt, FALSE},
        {"edit, processes", Op::kOpEdit, 1, kPress, MK_LBUTTON, 0, false, S::KouteiPick, TRUE},
        {"edit, terms", Op::kOpEdit, 2, kMove, 0, 0, false, S::YogoEdit, TRUE},
        {"edit, progress lines", Op::kOpEdit, 3, kMove, 0, 0, false, S::Shincyoku, TRUE},
        {"edit, shapes", Op::kOpEdit, 4, kMove, 0, 0, false, S::ZukeiEdit, TRUE},
        {"edit, embedded objects", Op::kOpEdit, 5, kMove, 0, 0, false, S::ObjectEdit, TRUE},
        {"edit, events", Op::kOpEdit, 6, kMove, 0, 0, false, S::EventSelect, TRUE},
        {"edit, resources", Op::kOpEdit, 7, kMove, 0, 0, false, S::ShigenEdit, TRUE},
        {"edit, resource charts", Op::kOpEdit, 8, kMove, 0, 0, false, S::ChartEdit, TRUE},
        {"edit, a right release mid-gesture", Op::kOpEdit, 1, kRightUp, 0, 2, false, S::KouteiPick,
         TRUE},
        {"copy pick, terms", Op::kOpCopyPick, 2, kMove, 0, 0, false, S::YogoEdit, TRUE},
        {"move pick, events", Op::kOpMovePick, 6, kMove, 0, 0, false, S::EventSelect, TRUE},
        {"deform pick, shapes", Op::kOpDeformPick, 4, kMove, 0, 0, false, S::ZukeiEdit, TRUE},
        {"copy, processes", Op::kOpCopy, 1, kMove, 0, 0, true, S::KouteiCopyMove, TRUE},
        {"move, terms", Op::kOpMove, 2, kMove, 0, 0, true, S::YogoCopyMove, TRUE},
        {"copy free, shapes", Op::kOpCopyFree, 4, kMove, 0, 0, true, S::ZukeiCopyMove, TRUE},
        {"move free, events", Op::kOpMoveFree, 6, kMove, 0, 0, true, S::EventCopyMove, TRUE},
        {"move bend, resources", Op::kOpMoveBend, 7, kMove, 0, 0, true, S::ShigenCopyMove, TRUE},
        {"move, resource charts", Op::kOpMove, 8, kMove, 0, 0, true, S::ChartCopyMove, TRUE},
        {"copy, item cells", Op::kOpCopy, 0, kMove, 0, 0, true, std::nullopt, FALSE},
        {"copy, progress lines", Op::kOpCopy, 3, kMove, 0, 0, true, std::nullopt, FALSE},
        {"move, embedded objects", Op::kOpMove, 5, kMove, 0, 0, true, std::nullopt, FALSE},
        {"deform, shapes", Op::kOpDeformApply, 4, kMove, 0, 0, true, S::ZukeiDeform, TRUE},
        {"deform, resource charts", Op::kOpDeformApply, 8, kMove, 0, 0, true, S::ChartTransform,
         TRUE},
        {"deform, processes", Op::kOpDeformApply, 1, kMove, 0, 0, true, std::nullopt, FALSE},
        {"an operation past the tables", 12, 1, kMove, 0, 0, false, std::nullopt, FALSE},
    };
    SpyOnAllSlots();
    for (const DispatchCase& c : cases) {
        doc.GetSelList().RemoveAll();
        if (c.selection) {
            AddShape(true);
        }
        SetState(c.mode, c.operation, c.subState);
        calls.clear();
        EXPECT_EQ(At(c.action, c.flags, kInChart), c.result) << c.what;
        if (c.slot) {
            ASSERT_EQ(calls.size(), 1u) << c.what;
            EXPECT_EQ(calls[0], *c.slot) << c.what;
        } else {
            EXPECT_TRUE(calls.empty()) << c.what;
        }
    }
}

TEST_F(ViewDispatchTest, TheItemFunctionsRunFirstAndTakeTheEventWhenTheyAnswer) {
    SpyOnAllSlots(FALSE);
    for (const Slot slot : {Slot::ItemCellInput, Slot::TrackItemArea}) {
        View().SetEditFunction(slot, [this, slot](CDC*) {
            calls.push_back(slot);
            return FALSE;
        });
    }
    SetState(Op::kModeKoutei, Op::kOpEdit);
    EXPECT_FALSE(At(CMouseEvent::kMove, 0, kInChart));
    EXPECT_EQ(calls,
              (std::vector<Slot>{Slot::ItemCellInput, Slot::TrackItemArea, Slot::KouteiPick}));
    View().SetEditFunction(Slot::TrackItemArea, [](CDC*) { return TRUE; });
    calls.clear();
    EXPECT_TRUE(At(CMouseEvent::kMove, 0, kInChart));
    EXPECT_EQ(calls, std::vector<Slot>{Slot::ItemCellInput}) << "the tables are not reached";
}

TEST_F(ViewDispatchTest, ADrawPressAtRestClearsTheSelectionFirst) {
    SpyOnAllSlots();
    int selectedSeen = -1;
    View().SetEditFunction(Slot::KouteiDraw, [&](CDC*) {
        selectedSeen = doc.GetSelCount();
        return TRUE;
    });
    struct Case {
        const char* what;
        int action;
        UINT flags;
        WORD subState;
        int selectedSeen;
    };
    const Case cases[] = {
        {"a press at rest", CMouseEvent::kLeftDown, MK_LBUTTON, 0, 0},
        {"a press mid-gesture", CMouseEvent::kLeftDown, MK_LBUTTON, 2, 1},
        {"a move at rest", CMouseEvent::kMove, 0, 0, 1},
    };
    for (const Case& c : cases) {
        doc.GetSelList().RemoveAll();
        AddShape(true);
        SetState(Op::kModeKoutei, Op::kOpDraw, c.subState);
        At(c.action, c.flags, kInChart);
        EXPECT_EQ(selectedSeen, c.selectedSeen) << c.what;
    }
}

TEST_F(ViewDispatchTest, PickingTurnsThePickOperationIntoItsPlacing) {
    struct Case {
        const char* what;
        LONG mode;
        LONG from;
        bool picks;       // the edit function selects something
        WORD leavesState; // the sub-state it leaves
        LONG to;
    };
    const Case cases[] = {
        {"copy pick of a term", Op::kModeYogo, Op::kOpCopyPick, true, 0, Op::kOpCopy},
        {"move pick of an event", Op::kModeEvent, Op::kOpMovePick, true, 0, Op::kOpMove},
        {"deform pick of a shape", Op::kModeZukei, Op::kOpDeformPick, true, 0, Op::kOpDeformApply},
        {"nothing picked", Op::kModeYogo, Op::kOpCopyPick, false, 0, Op::kOpCopyPick},
        {"the pick still running", Op::kModeEvent, Op::kOpMovePick, true, 1, Op::kOpMovePick},
        {"edit stays edit", Op::kModeEvent, Op::kOpEdit, true, 0, Op::kOpEdit},
    };
    for (const Case& c : cases) {
        doc.GetSelList().RemoveAll();
        SetState(c.mode, c.from);
        const auto pick = [&](CDC*) {
            if (c.picks) {
                AddShape(true);
            }
            doc.GetOperation().SetState(c.leavesState);
            return TRUE;
        };
        for (const Slot slot : {Slot::YogoEdit, Slot::EventSelect, Slot::ZukeiEdit}) {
            View().SetEditFunction(slot, pick);
        }
        host.cursor = IViewHost::kCursorArrow;
        EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kInChart)) << c.what;
        EXPECT_EQ(Operation(), c.to) << c.what;
        if (c.to != c.from) {
            EXPECT_NE(host.cursor, IViewHost::kCursorArrow) << c.what << ": the cursor follows";
        }
    }
}

TEST_F(ViewDispatchTest, PlacingWithoutASelectionGoesBackToPicking) {
    struct Case {
        LONG from;
        LONG mode;
        LONG to;
    };
    const Case cases[] = {
        {Op::kOpCopy, Op::kModeKoutei, Op::kOpCopyPick},
        {Op::kOpCopyFree, Op::kModeKoutei, Op::kOpCopyPick},
        {Op::kOpMove, Op::kModeEvent, Op::kOpMovePick},
        {Op::kOpMoveFree, Op::kModeKoutei, Op::kOpMovePick},
        {Op::kOpMoveBend, Op::kModeKoutei, Op::kOpMovePick},
        {Op::kOpDeformApply, Op::kModeZukei, Op::kOpDeformPick},
    };
    SpyOnAllSlots();
    for (const Case& c : cases) {
        SetState(c.mode, c.from);
        calls.clear();
        EXPECT_TRUE(At(CMouseEvent::kMove, 0, kInChart)) << c.from;
        EXPECT_EQ(Operation(), c.to) << c.from;
        EXPECT_TRUE(calls.empty()) << c.from;
    }
}

TEST_F(ViewDispatchTest, TheResourceChartFunctionsSeeNoPartition) {
    SpyOnAllSlots();
    doc.GetSyokiSet().GetZukei().SetPartitionFlag(3);
    AddShape(true);
    for (const LONG op : {Op::kOpEdit, Op::kOpMove, Op::kOpDeformApply}) {
        SetState(Op::kModeChart, op);
        partitionSeen.clear();
        At(CMouseEvent::kMove, 0, kInChart);
        ASSERT_EQ(partitionSeen.size(), 1u) << op;
        EXPECT_EQ(partitionSeen.back(), 0) << op;
        EXPECT_EQ(doc.GetSyokiSet().GetZukei().GetPartitionFlag(), 3) << op << ": put back";
    }
    SetState(Op::kModeZukei, Op::kOpEdit);
    partitionSeen.clear();
    At(CMouseEvent::kMove, 0, kInChart);
    EXPECT_EQ(partitionSeen.back(), 3) << "the shapes keep it";
}

TEST_F(ViewDispatchTest, TheShiftLockKeepsADragOnOneAxis) {
    struct Case {
        const char* what;
        LONG operation;
        WORD subState;
        UINT flags;
        CPoint start;
        CPoint to;
        CPoint seen;
    };
    const Case cases[] = {
        {"further across", Op::kOpDraw, 2, MK_SHIFT, {100, 100}, {160, 130}, {160, 100}},
        {"a tie keeps the start's x", Op::kOpDraw, 2, MK_SHIFT, {100, 100}, {130, 130}, {100, 130}},
        {"further down", Op::kOpDraw, 2, MK_SHIFT, {1000, -500}, {1030, -560}, {1000, -560}},
        {"without Shift", Op::kOpDraw, 2, 0, {1000, -500}, {1060, -530}, {1060, -530}},
        {"at rest", Op::kOpDraw, 0, MK_SHIFT, {1000, -500}, {1060, -530}, {1060, -530}},
        {"in the edit operation",
         Op::kOpEdit,
         2,
         MK_SHIFT,
         {1000, -500},
         {1060, -530},
         {1060, -530}},
        {"while picking", Op::kOpMovePick, 2, MK_SHIFT, {1000, -500}, {1060, -530}, {1060, -530}},
    };
    CPoint seen;
    SpyOnAllSlots();
    const auto note = [&](CDC*) {
        seen = View().GetMouseEvent().GetPoint();
        return TRUE;
    };
    View().SetEditFunction(Slot::KouteiDraw, note);
    View().SetEditFunction(Slot::KouteiPick, note);
    for (const Case& c : cases) {
        SetState(Op::kModeKoutei, c.operation, c.subState);
        View().GetMouseEvent().SetPoint(c.start);
        View().GetMouseEvent().StoreStart();
        At(CMouseEvent::kMove, c.flags, c.to);
        EXPECT_EQ(seen, c.seen) << c.what;
    }
}

TEST_F(ViewDispatchTest, TheDateSnapFollowsTheTimeAxisAndCtrl) {
    struct Case {
        const char* what;
        bool minute;
        bool hour;
        WORD unit;
        bool ctrl;
        int snap;
    };
    const Case cases[] = {
        {"days", false, false, 1, false, 0},           {"days, Ctrl", false, false, 1, true, 1},
        {"hours", false, true, 1, false, 1},           {"hours, Ctrl", false, true, 1, true, 0},
        {"unit 4", false, false, 4, false, 1},         {"unit 4, Ctrl", false, false, 4, true, 0},
        {"unit 4 in hours", false, true, 4, false, 1}, {"minutes", true, false, 4, false, 2},
        {"minutes, Ctrl", true, true, 1, true, 1},
    };
    for (const Case& c : cases) {
        View().SetMinuteMode(c.minute);
        View().SetHourMode(c.hour);
        doc.GetSyokiSet().SetOption1(c.unit);
        EXPECT_EQ(View().GetDateSnap(c.ctrl), c.snap) << c.what;
    }
}

TEST_F(ViewDispatchTest, TheCursorPositionAndTheStatusDateFollowThePointer) {
    SetState(Op::kModeKoutei, Op::kOpDraw);
    At(CMouseEvent::kMove, 0, CPoint(1460, -330));
    const CMouseEvent& mouse = View().GetMouseEvent();
    EXPECT_EQ(mouse.GetCursorDate(), April(10));
    EXPECT_EQ(mouse.GetCursorRow(), 4);
    EXPECT_NEAR(mouse.GetCursorRowF(), 4.6, 1e-9);
}

TEST_F(ViewDispatchTest, TheDateBandSelectsARangeOfDays) {
    SpyOnAllSlots();
    SetState(Op::kModeKoutei, Op::kOpEdit);
    CChartPos& range = *doc.GetSelectedDateRange();
    const auto day = [](int d) { return CPoint(500 + 100 * (d - 1) + 50, -50); };

    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, day(10)));
    EXPECT_EQ(range.GetStartDate(), April(10));
    EXPECT_EQ(range.GetEndDate(), April(11));
    EXPECT_TRUE(At(CMouseEvent::kMove, MK_LBUTTON, day(14)));
    EXPECT_EQ(range.GetStartDate(), April(10));
    EXPECT_EQ(range.GetEndDate(), April(15));
    EXPECT_GT(host.paintsNow, 0) << "shown at once";
    // Shift extends from the anchor, backwards too.
    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON | MK_SHIFT, day(8)));
    EXPECT_EQ(range.GetStartDate(), April(8));
    EXPECT_EQ(range.GetEndDate(), April(10));
    EXPECT_TRUE(calls.empty()) << "the band took every event";
    // A right press clears it.
    EXPECT_TRUE(At(CMouseEvent::kRightDown, MK_RBUTTON, day(8)));
    EXPECT_FALSE(doc.HasColumnRange());

    // A left press in the chart clears a range and goes on to the edit function.
    At(CMouseEvent::kLeftDown, MK_LBUTTON, day(3));
    EXPECT_TRUE(doc.HasColumnRange());
    At(CMouseEvent::kLeftDown, MK_LBUTTON, kInChart);
    EXPECT_FALSE(doc.HasColumnRange());
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(ViewDispatchTest, TheDateBandIsTheEditOperationsAtRestOnly) {
    struct Case {
        const char* what;
        LONG mode;
        LONG operation;
        WORD subState;
    };
    const Case cases[] = {
        {"draw", Op::kModeKoutei, Op::kOpDraw, 0},
        {"mid-gesture", Op::kModeKoutei, Op::kOpEdit, 1},
        {"shapes", Op::kModeZukei, Op::kOpEdit, 0},
        {"resource charts", Op::kModeChart, Op::kOpEdit, 0},
    };
    SpyOnAllSlots(FALSE);
    for (const Case& c : cases) {
        SetState(c.mode, c.operation, c.subState);
        At(CMouseEvent::kLeftDown, MK_LBUTTON, kDateBandDay10);
        EXPECT_FALSE(doc.HasColumnRange()) << c.what;
    }
}

TEST_F(ViewDispatchTest, TheItemHeaderOpensTheItemColumnDialogOnAPress) {
    SpyOnAllSlots();
    SetState(Op::kModeKoutei, Op::kOpEdit);
    EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON, kItemHeader));
    EXPECT_TRUE(At(CMouseEvent::kLeftUp, 0, kItemHeader)) << "the release is consumed";
    EXPECT_TRUE(At(CMouseEvent::kMove, 0, kItemHeader));
    EXPECT_EQ(ui.commands, std::vector<UINT>{40059});
    EXPECT_TRUE(calls.empty());
    // Mid-gesture the band is the edit function's.
    SetState(Op::kModeKoutei, Op::kOpEdit, 1);
    At(CMouseEvent::kLeftDown, MK_LBUTTON, kItemHeader);
    EXPECT_EQ(ui.commands.size(), 1u);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(ViewDispatchTest, TheObjectActionMessage) {
    SpyOnAllSlots();
    SetState(Op::kModeKoutei, Op::kOpEdit);
    // Posted by a command with no record: the pointer where it is, event code 0.
    host.cursorPos = Device(kInChart);
    EXPECT_TRUE(View().OnObjectAction(0, nullptr));
    EXPECT_EQ(View().GetMouseEvent().GetCode(), 0);
    EXPECT_EQ(View().GetMouseEvent().GetPoint(), kInChart);
    // With a record of client pixels: converted and dispatched.
    CMouseEvent record;
    record.Set(CMouseEvent::kLeftDown, MK_LBUTTON, 700, 300);
    calls.clear();
    EXPECT_TRUE(View().OnObjectAction(0, &record));
    EXPECT_EQ(View().GetMouseEvent().GetPoint(), CPoint(700, -300));
    EXPECT_EQ(calls.size(), 1u);
    // The hover pulse dispatches nothing.
    calls.clear();
    View().OnObjectAction(CTembraView::kHoverOnly, nullptr);
    EXPECT_TRUE(calls.empty());
    // Before the first layout there is nothing to do.
    test::FakeViewHost otherHost;
    CTembraView unlaid(otherHost);
    unlaid.SetDocument(doc);
    EXPECT_EQ(unlaid.OnObjectAction(0, nullptr), 0);
}

TEST_F(ViewDispatchTest, ADocumentCommandPostsTheObjectActionToTheActiveView) {
    View();
    state.SetActiveViewSource([this] { return views.front().get(); });
    IObjectActionView* target = GetActiveObjectActionView();
    ASSERT_EQ(target, views.front().get());
    target->PostObjectAction(std::nullopt);
    target->PostObjectAction(CPoint(700, -300));
    ASSERT_EQ(host.postedActions.size(), 2u);
    EXPECT_FALSE(host.postedActions[0].has_value());
    ASSERT_TRUE(host.postedActions[1].has_value());
    EXPECT_EQ(host.postedActions[1]->GetCode(), CMouseEvent::kLeftPress);
    EXPECT_EQ(host.postedActions[1]->GetPoint(), CPoint(700, 300)) << "client pixels";
    state.SetActiveViewSource({});
    EXPECT_EQ(GetActiveObjectActionView(), nullptr);
}

} // namespace
} // namespace tembra
