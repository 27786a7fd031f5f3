// The font lists' faces and the font selection's arithmetic without widgets: the faces offered,
// the face found for a record, the typed heights taken or refused, and the record a choice gives.
#include "dialogs/attributes/core/FontChoice.h"

#include "platform/FontCatalog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

class Catalogue : public IFontCatalog {
public:
    bool FindFace(std::string_view, LOGFONT&) const override { return false; }
    std::vector<std::string> FaceNames() const override {
        return {"\x82\x6c\x82\x72 \x96\xbe\x92\xa9",
                "@\x82\x6c\x82\x72 \x96\xbe\x92\xa9",
                "",
                "Arial Black",
                "Arial",
                "@Arial"};
    }
};

TEST(ListedFaces, TheCataloguesOrderWithoutVerticalFaces) {
    EXPECT_EQ(
        ListedFaceNames(Catalogue()),
        (std::vector<std::string>{"\x82\x6c\x82\x72 \x96\xbe\x92\xa9", "Arial Black", "Arial"}));
}

// The record's face is found by its whole name; only single-byte letters fold, so a
// double-byte character whose second byte is a letter stays itself.
TEST(ListedFaces, AFaceIsFoundByItsWholeNameCaseIgnored) {
    const std::vector<std::string> names = {"Arial Black", "Arial", "\x83\x41 Gothic", "Century"};
    struct Case {
        const char* face;
        int index;
    };
    const Case cases[] = {
        {"Arial", 1},         {"arial", 1}, {"ARIAL BLACK", 0},     {"Ari", -1},
        {"Arial Narrow", -1}, {"", -1},     {"\x83\x41 GOTHIC", 2}, {"\x83\x61 Gothic", -1},
        {"century", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(FindListedFace(names, c.face), c.index);
    }
}

TEST(FontChoice, TypedHeights) {
    struct Case {
        const char* text;
        std::optional<int> height;
    };
    const Case cases[] = {{"35", 35},
                          {" 7 ", 7},
                          {"+5", 5},
                          {"1", 1},
                          {"0", std::nullopt},
                          {"-3", std::nullopt},
                          {"abc", std::nullopt},
                          {"", std::nullopt},
                          {"12a", std::nullopt},
                          {"99999999999", std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadFontHeight(c.text), c.height);
    }
    // Every height the box offers is one the box takes.
    for (const std::string& text : FontSelHeightTexts()) {
        EXPECT_TRUE(ReadFontHeight(text).has_value()) << text;
    }
    EXPECT_EQ(FontSelHeightTexts().front(), "10");
    EXPECT_EQ(FontSelHeightTexts().back(), "100");
}

TEST(FontChoice, TheRecordOfAChoice) {
    LOGFONT face;
    face.SetFaceName("Arial");
    face.lfWeight = 700;
    face.lfCharSet = 128;
    face.lfHeight = 99;
    const LOGFONT chosen = FontOfChoice(face, 35);
    EXPECT_EQ(chosen.lfHeight, -35);
    EXPECT_EQ(chosen.lfWidth, 17);
    EXPECT_EQ(chosen.lfWeight, 700);
    EXPECT_EQ(chosen.lfCharSet, 128);
    EXPECT_EQ(chosen.FaceName(), "Arial");

    struct Case {
        LONG lfHeight;
        int shown;
    };
    for (const Case& c : {Case{35, 35}, {-35, 35}, {0, 1}, {-1, 1}}) {
        LOGFONT font;
        font.lfHeight = c.lfHeight;
        EXPECT_EQ(FontHeightOf(font), c.shown) << c.lfHeight;
    }
}

} // namespace
} // namespace tembra
