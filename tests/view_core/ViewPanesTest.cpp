// The panes of a window's splitter and further windows on the same chart: a new pane takes the
// first pane's layout and scrolls to the process area along the axis it was split on, split
// panes stop centring a small chart and start again when joined, every pane follows a zoom, and
// a second window takes the layout of the chart's first view.
#include "ViewFixture.h"

namespace tembra {
namespace {

using test::April;

class ViewPanesTest : public test::ViewFixture {
protected:
    // Splits the first window: the new pane at (row, column) of a splitter of rows x columns.
    CTembraView& Split(int row, int column, int rows, int columns) {
        first.rows = rows;
        first.columns = columns;
        second.row = row;
        second.column = column;
        second.rows = rows;
        second.columns = columns;
        views.push_back(std::make_unique<CTembraView>(second));
        CTembraView& pane = *views.back();
        first.others = {{&pane, row, column}};
        second.others = {{views.front().get(), 0, 0}};
        pane.SetDocument(doc);
        pane.OnInitialUpdate();
        return pane;
    }

    test::FakeViewHost first;
    test::FakeViewHost second;
};

TEST_F(ViewPanesTest, ANewPaneTakesTheLayoutAndScrollsToTheProcessArea) {
    CTembraView& left = MakeView(first);
    left.OnShiftRight();
    left.SetZoomIndexCommand(4);
    left.ScrollToPosition(CPoint(900, -600));
    const CPoint before = left.GetScrollPosition();

    CTembraView& right = Split(0, 1, 1, 2);
    EXPECT_EQ(right.GetLayout().GetStartDate(), left.GetLayout().GetStartDate());
    EXPECT_EQ(right.GetLayout().GetZoomIndex(), 4);
    // The process area's left edge at 150 %, the first pane's former height.
    EXPECT_EQ(right.GetScrollPosition(), CPoint(750, before.y));
    EXPECT_EQ(left.GetScrollPosition(), CPoint(0, 0));
    EXPECT_FALSE(left.IsCenter());
    EXPECT_FALSE(right.IsCenter());
}

TEST_F(ViewPanesTest, ALowerPaneScrollsToTheProcessAreasTop) {
    CTembraView& top = MakeView(first);
    top.ScrollToPosition(CPoint(400, -300));
    CTembraView& lower = Split(1, 0, 2, 1);
    EXPECT_EQ(lower.GetScrollPosition(), CPoint(400, -100));
    EXPECT_EQ(top.GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ViewPanesTest, CentringStopsWhileSplitAndReturnsWhenJoined) {
    first.client = second.client = CSize(4000, 2000);
    CTembraView& only = MakeView(first);
    EXPECT_TRUE(only.IsCenter());
    Split(0, 1, 1, 2);
    EXPECT_FALSE(only.IsCenter());
    // Joined again: one pane of one row and column.
    views.pop_back();
    first.rows = first.columns = 1;
    first.others.clear();
    only.OnSize();
    EXPECT_TRUE(only.IsCenter());
}

TEST_F(ViewPanesTest, EveryPaneFollowsAZoomAndAShift) {
    CTembraView& left = MakeView(first);
    CTembraView& right = Split(0, 1, 1, 2);
    left.OnZoomIn();
    EXPECT_EQ(right.GetLayout().GetZoomIndex(), 4);
    left.OnShiftRight();
    EXPECT_EQ(right.GetLayout().GetStartDate(), left.GetLayout().GetStartDate());
    EXPECT_EQ(right.GetSnapshot().layoutStart, left.GetLayout().GetStartDate());
}

TEST_F(ViewPanesTest, DraggingScrollsThePanesThatShareAnAxis) {
    CTembraView& left = MakeView(first);
    CTembraView& right = Split(0, 1, 1, 2);
    right.ScrollToPosition(CPoint(750, 0));
    std::unique_ptr<CDC> dc = first.GetClientDC();
    left.OnPrepareDC(dc.get());
    // Below the first pane's bottom: the pane beside it, in the same row, scrolls down too.
    left.ScrollForCursor(dc.get(), 300, -430);
    EXPECT_EQ(left.GetScrollPosition(), CPoint(0, -30));
    EXPECT_EQ(right.GetScrollPosition(), CPoint(750, -30));
}

TEST_F(ViewPanesTest, ASecondWindowTakesTheFirstViewsLayout) {
    CTembraView& one = MakeView(first);
    one.OnShiftDown();
    one.SetZoomIndexCommand(2);
    test::FakeViewHost other;
    CTembraView& two = MakeView(other);
    EXPECT_EQ(two.GetLayout().GetFirstRow(), 30);
    EXPECT_EQ(two.GetLayout().GetZoomIndex(), 2);
    EXPECT_TRUE(two.IsCenter()) << "a window of its own keeps centring";
}

} // namespace
} // namespace tembra
