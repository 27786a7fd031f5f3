#include "model/PaperProfile.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tembra {
namespace {

using test::ScopedPaths;

using test::J;

class PaperProfileTest : public ::testing::Test {
protected:
    ScopedPaths paths;

    static LOGFONT Font(const std::string& face, LONG height, LONG width) {
        LOGFONT f;
        f.lfHeight = height;
        f.lfWidth = width;
        f.lfWeight = 700;
        f.lfCharSet = 128;
        f.SetFaceName(face);
        return f;
    }
};

TEST_F(PaperProfileTest, FontRoundTripsInTheFormOfString5150) {
    ASSERT_TRUE(WritePaperFont(3, 1, Font(J("ＭＳ 明朝"), -35, 0)));
    EXPECT_EQ(GetProfileString("A3TATE", "KoumukuFont"), J("\"ＭＳ 明朝\",35,0"));

    LOGFONT read = Font("Other", 1, 2);
    read.lfWeight = 400;
    read.lfItalic = 1;
    ASSERT_TRUE(ReadPaperFont(3, 1, read));
    EXPECT_EQ(read.lfHeight, -35);
    EXPECT_EQ(read.lfWidth, 0);
    EXPECT_EQ(read.FaceName(), J("ＭＳ 明朝"));
    // The fields the value does not carry stay as they were.
    EXPECT_EQ(read.lfWeight, 400);
    EXPECT_EQ(read.lfItalic, 1);
}

TEST_F(PaperProfileTest, WritesTheAbsoluteHeight) {
    ASSERT_TRUE(WritePaperFont(0, 0, Font("Gothic", 32, 16)));
    EXPECT_EQ(GetProfileString("A4", "DateFont"), "\"Gothic\",32,16");
    ASSERT_TRUE(WritePaperFont(0, 6, Font("", 0, 0)));
    EXPECT_EQ(GetProfileString("A4", "HeaderFont"), "\"\",0,0");
}

TEST_F(PaperProfileTest, UsesEveryPaperSectionAndFontKey) {
    const char* sections[] = {"A4", "B4", "A3", "A3TATE", "A2", "A1", "自由"};
    const char* keys[] = {"DateFont",   "KoumukuFont", "YogoFont",   "EventFont",
                          "ShigenFont", "ZukeiFont",   "HeaderFont", "ShinFont"};
    for (int paper = 0; paper < kPaperProfileCount; ++paper)
        for (int kind = 0; kind < kPaperFontKindCount; ++kind) {
            ASSERT_TRUE(WritePaperFont(paper, kind, Font("F", -(paper * 10 + kind), kind)));
            EXPECT_EQ(GetProfileString(J(sections[paper]), keys[kind]),
                      "\"F\"," + std::to_string(paper * 10 + kind) + "," + std::to_string(kind));
        }
    LOGFONT f;
    EXPECT_FALSE(WritePaperFont(7, 0, f));
    EXPECT_FALSE(WritePaperFont(0, 8, f));
    EXPECT_FALSE(WritePaperFont(-1, 0, f));
    EXPECT_FALSE(ReadPaperFont(7, 0, f));
    EXPECT_FALSE(ReadPaperFont(0, -1, f));
}

struct FontValueCase {
    const char* name;
    std::optional<std::string> value; // nothing: no key
    bool read;
    std::string face;
    LONG height;
    LONG width;
};

TEST_F(PaperProfileTest, ReadsFontValues) {
    const std::string face40 =
        "A" + J("あいうえおかきくけこさしすせそたちつてと").substr(0, 38) + "B";
    const FontValueCase cases[] = {
        {"Plain", J("\"ＭＳ ゴシック\",40,20"), true, J("ＭＳ ゴシック"), -40, 20},
        {"BlanksBeforeNumbers", "\"Mincho\", 32 , 16", true, "Mincho", -32, 16},
        {"NegativeStoredHeight", "\"M\",-12,6", true, "M", 12, 6},
        {"NumbersMissing", "\"M\"", true, "M", 0, 0},
        // 40 bytes of face name: the record keeps 31, ending on a whole character.
        {"FortyByteFaceCutTo31", "\"" + face40 + "\",35,0", true, face40.substr(0, 31), -35, 0},
        {"AllDoubleByteCutTo30", "\"" + J("あいうえおかきくけこさしすせそたちつてと") + "\",1,2",
         true, J("あいうえおかきくけこさしすせそ"), -1, 2},
        {"Empty", "", false, "Kept", 5, 6},
        {"Missing", std::nullopt, false, "Kept", 5, 6},
        {"NoQuotes", "Mincho,32,16", false, "Kept", 5, 6},
        {"UnclosedQuote", "\"Mincho,32,16", false, "Kept", 5, 6},
    };
    ASSERT_EQ(face40.size(), 40u);
    for (const FontValueCase& c : cases) {
        ASSERT_TRUE(WriteProfileString("B4", "EventFont", c.value ? c.value->c_str() : nullptr));
        LOGFONT f = Font("Kept", 5, 6);
        EXPECT_EQ(ReadPaperFont(1, 3, f), c.read ? TRUE : FALSE) << c.name;
        EXPECT_EQ(f.FaceName(), c.face) << c.name;
        EXPECT_EQ(f.lfHeight, c.height) << c.name;
        EXPECT_EQ(f.lfWidth, c.width) << c.name;
        EXPECT_EQ(f.lfFaceName[31], '\0') << c.name;
    }
}

struct WordCase {
    const char* value; // nullptr: no key
    BOOL read;
    WORD expected;
};

TEST_F(PaperProfileTest, ReadsTheItemWidthAndProcessMargin) {
    const WordCase cases[] = {
        {"450", TRUE, 450}, {" 12abc", TRUE, 12}, {"70000", TRUE, 4464}, {"-1", TRUE, 0xFFFF},
        {"x", TRUE, 0},     {"", FALSE, 777},     {nullptr, FALSE, 777},
    };
    for (const WordCase& c : cases) {
        ASSERT_TRUE(WriteProfileString(J("自由"), "KoumokuWidth", c.value));
        ASSERT_TRUE(WriteProfileString("A1", "KouteiMargin", c.value));
        WORD width = 777, margin = 777;
        EXPECT_EQ(ReadPaperKoumokuWidth(6, width), c.read) << (c.value ? c.value : "(none)");
        EXPECT_EQ(width, c.expected) << (c.value ? c.value : "(none)");
        EXPECT_EQ(ReadPaperKouteiMargin(5, margin), c.read) << (c.value ? c.value : "(none)");
        EXPECT_EQ(margin, c.expected) << (c.value ? c.value : "(none)");
    }
    WORD w = 1;
    EXPECT_FALSE(ReadPaperKoumokuWidth(7, w));
    EXPECT_EQ(w, 1);
}

} // namespace
} // namespace tembra
