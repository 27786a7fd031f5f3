// The drawing shapes of a DOS document: one shape a record (0xFD) and groups (0xF6), read and
// written.
#include "DosFiles.h"
#include "ExchangeFixture.h"
#include "exchange/DosConvert.h"
#include "platform/Archive.h"
#include "platform/MemFile.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace tembra {
namespace {

using test::DosBlock;
using test::DosRecord;

constexpr std::int64_t kDay = 86400;

Dos::Bytes ToBytes(const DosBlock& block) {
    Dos::Bytes bytes(block.Bytes().size());
    std::memcpy(bytes.Data(), block.Bytes().data(), bytes.Size());
    return bytes;
}

// A shape record of the DOS kind from (2010-04-d1, row r1) to (2010-04-d2, row r2); parts of a
// day and of a row 0.
DosBlock Shape(int kind, int d1, int r1, int d2, int r2) {
    DosBlock record = DosRecord(0xFD, 22, 352);
    record.Word(0x10, kind).Date(0x12, 2010, 4, d1).Word(0x1E, r1);
    record.Date(0x28, 2010, 4, d2).Word(0x34, r2);
    return record;
}

std::vector<CZukei*> Shapes(CTembraDoc& document) {
    std::vector<CZukei*> found;
    for (POSITION pos = document.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        found.push_back(document.GetShapes().GetNextZukei(pos));
    }
    return found;
}

class DosZukeiTest : public test::ExchangeFixture {
protected:
    void Convert(CTembraDoc& document, const DosBlock& record) {
        CDosConvert convert;
        convert.GetBlock1().PutWord(0, 4100);
        convert.SetRecord(ToBytes(record));
        if (static_cast<BYTE>(record.Bytes()[1]) == 0xF6) {
            convert.ConvertZukeiGroup(document);
        } else {
            convert.ConvertZukei(document);
        }
    }

    // The shape records the document's shapes are written as.
    std::string Written(CTembraDoc& document) {
        CDosConvert convert;
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &document;
        convert.WinSettingsToDos(document);
        convert.WriteZukei(document, ar);
        ar.Close();
        m_count = convert.GetZukeiCount();
        m_bytes = convert.GetDataBytes();
        return std::string(file.Data().begin(), file.Data().end());
    }

    DWORD m_count = 0;
    DWORD m_bytes = 0;
};

TEST_F(DosZukeiTest, KindsAndAttributes) {
    auto document = NewChart();
    struct Case {
        int dos;
        WORD kind; // 0: none
    };
    for (const Case& c : {Case{0, 0},
                          {1, kZukeiBox},
                          {2, kZukeiBox2},
                          {3, kZukeiArrow1},
                          {4, kZukeiArrow2},
                          {5, kZukeiCircle},
                          {6, kZukeiEllipse},
                          {7, kZukeiDelta1},
                          {8, kZukeiDelta2},
                          {9, kZukeiDiamond},
                          {10, kZukeiLine},
                          {11, 0},
                          {12, 0}}) {
        const int before = document->GetZukeiCount();
        DosBlock record = Shape(c.dos, 5, 2, 9, 4);
        record.Byte(3, 6 * 8).Word(0x3E, 2).Word(0x40, 1).Word(0x42, 1).Word(0x44, 0);
        Convert(*document, record);
        if (c.kind == 0) {
            EXPECT_EQ(document->GetZukeiCount(), before) << c.dos;
            continue;
        }
        const CZukei* shape = Shapes(*document).back();
        EXPECT_EQ(shape->GetKind(), c.kind) << c.dos;
        EXPECT_EQ(shape->GetLayer(), 6);
        EXPECT_EQ(shape->GetPointMode(), 0);
        EXPECT_EQ(shape->GetStyle(), c.kind - 1);
        EXPECT_EQ(shape->GetLineType(), 2) << "DOS 1 is 2";
        EXPECT_EQ(shape->GetWidth(), 0) << "DOS 1 is thin";
        EXPECT_EQ(shape->GetColor(), RGB(255, 0, 0));
        EXPECT_EQ(shape->GetHatch(), 999) << "no fill";
    }
    DosBlock filled = Shape(1, 5, 2, 9, 4);
    filled.Word(0x40, 2).Word(0x42, 3).Word(0x44, 1);
    Convert(*document, filled);
    const CZukei* shape = Shapes(*document).back();
    EXPECT_EQ(shape->GetLineType(), 1);
    EXPECT_EQ(shape->GetWidth(), 2);
    EXPECT_EQ(shape->GetHatch(), 100);
}

TEST_F(DosZukeiTest, PointsTakeTheirTimeOfDayAndTheirPartOfARow) {
    auto document = NewChart();
    DosBlock record = Shape(10, 5, 2, 9, 4);
    record.Float(0x20, 0.25f).Float(0x24, 0.5f).Float(0x36, 0.5f).Float(0x3A, 0.0f);
    Convert(*document, record);
    const auto* line = static_cast<const CZukei2*>(Shapes(*document).back());
    EXPECT_EQ(line->GetAnchor1().GetDate(), CTime(2010, 4, 5, 6, 0, 0));
    EXPECT_DOUBLE_EQ(line->GetAnchor1().GetRow(), 2.0);
    EXPECT_EQ(line->GetAnchor2().GetDate(), CTime(2010, 4, 9, 12, 0, 0));
    EXPECT_DOUBLE_EQ(line->GetAnchor2().GetRow(), 3.5);

    // A circle holds its centre and a point of its rim.
    Convert(*document, Shape(5, 10, 5, 12, 5));
    const auto* circle = static_cast<const CZukei2*>(Shapes(*document).back());
    EXPECT_EQ(circle->GetAnchor1().GetDate(), CTime(2010, 4, 8));
    EXPECT_EQ(circle->GetAnchor2().GetDate(), CTime(2010, 4, 12));
    EXPECT_DOUBLE_EQ(circle->GetAnchor1().GetRow(), 4.5);
    EXPECT_DOUBLE_EQ(circle->GetAnchor2().GetRow(), 4.5);

    // Impossible dates, rows below 1 and parts that are no numbers leave the shape out.
    const int before = document->GetZukeiCount();
    DosBlock nan = Shape(1, 5, 2, 9, 4);
    nan.Float(0x24, std::numeric_limits<float>::quiet_NaN());
    for (const DosBlock& bad : {Shape(1, 31, 2, 9, 4), Shape(1, 5, 0, 9, 4), nan}) {
        Convert(*document, bad);
    }
    EXPECT_EQ(document->GetZukeiCount(), before);
}

TEST_F(DosZukeiTest, GroupMembersTakeTheirPartsOfTheGroup) {
    auto document = NewChart();
    DosBlock group = DosRecord(0xF6, 5 + 21 * 3, 80 + 336 * 3);
    group.Word(0x10, 11).Date(0x12, 2010, 4, 1).Word(0x1E, 1).Float(0x24, 0.5f);
    group.Date(0x28, 2010, 4, 11).Word(0x34, 11).Float(0x3A, 0.5f).Word(0x3E, 3);
    // A box over the first half of the group, a line across it, a member of no kind.
    group.Word(80, 1)
        .Float(80 + 2, 0.0f)
        .Float(80 + 6, 0.0f)
        .Float(80 + 10, 0.5f)
        .Float(80 + 14, 0.5f);
    group.Word(80 + 0x2E, 4).Word(80 + 0x34, 1);
    group.Word(416, 10)
        .Float(416 + 2, 0.2f)
        .Float(416 + 6, 1.0f)
        .Float(416 + 10, 0.6f)
        .Float(416 + 14, -1.0f);
    Convert(*document, group);
    ASSERT_EQ(document->GetZukeiCount(), 1);
    const auto* made = static_cast<const CZukeiGroup*>(Shapes(*document)[0]);
    ASSERT_EQ(made->GetElementCount(), 2);
    const auto* box = static_cast<const CZukei2*>(made->GetMember(0));
    EXPECT_EQ(box->GetKind(), kZukeiBox);
    EXPECT_EQ(box->GetAnchor1().GetDate(), CTime(2010, 4, 1));
    EXPECT_DOUBLE_EQ(box->GetAnchor1().GetRow(), 1.0);
    EXPECT_EQ(box->GetAnchor2().GetDate(), CTime(2010, 4, 6));
    EXPECT_DOUBLE_EQ(box->GetAnchor2().GetRow(), 6.0);
    EXPECT_EQ(box->GetColor(), RGB(0, 255, 0));
    EXPECT_EQ(box->GetHatch(), 100);
    EXPECT_EQ(box->GetHatchColor(), document->GetSyokiSet().GetZukei().GetAttr().m_hatchColor);
    const auto* line = static_cast<const CZukei2*>(made->GetMember(1));
    EXPECT_EQ(line->GetAnchor1().GetDate(), CTime(2010, 4, 3));
    EXPECT_DOUBLE_EQ(line->GetAnchor1().GetRow(), 11.0);
    EXPECT_EQ(line->GetAnchor2().GetDate(), CTime(2010, 4, 9));
    EXPECT_DOUBLE_EQ(line->GetAnchor2().GetRow(), 1.0);

    // A count beyond the record takes what the record holds.
    DosBlock crowd = group;
    crowd.Word(0x3E, 1000);
    Convert(*document, crowd);
    EXPECT_EQ(static_cast<const CZukeiGroup*>(Shapes(*document)[1])->GetElementCount(), 2);
}

TEST_F(DosZukeiTest, AGroupOfThreeIsOneRecordOf1088Bytes) {
    auto document = NewChart();
    auto group = std::make_unique<CZukeiGroup>();
    for (int i = 0; i < 3; ++i) {
        auto box = std::make_unique<CZukeiBox>();
        box->SetAnchors(CTime(2010, 4, 1 + i), 1.0 + i, CTime(2010, 4, 3 + i), 2.0 + i);
        group->AddMember(std::move(box));
    }
    group->SetLayer(2);
    document->GetShapes().AddZukei(group.release(), FALSE);
    const std::string bytes = Written(*document);
    ASSERT_EQ(bytes.size(), 80u + 3 * 336);
    EXPECT_EQ(m_count, 1u);
    EXPECT_EQ(m_bytes, 1088u);
    DosBlock record(bytes.size());
    record.Bytes() = bytes;
    EXPECT_EQ(static_cast<BYTE>(bytes[0]), 100);
    EXPECT_EQ(static_cast<BYTE>(bytes[1]), 0xF6);
    EXPECT_EQ(static_cast<BYTE>(bytes[3]), 2 * 8);
    EXPECT_EQ(record.GetWord(4), 68);
    EXPECT_EQ(record.GetWord(6), 0);
    EXPECT_EQ(record.GetWord(0x10), 11);
    EXPECT_EQ(record.GetWord(0x3E), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(record.GetWord(80 + 336 * static_cast<std::size_t>(i)), 1) << "DOS box";
    }
    // Read back: the same boxes.
    auto back = NewChart();
    Convert(*back, record);
    const auto* read = static_cast<const CZukeiGroup*>(Shapes(*back)[0]);
    ASSERT_EQ(read->GetElementCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto* box = static_cast<const CZukei2*>(read->GetMember(i));
        EXPECT_EQ(box->GetAnchor1().GetDate(), CTime(2010, 4, 1 + i)) << i;
        EXPECT_NEAR(box->GetAnchor2().GetRow(), 2.0 + i, 1e-5) << i;
    }
}

TEST_F(DosZukeiTest, AGroupOfNoExtentWritesPartsOf0) {
    auto document = NewChart();
    auto group = std::make_unique<CZukeiGroup>();
    for (int i = 0; i < 2; ++i) {
        auto line = std::make_unique<CZukeiLine>();
        line->SetAnchors(CTime(2010, 4, 5), 3.0, CTime(2010, 4, 5), 3.0);
        group->AddMember(std::move(line));
    }
    document->GetShapes().AddZukei(group.release(), FALSE);
    const std::string bytes = Written(*document);
    ASSERT_EQ(bytes.size(), 80u + 2 * 336);
    for (std::size_t member : {std::size_t{80}, std::size_t{416}}) {
        for (std::size_t at = member + 2; at < member + 18; ++at) {
            EXPECT_EQ(bytes[at], 0) << at << ": 0.0f, no number";
        }
    }
}

TEST_F(DosZukeiTest, PolylinesGoOutAsLinesAndShapesWithoutADosKindStayOut) {
    auto document = NewChart();
    auto polyline = std::make_unique<CZukeiPolyLine>();
    polyline->AddPoint(CZukeiPoint(CTime(2010, 4, 2), 1.0));
    polyline->AddPoint(CZukeiPoint(CTime(2010, 4, 6), 5.0));
    polyline->AddPoint(CZukeiPoint(CTime(2010, 4, 9), 2.0));
    document->GetShapes().AddZukei(polyline.release(), FALSE);
    document->GetShapes().AddZukei(new CZukeiArc(), FALSE);
    // In a group a polygon is one line a side.
    auto group = std::make_unique<CZukeiGroup>();
    auto polygon = std::make_unique<CZukeiPolygon>();
    polygon->AddPoint(CZukeiPoint(CTime(2010, 4, 2), 1.0));
    polygon->AddPoint(CZukeiPoint(CTime(2010, 4, 6), 5.0));
    polygon->AddPoint(CZukeiPoint(CTime(2010, 4, 9), 2.0));
    group->AddMember(std::move(polygon));
    group->AddMember(std::make_unique<CZukeiArc>());
    document->GetShapes().AddZukei(group.release(), FALSE);

    const std::string bytes = Written(*document);
    ASSERT_EQ(bytes.size(), 352u + 80 + 3 * 336);
    EXPECT_EQ(m_count, 2u);
    DosBlock record(bytes.size());
    record.Bytes() = bytes;
    EXPECT_EQ(record.GetWord(0x10), 10);
    EXPECT_EQ(record.GetWord(352 + 4), 5 + 21 * 3) << "the members written";
    EXPECT_EQ(record.GetWord(352 + 0x3E), 3);

    auto back = NewChart();
    DosBlock line(352);
    line.Bytes() = bytes.substr(0, 352);
    Convert(*back, line);
    const auto* read = static_cast<const CZukei2*>(Shapes(*back)[0]);
    EXPECT_EQ(read->GetKind(), kZukeiLine);
    EXPECT_EQ(read->GetAnchor1().GetDate(), CTime(2010, 4, 2));
    EXPECT_EQ(read->GetAnchor2().GetDate(), CTime(2010, 4, 9));
    EXPECT_NEAR(read->GetAnchor2().GetRow(), 2.0, 1e-6);
}

TEST_F(DosZukeiTest, ArrowsAndTrianglesWriteTheirDirection) {
    struct Case {
        WORD kind;
        int dos;
        double row1, row2;
        int day1, day2;
        int direction;
    };
    for (const Case& c : {Case{kZukeiArrow1, 3, 1.0, 4.0, 5, 5, 1},
                          {kZukeiArrow1, 3, 4.0, 1.0, 5, 5, 2},
                          {kZukeiDelta1, 7, 1.0, 4.0, 5, 5, 1},
                          {kZukeiArrow2, 4, 1.0, 1.0, 9, 5, 3},
                          {kZukeiDelta2, 8, 1.0, 1.0, 5, 9, 4}}) {
        auto document = NewChart();
        // The shape of the kind as the document makes it (its style is the kind less one).
        document->GetSyokiSet().GetZukei().GetAttr().m_style = static_cast<short>(c.kind - 1);
        std::unique_ptr<CZukei> made = document->GetShapes().CreateZukei();
        auto* two = static_cast<CZukei2*>(made.get());
        two->SetAnchors(CTime(2010, 4, c.day1), c.row1, CTime(2010, 4, c.day2), c.row2);
        document->GetShapes().AddZukei(made.release(), FALSE);
        const std::string bytes = Written(*document);
        DosBlock record(bytes.size());
        record.Bytes() = bytes;
        EXPECT_EQ(record.GetWord(0x10), c.dos) << c.kind;
        EXPECT_EQ(record.GetWord(0x46), c.direction) << c.kind;
    }
}

} // namespace
} // namespace tembra
