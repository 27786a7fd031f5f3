// The draw modes of a process on the chart of KouteiDrawFixture.h: which parts are drawn in
// which mode and colour for the selection, the object mode and the feedback of a gesture, and
// the bounds that cover all that a process draws.
#include "KouteiDrawFixture.h"

#include "render/KouteiLabels.h"

namespace tembra {
namespace {

using test::April;
using test::Device;
using test::kBlack;
using test::kEditBold;
using test::kEditWork;
using test::kGrey;
using test::kLinked;
using test::KouteiDrawTest;
using test::kOwn;
using test::kWhite;

// ---- Draw modes ---------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, DrawModeTable) {
    struct Case {
        const char* name;
        bool relation;
        WORD kind;
        int mode;
        KouteiPen pen;
    };
    // Width code 2: the bold entry, 6.
    const std::vector<Case> cases = {
        {"normal", false, 3, 0, {3, 6, kOwn, R2_COPYPEN}},
        {"relation line", true, 3, 0, {3, 6, kLinked, R2_COPYPEN}},
        {"relation line of kind 5", true, 5, 0, {5, 6, kGrey, R2_COPYPEN}},
        {"selected", false, 3, 1, {3, 6, kEditWork, R2_COPYPEN}},
        {"selected kind 5", true, 5, 1, {0, 6, kEditWork, R2_COPYPEN}},
        {"feedback", false, 3, 2, {0, 6, kBlack, R2_NOT}},
        {"linked", false, 3, 3, {0, 6, kEditBold, R2_COPYPEN}},
        {"inactive", false, 3, 4, {3, 6, kGrey, R2_COPYPEN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 4, 10, 4);
        koutei.SetRelationLine(c.relation ? 1 : 0);
        koutei.GetLines()->GetAttr().m_type = c.kind;
        koutei.GetLines()->GetAttr().m_width = 2;
        EXPECT_EQ(GetDrawPen(koutei, layout, c.mode), c.pen);

        // Drawn so on screen, where type 5 is a light grey solid line.
        const auto dc = Drawn(koutei, c.mode);
        const auto lines = test::DrawnLines(*dc);
        ASSERT_EQ(lines.size(), 1u) << dc->Dump();
        EXPECT_EQ(lines[0].pen.LineStyle(), static_cast<UINT>(c.pen.type == 5 ? 0 : c.pen.type));
        EXPECT_EQ(lines[0].pen.width, 6);
        EXPECT_EQ(lines[0].pen.color, c.pen.color);
        const auto drawn = dc->Find(DcOp::LineTo);
        EXPECT_EQ(drawn[0].rop2, c.pen.rop2);
    }
}

// Drag feedback inverts everything it draws with a solid pen: black node fill, no spare days,
// no hatching of a bar, no node numbers.
TEST_F(KouteiDrawTest, FeedbackInvertsAndLeavesOutSpareDaysHatchingAndNumbers) {
    doc.set.SetHolidayMode(2);
    doc.Holidays(April(5), April(6));
    CKoutei& line = Process(2, 4, 10, 4);
    line.GetLines()->GetAttr().m_holiday = 1;
    line.SetSpareDays(CTimeSpan(3, 0, 0, 0));
    line.GetStartLand()->SetShape(0x0109);
    CKoutei& bar = Process(2, 8, 10, 8, 0x0140);
    bar.GetLines()->GetAttr().m_hatch = 3;
    for (CKoutei* koutei : {&line, &bar}) {
        const auto dc = Drawn(*koutei, kKouteiDrawFeedback);
        const auto drawings = dc->Drawings();
        ASSERT_FALSE(drawings.empty());
        for (const auto& r : drawings) {
            EXPECT_EQ(r.rop2, R2_NOT) << dc->Dump();
            if (!r.pen.IsNull()) {
                EXPECT_EQ(r.pen.LineStyle(), static_cast<UINT>(PS_SOLID)) << dc->Dump();
            }
        }
        for (const auto& r : dc->Records()) {
            EXPECT_NE(r.op, DcOp::TextOut) << "no node number";
        }
        for (const auto& r : dc->Find(DcOp::Polygon)) {
            EXPECT_NE(r.args.points.size(), 4u) << "no bar fill";
        }
    }
    const auto dc = Drawn(line, kKouteiDrawFeedback);
    const auto nodes = dc->Find(DcOp::Polygon);
    // The start node is a diamond filled black; no number in feedback.
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(nodes.back().brush.color, kBlack);
    EXPECT_EQ(line.GetDrawMode(), kKouteiDrawFeedback);
}

// Which mode each part takes from what is selected and the document's object mode.
TEST_F(KouteiDrawTest, PartModesFollowSelectionAndObjectMode) {
    enum Pick { kNothing, kAll, kLinesOnly, kStartOnly, kTermOnLines, kTermOnStart, kResources };
    struct Case {
        const char* name;
        Pick pick;
        LONG objectMode;
        int mode;
        int lines;
        int start;
        int end;
    };
    const LONG process = COperationState::kModeKoutei;
    const LONG term = COperationState::kModeYogo;
    const LONG resource = COperationState::kModeShigen;
    const std::vector<Case> cases = {
        {"nothing", kNothing, process, 0, 0, 0, 0},
        {"nothing, for reference", kNothing, process, 4, 4, 4, 4},
        {"all, process mode", kAll, process, 0, 1, 1, 1},
        {"all, term mode", kAll, term, 0, 3, 3, 3},
        {"all, in feedback", kAll, process, 2, 2, 2, 2},
        {"line only, process mode", kLinesOnly, process, 0, 1, 3, 3},
        {"line only, term mode", kLinesOnly, term, 0, 3, 0, 0},
        {"start node, process mode", kStartOnly, process, 0, 3, 1, 0},
        {"start node, resource mode", kStartOnly, resource, 0, 0, 1, 0},
        {"selected term on the line", kTermOnLines, term, 0, 3, 0, 0},
        {"selected term on the line, process mode", kTermOnLines, process, 0, 0, 0, 0},
        {"selected term on the start", kTermOnStart, term, 0, 0, 3, 0},
        {"resources, resource mode", kResources, resource, 0, 3, 0, 0},
        {"resources, process mode", kResources, process, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 4, 10, 4);
        Term(koutei, "L", kYogoOnLine, 0);
        Term(koutei, "S", kYogoOnStart, 0);
        switch (c.pick) {
        case kAll:
            koutei.Select();
            break;
        case kLinesOnly:
            koutei.SelectLines();
            break;
        case kStartOnly:
            koutei.SelectStartLand();
            break;
        case kTermOnLines:
            koutei.SelectYogo(0);
            break;
        case kTermOnStart:
            koutei.SelectYogo(1);
            break;
        case kResources:
            koutei.GetShigen()->Select();
            break;
        case kNothing:
            break;
        }
        EXPECT_EQ(GetLinesDrawMode(koutei, c.mode, c.objectMode), c.lines);
        EXPECT_EQ(GetLandDrawMode(koutei, kKouteiPartStart, c.mode, c.objectMode), c.start);
        EXPECT_EQ(GetLandDrawMode(koutei, kKouteiPartEnd, c.mode, c.objectMode), c.end);
    }
}

TEST_F(KouteiDrawTest, LabelModesFollowTheirOwnersOutsideTheirObjectMode) {
    CKoutei& koutei = Process(2, 4, 10, 4);
    Term(koutei, "L", kYogoOnLine, 0);
    Term(koutei, "E", kYogoOnEnd, 0);
    koutei.SelectLines();
    koutei.SelectYogo(1);
    const LONG term = COperationState::kModeYogo;
    const LONG process = COperationState::kModeKoutei;
    const LONG resource = COperationState::kModeShigen;
    EXPECT_EQ(GetYogoDrawMode(koutei, 0, 0, process), kKouteiDrawLinked);
    EXPECT_EQ(GetYogoDrawMode(koutei, 0, 0, term), kKouteiDrawNormal);
    EXPECT_EQ(GetYogoDrawMode(koutei, 1, 0, term), kKouteiDrawSelected);
    EXPECT_EQ(GetYogoDrawMode(koutei, 1, 2, term), kKouteiDrawFeedback);
    EXPECT_EQ(GetShigenDrawMode(koutei, 4, process), kKouteiDrawLinked);
    EXPECT_EQ(GetShigenDrawMode(koutei, 4, resource), 4);
    koutei.GetShigen()->Select();
    EXPECT_EQ(GetShigenDrawMode(koutei, 0, resource), kKouteiDrawSelected);
}

// The parts are drawn in the colours of their own modes: a selected line in process mode with
// its nodes in the linked colour.
TEST_F(KouteiDrawTest, EachPartInTheColourOfItsMode) {
    CKoutei& koutei = Process(2, 4, 10, 4);
    koutei.SelectLines();
    const auto dc = Drawn(koutei);
    for (const auto& line : test::DrawnLines(*dc)) {
        EXPECT_EQ(line.pen.color, kEditWork);
    }
    const auto nodes = dc->Find(DcOp::Ellipse);
    ASSERT_EQ(nodes.size(), 2u);
    for (const auto& node : nodes) {
        EXPECT_EQ(node.pen.color, kEditBold);
        EXPECT_EQ(node.brush.color, kWhite);
    }
    // The caller's mode is the process's again afterwards.
    EXPECT_EQ(koutei.GetDrawMode(), kKouteiDrawNormal);
}

TEST_F(KouteiDrawTest, AProcessWhoseEndsCoincideDrawsOnlyItsStartNodeTermsAndResources) {
    layout.SetShigenDispMode(1);
    CKoutei& koutei = Process(5, 4, 5, 4);
    koutei.GetEndLand()->SetShape(7);
    Term(koutei, "T", kYogoOnLine, 1);
    Resources(koutei, kBlack);
    const auto dc = Drawn(koutei);
    EXPECT_TRUE(test::DrawnLines(*dc).empty()) << dc->Dump();
    EXPECT_EQ(dc->Find(DcOp::Ellipse).size(), 1u);
    EXPECT_TRUE(dc->Find(DcOp::Polygon).empty()) << "no end node, no arrow head";
    EXPECT_EQ(test::DrawnTexts(*dc).size(), 3u);
}

// ---- Bounds -------------------------------------------------------------------------------------

// The bounds of a process hold everything its drawing reaches: arrow heads past bare nodes, the
// arcs of crossings on paper, long node numbers, leader lines below their labels.
TEST_F(KouteiDrawTest, BoundsCoverTheDrawing) {
    doc.kouteiParts = true;
    layout.SetShigenDispMode(1);
    doc.print.SetCrossType(1);
    doc.print.SetArcRay(25);
    doc.set.SetNobeMode(1);
    doc.set.SetJyunbiKikan(CTimeSpan(-10000, 0, 0, 0));
    Bind();
    Listed(2, 6, 10, 6);
    CKoutei& plumb = Listed(6, 2, 6, 10, kLineShapePlain, 0, 0);
    CKoutei& numbered = Listed(3, 8, 12, 8, kLineShapeStraight, 100, 100);
    numbered.GetEndLand()->SetShape(0x0109);
    CKoutei& labelled = Listed(14, 8, 20, 12, kLineShapeElbowVH, 0, 0);
    CYogo& term = Term(labelled, "Leader", kYogoOnLine, kYogoPlaceLeaderLeft);
    term.GetAttr().SetOffsetY(-100);
    Resources(labelled, kBlack);
    for (CKoutei* koutei : {&plumb, &numbered, &labelled}) {
        const CRect bounds = layout.GetObjectBounds(nullptr, koutei, 0);
        const auto dc = Drawn(*koutei, kKouteiDrawNormal, Device::Printer);
        std::vector<CPoint> reached;
        for (const auto& r : dc->Drawings()) {
            if (r.op == DcOp::TextOut) {
                const int width = std::abs(r.font.lfWidth) * static_cast<int>(r.args.text.size());
                const CPoint at = r.args.points[0];
                reached.insert(reached.end(),
                               {at, CPoint(at.x + width, at.y - std::abs(r.font.lfHeight))});
            } else if (r.op == DcOp::Ellipse || r.op == DcOp::Arc || r.op == DcOp::Rectangle) {
                reached.insert(reached.end(), {r.args.rect.TopLeft(), r.args.rect.BottomRight()});
            } else {
                reached.insert(reached.end(), r.args.points.begin(), r.args.points.end());
            }
        }
        ASSERT_FALSE(reached.empty());
        for (const CPoint& p : reached) {
            EXPECT_TRUE(p.x >= bounds.left && p.x <= bounds.right && p.y <= bounds.top &&
                        p.y >= bounds.bottom)
                << "(" << p.x << ", " << p.y << ") outside (" << bounds.left << ", " << bounds.top
                << ", " << bounds.right << ", " << bounds.bottom << ")";
        }
    }
}

} // namespace
} // namespace tembra
