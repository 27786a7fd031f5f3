#include "platform/Profile.h"
#include "platform/RecordingDC.h"
#include "print/PrHeader.h"
#include "print/PrHeaderBase.h"
#include "print/PrNewLine.h"
#include "print/PrNewText.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;
using test::LoadBytes;
using test::ScopedPaths;
using test::StoreBytes;
using test::TestPrLayout;
using test::VersionDoc;

std::vector<BYTE> ObjectBytes(const CObject* object, int version) {
    VersionDoc doc(version);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &doc;
        ar.WriteObject(object);
        ar.Close();
    }
    return file.Data();
}

std::unique_ptr<CPrNewElement> ReadElement(const std::vector<BYTE>& bytes, int version) {
    VersionDoc doc(version);
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    return ar.ReadOwned<CPrNewElement>();
}

LOGFONT Font(const char* faceUtf8, LONG height, LONG width) {
    LOGFONT f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = SHIFTJIS_CHARSET;
    f.SetFaceName(J(faceUtf8));
    return f;
}

// ---- Stored forms ---------------------------------------------------------------------------

TEST(PrElementsStore, ALineAt58000ByteForByte) {
    const CPrNewLine line(2, CRect(100, -200, 900, -200), 1, 3, RGB(255, 0, 0));
    const std::vector<BYTE> expected = {
        0xFF, 0xFF,                                                       // a new class
        0x01, 0x00,                                                       // schema 1
        0x0A, 0x00,                                                       // name length
        'C',  'P',  'r',  'N',  'e', 'w', 'L', 'i', 'n', 'e', 0x00, 0x10, // kind 0x1000
        0x02, 0x00,             // area 2 (right strip) from 51000
        0x64, 0x00,             // left 100
        0x38, 0xFF,             // top -200
        0x84, 0x03,             // right 900
        0x38, 0xFF,             // bottom -200
        0x01, 0x00,             // style
        0x03, 0x00,             // width
        0xFF, 0x00, 0x00, 0x00, // colour
    };
    EXPECT_EQ(ObjectBytes(&line, 58000), expected);

    // Before 51000 there is no area number: it reads back as the header's.
    std::vector<BYTE> old = expected;
    old.erase(old.begin() + 18, old.begin() + 20);
    EXPECT_EQ(ObjectBytes(&line, 50000), old);
    const auto read = ReadElement(old, 50000);
    const auto* back = dynamic_cast<const CPrNewLine*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetArea(), kPrAreaHeader);
    EXPECT_EQ(back->GetRect(), CRect(100, -200, 900, -200));
}

TEST(PrElementsStore, TextsRoundTripWithTheirFontsAndFlags) {
    const CPrNewText text(kPrKindNamedInput, kPrAreaFooter, CRect(-5, -10, 1200, -300),
                          Font("ＭＳ ゴシック", -35, 17), RGB(1, 2, 3), "010001", J("工事\\n名称"),
                          1, 0);
    for (int version : {58000, 51000, 50000}) {
        SCOPED_TRACE(version);
        const auto read = ReadElement(ObjectBytes(&text, version), version);
        const auto* back = dynamic_cast<const CPrNewText*>(read.get());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetKind(), kPrKindNamedInput);
        EXPECT_EQ(back->GetArea(), version >= 51000 ? kPrAreaFooter : kPrAreaHeader);
        EXPECT_EQ(back->GetRect(), text.GetRect());
        EXPECT_EQ(back->GetFont(), text.GetFont());
        EXPECT_EQ(back->GetColor(), text.GetColor());
        EXPECT_EQ(back->GetText(), "010001");
        EXPECT_EQ(back->GetContents(), text.GetContents());
        EXPECT_EQ(back->GetVCenter(), 1);
        EXPECT_EQ(back->GetHCenter(), 0);
    }
}

TEST(PrElementsStore, OldFixedHeadersRoundTripAndRefuseCountsBeyondTheirArrays) {
    CPrHeaderBase old;
    old.m_titleCount = 1;
    old.m_fieldCount = 2;
    old.m_lineCount = 1;
    old.m_titles[0].m_code = 1;
    old.m_titles[0].m_value.m_text = J("工事");
    old.m_fields[1].m_code = 5;
    old.m_fields[1].m_title.m_text = J("設　計");
    old.m_fields[1].m_title.m_rect = CRect(1, -2, 3, -4);
    old.m_lines[0].m_width = 3;
    VersionDoc doc(30000);
    const std::vector<BYTE> bytes = StoreBytes(old, doc);

    CPrHeaderBase back;
    std::size_t left = 99;
    LoadBytes(back, bytes, doc, &left);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(back.m_titles[0].m_value.m_text, J("工事"));
    EXPECT_EQ(back.m_fields[1].m_code, 5);
    EXPECT_EQ(back.m_fields[1].m_title.m_text, J("設　計"));
    EXPECT_EQ(back.m_fields[1].m_title.m_rect, CRect(1, -2, 3, -4));
    EXPECT_EQ(back.m_lines[0].m_width, 3);

    struct Case {
        short titles;
        short fields;
        short lines;
    };
    for (const Case& c : std::vector<Case>{{4, 0, 0}, {0, 21, 0}, {0, 0, 21}, {-1, 0, 0}}) {
        std::vector<BYTE> damaged = {static_cast<BYTE>(c.titles), static_cast<BYTE>(c.titles >> 8),
                                     static_cast<BYTE>(c.fields), static_cast<BYTE>(c.fields >> 8),
                                     static_cast<BYTE>(c.lines),  static_cast<BYTE>(c.lines >> 8)};
        CPrHeaderBase refused;
        test::ScopedUi ui;
        EXPECT_THROW(LoadBytes(refused, damaged, doc), CUserException);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です");
    }
}

TEST(PrElementsStore, OldFixedHeadersStoreOnlyCountsTheirOwnLoadAccepts) {
    // Counts set beyond the arrays (or below zero) are stored cut to what follows them, so the
    // header reads back.
    struct Case {
        short titles, fields, lines;             // as set
        short keptTitles, keptFields, keptLines; // as stored and read back
    };
    const std::vector<Case> cases = {
        {4, 2, 1, 3, 2, 1},
        {1, 25, 0, 1, 20, 0},
        {0, 0, 99, 0, 0, 20},
        {-1, -5, -1, 0, 0, 0},
    };
    VersionDoc doc(30000);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.titles << " " << c.fields << " " << c.lines);
        CPrHeaderBase old;
        old.m_titleCount = c.titles;
        old.m_fieldCount = c.fields;
        old.m_lineCount = c.lines;
        old.m_titles[2].m_value.m_text = "t";
        old.m_fields[19].m_value.m_text = "f";
        old.m_lines[19].m_width = 7;
        const std::vector<BYTE> bytes = StoreBytes(old, doc);

        CPrHeaderBase back;
        std::size_t left = 99;
        test::ScopedUi ui;
        ASSERT_NO_THROW(LoadBytes(back, bytes, doc, &left));
        EXPECT_EQ(left, 0u);
        EXPECT_TRUE(ui->MessageBoxes().empty());
        EXPECT_EQ(back.m_titleCount, c.keptTitles);
        EXPECT_EQ(back.m_fieldCount, c.keptFields);
        EXPECT_EQ(back.m_lineCount, c.keptLines);
        EXPECT_EQ(back.m_titles[2].m_value.m_text, c.keptTitles == 3 ? "t" : "");
        EXPECT_EQ(back.m_fields[19].m_value.m_text, c.keptFields == 20 ? "f" : "");
        EXPECT_EQ(back.m_lines[19].m_width, c.keptLines == 20 ? 7 : 0);
    }
}

// ---- Texts ----------------------------------------------------------------------------------

TEST(PrElementsText, LinesBreakAtBackslashNAndCrLfOnlyAtCharacterStarts) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"A\\nB", {"A", "B"}},
        {"A\r\nB", {"A", "B"}},
        {"A\\n\r\nB\\n", {"A", "", "B", ""}},
        {"A\\B\rn", {"A\\B\rn"}},
        // 表 is 0x95 0x5C: its trail byte followed by "n" is no line break.
        {J("表n"), {J("表n")}},
        {J("表\\n表"), {J("表"), J("表")}},
        {"", {""}},
    };
    for (const Case& c : cases) {
        const auto lines = SplitPrTextLines(c.text);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.lines)
            << Sjis::ToUtf8(c.text);
    }
}

TEST(PrElementsText, ItemFormatsTakeOnlyTextConversions) {
    const std::vector<std::string> texts = {"2001", "4", "1"};
    struct Case {
        std::string format;
        std::string result;
    };
    const std::vector<Case> cases = {
        {"%4s/%2s/%2s", "2001/ 4/ 1"},
        {"%-6s|%3s|%.1s", "2001  |  4|1"},
        {"%.2s", "20"},
        {"%s %s %s %s", "2001 4 1 "},
        {"100%% %d %n %s", "100% %d %n 2001"},
        {"%", "%"},
        {J("（%4s年 %2s月）"), J("（2001年  4月）")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPrItemText(c.format, texts), c.result) << c.format;
    }
}

// ---- Drawing --------------------------------------------------------------------------------

class PrElementsDraw : public ::testing::Test {
protected:
    ScopedPaths paths;
    CRecordingDC dc{CRecordingDC::Device::Printer, 254};
    TestPrLayout layout;
    CPrHeader header;

    void SetUp() override {
        dc.SetMapMode(MM_LOMETRIC);
        layout.page = CRect(50, -20, 3000, -2000);
        header.SetKikan(1);
        header.SetToDay(1);
        header.SetHeaderTexts({"2001", "4", "1", "2002", "3", "31"});
        header.SetHeaderTexts2({"2001", "5", "6"});
    }

    struct Drawn {
        CPoint at;
        std::string text;
        LOGFONT font;
        COLORREF color;
    };
    std::vector<Drawn> Texts() const {
        std::vector<Drawn> out;
        for (const auto& r : dc.Find(DcOp::TextOut)) {
            out.push_back({r.args.points.at(0), r.args.text, r.font, r.textColor});
        }
        return out;
    }
};

TEST_F(PrElementsDraw, ATextIsPlacedAtItsScaledRectangleFromThePageOrigin) {
    const CPrNewText text(kPrKindFixedText, 0, CRect(100, -50, 700, -150),
                          Font("ＭＳ 明朝", -40, 20), RGB(0, 0, 255), "", "AB", 0, 0);
    layout.zoom = 50;
    text.Draw(&dc, layout, header);
    const auto drawn = Texts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].at, CPoint(50 + 50, -20 - 25));
    EXPECT_EQ(drawn[0].text, "AB");
    EXPECT_EQ(drawn[0].font.lfHeight, -20); // zoomed
    EXPECT_EQ(drawn[0].font.lfWidth, 10);
    EXPECT_EQ(drawn[0].font.FaceName(), J("ＭＳ 明朝"));
    EXPECT_EQ(drawn[0].color, RGB(0, 0, 255));
}

TEST_F(PrElementsDraw, CentringByLinesAndByBytes) {
    // Rectangle 1000 wide and 300 high; lines 40 high, characters 20 wide.
    const CRect rect(0, 0, 1000, -300);
    struct Case {
        std::string contents;
        int v;
        int h;
        std::vector<CPoint> at;
    };
    const std::vector<Case> cases = {
        {"ABCD", 0, 0, {{50, -20}}},
        {"ABCD", 1, 0, {{50, -20 - 130}}}, // (-300 + 40) / 2
        {"ABCD", 0, 1, {{50 + 460, -20}}}, // (1000 - 4 * 20) / 2
        {"A\\nBCD", 1, 1, {{50 + 490, -20 - 110}, {50 + 470, -20 - 150}}},
        {J("工事"), 0, 1, {{50 + 460, -20}}},                  // two characters, four bytes
        {"A\\n\\nB", 1, 0, {{50, -20 - 90}, {50, -20 - 170}}}, // the empty line takes its place
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Sjis::ToUtf8(c.contents));
        dc.Clear();
        const CPrNewText text(kPrKindFixedText, 0, rect, Font("ＭＳ 明朝", -40, 20), 0, "",
                              c.contents, c.v, c.h);
        text.Draw(&dc, layout, header);
        std::vector<CPoint> at;
        for (const Drawn& d : Texts()) {
            at.push_back(d.at);
        }
        EXPECT_EQ(at, c.at);
    }
}

TEST_F(PrElementsDraw, ThePrintFontReplacesTheFaceButNotTheElementsSize) {
    layout.printFont = Font("ＭＳ ゴシック", -99, 77);
    const CPrNewText text(kPrKindFixedText, 0, CRect(0, 0, 100, -100), Font("ＭＳ 明朝", -40, 20),
                          0, "", "A", 0, 0);
    text.Draw(&dc, layout, header);
    const auto drawn = Texts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].font.FaceName(), J("ＭＳ ゴシック"));
    EXPECT_EQ(drawn[0].font.lfHeight, -40);
    EXPECT_EQ(drawn[0].font.lfWidth, 20);
}

TEST_F(PrElementsDraw, PeriodAndCreationDateItemsFollowTheirOptionsAndFormats) {
    const CPrNewText period(kPrKindPeriod, 0, CRect(0, 0, 2000, -100), Font("ＭＳ 明朝", -40, 20),
                            0, J("期間"), J("無視される"), 0, 0);
    const CPrNewText date(kPrKindDate, 0, CRect(0, 0, 2000, -100), Font("ＭＳ 明朝", -40, 20), 0,
                          J("作成日"), "", 0, 0);
    struct Case {
        short kikan;
        WORD today;
        const char* kikanFormat; // nullptr: no profile value
        const char* dateFormat;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {1,
         1,
         nullptr,
         nullptr,
         {"期間：2001年  4月  1日　～　2002年  3月 31日", "（2001年  5月  6日作成）"}},
        {0, 1, nullptr, nullptr, {"（2001年  5月  6日作成）"}},
        {1, 0, nullptr, nullptr, {"期間：2001年  4月  1日　～　2002年  3月 31日"}},
        {1, 1, "", "", {}},
        {1, 1, "\"%s-%s-%s\"", "%s.%s.%s %d", {"2001-4-1", "2001.5.6 %d"}},
    };
    for (const Case& c : cases) {
        dc.Clear();
        WriteProfileString("PrintForm", "Kikan", c.kikanFormat);
        WriteProfileString("PrintForm", "Date", c.dateFormat);
        header.SetKikan(c.kikan);
        header.SetToDay(c.today);
        period.Draw(&dc, layout, header);
        date.Draw(&dc, layout, header);
        std::vector<std::string> texts;
        for (const Drawn& d : Texts()) {
            texts.push_back(Sjis::ToUtf8(d.text));
        }
        EXPECT_EQ(texts, c.texts);
    }
}

TEST_F(PrElementsDraw, ALineRunsBetweenItsCornersAndAnAllZeroElementIsNotDrawn) {
    const CPrNewLine line(0, CRect(10, -20, 310, -20), 0, 3, RGB(255, 0, 0));
    line.Draw(&dc, layout, header);
    const auto lines = dc.Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args.points, (std::vector<CPoint>{{60, -40}, {360, -40}}));
    EXPECT_EQ(lines[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(lines[0].rop2, R2_COPYPEN);

    dc.Clear();
    CPrNewLine(0, CRect(), 0, 3, 0).Draw(&dc, layout, header);
    CPrNewText(kPrKindFixedText, 0, CRect(), Font("ＭＳ 明朝", -40, 20), 0, "", "A", 0, 0)
        .Draw(&dc, layout, header);
    EXPECT_TRUE(dc.Drawings().empty());
}

} // namespace
} // namespace tembra
