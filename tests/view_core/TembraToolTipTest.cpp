// The hyperlink tip: shown once when the pointer comes onto a link, kept while it moves within
// that link, shown again for another link, hidden off the links and at any other message.
#include "view/core/TembraToolTip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(TembraToolTipTest, TheTipFollowsTheLinkUnderThePointer) {
    std::vector<std::string> calls;
    CTembraToolTip tip([&](const std::string& text) { calls.push_back("show " + text); },
                       [&] { calls.push_back("hide"); });
    struct Step {
        const char* what;
        bool move;
        std::uintptr_t id;
        const char* text;
        std::vector<std::string> calls;
    };
    const Step steps[] = {
        {"onto a link", true, 1, "http://a", {"hide", "show http://a"}},
        {"within it", true, 1, "http://a", {}},
        {"onto another", true, 2, "http://b", {"hide", "show http://b"}},
        {"off the links", true, 0, "", {"hide"}},
        {"back onto the first", true, 1, "http://a", {"hide", "show http://a"}},
        {"a press on it", false, 1, "http://a", {"hide"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        calls.clear();
        tip.UpdateTip(s.move, s.id, s.text);
        EXPECT_EQ(calls, s.calls);
        EXPECT_EQ(tip.GetShownId(), s.id);
    }
    EXPECT_EQ(tip.GetText(), "http://a");
}

} // namespace
} // namespace tembra
