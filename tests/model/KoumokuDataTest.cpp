#include "model/KoumokuData.h"
#include "model/Koumoku.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Load;
using test::Store;

class ItemDocument : public test::VersionDocument, public IKoumokuDocument {
public:
    explicit ItemDocument(int version) : VersionDocument(version) {
        m_font.lfHeight = -30;
        m_font.SetFaceName("ItemFace");
    }
    LOGFONT GetKoumokuFont() const override { return m_font; }
    WORD GetKoumokuStyleWord() const override { return 0x4242; }
    CKoumoku* GetKoumoku() override { return &m_table; }

    LOGFONT m_font;
    CKoumoku m_table;
};

// The 30-byte attribute block of SampleCell with the given own-font flag.
Bytes SampleAttr(WORD ownFont) {
    return ByteWriter()
        .Word(1)
        .Word(2)
        .Word(2)
        .Dword(RGB(0, 0, 255))
        .Word(0x0104)
        .Word(3)
        .Word(4)
        .Word(5)
        .Word(ownFont)
        .Zeros(10)
        .Get();
}

LOGFONT SampleFont() {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWidth = 6;
    lf.lfWeight = 700;
    lf.SetFaceName("Mincho");
    return lf;
}

CKoumokuData SampleCell(WORD ownFont) {
    CKoumokuData cell;
    cell.SetRow(5);
    cell.SetSize(0x0102);
    cell.SetFormat(CKoumokuData::kRight);
    cell.SetColor(RGB(0, 0, 255));
    cell.SetFlags(CKoumokuData::kTop | CKoumokuData::kBold);
    cell.SetKeisenWord1(3);
    cell.SetKeisenWord2(4);
    cell.SetThirdLineWord(5);
    cell.SetOwnFont(ownFont);
    cell.SetLogFont(SampleFont());
    cell.SetColumn(2);
    cell.SetExtraWord(0x00FF);
    cell.SetText("A");
    return cell;
}

TEST(KoumokuDataTest, Construction) {
    CKoumokuData cell;
    EXPECT_EQ(cell.GetType(), kTypeKoumoku);
    EXPECT_EQ(cell.GetKind(), kKindKoumokuData);
    EXPECT_EQ(cell.GetWord6(), 1000);
    EXPECT_EQ(cell.GetPos(), CChartPos());
    EXPECT_EQ(cell.GetAttr(), (std::array<BYTE, CKoumokuData::kAttrSize>{}));
    EXPECT_TRUE(cell.GetText().empty());
}

TEST(KoumokuDataTest, GoldenBytesAtCurrentVersion) {
    ItemDocument doc(58000);
    CKoumokuData cell = SampleCell(1);
    ByteWriter expected;
    expected.Header(2, 1).Dword(0).Dword(0).Word(5).Word(0).Zeros(8).Append(SampleAttr(1));
    // LogFont16 of SampleFont: height, width, escapement, orientation, weight, eight bytes,
    // the face name.
    expected.Word(0xFFF4).Word(6).Word(0).Word(0).Word(700).Zeros(8).Raw("Mincho").Zeros(26);
    expected.Word(2).Word(0x00FF).String("A").Zeros(16);
    EXPECT_EQ(Store(cell, doc), expected.Get());
}

TEST(KoumokuDataTest, RoundTripsByVersion) {
    struct Case {
        int version;
        WORD ownFont;
        std::size_t size; // bytes written
    };
    const std::vector<Case> cases = {
        {58000, 1, 32 + 20 + 30 + 50 + 4 + 2 + 16},
        {58000, 0, 32 + 20 + 30 + 4 + 2 + 16},
        {32000, 1, 32 + 20 + 30 + 50 + 4 + 2 + 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ItemDocument doc(c.version);
        CKoumokuData cell = SampleCell(c.ownFont);
        const Bytes bytes = Store(cell, doc);
        EXPECT_EQ(bytes.size(), c.size);
        CKoumokuData back;
        Load(bytes, back, doc);
        EXPECT_EQ(back.GetAttr(), cell.GetAttr());
        EXPECT_EQ(back.GetRow(), 5);
        EXPECT_EQ(back.GetColumn(), 2);
        EXPECT_EQ(back.GetExtraWord(), 0x00FF);
        EXPECT_EQ(back.GetText(), "A");
        EXPECT_EQ(back.GetLogFont(), c.ownFont ? SampleFont() : doc.m_font);
    }
}

TEST(KoumokuDataTest, CellsOfOldFilesTakeTheDocumentsDefaults) {
    struct Case {
        int version;
        WORD keisen;     // ruled-line word at offset 12
        std::size_t pos; // position bytes
    };
    const std::vector<Case> cases = {{31000, 3, 20}, {30000, 2, 16}, {31000, 0, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ByteWriter file;
        file.Header(2, 1);
        if (c.pos == 20) {
            file.Dword(0).Dword(0).Word(7).Word(0).Zeros(8);
        } else {
            file.Dword(0).Dword(0).Dword(7).Dword(0); // old form: row 7 in the low half of C
        }
        // An own-font flag in an old file is not followed by a font.
        file.Word(1).Word(1).Word(0).Dword(0).Word(0).Word(c.keisen).Word(0).Word(9).Word(1).Zeros(
            10);
        file.String("old").Zeros(16);

        ItemDocument doc(c.version);
        CKoumokuData cell;
        cell.SetColumn(4);
        cell.SetExtraWord(4);
        Load(file.Get(), cell, doc);
        EXPECT_EQ(cell.GetRow(), 7);
        EXPECT_EQ(cell.GetText(), "old");
        EXPECT_EQ(cell.GetOwnFont(), 0);
        EXPECT_EQ(cell.GetLogFont(), doc.m_font);
        EXPECT_EQ(cell.GetThirdLineWord(), 0x4242);
        EXPECT_EQ(cell.GetColumn(), 0);
        EXPECT_EQ(cell.GetExtraWord(), 0);
        // The row's ruled-line type goes to the document's item table, when there is one.
        EXPECT_EQ(doc.m_table.GetKeisenType(7), c.keisen);
        EXPECT_EQ(doc.m_table.GetKeisenTypes().size(), c.keisen != 0 ? 8u : 0u);
    }
}

TEST(KoumokuDataTest, TextIsCutToItsField) {
    ItemDocument doc(58000);
    CKoumokuData cell;
    // A double-byte character at bytes 128 and 129 does not fit.
    const std::string text = std::string(127, 'x') + "\x82\xa0" + "tail";
    cell.SetText(text);
    EXPECT_EQ(cell.GetText(), std::string(127, 'x'));

    ByteWriter file;
    file.Header(2, 1).Zeros(20).Zeros(30).Word(0).Word(0);
    Bytes bytes = file.Get();
    bytes.insert(bytes.end(), {0xFF, static_cast<BYTE>(text.size()), 0x00});
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.insert(bytes.end(), 16, 0);
    CKoumokuData back;
    Load(bytes, back, doc);
    EXPECT_EQ(back.GetText(), std::string(127, 'x'));
}

TEST(KoumokuDataTest, CopyFromAndPackedSize) {
    CKoumokuData source = SampleCell(1);
    source.Select();
    CKoumokuData copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.IsSelected(), 1);
    EXPECT_EQ(copy.GetPos(), source.GetPos());
    EXPECT_EQ(copy.GetAttr(), source.GetAttr());
    EXPECT_EQ(copy.GetText(), "A");
    EXPECT_EQ(copy.GetLogFont(), SampleFont());
    EXPECT_EQ(copy.GetColumn(), 2);
    EXPECT_EQ(copy.GetExtraWord(), 0x00FF);

    for (WORD size : {257, 513, 258, 514}) {
        copy.SetSize(size);
        EXPECT_EQ(copy.GetSize(), size);
    }
    EXPECT_EQ(copy.GetHeightCode(), 2);
    EXPECT_EQ(copy.GetWidthCode(), 2);
}

} // namespace
} // namespace tembra
