#include "layout_editor/core/TextValues.h"

#include "EditorTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace marquell {
namespace {

using test::J;

TEST(ParseQuotedText, ReadsTheQuotedTextWithItsLineBreaksAndGoesOnAfterTheComma) {
    struct Case {
        const char* name;
        std::optional<std::string> text;
        std::size_t max;
        std::string out;
        std::optional<std::string> rest;
    };
    const std::vector<Case> cases = {
        {"a break and a number after", "\"AB\\nC\", 3", 1024, "AB\r\nC", " 3"},
        {"the first quote counts", "x = \"A\", \"B\"", 1024, "A", " \"B\""},
        {"a comma inside the text", "\"A,B\",C", 1024, "A,B", "C"},
        {"not closed", "\"AB\\nC", 1024, "AB\r\nC", std::nullopt},
        {"no comma after it", "\"AB\" 3", 1024, "AB", std::nullopt},
        {"no quote", "AB, 3", 1024, "", std::nullopt},
        {"no text", std::nullopt, 1024, "", std::nullopt},
        {"cut to the limit, going on after the quote", "\"ABCDEF\", 3", 3, "ABC", " 3"},
        {"a trail byte 0x5C before n is no break", J("\"表n\""), 1024, J("表n"), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out = "before";
        const tembra::ParsePos text =
            c.text ? tembra::ParsePos(std::string_view(*c.text)) : std::nullopt;
        const tembra::ParsePos rest = ParseQuotedText(text, out, c.max);
        EXPECT_EQ(out, c.out);
        ASSERT_EQ(rest.has_value(), c.rest.has_value());
        if (rest) {
            EXPECT_EQ(*rest, *c.rest);
        }
    }
}

TEST(PtInLogRect, TheLeftAndTopEdgesBelongToTheRectangle) {
    const CRect rect(100, -100, 200, -200);
    struct Case {
        CPoint point;
        bool in;
    };
    const std::vector<Case> cases = {
        {{150, -150}, true},  {{100, -150}, true}, {{150, -100}, true}, {{200, -150}, false},
        {{150, -200}, false}, {{99, -150}, false}, {{150, -99}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PtInLogRect(c.point, rect) != FALSE, c.in) << c.point.x << ", " << c.point.y;
    }
}

} // namespace
} // namespace marquell
