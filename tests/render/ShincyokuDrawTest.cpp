// Progress lines drawn through the recording DC on the shipped A4 page: April 2010 over six rows
// (0 to 5), the reference date 15 April. Expected points come from the layout's conversions:
// the reference line at xR, a row's bend at the x of its date and the row's middle.
#include "render/ShincyokuDraw.h"

#include "model/ConfigBase.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "render/PageLayout.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "support/FakeLayoutDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tembra {
namespace {

const std::filesystem::path kMaster =
    std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";

constexpr COLORREF kLineColor = RGB(0, 0, 255);
constexpr COLORREF kEditWork = RGB(0, 128, 0);
constexpr COLORREF kEditBold = RGB(128, 0, 128);

CTime Day(int day) {
    return CTime(2010, 4, day, 0, 0, 0);
}
const CTime kReference = Day(15);

// The document as the page layout reads it. A progress line answers its bounds through
// GetBounds: what the schedule document's adapter does for records of type 3.
// A document whose records give their own bounds the way the schedule document's do.
struct LayoutDoc : test::FakeLayoutDocument {
    CRect GetRecordBounds(const CDataHeader& record, const CPageLayout& layout,
                          CDC* dc) const override {
        if (const auto* line = dynamic_cast<const CShincyoku*>(&record)) {
            return GetBounds(*line, dc, layout);
        }
        return {};
    }
};

using Segment = std::pair<CPoint, CPoint>;

// The "mm/dd" label of a day of April.
std::string LabelText(int day) {
    char text[8];
    std::snprintf(text, sizeof text, "04/%02d", day);
    return text;
}

class ShincyokuDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedColors = GetAppConfig()->GetColor();
        GetAppConfig()->GetColor().SetEditWork(kEditWork);
        GetAppConfig()->GetColor().SetEditBold(kEditBold);
        SetDrawSettings(DrawSettings{});
        ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
        doc.set.SetStartDate(Day(1));
        doc.set.SetEndDate(Day(30));
        doc.set.SetFirstRow(0);
        doc.set.SetLastRow(5);
        layout.Init(&doc);
        dc.SetMapMode(MM_LOMETRIC);

        line.SetDate(kReference);
        CShinLineAttr& attr = line.GetLineAttr();
        attr.m_type = 0;
        attr.m_width = 0;
        attr.m_color = kLineColor;
    }
    void TearDown() override {
        GetAppConfig()->GetColor() = savedColors;
        SetDrawSettings(DrawSettings{});
    }

    // Date labels "mm/dd" in the line's own font: 20 units a byte, 40 high.
    void ShowLabels() {
        CShinLabelAttr& label = line.GetLabelAttr();
        label.m_dateDisp = 1;
        label.m_ownFont = 1;
        label.SetText("mm/dd");
        LOGFONT font;
        font.lfHeight = -40;
        font.lfWidth = 20;
        line.SetLogFont(font);
    }

    int XR() const { return layout.DateToX(kReference); }
    CPoint RefTop(int row) const { return {XR(), layout.RowToY(row, -1)}; }
    CPoint RefMiddle(int row) const { return {XR(), layout.RowToY(row, 0)}; }
    CPoint RefBottom(int row) const { return {XR(), layout.RowToY(row, 1)}; }
    CPoint Bend(int row) const {
        return {layout.DateToX(line.GetPointDate(row)), layout.RowToY(row, 0)};
    }
    Segment Vertical(int row) const { return {RefTop(row), RefBottom(row)}; }

    std::vector<Segment> Pieces() const {
        std::vector<Segment> out;
        for (const auto& r : dc.Find(DcOp::LineTo)) {
            out.emplace_back(r.args.points[0], r.args.points[1]);
        }
        return out;
    }

    CConfigColor savedColors;
    test::ScopedPaths paths;
    test::ScopedUi ui;
    LayoutDoc doc;
    CPageLayout layout;
    CRecordingDC dc;
    CShincyoku line;
};

// ---- The pieces of each row ---------------------------------------------------------------------

// One piece between two named points of rows.
enum class At { RefTop, RefMiddle, RefBottom, Bend };
struct PieceOf {
    At from;
    int fromRow;
    At to;
    int toRow;
};

struct RowCase {
    const char* name;
    int joinDistance;
    std::map<int, int> days; // row -> day of April (others at the reference date)
    std::map<int, short> values;
    int mode;
    bool selected;
    std::vector<PieceOf> pieces; // besides the vertical pieces of verticalRows
    std::vector<int> verticalRows;
};

class ShincyokuRowTest : public ShincyokuDrawTest, public ::testing::WithParamInterface<RowCase> {
protected:
    CPoint Point(At at, int row) const {
        switch (at) {
        case At::RefTop:
            return RefTop(row);
        case At::RefMiddle:
            return RefMiddle(row);
        case At::RefBottom:
            return RefBottom(row);
        case At::Bend:
            return Bend(row);
        }
        return {};
    }
};

TEST_P(ShincyokuRowTest, DrawsEveryDisplayedRowInOrder) {
    const RowCase& c = GetParam();
    line.GetLineAttr().m_linked = static_cast<WORD>(c.joinDistance);
    line.SetSelected(c.selected ? 1 : 0);
    for (const auto& [row, day] : c.days) {
        ASSERT_TRUE(line.SetPointDate(row, Day(day)));
    }
    for (const auto& [row, value] : c.values) {
        line.SetPointValue(row, value);
    }
    Draw(line, &dc, layout, c.mode);

    // Rows are drawn top to bottom; within a row in the order of the case.
    std::vector<Segment> expected;
    std::size_t next = 0;
    for (int row = 0; row <= 5; ++row) {
        for (const int v : c.verticalRows) {
            if (v == row) {
                expected.push_back(Vertical(row));
            }
        }
        while (next < c.pieces.size() &&
               std::max(c.pieces[next].fromRow, c.pieces[next].toRow) == row) {
            const PieceOf& p = c.pieces[next++];
            expected.emplace_back(Point(p.from, p.fromRow), Point(p.to, p.toRow));
        }
    }
    EXPECT_EQ(Pieces(), expected) << dc.Dump();
}

INSTANTIATE_TEST_SUITE_P(
    Joins, ShincyokuRowTest,
    ::testing::Values(
        RowCase{"AllAtTheReference", 0, {}, {}, 0, false, {}, {0, 1, 2, 3, 4, 5}},
        RowCase{"K0DrawsAV",
                0,
                {{2, 18}},
                {},
                0,
                false,
                {{At::RefTop, 2, At::Bend, 2}, {At::Bend, 2, At::RefBottom, 2}},
                {0, 1, 3, 4, 5}},
        RowCase{"K0KeepsNeighboursApart",
                0,
                {{2, 18}, {3, 10}},
                {},
                0,
                false,
                {{At::RefTop, 2, At::Bend, 2},
                 {At::Bend, 2, At::RefBottom, 2},
                 {At::RefTop, 3, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 1, 4, 5}},
        RowCase{"K1JoinsNeighboursAndReturnsAfterTheLast",
                1,
                {{2, 18}, {3, 10}},
                {},
                0,
                false,
                {{At::RefTop, 2, At::Bend, 2},
                 {At::Bend, 2, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 1, 4, 5}},
        RowCase{"K1DoesNotReachTwoRows",
                1,
                {{1, 18}, {3, 10}},
                {},
                0,
                false,
                {{At::RefTop, 1, At::Bend, 1},
                 {At::Bend, 1, At::RefBottom, 1},
                 {At::RefTop, 3, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 2, 4, 5}},
        // The row between two joined rows leaves its vertical piece out in mode 0 only.
        RowCase{"K2SkipsTheRowBetween",
                2,
                {{1, 18}, {3, 10}},
                {},
                0,
                false,
                {{At::RefTop, 1, At::Bend, 1},
                 {At::Bend, 1, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 4, 5}},
        RowCase{"K2ShowsTheRowBetweenWhenInactive",
                2,
                {{1, 18}, {3, 10}},
                {},
                4,
                false,
                {{At::RefTop, 1, At::Bend, 1},
                 {At::Bend, 1, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 2, 4, 5}},
        RowCase{"K2ShowsTheRowBetweenWhenSelected",
                2,
                {{1, 18}, {3, 10}},
                {},
                0,
                true,
                {{At::RefTop, 1, At::Bend, 1},
                 {At::Bend, 1, At::Bend, 3},
                 {At::Bend, 3, At::RefBottom, 3}},
                {0, 2, 4, 5}},
        RowCase{
            "PointAtTheReferenceDateIsNoPoint", 0, {{2, 15}}, {}, 0, false, {}, {0, 1, 2, 3, 4, 5}},
        RowCase{"RowWithAValueIsLeftOut", 0, {{2, 18}}, {{2, 1}}, 0, false, {}, {0, 1, 3, 4, 5}},
        RowCase{"XorDrawsOnlyTheHorizontalPiece",
                1,
                {{2, 18}, {3, 10}},
                {},
                2,
                false,
                {{At::RefMiddle, 2, At::Bend, 2}, {At::RefMiddle, 3, At::Bend, 3}},
                {0, 1, 4, 5}},
        // A join never reaches below the last displayed row.
        RowCase{"JoinStopsAtTheLastRow",
                1,
                {{5, 18}, {6, 10}},
                {},
                0,
                false,
                {{At::RefTop, 5, At::Bend, 5}, {At::Bend, 5, At::RefBottom, 5}},
                {0, 1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

// A join never reaches above the first displayed row either.
TEST_F(ShincyokuDrawTest, JoinStopsAtTheFirstRow) {
    line.GetLineAttr().m_linked = 1;
    line.SetPointDate(1, Day(18));
    line.SetPointDate(2, Day(10));
    layout.SetFirstRow(2);
    Draw(line, &dc, layout, 0);
    const std::vector<Segment> expected{
        {RefTop(2), Bend(2)}, {Bend(2), RefBottom(2)}, Vertical(3), Vertical(4), Vertical(5)};
    EXPECT_EQ(Pieces(), expected) << dc.Dump();
}

// ---- The pen of each draw mode ------------------------------------------------------------------

struct PenCase {
    const char* name;
    int mode;
    bool selected;
    bool blackBack;
    WORD type;
    short widthCode;
    COLORREF color;
    UINT penStyle;
    int width;
    int rop2;
};

class ShincyokuPenTest : public ShincyokuDrawTest, public ::testing::WithParamInterface<PenCase> {};

TEST_P(ShincyokuPenTest, DrawsWithThePenOfTheMode) {
    const PenCase& c = GetParam();
    SetDrawSettings(DrawSettings{"1.0", false, c.blackBack});
    line.GetLineAttr().m_type = c.type;
    line.GetLineAttr().m_width = c.widthCode;
    line.SetSelected(c.selected ? 1 : 0);
    Draw(line, &dc, layout, c.mode);
    const auto lines = dc.Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 6u);
    for (const auto& r : lines) {
        EXPECT_EQ(r.pen.color, c.color);
        EXPECT_EQ(r.pen.LineStyle(), c.penStyle);
        EXPECT_EQ(r.pen.width, c.width);
        EXPECT_EQ(r.rop2, c.rop2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ShincyokuPenTest,
    ::testing::Values(
        PenCase{"Own", 0, false, false, 1, 0, kLineColor, PS_DASH, 3, R2_COPYPEN},
        PenCase{"OwnThin", 0, false, false, 0, 1, kLineColor, PS_SOLID, 1, R2_COPYPEN},
        PenCase{"OwnBold", 0, false, false, 0, 2, kLineColor, PS_SOLID, 6, R2_COPYPEN},
        PenCase{"SelectedLineInModeZero", 0, true, false, 1, 0, kEditWork, PS_DASH, 3, R2_COPYPEN},
        PenCase{"SelectedKeepsItsStyle", 1, false, false, 1, 0, kEditWork, PS_DASH, 3, R2_COPYPEN},
        // Type 5 would be a light-grey line on screen.
        PenCase{"SelectedDrawsType5Solid", 1, false, false, 5, 0, kEditWork, PS_SOLID, 3,
                R2_COPYPEN},
        PenCase{"FeedbackCyan", 2, false, false, 1, 0, RGB(0, 255, 255), PS_SOLID, 3, R2_XORPEN},
        PenCase{"FeedbackOfASelectedLine", 2, true, false, 1, 0, RGB(0, 255, 255), PS_SOLID, 3,
                R2_XORPEN},
        PenCase{"FeedbackRedOnBlack", 2, false, true, 1, 0, RGB(255, 0, 0), PS_SOLID, 3, R2_XORPEN},
        PenCase{"Linked", 3, false, false, 1, 2, kEditBold, PS_SOLID, 6, R2_COPYPEN},
        PenCase{"Inactive", 4, false, false, 1, 0, RGB(192, 192, 192), PS_DASH, 3, R2_COPYPEN}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The XOR feedback of one row
// --------------------------------------------------------------------

// The view's feedback is the row step at the tracked date in mode 2: one horizontal piece that a
// second drawing erases, or the vertical piece at the reference date; nothing is gathered.
TEST_F(ShincyokuDrawTest, FeedbackIsTheRowStepAtTheTrackedDate) {
    ShowLabels();
    line.GetLineAttr().m_linked = 1;
    line.SetPointDate(2, Day(18));
    line.SetPointDate(4, Day(10));
    Draw(line, &dc, layout, 0);
    const std::vector<CShinDrawPoint> gathered = line.GetDrawState().points;
    dc.Clear();

    DrawRow(line, &dc, layout, 3, Day(20), 2);
    DrawRow(line, &dc, layout, 3, Day(20), 2);
    const Segment piece{RefMiddle(3), {layout.DateToX(Day(20)), layout.RowToY(3, 0)}};
    EXPECT_EQ(Pieces(), (std::vector<Segment>{piece, piece}));
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        EXPECT_EQ(r.rop2, R2_XORPEN);
        EXPECT_EQ(r.pen.color, RGB(0, 255, 255));
    }
    EXPECT_TRUE(dc.Find(DcOp::TextOut).empty());

    dc.Clear();
    DrawRow(line, &dc, layout, 3, kReference, 2);
    EXPECT_EQ(Pieces(), std::vector<Segment>{Vertical(3)});
    EXPECT_EQ(line.GetDrawState().points, gathered);

    // The row being edited carries a value: the row step leaves it alone.
    dc.Clear();
    line.SetPointValue(3, 1);
    DrawRow(line, &dc, layout, 3, Day(20), 2);
    EXPECT_TRUE(Pieces().empty());
}

// ---- Date labels
// ---------------------------------------------------------------------------------------

struct SideCase {
    const char* name;
    CPoint p0; // relative to the bend
    CPoint p2;
    int day; // of the row's point
    bool left;
};

class ShincyokuLabelSideTest : public ShincyokuDrawTest,
                               public ::testing::WithParamInterface<SideCase> {};

TEST_P(ShincyokuLabelSideTest, StandsOnTheOpenSide) {
    const SideCase& c = GetParam();
    ShowLabels();
    line.SetPointDate(2, Day(c.day));
    const CPoint p1(1500, layout.RowToY(2, 0));
    DrawDateLabel(line, &dc, layout, p1 + c.p0, p1, p1 + c.p2);
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    // "04/dd" is 100 wide and 40 high.
    const CPoint at(c.left ? 1500 - 100 - 10 : 1500 + 10, p1.y + 20);
    EXPECT_EQ(texts[0].args.points[0], at);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, ShincyokuLabelSideTest,
    ::testing::Values(SideCase{"BendToTheRight", {-300, 100}, {-300, -100}, 18, false},
                      SideCase{"BendToTheLeft", {300, 100}, {300, -100}, 18, true},
                      SideCase{"ObtuseRightOfTheRun", {-200, 100}, {30, -100}, 18, false},
                      SideCase{"ObtuseLeftOfTheRun", {200, 100}, {-30, -100}, 18, true},
                      // A straight run: decided by the reference date.
                      SideCase{"StraightPointAfterTheReference", {0, 100}, {0, -100}, 18, false},
                      SideCase{"StraightPointBeforeTheReference", {0, 100}, {0, -100}, 10, true},
                      SideCase{"StraightSlantedPointBefore", {-40, 100}, {40, -100}, 10, true},
                      SideCase{"StraightSlantedPointAfter", {-40, 100}, {40, -100}, 18, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A point at the reference date itself (the reference moved onto it) stands left on a straight run.
TEST_F(ShincyokuDrawTest, LabelOfAPointAtTheReferenceDateOnAStraightRunStandsLeft) {
    ShowLabels();
    line.SetPointDate(2, Day(18));
    line.SetDate(Day(18));
    const CPoint p1(1500, layout.RowToY(2, 0));
    DrawDateLabel(line, &dc, layout, p1 + CPoint(0, 100), p1, p1 + CPoint(0, -100));
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.points[0].x, 1500 - 110);
}

struct ClearCase {
    const char* name;
    CPoint p0; // relative to the bend
    CPoint p2;
    int x; // of the label, relative to the bend
};

class ShincyokuLabelClearTest : public ShincyokuDrawTest,
                                public ::testing::WithParamInterface<ClearCase> {};

// The label (100 x 40, 10 off the bend) moves out of the pieces' way: 10 for a piece that ends
// inside it, and past the farthest crossing for a piece that runs through it.
TEST_P(ShincyokuLabelClearTest, MovesOutOfThePiecesWay) {
    const ClearCase& c = GetParam();
    ShowLabels();
    line.SetPointDate(2, Day(18));
    const CPoint p1(1500, layout.RowToY(2, 0));
    DrawDateLabel(line, &dc, layout, p1 + c.p0, p1, p1 + c.p2);
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.points[0], CPoint(1500 + c.x, p1.y + 20));
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, ShincyokuLabelClearTest,
    ::testing::Values(
        // Through the label from its left edge (10) to its right edge (110), rising 106 in 600.
        ClearCase{"FirstPieceThroughOnTheRight", {600, 106}, {0, 300}, 120},
        ClearCase{"FirstPieceEndsInsideOnTheRight", {50, 0}, {0, 300}, 20},
        ClearCase{"SecondPieceThroughOnTheRight", {0, -300}, {600, -106}, 120},
        ClearCase{"FirstPieceThroughOnTheLeft", {-600, 106}, {0, 300}, -110 - 110},
        ClearCase{"PiecesClearOfIt", {-300, 100}, {-300, -100}, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShincyokuDrawTest, NoLabelForARowWithoutAPoint) {
    ShowLabels();
    line.SetPointDate(1, Day(18));
    line.SetPointDate(3, Day(18));
    line.SetPointDate(3, kReference); // removes the point, the array keeps its length
    ASSERT_EQ(line.GetPointCount(), 4);
    for (const int row : {0, 2, 3, 4}) {
        const CPoint p1(1500, layout.RowToY(row, 0));
        DrawDateLabel(line, &dc, layout, p1 + CPoint(-300, 100), p1, p1 + CPoint(-300, -100));
    }
    EXPECT_TRUE(dc.Find(DcOp::TextOut).empty()) << dc.Dump();
}

// The label's text, font and colour: the line's own colour in every mode, copy ROP2 and a
// transparent background; the settings' font (zoomed) unless the line has its own.
TEST_F(ShincyokuDrawTest, LabelTextFontAndColour) {
    ShowLabels();
    line.GetLabelAttr().m_ownFont = 0;
    line.GetLabelAttr().m_dateColor = RGB(1, 2, 3);
    LOGFONT settingsFont;
    settingsFont.lfHeight = -30;
    settingsFont.lfWidth = 15;
    doc.set.GetShin().SetLogFont(settingsFont);
    line.SetPointDate(2, Day(18));
    layout.SetZoomIndex(5); // 200 %
    layout.RecalcLayout();
    Draw(line, &dc, layout, 1);
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.text, "04/18");
    EXPECT_EQ(texts[0].font.lfHeight, -60);
    EXPECT_EQ(texts[0].font.lfWidth, 30);
    EXPECT_EQ(texts[0].textColor, kLineColor);
    EXPECT_EQ(texts[0].rop2, R2_COPYPEN);
    EXPECT_EQ(texts[0].bkMode, TRANSPARENT);
    // 10 units off the bend at any zoom.
    EXPECT_EQ(texts[0].args.points[0], Bend(2) + CPoint(10, 30));
}

// ---- Labels while drawing
// --------------------------------------------------------------------------

struct GatherCase {
    const char* name;
    int joinDistance;
    std::map<int, int> days;
};

class ShincyokuGatherTest : public ShincyokuDrawTest,
                            public ::testing::WithParamInterface<GatherCase> {};

// Each bend gets exactly one label, where GetBounds expects it; the drawing state keeps the
// points of the pieces in drawing order, each point once.
TEST_P(ShincyokuGatherTest, OneLabelPerBendWhereTheBoundsPutIt) {
    const GatherCase& c = GetParam();
    ShowLabels();
    line.GetLineAttr().m_linked = static_cast<WORD>(c.joinDistance);
    for (const auto& [row, day] : c.days) {
        line.SetPointDate(row, Day(day));
    }
    Draw(line, &dc, layout, 0);
    const auto texts = dc.Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), c.days.size()) << dc.Dump();

    // The labels' outer edges make the bounds; the recording DC measures as the estimate does.
    int left = XR();
    int right = XR();
    auto day = c.days.begin();
    for (const auto& t : texts) {
        EXPECT_EQ(t.args.text, LabelText(day->second));
        const int x = t.args.points[0].x;
        const bool leftSide = x < Bend(day->first).x;
        left = std::min(left, leftSide ? x : Bend(day->first).x);
        right = std::max(right, leftSide ? Bend(day->first).x : x + 100);
        ++day;
    }
    for (CDC* measure : {static_cast<CDC*>(&dc), static_cast<CDC*>(nullptr)}) {
        const CRect bounds = GetBounds(line, measure, layout);
        EXPECT_EQ(bounds.left, left);
        EXPECT_EQ(bounds.right, right);
    }

    // Every gathered bend is a row's bend at its place; the points between bends lie on the
    // reference line; no point follows itself.
    const std::vector<CShinDrawPoint>& points = line.GetDrawState().points;
    std::size_t bends = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].row >= 0) {
            ++bends;
            EXPECT_EQ(points[i].point, Bend(points[i].row));
        } else {
            EXPECT_EQ(points[i].point.x, XR());
        }
        if (i > 0) {
            EXPECT_NE(points[i].point, points[i - 1].point);
        }
    }
    EXPECT_EQ(bends, c.days.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShincyokuGatherTest,
    ::testing::Values(GatherCase{"OneBend", 0, {{2, 18}}},
                      GatherCase{"TwoApart", 0, {{1, 18}, {4, 10}}},
                      GatherCase{"TwoAdjacentUnjoined", 0, {{2, 18}, {3, 10}}},
                      GatherCase{"TwoJoined", 1, {{2, 18}, {3, 10}}},
                      // A join turns a label to the left, past the reference line.
                      GatherCase{"JoinBelowTurnsTheLabel", 1, {{2, 16}, {3, 25}}},
                      GatherCase{"JoinAboveTurnsTheLabel", 1, {{2, 25}, {3, 16}}},
                      GatherCase{"JoinedOverARow", 2, {{1, 18}, {3, 20}}},
                      GatherCase{"ThreeJoined", 1, {{1, 5}, {2, 25}, {3, 8}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShincyokuDrawTest, NothingGatheredWithoutLabels) {
    line.SetPointDate(2, Day(18));
    Draw(line, &dc, layout, 0);
    EXPECT_TRUE(line.GetDrawState().points.empty());
    EXPECT_TRUE(dc.Find(DcOp::TextOut).empty());

    // Nor in XOR mode, whose horizontal pieces are no part of the line's outline.
    ShowLabels();
    Draw(line, &dc, layout, 2);
    EXPECT_TRUE(line.GetDrawState().points.empty());
    EXPECT_TRUE(dc.Find(DcOp::TextOut).empty());
}

// ---- Bounds
// --------------------------------------------------------------------------------------

TEST_F(ShincyokuDrawTest, BoundsSpanTheDisplayedRowsDates) {
    line.SetPointDate(1, Day(10));
    line.SetPointDate(3, Day(20));
    line.SetPointDate(9, Day(2)); // not displayed
    const CRect process = layout.GetKouteiRect();
    EXPECT_EQ(GetBounds(line, nullptr, layout),
              CRect(layout.DateToX(Day(10)), process.top, layout.DateToX(Day(20)), process.bottom));

    // Only to one side: the reference date is the other edge.
    line.SetPointDate(1, kReference);
    EXPECT_EQ(GetBounds(line, nullptr, layout),
              CRect(XR(), process.top, layout.DateToX(Day(20)), process.bottom));
}

// Without a device context the label is estimated as |width| per byte: a font without a width
// gives a label of no width, while the device measures it.
TEST_F(ShincyokuDrawTest, BoundsMeasureLabelsOnTheDeviceOrEstimateThem) {
    ShowLabels();
    LOGFONT font;
    font.lfHeight = -40;
    font.lfWidth = 0;
    line.SetLogFont(font);
    line.SetPointDate(2, Day(18));
    line.SetPointDate(4, Day(10));
    const int right = Bend(2).x + 10;
    const int left = Bend(4).x - 10;
    EXPECT_EQ(GetBounds(line, nullptr, layout).right, right);
    EXPECT_EQ(GetBounds(line, nullptr, layout).left, left);
    // The recording DC takes half the height for a font without a width: 5 x 20.
    EXPECT_EQ(GetBounds(line, &dc, layout).right, right + 100);
    EXPECT_EQ(GetBounds(line, &dc, layout).left, left - 100);
}

// In the clipped pass of a chart scrolled down, the fixed rows are drawn and bounded on their
// band, and the rows scrolled to are not.
TEST_F(ShincyokuDrawTest, ScrolledDownSecondPassTakesTheFixedRows) {
    doc.set.SetLastRow(29);
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    layout.Init(&doc);
    layout.SetFirstRow(10);
    layout.SetScrolledDown(TRUE);
    layout.RecalcLayout();
    line.SetPointDate(1, Day(10));
    line.SetPointDate(12, Day(20));

    const CRect process = layout.GetKouteiRect();
    EXPECT_EQ(GetBounds(line, nullptr, layout),
              CRect(XR(), process.top, layout.DateToX(Day(20)), process.bottom));

    layout.SetClipPass(TRUE);
    const CRect band = layout.GetKouteiGridRect();
    EXPECT_EQ(GetBounds(line, nullptr, layout),
              CRect(layout.DateToX(Day(10)), band.top, XR(), band.bottom));
    Draw(line, &dc, layout, 0);
    const std::vector<Segment> expected{Vertical(0), {RefTop(1), Bend(1)}, {Bend(1), RefBottom(1)}};
    EXPECT_EQ(Pieces(), expected) << dc.Dump();
    EXPECT_EQ(RefTop(0).y, band.top);
    EXPECT_EQ(RefBottom(1).y, band.bottom);
}

// The layout's object bounds of a progress line are the line's own rectangle; with a device
// context inflated by 10 and in device units.
TEST_F(ShincyokuDrawTest, LayoutTakesTheLinesBoundsThroughItsDocument) {
    line.SetPointDate(1, Day(10));
    line.SetPointDate(3, Day(20));
    const CRect own = GetBounds(line, nullptr, layout);
    EXPECT_EQ(layout.GetObjectBounds(nullptr, &line, 0), own);

    CPoint corners[2] = {CPoint(own.left - 10, own.top + 10),
                         CPoint(own.right + 10, own.bottom - 10)};
    dc.LPtoDP(corners, 2);
    CRect expected(corners[0], corners[1]);
    expected.NormalizeRect();
    EXPECT_EQ(layout.GetObjectBounds(&dc, &line, 0), expected);
}

} // namespace
} // namespace tembra
