// The floating overview's rules on the chart view of round numbers: the fit, the hit zones of
// the frame, the drags that scroll and zoom the chart view, the scroll of split panes and what
// an update repaints.
#include "ViewFixture.h"

#include "model/ConfigBase.h"
#include "view/core/FloatView.h"
#include "view/core/FloatViewHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

// The overview's window: its pixels are as large as a logical unit, like the chart view's.
class FakeFloatHost : public IFloatViewHost {
public:
    class ClientDC : public CRecordingDC {
    public:
        explicit ClientDC(FakeFloatHost& host)
            : CRecordingDC(Device::Screen, 254, host.client), m_host(host) {}
        ~ClientDC() override {
            for (const Record& r : Records()) {
                m_host.drawn.push_back(r);
            }
        }

    private:
        FakeFloatHost& m_host;
    };

    CSize GetClientSize() const override { return client; }
    std::unique_ptr<CDC> GetClientDC() override { return std::make_unique<ClientDC>(*this); }
    void SetCaption(const std::string& text) override { caption = text; }
    void InvalidateRect(const CRect* r, bool) override {
        invalidated.push_back(r != nullptr ? std::optional<CRect>(*r) : std::nullopt);
    }
    void ValidateRect(const CRect&) override {}
    bool GetUpdateRect(CRect&) const override { return false; }
    void UpdateWindow() override { ++paintsNow; }
    void SetCapture() override { capture = true; }
    void ReleaseCapture() override { capture = false; }
    bool HasCapture() const override { return capture; }
    void SetCursor(int c) override { cursor = c; }

    bool WholeInvalidated() const {
        for (const auto& r : invalidated) {
            if (!r) {
                return true;
            }
        }
        return false;
    }
    bool Covers(const CPoint& p) const {
        for (const auto& r : invalidated) {
            if (!r || r->PtInRect(p)) {
                return true;
            }
        }
        return false;
    }
    void Clear() {
        invalidated.clear();
        drawn.clear();
        paintsNow = 0;
    }

    CSize client{480, 270};
    std::vector<std::optional<CRect>> invalidated;
    std::vector<CRecordingDC::Record> drawn;
    std::string caption = "unset";
    int paintsNow = 0;
    bool capture = false;
    int cursor = -1;
};

// A chart window whose overview is the test's.
class OverviewViewHost : public test::FakeViewHost, public IFloatOverview {
public:
    explicit OverviewViewHost(CFloatView& overview) : m_overview(overview) {}
    IFloatOverview* GetOverview() const override { return const_cast<OverviewViewHost*>(this); }
    void UpdateFloatView(CView* sender, LPARAM hint, CObject* object) override {
        m_overview.OnUpdate(sender, hint, object);
    }
    void RepaintNow() override {}

private:
    CFloatView& m_overview;
};

// The overview of 480 x 270 fits the page of 3500 x 1600 at 12 % with the window origin at
// (-30, 39): a logical point (x, y) of the overview is the pixel (x + 30, 39 - y). The chart
// view's window of 600 x 400 at 100 % frames (0, 0, 72, -48) at the top-left of the page.
class FloatViewTest : public test::ViewFixture {
protected:
    FloatViewTest() {
        m_previousConfig = SetAppConfig(&config);
        view = &MakeView(viewHost);
        view->OnActivateView(true);
        overview.OnUpdate(view, CFloatView::kHintActiveView, nullptr);
        overview.OnUpdate(nullptr, CFloatView::kHintPosition, nullptr);
        floatHost.Clear();
        viewHost.Clear();
    }
    ~FloatViewTest() override { SetAppConfig(m_previousConfig); }

    static CPoint Pixel(LONG x, LONG y) { return CPoint(x + 30, 39 - y); }

    CConfigBase config;
    FakeFloatHost floatHost;
    CFloatView overview{floatHost};
    OverviewViewHost viewHost{overview};
    CTembraView* view = nullptr;

private:
    CConfigBase* m_previousConfig = nullptr;
};

using FloatViewFit = test::ViewFixture;

TEST_F(FloatViewFit, TheZoomIsTheSmallerAxisAndThePageIsCentred) {
    struct Case {
        CSize page;
        CSize client;
        int zoom; // 0: the fit fails
        CPoint origin;
    };
    const Case cases[] = {
        {{3500, 1600}, {480, 270}, 12, {-30, 39}},
        {{3500, 1600}, {600, 400}, 15, {-37, 80}},
        {{3500, 1600}, {1000, 300}, 15, {-237, 30}},
        {{7000, 3200}, {600, 400}, 8, {-20, 72}},
        {{3500, 1600}, {100, 100}, 1, {}},
        {{3500, 1600}, {61, 400}, 0, {}}, // the width rounds to no zoom
        {{3500, 1600}, {60, 400}, 0, {}}, // nothing beside the margin
        {{3500, 1600}, {400, 60}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.page.cx << " in " << c.client.cx << "x" << c.client.cy);
        CTembraDoc chart;
        CSyokiSet& set = chart.GetSyokiSet();
        set.SetDefault(&chart, 0);
        CPrintArea::StoredFields f;
        f.paper = CRect(0, 0, c.page.cx, -c.page.cy);
        f.header = CRect(0, 0, c.page.cx, 0);
        f.page = f.paper;
        f.date = CRect(0, 0, c.page.cx, -100);
        f.edit = CRect(0, -100, c.page.cx, -c.page.cy);
        f.items = CRect(0, -100, 500, -c.page.cy);
        f.chart = f.inner = CRect(500, -100, c.page.cx, -c.page.cy);
        f.footer = CRect(0, -c.page.cy, c.page.cx, -c.page.cy);
        set.GetPageSetting().SetStoredFields(f);
        test::FakeViewHost host;
        CTembraView chartView(host);
        chartView.SetDocument(chart);
        chartView.OnInitialUpdate();

        CPageLayout layout = chartView.GetPageLayout();
        CRecordingDC dc(CRecordingDC::Device::Screen, 254, c.client);
        const bool fitted = CFloatView::FitLayout(&dc, c.client, layout);
        EXPECT_EQ(fitted, c.zoom > 0);
        if (c.zoom > 0) {
            EXPECT_EQ(layout.GetZoom(), c.zoom);
            EXPECT_TRUE(layout.IsOverview());
            if (c.origin != CPoint()) {
                EXPECT_EQ(dc.GetWindowOrg(), c.origin);
            }
        }
    }
}

TEST(FloatViewHitTest, TheZonesOfTheFrame) {
    const CRect frame(100, 500, 700, 100);
    const CRect page(0, 600, 1000, 0);
    struct Case {
        CPoint point;
        int zone;
    };
    const Case cases[] = {
        {{400, 300}, CFloatView::kZoneBody},
        {{110, 490}, CFloatView::kZoneBody}, // the inner box's corner is its own
        {{110, 491}, CFloatView::kZoneTopLeft},
        {{98, 502}, CFloatView::kZoneTopLeft},
        {{699, 101}, CFloatView::kZoneBottomRight},
        {{100, 101}, CFloatView::kZoneBottomLeft},
        {{699, 500}, CFloatView::kZoneTopRight},
        {{105, 300}, CFloatView::kZoneLeft},
        {{695, 300}, CFloatView::kZoneRight},
        {{400, 495}, CFloatView::kZoneTop},
        {{400, 105}, CFloatView::kZoneBottom},
        {{97, 300}, CFloatView::kZonePage}, // beside the outer box
        {{702, 300}, CFloatView::kZonePage},
        {{400, 98}, CFloatView::kZonePage},
        {{400, 600}, CFloatView::kZonePage},
        {{1000, 300}, CFloatView::kZoneNone}, // the page's right edge is outside it
        {{400, 0}, CFloatView::kZoneNone},    // so is its bottom
        {{-1, 300}, CFloatView::kZoneNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CFloatView::HitTestFrame(frame, page, c.point), c.zone)
            << c.point.x << ", " << c.point.y;
    }
}

TEST_F(FloatViewTest, TheFrameShowsTheChartViewsWindow) {
    EXPECT_EQ(overview.GetFrame(), CRect(0, 0, 72, -48));
    view->ScrollToPosition(CPoint(2900, -1200));
    overview.OnUpdate(nullptr, CFloatView::kHintPosition, nullptr);
    EXPECT_EQ(overview.GetFrame(), CRect(348, -144, 420, -192));

    // The frame is drawn red and 4 wide on a paint.
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, floatHost.client);
    overview.DrawFrame(&dc);
    std::vector<CRecordingDC::Record> frames;
    for (const CRecordingDC::Record& r : dc.Records()) {
        if (r.op == DcOp::Rectangle) {
            frames.push_back(r);
        }
    }
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].args.rect, CRect(348, -144, 420, -192));
    EXPECT_EQ(frames[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(frames[0].pen.width, 4);
    EXPECT_EQ(frames[0].rop2, R2_COPYPEN);
}

TEST_F(FloatViewTest, TheCursorFollowsTheZone) {
    struct Case {
        CPoint logical;
        int cursor;
        bool set;
    };
    const Case cases[] = {
        {{36, -24}, CFloatView::kCursorMove, true},
        {{72, -48}, CFloatView::kCursorSizeNWSE, true},
        {{0, -48}, CFloatView::kCursorSizeNESW, true},
        {{300, -150}, CFloatView::kCursorCentre, true},
        {{440, -100}, -1, false},
    };
    for (const Case& c : cases) {
        floatHost.cursor = -1;
        EXPECT_EQ(overview.OnSetCursor(Pixel(c.logical.x, c.logical.y)), c.set);
        EXPECT_EQ(floatHost.cursor, c.cursor);
    }
}

TEST_F(FloatViewTest, AMoveDragStaysOnThePageAndScrollsOnRelease) {
    overview.OnLButtonDown(Pixel(36, -24));
    EXPECT_TRUE(floatHost.capture);
    EXPECT_EQ(floatHost.cursor, CFloatView::kCursorMoving);
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0)) << "the setting is off: nothing moves yet";

    struct Step {
        CPoint to;
        CRect dragRect;
    };
    const Step steps[] = {
        {{136, -74}, CRect(100, -50, 172, -98)},
        {{1036, -24}, CRect(348, 0, 420, -48)}, // pushed back from the right
        {{-500, 500}, CRect(0, 0, 72, -48)},    // and from the left and the top
        {{36, -1000}, CRect(0, -144, 72, -192)},
    };
    for (const Step& s : steps) {
        overview.OnMouseMove(Pixel(s.to.x, s.to.y));
        EXPECT_EQ(overview.GetDragRect(), s.dragRect);
        EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
    }
    // The release scrolls by the drag in the chart view's units (x 100 / 12), as far as it goes.
    overview.OnLButtonUp(Pixel(60, -36));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(200, -100));
    EXPECT_FALSE(floatHost.capture);
    EXPECT_EQ(overview.GetFrame(), CRect(24, -12, 96, -60));
}

TEST_F(FloatViewTest, WithTheSettingOnEveryMoveScrollsTheChartView) {
    config.SetTemWithFlt(1);
    overview.OnLButtonDown(Pixel(36, -24));
    overview.OnMouseMove(Pixel(48, -36));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(100, -100));
    overview.OnMouseMove(Pixel(60, -36));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(200, -100)) << "each move from the last";
    overview.OnLButtonUp(Pixel(60, -36));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(200, -100)) << "the release adds nothing";
}

TEST_F(FloatViewTest, APressBesideTheFrameCentresItThereAndMovesOn) {
    overview.OnLButtonDown(Pixel(300, -150));
    // (300, -150) less the frame's centre (36, -24), x 100 / 12.
    EXPECT_EQ(view->GetScrollPosition(), CPoint(2200, -1050));
    EXPECT_EQ(overview.GetDragMode(), CFloatView::kZoneBody);
    EXPECT_TRUE(floatHost.capture);
    EXPECT_EQ(overview.GetFrame(), CRect(264, -126, 336, -174));
    overview.OnMouseMove(Pixel(312, -150));
    EXPECT_EQ(overview.GetDragRect(), CRect(276, -126, 348, -174));
}

TEST_F(FloatViewTest, AResizeKeepsTheShapeTheMinimumAndThePage) {
    overview.OnLButtonDown(Pixel(72, -48));
    ASSERT_EQ(overview.GetDragMode(), CFloatView::kZoneBottomRight);
    struct Step {
        CPoint to;
        CRect dragRect;
    };
    // The frame is 72 x 48: the height follows two thirds of the width.
    const Step steps[] = {
        {{108, -48}, CRect(0, 0, 108, -72)},   // across: the height follows
        {{72, -96}, CRect(0, 0, 144, -96)},    // down: the width follows
        {{108, -96}, CRect(0, 0, 144, -96)},   // the wider of the two
        {{1000, -48}, CRect(0, 0, 288, -192)}, // the page's bottom holds it
    };
    for (const Step& s : steps) {
        overview.OnMouseMove(Pixel(s.to.x, s.to.y));
        EXPECT_EQ(overview.GetDragRect(), s.dragRect) << s.to.x << ", " << s.to.y;
    }
    // Past the fixed corner: the window at the highest zoom the chart allows.
    overview.OnMouseMove(Pixel(-20, 10));
    const CRect minimum = overview.GetDragRect();
    EXPECT_EQ(minimum.left, 0);
    EXPECT_EQ(minimum.top, 0);
    EXPECT_GT(minimum.Width(), 0);
    EXPECT_LT(minimum.Width(), 72);
    EXPECT_EQ(minimum.Width() * 2, -minimum.Height() * 3) << "the window's shape, 600 x 400";
}

TEST_F(FloatViewTest, TheReleaseOfAResizeZoomsTheChartViewToTheFramedArea) {
    overview.OnLButtonDown(Pixel(72, -48));
    overview.OnMouseMove(Pixel(108, -48));
    overview.OnLButtonUp(Pixel(108, -48));
    // (0, 0, 108, -72) x 100 / 12 is 900 x 600: the window of 600 x 400 shows it at 66 %.
    EXPECT_EQ(view->GetPageLayout().GetZoom(), 66);
    EXPECT_FALSE(floatHost.capture);
}

TEST_F(FloatViewTest, DoubleClicksOnTheFrameZoomInAndOut) {
    struct Case {
        bool left;
        CPoint at;
        int zoomIndex;
    };
    const Case cases[] = {
        {true, {36, -24}, 4},
        {false, {36, -24}, 2},
        {true, {300, -150}, 3}, // beside the frame: nothing
        {false, {72, -48}, 3},  // on a corner: nothing
    };
    for (const Case& c : cases) {
        view->GetLayout().SetZoomIndex(3);
        view->OnUpdate(nullptr, 0, nullptr);
        overview.OnUpdate(nullptr, CFloatView::kHintPosition, nullptr);
        const CPoint p = Pixel(c.at.x, c.at.y);
        c.left ? overview.OnLButtonDblClk(p) : overview.OnRButtonDblClk(p);
        EXPECT_EQ(view->GetPageLayout().GetZoomIndex(), c.zoomIndex) << c.left << " " << c.at.x;
    }
}

TEST_F(FloatViewTest, AScrollRepaintsOnlyTheRingsOfTheTwoFrames) {
    const auto key = overview.GetChartKey();
    view->ScrollToPosition(CPoint(1000, -500));
    overview.OnUpdate(nullptr, CFloatView::kHintPosition, nullptr);
    EXPECT_FALSE(floatHost.WholeInvalidated());
    EXPECT_EQ(overview.GetChartKey(), key) << "the drawn chart is kept";
    // The old frame (0, 0, 72, -48) lies at the pixels (30, 39, 102, 87), the new one
    // (120, -60, 192, -108) at (150, 99, 222, 147): 8 pixels each side of their edges.
    struct Case {
        CPoint pixel;
        bool covered;
    };
    const Case cases[] = {
        {{30, 39}, true},  {{22, 31}, true},    {{37, 46}, true},   {{38, 47}, false},
        {{66, 63}, false}, {{101, 86}, true},   {{109, 94}, true},  {{110, 95}, false},
        {{150, 99}, true}, {{186, 123}, false}, {{221, 146}, true}, {{300, 200}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(floatHost.Covers(c.pixel), c.covered) << c.pixel.x << ", " << c.pixel.y;
    }
}

TEST_F(FloatViewTest, ActivatingAViewOfTheSameChartRepaintsTheRingsAtOnce) {
    OverviewViewHost secondHost{overview};
    CTembraView& second = MakeView(secondHost);
    second.ScrollToPosition(CPoint(1000, -500));
    floatHost.Clear();
    overview.OnUpdate(&second, CFloatView::kHintActiveView, nullptr);
    EXPECT_EQ(overview.GetTrackedView(), &second);
    EXPECT_FALSE(floatHost.WholeInvalidated());
    EXPECT_TRUE(floatHost.Covers(CPoint(30, 39)));
    EXPECT_TRUE(floatHost.Covers(CPoint(150, 99)));
    EXPECT_EQ(floatHost.paintsNow, 1);

    // A view whose rows differ shows another chart.
    second.GetLayout().SetFirstRow(3);
    floatHost.Clear();
    overview.OnUpdate(view, CFloatView::kHintActiveView, nullptr);
    EXPECT_TRUE(floatHost.WholeInvalidated());
    // The same view again changes nothing.
    floatHost.Clear();
    overview.OnUpdate(view, CFloatView::kHintActiveView, nullptr);
    EXPECT_TRUE(floatHost.invalidated.empty());
}

TEST_F(FloatViewTest, UpdatesThatChangeTheChartRepaintEverything) {
    struct Case {
        LPARAM hint;
        bool whole;
    };
    for (const Case c : {Case{0, true}, Case{0x80, true}, Case{CFloatView::kHintKoumoku, false}}) {
        floatHost.Clear();
        const auto key = overview.GetChartKey();
        overview.OnUpdate(nullptr, c.hint, nullptr);
        EXPECT_EQ(floatHost.WholeInvalidated(), c.whole) << c.hint;
        EXPECT_FALSE(floatHost.invalidated.empty());
        EXPECT_NE(overview.GetChartKey(), key) << "the drawn chart is stale";
    }
}

TEST_F(FloatViewTest, ADragEndsWithoutScrollingWhenTheOverviewNoLongerFits) {
    overview.OnLButtonDown(Pixel(36, -24));
    overview.OnMouseMove(Pixel(60, -36));
    floatHost.client = CSize(50, 50);
    overview.OnMouseMove(Pixel(80, -36));
    EXPECT_FALSE(floatHost.capture);
    overview.OnLButtonUp(Pixel(80, -36));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
    // Nothing fits: updates repaint everything, the mouse does nothing.
    floatHost.Clear();
    overview.OnUpdate(nullptr, CFloatView::kHintPosition, nullptr);
    EXPECT_TRUE(floatHost.WholeInvalidated());
    overview.OnLButtonDown(Pixel(36, -24));
    EXPECT_FALSE(floatHost.capture);
}

TEST_F(FloatViewTest, WithoutAViewThereIsNothingToDrawOrDrag) {
    overview.ForgetView(view);
    EXPECT_EQ(overview.GetTrackedView(), nullptr);
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, floatHost.client);
    EXPECT_FALSE(overview.DrawChart(&dc));
    EXPECT_EQ(floatHost.caption, "");
    overview.OnLButtonDown(Pixel(36, -24));
    EXPECT_FALSE(floatHost.capture);
    EXPECT_FALSE(overview.OnSetCursor(Pixel(36, -24)));
}

TEST_F(FloatViewTest, TheChartIsDrawnThroughTheViewAndItsLayoutComesBack) {
    doc.SetTitle("chart");
    const CPageLayout before = view->GetPageLayout();
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, floatHost.client);
    EXPECT_TRUE(overview.DrawChart(&dc));
    EXPECT_EQ(floatHost.caption, doc.GetTitle());
    EXPECT_FALSE(dc.Records().empty());
    EXPECT_EQ(view->GetPageLayout().GetZoom(), before.GetZoom());
    EXPECT_EQ(view->GetPageLayout().GetPageRect(), before.GetPageRect());
    EXPECT_FALSE(view->GetPageLayout().IsOverview());
}

TEST_F(FloatViewTest, AChartThatFitsItsWindowDoesNotScrollOnThatAxis) {
    viewHost.client = CSize(4000, 400); // the whole width shows
    view->OnSize();
    overview.ScrollChartBy(300, -200);
    EXPECT_EQ(view->GetScrollPosition().x, 0);
    EXPECT_EQ(view->GetScrollPosition().y, -200);
}

TEST_F(FloatViewTest, SplitPanesFollowTheirRowAndColumn) {
    OverviewViewHost rightHost{overview};
    OverviewViewHost belowHost{overview};
    OverviewViewHost diagonalHost{overview};
    CTembraView& right = MakeView(rightHost);
    CTembraView& below = MakeView(belowHost);
    CTembraView& diagonal = MakeView(diagonalHost);
    viewHost.rows = viewHost.columns = 2;
    viewHost.others = {{&right, 0, 1}, {&below, 1, 0}, {&diagonal, 1, 1}};
    overview.ScrollChartBy(300, -200);
    EXPECT_EQ(view->GetScrollPosition(), CPoint(300, -200));
    EXPECT_EQ(right.GetScrollPosition(), CPoint(0, -200)) << "same row: the vertical position";
    EXPECT_EQ(below.GetScrollPosition(), CPoint(300, 0)) << "same column: the horizontal";
    EXPECT_EQ(diagonal.GetScrollPosition(), CPoint(0, 0));
}

} // namespace
} // namespace tembra
