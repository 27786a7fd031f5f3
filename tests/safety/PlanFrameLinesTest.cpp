// The frame lines of the plan text dialogs: a frame's text into lines and back, and the line
// operations around the empty last line.
#include "safety/PlanFrameLines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using Lines = std::vector<std::string>;

TEST(PlanFrameLinesTest, OnlyCrLfSeparatesLines) {
    struct Case {
        std::string text;
        Lines lines;
        std::string composed;
    };
    const Case cases[] = {
        {"", {""}, ""},
        {"one\r\ntwo\r\n", {"one", "two", ""}, "one\r\ntwo\r\n"},
        {"one\r\ntwo", {"one", "two", ""}, "one\r\ntwo\r\n"},
        {"a\rb\nc\r\n\r\nd", {"a\rb\nc", "", "d", ""}, "a\rb\nc\r\n\r\nd\r\n"},
    };
    for (const Case& c : cases) {
        CPlanFrameLines lines;
        lines.Load(c.text);
        EXPECT_EQ(lines.Lines(), c.lines) << c.text;
        EXPECT_EQ(lines.Chosen(), static_cast<int>(c.lines.size()) - 1);
        EXPECT_EQ(lines.Compose(), c.composed) << c.text;
    }
}

TEST(PlanFrameLinesTest, OperationsKeepOneEmptyLineAtTheEnd) {
    struct Case {
        const char* what;
        std::string text;
        int chosen;
        std::function<void(CPlanFrameLines&)> op;
        Lines lines;
        int chosenAfter;
    };
    const Case cases[] = {
        {"adds go top-down",
         "",
         0,
         [](CPlanFrameLines& l) {
             l.Insert("a");
             l.Insert("a");
             l.Insert("");
         },
         {"a", "a", "", ""},
         3},
        {"insert before the chosen line",
         "a\r\nb\r\n",
         1,
         [](CPlanFrameLines& l) { l.Insert("x"); },
         {"a", "x", "b", ""},
         2},
        {"delete the last line leaves an empty one",
         "a\r\n",
         1,
         [](CPlanFrameLines& l) { l.Delete(); },
         {"a", ""},
         1},
        {"delete in the middle",
         "a\r\nb\r\n",
         0,
         [](CPlanFrameLines& l) { l.Delete(); },
         {"b", ""},
         0},
        {"up from the empty last line over a text",
         "a\r\nb\r\n",
         2,
         [](CPlanFrameLines& l) { l.MoveUp(); },
         {"a", "", "b", ""},
         1},
        {"up from the last line over an empty one",
         "a\r\n\r\n",
         2,
         [](CPlanFrameLines& l) { l.MoveUp(); },
         {"a", "", ""},
         1},
        {"up from the first line",
         "a\r\nb\r\n",
         0,
         [](CPlanFrameLines& l) { l.MoveUp(); },
         {"a", "b", ""},
         0},
        {"down from the last but one",
         "a\r\nb\r\n",
         1,
         [](CPlanFrameLines& l) { l.MoveDown(); },
         {"a", "", "b", ""},
         2},
        {"down from the last", "a\r\n", 1, [](CPlanFrameLines& l) { l.MoveDown(); }, {"a", ""}, 1},
        {"clear", "a\r\nb\r\n", 0, [](CPlanFrameLines& l) { l.Clear(); }, {""}, 0},
        {"the single action goes before the last line",
         "a\r\n",
         0,
         [](CPlanFrameLines& l) { l.InsertBeforeLast("x"); },
         {"a", "x", ""},
         0},
    };
    for (const Case& c : cases) {
        CPlanFrameLines lines;
        lines.Load(c.text);
        lines.Choose(c.chosen);
        c.op(lines);
        EXPECT_EQ(lines.Lines(), c.lines) << c.what;
        EXPECT_EQ(lines.Chosen(), c.chosenAfter) << c.what;
    }
}

} // namespace
} // namespace tembra
