// Drawing events through the recording device context on the round-number chart of
// ChartFixture: the event of 11 April on row 10 anchors at (1000, -525); "ABCD" in the event font
// (30 high, 15 wide) with height factor 2 is a box (999, -494, 1061, -556).
#include "render/EventDraw.h"

#include "model/ConfigBase.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "render/ChartFixture.h"
#include "render/EventGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::April;
using Device = CRecordingDC::Device;

constexpr COLORREF kEditWork = RGB(1, 2, 3);
constexpr COLORREF kEditBold = RGB(4, 5, 6);
const CRect kTextRect(999, -494, 1061, -556);

CEvent MakeEvent(WORD form = 0, WORD style = 0, std::string text = "ABCD") {
    CEvent event;
    event.SetStartDate(April(11));
    event.SetStartRow(10);
    event.SetForm(form);
    event.SetStyle(style);
    event.GetAttr().m_fontHeigh = 2;
    event.GetAttr().m_fontWidth = 1;
    event.SetColor(RGB(255, 0, 0));
    event.SetText(text);
    return event;
}

// The application settings the colours come from, installed for one test.
class ScopedAppConfig {
public:
    ScopedAppConfig() {
        m_config.GetColor().SetEditWork(kEditWork);
        m_config.GetColor().SetEditBold(kEditBold);
        m_previous = SetAppConfig(&m_config);
    }
    ~ScopedAppConfig() { SetAppConfig(m_previous); }
    CConfigBase& Get() { return m_config; }

private:
    CConfigBase m_config;
    CConfigBase* m_previous = nullptr;
};

class EventDrawTest : public test::ChartFixture {
protected:
    EventDrawTest() { screen.SetMapMode(MM_LOMETRIC); }

    std::vector<CRecordingDC::Record> Drawn(CRecordingDC& dc) { return dc.Drawings(); }

    ScopedAppConfig app;
    CRecordingDC screen{Device::Screen};
};

// ---- Colour and raster operation per state ------------------------------------------------------

TEST_F(EventDrawTest, ColourAndRasterOperationOfEachState) {
    struct Case {
        const char* name;
        int state;
        COLORREF textColor;
        bool printer;
        bool blackBack;
        bool selected;
        int drawnState;
        COLORREF color;
        int rop;
    };
    const std::vector<Case> cases = {
        {"red on screen", 0, RGB(255, 0, 0), false, false, false, 0, RGB(128, 0, 0), R2_COPYPEN},
        {"green", 0, RGB(0, 255, 0), false, false, false, 0, RGB(0, 128, 0), R2_COPYPEN},
        {"blue", 0, RGB(0, 0, 255), false, false, false, 0, RGB(0, 0, 128), R2_COPYPEN},
        {"yellow", 0, RGB(255, 255, 0), false, false, false, 0, RGB(128, 128, 0), R2_COPYPEN},
        {"magenta", 0, RGB(255, 0, 255), false, false, false, 0, RGB(128, 0, 128), R2_COPYPEN},
        {"cyan", 0, RGB(0, 255, 255), false, false, false, 0, RGB(0, 128, 128), R2_COPYPEN},
        {"black", 0, RGB(0, 0, 0), false, false, false, 0, RGB(0, 0, 128), R2_COPYPEN},
        {"black on black", 0, RGB(0, 0, 0), false, true, false, 0, RGB(255, 255, 0), R2_COPYPEN},
        {"other colour", 0, RGB(10, 20, 30), false, false, false, 0, RGB(10, 20, 30), R2_COPYPEN},
        {"red on paper", 0, RGB(255, 0, 0), true, false, false, 0, RGB(255, 0, 0), R2_COPYPEN},
        {"black on paper", 0, RGB(0, 0, 0), true, true, false, 0, RGB(0, 0, 0), R2_COPYPEN},
        {"selected state", 1, RGB(255, 0, 0), false, false, false, 1, kEditWork, R2_COPYPEN},
        {"feedback", 2, RGB(255, 0, 0), false, false, false, 2, RGB(0, 0, 0), R2_NOT},
        {"linked", 3, RGB(255, 0, 0), false, false, false, 3, kEditBold, R2_COPYPEN},
        {"inactive", 4, RGB(255, 0, 0), false, false, false, 4, RGB(192, 192, 192), R2_COPYPEN},
        {"selected event", 0, RGB(255, 0, 0), false, false, true, 1, kEditWork, R2_COPYPEN},
        {"selected inactive event", 4, RGB(255, 0, 0), false, false, true, 1, kEditWork,
         R2_COPYPEN},
        {"selected event dragged", 2, RGB(255, 0, 0), false, false, true, 2, RGB(0, 0, 0), R2_NOT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.Get().SetSystemWord(CConfigBase::kSysBlackBack, c.blackBack ? 1 : 0);
        CRecordingDC dc(c.printer ? Device::Printer : Device::Screen);
        dc.SetMapMode(MM_LOMETRIC);
        CEvent event = MakeEvent(0, kEventFrame);
        event.SetColor(c.textColor);
        event.SetSelected(c.selected ? 1 : 0);
        Draw(event, layout, &dc, c.state);
        EXPECT_EQ(event.GetDrawState(), c.drawnState);
        EXPECT_EQ(GetDrawColor(event, &dc), c.color);
        EXPECT_EQ(GetDrawRop(event), c.rop);
        // The frame shows them.
        const auto frames = dc.Find(DcOp::Rectangle);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].pen.color, c.color);
        EXPECT_EQ(frames[0].rop2, c.rop);
        if (c.rop == R2_COPYPEN) {
            const auto texts = dc.Find(DcOp::TextOut);
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_EQ(texts[0].textColor, c.color);
            EXPECT_EQ(texts[0].args.text, "ABCD");
        }
    }
}

TEST_F(EventDrawTest, EmptyTextDrawsNothingButKeepsTheState) {
    CEvent event = MakeEvent(kEventFormBalloonRight, kEventFrame | kEventWhiteBack, "");
    event.SetHyperlink("http://example.com/");
    Draw(event, layout, &screen, CEvent::kDrawLinked);
    EXPECT_TRUE(Drawn(screen).empty()) << screen.Dump();
    EXPECT_EQ(event.GetDrawState(), CEvent::kDrawLinked);
}

// ---- Parts of the drawing -----------------------------------------------------------------------

// White background (no outline), then the text, then the frame in the text colour.
TEST_F(EventDrawTest, BackgroundTextAndFrameInThisOrder) {
    CEvent event = MakeEvent(0, kEventWhiteBack | kEventFrame);
    Draw(event, layout, &screen, CEvent::kDrawNormal);
    const auto drawn = Drawn(screen);
    ASSERT_EQ(drawn.size(), 3u) << screen.Dump();
    EXPECT_EQ(drawn[0].op, DcOp::Rectangle);
    EXPECT_TRUE(drawn[0].pen.IsNull());
    EXPECT_EQ(drawn[0].brush.style, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(drawn[0].brush.color, RGB(255, 255, 255));
    EXPECT_EQ(drawn[1].op, DcOp::TextOut);
    EXPECT_EQ(drawn[1].args.points[0], CPoint(1000, -495));
    EXPECT_EQ(drawn[1].bkMode, TRANSPARENT);
    EXPECT_EQ(drawn[1].font.lfHeight, -60);
    EXPECT_EQ(drawn[2].op, DcOp::Rectangle);
    EXPECT_EQ(drawn[2].pen.color, RGB(128, 0, 0));
    EXPECT_TRUE(drawn[2].brush.IsNull());
    // Both edges of the text rectangle are drawn.
    EXPECT_EQ(drawn[2].args.rect, CRect(999, -494, 1062, -557));

    // Without the flags only the text.
    screen.Clear();
    CEvent plain = MakeEvent(0, kEventBold);
    Draw(plain, layout, &screen, CEvent::kDrawNormal);
    const auto text = Drawn(screen);
    ASSERT_EQ(text.size(), 1u) << screen.Dump();
    EXPECT_EQ(text[0].op, DcOp::TextOut);
    EXPECT_EQ(text[0].font.lfWeight, FW_BOLD);
}

// A balloon is filled white inside a black outline (grey when inactive); it takes no frame and
// no background of its own.
TEST_F(EventDrawTest, BalloonIsWhiteInsideItsOutline) {
    for (const auto& [state, edge] : {std::pair{CEvent::kDrawNormal, RGB(0, 0, 0)},
                                      std::pair{CEvent::kDrawInactive, RGB(192, 192, 192)}}) {
        SCOPED_TRACE(state);
        screen.Clear();
        CEvent event = MakeEvent(kEventFormBalloonRight, kEventFrame | kEventWhiteBack);
        event.SetOffset(0, -200);
        Draw(event, layout, &screen, state);
        const auto drawn = Drawn(screen);
        ASSERT_EQ(drawn.size(), 2u) << screen.Dump();
        EXPECT_EQ(drawn[0].op, DcOp::Polygon);
        EXPECT_EQ(drawn[0].args.points.size(), 8u);
        EXPECT_EQ(drawn[0].args.points[0], CPoint(1000, -525));
        EXPECT_EQ(drawn[0].pen.color, edge);
        EXPECT_EQ(drawn[0].brush.style, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(drawn[0].brush.color, RGB(255, 255, 255));
        EXPECT_EQ(drawn[0].rop2, R2_COPYPEN);
        EXPECT_EQ(drawn[1].op, DcOp::TextOut);
    }
}

// Texts drawn simplified: no text and no background, the frame in any case.
TEST_F(EventDrawTest, SimplifiedTextShowsOnlyItsFrame) {
    layout.SetSimpleText(TRUE);
    CEvent event = MakeEvent(0, kEventWhiteBack);
    Draw(event, layout, &screen, CEvent::kDrawNormal);
    const auto drawn = Drawn(screen);
    ASSERT_EQ(drawn.size(), 1u) << screen.Dump();
    EXPECT_EQ(drawn[0].op, DcOp::Rectangle);
    EXPECT_EQ(drawn[0].pen.color, RGB(128, 0, 0));
    EXPECT_TRUE(drawn[0].brush.IsNull());
}

// The hyperlink mark: a red triangle in the top-right corner on screen, scaled by the zoom; on
// paper, without a hyperlink or with marks switched off, none.
TEST_F(EventDrawTest, HyperlinkMarkOnScreenOnly) {
    struct Case {
        const char* name;
        Device device;
        bool marks;
        bool simple;
        std::string link;
        int zoomIndex;
        std::vector<CPoint> triangle;
    };
    const CRect r = kTextRect;
    const std::vector<Case> cases = {
        {"screen",
         Device::Screen,
         true,
         false,
         "http://example.com/",
         3,
         {{r.right - 2, r.top - 2}, {r.right - 15, r.top - 2}, {r.right - 2, r.top - 15}}},
        {"simplified",
         Device::Screen,
         true,
         true,
         "http://example.com/",
         3,
         {{r.right - 2, r.top - 2}, {r.right - 15, r.top - 2}, {r.right - 2, r.top - 15}}},
        {"printer", Device::Printer, true, false, "http://example.com/", 3, {}},
        {"marks off", Device::Screen, false, false, "http://example.com/", 3, {}},
        {"no hyperlink", Device::Screen, true, false, "", 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        layout.SetHyperlinkMark(c.marks ? TRUE : FALSE);
        layout.SetSimpleText(c.simple ? TRUE : FALSE);
        CRecordingDC dc(c.device);
        dc.SetMapMode(MM_LOMETRIC);
        CEvent event = MakeEvent();
        event.SetHyperlink(c.link);
        Draw(event, layout, &dc, CEvent::kDrawNormal);
        const auto polygons = dc.Find(DcOp::Polygon);
        if (c.triangle.empty()) {
            EXPECT_TRUE(polygons.empty()) << dc.Dump();
            continue;
        }
        ASSERT_EQ(polygons.size(), 1u) << dc.Dump();
        EXPECT_EQ(polygons[0].args.points, c.triangle);
        EXPECT_EQ(polygons[0].brush.color, RGB(255, 0, 0));
        EXPECT_EQ(polygons[0].pen.color, RGB(255, 0, 0));
    }

    // At 50 % the triangle's sides are 1 and 7 in from the corner.
    layout.SetHyperlinkMark(TRUE);
    layout.SetSimpleText(FALSE);
    layout.SetZoomIndex(1);
    layout.RecalcLayout();
    CEvent event = MakeEvent();
    event.SetHyperlink("http://example.com/");
    CRect rect;
    ASSERT_EQ(CalcTextRect(event, layout, &screen, nullptr, nullptr, &rect), 1);
    Draw(event, layout, &screen, CEvent::kDrawNormal);
    const auto polygons = screen.Find(DcOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].args.points, (std::vector<CPoint>{{rect.right - 1, rect.top - 1},
                                                            {rect.right - 7, rect.top - 1},
                                                            {rect.right - 1, rect.top - 7}}));
}

// ---- Vertical writing ---------------------------------------------------------------------------

TEST_F(EventDrawTest, VerticalTextIsTurnedWithTheVerticalFace) {
    CEvent event = MakeEvent(0, kEventVertical);
    Draw(event, layout, &screen, CEvent::kDrawNormal);
    const auto texts = screen.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u) << screen.Dump();
    EXPECT_EQ(texts[0].font.lfEscapement, 901);
    EXPECT_EQ(texts[0].font.FaceName(), "@Gothic");
    EXPECT_EQ(texts[0].font.lfHeight, -30);
    EXPECT_EQ(texts[0].font.lfWidth, 30);
}

// With upright runs each run is drawn by itself down the column: single-byte runs upright and
// centred across it, the others turned.
TEST_F(EventDrawTest, UprightRunsStackDownTheColumn) {
    const std::string kanji = Sjis::FromUtf8("漢字");
    CEvent event = MakeEvent(0, kEventVertical | kEventUprightSingleByte, "AB" + kanji + "CD");
    Draw(event, layout, &screen, CEvent::kDrawNormal);
    const auto texts = screen.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 3u) << screen.Dump();
    // The column is 32 wide with its right edge at 1031: x 1030, from y -525 down.
    EXPECT_EQ(texts[0].args.text, "AB");
    EXPECT_EQ(texts[0].font.lfEscapement, 0);
    EXPECT_EQ(texts[0].args.points[0], CPoint(999, -525));
    EXPECT_EQ(texts[1].args.text, kanji);
    EXPECT_EQ(texts[1].font.lfEscapement, 901);
    EXPECT_EQ(texts[1].font.FaceName(), "@Gothic");
    EXPECT_EQ(texts[1].args.points[0], CPoint(1029, -585));
    EXPECT_EQ(texts[2].args.text, "CD");
    EXPECT_EQ(texts[2].font.lfEscapement, 0);
    EXPECT_EQ(texts[2].args.points[0], CPoint(999, -705));
}

} // namespace
} // namespace tembra
