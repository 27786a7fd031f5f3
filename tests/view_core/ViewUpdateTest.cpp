// How a change reaches the view's window: a changed setting lays the chart out anew, a moved
// period or row range only refreshes it, a changed zoom re-scales it around a centre, and any
// other change repaints only what its hint names.
#include "ViewFixture.h"

#include "document/Hint.h"

#include <functional>
#include <string>

namespace tembra {
namespace {

using test::April;

class ViewUpdateTest : public test::ViewFixture {
protected:
    CTembraView& View() { return *views.front(); }
    test::FakeViewHost host;
};

struct SettingCase {
    const char* field;
    std::function<void(CSyokiSet&)> change;
};

TEST_F(ViewUpdateTest, EachSettingOfTheSnapshotLaysTheChartOutAnew) {
    const SettingCase cases[] = {
        {"elapsed-day mode", [](CSyokiSet& s) { s.SetNobeMode(1); }},
        {"paper", [](CSyokiSet& s) { s.GetPageSetting().SetPaperKind(kPaperA3); }},
        {"layout file", [](CSyokiSet& s) { s.GetPath().SetLayoutFileName("OTHER.LYT"); }},
        {"start date", [](CSyokiSet& s) { s.SetStartDate(April(2)); }},
        {"end date", [](CSyokiSet& s) { s.SetEndDate(April(29)); }},
        {"leading margin", [](CSyokiSet& s) { s.SetMaeYohaku(CTimeSpan(1, 0, 0, 0)); }},
        {"trailing margin", [](CSyokiSet& s) { s.SetAtoYohaku(CTimeSpan(1, 0, 0, 0)); }},
        {"elapsed-day offset", [](CSyokiSet& s) { s.SetJyunbiKikan(CTimeSpan(3, 0, 0, 0)); }},
        {"elapsed-day origin", [](CSyokiSet& s) { s.SetNobeMonthSpan(CTimeSpan(31, 0, 0, 0)); }},
        {"first row", [](CSyokiSet& s) { s.SetFirstRow(1); }},
        {"last row", [](CSyokiSet& s) { s.SetLastRow(28); }},
        {"layout word", [](CSyokiSet& s) { s.SetLayoutWord(0, 7); }},
    };
    MakeView(host);
    for (const SettingCase& c : cases) {
        // The zoom of the view and a shifted period: a new layout has neither.
        View().SetZoomIndexCommand(5);
        View().OnShiftRight();
        ASSERT_EQ(View().GetLayout().GetZoomIndex(), 5) << c.field;
        ASSERT_NE(View().GetLayout().GetStartDate(), doc.GetSyokiSet().GetStartDate()) << c.field;
        host.Clear();

        c.change(doc.GetSyokiSet());
        View().OnUpdate(nullptr, 0, nullptr);
        EXPECT_EQ(View().GetLayout().GetZoomIndex(), 3) << c.field;
        EXPECT_EQ(View().GetLayout().GetStartDate(), doc.GetSyokiSet().GetStartDate()) << c.field;
        EXPECT_EQ(View().GetSnapshot().startDate, doc.GetSyokiSet().GetStartDate()) << c.field;
        EXPECT_TRUE(host.WholeInvalidated()) << c.field;
        // Taken again: the next update changes nothing.
        host.Clear();
        View().OnUpdate(nullptr, CTembraView::kHintKoumoku, nullptr);
        EXPECT_FALSE(host.WholeInvalidated()) << c.field;
    }
}

TEST_F(ViewUpdateTest, AMovedPeriodOrRowRangeOnlyRefreshes) {
    MakeView(host);
    View().SetZoomIndexCommand(5);
    const std::vector<std::function<void(CPageLayout&)>> moves = {
        [](CPageLayout& l) { l.SetStartDate(April(3)); },
        [](CPageLayout& l) { l.SetEndDate(April(20)); },
        [](CPageLayout& l) { l.SetFirstRow(2); },
        [](CPageLayout& l) { l.SetLastRow(40); },
    };
    for (std::size_t i = 0; i < moves.size(); ++i) {
        host.Clear();
        moves[i](View().GetLayout());
        View().OnUpdate(nullptr, 0, nullptr);
        const CTembraView::Snapshot& s = View().GetSnapshot();
        EXPECT_EQ(View().GetLayout().GetZoomIndex(), 5) << i;
        EXPECT_EQ(s.layoutStart, View().GetLayout().GetStartDate()) << i;
        EXPECT_EQ(s.layoutEnd, View().GetLayout().GetEndDate()) << i;
        EXPECT_EQ(s.layoutFirstRow, View().GetLayout().GetFirstRow()) << i;
        EXPECT_EQ(s.layoutLastRow, View().GetLayout().GetLastRow()) << i;
        EXPECT_EQ(s.startDate, April(1)) << i;
        EXPECT_TRUE(host.WholeInvalidated()) << i;
    }
}

TEST_F(ViewUpdateTest, AnExplicitZoomTakesTheNearestIndex) {
    const std::pair<int, int> cases[] = {{120, 3}, {125, 3}, {126, 4}, {30, 0}, {37, 0}, {38, 1}};
    MakeView(host);
    for (const auto& [percent, index] : cases) {
        View().GetLayout().SetZoomPercent(percent);
        View().OnUpdate(nullptr, 0, nullptr);
        EXPECT_EQ(View().GetLayout().GetZoomIndex(), index) << percent;
        EXPECT_EQ(View().GetSnapshot().zoomPercent, percent);
        EXPECT_EQ(View().GetLayout().GetZoom(), percent);
    }
}

TEST_F(ViewUpdateTest, AZoomScrollsItsOwnViewButHint8NeverScrolls) {
    MakeView(host);
    View().ScrollToPosition(CPoint(1000, -600));
    const CPoint before = View().GetScrollPosition();

    // From the other pane: the zoom follows, the position stays.
    View().GetLayout().SetZoomIndex(4);
    View().OnUpdate(nullptr, CTembraView::kHintFromPane, nullptr);
    EXPECT_EQ(View().GetScrollPosition(), before);
    View().GetLayout().SetZoomPercent(180);
    View().GetLayout().SetZoomCenter(CPoint(2000, -800));
    View().OnUpdate(nullptr, CTembraView::kHintFromPane, nullptr);
    EXPECT_EQ(View().GetScrollPosition(), before);

    // The view's own step keeps the window's top-left chart point there: at 150 % from 100 %
    // the corner (1000, -600) becomes (1500, -900).
    View().GetLayout().SetZoomPercent(0);
    View().SetZoomIndexCommand(3);
    View().ScrollToPosition(CPoint(1000, -600));
    View().GetLayout().SetZoomIndex(4);
    View().OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(View().GetScrollPosition(), CPoint(1500, -900));
}

TEST_F(ViewUpdateTest, AZoomFromNoSizeKeepsItsCentreUnscaled) {
    // A page of no size gives the view nothing to scroll over.
    CPrintArea::StoredFields none;
    const CPageSetting kept = doc.GetSyokiSet().GetPageSetting();
    doc.GetSyokiSet().GetPageSetting().SetStoredFields(none);
    MakeView(host);
    ASSERT_EQ(View().GetTotalSize(), CSize(0, 0));
    doc.GetSyokiSet().GetPageSetting() = kept;
    View().GetLayout().SetZoomPercent(150);
    View().GetLayout().SetZoomCenter(CPoint(1000, -500));
    View().OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(View().GetTotalSize(), CSize(5250, 2400));
    // The centre stays (1000, -500): the window's corner half a window up and left of it.
    EXPECT_EQ(View().GetScrollPosition(), CPoint(700, -300));
}

TEST_F(ViewUpdateTest, TheHeaderHintRepaintsOnlyAHeaderShownOnScreen) {
    MakeView(host);
    View().OnUpdate(nullptr, CTembraView::kHintHeader, nullptr);
    EXPECT_TRUE(host.invalidated.empty()) << "no header shown";

    View().GetLayout().SetHeader(&doc.GetPrHeader());
    View().OnUpdate(nullptr, CTembraView::kHintHeader, nullptr);
    ASSERT_FALSE(host.invalidated.empty());
    CRect outer = View().GetLayout().GetRect();
    outer.NormalizeRect();
    ASSERT_TRUE(host.invalidated.front().has_value());
    EXPECT_EQ(*host.invalidated.front(), CRect(outer.left, outer.top, outer.right, outer.bottom))
        << "the outer rectangle first";

    host.Clear();
    View().GetLayout().SetOutputMode(1);
    View().OnUpdate(nullptr, CTembraView::kHintHeader, nullptr);
    EXPECT_TRUE(host.invalidated.empty()) << "printing";
    View().GetLayout().SetOutputMode(0);
}

TEST_F(ViewUpdateTest, AHintRepaintsItsRectangleOrItsBandOrNothing) {
    MakeView(host);
    CHint hint;
    hint.m_rect = CRect(600, -200, 900, -300);
    hint.SetDateRange(static_cast<LONG>(April(10).GetTime()),
                      static_cast<LONG>(April(12).GetTime()), 4, 6);

    View().OnUpdate(nullptr, CTembraView::kHintRect, &hint);
    ASSERT_EQ(host.invalidated.size(), 1u);
    EXPECT_EQ(*host.invalidated[0], CRect(600, 200, 900, 300));

    host.Clear();
    View().OnUpdate(nullptr, CTembraView::kHintBand, &hint);
    ASSERT_EQ(host.invalidated.size(), 1u);
    // April 10 to 12 from x 1400 to 1600, the middles of rows 4 and 6 at y 325 and 425, each
    // side widened by 10.
    EXPECT_EQ(*host.invalidated[0], CRect(1390, 315, 1610, 435));

    for (const LPARAM other : {LPARAM{0}, LPARAM{3}, LPARAM{0x20}}) {
        host.Clear();
        View().OnUpdate(nullptr, other, &hint);
        EXPECT_TRUE(host.invalidated.empty()) << other;
    }
}

TEST_F(ViewUpdateTest, ARecordHintJoinsThePendingRegion) {
    MakeView(host);
    CKoutei* process = AddProcess(5, 8, 3);
    const CRect bounds = View().GetLayout().GetObjectBounds(nullptr, process, 1);
    // Alone: the bounds widened by 10, in device units.
    View().OnUpdate(nullptr, 0, process);
    ASSERT_EQ(host.invalidated.size(), 1u);
    EXPECT_EQ(*host.invalidated[0],
              CRect(bounds.left - 10, -bounds.top - 10, bounds.right + 10, -bounds.bottom + 10));

    // With a region pending: it is validated and the union repainted as one rectangle.
    host.Clear();
    host.pending = CRect(10, 10, 20, 20);
    View().OnUpdate(nullptr, 0, process);
    ASSERT_EQ(host.validated.size(), 1u);
    EXPECT_EQ(host.validated[0], CRect(10, 10, 20, 20));
    ASSERT_EQ(host.invalidated.size(), 1u);
    EXPECT_EQ(*host.invalidated[0], CRect(10, 10, bounds.right + 10, -bounds.bottom + 10));
}

} // namespace
} // namespace tembra
