// Term and resource labels of processes on the round-number chart of ChartFixture (a day 100
// units from 1 April 2010 at x 0, a row 50 high, node marks of size 10). The label fonts are 30
// high and 15 wide, the line spacing 10 % (3 units); a normal line is 3 wide. Without a device
// context a text is |15| x its bytes long and 30 thick.
#include "render/KouteiLabels.h"

#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "render/ChartFixture.h"
#include "render/KouteiRoute.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {

inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using test::April;
using test::DayX;
using test::RowY;

// The line of most tests: 3 to 13 April on row 4, so x1 200, x2 1200, y -225.
constexpr int kX1 = 200;
constexpr int kX2 = 1200;
constexpr int kY = -225;
// Where labels at place 0 begin: after the start mark (10) and the gap (10).
constexpr int kPlace0 = kX1 + 20;

class KouteiLabelsTest : public test::ChartFixture {
protected:
    KouteiLabelsTest() {
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        font.SetFaceName("Gothic");
        CConfigChart& chart = doc.set.GetChart();
        for (CElemAttr* attr : {&chart.GetYogoAttr(), &chart.GetShigenAttr()}) {
            attr->SetLogFont(font);
            attr->m_lineSpace = 10;
        }
        doc.shigenNames.push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
        doc.shigenNames.push_back(std::make_unique<CShigenName>(2, 0, "Crane A1"));
        Bind();
    }

    static std::unique_ptr<CKoutei> Process(int startDay, int startRow, int endDay, int endRow,
                                            WORD shapeWord = kLineShapeStraight) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(April(startDay));
        koutei->SetEndDate(April(endDay));
        koutei->SetStartRow(static_cast<WORD>(startRow));
        koutei->SetEndRow(static_cast<WORD>(endRow));
        koutei->GetLines()->GetAttr().m_style = shapeWord;
        koutei->GetStartLand()->SetSize(100);
        koutei->GetEndLand()->SetSize(100);
        return koutei;
    }
    static std::unique_ptr<CKoutei> Line(WORD shapeWord = kLineShapeStraight) {
        return Process(3, 4, 13, 4, shapeWord);
    }

    // Appends a term of the document's font, factors 1.
    static CYogo& Term(CKoutei& koutei, const std::string& text, WORD dateKind, WORD place,
                       short link = 0, WORD style = 0) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(dateKind);
        CElemAttr& attr = term->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_form = place;
        attr.m_linkPosition = link;
        attr.m_attrb = style;
        CYogo* added = term.get();
        EXPECT_TRUE(koutei.AddYogo(term, TRUE));
        return *added;
    }

    CRect TermRect(const CKoutei& koutei, int index, CDC* dc = nullptr) {
        const auto table =
            BuildYogoStackTable(koutei, layout, dc, doc.set.GetChart().GetYogoAttr().GetLogFont());
        CRect rect;
        EXPECT_EQ(CalcYogoRect(koutei, layout, dc, index, table.get(), nullptr, nullptr, &rect), 1)
            << "term " << index;
        return rect;
    }

    static void Resources(CKoutei& koutei, const std::vector<std::pair<WORD, WORD>>& entries) {
        for (const auto& [number, amount] : entries) {
            koutei.GetShigen()->AddShigenData(std::make_unique<CShigenData>(number, amount));
        }
        koutei.GetShigen()->GetAttr().m_fontHeigh = 1;
        koutei.GetShigen()->GetAttr().m_fontWidth = 1;
    }

    CRect ShigenLine(const CKoutei& koutei, int line, CDC* dc = nullptr) {
        CRect rect;
        EXPECT_EQ(CalcShigenRect(koutei, layout, dc, line, nullptr, nullptr, &rect), 1);
        return rect;
    }
};

// ---- Reference segment --------------------------------------------------------------------------

// Node terms refer to their node's point; a whole-process term to the ends' x at the height of
// the part that carries the labels.
TEST_F(KouteiLabelsTest, ReferenceSegmentOfEachDateKindAndShape) {
    struct Case {
        const char* name;
        int startDay, startRow, endDay, endRow;
        WORD shape;
        short bend;
        int dateKind;
        int x1, x2, y;
    };
    const std::vector<Case> cases = {
        {"start node", 3, 2, 13, 8, kLineShapeElbowVH, 0, kYogoOnStart, 200, 200, RowY(2)},
        {"end node", 3, 2, 13, 8, kLineShapeElbowVH, 0, kYogoOnEnd, 1200, 1200, RowY(8)},
        {"elbow, lower leg", 3, 2, 13, 8, kLineShapeElbowVH, 0, 0, 200, 1200, RowY(8)},
        {"elbow, upper leg", 3, 2, 13, 8, kLineShapeElbowHV, 0, 0, 200, 1200, RowY(2)},
        {"crank", 3, 2, 13, 8, kLineShapeCrank, 0, 0, 200, 1200, RowY(5)},
        {"gate", 3, 2, 13, 8, kLineShapeGate, 9, 0, 200, 1200, RowY(11)},
        {"plain", 3, 2, 13, 8, kLineShapePlain, 0, 0, 200, 1200, RowY(5)},
        // Within one row an elbow is a straight line; within one date a plain one.
        {"level elbow", 3, 4, 13, 4, kLineShapeElbowVH, 0, 0, 200, 1200, RowY(4)},
        {"plumb elbow", 3, 2, 3, 8, kLineShapeElbowHV, 0, 0, 200, 200, RowY(5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto koutei = Process(c.startDay, c.startRow, c.endDay, c.endRow, c.shape);
        koutei->GetLines()->SetBendOffset(c.bend);
        int x1 = 0;
        int x2 = 0;
        int y = 0;
        GetYogoSegment(*koutei, layout, c.dateKind, x1, x2, y);
        EXPECT_EQ(CRect(x1, y, x2, y), CRect(c.x1, c.y, c.x2, c.y));
        int mx = 0;
        int my = 0;
        GetYogoMidpoint(*koutei, layout, c.dateKind, mx, my);
        EXPECT_EQ(CPoint(mx, my), CPoint(c.x1 + (c.x2 - c.x1) / 2, c.y));
    }
}

// ---- Stacking -----------------------------------------------------------------------------------

// Two labels at place 0 of one date kind lie one beside the other, the later one on the line
// and the first of the list farthest from it; a label of another date kind at the same place
// takes no room in their stack.
TEST_F(KouteiLabelsTest, LabelsOfOnePlaceStackFirstFarthestFromTheLine) {
    auto koutei = Line();
    Term(*koutei, "AB", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "on start", kYogoOnStart, kYogoPlaceStart);
    Term(*koutei, "CDE", kYogoOnLine, kYogoPlaceStart);
    // The nearest stands on the line: its box from y -225 up 30, 45 long from x 220, the
    // rectangle one unit bigger.
    EXPECT_EQ(TermRect(*koutei, 2), CRect(kPlace0 - 1, kY + 31, kPlace0 + 46, kY - 1));
    // The first lies one thickness and one spacing (30 + 3) further out.
    EXPECT_EQ(TermRect(*koutei, 0), CRect(kPlace0 - 1, kY + 64, kPlace0 + 31, kY + 32));
    // The start node's stack of one.
    EXPECT_EQ(TermRect(*koutei, 1), CRect(kPlace0 - 1, kY + 31, kPlace0 + 121, kY - 1));

    // The text origin lies one unit inside the left and top edges.
    const auto table = BuildYogoStackTable(*koutei, layout, nullptr,
                                           doc.set.GetChart().GetYogoAttr().GetLogFont());
    int x = 0;
    int y = 0;
    ASSERT_EQ(CalcYogoRect(*koutei, layout, nullptr, 0, table.get(), &x, &y, nullptr), 1);
    EXPECT_EQ(CPoint(x, y), CPoint(kPlace0, kY + 63));
}

// At 200 % every size doubles: the marks and their gap (20 each), the font (60 thick, 30 a
// byte), the spacing (6) and the line's width (6, hanging 12 below it).
TEST_F(KouteiLabelsTest, LabelsScaleWithTheZoom) {
    layout.SetZoomIndex(5);
    layout.RecalcLayout();
    auto koutei = Line();
    Term(*koutei, "AB", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "CDE", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "F", kYogoOnLine, kYogoPlaceEnd, 1);
    const int y = 2 * kY;
    EXPECT_EQ(TermRect(*koutei, 1), CRect(439, y + 61, 531, y - 1));
    EXPECT_EQ(TermRect(*koutei, 0), CRect(439, y + 127, 501, y + 65));
    EXPECT_EQ(TermRect(*koutei, 2), CRect(2329, y - 11, 2361, y - 73));
}

// Place 1 is centred on the reference segment, place 2 ends before the end node's mark; link
// position 1 hangs the stack below the line beyond twice the line's width (3 normal, 6 bold),
// and the slanted bar centres its stack on the line.
TEST_F(KouteiLabelsTest, StandingHangingAndCentredStacks) {
    struct Case {
        const char* name;
        WORD shapeWord;
        short widthCode;
        WORD place;
        short link;
        // The rectangles of the first and the second term ("AB", "CDEF").
        CRect first, second;
    };
    const int mid = kX1 + (kX2 - kX1) / 2;
    const int end = kX2 - 20;
    const std::vector<Case> cases = {
        {"standing, centred on the line's middle", kLineShapeStraight, 0, kYogoPlaceMiddle, 0,
         CRect(mid - 16, kY + 64, mid + 16, kY + 32), CRect(mid - 31, kY + 31, mid + 31, kY - 1)},
        {"standing, before the end node", kLineShapeStraight, 0, kYogoPlaceEnd, 0,
         CRect(end - 31, kY + 64, end + 1, kY + 32), CRect(end - 61, kY + 31, end + 1, kY - 1)},
        {"hanging below a normal line", kLineShapeStraight, 0, kYogoPlaceStart, 1,
         CRect(kPlace0 - 1, kY - 38, kPlace0 + 31, kY - 70),
         CRect(kPlace0 - 1, kY - 5, kPlace0 + 61, kY - 37)},
        {"hanging below a bold line", kLineShapeStraight, 2, kYogoPlaceStart, 1,
         CRect(kPlace0 - 1, kY - 44, kPlace0 + 31, kY - 76),
         CRect(kPlace0 - 1, kY - 11, kPlace0 + 61, kY - 43)},
        // A rectangle bar one bar height (18) thick reaches 9 below its middle.
        {"hanging below a bar", 0x0140, 0, kYogoPlaceStart, 1,
         CRect(kPlace0 - 1, kY - 50, kPlace0 + 31, kY - 82),
         CRect(kPlace0 - 1, kY - 17, kPlace0 + 61, kY - 49)},
        // The stack is 63 thick: from 31 below the line to 32 above it, whatever the link.
        {"centred on a slanted bar", 0x0180, 0, kYogoPlaceStart, 1,
         CRect(kPlace0 - 1, kY + 33, kPlace0 + 31, kY + 1),
         CRect(kPlace0 - 1, kY, kPlace0 + 61, kY - 32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto koutei = Line(c.shapeWord);
        koutei->GetLines()->GetAttr().m_width = c.widthCode;
        Term(*koutei, "AB", kYogoOnLine, c.place, c.link);
        Term(*koutei, "CDEF", kYogoOnLine, c.place, c.link);
        EXPECT_EQ(TermRect(*koutei, 0), c.first);
        EXPECT_EQ(TermRect(*koutei, 1), c.second);
    }
}

// Vertical writing exchanges the axes: the columns (30 thick, 15 a byte long) stand side by
// side along the line in the order of the stack, each standing on the line or hanging below it;
// the text origin lies inside the right edge. Horizontal labels of the same place stack apart.
TEST_F(KouteiLabelsTest, VerticalColumnsStandSideBySide) {
    auto koutei = Line();
    Term(*koutei, "AB", kYogoOnLine, kYogoPlaceStart, 0, kLabelVertical);
    Term(*koutei, "XYZ", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "CDE", kYogoOnLine, kYogoPlaceStart, 0, kLabelVertical);
    Term(*koutei, "FG", kYogoOnLine, kYogoPlaceEnd, 1, kLabelVertical);
    Term(*koutei, "HI", kYogoOnLine, kYogoPlaceEnd, 1, kLabelVertical);
    EXPECT_EQ(TermRect(*koutei, 2), CRect(kPlace0 - 1, kY + 46, kPlace0 + 31, kY - 1));
    EXPECT_EQ(TermRect(*koutei, 0), CRect(kPlace0 + 32, kY + 31, kPlace0 + 64, kY - 1));
    EXPECT_EQ(TermRect(*koutei, 1), CRect(kPlace0 - 1, kY + 31, kPlace0 + 46, kY - 1));
    // At place 2 the stack grows leftward from the end, hanging 6 below the line.
    const int end = kX2 - 20;
    EXPECT_EQ(TermRect(*koutei, 4), CRect(end - 31, kY - 5, end + 1, kY - 37));
    EXPECT_EQ(TermRect(*koutei, 3), CRect(end - 64, kY - 5, end - 32, kY - 37));

    const auto table = BuildYogoStackTable(*koutei, layout, nullptr,
                                           doc.set.GetChart().GetYogoAttr().GetLogFont());
    int x = 0;
    int y = 0;
    ASSERT_EQ(CalcYogoRect(*koutei, layout, nullptr, 0, table.get(), &x, &y, nullptr), 1);
    EXPECT_EQ(CPoint(x, y), CPoint(kPlace0 + 63, kY + 30));
}

// The table holds each term's thickness at its date kind, place and direction, unzoomed: the
// font height times the height factor, in vertical writing times the width factor, and for a
// column with upright single-byte runs the widest run.
TEST_F(KouteiLabelsTest, StackingTableHoldsEachTermsThickness) {
    auto koutei = Line();
    CYogo& tall = Term(*koutei, "AB", kYogoOnEnd, kYogoPlaceEnd);
    tall.GetAttr().m_fontHeigh = 2;
    CYogo& column = Term(*koutei, "AB", kYogoOnLine, kYogoPlaceMiddle, 0, kLabelVertical);
    column.GetAttr().m_fontHeigh = 2;
    CYogo& upright = Term(*koutei, "ABC\x8a\xbf", kYogoOnStart, kYogoPlaceFree, 0,
                          kLabelVertical | kLabelUprightSingleByte);
    upright.GetAttr().m_fontHeigh = 2;
    Term(*koutei, "", kYogoOnLine, kYogoPlaceStart);
    layout.SetZoomIndex(5); // 200 %: the table stays unzoomed

    auto dc = std::make_unique<CRecordingDC>();
    dc->SetMapMode(MM_LOMETRIC);
    for (CDC* device : {static_cast<CDC*>(nullptr), static_cast<CDC*>(dc.get())}) {
        SCOPED_TRACE(device != nullptr ? "measured" : "estimated");
        const auto table = BuildYogoStackTable(*koutei, layout, device,
                                               doc.set.GetChart().GetYogoAttr().GetLogFont());
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->Get(0, 2, kYogoPlaceEnd, 0), 60);
        EXPECT_EQ(table->Get(1, 0, kYogoPlaceMiddle, 1), 30);
        // "ABC" upright in the unturned font (15 a byte) is wider than the turned font (30).
        EXPECT_EQ(table->Get(2, 1, kYogoPlaceFree, 1), 45);
        // No entry elsewhere, none for a term without text.
        int filled = 0;
        for (int term = 0; term < CKoutei::kMaxYogo; ++term) {
            for (int kind = 0; kind < YogoStackTable::kDateKinds; ++kind) {
                for (int place = 0; place < YogoStackTable::kPlaces; ++place) {
                    for (int dir = 0; dir < YogoStackTable::kDirections; ++dir) {
                        filled += table->Get(term, kind, place, dir) != 0 ? 1 : 0;
                    }
                }
            }
        }
        EXPECT_EQ(filled, 3);
    }
}

// ---- Free places, anchors and text extents ------------------------------------------------------

// Places 3 and 4 begin at the anchor (the middle of the reference segment moved by the offset
// pair), place 5 ends there; the box stands on the anchor.
TEST_F(KouteiLabelsTest, FreeLabelsStandAtTheirAnchor) {
    auto koutei = Line();
    for (WORD place : {kYogoPlaceFree, kYogoPlaceLeaderLeft, kYogoPlaceLeaderRight}) {
        CYogo& term = Term(*koutei, "ABCD", kYogoOnLine, place);
        term.GetAttr().SetOffset(250);
        term.GetAttr().SetOffsetY(-150);
    }
    CYogo& onEnd = Term(*koutei, "AB", kYogoOnEnd, kYogoPlaceFree, 0, kLabelVertical);
    onEnd.GetAttr().SetOffset(-33);
    onEnd.GetAttr().SetOffsetY(99);

    // (700, -225) + (250, -75).
    int x = 700;
    int y = kY;
    GetYogoAnchor(*koutei, layout, 0, x, y);
    EXPECT_EQ(CPoint(x, y), CPoint(950, -300));
    EXPECT_EQ(TermRect(*koutei, 0), CRect(949, -269, 1011, -301));
    EXPECT_EQ(TermRect(*koutei, 1), CRect(949, -269, 1011, -301));
    EXPECT_EQ(TermRect(*koutei, 2), CRect(889, -269, 951, -301));
    // The end node (1200, -225) moved by (-33, 49.5), truncated: a column 30 wide, 30 long.
    EXPECT_EQ(TermRect(*koutei, 3), CRect(1166, -145, 1198, -177));
    // The leader pair moves the point the same way.
    koutei->GetYogo(0)->GetAttr().SetDrawerX(-50);
    koutei->GetYogo(0)->GetAttr().SetDrawerY(25);
    x = 700;
    y = kY;
    GetYogoLeaderEnd(*koutei, layout, 0, x, y);
    EXPECT_EQ(CPoint(x, y), CPoint(650, -213));
    // No term at the index: the point stays.
    GetYogoAnchor(*koutei, layout, 9, x, y);
    EXPECT_EQ(CPoint(x, y), CPoint(650, -213));
}

// A device context measures the text with its macros expanded; the quick text keeps the
// estimate twice as long, except for a text with macros.
TEST_F(KouteiLabelsTest, TextExtentMeasuredEstimatedOrQuick) {
    auto koutei = Line();
    Term(*koutei, "ABCD", kYogoOnLine, kYogoPlaceFree);
    // "$延$" (4 bytes) shows the span, 10 days: "10".
    Term(*koutei, "$\x89\x84$", kYogoOnLine, kYogoPlaceFree);
    auto dc = std::make_unique<CRecordingDC>();
    dc->SetMapMode(MM_LOMETRIC);
    struct Case {
        const char* name;
        bool device;
        BOOL quick;
        int plainWidth, macroWidth;
    };
    const std::vector<Case> cases = {
        {"estimate", false, FALSE, 60, 60},
        {"measured", true, FALSE, 60, 30},
        {"quick", true, TRUE, 120, 30},
        {"quick without device", false, TRUE, 120, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        layout.SetQuickText(c.quick);
        CDC* device = c.device ? dc.get() : nullptr;
        EXPECT_EQ(TermRect(*koutei, 0, device).Width() - 2, c.plainWidth);
        EXPECT_EQ(TermRect(*koutei, 1, device).Width() - 2, c.macroWidth);
    }
}

// The rectangle of all terms is the union of theirs; a term without text has none, and with
// no terms there is none.
TEST_F(KouteiLabelsTest, RectangleOfOneOrAllTerms) {
    auto koutei = Line();
    EXPECT_EQ(GetYogoRect(*koutei, layout, nullptr, -1), CRect());
    Term(*koutei, "AB", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "ABCDEFGH", kYogoOnLine, kYogoPlaceEnd, 1);
    const CRect first = GetYogoRect(*koutei, layout, nullptr, 0);
    const CRect last = GetYogoRect(*koutei, layout, nullptr, 2);
    EXPECT_EQ(first, TermRect(*koutei, 0));
    EXPECT_EQ(GetYogoRect(*koutei, layout, nullptr, 1), CRect());
    EXPECT_EQ(GetYogoRect(*koutei, layout, nullptr, -1),
              CRect(first.left, first.top, last.right, last.bottom));

    const auto table = BuildYogoStackTable(*koutei, layout, nullptr, LOGFONT());
    CRect untouched(1, 2, 3, 4);
    EXPECT_EQ(CalcYogoRect(*koutei, layout, nullptr, 1, table.get(), nullptr, nullptr, &untouched),
              0);
    EXPECT_EQ(CalcYogoRect(*koutei, layout, nullptr, 0, nullptr, nullptr, nullptr, &untouched), 0);
    EXPECT_EQ(CalcYogoRect(*koutei, layout, nullptr, 3, table.get(), nullptr, nullptr, &untouched),
              0);
    EXPECT_EQ(untouched, CRect(1, 2, 3, 4));
}

// ---- Dragged positions --------------------------------------------------------------------------

// Labels on the line keep no position; free labels keep their offset from the middle of the
// reference segment; only leader labels of the whole process keep a leader pair, the others
// have it cleared.
TEST_F(KouteiLabelsTest, DraggedPositionsAreStoredAsPercents) {
    struct Case {
        const char* name;
        WORD place;
        WORD dateKind;
        bool sub;
        CPoint offset, leader;
    };
    const CPoint kept(7, 8);
    const CPoint keptLeader(5, 6);
    // The point (870, -262): from the line's middle (700, -225) 170 and -37 units; from the
    // end node (1200, -225) -330 and -37.
    const std::vector<Case> cases = {
        {"place 0", kYogoPlaceStart, kYogoOnLine, false, kept, keptLeader},
        {"place 3", kYogoPlaceFree, kYogoOnLine, false, {170, -74}, keptLeader},
        {"place 5 on the end node",
         kYogoPlaceLeaderRight,
         kYogoOnEnd,
         false,
         {-330, -74},
         keptLeader},
        {"leader of place 4", kYogoPlaceLeaderLeft, kYogoOnLine, true, kept, {170, -74}},
        {"leader of place 4 on the start node",
         kYogoPlaceLeaderLeft,
         kYogoOnStart,
         true,
         kept,
         {0, 0}},
        {"leader of place 5 on the end node",
         kYogoPlaceLeaderRight,
         kYogoOnEnd,
         true,
         kept,
         {0, 0}},
        {"leader of place 3", kYogoPlaceFree, kYogoOnLine, true, kept, {0, 0}},
        {"leader of place 1", kYogoPlaceMiddle, kYogoOnLine, true, kept, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto koutei = Line();
        CYogo& term = Term(*koutei, "AB", c.dateKind, c.place);
        term.GetAttr().SetOffset(kept.x);
        term.GetAttr().SetOffsetY(kept.y);
        term.GetAttr().SetDrawerX(keptLeader.x);
        term.GetAttr().SetDrawerY(keptLeader.y);
        if (c.sub) {
            SetYogoSubPosition(*koutei, layout, term, 870, -262);
        } else {
            SetYogoPosition(*koutei, layout, term, 870, -262);
        }
        EXPECT_EQ(CPoint(term.GetAttr().GetOffset(), term.GetAttr().GetOffsetY()), c.offset);
        EXPECT_EQ(CPoint(term.GetAttr().GetDrawerX(), term.GetAttr().GetDrawerY()), c.leader);
    }
}

// A chart whose period has no width or whose rows have no height has no unit to count the
// percents in: 0 is stored on that axis.
TEST_F(KouteiLabelsTest, DraggedPositionWithoutDayWidthOrRowHeightStoresZero) {
    // The fixture's page with a chart rectangle of no width and an item area of no height.
    CPrintArea::StoredFields f;
    f.paper = CRect(-500, 100, 3100, -1700);
    f.header = CRect(-500, 100, 3100, 100);
    f.page = CRect(-500, 100, 3100, -1500);
    f.date = CRect(-500, 100, 3000, 0);
    f.edit = CRect(-500, 0, 3000, -1500);
    f.items = CRect(-500, 0, 0, 0);
    f.chart = f.inner = CRect(0, 0, 0, -1500);
    f.footer = CRect(-500, -1500, 3000, -1500);
    f.itemWidth = 500;
    doc.set.GetPageSetting().SetStoredFields(f);
    Bind();
    ASSERT_EQ(layout.GetDayWidth(), 0.0);
    ASSERT_EQ(layout.GetRowHeight(), 0.0);
    auto koutei = Line();
    CYogo& term = Term(*koutei, "AB", kYogoOnLine, kYogoPlaceLeaderLeft);
    term.GetAttr().SetOffset(7);
    term.GetAttr().SetOffsetY(8);
    SetYogoPosition(*koutei, layout, term, 870, -262);
    SetYogoSubPosition(*koutei, layout, term, 870, -262);
    EXPECT_EQ(term.GetAttr().GetOffset(), 0);
    EXPECT_EQ(term.GetAttr().GetOffsetY(), 0);
    EXPECT_EQ(term.GetAttr().GetDrawerX(), 0);
    EXPECT_EQ(term.GetAttr().GetDrawerY(), 0);
}

// ---- Leader lines -------------------------------------------------------------------------------

// A node term's leader leaves where that node's mark meets the line toward the label; a whole
// process term's leaves from the point of the route nearest to the leader point.
TEST_F(KouteiLabelsTest, LeaderStarts) {
    // A vertical-then-horizontal elbow from (200, -125) down to (1200, -425): its vertical leg
    // runs from the start mark (200, -135) to the corner's arc, from (200, -415) round D
    // (210, -415) to (210, -425), and on to the end mark (1190, -425).
    auto koutei = Process(3, 2, 13, 8, kLineShapeElbowVH);
    koutei->GetEndLand()->SetShape(7); // a square mark
    Term(*koutei, "start", kYogoOnStart, kYogoPlaceLeaderLeft);
    Term(*koutei, "end", kYogoOnEnd, kYogoPlaceLeaderLeft);
    CYogo& whole = Term(*koutei, "whole", kYogoOnLine, kYogoPlaceLeaderLeft);

    int x = 200;
    int y = -125;
    GetYogoLeaderStart(*koutei, layout, 0, x, y, 300, -25);
    EXPECT_EQ(CPoint(x, y), CPoint(207, -118));
    x = 1200;
    y = -425;
    GetYogoLeaderStart(*koutei, layout, 1, x, y, 1400, -375);
    EXPECT_EQ(CPoint(x, y), CPoint(1210, -423));

    struct Case {
        const char* name;
        CPoint from;
        LONG leaderX, leaderY;
        CPoint start;
    };
    const std::vector<Case> cases = {
        // From the middle (700, -425) moved by (-100, +100) %: the foot on the lower leg.
        {"foot on the lower leg", {700, -425}, -100, 100, {600, -425}},
        {"foot on the vertical leg", {150, -300}, 0, 0, {200, -300}},
        // Below and left of the corner: the arc's point toward its centre.
        {"on the corner's arc", {150, -475}, 0, 0, {202, -422}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        whole.GetAttr().SetDrawerX(c.leaderX);
        whole.GetAttr().SetDrawerY(c.leaderY);
        x = c.from.x;
        y = c.from.y;
        GetYogoLeaderStart(*koutei, layout, 2, x, y, 0, 0);
        EXPECT_EQ(CPoint(x, y), c.start);
    }
}

// Without a foot on the route the nearer of its two ends is taken.
TEST_F(KouteiLabelsTest, NearestRoutePointBeyondTheEnds) {
    auto koutei = Line();
    EXPECT_EQ(NearestRoutePoint(*koutei, layout, {1400, -300}), CPoint(1190, kY));
    EXPECT_EQ(NearestRoutePoint(*koutei, layout, {0, -100}), CPoint(210, kY));
    EXPECT_EQ(NearestRoutePoint(*koutei, layout, {500, 0}), CPoint(500, kY));
}

// ---- Date macros --------------------------------------------------------------------------------

// The macros of a term on the start (1), the end (2) and the whole process (0) in calendar and
// elapsed-day mode. The chart counts from 1 April (no margins); 2 and 6 April are holidays;
// the process runs from 5 April to 8 April (06:00 when it has its extra hours) counting
// holidays, with one spare day.
TEST_F(KouteiLabelsTest, MacroTableOfDateKindsAndModes) {
    doc.Holidays(April(2), April(2));
    doc.Holidays(April(6), April(6));
    struct Case {
        int dateKind;
        int nobeMode;
        int endHour, endMinute;
        const char* text;
        const char* shown;
    };
    const std::string date = "$\x93\xfa\x8e\x9e$";      // $日時$
    const std::string nobe = "$\x89\x84$";              // $延$
    const std::string nobeHours = "$\x89\x84\x8e\x9e$"; // $延時$
    const std::string work = "$\x8e\xc0$";              // $実$
    const std::string workHours = "$\x8e\xc0\x8e\x9e$"; // $実時$
    const std::string all = date + " " + nobe + " " + nobeHours + " " + work + " " + workHours;
    const std::vector<Case> cases = {
        {kYogoOnStart, 0, 0, 0, all.c_str(), "04/05 4 96 (3) (72)"},
        {kYogoOnEnd, 0, 0, 0, all.c_str(), "04/08 7 168 (5) (120)"},
        // The whole process: 3 days; 2 working days less the spare day.
        {kYogoOnLine, 0, 0, 0, all.c_str(), "04/05->04/08 3 72 (1) (24)"},
        // 3 days 6 hours: the part after the point is the hours, or the minutes.
        {kYogoOnLine, 0, 6, 0, all.c_str(), "04/05->04/08 3.6 78 (1.6) (30)"},
        {kYogoOnLine, 0, 6, 30, all.c_str(), "04/05->04/08 3.6 78.30 (1.6) (30.30)"},
        // Elapsed days: the month-and-day macro stays; the working count is the elapsed day.
        {kYogoOnStart, 1, 0, 0, all.c_str(), ("$\x93\xfa\x8e\x9e$ 4 96 (5) (97)")},
        {kYogoOnEnd, 1, 0, 0, all.c_str(), "$\x93\xfa\x8e\x9e$ 7 168 (8) (169)"},
        {kYogoOnLine, 1, 6, 0, all.c_str(), "$\x93\xfa\x8e\x9e$ 3.6 78 (1.6) (30)"},
        // Formats: the first is expanded wherever it stands; an unclosed or empty one stays.
        {kYogoOnStart, 0, 0, 0, "$\x93\xfa\x8e\x9e{yyyy-mm}$,$\x93\xfa\x8e\x9e{yyyy-mm}$",
         "2010-04,2010-04"},
        {kYogoOnLine, 0, 0, 0, "($\x93\xfa\x8e\x9e{dd}$)", "(05->08)"},
        {kYogoOnEnd, 0, 0, 0, "$\x93\xfa\x8e\x9e{mm", "$\x93\xfa\x8e\x9e{mm"},
        {kYogoOnEnd, 0, 0, 0, "$\x93\xfa\x8e\x9e{}$", "$\x93\xfa\x8e\x9e{}$"},
        {kYogoOnEnd, 1, 0, 0, "$\x93\xfa\x8e\x9e{dd}$", "$\x93\xfa\x8e\x9e{dd}$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.dateKind << ", mode " << c.nobeMode << ", "
                                        << Sjis::ToUtf8(c.text));
        doc.set.SetNobeMode(static_cast<short>(c.nobeMode));
        auto koutei = Process(5, 4, 8, 4);
        koutei->SetEndDate(April(8, c.endHour) + CTimeSpan(0, 0, c.endMinute, 0));
        koutei->GetLines()->GetAttr().m_holiday = 1;
        koutei->SetSpareDays(CTimeSpan(1, 0, 0, 0));
        CYogo& term = Term(*koutei, c.text, static_cast<WORD>(c.dateKind), kYogoPlaceFree);
        std::string text = term.GetText();
        FormatYogoText(*koutei, layout, term, text);
        EXPECT_EQ(text, c.shown);
    }
}

// An expansion that grows past the term's field is cut to its 128 bytes on a character
// boundary.
TEST_F(KouteiLabelsTest, ExpandedTextIsCutToTheField) {
    auto koutei = Process(5, 4, 8, 4);
    // "X", "$日時$" (6 bytes, showing 12) and 60 double-byte characters: 127 bytes, 133 shown.
    std::string text = "X$\x93\xfa\x8e\x9e$";
    for (int i = 0; i < 60; ++i) {
        text += "\x82\xa0";
    }
    CYogo& term = Term(*koutei, text, kYogoOnLine, kYogoPlaceFree);
    ASSERT_EQ(term.GetText().size(), 127u);
    std::string shown = term.GetText();
    FormatYogoText(*koutei, layout, term, shown);
    // 13 bytes and 57 whole characters; the 58th would end at byte 129.
    EXPECT_EQ(shown.size(), 127u);
    EXPECT_EQ(shown.substr(0, 13), "X04/05->04/08");
    EXPECT_EQ(shown.substr(125), "\x82\xa0");
}

// ---- Resource label -----------------------------------------------------------------------------

// Names of 6 and 8 bytes with amounts 12 and 3: the estimate is 15 x (8 + 2 + 3) wide, 15 x
// (8 + 2 + 2) when the layout shows the amounts only; a device context measures the
// document's lines. The lines stack as terms at place 0, beginning after the start mark, or
// centred on the process.
TEST_F(KouteiLabelsTest, ResourceLabelLinesEstimatedOrMeasured) {
    auto koutei = Line();
    Resources(*koutei, {{1, 12}, {2, 3}});
    auto dc = std::make_unique<CRecordingDC>();
    dc->SetMapMode(MM_LOMETRIC);
    struct Case {
        const char* name;
        int displayMode;
        BOOL centred;
        bool device;
        int width;
        int left;
    };
    const int mid = kX1 + (kX2 - kX1) / 2;
    const std::vector<Case> cases = {
        {"estimate", 1, FALSE, false, 195, kX1 + 10},
        {"amounts only", 2, FALSE, false, 180, kX1 + 10},
        // "[Worker   12]" and "[Crane A1  3]", 13 bytes each.
        {"measured", 2, FALSE, true, 195, kX1 + 10},
        {"centred", 1, TRUE, false, 195, mid - 97},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        layout.SetShigenDispMode(c.displayMode);
        layout.SetShigenCentered(c.centred);
        CDC* device = c.device ? dc.get() : nullptr;
        EXPECT_EQ(ShigenLine(*koutei, 1, device),
                  CRect(c.left - 1, kY + 31, c.left + c.width + 1, kY - 1));
        EXPECT_EQ(ShigenLine(*koutei, 0, device),
                  CRect(c.left - 1, kY + 64, c.left + c.width + 1, kY + 32));
        EXPECT_EQ(GetShigenRect(*koutei, layout, device, -1),
                  CRect(c.left - 1, kY + 64, c.left + c.width + 1, kY - 1));
    }

    int x = 0;
    int y = 0;
    ASSERT_EQ(CalcShigenRect(*koutei, layout, nullptr, 0, &x, &y, nullptr), 1);
    EXPECT_EQ(CPoint(x, y), CPoint(mid - 97, kY + 63));
    EXPECT_EQ(CalcShigenRect(*koutei, layout, nullptr, 2, &x, &y, nullptr), 0);
    EXPECT_EQ(GetShigenRect(*Line(), layout, nullptr, -1), CRect());
}

// The label hangs below the line like terms, and moves down by as much as the terms' rectangles
// reach under the line: one unit for a term standing on it (its rectangle's grown edge), 37
// for a term hanging 6 below it, 30 thick.
TEST_F(KouteiLabelsTest, ResourceLabelMovesBelowTheTerms) {
    struct Case {
        const char* name;
        short link;
        int termLink; // -1: no term
        int top;
    };
    const std::vector<Case> cases = {
        {"standing", 0, -1, kY + 31},
        {"hanging", 1, -1, kY - 5},
        {"standing beside a standing term", 0, 0, kY + 30},
        {"standing below a hanging term", 0, 1, kY + 31 - 37},
        {"hanging below a hanging term", 1, 1, kY - 5 - 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto koutei = Line();
        Resources(*koutei, {{1, 12}});
        koutei->GetShigen()->GetAttr().m_linkPosition = c.link;
        if (c.termLink >= 0) {
            Term(*koutei, "term", kYogoOnLine, kYogoPlaceEnd, static_cast<short>(c.termLink));
        }
        const CRect rect = ShigenLine(*koutei, 0);
        EXPECT_EQ(rect.top, c.top);
        EXPECT_EQ(rect.top - rect.bottom, 32);
    }
}

// ---- Hit tests ----------------------------------------------------------------------------------

TEST_F(KouteiLabelsTest, HitTestsOfTermsAndResourceLabel) {
    auto koutei = Line();
    Term(*koutei, "AB", kYogoOnLine, kYogoPlaceStart);
    Term(*koutei, "CDEFGH", kYogoOnLine, kYogoPlaceEnd);
    Resources(*koutei, {{1, 12}});
    koutei->GetShigen()->GetAttr().m_linkPosition = 1;
    const auto hit = [&](const CRect& r, int part, int index) {
        return HitTestPart(*koutei, layout, nullptr, r.left, r.top, r.right, r.bottom, part, index);
    };
    // A small box over the first term (x 220..250, y -225..-195).
    const CRect overFirst(230, -200, 240, -210);
    EXPECT_EQ(hit(overFirst, kHitYogo, 0), 1);
    EXPECT_EQ(hit(overFirst, kHitYogo, -1), 1);
    EXPECT_EQ(hit(overFirst, kHitYogo, 1), 0);
    EXPECT_EQ(hit(overFirst, kHitShigen, -1), 0);
    // Below the line where the resource label hangs.
    const CRect overLabel(230, -240, 240, -250);
    EXPECT_EQ(hit(overLabel, kHitShigen, -1), 1);
    EXPECT_EQ(hit(overLabel, kHitYogo, -1), 0);
    layout.SetShigenDispMode(0);
    EXPECT_EQ(hit(overLabel, kHitShigen, -1), 0);
}

} // namespace
} // namespace tembra
