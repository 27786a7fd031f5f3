// The editor's composed and checked texts: the window title, the proposed file name, the
// checks of the fixed-text and format-name dialogs, and the lists of the paper/font bar.
#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/MarquellDoc.h"

#include "EditorTestSupport.h"
#include "platform/FontCatalog.h"

#include <gtest/gtest.h>

namespace marquell {
namespace {

using test::J;

TEST(FrameTitle, IsBuiltFromTheTemplatesParts) {
    const std::string title = LayoutTemplatePart(0);
    ASSERT_EQ(title, J("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] "));
    struct Case {
        const char* name;
        int paper;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] "},
        {"標準", 2, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <標準> - [ Ａ３ ] "},
        {"縦書式", 3, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <縦書式> - [Ａ３縦] "},
        // A name holding the marks the title is made of stays whole.
        {"[a]", 5, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <[a]> - [ Ａ１ ] "},
        {"<x> - [y", 1, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <<x> - [y> - [ Ｂ４ ] "},
        // 表 ends in the byte 0x5C; no byte of it is taken for a mark.
        {"表[", 4, "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <表[> - [ Ａ２ ] "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildFrameTitle(title, J(c.name), c.paper), J(c.expected));
    }
    // The title of a document template without the marks is kept.
    EXPECT_EQ(BuildFrameTitle("Layout", "x", 0), "Layout");
}

TEST(FrameTitle, TheTemplateNamesTheFileType) {
    EXPECT_EQ(LayoutTemplatePart(1), J("無題"));
    EXPECT_EQ(LayoutTemplatePart(3), "Layout File (*.lyt)");
    EXPECT_EQ(LayoutTemplatePart(4), ".lyt");
    EXPECT_EQ(LayoutTemplatePart(9), "");
}

TEST(ProposedFileName, IsTheTitleCutOnACharacterBoundary) {
    struct Case {
        const char* title;
        const char* expected;
    };
    const Case cases[] = {
        {"MASTER01.LYT", "MASTER01.lyt"},
        {"abcdefghij", "abcdefgh.lyt"},
        {"無題", "無題.lyt"},
        {"あいうえお", "あいうえ.lyt"},
        // Eight bytes would split the last character.
        {"abcdefg表", "abcdefg.lyt"},
        // Its trail byte 0x5C is no backslash.
        {"表示", "表示.lyt"},
        {"ab cd", "ab.lyt"},
        {"a#b", "a.lyt"},
        {"50%off", "50.lyt"},
        {"x;y", "x.lyt"},
        {"p/q", "p.lyt"},
        {"p\\q", "p.lyt"},
        {" lead", ".lyt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(ProposeFileName(J(c.title), ".lyt"), J(c.expected));
    }
}

TEST(DialogChecks, AFixedTextNeedsSomethingVisibleThatTheLayoutFileKeeps) {
    struct Case {
        const char* text;
        UINT message;
    };
    const Case cases[] = {
        {"工事名", 0},
        {"AB\r\nCD", 0},
        {" x ", 0},
        {"", 61250},
        {" \r\n", 61250},
        {"　　", 61250},
        {"\"", 61250},
        {"A\"B", 61250},
        // The full-width quote is a character of its own.
        {"＂A＂", 0},
        // Backslash and n would read back as a line break; "ソ" ends in the byte of a backslash.
        {"A\\nB", 61251},
        {"\\n", 61251},
        {"ソn", 0},
        {"A\\", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CheckFixedText(J(c.text)), c.message);
    }
}

TEST(DialogChecks, AFormatNameMustNotBeEmpty) {
    EXPECT_EQ(CheckFormatName(""), 61241u);
    EXPECT_EQ(CheckFormatName(J("標準書式")), 0u);
    EXPECT_EQ(FormatHeightText(24), " 24 x0.1mm");
    EXPECT_EQ(FormatHeightText(100), "100 x0.1mm");
    EXPECT_EQ(PaperListName(3), J("Ａ３縦"));
    EXPECT_EQ(PaperListName(6), "");
}

class Catalogue : public tembra::IFontCatalog {
public:
    bool FindFace(std::string_view, tembra::LOGFONT&) const override { return false; }
    std::vector<std::string> FaceNames() const override {
        return {J("ＭＳ 明朝"), J("@ＭＳ 明朝"), "IPAGothic", "@IPAGothic", "Arial"};
    }
};

TEST(PaperFontBar, OffersTheCataloguesFacesWithoutVerticalOnes) {
    EXPECT_EQ(FontListNames(Catalogue()),
              (std::vector<std::string>{J("ＭＳ 明朝"), "IPAGothic", "Arial"}));
    EXPECT_EQ(FontHeightTexts().size(), 23u);
    EXPECT_EQ(FontHeightTexts().front(), "10");
    EXPECT_EQ(FontHeightTexts().back(), "100");
}

} // namespace
} // namespace marquell
