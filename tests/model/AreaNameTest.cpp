#include "model/AreaNameSet.h"

#include "platform/Archive.h"
#include "platform/GdiObjects.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ArchiveBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Load;
using test::ScopedPaths;
using test::Store;

// The fixture font: "ＭＳ 明朝", height -32, width 16, weight 400, Shift-JIS, precisions 3 and
// 2, quality 1, pitch and family 0x11.
LOGFONT FixtureFont() {
    LOGFONT f;
    f.lfHeight = -32;
    f.lfWidth = 16;
    f.lfWeight = 400;
    f.lfCharSet = 128;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = 2;
    f.lfQuality = 1;
    f.lfPitchAndFamily = 0x11;
    f.SetFaceName("\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9");
    return f;
}

// The 50-byte file form of FixtureFont.
Bytes FixtureFontBytes() {
    return ByteWriter()
        .Word(0xFFE0) // height -32
        .Word(16)
        .Word(0)
        .Word(0)
        .Word(400)
        .Append({0, 0, 0, 128, 3, 2, 1, 0x11})
        .Append({0x82, 0x6C, 0x82, 0x72, 0x20, 0x96, 0xBE, 0x92, 0xA9})
        .Zeros(23) // the rest of the 32-byte face
        .Get();
}

Bytes StoreObject(const CObject& obj) {
    return Store([&](CArchive& ar) { ar.WriteObject(&obj); });
}

template <class T> std::unique_ptr<T> LoadObject(const Bytes& bytes) {
    std::unique_ptr<T> obj;
    Load(bytes, [&](CArchive& ar) { obj = ar.ReadOwned<T>(); });
    return obj;
}

// Every field that the file form carries, for comparisons.
void ExpectSameBase(const CAreaNameData& a, const CAreaNameData& b) {
    EXPECT_EQ(a.GetText(), b.GetText());
    EXPECT_EQ(a.GetLogFont(), b.GetLogFont());
    EXPECT_EQ(a.GetOwnFont(), b.GetOwnFont());
    EXPECT_EQ(a.GetLineType(), b.GetLineType());
    EXPECT_EQ(a.GetLineWidth(), b.GetLineWidth());
    EXPECT_EQ(a.GetLineColor(), b.GetLineColor());
    EXPECT_EQ(a.GetAlign(), b.GetAlign());
    EXPECT_EQ(a.GetTextColor(), b.GetTextColor());
    EXPECT_EQ(a.GetStyle(), b.GetStyle());
}

void FillBase(CAreaNameData& cell) {
    cell.SetText("AB");
    cell.SetLogFont(FixtureFont());
    cell.SetOwnFont(1);
    cell.SetLineType(-1);
    cell.SetLineWidth(2);
    cell.SetLineColor(RGB(1, 2, 3));
    cell.SetAlign(CAreaNameData::kAlignRight);
    cell.SetTextColor(RGB(255, 0, 0));
    cell.SetStyle(0x0104);
}

// The base fields of FillBase as the file holds them.
Bytes FilledBaseBytes() {
    return ByteWriter()
        .String("AB")
        .Append(FixtureFontBytes())
        .Dword(1)        // own font
        .Word(0xFFFF)    // line type -1
        .Word(2)         // width code
        .Dword(0x030201) // line colour
        .Word(2)         // right aligned
        .Dword(0x0000FF) // red text
        .Word(0x0104)    // top, bold
        .Get();
}

// ---- The file form ----------------------------------------------------------------------------

TEST(AreaNameDataTest, StdCellGoldenBytesAndRoundTrip) {
    CAreaNameDataStd cell(1);
    FillBase(cell);
    ByteWriter expected;
    expected.NewClass(1, "CAreaNameDataStd").Append(FilledBaseBytes()).Dword(1);
    const Bytes stored = StoreObject(cell);
    EXPECT_EQ(stored, expected.Get());

    auto loaded = LoadObject<CAreaNameDataStd>(stored);
    ExpectSameBase(*loaded, cell);
    EXPECT_EQ(loaded->GetNo(), 1u);
}

TEST(AreaNameDataTest, GridCellGoldenBytesAndRoundTrip) {
    CAreaNameDataGrid cell(2, 9);
    FillBase(cell);
    cell.SetLine2Type(-1);
    cell.SetLine2Width(1);
    cell.SetLine2Color(RGB(0, 0, 255));
    ByteWriter expected;
    expected.NewClass(1, "CAreaNameDataGrid").Append(FilledBaseBytes());
    expected.Dword(2).Dword(9).Word(0xFFFF).Word(1).Dword(0xFF0000);
    const Bytes stored = StoreObject(cell);
    EXPECT_EQ(stored, expected.Get());

    auto loaded = LoadObject<CAreaNameDataGrid>(stored);
    ExpectSameBase(*loaded, cell);
    DWORD row = 0;
    DWORD column = 0;
    loaded->GetNoPair(row, column);
    EXPECT_EQ(row, 2u);
    EXPECT_EQ(column, 9u);
    EXPECT_EQ(loaded->GetLine2Type(), -1);
    EXPECT_EQ(loaded->GetLine2Width(), 1);
    EXPECT_EQ(loaded->GetLine2Color(), RGB(0, 0, 255));
}

TEST(AreaNameDataTest, SlantCellGoldenBytesAndRoundTrip) {
    CAreaNameDataSlant cell(12);
    FillBase(cell);
    ByteWriter expected;
    expected.NewClass(1, "CAreaNameDataSlant").Append(FilledBaseBytes()).Dword(12);
    const Bytes stored = StoreObject(cell);
    EXPECT_EQ(stored, expected.Get());

    auto loaded = LoadObject<CAreaNameDataSlant>(stored);
    ExpectSameBase(*loaded, cell);
    EXPECT_EQ(loaded->GetNo(), 12u);
}

TEST(AreaNameDataTest, FontSizesKeepOnlySixteenBits) {
    CAreaNameDataStd cell;
    LOGFONT font = FixtureFont();
    font.lfHeight = 70000; // 0x11170: the low 16 bits are 0x1170
    font.lfWidth = -40000; // low 16 bits 0x63C0, read back as +25536
    font.lfWeight = 0x18000;
    cell.SetLogFont(font);
    auto loaded = LoadObject<CAreaNameDataStd>(StoreObject(cell));
    EXPECT_EQ(loaded->GetLogFont().lfHeight, 0x1170);
    EXPECT_EQ(loaded->GetLogFont().lfWidth, 25536);
    EXPECT_EQ(loaded->GetLogFont().lfWeight, -32768);
}

TEST(AreaNameDataTest, ConstructedValuesByKind) {
    CAreaNameDataStd std0;
    CAreaNameDataGrid grid;
    CAreaNameDataSlant slant;
    struct Case {
        const CAreaNameData* cell;
        WORD align;
        WORD style;
    };
    for (const Case& c : {Case{&std0, 0, 0x200}, Case{&grid, 1, 0}, Case{&slant, 0, 0x200}}) {
        EXPECT_EQ(c.cell->GetAlign(), c.align);
        EXPECT_EQ(c.cell->GetStyle(), c.style);
        EXPECT_TRUE(c.cell->GetText().empty());
        EXPECT_EQ(c.cell->GetOwnFont(), 0);
        EXPECT_EQ(c.cell->GetLineType(), 0);
        EXPECT_EQ(c.cell->GetLogFont().lfHeight, -32);
        EXPECT_EQ(c.cell->GetLogFont().lfWidth, 16);
        EXPECT_EQ(c.cell->GetLogFont().lfWeight, 400);
        EXPECT_EQ(c.cell->GetLogFont().lfCharSet, 128);
        EXPECT_EQ(c.cell->GetLogFont().FaceName(), Sjis::FromUtf8("ＭＳ 明朝"));
    }
}

TEST(AreaNameDataTest, LineStylesGiveTheDrawnWidths) {
    CAreaNameDataGrid grid;
    grid.SetLineType(-1);
    grid.SetLine2Type(-1);
    EXPECT_EQ(grid.GetRightLineStyle().type, -1);
    EXPECT_EQ(grid.GetBottomLineStyle().type, -1);

    const struct {
        WORD code;
        int width;
    } cases[] = {{0, 3}, {1, 1}, {2, 6}, {7, 3}};
    for (const auto& c : cases) {
        CAreaNameDataSlant slant;
        slant.SetLineWidth(c.code);
        slant.SetLineColor(RGB(9, 8, 7));
        EXPECT_EQ(slant.GetLineStyle(), (AreaLineStyle{0, c.width, RGB(9, 8, 7)})) << c.code;
    }
}

// ---- Text placement ---------------------------------------------------------------------------

struct RectPosCase {
    WORD align;
    WORD style;
    AreaTextPos expected;
};

TEST(AreaNameDataTest, TextPositionInARectangle) {
    // left 100, top 500, right 300, bottom 200; extent -32 (a font height).
    const CRect rect(100, 500, 300, 200);
    const RectPosCase cases[] = {
        {0, 0x100, {110, 490, TA_LEFT | TA_TOP}},
        {1, 0x100, {200, 490, TA_CENTER}},
        {2, 0x100, {290, 490, TA_RIGHT}},
        {0, 0x200, {110, 210, TA_BOTTOM}},
        {2, 0x200, {290, 210, TA_RIGHT | TA_BOTTOM}},
        {1, 0, {200, 366, TA_CENTER}},
        {5, 0x300, {110, 490, 0}}, // an unknown alignment is left; top wins over bottom
    };
    for (const RectPosCase& c : cases) {
        CAreaNameDataGrid cell;
        cell.SetAlign(c.align);
        cell.SetStyle(c.style);
        EXPECT_EQ(cell.GetTextPos(rect, -32), c.expected) << c.align << "/" << c.style;
    }
}

TEST(AreaNameDataTest, TextPositionInASlantRowTriangle) {
    // Corner (0, 900), row ends (600, 300) and (600, 0): a = 700, b = 600, m = 200.
    const RectPosCase cases[] = {
        {0, 0x100, {205, 695, 0}},
        {1, 0x100, {400, 495, TA_CENTER}},
        {2, 0x100, {595, 295, TA_RIGHT}},
        {0, 0x200, {205, 605, TA_BOTTOM}},
        {1, 0x200, {400, 305, TA_CENTER | TA_BOTTOM}},
        {2, 0x200, {595, 5, TA_RIGHT | TA_BOTTOM}},
        {0, 0, {205, 666, 0}},
        {1, 0, {400, 416, TA_CENTER}},
        {2, 0, {595, 166, TA_RIGHT}},
    };
    for (const RectPosCase& c : cases) {
        CAreaNameDataSlant cell;
        cell.SetAlign(c.align);
        cell.SetStyle(c.style);
        EXPECT_EQ(cell.GetSlantRowTextPos(0, 900, 600, 300, 600, 0, -32), c.expected)
            << c.align << "/" << c.style;
    }
}

TEST(AreaNameDataTest, TextPositionInASlantColumnTriangle) {
    // Corner (0, 600), column line ends (300, 0) and (600, 0): p = 100, q = 200, s = 400;
    // e = 30: e * x1 / (y1 - y0) = -15, e * x2 / (y2 - y0) = -30, (e / 2) * x1 / .. = -7,
    // (e / 2) * x2 / .. = -15.
    const RectPosCase cases[] = {
        {0, 0x100, {90, 395, 0}},
        {0, 0x200, {305, 5, TA_BOTTOM}},
        {0, 0, {198, 185, 0}},
        {2, 0x100, {195, 395, TA_RIGHT}},
        {2, 0x200, {625, 5, TA_RIGHT | TA_BOTTOM}},
        {2, 0, {410, 185, TA_RIGHT}},
        {1, 0x100, {142, 395, TA_CENTER}},
        {1, 0x200, {465, 5, TA_CENTER | TA_BOTTOM}},
        {1, 0, {307, 185, TA_CENTER}},
    };
    for (const RectPosCase& c : cases) {
        CAreaNameDataSlant cell;
        cell.SetAlign(c.align);
        cell.SetStyle(c.style);
        EXPECT_EQ(cell.GetSlantColumnTextPos(0, 600, 300, 0, 600, 0, 30), c.expected)
            << c.align << "/" << c.style;
    }
}

TEST(AreaNameDataTest, FlatSlantTriangleDoesNotDivideByZero) {
    CAreaNameDataSlant cell;
    cell.SetAlign(CAreaNameData::kAlignCenter);
    cell.SetStyle(0);
    const AreaTextPos pos = cell.GetSlantColumnTextPos(0, 100, 300, 100, 600, 100, 30);
    EXPECT_EQ(pos.y, 100 - 15);
    EXPECT_EQ(pos.x, ((100 + 300) / 2 + (200 + 600) / 2) / 2);
}

// ---- The set ----------------------------------------------------------------------------------

class AreaNameSetTest : public ::testing::Test {
protected:
    ScopedPaths paths;
};

TEST_F(AreaNameSetTest, FreshSetHoldsTheDefaultCells) {
    CAreaNameSet set;
    ASSERT_EQ(set.SetDefaults(), 1);
    ASSERT_EQ(set.GetStdCells().size(), 2u);
    ASSERT_EQ(set.GetGridCells().size(), 30u);
    ASSERT_EQ(set.GetSlantCells().size(), 13u);
    EXPECT_EQ(set.GetKoumokuName(), Sjis::FromUtf8("作業"));
    EXPECT_EQ(set.GetHizukeName(), Sjis::FromUtf8("期間"));

    EXPECT_EQ(set.GetKoumokuCell()->GetAlign(), 0);
    EXPECT_EQ(set.GetKoumokuCell()->GetStyle(), 0x200);
    EXPECT_EQ(set.GetHizukeCell()->GetAlign(), 2);
    EXPECT_EQ(set.GetHizukeCell()->GetStyle(), 0x100);

    // Grid cells in the order of the columns, the rows inside.
    DWORD row = 0;
    DWORD column = 0;
    set.GetGridCells()[4]->GetNoPair(row, column);
    EXPECT_EQ(row, 1u);
    EXPECT_EQ(column, 1u);
    for (DWORD k = 0; k < 13; ++k) {
        const CAreaNameDataSlant* cell = set.FindSlant(k);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetAlign(), k >= 10 ? 2 : 0) << k;
        EXPECT_EQ(cell->GetStyle(), k >= 10 ? 0x100 : 0x200) << k;
    }
    EXPECT_EQ(set.FindGrid(3, 0), nullptr);
    EXPECT_EQ(set.FindGrid(0, 10), nullptr);
    EXPECT_EQ(set.FindSlant(13), nullptr);
    EXPECT_EQ(set.FindSlantRow(2), set.FindSlant(12));
    EXPECT_EQ(set.FindSlantColumn(9), set.FindSlant(9));
}

TEST_F(AreaNameSetTest, HeadingsComeFromTheProfileWhenSet) {
    WriteProfileString("BaseConfig", "KoumokuName", Sjis::FromUtf8("工程").c_str());
    CAreaNameSet set;
    set.SetDefaults();
    EXPECT_EQ(set.GetKoumokuName(), Sjis::FromUtf8("工程"));
    EXPECT_EQ(set.GetHizukeName(), Sjis::FromUtf8("期間"));
}

TEST_F(AreaNameSetTest, NameAccessorsOnMissingCells) {
    CAreaNameSet set;
    set.SetKoumokuName("x");
    EXPECT_EQ(set.GetKoumokuName(), "");
    EXPECT_EQ(set.GetHizukeName(), "");
}

TEST_F(AreaNameSetTest, CopyDuplicatesAndCopyOntoItselfKeeps) {
    CAreaNameSet a;
    a.SetDefaults();
    a.SetKoumokuName("A");
    CAreaNameSet b;
    b.Copy(a);
    ASSERT_EQ(b.GetGridCells().size(), 30u);
    EXPECT_NE(b.GetKoumokuCell(), a.GetKoumokuCell());
    b.SetKoumokuName("B");
    EXPECT_EQ(a.GetKoumokuName(), "A");

    a.Copy(a);
    EXPECT_EQ(a.GetStdCells().size(), 2u);
    EXPECT_EQ(a.GetKoumokuName(), "A");
    const CAreaNameSet& same = a;
    a = same;
    EXPECT_EQ(a.GetSlantCells().size(), 13u);
}

TEST_F(AreaNameSetTest, ReplaceTakesTheSlotOfTheCell) {
    CAreaNameSet set;
    set.SetDefaults();
    auto cell = std::make_unique<CAreaNameDataStd>(1);
    cell->SetText("new");
    set.ReplaceHizukeCell(std::move(cell));
    ASSERT_EQ(set.GetStdCells().size(), 2u);
    EXPECT_EQ(set.GetStdCells()[1]->GetText(), "new");

    // Without a cell of that number the cell is appended; two cells of one number are folded
    // into the slot of the first.
    set.ReplaceStd(5, std::make_unique<CAreaNameDataStd>(0));
    EXPECT_EQ(set.GetStdCells().size(), 3u);
    auto koumoku = std::make_unique<CAreaNameDataStd>(0);
    koumoku->SetText("k");
    set.ReplaceKoumokuCell(std::move(koumoku));
    ASSERT_EQ(set.GetStdCells().size(), 2u);
    EXPECT_EQ(set.GetStdCells()[0]->GetText(), "k");
    EXPECT_EQ(set.GetStdCells()[1]->GetText(), "new");

    auto grid = std::make_unique<CAreaNameDataGrid>(2, 3);
    grid->SetText("g");
    set.ReplaceGrid(2, 3, std::move(grid));
    EXPECT_EQ(set.GetGridCells().size(), 30u);
    EXPECT_EQ(set.FindGrid(2, 3)->GetText(), "g");

    auto row = std::make_unique<CAreaNameDataSlant>(11);
    row->SetText("r");
    set.ReplaceSlantRow(1, std::move(row));
    EXPECT_EQ(set.GetSlantCells().size(), 13u);
    EXPECT_EQ(set.FindSlantRow(1)->GetText(), "r");
}

TEST_F(AreaNameSetTest, SetRoundTripsThroughTheArchive) {
    CAreaNameSet set;
    set.SetDefaults();
    set.FindGrid(1, 4)->SetText("grid");
    set.FindSlant(11)->SetLineType(-1);
    const Bytes bytes = Store([&](CArchive& ar) { set.Serialize(ar); });
    CAreaNameSet loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetStdCells().size(), 2u);
    ASSERT_EQ(loaded.GetGridCells().size(), 30u);
    ASSERT_EQ(loaded.GetSlantCells().size(), 13u);
    EXPECT_EQ(loaded.FindGrid(1, 4)->GetText(), "grid");
    EXPECT_EQ(loaded.FindSlant(11)->GetLineType(), -1);
    EXPECT_EQ(loaded.GetHizukeName(), Sjis::FromUtf8("期間"));
}

TEST_F(AreaNameSetTest, CellOfTheWrongKindRefusesTheLoad) {
    const Bytes bytes = Store([](CArchive& ar) {
        CAreaNameDataGrid grid;
        ar.WriteCount(1);
        ar.WriteObject(&grid); // a Grid cell where the Std array stands
        ar.WriteCount(0);
        ar.WriteCount(0);
    });
    CAreaNameSet set;
    set.SetDefaults();
    set.SetKoumokuName("kept");
    EXPECT_THROW(Load(bytes, [&](CArchive& ar) { set.Serialize(ar); }), CArchiveException);
    EXPECT_EQ(set.GetStdCells().size(), 2u);
    EXPECT_EQ(set.GetKoumokuName(), "kept");
}

TEST_F(AreaNameSetTest, TruncatedStreamRefusesTheLoad) {
    CAreaNameSet set;
    set.SetDefaults();
    Bytes cut = Store([&](CArchive& ar) { set.Serialize(ar); });
    cut.resize(cut.size() / 2);
    CAreaNameSet loaded;
    EXPECT_THROW(Load(cut, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException);
    EXPECT_TRUE(loaded.GetStdCells().empty());
}

} // namespace
} // namespace tembra
