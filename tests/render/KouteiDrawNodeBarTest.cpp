// The node marks and their numbers, the bar forms and the arrow heads of a process on the
// chart of KouteiDrawFixture.h.
#include "KouteiDrawFixture.h"
#include "render/KouteiRoute.h"

#include <algorithm>
#include <vector>

namespace tembra {
namespace {

using test::April;
using test::DayX;
using test::KouteiDrawTest;
using test::kOwn;
using test::kWhite;
using test::Ordered;
using test::RowY;
using test::Segment;
using test::Segments;

// ---- Node marks ---------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, NodeMarks) {
    constexpr COLORREF kOutline = RGB(1, 1, 1);
    constexpr COLORREF kFill = RGB(2, 2, 2);
    struct Case {
        int shape;
        std::vector<int> circles; // radii, in drawing order
        std::vector<CPoint> outline;
        COLORREF fill;
    };
    const CPoint up(500, -215);
    const std::vector<CPoint> upward = {up, {510, -235}, {490, -235}, up};
    const CPoint down(500, -235);
    const std::vector<CPoint> downward = {down, {510, -215}, {490, -215}, down};
    const std::vector<CPoint> square = {
        {490, -215}, {510, -215}, {510, -235}, {490, -235}, {490, -215}};
    const std::vector<CPoint> diamond = {up, {510, -225}, {500, -235}, {490, -225}, up};
    const std::vector<Case> cases = {
        {0, {10}, {}, kFill},        {1, {10, 5}, {}, kFill},     {2, {10}, {}, kOutline},
        {3, {}, upward, kFill},      {4, {}, upward, kOutline},   {5, {}, downward, kFill},
        {6, {}, downward, kOutline}, {7, {}, square, kFill},      {8, {}, square, kOutline},
        {9, {}, diamond, kFill},     {10, {}, diamond, kOutline}, {265, {}, diamond, kFill},
        {521, {}, diamond, kFill},   {11, {}, {}, kFill},         {15, {}, {}, kFill},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        auto dc = Dc();
        DrawLandMark(dc.get(), layout, c.shape, 500, -225, 10, kOutline, 3, kFill, R2_COPYPEN, "");
        const auto ellipses = dc->Find(DcOp::Ellipse);
        ASSERT_EQ(ellipses.size(), c.circles.size());
        for (std::size_t i = 0; i < ellipses.size(); ++i) {
            const int r = c.circles[i];
            EXPECT_EQ(ellipses[i].args.rect, CRect(500 - r, -225 + r, 500 + r, -225 - r));
            EXPECT_EQ(ellipses[i].brush.color, c.fill);
            EXPECT_EQ(ellipses[i].pen.color, kOutline);
        }
        const auto polygons = dc->Find(DcOp::Polygon);
        if (c.outline.empty()) {
            EXPECT_TRUE(polygons.empty());
        } else {
            ASSERT_EQ(polygons.size(), 1u);
            EXPECT_EQ(polygons[0].args.points, c.outline);
            EXPECT_EQ(polygons[0].brush.color, c.fill);
        }
        EXPECT_TRUE(test::DrawnTexts(*dc).empty());
    }
}

// The number of a mark: r high and r / 2 wide, centred on the mark, its top r / 2 above the
// centre.
TEST_F(KouteiDrawTest, NodeNumberPlaceAndSize) {
    auto dc = Dc();
    DrawLandMark(dc.get(), layout, 265, 500, -225, 20, kOwn, 3, kWhite, R2_COPYPEN, "24");
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.text, "24");
    EXPECT_EQ(texts[0].args.points[0], CPoint(490, -215));
    EXPECT_EQ(texts[0].font.lfHeight, -20);
    EXPECT_EQ(texts[0].font.lfWidth, 10);
    EXPECT_EQ(texts[0].textColor, kOwn);
}

TEST_F(KouteiDrawTest, NodeNumbersInCalendarAndElapsedDays) {
    struct Case {
        const char* name;
        short nobeMode;
        int offsetDays;
        WORD startStyle;
        WORD endStyle;
        std::string start;
        std::string end;
    };
    // The process runs from 3 April to 24 April.
    const std::vector<Case> cases = {
        {"no high byte", 0, 0, 0, 9, "", ""},
        {"calendar days; the end milestone shows the day before", 0, 0, 0x0109, 0x0209, "3", "23"},
        {"a circle with a high byte", 0, 0, 0x0100, 0x0100, "3", "24"},
        // Elapsed days from 6 April, counted from 1; before it the negative count.
        {"elapsed days", 1, 5, 0x0109, 0x0209, "-3", "18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.set.SetNobeMode(c.nobeMode);
        doc.set.SetJyunbiKikan(CTimeSpan(c.offsetDays, 0, 0, 0));
        Bind();
        CKoutei& koutei = Process(3, 4, 24, 4);
        koutei.GetStartLand()->SetShape(c.startStyle);
        koutei.GetEndLand()->SetShape(c.endStyle);
        EXPECT_EQ(GetLandNumberText(koutei, layout, kKouteiPartStart), c.start);
        EXPECT_EQ(GetLandNumberText(koutei, layout, kKouteiPartEnd), c.end);
    }
}

TEST_F(KouteiDrawTest, DrawnMarksAndNumbersOfAProcess) {
    CKoutei& koutei = Process(3, 4, 24, 4);
    koutei.GetStartLand()->SetShape(kLandShapeHidden);
    koutei.GetEndLand()->SetShape(0x0209);
    koutei.GetEndLand()->SetSize(200);
    const auto dc = Drawn(koutei);
    EXPECT_TRUE(dc->Find(DcOp::Ellipse).empty()) << "a hidden node draws nothing";
    const auto texts = test::DrawnTexts(*dc);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "23");
    EXPECT_EQ(texts[0].at, CPoint(DayX(24) - 10, RowY(4) + 10));
}

TEST_F(KouteiDrawTest, DirectionalNodesTakeTheirDirection) {
    struct Case {
        const char* name;
        WORD shape;
        int startRow;
        int endRow;
        short bend;
        WORD startWord;
        WORD endWord;
        WORD start;
        WORD end;
    };
    const std::vector<Case> cases = {
        {"start below the end", 1, 5, 2, 0, 0x80, 0x80, 129, 130},
        {"start above the end", 1, 2, 5, 0, 0x80, 0x80, 130, 129},
        {"one row", 1, 4, 4, 0, 0x80, 0x80, 130, 130},
        {"gate below both", kLineShapeGate, 2, 4, 4, 0x80, 0x80, 130, 130},
        {"gate above both", kLineShapeGate, 5, 4, -3, 0x80, 0x80, 129, 129},
        {"not directional", 1, 5, 2, 0, 7, 0x81, 7, 130},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, c.startRow, 10, c.endRow, c.shape);
        koutei.GetLines()->SetBendOffset(c.bend);
        koutei.GetStartLand()->SetSubStyle(c.startWord);
        koutei.GetEndLand()->SetSubStyle(c.endWord);
        Drawn(koutei);
        EXPECT_EQ(koutei.GetStartLand()->GetSubStyle(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetSubStyle(), c.end);
    }
}

// ---- Bars ---------------------------------------------------------------------------------------

// Bars from 2 April (x 100) to 10 April (x 900) on row 4 (y -225) with hidden nodes: the six
// lines of the outline from the two ends, and the fill of the four corners.
TEST_F(KouteiDrawTest, BarForms) {
    struct Case {
        const char* name;
        WORD shapeWord;
        short angle;
        WORD hatch;
        int mode;
        std::array<CPoint, 4> corners; // upper start, upper end, lower start, lower end
        bool fill;
    };
    const std::vector<Case> cases = {
        {"rectangle",
         0x0140,
         45,
         3,
         0,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         true},
        {"rectangle twice as thick",
         0x0240,
         45,
         3,
         0,
         {{{100, -207}, {900, -207}, {100, -243}, {900, -243}}},
         true},
        // H 22, inset 11.
        {"slanted ends at 45 degrees",
         0x0180,
         45,
         3,
         0,
         {{{111, -214}, {889, -214}, {111, -236}, {889, -236}}},
         true},
        // H 43: 21 above, 22 below; the inset keeps to one bar height.
        {"slanted ends twice as thick",
         0x0280,
         45,
         3,
         0,
         {{{111, -204}, {889, -204}, {111, -247}, {889, -247}}},
         true},
        {"no hatching",
         0x0140,
         45,
         999,
         0,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         false},
        {"inverted",
         0x0140,
         45,
         3,
         2,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         false},
        // Angles whose tangent is 0 give no inset rather than an infinite one.
        {"an angle of 0",
         0x0180,
         0,
         3,
         0,
         {{{100, -214}, {900, -214}, {100, -236}, {900, -236}}},
         true},
        {"an angle of 180",
         0x0180,
         180,
         3,
         0,
         {{{100, -214}, {900, -214}, {100, -236}, {900, -236}}},
         true},
    };
    const CPoint s(100, -225);
    const CPoint e(900, -225);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.set.GetChart().SetKakomiAngle(c.angle);
        CKoutei& bar = Process(2, 4, 10, 4, c.shapeWord);
        bar.GetLines()->GetAttr().m_hatch = c.hatch;
        bar.GetStartLand()->SetShape(kLandShapeHidden);
        bar.GetEndLand()->SetShape(kLandShapeHidden);
        const auto dc = Drawn(bar, c.mode);
        const auto& p = c.corners;
        std::vector<Segment> expected = {Ordered(s, p[0]),    Ordered(s, p[2]), Ordered(p[0], p[1]),
                                         Ordered(p[2], p[3]), Ordered(p[1], e), Ordered(p[3], e)};
        std::sort(expected.begin(), expected.end(), [](const Segment& a, const Segment& b) {
            return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) <
                   std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
        });
        EXPECT_EQ(Segments(*dc), expected);
        const auto fills = dc->Find(DcOp::Polygon);
        if (c.fill) {
            ASSERT_EQ(fills.size(), 1u);
            EXPECT_EQ(fills[0].args.points, (std::vector<CPoint>{p[0], p[1], p[3], p[2]}));
            EXPECT_EQ(fills[0].brush.hatch, 3);
            EXPECT_TRUE(fills[0].pen.IsNull());
        } else {
            EXPECT_TRUE(fills.empty()) << dc->Dump();
        }
    }
}

// ---- Arrow heads --------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, ArrowHeadAtTheEndOfTheLine) {
    struct Case {
        const char* name;
        WORD shapeWord;
        WORD subStyle;
        bool head;
    };
    const std::vector<Case> cases = {
        {"plain", 0, 0, true},     {"straight", 1, 0, true},
        {"elbow", 2, 0, true},     {"other elbow", 3, 0, true},
        {"crank", 4, 0, true},     {"relation", 5, 0, true},
        {"gate", 6, 0, true},      {"no arrow", 2, kSubStyleNoArrow, false},
        {"bar", 0x0140, 0, false}, {"slanted bar", 0x0180, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 2, 10, 6, c.shapeWord);
        koutei.GetLines()->SetBendOffset(6);
        koutei.GetLines()->GetAttr().m_subStyle = c.subStyle;
        const auto dc = Drawn(koutei);
        std::vector<CRecordingDC::Record> heads;
        for (const auto& r : dc->Find(DcOp::Polygon)) {
            if (r.args.points.size() == 3) {
                heads.push_back(r);
            }
        }
        if (!c.head) {
            EXPECT_TRUE(heads.empty());
            continue;
        }
        ASSERT_EQ(heads.size(), 1u);
        KouteiRoute route;
        BuildRoute(koutei, layout, route);
        const CPoint tip = route.points[static_cast<std::size_t>(route.PointCount() - 1)];
        EXPECT_EQ(heads[0].args.points[0], tip);
        EXPECT_EQ(heads[0].brush.color, kOwn);
        EXPECT_EQ(heads[0].pen.color, kOwn);
    }
}

} // namespace
} // namespace tembra
