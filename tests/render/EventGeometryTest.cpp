// Events on the round-number chart of ChartFixture: the event of 11 April on row 10 has its date
// and row point at (1000, -525); the event font is 30 high and 15 wide.
#include "render/EventGeometry.h"

#include "model/Event.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "render/ChartFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {

inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using test::April;

constexpr CPoint kDateRow(1000, -525);

// "ABCD" on 11 April, row 10, in the given form; height factor 2 and width factor 1, so that a
// horizontal text is 60 long and 60 thick and a vertical one 120 long and 30 thick.
CEvent MakeEvent(WORD form, WORD style = 0, std::string text = "ABCD") {
    CEvent event;
    event.SetStartDate(April(11));
    event.SetStartRow(10);
    event.SetForm(form);
    event.SetStyle(style);
    event.GetAttr().m_fontHeigh = 2;
    event.GetAttr().m_fontWidth = 1;
    event.SetText(text);
    return event;
}

class EventGeometryTest : public test::ChartFixture {
protected:
    struct Layout {
        int result = 0;
        int x = 0;
        int y = 0;
        CRect rect;
    };
    Layout Lay(const CEvent& event, CDC* dc = nullptr) {
        Layout out;
        out.result = CalcTextRect(event, layout, dc, &out.x, &out.y, &out.rect);
        return out;
    }
};

// ---- Text layout --------------------------------------------------------------------------------

struct LayoutCase {
    WORD form;
    bool vertical;
    CRect rect;
    CPoint origin;
};

class EventLayoutTableTest : public EventGeometryTest,
                             public ::testing::WithParamInterface<LayoutCase> {};

// Without a device context: |font width| x bytes along the writing, the font height across it,
// placed by the form and grown by one unit on each side.
TEST_P(EventLayoutTableTest, EstimatedBoxOfFormAndWriting) {
    const LayoutCase& c = GetParam();
    const CEvent event = MakeEvent(c.form, c.vertical ? kEventVertical : 0);
    const Layout l = Lay(event);
    EXPECT_EQ(l.result, 1);
    EXPECT_EQ(l.rect, c.rect);
    EXPECT_EQ(CPoint(l.x, l.y), c.origin);
}

INSTANTIATE_TEST_SUITE_P(Forms, EventLayoutTableTest,
                         ::testing::Values(
                             // Horizontal: 60 long, 60 thick, centred on the anchor's y.
                             LayoutCase{0, false, {999, -494, 1061, -556}, {1000, -495}},
                             LayoutCase{1, false, {969, -494, 1031, -556}, {970, -495}},
                             LayoutCase{2, false, {939, -494, 1001, -556}, {940, -495}},
                             LayoutCase{3, false, {999, -494, 1061, -556}, {1000, -495}},
                             LayoutCase{4, false, {999, -494, 1061, -556}, {1000, -495}},
                             LayoutCase{5, false, {939, -494, 1001, -556}, {940, -495}},
                             LayoutCase{9, false, {999, -494, 1061, -556}, {1000, -495}},
                             // Vertical: the factors change places, a column 30 thick and 120 long.
                             LayoutCase{0, true, {999, -524, 1031, -646}, {1030, -525}},
                             LayoutCase{1, true, {984, -524, 1016, -646}, {1015, -525}},
                             LayoutCase{2, true, {969, -524, 999, -646}, {998, -525}},
                             LayoutCase{3, true, {999, -524, 1031, -646}, {1030, -525}},
                             LayoutCase{4, true, {999, -464, 1031, -586}, {1030, -465}},
                             LayoutCase{5, true, {969, -464, 1001, -586}, {1000, -465}},
                             LayoutCase{9, true, {999, -524, 1031, -646}, {1030, -525}}));

TEST_F(EventGeometryTest, EmptyTextHasNoRectangle) {
    const CEvent event = MakeEvent(0, 0, "");
    int x = 7;
    CRect rect(1, 2, 3, 4);
    EXPECT_EQ(CalcTextRect(event, layout, nullptr, &x, nullptr, &rect), 0);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));
    // Every out-argument may be left out.
    EXPECT_EQ(CalcTextRect(MakeEvent(0), layout, nullptr, nullptr, nullptr, nullptr), 1);
}

// The quick-text flag keeps the estimate twice as wide, but only for a text without macros (and
// not for vertical text with upright runs); otherwise a device context measures the expanded
// text, and without one the plain estimate stands.
TEST_F(EventGeometryTest, QuickTextDoublesTheEstimateOfTextsWithoutMacros) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    struct Case {
        const char* name;
        std::string text;
        WORD style;
        bool quick;
        bool withDc;
        int length;
    };
    const std::vector<Case> cases = {
        {"quick", "ABCD", 0, true, false, 120},
        {"quick with a device", "ABCD", 0, true, true, 120},
        {"quick vertical", "ABCD", kEventVertical, true, false, 240},
        {"quick upright runs", "ABCD", kEventVertical | kEventUprightSingleByte, true, false, 120},
        {"quick with a macro", "$F$X", 0, true, false, 60},
        // "$F$X" is "PLAN.tbrX": nine characters measured.
        {"macro measured", "$F$X", 0, true, true, 135},
        {"not quick", "ABCD", 0, false, false, 60},
        {"measured", "ABCD", 0, false, true, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        layout.SetQuickText(c.quick ? TRUE : FALSE);
        const Layout l = Lay(MakeEvent(0, c.style, c.text), c.withDc ? &dc : nullptr);
        ASSERT_EQ(l.result, 1);
        if ((c.style & kEventVertical) != 0) {
            EXPECT_EQ(-l.rect.Height() - 2, c.length);
        } else {
            EXPECT_EQ(l.rect.Width() - 2, c.length);
        }
    }
}

// Measured vertical text with upright runs goes run by run: upright single-byte runs add their
// height to the column and their width to its thickness, turned runs their width and height.
// Without upright runs the whole text is turned and measured at once.
TEST_F(EventGeometryTest, VerticalTextIsMeasuredAsItIsDrawn) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    // "AB", then two double-byte characters, then "C": upright runs are 60 high (height factor
    // 2) and 15 wide per character; the turned run is 2 x 2 x 30 long and 30 thick.
    const std::string text = "AB" + Sjis::FromUtf8("漢字") + "C";
    Layout l = Lay(MakeEvent(0, kEventVertical | kEventUprightSingleByte, text), &dc);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(-l.rect.Height() - 2, 60 + 120 + 60);
    EXPECT_EQ(l.rect.Width() - 2, 30);

    // At once with the turned font (30 wide a byte): 7 bytes.
    l = Lay(MakeEvent(0, kEventVertical, text), &dc);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(-l.rect.Height() - 2, 210);
    EXPECT_EQ(l.rect.Width() - 2, 30);
}

// The font: the event's own or the document's, bold from the style flags, the factors and the
// zoom; vertical writing turns it and names the vertical face.
TEST_F(EventGeometryTest, FontsOfHorizontalAndVerticalText) {
    CEvent event = MakeEvent(0, kEventBold);
    LOGFONT font = GetEventTextFont(event, layout);
    EXPECT_EQ(font.lfHeight, -60);
    EXPECT_EQ(font.lfWidth, 15);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.FaceName(), "Gothic");

    event.SetStyle(kEventVertical);
    font = GetEventTextFont(event, layout);
    EXPECT_EQ(font.lfHeight, -30);
    EXPECT_EQ(font.lfWidth, 30);
    EXPECT_EQ(font.lfEscapement, 901);
    EXPECT_NE(font.lfClipPrecision & 0x10, 0);
    EXPECT_EQ(font.FaceName(), "@Gothic");
    const LOGFONT upright = GetEventUprightFont(event, layout);
    EXPECT_EQ(upright.lfHeight, -60);
    EXPECT_EQ(upright.lfEscapement, 0);

    LOGFONT own;
    own.lfHeight = -20;
    own.lfWidth = 10;
    own.SetFaceName("Mincho");
    event.SetLogFont(own);
    event.SetOwnFont(true);
    event.SetStyle(0);
    layout.SetZoomIndex(1); // 50 %
    font = GetEventTextFont(event, layout);
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_EQ(font.lfWidth, 5);
    EXPECT_EQ(font.FaceName(), "Mincho");
}

// ---- Anchor, offsets and moves ------------------------------------------------------------------

TEST_F(EventGeometryTest, AnchorIsTheDateAndRowPointMovedByTheOffsets) {
    CEvent event = MakeEvent(0);
    EXPECT_EQ(GetAnchorPoint(event, layout), kDateRow);
    event.SetOffset(50, -20);
    EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(1050, -535));
    event.SetOffset(-1000000, 1000000);
    EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(-30000, 30000));
}

TEST_F(EventGeometryTest, OffsetsFromAPointGiveThePointBack) {
    CEvent event = MakeEvent(0);
    for (const CPoint p : {CPoint(1234, -567), CPoint(1000, -525), CPoint(-30, 20)}) {
        SetOffsetFromPoint(event, layout, p);
        EXPECT_EQ(GetAnchorPoint(event, layout), p);
    }
    SetOffsetFromPoint(event, layout, 1234, -567);
    EXPECT_EQ(event.GetOffsetX(), 234);
    EXPECT_EQ(event.GetOffsetY(), -84);

    // A row height that does not divide: the point comes back within a unit.
    doc.set.SetLastRow(28);
    Bind();
    SetOffsetFromPoint(event, layout, 1237, -561);
    const CPoint back = GetAnchorPoint(event, layout);
    EXPECT_EQ(back.x, 1237);
    EXPECT_LE(std::abs(back.y + 561), 1);
}

// A period without length and a page without rows have no unit to count an offset in: the
// offset is 0 on that axis.
TEST_F(EventGeometryTest, OffsetOnADegeneratePageIsZero) {
    doc.set.SetStartDate(April(2));
    doc.set.SetEndDate(April(1));
    CPrintArea::StoredFields f;
    f.items = CRect(-500, 0, 0, 0);
    f.chart = f.inner = CRect(0, 0, 3000, 0);
    doc.set.GetPageSetting().SetStoredFields(f);
    Bind();
    ASSERT_EQ(layout.GetDayWidth(), 0.0);
    ASSERT_EQ(layout.GetRowHeight(), 0.0);
    CEvent event = MakeEvent(0);
    event.SetOffset(77, 88);
    SetOffsetFromPoint(event, layout, 500, -200);
    EXPECT_EQ(event.GetOffsetX(), 0);
    EXPECT_EQ(event.GetOffsetY(), 0);
    EXPECT_EQ(GetAnchorPoint(event, layout), GetDateRowPoint(event, layout));
}

TEST_F(EventGeometryTest, MoveByTakesTheDateAndRowUnderThePoint) {
    CEvent event = MakeEvent(0);
    EXPECT_EQ(MoveBy(event, layout, 250, -100, FALSE), 1);
    // (1250, -625): the nearest day boundary is 14 April, the point lies in row 12.
    EXPECT_EQ(event.GetStartDate(), April(14));
    EXPECT_EQ(event.GetStartRow(), 12);
    EXPECT_EQ(event.GetOffsetX(), -50);
    EXPECT_EQ(event.GetOffsetY(), 0);
    EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(1250, -625));

    // Keeping the tip means nothing for a text without a balloon.
    EXPECT_EQ(MoveBy(event, layout, -250, 100, TRUE), 1);
    EXPECT_EQ(event.GetStartDate(), April(11));
    EXPECT_EQ(event.GetStartRow(), 10);
    EXPECT_EQ(GetAnchorPoint(event, layout), kDateRow);
}

TEST_F(EventGeometryTest, MoveByKeepsTheHourWhenDateLabelsCountHours) {
    doc.set.SetOption1(4);
    CEvent event = MakeEvent(0);
    MoveBy(event, layout, 250, 0, FALSE);
    EXPECT_EQ(event.GetStartDate(), April(13, 12));
    EXPECT_EQ(event.GetOffsetX(), 0);
}

TEST_F(EventGeometryTest, BalloonKeepsItsTipWhenAsked) {
    for (const WORD form : {kEventFormBalloonRight, kEventFormBalloonLeft}) {
        CEvent event = MakeEvent(form);
        MoveBy(event, layout, 250, -100, TRUE);
        EXPECT_EQ(event.GetStartDate(), April(11));
        EXPECT_EQ(event.GetStartRow(), 10);
        EXPECT_EQ(GetDateRowPoint(event, layout), kDateRow);
        EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(1250, -625));

        // Without keeping it the tip goes along.
        MoveBy(event, layout, 0, 0, FALSE);
        EXPECT_EQ(event.GetStartDate(), April(14));
        EXPECT_EQ(event.GetStartRow(), 12);
        EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(1250, -625));
    }
}

TEST_F(EventGeometryTest, MoveToPointPutsTheAnchorOnThePoint) {
    CEvent event = MakeEvent(kEventFormBalloonRight);
    event.SetOffset(30, 40);
    EXPECT_EQ(MoveToPoint(event, layout, CPoint(2000, -300), TRUE), 1);
    EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(2000, -300));
    EXPECT_EQ(GetDateRowPoint(event, layout), kDateRow);
    EXPECT_EQ(MoveToPoint(event, layout, CPoint(2000, -300), FALSE), 1);
    EXPECT_EQ(GetDateRowPoint(event, layout), CPoint(2000, -325));
    EXPECT_EQ(GetAnchorPoint(event, layout), CPoint(2000, -300));
}

// A text that runs above row 0 comes down until its top meets the row's top (y 0); one inside
// the chart stays.
TEST_F(EventGeometryTest, KeepInChartPullsATextDownToTheFirstRow) {
    CEvent event = MakeEvent(0);
    event.SetStartRow(0);
    event.SetOffset(0, 100);
    CRect rect;
    CalcTextRect(event, layout, nullptr, nullptr, nullptr, &rect);
    ASSERT_EQ(rect.top, 56);
    KeepInChart(event, layout, FALSE);
    CalcTextRect(event, layout, nullptr, nullptr, nullptr, &rect);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(event.GetStartRow(), 0);

    const CEvent before = event;
    KeepInChart(event, layout, FALSE);
    EXPECT_EQ(event.GetOffsetY(), before.GetOffsetY());
    EXPECT_EQ(event.GetStartDate(), before.GetStartDate());

    // A balloon whose tip is kept moves its box only.
    CEvent balloon = MakeEvent(kEventFormBalloonRight);
    balloon.SetStartRow(1);
    balloon.SetOffset(0, 300);
    KeepInChart(balloon, layout, TRUE);
    CalcTextRect(balloon, layout, nullptr, nullptr, nullptr, &rect);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(balloon.GetStartRow(), 1);
}

// ---- Balloons and the full rectangle ------------------------------------------------------------

struct BalloonCase {
    const char* name;
    WORD form;
    LONG offsetX, offsetY;
    std::vector<CPoint> outline;
};

class EventBalloonTest : public EventGeometryTest,
                         public ::testing::WithParamInterface<BalloonCase> {};

// "ABCD" with both factors 1: a box 60 by 30, grown twice by a unit; m = 34 / 6 = 5. The tip
// (1000, -525) above the box, below it, or beside it.
TEST_P(EventBalloonTest, OutlinePointByPoint) {
    const BalloonCase& c = GetParam();
    CEvent event = MakeEvent(c.form);
    event.GetAttr().m_fontHeigh = 1;
    event.SetOffset(c.offsetX, c.offsetY);
    CRect rect;
    ASSERT_EQ(CalcTextRect(event, layout, nullptr, nullptr, nullptr, &rect), 1);
    BalloonOutline outline{};
    ASSERT_EQ(GetBalloonOutline(event, layout, rect, outline), 1);
    EXPECT_EQ(std::vector<CPoint>(outline.begin(), outline.end()), c.outline);
}

constexpr CPoint P = kDateRow;
INSTANTIATE_TEST_SUITE_P(
    Cases, EventBalloonTest,
    ::testing::Values(
        // Form 4, box (998, -608, 1062, -642) below the tip: joins the top between L and L + 2m.
        BalloonCase{"RightBoxBelowTheTip",
                    kEventFormBalloonRight,
                    0,
                    -200,
                    {P, {1008, -608}, {1062, -608}, {1062, -642}, {998, -642}, {998, -608}, P, P}},
        BalloonCase{"RightBoxAboveTheTip",
                    kEventFormBalloonRight,
                    0,
                    200,
                    {P, {998, -442}, {998, -408}, {1062, -408}, {1062, -442}, {1008, -442}, P, P}},
        BalloonCase{"RightBoxBesideTheTip",
                    kEventFormBalloonRight,
                    100,
                    0,
                    {P,
                     {1098, -520},
                     {1098, -508},
                     {1162, -508},
                     {1162, -542},
                     {1098, -542},
                     {1098, -530},
                     P}},
        // Form 5 mirrors them on the right side of the box.
        BalloonCase{"LeftBoxBelowTheTip",
                    kEventFormBalloonLeft,
                    0,
                    -200,
                    {P, {992, -608}, {938, -608}, {938, -642}, {1002, -642}, {1002, -608}, P, P}},
        BalloonCase{"LeftBoxAboveTheTip",
                    kEventFormBalloonLeft,
                    0,
                    200,
                    {P, {1002, -442}, {1002, -408}, {938, -408}, {938, -442}, {992, -442}, P, P}},
        BalloonCase{
            "LeftBoxBesideTheTip",
            kEventFormBalloonLeft,
            -100,
            0,
            {P, {902, -520}, {902, -508}, {838, -508}, {838, -542}, {902, -542}, {902, -530}, P}}),
    [](const ::testing::TestParamInfo<BalloonCase>& info) { return info.param.name; });

TEST_F(EventGeometryTest, OnlyBalloonFormsHaveAnOutline) {
    for (const WORD form : {0, 1, 2, 3, 6}) {
        const CEvent event = MakeEvent(form);
        BalloonOutline outline{};
        EXPECT_EQ(GetBalloonOutline(event, layout, CRect(0, 10, 10, 0), outline), 0) << form;
    }
}

TEST_F(EventGeometryTest, FullRectangleTakesInTheAnchorAndTheBalloon) {
    CEvent event = MakeEvent(kEventFormBalloonRight);
    event.GetAttr().m_fontHeigh = 1;
    event.SetOffset(0, -200);
    EXPECT_EQ(GetRect(event, layout, nullptr, FALSE), CRect(999, -609, 1061, -641));
    EXPECT_EQ(GetRect(event, layout, nullptr, TRUE), CRect(998, -525, 1062, -642));

    CEvent plain = MakeEvent(0);
    plain.GetAttr().m_fontHeigh = 1;
    plain.SetOffset(100, 0);
    EXPECT_EQ(GetRect(plain, layout, nullptr, TRUE), CRect(1000, -509, 1161, -541));

    const CEvent empty = MakeEvent(0, 0, "");
    EXPECT_EQ(GetRect(empty, layout, nullptr, FALSE), CRect());
    EXPECT_EQ(GetRect(empty, layout, nullptr, TRUE), CRect(1000, -525, 1001, -526));
}

// ---- Macros -------------------------------------------------------------------------------------

// In an elapsed-day chart "$実$" and "$実時$" count from the layout's elapsed-day origin (the
// draw start, 1 April): 11 April is day 11, and hour 241; a date before the origin is not
// shifted. "$F$" is the document's file name.
TEST_F(EventGeometryTest, MacrosTakeTheLayoutsElapsedDaysAndTheFileName) {
    doc.set.SetNobeMode(1);
    Bind();
    const std::string work = Sjis::FromUtf8("$実$ $実時$ $F$");
    CEvent event = MakeEvent(0, 0, work);
    EXPECT_EQ(ExpandDateMacros(event, layout), "(11) (241) PLAN.tbr");
    event.SetStartDate(CTime(2010, 3, 30));
    EXPECT_EQ(ExpandDateMacros(event, layout), "(-2) (-48) PLAN.tbr");

    // A leading margin moves the origin.
    doc.set.SetMaeYohaku(CTimeSpan(5, 0, 0, 0));
    Bind();
    event.SetStartDate(April(11));
    EXPECT_EQ(ExpandDateMacros(event, layout), "(6) (121) PLAN.tbr");
}

} // namespace
} // namespace tembra
