#include "print/PrHeader.h"

#include "platform/RecordingDC.h"
#include "print/PrNewLine.h"
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
using test::LayoutText;
using test::LoadBytes;
using test::ScopedPaths;
using test::StoreBytes;
using test::TestPrLayout;
using test::VersionDoc;

LOGFONT Font(LONG height, LONG width) {
    LOGFONT f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.SetFaceName(J("ＭＳ 明朝"));
    return f;
}

std::unique_ptr<CPrNewText> Text(int kind, const std::string& name, const std::string& contents,
                                 int area = 0, COLORREF color = 0) {
    return std::make_unique<CPrNewText>(kind, area, CRect(10, -10, 500, -60), Font(-30, 15), color,
                                        name, contents, 0, 0);
}

// The application's defaults in these tests: every value differs from the built-in defaults and
// from the values the stored headers carry, so that a test sees where each value came from.
CConfigPrint AppDefaults() {
    CConfigPrint d;
    d.SetSelect(1);
    d.SetKikan(5);
    d.SetToDay(6);
    d.SetAmikake(7);
    d.SetKeisen(8);
    d.SetColor(RGB(8, 8, 8));
    d.SetVoldLineEx(9);
    d.SetAmikakeColor(RGB(9, 9, 9));
    d.SetHolidayLine(10);
    d.SetZoomPrinting(11);
    d.SetCrossType(12);
    d.SetArcRay(13);
    d.SetSatdayColor(RGB(14, 14, 14));
    d.SetSundayColor(RGB(15, 15, 15));
    d.SetLineRate("1.7");
    d.SetHatch(16);
    d.SetKeisenDotFlag(17);
    d.SetKeisenDotWidth(18);
    d.SetKeisenDotItv(19);
    d.SetKeisenDotLen(20);
    d.SetKeisenDot2Width(21);
    d.SetPeriodSetFlag(1);
    d.SetHeaderTexts({"a", "b", "c", "d", "e", "f"});
    return d;
}

// The chart's layout that an old file's header is rebuilt from.
std::string ChartLayout() {
    return LayoutText({
        "[ファイル情報]",
        "LayoutName=旧書式",
        "LayoutDiscernmentFlag=2",
        "",
        "[_B4_]",
        "OffsetLTop= 0, 0, 100, 100",
        "MojiData1=\"会社\", 100, 100, 300, 150, \"ＭＳ 明朝\", 30, 15, 0, 0, 0",
        "InputArea1=\"工事名\", 300, 100, 1300, 200, \"ＭＳ 明朝\", 60, 30, 1, 1, 0, \"\", 1",
        "InputArea2=\"設計\", 1300, 100, 1600, 150, \"ＭＳ 明朝\", 30, 15, 0, 0, 0, \"\", 0",
        "InputArea3=\"承認印４\", 1600, 100, 1900, 150, \"ＭＳ 明朝\", 30, 15, 0, 0, 0, \"\", 4",
        "InputArea4=\"監理\", 1900, 100, 2200, 150, \"ＭＳ 明朝\", 30, 15, 0, 0, 0, \"既定\", 0",
        "LineData1= 100, 250, 3500, 250, 0, 3, 0",
    });
}

class PrHeaderTest : public ::testing::Test {
protected:
    ScopedPaths paths;
    test::ScopedUi ui;
    CConfigPrint app = AppDefaults();
    AppPrintConfigSource previous;

    void SetUp() override {
        previous = SetAppPrintConfigSource([this]() -> const CConfigPrint& { return app; });
    }
    void TearDown() override { SetAppPrintConfigSource(previous); }
};

// ---- The version matrix ---------------------------------------------------------------------

// Where each group of fields comes from after a load.
enum class From { Stored, App, Fixed };

struct VersionCase {
    int version;
    bool options;  // fields 2 to 8 stored (else the application's)
    bool weekend;  // Saturday and Sunday colours stored
    bool holiday;  // "HolidayLine" stored
    bool zoom;     // "ZoomPrinting", "CrossType", "ArcRay" stored
    bool texts;    // period and creation-date texts stored (else cleared)
    From name;     // layout name and local-layout flag: stored, or the layout file's and 0
    From kind;     // layout kind: stored, the layout file's (App), or 0 (Fixed)
    From hatch;    // "Hatch": stored, the application's, or 1 (Fixed)
    bool dots;     // dotted lines stored (else the application's)
    bool elements; // elements stored (else rebuilt from the layout and migrated)
};

class PrHeaderVersionTest : public PrHeaderTest,
                            public ::testing::WithParamInterface<VersionCase> {};

TEST_P(PrHeaderVersionTest, StoresLoadsAndFallsBackAsItsVersionSays) {
    const VersionCase& c = GetParam();
    const auto layout = paths.Dir().Write("CHART.LYT", ChartLayout());

    CPrHeader saved;
    saved.SetSelect(0);
    saved.SetKikan(-2);
    saved.SetToDay(3);
    saved.SetAmikake(2);
    saved.SetKeisen(0x0102);
    saved.SetColor(RGB(1, 2, 3));
    saved.SetVoldLineEx(4);
    saved.SetAmikakeColor(RGB(0, 0, 200));
    saved.SetSatdayColor(RGB(0, 0, 201));
    saved.SetSundayColor(RGB(202, 0, 0));
    saved.SetHolidayLine(3);
    saved.SetZoomPrinting(0);
    saved.SetCrossType(2);
    saved.SetArcRay(25);
    saved.SetLineRate("9.9");
    saved.SetHatch(0);
    saved.SetKeisenDotFlag(1);
    saved.SetKeisenDotWidth(2);
    saved.SetKeisenDotItv(30);
    saved.SetKeisenDotLen(40);
    saved.SetKeisenDot2Width(3);
    saved.SetPeriodSetFlag(1);
    saved.SetHeaderTexts({"2001", "04", "01", "2002", "03", "31"});
    saved.SetDateSetFlag(1);
    saved.SetHeaderTexts2({"2001", "05", "06"});
    saved.SetLocalLayout(1);
    saved.SetLayoutName(J("ローカル書式"));
    saved.SetLayoutKind(1);
    saved.AddElement(Text(kPrKindTitle, "", J("新工事"), kPrAreaRight, RGB(1, 1, 1)));
    saved.AddElement(
        std::make_unique<CPrNewLine>(kPrAreaFooter, CRect(0, -5, 900, -5), 1, 2, RGB(2, 2, 2)));
    // The old fixed headers as a file older than 31000 holds them.
    CPrHeaderBase& old0 = saved.GetHeaderBase(0);
    old0.m_titleCount = 1;
    old0.m_titles[0].m_value.m_text = J("旧工事");
    old0.m_fieldCount = 2;
    old0.m_fields[0].m_code = 1;
    old0.m_fields[0].m_title.m_text = J("設　計");
    old0.m_fields[0].m_value.m_text = J("山田設計");
    old0.m_fields[1].m_code = 0; // empty: not moved
    old0.m_fields[1].m_title.m_text = J("監　理");
    old0.m_fields[1].m_value.m_text = J("消えない");
    CPrHeaderBase& old1 = saved.GetHeaderBase(1);
    old1.m_fieldCount = 1;
    old1.m_fields[0].m_code = 2;
    old1.m_fields[0].m_title.m_text = J("承認印１");
    old1.m_fields[0].m_value.m_text = J("印");

    VersionDoc doc(c.version, 1, layout);
    const std::vector<BYTE> bytes = StoreBytes(saved, doc);
    CPrHeader loaded;
    std::size_t left = 99;
    LoadBytes(loaded, bytes, doc, &left);
    EXPECT_EQ(left, 0u) << "the load reads exactly what the store wrote";
    EXPECT_EQ(loaded.GetDocument(), &doc);

    const CConfigPrint& s = saved;
    auto pick = [](bool stored, auto storedValue, auto appValue) {
        return stored ? storedValue : appValue;
    };
    EXPECT_EQ(loaded.GetSelect(), s.GetSelect());
    EXPECT_EQ(loaded.GetKikan(), pick(c.options, s.GetKikan(), app.GetKikan()));
    EXPECT_EQ(loaded.GetToDay(), pick(c.options, s.GetToDay(), app.GetToDay()));
    EXPECT_EQ(loaded.GetAmikake(), pick(c.options, s.GetAmikake(), app.GetAmikake()));
    EXPECT_EQ(loaded.GetKeisen(), pick(c.options, s.GetKeisen(), app.GetKeisen()));
    EXPECT_EQ(loaded.GetColor(), pick(c.options, s.GetColor(), app.GetColor()));
    EXPECT_EQ(loaded.GetVoldLineEx(), pick(c.options, s.GetVoldLineEx(), app.GetVoldLineEx()));
    // Before 32000 a shading colour of its own survives only with "Amikake" 3; the stored
    // "Amikake" is 2, so those versions read pure red.
    const COLORREF amikakeColor =
        !c.options ? app.GetAmikakeColor() : (c.zoom ? s.GetAmikakeColor() : RGB(255, 0, 0));
    EXPECT_EQ(loaded.GetAmikakeColor(), amikakeColor);
    EXPECT_EQ(loaded.GetSatdayColor(), pick(c.weekend, s.GetSatdayColor(), app.GetSatdayColor()));
    EXPECT_EQ(loaded.GetSundayColor(), pick(c.weekend, s.GetSundayColor(), app.GetSundayColor()));
    EXPECT_EQ(loaded.GetHolidayLine(), pick(c.holiday, s.GetHolidayLine(), app.GetHolidayLine()));
    EXPECT_EQ(loaded.GetZoomPrinting(), pick(c.zoom, s.GetZoomPrinting(), app.GetZoomPrinting()));
    EXPECT_EQ(loaded.GetCrossType(), pick(c.zoom, s.GetCrossType(), app.GetCrossType()));
    EXPECT_EQ(loaded.GetArcRay(), pick(c.zoom, s.GetArcRay(), app.GetArcRay()));
    EXPECT_EQ(loaded.GetLineRate(), app.GetLineRate()); // never stored

    EXPECT_EQ(loaded.GetPeriodSetFlag(), c.texts ? 1 : 0);
    EXPECT_EQ(loaded.GetHeaderTexts(), c.texts ? s.GetHeaderTexts() : CConfigPrint::PeriodTexts{});
    EXPECT_EQ(loaded.GetDateSetFlag(), c.texts ? 1 : 0);
    EXPECT_EQ(loaded.GetHeaderTexts2(), c.texts ? s.GetHeaderTexts2() : CConfigPrint::DateTexts{});

    if (c.name == From::Stored) {
        EXPECT_EQ(loaded.GetLocalLayout(), 1);
        EXPECT_EQ(loaded.GetLayoutName(), J("ローカル書式"));
    } else {
        EXPECT_EQ(loaded.GetLocalLayout(), 0);
        EXPECT_EQ(loaded.GetLayoutName(), J("旧書式"));
    }
    EXPECT_EQ(loaded.GetLayoutKind(), c.kind == From::Stored ? 1 : (c.kind == From::App ? 2 : 0));
    EXPECT_EQ(loaded.GetHatch(), c.hatch == From::Stored ? 0 : (c.hatch == From::App ? 16 : 1));
    EXPECT_EQ(loaded.GetKeisenDotFlag(),
              pick(c.dots, s.GetKeisenDotFlag(), app.GetKeisenDotFlag()));
    EXPECT_EQ(loaded.GetKeisenDotWidth(),
              pick(c.dots, s.GetKeisenDotWidth(), app.GetKeisenDotWidth()));
    EXPECT_EQ(loaded.GetKeisenDotItv(), pick(c.dots, s.GetKeisenDotItv(), app.GetKeisenDotItv()));
    EXPECT_EQ(loaded.GetKeisenDotLen(), pick(c.dots, s.GetKeisenDotLen(), app.GetKeisenDotLen()));
    EXPECT_EQ(loaded.GetKeisenDot2Width(),
              pick(c.dots, s.GetKeisenDot2Width(), app.GetKeisenDot2Width()));

    const auto& elements = loaded.GetElementList();
    if (c.elements) {
        ASSERT_EQ(elements.size(), 2u);
        const auto* title = dynamic_cast<const CPrNewText*>(elements[0].get());
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->GetContents(), J("新工事"));
        EXPECT_EQ(title->GetArea(), c.version >= 51000 ? kPrAreaRight : kPrAreaHeader);
        const auto* line = dynamic_cast<const CPrNewLine*>(elements[1].get());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->GetRect(), CRect(0, -5, 900, -5));
        EXPECT_EQ(line->GetArea(), c.version >= 51000 ? kPrAreaFooter : kPrAreaHeader);
    } else {
        // Rebuilt from the chart's layout (B4), with the old texts moved in.
        ASSERT_EQ(elements.size(), 6u);
        EXPECT_EQ(loaded.GetTitleText(), J("旧工事"));
        EXPECT_EQ(loaded.FindInputArea(J("設計"))->GetContents(), J("山田設計"));
        EXPECT_EQ(loaded.FindInputArea(J("承認印４"))->GetContents(), J("印"));
        EXPECT_EQ(loaded.FindInputArea(J("監理"))->GetContents(), J("既定"));
        EXPECT_EQ(loaded.GetHeaderBase(0).m_fields[0].m_value.m_text, J("山田設計"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PrHeaderVersionTest,
    ::testing::Values(
        // version options weekend holiday zoom  texts  name          kind          hatch
        //     dots   elements
        VersionCase{20000, false, false, false, false, false, From::App, From::App, From::App,
                    false, false},
        VersionCase{21000, true, false, false, false, false, From::App, From::App, From::App, false,
                    false},
        VersionCase{30000, true, false, true, false, true, From::App, From::Fixed, From::Fixed,
                    false, false},
        VersionCase{31000, true, false, true, false, true, From::Stored, From::Fixed, From::Fixed,
                    false, true},
        VersionCase{31500, true, false, true, false, true, From::Stored, From::Fixed, From::Fixed,
                    false, true},
        VersionCase{40000, true, true, true, true, true, From::Stored, From::Fixed, From::Fixed,
                    false, true},
        VersionCase{51000, true, true, true, true, true, From::Stored, From::Stored, From::Fixed,
                    false, true},
        VersionCase{53000, true, true, true, true, true, From::Stored, From::Stored, From::Stored,
                    false, true},
        VersionCase{55000, true, true, true, true, true, From::Stored, From::Stored, From::Stored,
                    false, true},
        VersionCase{56000, true, true, true, true, true, From::Stored, From::Stored, From::Stored,
                    true, true},
        VersionCase{58000, true, true, true, true, true, From::Stored, From::Stored, From::Stored,
                    true, true}),
    [](const auto& info) { return std::to_string(info.param.version); });

TEST_F(PrHeaderTest, TheDottedLineFlagIs32BitsFrom56000And16BitsBefore) {
    CPrHeader header;
    VersionDoc v55(55000);
    VersionDoc v56(56000);
    const std::vector<BYTE> at55 = StoreBytes(header, v55);
    const std::vector<BYTE> at56 = StoreBytes(header, v56);
    EXPECT_EQ(at56.size(), at55.size() + 2);
}

TEST_F(PrHeaderTest, ATruncatedStreamFailsTheLoad) {
    CPrHeader header;
    header.AddElement(Text(kPrKindTitle, "", "T"));
    VersionDoc doc(58000);
    std::vector<BYTE> bytes = StoreBytes(header, doc);
    bytes.resize(bytes.size() - 3);
    CPrHeader loaded;
    EXPECT_THROW(LoadBytes(loaded, bytes, doc), CArchiveException);
}

// ---- Settings, copies and look-ups ----------------------------------------------------------

TEST_F(PrHeaderTest, InitFromSettingsResetsTheOptionsAndRebuildsTheElements) {
    const auto layout = paths.Dir().Write("CHART.LYT", ChartLayout());
    CPrHeader header;
    header.SetSelect(1);
    header.SetArcRay(99);
    header.SetLocalLayout(1);
    header.SetDateSetFlag(1);
    header.SetHeaderTexts2({"x", "y", "z"});
    VersionDoc doc(58000);

    EXPECT_TRUE(header.InitFromSettings(&doc, 1, layout, FALSE));
    EXPECT_EQ(header.GetDocument(), &doc);
    EXPECT_EQ(header.GetSelect(), 1); // not taken from the defaults
    EXPECT_EQ(header.GetArcRay(), app.GetArcRay());
    EXPECT_EQ(header.GetLineRate(), app.GetLineRate());
    EXPECT_EQ(header.GetKeisenDot2Width(), app.GetKeisenDot2Width());
    EXPECT_EQ(header.GetLocalLayout(), 0);
    EXPECT_EQ(header.GetPeriodSetFlag(), 0); // the application's texts are not taken
    EXPECT_EQ(header.GetHeaderTexts(), CConfigPrint::PeriodTexts{});
    EXPECT_EQ(header.GetDateSetFlag(), 0);
    EXPECT_EQ(header.GetHeaderTexts2(), CConfigPrint::DateTexts{});
    EXPECT_EQ(header.GetLayoutName(), J("旧書式"));
    EXPECT_EQ(header.GetLayoutKind(), 2);
    EXPECT_EQ(header.GetElementList().size(), 6u);

    // A layout that cannot be opened leaves elements, name and kind; the options are reset.
    header.SetArcRay(98);
    EXPECT_FALSE(header.InitFromSettings(&doc, 1, paths.Dir().File("none.LYT"), FALSE));
    EXPECT_EQ(header.GetArcRay(), app.GetArcRay());
    EXPECT_EQ(header.GetElementList().size(), 6u);
    EXPECT_EQ(header.GetLayoutName(), J("旧書式"));

    // A layout without the paper's section leaves no elements.
    EXPECT_TRUE(header.InitFromSettings(&doc, 0, layout, FALSE));
    EXPECT_TRUE(header.GetElementList().empty());
}

TEST_F(PrHeaderTest, ElementsAreReadRelativeToTheMarginCorner) {
    const auto layout = paths.Dir().Write(
        "R.LYT", LayoutText({"[_A4_]", "OffsetLTop= 0, 0, 100, 80",
                             "MojiData1=\"t\", 150, 100, 350, 160, \"Face\", 40, 20, 1, 0, 255, 2",
                             "MojiData2=\"zero\", 0, 0, 0, 0, \"Face\", 40, 20, 0, 0, 0",
                             "LineData1= 100, 300, 900, 300, 2, 4, 65280, 1"}));
    CPrHeader header;
    ASSERT_TRUE(ReadLayoutIntoHeader(header, 0, layout, FALSE));
    const auto& e = header.GetElementList();
    ASSERT_EQ(e.size(), 3u);
    const auto& text = dynamic_cast<const CPrNewText&>(*e[0]);
    EXPECT_EQ(text.GetKind(), kPrKindFixedText);
    EXPECT_EQ(text.GetArea(), kPrAreaLeft);
    EXPECT_EQ(text.GetRect(), CRect(50, -20, 250, -80));
    EXPECT_EQ(text.GetFont().lfHeight, -40);
    EXPECT_EQ(text.GetFont().lfWidth, 20);
    EXPECT_EQ(text.GetFont().FaceName(), "Face");
    EXPECT_EQ(text.GetFont().lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(text.GetColor(), 255u);
    EXPECT_EQ(text.GetText(), "");
    EXPECT_EQ(text.GetContents(), "t");
    EXPECT_EQ(dynamic_cast<const CPrNewText&>(*e[1]).GetRect(), CRect()); // not moved
    const auto& line = dynamic_cast<const CPrNewLine&>(*e[2]);
    EXPECT_EQ(line.GetKind(), kPrKindLine);
    EXPECT_EQ(line.GetRect(), CRect(0, -220, 800, -220));
    EXPECT_EQ(line.GetStyle(), 2);
    EXPECT_EQ(line.GetWidth(), 4);
    EXPECT_EQ(line.GetColor(), 65280u);
    EXPECT_EQ(line.GetArea(), kPrAreaFooter);
}

TEST_F(PrHeaderTest, KeptInputsPassTheirTextsAndColoursOnExceptTheFixedItemsOfKind1) {
    struct Case {
        int layoutKind;
        const char* name;
        const char* oldContents;
        const char* fileContents;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {0, "070002", "old", "file", "old"},  {1, "070002", "old", "file", "file"},
        {1, "090018", "old", "file", "file"}, {1, "010001", "old", "file", "old"},
        {0, "any", "", "file", "file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.layoutKind) + " " + c.name);
        const auto layout = paths.Dir().Write(
            "K.LYT",
            LayoutText({"[ファイル情報]", "LayoutName=x",
                        "LayoutDiscernmentFlag=" + std::to_string(c.layoutKind), "", "[_A4_]",
                        std::string("InputArea1=\"") + c.name +
                            "\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 255, \"" + c.fileContents +
                            "\", 4, 0"}));
        CPrHeader header;
        header.AddElement(Text(kPrKindNamedInput, c.name, c.oldContents, 0, RGB(0, 200, 0)));
        header.AddElement(Text(kPrKindFixedText, "", "dropped"));
        ASSERT_TRUE(ReadLayoutIntoHeader(header, 0, layout, TRUE));
        ASSERT_EQ(header.GetElementList().size(), 1u);
        const auto* input = header.FindInputArea(c.name);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->GetContents(), c.expected);
        EXPECT_EQ(input->GetColor(), RGB(0, 200, 0));
    }
}

TEST_F(PrHeaderTest, CopyFromMakesADeepCopyOfEachElementAsWhatItIs) {
    CPrHeader source;
    source.SetArcRay(44);
    source.SetLocalLayout(1);
    source.SetLayoutName("L");
    source.SetLayoutKind(1);
    VersionDoc doc(58000);
    source.SetDocument(&doc);
    source.AddElement(Text(kPrKindTitle, "", "title"));
    // A text whose kind reads as a line's stays a text.
    source.AddElement(Text(kPrKindLine, "odd", "text"));
    source.AddElement(std::make_unique<CPrNewLine>(0, CRect(1, 2, 3, 4), 0, 1, 0));
    source.GetHeaderBase(0).m_fieldCount = 3;

    CPrHeader copy;
    copy.AddElement(Text(kPrKindTitle, "", "gone"));
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetArcRay(), 44);
    EXPECT_EQ(copy.GetLocalLayout(), 1);
    EXPECT_EQ(copy.GetLayoutName(), "L");
    EXPECT_EQ(copy.GetLayoutKind(), 1);
    EXPECT_EQ(copy.GetDocument(), &doc);
    EXPECT_EQ(copy.GetHeaderBase(0).m_fieldCount, 0);
    ASSERT_EQ(copy.GetElementList().size(), 3u);
    EXPECT_NE(copy.GetElementList()[0].get(), source.GetElementList()[0].get());
    EXPECT_NE(dynamic_cast<const CPrNewText*>(copy.GetElementList()[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<const CPrNewLine*>(copy.GetElementList()[2].get()), nullptr);
    dynamic_cast<CPrNewText&>(*copy.GetElementList()[0]).SetContents("changed");
    EXPECT_EQ(dynamic_cast<const CPrNewText&>(*source.GetElementList()[0]).GetContents(), "title");
    copy.CopyFrom(copy);
    EXPECT_EQ(copy.GetElementList().size(), 3u);
}

TEST_F(PrHeaderTest, TitleAndElementLookUps) {
    CPrHeader header;
    header.AddElement(Text(kPrKindInput, "010001", "safety title"));
    header.AddElement(Text(kPrKindTitle, "", "ordinary title"));
    header.AddElement(Text(kPrKindNamedInput, "B", "b"));
    header.AddElement(Text(kPrKindPeriod, "B", "period"));

    EXPECT_EQ(header.GetTitleText(), "ordinary title");
    header.SetLayoutKind(1);
    EXPECT_EQ(header.GetTitleText(), "safety title");
    header.SetTitleText("new");
    EXPECT_EQ(header.GetTitleText(), "safety title"); // the kind-1 element took it
    header.SetLayoutKind(0);
    EXPECT_EQ(header.GetTitleText(), "new");

    EXPECT_EQ(header.FindElement(kPrKindNamedInput), header.GetElementList()[0].get());
    EXPECT_EQ(header.FindElement(kPrKindPeriod), header.GetElementList()[3].get());
    EXPECT_EQ(header.FindElement(kPrKindDate), nullptr);
    EXPECT_EQ(header.FindInputArea("B"), header.GetElementList()[2].get());
    EXPECT_EQ(header.FindInputArea("010001"), header.GetElementList()[0].get());
    EXPECT_EQ(header.FindInputArea("none"), nullptr);
    EXPECT_EQ(header.FindElementByText("B"), header.GetElementList()[2].get());
    EXPECT_EQ(header.FindElementByText(""), header.GetElementList()[1].get());
    EXPECT_EQ(header.FindElementByText("none"), nullptr);
    header.RemoveAllElements();
    EXPECT_EQ(header.GetTitleText(), "");
    header.SetTitleText("nowhere");
}

TEST_F(PrHeaderTest, FooterAndSideElementsAreDrawnOnlyWhereTheLayoutHasThoseAreas) {
    CPrHeader header;
    header.AddElement(Text(kPrKindFixedText, "", "header", kPrAreaHeader));
    header.AddElement(Text(kPrKindFixedText, "", "footer", kPrAreaFooter));
    header.AddElement(Text(kPrKindFixedText, "", "left", kPrAreaLeft));
    header.AddElement(Text(kPrKindFixedText, "", "right", kPrAreaRight));
    header.AddElement(Text(kPrKindFixedText, "", "nowhere", 7));

    struct Case {
        CRect footer;
        CRect left;
        CRect right;
        std::vector<std::string> drawn;
    };
    const std::vector<Case> cases = {
        {{}, {}, {}, {"header"}},
        {{0, -1400, 2700, -1400}, {0, 0, 0, -1000}, {5, -300, 5, -1400}, {"header"}},
        {{0, -1400, 2700, -1500}, {}, {}, {"header", "footer"}},
        {{}, {0, -300, 100, -1400}, {2700, -1400, 2600, -300}, {"header", "left", "right"}},
    };
    for (const Case& c : cases) {
        CRecordingDC dc(CRecordingDC::Device::Printer, 254);
        dc.SetMapMode(MM_LOMETRIC);
        TestPrLayout layout;
        layout.footer = c.footer;
        layout.left = c.left;
        layout.right = c.right;
        header.DrawElements(&dc, layout);
        std::vector<std::string> drawn;
        for (const auto& r : dc.Find(DcOp::TextOut)) {
            drawn.push_back(r.args.text);
        }
        EXPECT_EQ(drawn, c.drawn);
    }
}

} // namespace
} // namespace tembra
