// The shape record: its header, its stored parts byte for byte, its class registry, and the pen
// and brush it draws with.
#include "model/ConfigBase.h"
#include "model/ConfigZukei.h"
#include "platform/Archive.h"
#include "platform/RecordingDC.h"
#include "shapes/Zukei.h"
#include "shapes/Zukei2.h"
#include "shapes/ZukeiEx.h"
#include "shapes/ZukeiPoint.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiView.h"
#include "support/ArchiveBytes.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Day;

Bytes AnchorBytes(const CZukeiPoint& point) {
    std::array<BYTE, CZukeiPoint::kFileSize> block{};
    point.ToFile(block.data());
    return Bytes(block.begin(), block.end());
}

// ---- Anchors ------------------------------------------------------------------------------------

TEST(ZukeiPointTest, FileFormByHand) {
    const CZukeiPoint anchor(Day(2005, 4, 1), 2.5, CPoint(3, -7));
    const Bytes expected = {0x70, 0x10, 0x4C, 0x42, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x04, 0x40, 0x03, 0x00, 0xF9, 0xFF};
    EXPECT_EQ(AnchorBytes(anchor), expected);

    CZukeiPoint back;
    back.FromFile(expected.data());
    EXPECT_EQ(back, anchor);
}

TEST(ZukeiPointTest, OffsetsBeyondSixteenBitsStoreTheNearestLimit) {
    struct Case {
        CPoint offset;
        CPoint stored;
    };
    const Case cases[] = {
        {{40000, -7}, {32767, -7}},
        {{-40000, 70000}, {-32768, 32767}},
        {{32767, -32768}, {32767, -32768}},
    };
    for (const Case& c : cases) {
        CZukeiPoint back;
        back.FromFile(AnchorBytes(CZukeiPoint(Day(2010, 4, 1), 0.25, c.offset)).data());
        EXPECT_EQ(back.GetOffset(), c.stored) << c.offset.x << ", " << c.offset.y;
        EXPECT_EQ(back.GetDate(), Day(2010, 4, 1));
        EXPECT_EQ(back.GetRow(), 0.25);
    }
}

// ---- The record ---------------------------------------------------------------------------------

CZukeiAttr ConfigDefaults() {
    CConfigZukei config;
    config.Read(FALSE);
    return config.GetAttr();
}

TEST(ZukeiRecordTest, EmptyPolygonWithTheDefaultsStoresByHand) {
    CZukeiPolygon polygon;
    polygon.SetAttr(ConfigDefaults());
    const Bytes expected = ByteWriter()
                               .Header(kTypeZukei, kZukeiPolygon)
                               .Zeros(12) // Style, PointMode, Type, Width, Color
                               .Word(100) // Hatch
                               .Dword(0)  // HatchColor
                               .Word(30)  // BoxRay
                               .Dword(0)  // PageCol
                               .Word(0)   // PageRow
                               .Word(0)   // point count
                               .Get();
    EXPECT_EQ(test::Store(polygon), expected);
}

TEST(ZukeiRecordTest, AttributesAndPageRoundTripInTheirPlaces) {
    CZukeiPolyLine line;
    line.SetAttr(CZukeiAttr{-2, 1, 0xFFFF, -5, RGB(1, 2, 3), 999, RGB(4, 5, 6), 77});
    line.SetPage(0x01020304, 0xA0B0);
    line.SetLayer(7);
    const Bytes expected = ByteWriter()
                               .Word(kTypeZukei)
                               .Word(0)
                               .Word(kZukeiPolyLine)
                               .Word(0)
                               .Word(0)
                               .Word(1000)
                               .Word(7)
                               .Word(0)
                               .Zeros(16)
                               .Word(0xFFFE)
                               .Word(1)
                               .Word(0xFFFF)
                               .Word(0xFFFB)
                               .Dword(RGB(1, 2, 3))
                               .Word(999)
                               .Dword(RGB(4, 5, 6))
                               .Word(77)
                               .Dword(0x01020304)
                               .Word(0xA0B0)
                               .Word(0)
                               .Get();
    const Bytes bytes = test::Store(line);
    EXPECT_EQ(bytes, expected);

    CZukeiPolyLine back;
    test::Load(bytes, back);
    EXPECT_EQ(back.GetAttr(), line.GetAttr());
    EXPECT_EQ(back.GetPageCol(), 0x01020304u);
    EXPECT_EQ(back.GetPageRow(), 0xA0B0);
    EXPECT_EQ(back.GetLayer(), 7);
    EXPECT_EQ(test::Store(back), bytes);
}

TEST(ZukeiRecordTest, TwoAnchorsStoreTheirBlockAfterTheCommonPart) {
    CZukei2 shape;
    const Bytes common = test::Store([&](CArchive& ar) { shape.CZukei::Serialize(ar); });
    EXPECT_EQ(common.size(), CDataHeader::kFileSize + CZukei::kFileSize);
    EXPECT_EQ(test::Store(shape), ByteWriter().Append(common).Zeros(32).Get());

    shape.SetAnchors(Day(2005, 4, 1), 2.5, Day(2010, 4, 30), -1.0);
    CZukei2 back;
    test::Load(test::Store(shape), back);
    EXPECT_EQ(back.GetAnchor1(), shape.GetAnchor1());
    EXPECT_EQ(back.GetAnchor2(), shape.GetAnchor2());
}

TEST(ZukeiRecordTest, ConstructionSetsTheHeaderAndTheKind) {
    struct Case {
        std::unique_ptr<CZukei> shape;
        WORD kind;
    };
    Case cases[] = {
        {std::make_unique<CZukei>(), 0},
        {std::make_unique<CZukei2>(), 0},
        {std::make_unique<CZukeiEx>(), 0},
        {std::make_unique<CZukeiPolyLine>(), kZukeiPolyLine},
        {std::make_unique<CZukeiPolygon>(), kZukeiPolygon},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.shape->GetType(), kTypeZukei);
        EXPECT_EQ(c.shape->GetKind(), c.kind);
        EXPECT_EQ(c.shape->GetWord6(), 1000);
        EXPECT_EQ(c.shape->GetLayer(), 0);
        EXPECT_EQ(c.shape->IsSelected(), 0);
        c.shape->SetKind(99);
        c.shape->SetKind();
        EXPECT_EQ(c.shape->GetKind(), c.kind);
    }
}

TEST(ZukeiRecordTest, EveryClassIsKnownByNameWithSchemaOne) {
    for (const char* name : {"CZukei", "CZukei2", "CZukeiEx", "CZukeiPolyLine", "CZukeiPolygon"}) {
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->m_wSchema, 1u) << name;
        std::unique_ptr<CObject> made(cls->CreateObject());
        ASSERT_NE(made, nullptr) << name;
        EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CZukei))) << name;
    }
}

TEST(ZukeiRecordTest, ReadByClassNameThroughTheArchive) {
    CZukeiPolygon polygon;
    polygon.AddPoint(CZukeiPoint(Day(2010, 4, 2), 1.0));
    polygon.AddPoint(CZukeiPoint(Day(2010, 4, 3), 2.0));
    const Bytes bytes = test::Store([&](CArchive& ar) { ar.WriteObject(&polygon); });
    // A class met for the first time: its tag, schema and name, then the fields.
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 19),
              ByteWriter().NewClass(1, "CZukeiPolygon").Get());

    std::unique_ptr<CZukei> read;
    test::Load(bytes, [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); });
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetRuntimeClass(), RUNTIME_CLASS(CZukeiPolygon));
    EXPECT_EQ(read->GetElementCount(), 2);
}

TEST(ZukeiRecordTest, AsZukeiTakesOnlyShapeRecords) {
    CZukeiPolyLine line;
    CDataHeader* record = &line;
    EXPECT_EQ(AsZukei(record), &line);
    line.SetType(kTypeEvent); // a damaged file's codes
    EXPECT_EQ(AsZukei(record), nullptr);
    CDataHeader plain;
    plain.SetType(kTypeZukei);
    EXPECT_EQ(AsZukei(&plain), nullptr);
}

TEST(ZukeiRecordTest, CopyAttrToTakesAttributesAndPage) {
    CZukeiPolygon source;
    source.SetAttr(CZukeiAttr{2, 2, 3, 4, RGB(9, 8, 7), 5, RGB(1, 1, 1), 6});
    source.SetPage(3, 4);
    CZukeiPolyLine dest;
    source.CopyAttrTo(dest);
    EXPECT_EQ(dest.GetAttr(), source.GetAttr());
    EXPECT_EQ(dest.GetPageCol(), 3u);
    EXPECT_EQ(dest.GetPageRow(), 4);
    EXPECT_EQ(dest.GetKind(), kZukeiPolyLine);
}

// ---- What the base does -----------------------------------------------------------------------

TEST(ZukeiRecordTest, TheBaseAnswersEmptyAndTheDrawingStepsDoNothingOnOtherShapes) {
    test::ShapeChart chart;
    CZukei base;
    EXPECT_EQ(base.GetDeviceRect(chart), CRect());
    EXPECT_EQ(base.GetResizedRect(chart, CPoint(5, 5), 5, CRect(0, 10, 10, 0)), CRect());
    EXPECT_EQ(base.Clone(), nullptr);
    EXPECT_EQ(base.GetElementCount(), 1);
    EXPECT_EQ(base.GetSegmentCount(), 0);

    // A two-anchor shape is no point-list shape: the steps of drawing one change nothing.
    CZukei2 shape;
    shape.SetAnchors(Day(2010, 4, 2), 1.0, Day(2010, 4, 5), 3.0);
    const Bytes before = test::Store(shape);
    CRecordingDC dc;
    shape.RemovePrevPoint();
    shape.RemoveLastPoint();
    shape.EraseLastSegment(chart, dc);
    shape.DrawClosingSegment(chart, dc);
    EXPECT_EQ(test::Store(shape), before);
    EXPECT_TRUE(dc.Drawings().empty());
    EXPECT_TRUE(chart.updates.empty());
}

TEST(ZukeiRecordTest, SelectAndDeselectSetTheFlag) {
    CZukeiPolygon polygon;
    polygon.Select();
    EXPECT_EQ(polygon.IsSelected(), 1);
    polygon.Deselect();
    EXPECT_EQ(polygon.IsSelected(), 0);
}

// ---- Pen and brush ------------------------------------------------------------------------------

TEST(ZukeiPenTest, WidthCodesTakeTheDocumentsWidthTable) {
    test::ShapeChart chart;
    CWidthSet& widths = chart.settings.GetZukei().GetWidthSet();
    widths.SetAt(0, 4);
    widths.SetAt(1, 2);
    widths.SetAt(2, 9);
    struct Case {
        short width;
        int pen;
    };
    const Case cases[] = {{0, 4}, {1, 2}, {2, 9}, {7, 4}, {-3, 3}, {-1, 1}};
    for (const Case& c : cases) {
        CZukeiPolyLine line;
        line.SetWidth(c.width);
        EXPECT_EQ(line.GetPenWidth(chart), c.pen) << c.width;
    }
    // A layout without a document takes the built-in table.
    const CPageLayout bare;
    CZukeiPolyLine line;
    line.SetWidth(2);
    EXPECT_EQ(line.GetPenWidth(bare), 6);
}

TEST(ZukeiPenTest, DrawingModesChooseColourRasterOperationAndFill) {
    test::ShapeChart chart;
    const COLORREF selection = GetAppConfig()->GetColor().GetEditWork();
    CZukeiPolygon polygon;
    polygon.SetAttr(CZukeiAttr{2, 0, 1, -2, RGB(10, 20, 30), 99, RGB(40, 50, 60), 30});

    struct Case {
        bool selected;
        int mode;
        ZukeiPen pen; // mode, type, width, colour, hatch, brush colour, ROP2
    };
    const Case cases[] = {
        {false, kDrawNormal, {0, 1, 2, RGB(10, 20, 30), 99, RGB(40, 50, 60), R2_COPYPEN}},
        {true, kDrawNormal, {kDrawSelected, 1, 2, selection, 99, RGB(40, 50, 60), R2_COPYPEN}},
        {true, kDrawReference, {4, 1, 2, 0xC0C0C0, 99, 0xC0C0C0, R2_COPYPEN}},
        {false, kDrawReference, {4, 1, 2, 0xC0C0C0, 99, 0xC0C0C0, R2_COPYPEN}},
        {true, kDrawFeedback, {2, 1, 2, RGB(0, 0, 0), -1, 0, R2_NOT}},
        {false, kDrawFeedback, {2, 1, 2, RGB(0, 0, 0), -1, 0, R2_NOT}},
    };
    for (const Case& c : cases) {
        polygon.SetSelected(c.selected ? 1 : 0);
        const ZukeiPen pen = polygon.GetPenBrushAttr(chart.layout, c.mode);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " selected " << c.selected);
        EXPECT_EQ(pen.mode, c.pen.mode);
        EXPECT_EQ(pen.type, c.pen.type);
        EXPECT_EQ(pen.width, c.pen.width);
        EXPECT_EQ(pen.color, c.pen.color);
        EXPECT_EQ(pen.hatch, c.pen.hatch);
        EXPECT_EQ(pen.brushColor, c.pen.brushColor);
        EXPECT_EQ(pen.rop, c.pen.rop);
        // The outline alone: the same pen, no fill.
        const ZukeiPen outline = polygon.GetPenAttr(chart.layout, c.mode);
        EXPECT_EQ(outline.color, c.pen.color);
        EXPECT_EQ(outline.rop, c.pen.rop);
        EXPECT_EQ(outline.hatch, -1);
    }
}

// ---- The bounds the layout asks the document for
// ---------------------------------------------------

TEST(ZukeiBoundsTest, AShapeRecordAnswersItsDeviceRectangleOnTheLayout) {
    test::ShapeChart chart;
    CZukeiPolyLine line;
    line.AddPoint(CZukeiPoint(Day(2010, 4, 16), 15.0));
    line.AddPoint(CZukeiPoint(Day(2010, 4, 1), 0.0));
    EXPECT_EQ(GetZukeiBounds(line, chart.layout), CRect(530, -120, 1635, -860));
    CDataHeader plain;
    plain.SetType(kTypeZukei);
    EXPECT_EQ(GetZukeiBounds(plain, chart.layout), CRect());
}

} // namespace
} // namespace tembra
