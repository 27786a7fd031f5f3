// The text shape: its line layout on CP932 bytes, the text box inside each frame, what it draws
// on the screen and elsewhere, its stored form in both file versions, and its copies.
#include "shapes/ZukeiString.h"
#include "model/ConfigBase.h"
#include "platform/Archive.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "shapes/DatePos.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"

#include "FakeEditWnd.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::J;

// A chart view that can be editing a shape and can suppress the texts.
class TextChart : public test::ShapeChart {
public:
    const CZukei* GetEditingZukei() const override { return editing; }
    bool IsTextSuppressed() const override { return suppressed; }
    const CZukei* editing = nullptr;
    bool suppressed = false;
};

LOGFONT Font(LONG height, LONG width = 0) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.SetFaceName(J("ＭＳ ゴシック"));
    return font;
}

// Anchors fixed on the page at the corners of rect (logical units of the chart at 100 %), so
// that the shape's device rectangle is rect.
void Place(CZukeiString& text, const IZukeiView& view, const CRect& rect) {
    text.SetPointMode(kPlaceOnPage);
    CDatePos pos;
    pos.point = rect.TopLeft();
    text.SetPoint(pos, view, 1);
    pos.point = rect.BottomRight();
    text.SetPoint(pos, view, 2);
}

std::unique_ptr<CZukeiString> Framed(const IZukeiView& view, const CRect& rect, WORD frameKind,
                                     const std::string& text, const LOGFONT& font) {
    auto shape = std::make_unique<CZukeiString>();
    shape->SetKind(kZukeiFramedString);
    shape->SetStyle(14);
    shape->SetFrameKind(frameKind);
    shape->SetFont(font);
    shape->SetText(text);
    Place(*shape, view, rect);
    return shape;
}

std::vector<CRecordingDC::Record> TextOuts(const CRecordingDC& dc) {
    return dc.Find(DcOp::TextOut);
}

// ---- Construction and the registry ------------------------------------------------------------

TEST(ZukeiStringTest, ANewTextIsAPlainTextOfSizeOneWithNoFrameAndNothingPending) {
    CZukeiString text;
    EXPECT_EQ(text.GetType(), kTypeZukei);
    EXPECT_EQ(text.GetKind(), kZukeiString);
    EXPECT_EQ(text.GetWord6(), 1000);
    EXPECT_EQ(text.GetTextAttr().m_fontHeigh, 1);
    EXPECT_EQ(text.GetTextAttr().m_fontWidth, 1);
    EXPECT_EQ(text.GetText(), "");
    // Files before 51000 hold neither: a text loaded from one has no frame.
    EXPECT_EQ(text.GetFrameKind(), 0);
    EXPECT_EQ(text.GetStyleNo(), 0);
    EXPECT_EQ(text.GetFrameTag(), 0);
    EXPECT_FALSE(text.GetUpdate());
    EXPECT_EQ(text.GetEditState(), 0u);
    EXPECT_EQ(text.GetEditWnd(), nullptr);
    EXPECT_TRUE(text.GetLines().empty());
    EXPECT_EQ(text.GetSegmentCount(), 0);

    text.SetKind(kZukeiFramedString);
    text.SetKind();
    EXPECT_EQ(text.GetKind(), kZukeiString);
    text.SetWidth(-4);
    EXPECT_EQ(text.GetWidth(), -4);
    EXPECT_TRUE(text.GetUpdate()) << "a new width lays the lines out again";
}

TEST(ZukeiStringTest, EveryNewClassIsKnownByNameWithSchemaOne) {
    for (const char* name : {"CZukeiString", "CZukeiGroup", "CZukeiUser"}) {
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->m_wSchema, 1u) << name;
        std::unique_ptr<CObject> made(cls->CreateObject());
        ASSERT_NE(made, nullptr) << name;
        EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CZukei))) << name;
    }
}

// ---- Line layout ------------------------------------------------------------------------------

TEST(ZukeiStringTest, LayoutBreaksParagraphsBetweenCharactersToFitTheWidth) {
    struct Case {
        const char* what;
        std::string text;
        int limit;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"two paragraphs", "ABC\r\nDEF", 100, {"ABC", "DEF"}},
        {"a closing CR LF adds no paragraph", "ABC\r\n", 100, {"ABC"}},
        {"an empty text is one empty line", "", 100, {""}},
        {"an empty paragraph between two", "A\r\n\r\nB", 100, {"A", "", "B"}},
        {"a lone CR or LF is a character", "A\rB\nC", 100, {"A\rB\nC"}},
        {"a whole paragraph exactly as wide", "ABCD", 40, {"ABCD"}},
        {"double-byte characters two to a line", J("あいうえ"), 40, {J("あい"), J("うえ")}},
        {"a line of mixed widths", "A" + J("あ") + "B", 30, {"A" + J("あ"), "B"}},
        {"a long paragraph",
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
         70,
         {"ABCDEFG", "HIJKLMN", "OPQRSTU", "VWXYZ"}},
        // A box narrower than a character: each stands alone and the text goes on.
        {"characters wider than the box",
         J("あいう") + "\r\nB",
         15,
         {J("あ"), J("い"), J("う"), "B"}},
        {"no width at all", "AB\r\nC", 0, {"A", "B", "C"}},
        // A lead byte without its trail byte at a paragraph's end is one character.
        {"a lone lead byte at a paragraph's end", "A\x82\r\nB", 100, {"A\x82", "B"}},
        {"a lone lead byte broken off", "A\x82\r\nB", 10, {"A", "\x82", "B"}},
        {"a lone lead byte at the text's end", "AB\x82", 20, {"AB", "\x82"}},
    };
    test::ShapeChart chart;
    for (const int outputMode : {0, 1}) {
        chart.layout.SetOutputMode(outputMode);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << ", output mode " << outputMode);
            CZukeiString text;
            text.SetText(c.text);
            CRecordingDC dc;
            text.LayoutLines(chart, dc, c.limit, Font(120, 10));
            EXPECT_EQ(text.GetLines(), c.lines);
            EXPECT_EQ(dc.GetCurrentFont(), CGdiObject::Stock(SYSTEM_FONT))
                << "the measuring font is released";
        }
    }
}

TEST(ZukeiStringTest, OnTheScreenTheLayoutMeasuresWithAPointFont) {
    test::ShapeChart chart;
    CRecordingDC dc; // 96 dpi
    CZukeiString text;
    text.SetText("ABCDEFGH");
    // 9 points at 96 dpi are 12 pixels: a single-byte character 6 pixels wide.
    text.LayoutLines(chart, dc, 30, Font(90));
    EXPECT_EQ(text.GetLines(), (std::vector<std::string>{"ABCDE", "FGH"}));
    chart.layout.SetOutputMode(1);
    text.LayoutLines(chart, dc, 300, Font(90));
    EXPECT_EQ(text.GetLines(), (std::vector<std::string>{"ABCDEF", "GH"})) << "90 units: 45 wide";
}

// ---- The text box -----------------------------------------------------------------------------

TEST(ZukeiStringTest, TheTextBoxKeepsClearOfEachFrame) {
    struct Case {
        const char* what;
        WORD frameKind;
        CRect frame;
        CRect box;
    };
    // A margin of 16 at 100 % with the normal width (3): 3 x 0.1 / 25.4 x 72 = 0.85 rounds to
    // 1, and 15.
    const CRect frame(0, 100, 200, 0);
    const Case cases[] = {
        {"no frame", 0, frame, {16, 84, 184, 16}},
        {"box", kZukeiBox, frame, {16, 84, 184, 16}},
        {"rounded box, corner 30", kZukeiBox2, frame, {18, 82, 182, 18}},
        {"ellipse", kZukeiEllipse, frame, {45, 70, 155, 30}},
        {"circle frame of the same rectangle", kZukeiCircle, frame, {45, 70, 155, 30}},
        {"upright ellipse", kZukeiEllipse, CRect(0, 200, 100, 0), {30, 155, 70, 45}},
        {"triangle, first form", kZukeiDelta1, frame, {66, 84, 134, 66}},
        {"triangle, second form", kZukeiDelta2, frame, {16, 59, 84, 41}},
        {"arrow, first form", kZukeiArrow1, frame, {66, 84, 134, 32}},
        {"arrow, second form", kZukeiArrow2, frame, {16, 59, 151, 41}},
        {"diamond", kZukeiDiamond, frame, {66, 59, 134, 41}},
        {"arc: no frame", kZukeiArc, frame, {16, 84, 184, 16}},
        {"fan: no frame", kZukeiFan, frame, {16, 84, 184, 16}},
        {"drawn from the other corner", kZukeiBox, CRect(200, 0, 0, 100), {16, 84, 184, 16}},
        {"too small for its margins", kZukeiBox, CRect(0, 20, 30, 0), {0, 20, 0, 20}},
        {"a frame of no size", kZukeiEllipse, CRect(5, 5, 5, 5), {5, 5, 5, 5}},
    };
    test::ShapeChart chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CZukeiString text;
        text.SetAttr(CZukeiAttr{14, 0, 0, 0, 0, 100, 0, 30});
        text.SetFrameKind(c.frameKind);
        EXPECT_EQ(text.GetTextRect(chart, c.frame), c.box);
    }
}

TEST(ZukeiStringTest, TheMarginGrowsWithTheZoomAndThePen) {
    test::ShapeChart chart;
    CZukeiString text;
    text.SetFrameKind(kZukeiBox);
    text.SetWidth(-10); // 2.83 rounds to 3
    EXPECT_EQ(text.GetTextRect(chart, CRect(0, 100, 200, 0)), CRect(18, 82, 182, 18));
    text.SetWidth(0);
    chart.layout.SetZoomIndex(5); // 200 %: 1.7 rounds to 2, and 30
    EXPECT_EQ(text.GetTextRect(chart, CRect(0, 100, 200, 0)), CRect(32, 68, 168, 32));
}

TEST(ZukeiStringTest, TheTextBoxAtFullSizeIsTakenOnACopyOfTheLayout) {
    test::ShapeChart chart;
    auto text = Framed(chart, CRect(600, -300, 1000, -500), kZukeiEllipse, "A", Font(-40));
    const CRect atFull = text->GetTextRect(chart, text->GetDeviceRect(chart));
    EXPECT_EQ(text->GetTextRect100(chart), atFull);

    chart.layout.SetZoomIndex(5);
    chart.layout.RecalcLayout();
    const CRect before = chart.layout.GetChartRect();
    const CRect zoomed = text->GetTextRect(chart, text->GetDeviceRect(chart));
    EXPECT_NE(zoomed, atFull);
    EXPECT_EQ(text->GetTextRect100(chart), atFull);
    EXPECT_EQ(chart.layout.GetZoom(), 200) << "the view's own layout stays as it was";
    EXPECT_EQ(chart.layout.GetChartRect(), before);
}

// ---- Drawing ----------------------------------------------------------------------------------

TEST(ZukeiStringTest, ABoxShowsTheLinesThatFitWithATenthToSpare) {
    struct Case {
        int frameHeight;
        std::vector<std::string> shown;
    };
    // Lines 40 high; the box is the frame less 16 at top and bottom.
    const Case cases[] = {
        {132, {"1", "2"}},      // 2.5 lines
        {150, {"1", "2", "3"}}, // 2.95 lines
        {61, {}},               // less than one line
        {232, {"1", "2", "3", "4", "5"}},
    };
    TextChart chart;
    chart.layout.SetOutputMode(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameHeight);
        auto text = Framed(chart, CRect(100, -100, 400, -100 - c.frameHeight), kZukeiBox,
                           "1\r\n2\r\n3\r\n4\r\n5", Font(-40, 10));
        CRecordingDC dc;
        text->Draw(chart, dc, kDrawNormal);
        std::vector<std::string> shown;
        for (const auto& record : TextOuts(dc)) {
            shown.push_back(record.args.text);
        }
        EXPECT_EQ(shown, c.shown);
        if (!shown.empty() && shown.size() < 5) {
            EXPECT_EQ(TextOuts(dc)[0].args.points[0].y, -116) << "from the top, not aligned";
        }
        EXPECT_TRUE(text->GetUpdate()) << "away from the screen every drawing lays out anew";
    }
}

TEST(ZukeiStringTest, FormAndAttributesPlaceTheLines) {
    struct Case {
        const char* what;
        WORD form;
        WORD attrb;
        std::string text;
        std::vector<CPoint> at;
    };
    // The box (116, -116, 384, -384): 268 wide and high; "AB" is 20 wide, a line 40 high.
    const Case cases[] = {
        {"left, centred", 0, 0, "AB", {{116, -230}}},
        {"centre", 1, 0, "AB", {{240, -230}}},
        {"right", 2, 0, "AB", {{364, -230}}},
        {"top", 0, 0x0100, "AB", {{116, -116}}},
        {"bottom", 0, 0x0200, "AB", {{116, -344}}},
        {"bold changes no place", 0, 0x0004, "AB", {{116, -230}}},
        {"a centred block", 1, 0, "A\r\nBB\r\nC", {{245, -190}, {240, -230}, {245, -270}}},
        {"an empty line only takes its height",
         0,
         0x0100,
         "A\r\n\r\nC",
         {{116, -116}, {116, -196}}},
    };
    TextChart chart;
    chart.layout.SetOutputMode(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, c.text, Font(-40, 10));
        CTextAttr attr = text->GetTextAttr();
        attr.m_form = c.form;
        attr.m_attrb = c.attrb;
        attr.m_color = RGB(1, 2, 3);
        text->SetTextAttr(attr);
        CRecordingDC dc;
        text->Draw(chart, dc, kDrawNormal);
        const auto outs = TextOuts(dc);
        ASSERT_EQ(outs.size(), c.at.size());
        for (std::size_t i = 0; i < outs.size(); ++i) {
            EXPECT_EQ(outs[i].args.points[0], c.at[i]) << i;
            EXPECT_EQ(outs[i].textColor, RGB(1, 2, 3));
            EXPECT_EQ(outs[i].bkMode, TRANSPARENT);
            EXPECT_EQ(outs[i].font.lfWeight, (c.attrb & 0x0004) != 0 ? FW_BOLD : 0);
        }
    }
}

TEST(ZukeiStringTest, TagsStandLeftOfTheCornerInPurpleOnlyWhenSelected) {
    struct Case {
        WORD tag;
        bool selected;
        std::string letter; // empty: no tag
    };
    const Case cases[] = {
        {1, true, J("災")}, {2, true, J("対")}, {3, true, J("目")}, {4, true, J("実")},
        {5, true, ""},      {0, true, ""},      {1, false, ""},     {4, false, ""},
    };
    TextChart chart; // on the screen
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tag " << c.tag << " selected " << c.selected);
        // Drawn from its bottom-right corner: the tag goes by the top-left one all the same.
        auto text = Framed(chart, CRect(400, -400, 100, -100), kZukeiBox, "", Font(-40, 10));
        text->SetFrameTag(c.tag);
        if (c.selected) {
            text->Select();
        }
        CRecordingDC dc;
        dc.SetMapMode(MM_LOMETRIC);
        text->Draw(chart, dc, kDrawNormal);
        const auto outs = TextOuts(dc);
        if (c.letter.empty()) {
            EXPECT_TRUE(outs.empty());
            continue;
        }
        ASSERT_EQ(outs.size(), 1u);
        EXPECT_EQ(outs[0].args.text, c.letter);
        EXPECT_EQ(outs[0].args.points[0], CPoint(90, -110));
        EXPECT_EQ(outs[0].textAlign, UINT(TA_RIGHT | TA_TOP));
        EXPECT_EQ(outs[0].textColor, RGB(0x80, 0x00, 0x80));
        EXPECT_EQ(outs[0].bkMode, TRANSPARENT);
        EXPECT_EQ(outs[0].font.lfHeight, -32);
    }

    // Away from the screen no tag is drawn; at 200 % its font is twice as high.
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "", Font(-40, 10));
    text->SetFrameTag(2);
    text->Select();
    chart.layout.SetOutputMode(1);
    CRecordingDC paper;
    text->Draw(chart, paper, kDrawNormal);
    EXPECT_TRUE(TextOuts(paper).empty());
    chart.layout.SetOutputMode(0);
    chart.layout.SetZoomIndex(5);
    CRecordingDC zoomed;
    text->Draw(chart, zoomed, kDrawNormal);
    ASSERT_EQ(TextOuts(zoomed).size(), 1u);
    EXPECT_EQ(TextOuts(zoomed)[0].font.lfHeight, -64);
}

TEST(ZukeiStringTest, WhatAFramedTextDrawsWhileEditedOrSuppressed) {
    TextChart chart;
    chart.layout.SetOutputMode(1);
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "AB", Font(-40, 10));
    text->SetFrameTag(1);
    text->SetAttr(CZukeiAttr{14, kPlaceOnPage, 0, -1, RGB(9, 9, 9), 99, RGB(7, 7, 7), 30});
    const auto draw = [&](CRecordingDC& dc) { text->Draw(chart, dc, kDrawNormal); };

    // In editing and selected: the frame on white and the tag; the window shows the text.
    text->Select();
    text->SetEditState(1);
    chart.layout.SetOutputMode(0);
    CRecordingDC editing;
    draw(editing);
    ASSERT_EQ(editing.Find(DcOp::Rectangle).size(), 1u);
    EXPECT_EQ(editing.Find(DcOp::Rectangle)[0].brush.color, RGB(255, 255, 255));
    ASSERT_EQ(TextOuts(editing).size(), 1u);
    EXPECT_EQ(TextOuts(editing)[0].args.text, J("災"));

    // Suppressed texts: not even the tag.
    chart.suppressed = true;
    CRecordingDC suppressedEditing;
    draw(suppressedEditing);
    EXPECT_EQ(suppressedEditing.Find(DcOp::Rectangle).size(), 1u);
    EXPECT_TRUE(TextOuts(suppressedEditing).empty());
    text->ClearEditState();
    CRecordingDC suppressed;
    draw(suppressed);
    EXPECT_EQ(suppressed.Find(DcOp::Rectangle).size(), 1u);
    EXPECT_EQ(suppressed.Find(DcOp::Rectangle)[0].brush.color, RGB(7, 7, 7));
    EXPECT_TRUE(TextOuts(suppressed).empty());
    chart.suppressed = false;

    // The shape the view edits draws nothing at all.
    chart.editing = text.get();
    CRecordingDC edited;
    draw(edited);
    EXPECT_TRUE(edited.Drawings().empty());
    chart.editing = nullptr;

    // Not selected, the edit state draws as usual (away from the screen, no tag).
    text->Deselect();
    text->SetEditState(1);
    chart.layout.SetOutputMode(1);
    CRecordingDC plain;
    draw(plain);
    ASSERT_EQ(TextOuts(plain).size(), 1u);
    EXPECT_EQ(TextOuts(plain)[0].args.text, "AB");
}

TEST(ZukeiStringTest, OnTheScreenLinesAreDrawnInPixelsFromTheLastLayout) {
    TextChart chart;
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "AB", Font(-40));
    CRecordingDC dc; // 96 dpi
    dc.SetMapMode(MM_LOMETRIC);
    text->Draw(chart, dc, kDrawNormal);
    EXPECT_TRUE(TextOuts(dc).empty()) << "no lines laid out yet";

    text->SetUpdate(TRUE);
    dc.Clear();
    text->Draw(chart, dc, kDrawNormal);
    EXPECT_FALSE(text->GetUpdate());
    const auto outs = TextOuts(dc);
    ASSERT_EQ(outs.size(), 1u);
    const auto& line = outs[0];
    EXPECT_EQ(line.args.text, "AB");
    EXPECT_EQ(line.mapMode, MM_TEXT);
    // 40 units of 0.1 mm are 11.3 points: 113 tenths, 15 pixels at 96 dpi.
    EXPECT_EQ(line.font.lfHeight, -15);
    EXPECT_EQ(line.textAlign, UINT(TA_LEFT | TA_TOP));
    // The box from 116 to 384 units is 44 to 145 pixels: the line centred in it.
    EXPECT_EQ(line.args.points[0], CPoint(44, 44 + (101 - 15) / 2));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC) << "the device context is restored";

    // A changed text shows only after the next layout.
    text->SetText("XY");
    dc.Clear();
    text->Draw(chart, dc, kDrawNormal);
    ASSERT_EQ(TextOuts(dc).size(), 1u);
    EXPECT_EQ(TextOuts(dc)[0].args.text, "AB");
}

TEST(ZukeiStringTest, OnTheBlackBackgroundTheScreenTextTakesTheMatchedColour) {
    struct Case {
        bool blackBack;
        COLORREF stored;
        COLORREF drawn;
    };
    const Case cases[] = {
        {true, RGB(0, 0, 0), RGB(255, 255, 255)},
        {true, RGB(255, 0, 0), RGB(255, 0, 0)},
        {false, RGB(0, 0, 0), RGB(0, 0, 0)},
    };
    const DrawSettings previous = GetDrawSettings();
    for (const Case& c : cases) {
        DrawSettings settings = previous;
        settings.blackBack = c.blackBack;
        SetDrawSettings(settings);
        TextChart chart;
        auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "AB", Font(-40));
        text->GetTextAttr().m_color = c.stored;
        text->SetUpdate(TRUE);
        CRecordingDC dc; // 96 dpi
        dc.SetMapMode(MM_LOMETRIC);
        text->Draw(chart, dc, kDrawNormal);
        const auto outs = TextOuts(dc);
        ASSERT_EQ(outs.size(), 1u);
        EXPECT_EQ(outs[0].textColor, c.drawn) << c.blackBack << " " << c.stored;
    }
    SetDrawSettings(previous);
}

TEST(ZukeiStringTest, ForAMetafileEachLineTakesAFixedPitchOfItsMeasuredWidth) {
    TextChart chart;
    chart.layout.SetOutputMode(2);
    struct Case {
        BYTE pitch;
        LONG width; // of the font drawn with
        BYTE drawnPitch;
    };
    // "ABC" in a font 25 high: 12.5 a character, 38 for the three, 13 each.
    const Case cases[] = {
        {VARIABLE_PITCH | FF_ROMAN, 13, FIXED_PITCH | FF_ROMAN},
        {FIXED_PITCH | FF_MODERN, 0, FIXED_PITCH | FF_MODERN},
    };
    for (const Case& c : cases) {
        LOGFONT font = Font(-25);
        font.lfPitchAndFamily = c.pitch;
        auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "ABC", font);
        CRecordingDC dc(CRecordingDC::Device::Metafile);
        text->Draw(chart, dc, kDrawNormal);
        ASSERT_EQ(TextOuts(dc).size(), 1u);
        EXPECT_EQ(TextOuts(dc)[0].font.lfWidth, c.width);
        EXPECT_EQ(TextOuts(dc)[0].font.lfPitchAndFamily, c.drawnPitch);
    }
}

TEST(ZukeiStringTest, APlainTextIsOneLineInItsRectangle) {
    struct Case {
        const char* what;
        WORD form;
        WORD attrb;
        CPoint at;
    };
    // The rectangle (100, -100, 400, -300): 300 wide, -200 high; the font 40 high and 10 wide,
    // "ABCD" 40 wide.
    const Case cases[] = {
        {"left, centred", 0, 0, {100, -180}}, {"centre", 1, 0, {230, -180}},
        {"right", 2, 0, {360, -180}},         {"top", 0, 0x0100, {100, -100}},
        {"bottom", 0, 0x0200, {100, -260}},
    };
    TextChart chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CZukeiString text;
        text.SetFont(Font(-40, 10));
        text.SetText("ABCD");
        CTextAttr attr = text.GetTextAttr();
        attr.m_form = c.form;
        attr.m_attrb = c.attrb;
        text.SetTextAttr(attr);
        Place(text, chart, CRect(100, -100, 400, -300));
        text.SetFrameKind(kZukeiBox); // a plain text draws no frame whatever it holds
        CRecordingDC dc;
        text.Draw(chart, dc, kDrawNormal);
        ASSERT_EQ(dc.Drawings().size(), 1u);
        const auto outs = TextOuts(dc);
        ASSERT_EQ(outs.size(), 1u);
        EXPECT_EQ(outs[0].args.points[0], c.at);
        EXPECT_EQ(outs[0].args.text, "ABCD");
        // Plain texts show no drag feedback.
        CRecordingDC feedback;
        text.DrawMoving(chart, feedback, CPoint(5, 5));
        text.DrawTracking(chart, feedback, CPoint(5, 5), 5, CRect(100, -100, 400, -300));
        EXPECT_TRUE(feedback.Drawings().empty());
    }
}

TEST(ZukeiStringTest, EachFrameKindDrawsItsOutline) {
    struct Case {
        WORD frameKind;
        DcOp op;
        std::size_t points;
    };
    const Case cases[] = {
        {kZukeiBox, DcOp::Rectangle, 0},   {kZukeiBox2, DcOp::RoundRect, 0},
        {kZukeiCircle, DcOp::Ellipse, 0},  {kZukeiEllipse, DcOp::Ellipse, 0},
        {kZukeiDelta1, DcOp::Polygon, 3},  {kZukeiDelta2, DcOp::Polygon, 3},
        {kZukeiArrow1, DcOp::Polygon, 7},  {kZukeiArrow2, DcOp::Polygon, 7},
        {kZukeiDiamond, DcOp::Polygon, 4},
    };
    TextChart chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameKind);
        auto text = Framed(chart, CRect(0, -100, 400, -190), c.frameKind, "", Font(-40));
        CRecordingDC dc;
        text->Draw(chart, dc, kDrawNormal);
        const auto drawn = dc.Find(c.op);
        ASSERT_EQ(drawn.size(), 1u);
        if (c.points != 0) {
            EXPECT_EQ(drawn[0].args.points.size(), c.points);
        }
    }
    // The first arrow's points on (0, -100, 400, -190), as the arrow shape has them.
    auto arrow = Framed(chart, CRect(0, -100, 400, -190), kZukeiArrow1, "", Font(-40));
    CRecordingDC dc;
    arrow->Draw(chart, dc, kDrawNormal);
    EXPECT_EQ(dc.Find(DcOp::Polygon)[0].args.points, (std::vector<CPoint>{{100, -100},
                                                                          {300, -100},
                                                                          {300, -160},
                                                                          {400, -160},
                                                                          {200, -190},
                                                                          {0, -160},
                                                                          {100, -160}}));
    for (const WORD none : {WORD(0), WORD(kZukeiArc), WORD(kZukeiFan)}) {
        auto bare = Framed(chart, CRect(0, -100, 400, -190), none, "", Font(-40));
        CRecordingDC nothing;
        bare->Draw(chart, nothing, kDrawNormal);
        EXPECT_TRUE(nothing.Drawings().empty()) << none;
    }
}

TEST(ZukeiStringTest, FeedbackDrawsTheFrameInvertedMovedOrResized) {
    TextChart chart;
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "AB", Font(-40));
    CRecordingDC moved;
    text->DrawMoving(chart, moved, CPoint(10, -20));
    ASSERT_EQ(moved.Drawings().size(), 1u);
    EXPECT_EQ(moved.Drawings()[0].rop2, R2_NOT);
    EXPECT_EQ(moved.Drawings()[0].op, DcOp::Rectangle);
    EXPECT_FALSE(text->GetUpdate());

    CRecordingDC resized;
    text->DrawTracking(chart, resized, CPoint(100, 0), 4, CRect(100, -100, 400, -400));
    ASSERT_EQ(resized.Drawings().size(), 1u);
    EXPECT_EQ(resized.Drawings()[0].rop2, R2_NOT);
    EXPECT_TRUE(text->GetUpdate()) << "a new size lays the lines out again";

    EXPECT_EQ(text->GetResizedRect(chart, CPoint(100, 0), 4, CRect(100, -100, 400, -400)),
              CRect(100, -100, 500, -400));
    CZukeiString plain;
    Place(plain, chart, CRect(100, -100, 400, -400));
    // A plain text resizes an empty rectangle, whatever its anchors.
    EXPECT_EQ(plain.GetResizedRect(chart, CPoint(100, 0), 4, CRect(0, 0, 300, -300)),
              CRect(0, 0, 10, 0));
}

// ---- Hit test and the square of a circle frame --------------------------------------------------

TEST(ZukeiStringTest, HitsTheRectangleOfItsAnchors) {
    struct Case {
        CRect probe;
        int mode;
        BOOL hit;
    };
    const Case cases[] = {
        {{150, -150, 160, -160}, kHitTouch, TRUE},   {{395, -395, 405, -405}, kHitDrag, TRUE},
        {{405, -150, 415, -160}, kHitTouch, FALSE},  {{0, 0, 500, -500}, kHitInside, TRUE},
        {{150, -150, 500, -500}, kHitInside, FALSE}, {{150, -150, 160, -160}, 3, FALSE},
    };
    TextChart chart;
    for (const WORD kind : {WORD(kZukeiString), WORD(kZukeiFramedString)}) {
        CZukeiString text;
        text.SetKind(kind);
        Place(text, chart, CRect(100, -100, 400, -400));
        for (const Case& c : cases) {
            EXPECT_EQ(text.HitTest(chart, c.probe, c.mode), c.hit)
                << kind << " " << c.probe.left << " mode " << c.mode;
        }
        // Fixed on another page it is not there.
        text.SetPage(1, 0);
        EXPECT_FALSE(text.HitTest(chart, CRect(0, 0, 500, -500), kHitInside));
        EXPECT_FALSE(text.HitTest(chart, CRect(150, -150, 160, -160), kHitTouch));
        CRecordingDC dc;
        text.Draw(chart, dc, kDrawNormal);
        EXPECT_TRUE(dc.Drawings().empty());
    }
}

TEST(ZukeiStringTest, ACircleFrameIsDrawnSquareFromItsStartOrCentre) {
    struct Case {
        bool fromCenter;
        CPoint cursor;
        CRect rect;
    };
    const Case cases[] = {
        {false, {1100, -560}, {1000, -500, 1100, -600}},
        {false, {940, -450}, {1000, -500, 940, -440}},
        {true, {1100, -560}, {900, -400, 1100, -600}},
    };
    TextChart chart;
    for (const Case& c : cases) {
        CZukeiString text;
        text.SetKind(kZukeiFramedString);
        text.SetFrameKind(kZukeiCircle);
        text.SetPointMode(kPlaceOnPage);
        CDatePos pos;
        pos.point = CPoint(1000, -500);
        pos.flags = c.fromCenter ? CDatePos::kFlagFromCenter : 0;
        text.SetPoint(pos, chart, 1);
        pos.flags = 0; // taken when the first corner is placed
        pos.dragStart = CPoint(1000, -500);
        pos.point = c.cursor;
        text.SetPoint(pos, chart, 2);
        EXPECT_EQ(text.GetDeviceRect(chart), c.rect) << c.fromCenter;
    }
}

// ---- Storage ----------------------------------------------------------------------------------

class ZukeiStringStorageTest : public testing::Test {
protected:
    ZukeiStringStorageTest() {
        text.SetKind(kZukeiFramedString);
        text.SetText("AB");
        CTextAttr attr = text.GetTextAttr();
        attr.m_form = 1;
        text.SetTextAttr(attr);
        text.SetFrameKind(kZukeiBox);
        text.SetStyleNo(3);
        text.SetFont(font);
        Place(text, chart, CRect(100, -100, 400, -400));
        CRecordingDC dc;
        text.LayoutLines(chart, dc, 1000, font);
    }
    Bytes Head() {
        return test::Store([&](CArchive& ar) { text.CZukei2::Serialize(ar); });
    }
    Bytes Font50() const {
        Bytes bytes(LogFont16::kSize);
        LogFont16::FromLogFont(font).ToBytes(bytes.data());
        return bytes;
    }

    TextChart chart;
    LOGFONT font = Font(-40, 10);
    CZukeiString text;
};

TEST_F(ZukeiStringStorageTest, AFramedTextStoresItsPartsAfterTheAnchors) {
    const CRect box = text.GetTextRect(chart, CRect(100, -100, 400, -400));
    ASSERT_EQ(box, CRect(116, -116, 384, -384));
    const Bytes expected = ByteWriter()
                               .Append(Head())
                               .Word(1) // FontHeigh
                               .Word(1) // FontWidth
                               .Word(1) // Form
                               .Dword(0)
                               .Word(0)
                               .String("AB")
                               .Append(Font50())
                               .Word(4) // FrameKind
                               .Word(3) // StyleNo
                               .Word(0) // FrameTag
                               // the edit rectangles, at the zoom of the drawing and at 100 %
                               .Dword(116)
                               .Dword(DWORD(-116))
                               .Dword(384)
                               .Dword(DWORD(-384))
                               .Dword(116)
                               .Dword(DWORD(-116))
                               .Dword(384)
                               .Dword(DWORD(-384))
                               .Word(1) // one line
                               .String("AB")
                               .Get();
    const Bytes bytes = test::Store(text);
    EXPECT_EQ(bytes, expected);

    CZukeiString back;
    test::Load(bytes, back);
    EXPECT_EQ(back.GetKind(), kZukeiFramedString);
    EXPECT_EQ(back.GetText(), "AB");
    EXPECT_EQ(back.GetFont(), font);
    EXPECT_EQ(back.GetFrameKind(), kZukeiBox);
    EXPECT_EQ(back.GetStyleNo(), 3);
    EXPECT_EQ(back.GetLines(), text.GetLines());
    EXPECT_EQ(test::Store(back), bytes) << "the rectangles come back into the edit control";
}

TEST_F(ZukeiStringStorageTest, BeforeVersion51000NothingFollowsTheFont) {
    text.SetFrameTag(2);
    const Bytes expected = ByteWriter()
                               .Append(Head())
                               .Word(1)
                               .Word(1)
                               .Word(1)
                               .Dword(0)
                               .Word(0)
                               .String("AB")
                               .Append(Font50())
                               .Get();
    const Bytes bytes = test::Store(text, 50000);
    EXPECT_EQ(bytes, expected);

    // Read into a text that had all of it: the older file leaves what a new text has.
    CZukeiString back;
    test::Load(test::Store(text), back);
    test::Load(bytes, back, 50000);
    EXPECT_EQ(back.GetText(), "AB");
    EXPECT_EQ(back.GetFrameKind(), 0);
    EXPECT_EQ(back.GetStyleNo(), 0);
    EXPECT_EQ(back.GetFrameTag(), 0);
    EXPECT_TRUE(back.GetLines().empty());
    // At the current version the rectangles are empty again.
    const Bytes current = test::Store(back);
    EXPECT_EQ(Bytes(current.end() - 34, current.end() - 2), Bytes(32, 0));
}

TEST_F(ZukeiStringStorageTest, ALineCountBeyondTheFileFailsTheLoad) {
    Bytes bytes = test::Store(text);
    // The count of one line becomes 0xFFFF with a 32-bit count far past the end.
    bytes.resize(bytes.size() - 5);
    const Bytes tail = ByteWriter().Word(0xFFFF).Dword(0x00FFFFFF).Get();
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    CZukeiString back;
    EXPECT_THROW(test::Load(bytes, back), CArchiveException);
}

// ---- Copies and in-place editing ----------------------------------------------------------------

TEST(ZukeiStringTest, ACopyTakesEverythingAndIsLaidOutAnew) {
    TextChart chart;
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiDiamond, "AB\r\nC", Font(-40));
    text->SetFrameTag(3);
    text->SetStyleNo(13);
    text->SetLayer(5);
    text->SetAttr(CZukeiAttr{14, kPlaceOnPage, 2, -3, RGB(1, 2, 3), 99, RGB(4, 5, 6), 40});
    CTextAttr attr = text->GetTextAttr();
    attr.SetSize(0x0203);
    attr.m_form = 2;
    attr.m_color = RGB(7, 8, 9);
    attr.m_attrb = 0x0104;
    text->SetTextAttr(attr);
    CRecordingDC dc;
    text->LayoutLines(chart, dc, 1000, Font(-40));
    text->SetEditState(1);

    std::unique_ptr<CZukei> copy = text->Clone();
    ASSERT_NE(copy, nullptr);
    auto* twin = dynamic_cast<CZukeiString*>(copy.get());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->GetKind(), kZukeiFramedString);
    EXPECT_EQ(twin->GetLayer(), 5);
    EXPECT_EQ(twin->GetAttr(), text->GetAttr());
    EXPECT_EQ(twin->GetAnchor1(), text->GetAnchor1());
    EXPECT_EQ(twin->GetAnchor2(), text->GetAnchor2());
    EXPECT_EQ(twin->GetTextAttr(), text->GetTextAttr());
    EXPECT_EQ(twin->GetText(), "AB\r\nC");
    EXPECT_EQ(twin->GetFont(), text->GetFont());
    EXPECT_EQ(twin->GetStyleNo(), 13);
    EXPECT_EQ(twin->GetFrameKind(), kZukeiDiamond);
    EXPECT_EQ(twin->GetFrameTag(), 3);
    EXPECT_EQ(twin->GetLines(), text->GetLines());
    EXPECT_TRUE(twin->GetUpdate());
    EXPECT_EQ(twin->GetEditState(), 0u);
    // Stored, the copy is the original but for what an edit state is.
    EXPECT_EQ(test::Store(*twin), test::Store(*text));
}

TEST(ZukeiStringTest, ACopyTakesOverAnEditInProgress) {
    test::ScopedFakeEditWnd windows;
    test::FakeEditHost host;
    TextChart chart;
    auto text = Framed(chart, CRect(100, -100, 400, -400), kZukeiBox, "old", Font(-40));
    text->BeginEdit(&host);
    ASSERT_NE(text->GetEditWnd(), nullptr);
    auto* window = static_cast<test::FakeEditWnd*>(text->GetEditWnd()->GetWnd());
    window->text = "typed\r\nmore";

    std::unique_ptr<CZukei> copy = text->Clone();
    auto* twin = dynamic_cast<CZukeiString*>(copy.get());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(text->GetText(), "typed\r\nmore") << "the original takes what was typed";
    EXPECT_EQ(twin->GetText(), "typed\r\nmore");
    ASSERT_NE(twin->GetEditWnd(), nullptr);
    auto* twinWindow = static_cast<test::FakeEditWnd*>(twin->GetEditWnd()->GetWnd());
    EXPECT_NE(twinWindow, window);
    EXPECT_EQ(twinWindow->parent, &host);
    EXPECT_EQ(twinWindow->style, window->style);
    EXPECT_EQ(twinWindow->text, "typed\r\nmore");
    EXPECT_FALSE(twinWindow->enabled);
    EXPECT_FALSE(twinWindow->visible);
    EXPECT_EQ(twin->GetEditWnd()->GetViewRect(), text->GetEditWnd()->GetViewRect());
    EXPECT_EQ(twin->GetEditState(), 0u);
}

} // namespace
} // namespace tembra
