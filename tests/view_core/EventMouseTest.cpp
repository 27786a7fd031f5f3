// Events with the mouse, driven through the dispatcher as the window drives it: the text of the
// term bar placed with a click (snapped by the event settings), balloons with a second click,
// Alt with the position dialog, the frame that follows the pointer; events picked, dragged and
// copied in the edit, move and copy operations. Each gesture is checked for the document, its
// undo step, the messages and beeps, and an inverted trace that leaves no stain.
#include "EventMouseFixture.h"

#include <algorithm>

#include "document/PositionRequest.h"
#include "model/ConfigOperation.h"
#include "platform/PopupMenuRequest.h"

namespace tembra {
namespace {

using test::April;
using test::Bytes;
using test::DayRow;

class EventInputTest : public test::EventMouseFixture {
protected:
    EventInputTest() {
        SetState(Op::kModeEvent, Op::kOpDraw);
        bar.text = "Event";
        Attrb(0);
        Form(kEventFormLeft);
    }
    void Attrb(WORD bits) { doc.GetSyokiSet().GetEvent().SetRevice(bits); }
    void Form(WORD form) { doc.GetSyokiSet().GetEvent().GetTextAttr().m_form = form; }
    CEvent* Placed() {
        const std::vector<CEvent*> events = Events(false);
        return events.empty() ? nullptr : events.back();
    }
};

TEST_F(EventInputTest, AClickPlacesTheTextSnappedByTheSettings) {
    const CPageLayout& layout = View().GetPageLayout();
    // Clicked at day 5, 37 units into the day, 10 units above row 3's middle.
    const CPoint at = DayRow(5, 3, 37, 10);
    const int midDay = (layout.DateToX(April(5)) + layout.DateToX(April(6))) / 2;
    // With Ctrl the snap is the hour: 37 % of a day falls in its 9th hour (8:00 to 9:00).
    const int midHour = (layout.DateToX(April(5, 8)) + layout.DateToX(April(5, 9))) / 2;
    struct Case {
        const char* what;
        WORD attrb;
        UINT keys;
        CPoint anchor;
    };
    const Case cases[] = {
        {"no snap: where clicked", 0, 0, at},
        {"0x1: the date's start", 0x1, 0, CPoint(layout.DateToX(April(5)), at.y)},
        {"0x2: the middle of the day", 0x2, 0, CPoint(midDay, at.y)},
        {"0x2 with Ctrl: the middle of the hour", 0x2, MK_CONTROL, CPoint(midHour, at.y)},
        {"0x100: the middle of the row", 0x100, 0, CPoint(at.x, DayRow(5, 3).y)},
        {"0x101: the date's start in the middle of the row", 0x101, 0,
         CPoint(layout.DateToX(April(5)), DayRow(5, 3).y)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Attrb(c.attrb);
        host.Clear();
        Click(at, c.keys);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        CEvent* event = Placed();
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->GetText(), "Event");
        EXPECT_EQ(event->GetStartRow(), 3);
        EXPECT_NEAR(Anchor(*event).x, c.anchor.x, 1);
        EXPECT_NEAR(Anchor(*event).y, c.anchor.y, 1);
        EXPECT_EQ(bar.history.back(), "Event") << "the text joins the bar's history";
        // One undo step takes it away again.
        ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Events(false).size(), 0u);
        EXPECT_TRUE(UnevenInversions() == 0);
    }
}

TEST_F(EventInputTest, WithoutATextTheBarIsAskedForOne) {
    struct Case {
        const char* what;
        bool visible;
        std::string text;
    };
    const Case cases[] = {{"empty bar", true, ""}, {"bar hidden", false, "Event"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.ClearRecords();
        bar.focusBits.clear();
        bar.visible = c.visible;
        bar.text = c.text;
        Click(DayRow(5, 3));
        EXPECT_EQ(Messages(), std::vector<UINT>{5006});
        EXPECT_EQ(bar.focusBits, std::vector<int>{1});
        EXPECT_EQ(Events(false).size(), 0u);
        EXPECT_EQ(Sub(), 0);
        EXPECT_FALSE(host.capture);
        EXPECT_EQ(View().GetPendingEvent(), nullptr);
    }
}

TEST_F(EventInputTest, ABalloonTakesASecondClickAndARightClickThereDropsIt) {
    for (const WORD form : {kEventFormBalloonRight, kEventFormBalloonLeft}) {
        SCOPED_TRACE(form);
        Form(form);
        host.Clear();
        Click(DayRow(5, 3));
        EXPECT_EQ(Sub(), 2) << "the balloon's box is placed next";
        EXPECT_EQ(Events(false).size(), 0u);
        ASSERT_NE(View().GetPendingEvent(), nullptr);
        Send(CMouseEvent::kMove, 0, DayRow(8, 1));
        RightClick(DayRow(8, 1));
        EXPECT_EQ(Sub(), 0);
        EXPECT_EQ(View().GetPendingEvent(), nullptr);
        EXPECT_EQ(Events(false).size(), 0u);
        EXPECT_FALSE(host.capture);
        EXPECT_TRUE(UnevenInversions() == 0);

        Click(DayRow(5, 3));
        Send(CMouseEvent::kMove, 0, DayRow(8, 1));
        Click(DayRow(8, 1));
        EXPECT_EQ(Sub(), 0);
        CEvent* event = Placed();
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->GetStartDate(), April(5)) << "the tip at the first click";
        EXPECT_EQ(event->GetStartRow(), 3);
        EXPECT_EQ(Anchor(*event), DayRow(8, 1)) << "the box at the second";
        EXPECT_TRUE(UnevenInversions() == 0);
        doc.GetUndoHistory().Undo();
        EXPECT_EQ(Events(false).size(), 0u);
    }
}

TEST_F(EventInputTest, AltTypesTheDateAndPlacesWithoutAFurtherClick) {
    struct Case {
        const char* what;
        UINT keys;
        int answer;
        CTime at; // where the anchor lands (none: nothing placed)
    };
    const Case cases[] = {
        {"OK: the middle of the day", 0, IDOK, April(20, 12)},
        {"OK with Ctrl: the middle of the hour", MK_CONTROL, IDOK, CTime(2010, 4, 20, 0, 30, 0)},
        {"Cancel: nothing", 0, IDCANCEL, CTime()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int templateId = 0;
        ui.OnDialog("Position", [&](DialogRequest& request) {
            auto& position = static_cast<PositionRequest&>(request);
            templateId = position.templateId;
            position.span.SetEndDate(April(20));
            position.span.SetEndRow(12);
            return c.answer;
        });
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | MK_ALT | c.keys, DayRow(3, 2));
        EXPECT_EQ(templateId, PositionRequest::kStartCalendar);
        EXPECT_EQ(Sub(), 0) << "no second click needed";
        EXPECT_FALSE(host.capture);
        if (c.answer == IDCANCEL) {
            EXPECT_EQ(Events(false).size(), 0u);
            continue;
        }
        CEvent* event = Placed();
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->GetStartDate(), April(20));
        EXPECT_EQ(event->GetStartRow(), 12);
        EXPECT_NEAR(Anchor(*event).x, View().GetPageLayout().DateToX(c.at), 1);
        doc.GetUndoHistory().Undo();
    }
}

TEST_F(EventInputTest, TheFrameFollowsThePointerOverTheChartOnly) {
    Send(CMouseEvent::kMove, 0, DayRow(5, 3));
    EXPECT_TRUE(View().IsEventFrameShown());
    EXPECT_TRUE(AnyInverted());
    Send(CMouseEvent::kMove, 0, DayRow(6, 3));
    EXPECT_TRUE(View().IsEventFrameShown());
    Send(CMouseEvent::kMove, 0, CPoint(300, -700)); // the item area
    EXPECT_FALSE(View().IsEventFrameShown());
    EXPECT_TRUE(UnevenInversions() == 0);

    // The pointer leaving the window: the idle evaluation takes it away.
    Send(CMouseEvent::kMove, 0, DayRow(6, 3));
    ASSERT_TRUE(View().IsEventFrameShown());
    host.cursorOver = false;
    EXPECT_EQ(View().OnObjectAction(CTembraView::kHoverOnly, nullptr), 1);
    EXPECT_FALSE(View().IsEventFrameShown());
    EXPECT_TRUE(UnevenInversions() == 0);

    // A paint draws the frame again over what it painted.
    host.cursorOver = true;
    Send(CMouseEvent::kMove, 0, DayRow(6, 3));
    ASSERT_TRUE(View().IsEventFrameShown());
    host.Clear();
    {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        View().OnDraw(dc.get());
    }
    EXPECT_TRUE(AnyInverted());
    EXPECT_TRUE(View().IsEventFrameShown());
    Send(CMouseEvent::kMove, 0, CPoint(300, -700));

    // No text, or a balloon: no frame.
    host.cursorOver = true;
    bar.text.clear();
    Send(CMouseEvent::kMove, 0, DayRow(7, 3));
    EXPECT_FALSE(View().IsEventFrameShown());
    bar.text = "Event";
    Form(kEventFormBalloonRight);
    Send(CMouseEvent::kMove, 0, DayRow(8, 3));
    EXPECT_FALSE(View().IsEventFrameShown());
}

// ---- Picking and dragging ----------------------------------------------------------------------

class EventPickTest : public test::EventMouseFixture {
protected:
    EventPickTest() {
        SetState(Op::kModeEvent, Op::kOpEdit);
        doc.GetSyokiSet().GetEvent().SetRevice(0);
    }
};

TEST_F(EventPickTest, AClickTakesTheEventAndPutsItsTextInTheBar) {
    CEvent* event = AddEvent("Pour", 5, 3);
    AddEvent("Far", 20, 20);
    const CPoint on = Anchor(*event) + CPoint(20, 0);
    Click(on);
    EXPECT_NE(doc.FindSel(event), nullptr);
    EXPECT_EQ(bar.setTexts, std::vector<std::string>{"Pour"});
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    Click(on);
    EXPECT_EQ(doc.FindSel(event), nullptr) << "a second click gives it back";
    EXPECT_EQ(event->IsSelected(), 0);
    Click(DayRow(12, 12));
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(Sub(), 2) << "empty chart: a band begins";
    Send(CMouseEvent::kMove, 0, DayRow(25, 25));
    Click(DayRow(25, 25));
    EXPECT_EQ(Events(true).size(), 1u) << "the band takes what it touches";
    EXPECT_TRUE(UnevenInversions() == 0);
}

TEST_F(EventPickTest, PicksFromEitherListAndNotOnAHiddenLayer) {
    CEvent* event = AddEvent("Pour", 5, 3);
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    CMouseEvent mouse;
    const CPoint on = Anchor(*event) + CPoint(20, 0);
    mouse.SetPoint(on);
    mouse.SetStartPoint(on);
    CEvent* hit = nullptr;
    EXPECT_EQ(View().PickEvent(dc.get(), mouse, &hit, CTembraView::kPickObjects, 0), 1);
    EXPECT_EQ(hit, event);
    EXPECT_NE(doc.FindSel(event), nullptr);
    EXPECT_EQ(View().PickEvent(dc.get(), mouse, &hit, CTembraView::kPickObjects, 0), 0)
        << "the object list no longer holds it";
    EXPECT_EQ(View().PickEvent(dc.get(), mouse, &hit,
                               CTembraView::kPickSelection | CTembraView::kPickDeselect, 0),
              1);
    EXPECT_EQ(doc.FindSel(event), nullptr);
    // A hidden layer is not picked.
    doc.GetChartLayers().SetLayerVisible(0, 0);
    EXPECT_EQ(View().PickEvent(dc.get(), mouse, &hit, CTembraView::kPickObjects, 0), 0);
}

TEST_F(EventPickTest, ADoubleClickAsksForThePositionMoveOrTheLink) {
    AddEvent("Pour", 5, 3, true);
    Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, DayRow(20, 20));
    Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON | MK_CONTROL, DayRow(20, 20));
    EXPECT_EQ(ui.commands, (std::vector<UINT>{33143, 33144}));
}

TEST_F(EventPickTest, ADragMovesOrCopiesTheSelectionByThePointerOffsetInOneStep) {
    struct Case {
        const char* what;
        UINT keys;
        std::size_t objects, selected;
    };
    const Case cases[] = {{"move", 0, 0, 2}, {"copy with Ctrl", MK_CONTROL, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.UnselectAll(FALSE);
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        doc.GetUndoHistory().Reset();
        SetState(Op::kModeEvent, Op::kOpEdit);
        CEvent* a = AddEvent("A", 5, 3, true);
        CEvent* b = AddEvent("B", 9, 6, true);
        const CPoint anchorA = Anchor(*a);
        const CPoint anchorB = Anchor(*b);
        host.Clear();
        const CPoint press = anchorA + CPoint(20, 0);
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | c.keys, press);
        Send(CMouseEvent::kMove, MK_LBUTTON | c.keys, DayRow(7, 5));
        Send(CMouseEvent::kMove, MK_LBUTTON | c.keys, DayRow(8, 5));
        Send(CMouseEvent::kLeftUp, c.keys, DayRow(8, 5));
        EXPECT_EQ(Sub(), 0);
        EXPECT_EQ(Operation(), Op::kOpEdit) << "the edit operation is back";
        EXPECT_FALSE(host.capture);
        EXPECT_FALSE(View().IsEventMoveFeedbackDrawn());
        EXPECT_TRUE(UnevenInversions() == 0);
        ASSERT_EQ(Events(true).size(), c.selected);
        EXPECT_EQ(Events(false).size(), c.objects);
        // The picked event's anchor lands under the pointer; the other keeps its distance.
        const CPoint offset = DayRow(8, 5) - anchorA;
        const auto anchorsOf = [&](bool selected) {
            std::vector<CPoint> anchors;
            for (CEvent* event : Events(selected)) {
                anchors.push_back(Anchor(*event));
            }
            std::sort(anchors.begin(), anchors.end(), [](const CPoint& p, const CPoint& q) {
                return std::pair(p.x, p.y) < std::pair(q.x, q.y);
            });
            return anchors;
        };
        EXPECT_EQ(anchorsOf(true), (std::vector<CPoint>{anchorA + offset, anchorB + offset}));
        // One undo: the moved events are back where they stood, the copies gone.
        doc.GetUndoHistory().Undo();
        const std::vector<CPoint> original{anchorA, anchorB};
        EXPECT_EQ(doc.GetObjCount() + doc.GetSelCount(), 2);
        EXPECT_EQ(anchorsOf(c.objects == 0), original);
    }
}

TEST_F(EventPickTest, InTheMoveOperationALoneEventFollowsThePointerUntilAClick) {
    CEvent* event = AddEvent("Pour", 5, 3, true);
    SetState(Op::kModeEvent, Op::kOpMove);
    host.Clear();
    Send(CMouseEvent::kMove, 0, DayRow(10, 8));
    EXPECT_EQ(Sub(), 2);
    EXPECT_TRUE(View().IsEventMoveFeedbackDrawn()) << "it follows at once";
    EXPECT_TRUE(host.capture);
    Send(CMouseEvent::kMove, 0, DayRow(12, 9));
    Click(DayRow(12, 9));
    EXPECT_EQ(Sub(), 0);
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_FALSE(host.capture);
    ASSERT_EQ(Events(true).size(), 1u);
    EXPECT_EQ(Anchor(*Events(true).front()), DayRow(12, 9));
    EXPECT_EQ(doc.FindSel(event), nullptr) << "replaced by its moved copy";
    EXPECT_TRUE(UnevenInversions() == 0);
}

TEST_F(EventPickTest, AClickWhereTheDragBeganBeepsAndDragsOn) {
    CEvent* event = AddEvent("Pour", 5, 3, true);
    SetState(Op::kModeEvent, Op::kOpMove);
    const CPoint anchor = Anchor(*event);
    Send(CMouseEvent::kMove, 0, anchor);
    ASSERT_EQ(Sub(), 2);
    Click(anchor);
    EXPECT_EQ(ui.Beeps().size(), 2u) << "the press and the release where it began";
    EXPECT_EQ(Sub(), 2);
    EXPECT_TRUE(host.capture);
    EXPECT_NE(doc.FindSel(event), nullptr) << "nothing moved";
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

TEST_F(EventPickTest, AModeChosenWhileDraggingFreesTheMouse) {
    AddEvent("Pour", 5, 3, true);
    const Bytes before = Save();
    SetState(Op::kModeEvent, Op::kOpMove);
    Send(CMouseEvent::kMove, 0, DayRow(10, 8));
    ASSERT_TRUE(View().IsEventMoveFeedbackDrawn());
    doc.GetOperation().SetMode(Op::kModeKoutei);
    EXPECT_FALSE(host.capture);
    EXPECT_FALSE(View().IsEventMoveFeedbackDrawn());
    EXPECT_TRUE(host.WholeInvalidated()) << "the frames go with a repaint";
    EXPECT_EQ(Save(), before);
}

TEST_F(EventPickTest, ARightClickWhileDraggingLeavesTheEventsAsTheyWere) {
    AddEvent("Pour", 5, 3, true);
    const Bytes before = Save();
    SetState(Op::kModeEvent, Op::kOpMove);
    host.Clear();
    Send(CMouseEvent::kMove, 0, DayRow(10, 8));
    Send(CMouseEvent::kMove, 0, DayRow(11, 8));
    RightClick(DayRow(11, 8));
    EXPECT_EQ(Sub(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Save(), before);
    EXPECT_TRUE(UnevenInversions() == 0);
}

TEST_F(EventPickTest, TheEventMenuSearchesForTheEventsText) {
    CEvent* event = AddEvent("Pour", 5, 3);
    int menu = 0;
    ui.OnDialog("PopupMenu", [&](DialogRequest& request) {
        menu = static_cast<int>(static_cast<PopupMenuRequest&>(request).menuId);
        return IDCANCEL;
    });
    RightClick(Rect(*event).CenterPoint());
    EXPECT_EQ(menu, 143);
    EXPECT_EQ(doc.GetWebKeyword(), "Pour");
}

} // namespace
} // namespace tembra
