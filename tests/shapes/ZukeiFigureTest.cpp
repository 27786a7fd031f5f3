// The standard figures as records and drawings: their outline tables, kinds and classes, copies,
// what each draws as shown and as feedback, the rounded box's corner at a zoom and the circle's
// square placement.
#include "document/FailingAllocator.h"
#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiInBox.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tembra {
namespace {

using test::FigureKinds;
using test::ThreeAnchors;
using test::TwoAnchors;

template <std::size_t N> std::vector<CPoint> Points(const std::array<CPoint, N>& points) {
    return std::vector<CPoint>(points.begin(), points.end());
}

// ---- Outlines -----------------------------------------------------------------------------------

TEST(ZukeiFigureTest, OutlinesDivideTheSignedSidesTruncatingTowardZero) {
    struct Case {
        const char* what;
        std::vector<CPoint> points;
        std::vector<CPoint> expected;
    };
    const Case cases[] = {
        {"arrow 1",
         Points(CZukeiArrow1::Outline(CRect(0, 0, 100, 90))),
         {{25, 0}, {75, 0}, {75, 60}, {100, 60}, {50, 90}, {0, 60}, {25, 60}}},
        // Right to left, W = -10: W/4 = -2, 3W/4 = -7, W/2 = -5.
        {"arrow 1 right to left",
         Points(CZukeiArrow1::Outline(CRect(10, 0, 0, 90))),
         {{8, 0}, {3, 0}, {3, 60}, {0, 60}, {5, 90}, {10, 60}, {8, 60}}},
        {"arrow 1, shoulder moved",
         Points(CZukeiArrow1::Outline(CRect(0, 0, 100, 90), -2)),
         {{25, 0}, {75, 0}, {75, 58}, {100, 58}, {50, 90}, {0, 58}, {25, 58}}},
        {"arrow 2",
         Points(CZukeiArrow2::Outline(CRect(0, 0, 100, 90))),
         {{100, 45}, {66, 0}, {66, 22}, {0, 22}, {0, 67}, {66, 67}, {66, 90}}},
        {"arrow 2 bottom to top",
         Points(CZukeiArrow2::Outline(CRect(0, 90, 100, 0))),
         {{100, 45}, {66, 90}, {66, 68}, {0, 68}, {0, 23}, {66, 23}, {66, 0}}},
        {"diamond",
         Points(CZukeiDiamond::Outline(CRect(0, 0, 100, 90))),
         {{0, 45}, {50, 90}, {100, 45}, {50, 0}}},
        // Points down from (0, 0) to (10, -20), up from (0, -20) to (10, 0).
        {"triangle 1 down",
         Points(CZukeiDelta1::Outline(CRect(0, 0, 10, -20))),
         {{0, 0}, {10, 0}, {5, -20}}},
        {"triangle 1 up",
         Points(CZukeiDelta1::Outline(CRect(0, -20, 10, 0))),
         {{0, -20}, {10, -20}, {5, 0}}},
        {"triangle 2 right",
         Points(CZukeiDelta2::Outline(CRect(0, 0, 30, -10))),
         {{0, 0}, {0, -10}, {30, -5}}},
        // An odd width puts the apex half a unit toward the first anchor.
        {"triangle 1 odd",
         Points(CZukeiDelta1::Outline(CRect(0, 0, 11, -20))),
         {{0, 0}, {11, 0}, {5, -20}}},
        {"triangle 1 odd, right to left",
         Points(CZukeiDelta1::Outline(CRect(11, 0, 0, -20))),
         {{11, 0}, {0, 0}, {6, -20}}},
        {"triangle 2 odd",
         Points(CZukeiDelta2::Outline(CRect(0, 0, 30, -11))),
         {{0, 0}, {0, -11}, {30, -5}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.points, c.expected) << c.what;
    }
}

// ---- Records ------------------------------------------------------------------------------------

TEST(ZukeiFigureTest, EachClassWritesItsKindAndCountsItsSegments) {
    struct Case {
        std::unique_ptr<CZukei> shape;
        WORD kind;
        int segments;
    };
    Case cases[] = {
        {std::make_unique<CZukei3>(), 0, 0},
        {std::make_unique<CZukeiLine>(), kZukeiLine, 1},
        {std::make_unique<CZukeiBox>(), kZukeiBox, 1},
        {std::make_unique<CZukeiBox2>(), kZukeiBox2, 1},
        {std::make_unique<CZukeiCircle>(), kZukeiCircle, 1},
        {std::make_unique<CZukeiEllipse>(), kZukeiEllipse, 1},
        {std::make_unique<CZukeiArc>(), kZukeiArc, 0},
        {std::make_unique<CZukeiFan>(), kZukeiFan, 0},
        {std::make_unique<CZukeiDelta1>(), kZukeiDelta1, 1},
        {std::make_unique<CZukeiDelta2>(), kZukeiDelta2, 1},
        {std::make_unique<CZukeiArrow1>(), kZukeiArrow1, 1},
        {std::make_unique<CZukeiArrow2>(), kZukeiArrow2, 1},
        {std::make_unique<CZukeiDiamond>(), kZukeiDiamond, 1},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.shape->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(c.shape->GetType(), kTypeZukei);
        EXPECT_EQ(c.shape->GetKind(), c.kind);
        EXPECT_EQ(c.shape->GetWord6(), 1000);
        EXPECT_EQ(c.shape->GetLayer(), 0);
        EXPECT_EQ(c.shape->IsSelected(), 0);
        EXPECT_EQ(c.shape->GetSegmentCount(), c.segments);
        EXPECT_EQ(c.shape->GetElementCount(), 1);
        c.shape->SetKind(99);
        c.shape->SetKind();
        EXPECT_EQ(c.shape->GetKind(), c.kind);
    }
}

TEST(ZukeiFigureTest, EveryClassIsKnownByNameWithSchemaOne) {
    for (const char* name : {"CZukei3", "CZukeiLine", "CZukeiBox", "CZukeiBox2", "CZukeiCircle",
                             "CZukeiEllipse", "CZukeiArc", "CZukeiFan", "CZukeiDelta1",
                             "CZukeiDelta2", "CZukeiArrow1", "CZukeiArrow2", "CZukeiDiamond"}) {
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->m_wSchema, 1u) << name;
        std::unique_ptr<CObject> made(cls->CreateObject());
        ASSERT_NE(made, nullptr) << name;
        EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CZukei))) << name;
    }
}

TEST(ZukeiFigureTest, AFigureIsReadByItsClassNameWithEverythingItStored) {
    for (const test::FigureKind& kind : FigureKinds()) {
        std::unique_ptr<CZukei> shape = kind.make();
        shape->SetLayer(3);
        const test::Bytes bytes = test::Store([&](CArchive& ar) { ar.WriteObject(shape.get()); });
        std::unique_ptr<CZukei> read;
        test::Load(bytes, [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); });
        ASSERT_NE(read, nullptr) << kind.name;
        EXPECT_EQ(read->GetRuntimeClass(), shape->GetRuntimeClass()) << kind.name;
        EXPECT_EQ(test::Store(*read), test::Store(*shape)) << kind.name;
    }
}

TEST(ZukeiFigureTest, ACloneIsOfItsOwnClassWithEverythingCopied) {
    for (const test::FigureKind& kind : FigureKinds()) {
        std::unique_ptr<CZukei> shape = kind.make();
        shape->SetAttr(CZukeiAttr{7, 2, 3, -4, RGB(9, 8, 7), 5, RGB(1, 2, 3), 44});
        shape->SetPage(0, 0);
        shape->SetLayer(6);
        shape->Select();
        const std::unique_ptr<CZukei> copy = shape->Clone();
        ASSERT_NE(copy, nullptr) << kind.name;
        EXPECT_EQ(copy->GetRuntimeClass(), shape->GetRuntimeClass()) << kind.name;
        EXPECT_EQ(copy->IsSelected(), 1) << kind.name;
        EXPECT_EQ(test::Store(*copy), test::Store(*shape)) << kind.name;
    }
}

TEST(ZukeiFigureTest, ACloneThatCannotBeMadeIsReported) {
    test::ScopedUi ui;
    for (const test::FigureKind& kind : FigureKinds()) {
        const std::unique_ptr<CZukei> shape = kind.make();
        std::unique_ptr<CZukei> copy;
        {
            test::FailingAllocation failure(0);
            copy = shape->Clone();
            EXPECT_TRUE(failure.Fired()) << kind.name;
        }
        EXPECT_EQ(copy, nullptr) << kind.name;
    }
    ASSERT_EQ(ui->MessageBoxes().size(), FigureKinds().size());
    EXPECT_EQ(ui->MessageBoxes()[0].text, "線画データの生成ができません");
}

// ---- Drawing ------------------------------------------------------------------------------------

// Whether a call fills with the brush.
bool Fills(DcOp op) {
    return op == DcOp::Rectangle || op == DcOp::Ellipse || op == DcOp::Pie ||
           op == DcOp::RoundRect || op == DcOp::Polygon || op == DcOp::Chord;
}

TEST(ZukeiFigureTest, EachKindDrawsItsFigureWithItsAttributes) {
    test::ShapeChart chart;
    struct Case {
        const char* kind;
        DcOp op;
        std::vector<CPoint> points; // of the call, when the figure draws through points
    };
    const Case cases[] = {
        {"line", DcOp::LineTo, {{400, 60}, {600, -140}}},
        {"box", DcOp::Rectangle, {}},
        {"rounded box", DcOp::RoundRect, {{30, 30}}},
        {"circle", DcOp::Ellipse, {}},
        {"ellipse", DcOp::Ellipse, {}},
        {"arc", DcOp::Arc, {{600, -40}, {500, 60}}},
        {"fan", DcOp::Pie, {{600, -40}, {500, 60}}},
        {"triangle 1", DcOp::Polygon, {{400, 60}, {600, 60}, {500, -140}}},
        {"triangle 2", DcOp::Polygon, {{400, 60}, {400, -140}, {600, -40}}},
        {"arrow 1",
         DcOp::Polygon,
         {{450, 60}, {550, 60}, {550, -73}, {600, -73}, {500, -140}, {400, -73}, {450, -73}}},
        {"arrow 2",
         DcOp::Polygon,
         {{600, -40}, {533, 60}, {533, 10}, {400, 10}, {400, -90}, {533, -90}, {533, -140}}},
        {"diamond", DcOp::Polygon, {{400, -40}, {500, -140}, {600, -40}, {500, 60}}},
    };
    std::size_t i = 0;
    for (const test::FigureKind& kind : FigureKinds()) {
        ASSERT_LT(i, std::size(cases));
        const Case& c = cases[i++];
        ASSERT_EQ(kind.name, c.kind);
        SCOPED_TRACE(c.kind);
        std::unique_ptr<CZukei> shape = kind.make();
        shape->SetColor(RGB(200, 0, 0));
        shape->SetHatchColor(RGB(0, 200, 0));
        shape->SetHatch(99);
        shape->SetWidth(-3);
        CRecordingDC dc;
        shape->Draw(chart, dc, kDrawNormal);
        const std::vector<CRecordingDC::Record> drawn = dc.Find(c.op);
        ASSERT_EQ(drawn.size(), 1u) << dc.Dump();
        EXPECT_EQ(dc.Drawings().size(), 1u) << dc.Dump();
        const CRecordingDC::Record& r = drawn[0];
        if (!c.points.empty()) {
            EXPECT_EQ(r.args.points, c.points);
        }
        if (c.op == DcOp::Rectangle || c.op == DcOp::Ellipse || c.op == DcOp::RoundRect) {
            EXPECT_EQ(r.args.rect.left, 400);
            EXPECT_EQ(r.args.rect.top, 60);
        }
        EXPECT_EQ(r.pen.color, RGB(200, 0, 0));
        EXPECT_EQ(r.pen.width, 3);
        EXPECT_EQ(r.rop2, R2_COPYPEN);
        EXPECT_EQ(r.bkMode, OPAQUE);
        if (Fills(c.op)) {
            EXPECT_EQ(r.brush.style, BS_SOLID);
            EXPECT_EQ(r.brush.color, RGB(0, 200, 0));
        }
        // Not on the view's page: nothing at all.
        shape->SetPage(1, 0);
        dc.Clear();
        shape->Draw(chart, dc, kDrawNormal);
        shape->DrawMoving(chart, dc, CPoint(5, 5));
        shape->DrawTracking(chart, dc, CPoint(5, 5), kHandleRight, CRect(400, 60, 600, -140));
        EXPECT_TRUE(dc.Drawings().empty()) << dc.Dump();
    }
}

TEST(ZukeiFigureTest, FeedbackOfEveryKindIsBlackInvertingAndUnfilled) {
    test::ShapeChart chart;
    const CRect ref(400, 60, 600, -140);
    for (const test::FigureKind& kind : FigureKinds()) {
        std::unique_ptr<CZukei> shape = kind.make();
        shape->SetColor(RGB(200, 0, 0));
        shape->SetHatch(99);
        shape->Select();
        CRecordingDC moving;
        shape->DrawMoving(chart, moving, CPoint(10, -10));
        CRecordingDC tracking;
        shape->DrawTracking(chart, tracking, CPoint(30, 0), kHandleRight, ref);
        CRecordingDC drawing;
        shape->Draw(chart, drawing, kDrawFeedback);
        for (const CRecordingDC* dc : {&moving, &tracking, &drawing}) {
            const std::vector<CRecordingDC::Record> drawn = dc->Drawings();
            ASSERT_FALSE(drawn.empty()) << kind.name;
            for (const CRecordingDC::Record& r : drawn) {
                SCOPED_TRACE(testing::Message() << kind.name << " " << DcOpName(r.op));
                EXPECT_EQ(r.rop2, R2_NOT);
                EXPECT_EQ(r.pen.color, RGB(0, 0, 0));
                if (Fills(r.op)) {
                    EXPECT_TRUE(r.brush.IsNull());
                }
            }
        }
    }
}

TEST(ZukeiFigureTest, FeedbackFollowsTheMoveAndTheHandle) {
    test::ShapeChart chart;
    const CRect ref(400, 60, 600, -140);
    auto box = TwoAnchors<CZukeiBox>(CPoint(400, 60), CPoint(600, -140));
    CRecordingDC dc;
    box->DrawMoving(chart, dc, CPoint(10, -10));
    box->DrawTracking(chart, dc, CPoint(30, 0), kHandleRight, ref);
    const std::vector<CRecordingDC::Record> rects = dc.Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 2u) << dc.Dump();
    EXPECT_EQ(rects[0].args.rect.left, 410);
    EXPECT_EQ(rects[0].args.rect.top, 50);
    EXPECT_EQ(rects[1].args.rect.left, 400);
    EXPECT_EQ(rects[1].args.rect.right, 631); // both edges drawn: right + 1

    auto arrow = TwoAnchors<CZukeiArrow2>(CPoint(400, 60), CPoint(600, -140));
    dc.Clear();
    arrow->DrawTracking(chart, dc, CPoint(-100, 0), kHandleRight, ref);
    ASSERT_EQ(dc.Find(DcOp::Polygon).size(), 1u);
    EXPECT_EQ(dc.Find(DcOp::Polygon)[0].args.points[0], CPoint(500, -40)); // its point at 500

    auto arc = ThreeAnchors<CZukeiArc>(CPoint(500, -40), CPoint(600, -40), CPoint(500, 60));
    dc.Clear();
    arc->DrawMoving(chart, dc, CPoint(10, -10));
    ASSERT_EQ(dc.Find(DcOp::Arc).size(), 1u);
    EXPECT_EQ(dc.Find(DcOp::Arc)[0].args.points, (std::vector<CPoint>{{610, -50}, {510, 50}}));
}

// The figures drawn in their anchors' box show, while moved or resized, their own outline in the
// box the drag leaves: the same calls as the figure drawn there in mode 2.
TEST(ZukeiFigureTest, FeedbackIsTheFigureItselfInTheMovedOrResizedBox) {
    test::ShapeChart chart;
    const CPoint a(400, 60);
    const CPoint b(600, -140);
    const CRect ref(a, b);
    const CPoint move(10, -10);
    // Handle 5 dragged by (30, -20): the right edge to 630, the bottom to -160.
    const CPoint drag(30, -20);
    const CPoint resizedEnd(630, -160);
    std::size_t boxed = 0;
    for (const test::FigureKind& kind : FigureKinds()) {
        std::unique_ptr<CZukei> shape = kind.make();
        if (dynamic_cast<CZukeiInBox*>(shape.get()) == nullptr) {
            continue;
        }
        ++boxed;
        struct Step {
            const char* what;
            CPoint first;
            CPoint second;
        };
        for (const Step& step :
             {Step{"moved", a + move, b + move}, Step{"resized", a, resizedEnd}}) {
            SCOPED_TRACE(testing::Message() << kind.name << " " << step.what);
            CRecordingDC feedback;
            if (step.second == resizedEnd) {
                shape->DrawTracking(chart, feedback, drag, kHandleBottomRight, ref);
            } else {
                shape->DrawMoving(chart, feedback, move);
            }
            std::unique_ptr<CZukei> there = shape->Clone();
            ASSERT_NE(there, nullptr);
            auto* placed = static_cast<CZukei2*>(there.get());
            placed->SetAnchor1(test::OnPage(step.first));
            placed->SetAnchor2(test::OnPage(step.second));
            CRecordingDC drawn;
            placed->Draw(chart, drawn, kDrawFeedback);

            const std::vector<CRecordingDC::Record> got = feedback.Drawings();
            const std::vector<CRecordingDC::Record> want = drawn.Drawings();
            ASSERT_FALSE(want.empty());
            ASSERT_EQ(got.size(), want.size()) << feedback.Dump() << "\n---\n" << drawn.Dump();
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].op, want[i].op) << i;
                EXPECT_EQ(got[i].args.points, want[i].args.points) << i;
                EXPECT_EQ(got[i].args.rect, want[i].args.rect) << i;
                EXPECT_EQ(got[i].pen, want[i].pen) << i;
                EXPECT_EQ(got[i].rop2, want[i].rop2) << i;
                EXPECT_EQ(got[i].brush.IsNull(), want[i].brush.IsNull()) << i;
            }
        }
    }
    // Boxes, rounded boxes, circles, ellipses, both triangles, both arrows and the diamond.
    EXPECT_EQ(boxed, 9u);
}

TEST(ZukeiFigureTest, AnArcOrFanBeingPlacedShowsItsWholeCircle) {
    test::ShapeChart chart;
    const CPoint c(500, -40);
    auto arc = ThreeAnchors<CZukeiArc>(c, CPoint(600, -40), CPoint(0, 0), 2);
    auto fan = ThreeAnchors<CZukeiFan>(c, CPoint(600, -40), CPoint(0, 0), 2);
    for (CZukei* shape : {static_cast<CZukei*>(arc.get()), static_cast<CZukei*>(fan.get())}) {
        CRecordingDC dc;
        shape->Draw(chart, dc, kDrawFeedback);
        const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
        ASSERT_EQ(drawn.size(), 1u) << dc.Dump();
        EXPECT_EQ(drawn[0].op, DcOp::Ellipse);
        EXPECT_EQ(drawn[0].args.rect, CRect(400, 60, 600, -140));
        EXPECT_TRUE(drawn[0].brush.IsNull());
        EXPECT_EQ(drawn[0].rop2, R2_NOT);
    }

    // With its third anchor a fan being drawn shows its curve and both radii, to the points
    // where they were placed.
    auto placed = ThreeAnchors<CZukeiFan>(c, CPoint(600, -40), CPoint(500, 0));
    CRecordingDC dc;
    placed->Draw(chart, dc, kDrawFeedback);
    const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
    ASSERT_EQ(drawn.size(), 3u) << dc.Dump();
    EXPECT_EQ(drawn[0].op, DcOp::Arc);
    EXPECT_EQ(drawn[1].op, DcOp::LineTo);
    EXPECT_EQ(drawn[1].args.points, (std::vector<CPoint>{{500, -40}, {500, 0}}));
    EXPECT_EQ(drawn[2].op, DcOp::LineTo);
    EXPECT_EQ(drawn[2].args.points, (std::vector<CPoint>{{500, -40}, {600, -40}}));
    // Shown, the same fan is a sector.
    dc.Clear();
    placed->Draw(chart, dc, kDrawNormal);
    EXPECT_EQ(dc.Find(DcOp::Pie).size(), 1u);
}

TEST(ZukeiFigureTest, ARoundedBoxScalesItsCornerWithTheZoom) {
    test::ShapeChart chart;
    chart.layout.SetZoomIndex(5); // 200 %
    chart.layout.RecalcLayout();
    ASSERT_EQ(chart.layout.GetZoom(), 200);
    auto box = TwoAnchors<CZukeiBox2>(CPoint(100, -100), CPoint(300, -300));
    box->SetBoxRay(30);
    EXPECT_EQ(box->GetCorner(chart), CPoint(60, -60));
    CRecordingDC dc;
    box->Draw(chart, dc, kDrawNormal);
    ASSERT_EQ(dc.Find(DcOp::RoundRect).size(), 1u) << dc.Dump();
    EXPECT_EQ(dc.Find(DcOp::RoundRect)[0].args.points, (std::vector<CPoint>{{60, 60}}));
    // The corner is a signed 16-bit value.
    box->SetBoxRay(static_cast<WORD>(-10));
    EXPECT_EQ(box->GetCorner(chart), CPoint(-20, 20));
}

// ---- The circle's square -----------------------------------------------------------------------

TEST(ZukeiFigureTest, ACircleIsPlacedSquareFromItsCornerOrItsCentre) {
    test::ShapeChart chart;
    struct Case {
        DWORD flags;
        CPoint to;
        CRect expected;
    };
    const Case cases[] = {
        {0, {30, -10}, {0, 0, 30, -30}},
        {CDatePos::kFlagFromCenter, {30, -10}, {-30, 30, 30, -30}},
        {0, {-10, 40}, {0, 0, -40, 40}},
        {0, {0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CZukeiCircle circle;
        circle.SetPointMode(kPlaceOnPage);
        CDatePos pos;
        pos.point = CPoint(0, 0);
        pos.dragStart = CPoint(0, 0);
        pos.flags = c.flags;
        circle.SetPoint(pos, chart, 1);
        pos.point = c.to;
        pos.flags = 0; // the choice was made with the first anchor
        circle.SetPoint(pos, chart, 2);
        EXPECT_EQ(circle.GetAnchor1().GetOffset(), c.expected.TopLeft()) << c.to.x;
        EXPECT_EQ(circle.GetAnchor2().GetOffset(), c.expected.BottomRight()) << c.to.x;
        EXPECT_EQ(circle.GetDeviceRect(chart), c.expected) << c.to.x;
    }
}

TEST(ZukeiFigureTest, ACirclesAnchorsTakeTheDateAndRowOfTheirPoints) {
    test::ShapeChart chart;
    CZukeiCircle circle;
    circle.SetPage(3, 3);
    CDatePos pos;
    pos.point = CPoint(1635, -860);
    pos.dragStart = pos.point;
    pos.date = test::Day(2010, 4, 2); // the cursor's own date is not used
    circle.SetPoint(pos, chart, 1);
    EXPECT_EQ(circle.GetPageCol(), 0u);
    EXPECT_EQ(circle.GetAnchor1().GetDate(), test::Day(2010, 4, 16));
    pos.point = CPoint(1856, -900);
    circle.SetPoint(pos, chart, 2);
    EXPECT_EQ(circle.GetAnchor1().GetDate(), test::Day(2010, 4, 16));
    EXPECT_DOUBLE_EQ(circle.GetAnchor1().GetRow(), 15.0);
    EXPECT_EQ(circle.GetAnchor2().GetOffset(), CPoint(1856, -1081));
    EXPECT_EQ(circle.GetAnchor2().GetDate(), CZukei::XToDate(chart, 1856));
    EXPECT_DOUBLE_EQ(circle.GetAnchor2().GetRow(), CZukei::YToRow(chart, -1081));
    // Any other index changes nothing.
    const CZukeiPoint before = circle.GetAnchor2();
    circle.SetPoint(pos, chart, 3);
    EXPECT_EQ(circle.GetAnchor2(), before);
}

} // namespace
} // namespace tembra
