// Zoom by steps and to a dragged area, and the shifts of the displayed period and rows.
#include "ViewFixture.h"

#include <algorithm>
#include <vector>

namespace tembra {
namespace {

using test::April;

constexpr UINT ID_ZOOM_IN = 33004;
constexpr UINT ID_ZOOM_OUT = 33006;
constexpr UINT ID_ZOOM_NORMAL = 33005;
constexpr UINT ID_AREA_ZOOM = 40062;
constexpr UINT ID_SHIFT_LEFT = 32835;
constexpr UINT ID_SHIFT_RIGHT = 32834;

class ViewZoomTest : public test::ViewFixture {
protected:
    CTembraView& View() { return *views.front(); }
    CCmdUI State(UINT id) {
        CCmdUI ui(id);
        EXPECT_TRUE(View().OnUpdateCommand(ui)) << id;
        return ui;
    }
    // A mouse message at a client pixel; then the messages the view posted to itself.
    void Mouse(int action, UINT flags, int x, int y) {
        View().ObjectActionAt(action, flags, CPoint(x, y));
        while (!host.posted.empty()) {
            const auto posted = host.posted.front();
            host.posted.erase(host.posted.begin());
            View().ObjectActionAt(posted.action, posted.keyFlags, posted.point);
        }
    }
    WORD SubState() { return doc.GetOperation().GetState(); }
    LONG Operation() { return doc.GetOperation().GetOperation(); }
    // How many drawings of the rubber band went to the window.
    int BandDrawings() const {
        return static_cast<int>(
            std::count_if(host.drawn.begin(), host.drawn.end(),
                          [](const auto& r) { return r.rop2 == R2_NOT && IsDrawingOp(r.op); }));
    }
    void StartAreaZoom() {
        doc.GetOperation().SetEditOperation();
        EXPECT_TRUE(View().OnCommand(ID_AREA_ZOOM));
        EXPECT_EQ(Operation(), CTembraView::kOpAreaZoom);
        EXPECT_EQ(State(ID_AREA_ZOOM).GetCheck(), 1);
        EXPECT_EQ(host.cursor, IViewHost::kCursorAreaZoom);
    }

    test::FakeViewHost host;
};

TEST_F(ViewZoomTest, StepsStopAtTheEndsOfTheTable) {
    MakeView(host);
    EXPECT_FALSE(State(ID_ZOOM_NORMAL).IsEnabled()) << "already 100 %";
    for (int i = 0; i < 6; ++i) {
        View().OnCommand(ID_ZOOM_IN);
    }
    EXPECT_EQ(View().GetLayout().GetZoomIndex(), 7);
    EXPECT_EQ(View().GetLayout().GetZoom(), 400);
    EXPECT_FALSE(State(ID_ZOOM_IN).IsEnabled());
    EXPECT_TRUE(State(ID_ZOOM_OUT).IsEnabled());
    EXPECT_EQ(State(33001).GetCheck(), 1) << "8. 400%";
    View().OnZoomIn();
    EXPECT_EQ(View().GetLayout().GetZoomIndex(), 7);
    EXPECT_TRUE(State(ID_ZOOM_NORMAL).IsEnabled());

    View().OnCommand(32999); // 1.  25%
    EXPECT_EQ(View().GetLayout().GetZoomIndex(), 0);
    EXPECT_FALSE(State(ID_ZOOM_OUT).IsEnabled());
    View().OnZoomOut();
    EXPECT_EQ(View().GetLayout().GetZoomIndex(), 0);
    EXPECT_EQ(View().GetTotalSize(), CSize(875, 400)) << "the page at 25 %";
}

TEST_F(ViewZoomTest, AFixedLevelClearsAnAreaZoom) {
    MakeView(host);
    View().GetLayout().SetZoomPercent(130);
    View().OnUpdate(nullptr, 0, nullptr);
    EXPECT_TRUE(State(ID_ZOOM_NORMAL).IsEnabled());
    View().OnCommand(ID_ZOOM_NORMAL);
    EXPECT_EQ(View().GetLayout().GetZoom(), 100);
    EXPECT_EQ(View().GetTotalSize(), CSize(3500, 1600));
    EXPECT_FALSE(State(ID_ZOOM_NORMAL).IsEnabled());
}

// The window scrolls over the page and no further, at every zoom, with the print header shown
// or not: scrolled to its end, the page's bottom-right corner is the window's.
TEST_F(ViewZoomTest, TheScrollRangeEndsAtThePagesEdge) {
    MakeView(host);
    for (const bool header : {false, true}) {
        if (header) {
            View().GetLayout().SetHeader(&doc.GetPrHeader());
            View().OnUpdate(nullptr, CTembraView::kHintRelayout, nullptr);
        }
        for (const int index : {0, 3, 5, 7}) {
            View().SetZoomIndexCommand(index);
            CRect page = View().GetLayout().GetPageRect();
            page.NormalizeRect();
            EXPECT_EQ(View().GetTotalSize(), CSize(page.right, -page.top))
                << "zoom index " << index << (header ? " with the header" : "");
            View().ScrollToPosition(CPoint(100000, -100000));
            const CRect client = View().GetClientLogicalRect();
            EXPECT_EQ(CPoint(client.right, client.bottom), CPoint(page.right, page.top))
                << "zoom index " << index << (header ? " with the header" : "");
        }
    }
}

// A step of the zoom keeps one chart point where it was on the screen: the window's top-left
// one for the menu, the one under the pointer for the wheel; the window stays on the page.
TEST_F(ViewZoomTest, AZoomStepKeepsItsPointInPlace) {
    struct Case {
        const char* what;
        CPoint scroll; // logical, at 100 %
        bool wheel;    // at the pixel (300, 200), else the menu
        bool in;
        CPoint expected;
    };
    const Case cases[] = {
        // The top-left point (1000, -600) becomes (1500, -900) at 150 %.
        {"the menu in", {1000, -600}, false, true, {1500, -900}},
        // (1000, -600) at 75 % is (750, -450).
        {"the menu out", {1000, -600}, false, false, {750, -450}},
        // Under the pointer (1300, -800) becomes (1950, -1200), still at (300, 200).
        {"the wheel in", {1000, -600}, true, true, {1650, -1000}},
        // (1300, -800) becomes (975, -600) at 75 %.
        {"the wheel out", {1000, -600}, true, false, {675, -400}},
        // Out at the page's end: the window stays on the page (2625 x 1200 at 75 %).
        {"the wheel out at the end", {2900, -1200}, true, false, {2025, -800}},
    };
    MakeView(host);
    for (const Case& c : cases) {
        View().SetZoomIndexCommand(3);
        View().ScrollToPosition(c.scroll);
        ASSERT_EQ(View().GetScrollPosition(), c.scroll) << c.what;
        if (c.wheel) {
            View().ZoomStepAt(c.in, CPoint(300, 200));
        } else {
            View().OnCommand(c.in ? ID_ZOOM_IN : ID_ZOOM_OUT);
        }
        EXPECT_EQ(View().GetLayout().GetZoom(), c.in ? 150 : 75) << c.what;
        EXPECT_EQ(View().GetScrollPosition(), c.expected) << c.what;
    }
    // No step beyond the table.
    View().SetZoomIndexCommand(7);
    View().ZoomStepAt(true, CPoint(300, 200));
    EXPECT_EQ(View().GetLayout().GetZoomIndex(), 7);
}

// A step from an area zoom lays the chart out at the step's level, also when that is the level
// the view had before the area zoom.
TEST_F(ViewZoomTest, AStepFromAnAreaZoomLaysTheChartOutAtTheStep) {
    struct Case {
        const char* what;
        bool wheel;
        bool in;
        CSize total;
    };
    const Case cases[] = {
        {"the menu out", false, false, {3500, 1600}},
        {"the menu in", false, true, {7000, 3200}},
        {"the wheel out", true, false, {3500, 1600}},
    };
    MakeView(host);
    for (const Case& c : cases) {
        View().SetZoomIndexCommand(3);
        // 130 % is next to 150 %, one step above the 100 % the view had.
        View().GetLayout().SetZoomPercent(130);
        View().OnUpdate(nullptr, 0, nullptr);
        ASSERT_EQ(View().GetTotalSize(), CSize(4550, 2080)) << c.what;
        if (c.wheel) {
            View().ZoomStepAt(c.in, CPoint(300, 200));
        } else {
            View().OnCommand(c.in ? ID_ZOOM_IN : ID_ZOOM_OUT);
        }
        EXPECT_EQ(View().GetLayout().GetExplicitZoom(), 0) << c.what;
        EXPECT_EQ(View().GetTotalSize(), c.total) << c.what;
    }
}

// The window (600 x 400 pixels of one unit each) shows the page from its corner: a client
// pixel (x, y) is the logical point (x, -y).
TEST_F(ViewZoomTest, PressDragReleaseZoomsToTheArea) {
    MakeView(host);
    StartAreaZoom();
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    EXPECT_EQ(SubState(), 1);
    EXPECT_TRUE(host.capture);
    Mouse(CMouseEvent::kMove, MK_LBUTTON, 150, 120);
    EXPECT_EQ(SubState(), 2);
    Mouse(CMouseEvent::kMove, MK_LBUTTON, 300, 250);
    EXPECT_EQ(BandDrawings(), 1);
    Mouse(CMouseEvent::kLeftUp, 0, 300, 250);
    // 200 x 150 units into 600 x 400: the smaller factor, 8/3.
    EXPECT_EQ(View().GetLayout().GetExplicitZoom(), 266);
    EXPECT_EQ(View().GetLayout().GetZoomCenter(), CPoint(200, -175));
    EXPECT_EQ(Operation(), COperationState::kOpEdit);
    EXPECT_EQ(SubState(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(host.cursor, IViewHost::kCursorArrow);
    EXPECT_EQ(BandDrawings(), 2) << "drawn and taken away again";
}

// However few moves come between the press and the release, the band is the press and the
// release point; one too small to be an area is a click, which zooms in a step at its point.
TEST_F(ViewZoomTest, AQuickDragZoomsToThePressAndTheRelease) {
    struct Case {
        const char* what;
        std::vector<CPoint> moves;
        CPoint release;
        int explicitZoom; // 0: a step of the table
        int zoom;
        CPoint scroll;
    };
    const Case cases[] = {
        {"no move", {}, {300, 250}, 266, 266, {}},
        {"one move", {{150, 120}}, {300, 250}, 266, 266, {}},
        {"two moves", {{150, 120}, {200, 200}}, {300, 250}, 266, 266, {}},
        // (103, -102) at 150 % is (155, -153) (rounded), kept at the pixel (103, 102).
        {"a small band", {{101, 101}}, {103, 102}, 0, 150, {52, -51}},
    };
    MakeView(host);
    for (const Case& c : cases) {
        View().SetZoomIndexCommand(3);
        View().ScrollToPosition(CPoint(0, 0));
        host.Clear(); // painted
        StartAreaZoom();
        Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
        for (const CPoint& p : c.moves) {
            Mouse(CMouseEvent::kMove, MK_LBUTTON, p.x, p.y);
        }
        Mouse(CMouseEvent::kLeftUp, 0, c.release.x, c.release.y);
        EXPECT_EQ(Operation(), COperationState::kOpEdit) << c.what;
        EXPECT_FALSE(host.capture) << c.what;
        EXPECT_EQ(View().GetLayout().GetExplicitZoom(), c.explicitZoom) << c.what;
        EXPECT_EQ(View().GetLayout().GetZoom(), c.zoom) << c.what;
        if (c.explicitZoom == 0) {
            EXPECT_EQ(View().GetScrollPosition(), c.scroll) << c.what;
        } else {
            EXPECT_EQ(View().GetLayout().GetZoomCenter(), CPoint(200, -175)) << c.what;
        }
    }
}

TEST_F(ViewZoomTest, ClickMoveClickZoomsToTheArea) {
    MakeView(host);
    StartAreaZoom();
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    Mouse(CMouseEvent::kLeftUp, 0, 100, 100);
    EXPECT_EQ(SubState(), 2);
    Mouse(CMouseEvent::kMove, 0, 250, 200);
    Mouse(CMouseEvent::kMove, 0, 400, 200);
    EXPECT_EQ(BandDrawings(), 3) << "the first band, then one taken away and one drawn";
    // A click where the band started does nothing.
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    EXPECT_EQ(SubState(), 2);
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 400, 200);
    EXPECT_EQ(SubState(), 3);
    Mouse(CMouseEvent::kLeftUp, 0, 400, 200);
    // 300 x 100 units: factors 2 and 4, the smaller wins.
    EXPECT_EQ(View().GetLayout().GetExplicitZoom(), 200);
    EXPECT_EQ(Operation(), COperationState::kOpEdit);
}

TEST_F(ViewZoomTest, ARightClickStepsBackInEachState) {
    MakeView(host);
    StartAreaZoom();
    // Pressed: back to waiting, the capture released.
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    Mouse(CMouseEvent::kRightUp, 0, 100, 100);
    EXPECT_EQ(SubState(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Operation(), CTembraView::kOpAreaZoom);
    // Tracking: the band goes, back to waiting.
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    Mouse(CMouseEvent::kLeftUp, 0, 100, 100);
    Mouse(CMouseEvent::kMove, 0, 300, 300);
    host.drawn.clear();
    Mouse(CMouseEvent::kRightUp, 0, 300, 300);
    EXPECT_EQ(BandDrawings(), 1) << "taken away";
    EXPECT_EQ(SubState(), 0);
    EXPECT_FALSE(host.capture);
    // Closing: back to tracking with the band drawn again.
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 100, 100);
    Mouse(CMouseEvent::kLeftUp, 0, 100, 100);
    Mouse(CMouseEvent::kMove, 0, 300, 300);
    Mouse(CMouseEvent::kLeftDown, MK_LBUTTON, 300, 300);
    EXPECT_EQ(SubState(), 3);
    host.drawn.clear();
    Mouse(CMouseEvent::kRightUp, 0, 300, 300);
    EXPECT_EQ(SubState(), 2);
    EXPECT_EQ(BandDrawings(), 2) << "taken away and drawn again";
    Mouse(CMouseEvent::kRightUp, 0, 300, 300);
    // Waiting: the area zoom ends without a zoom.
    Mouse(CMouseEvent::kRightUp, 0, 300, 300);
    EXPECT_EQ(Operation(), COperationState::kOpEdit);
    EXPECT_EQ(View().GetLayout().GetExplicitZoom(), 0);
    EXPECT_EQ(host.cursor, IViewHost::kCursorArrow);
}

TEST_F(ViewZoomTest, APressOffThePageIsNotTaken) {
    host.client = CSize(4000, 2000);
    MakeView(host);
    StartAreaZoom();
    // The page is centred 250 pixels in: the left margin is off it. The dispatcher takes every
    // event of the area zoom, but only a press on the page starts a band.
    EXPECT_TRUE(View().ObjectActionAt(CMouseEvent::kLeftDown, MK_LBUTTON, CPoint(50, 500)));
    EXPECT_EQ(SubState(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_TRUE(View().ObjectActionAt(CMouseEvent::kLeftDown, MK_LBUTTON, CPoint(250, 500)));
    EXPECT_EQ(SubState(), 1);
    EXPECT_TRUE(host.capture);
    EXPECT_TRUE(host.autoScroll) << "the band scrolls on with the pointer held outside";
}

struct AreaCase {
    const char* what;
    CPoint start;
    CPoint last;
    int zoom;
};

TEST_F(ViewZoomTest, TheAreasFactors) {
    const AreaCase cases[] = {
        {"zero width: the height factor", {100, -100}, {100, -300}, 200},
        {"zero height: the width factor", {100, -100}, {400, -100}, 200},
        {"zero size: the least zoom", {100, -100}, {100, -100}, 10},
        {"tiny: the largest level", {100, -100}, {110, -110}, 400},
        {"large: shrinks", {0, 0}, {3000, -1000}, 20},
    };
    MakeView(host);
    for (const AreaCase& c : cases) {
        View().SetZoomIndexCommand(3);
        View().GetMouseEvent().SetStartPoint(c.start);
        View().GetMouseEvent().SetLastPoint(c.last);
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().ZoomToArea(dc.get());
        EXPECT_EQ(View().GetLayout().GetExplicitZoom(), c.zoom) << c.what;
    }
}

TEST_F(ViewZoomTest, HalfAPageOf31DaysMoves15) {
    doc.GetSyokiSet().SetEndDate(CTime(2010, 5, 1));
    host.halfScroll = true;
    MakeView(host);
    View().OnCommand(ID_SHIFT_RIGHT);
    EXPECT_EQ(View().GetLayout().GetStartDate(), April(16));
    EXPECT_EQ(View().GetLayout().GetEndDate(), CTime(2010, 5, 16));
    View().OnCommand(ID_SHIFT_LEFT);
    EXPECT_EQ(View().GetLayout().GetStartDate(), April(1));
    host.halfScroll = false;
    View().OnShiftLeft();
    EXPECT_EQ(View().GetLayout().GetStartDate(), CTime(2010, 3, 1));
    EXPECT_EQ(View().GetLayout().GetEndDate(), CTime(2010, 3, 31));
}

TEST_F(ViewZoomTest, PeriodShiftsStayInsideTheCalendar) {
    struct Case {
        const char* what;
        CTime start;
        CTime end;
        bool forward;
        CTime newStart;
    };
    const Case cases[] = {
        {"back from the first day", CTime(1991, 1, 1), CTime(1991, 1, 31), false,
         CTime(1991, 1, 1)},
        {"back near the first day", CTime(1991, 1, 5), CTime(1991, 2, 4), false, CTime(1991, 1, 1)},
        {"on from the last day", CTime(2037, 12, 1), CTime(2037, 12, 31), true, CTime(2037, 12, 1)},
        {"on near the last day", CTime(2037, 11, 28), CTime(2037, 12, 28), true,
         CTime(2037, 12, 1)},
    };
    for (const Case& c : cases) {
        doc.GetSyokiSet().SetStartDate(c.start);
        doc.GetSyokiSet().SetEndDate(c.end);
        views.clear();
        MakeView(host);
        if (c.forward) {
            View().OnShiftRight();
        } else {
            View().OnShiftLeft();
        }
        EXPECT_EQ(View().GetLayout().GetStartDate(), c.newStart) << c.what;
        EXPECT_EQ(View().GetLayout().GetDayCount(), 31) << c.what;
    }
}

TEST_F(ViewZoomTest, RowShiftsStopAtTheEndsAndResetGoesBack) {
    MakeView(host);
    View().OnShiftUp();
    EXPECT_EQ(View().GetLayout().GetFirstRow(), 0);
    EXPECT_EQ(View().GetLayout().GetLastRow(), 29);
    View().OnShiftDown();
    EXPECT_EQ(View().GetLayout().GetFirstRow(), 30);
    EXPECT_EQ(View().GetLayout().GetLastRow(), 59);
    for (int i = 0; i < 400; ++i) {
        View().OnShiftDown();
    }
    EXPECT_EQ(View().GetLayout().GetLastRow(), 9999);
    EXPECT_EQ(View().GetLayout().GetFirstRow(), 9970);
    View().OnShiftRight();
    View().OnShiftReset();
    EXPECT_EQ(View().GetLayout().GetFirstRow(), 0);
    EXPECT_EQ(View().GetLayout().GetLastRow(), 29);
    EXPECT_EQ(View().GetLayout().GetStartDate(), April(1));
    EXPECT_EQ(View().GetLayout().GetEndDate(), April(30));
}

TEST_F(ViewZoomTest, PeriodShiftsAreForCalendarDayChartsOnly) {
    MakeView(host);
    EXPECT_TRUE(State(ID_SHIFT_LEFT).IsEnabled());
    EXPECT_TRUE(State(ID_SHIFT_RIGHT).IsEnabled());
    doc.GetSyokiSet().SetNobeMode(1);
    EXPECT_FALSE(State(ID_SHIFT_LEFT).IsEnabled());
    EXPECT_FALSE(State(ID_SHIFT_RIGHT).IsEnabled());
    EXPECT_TRUE(State(32900).IsEnabled());
    EXPECT_TRUE(State(32899).IsEnabled());
}

TEST_F(ViewZoomTest, DraggingPastTheEdgeScrollsByTheOvershoot) {
    MakeView(host);
    std::unique_ptr<CDC> dc = host.GetClientDC();
    View().OnPrepareDC(dc.get());
    // 50 units beyond the right edge and 20 below the bottom.
    View().ScrollForCursor(dc.get(), 650, -420);
    EXPECT_EQ(View().GetScrollPosition(), CPoint(50, -20));
    EXPECT_TRUE(host.posted.empty()) << "the window's timer repeats the move, not a post";
    // Inside the window nothing moves.
    View().ScrollForCursor(dc.get(), 300, -200);
    EXPECT_EQ(View().GetScrollPosition(), CPoint(50, -20));
    // A chart narrower than the window never scrolls sideways.
    host.client = CSize(4000, 300);
    View().OnSize();
    View().ScrollForCursor(dc.get(), 4100, -500);
    EXPECT_EQ(View().GetScrollPosition().x, 0);
}

} // namespace
} // namespace tembra
