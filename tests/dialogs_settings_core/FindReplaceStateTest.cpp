// What the select and replace dialog offers per object mode, operation and selection.
#include "dialogs/settings/core/FindReplaceState.h"

#include "model/OperationState.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(FindReplaceStateTest, CaptionAndEnablingFollowModeOperationAndSelection) {
    constexpr LONG kEdit = COperationState::kOpEdit;
    constexpr LONG kDraw = COperationState::kOpDraw;
    struct Case {
        LONG mode;
        LONG operation;
        bool selection;
        const char* caption;
        bool select;
        bool limit;
    };
    const Case cases[] = {
        {COperationState::kModeYogo, kEdit, true, "選択／置換[用語]", true, true},
        {COperationState::kModeYogo, kDraw, true, "選択／置換[用語]", false, false},
        {COperationState::kModeYogo, kEdit, false, "選択／置換[用語]", true, false},
        {COperationState::kModeEvent, kEdit, true, "選択／置換[行事]", true, true},
        {COperationState::kModeEvent, kDraw, false, "選択／置換[行事]", false, false},
        {COperationState::kModeKoumoku, kEdit, true, "置換[項目]", false, true},
        {COperationState::kModeKoutei, kEdit, false, "置換[項目]", false, false},
    };
    for (const Case& c : cases) {
        const FindReplaceState state =
            MakeFindReplaceState("選択／置換", c.mode, c.operation, c.selection);
        EXPECT_EQ(state.caption, c.caption) << c.mode << " " << c.operation;
        EXPECT_EQ(state.selectEnabled, c.select) << c.mode << " " << c.operation;
        EXPECT_EQ(state.limitEnabled, c.limit) << c.mode << " " << c.operation << c.selection;
        EXPECT_EQ(state.limitChecked, c.limit);
    }
}

} // namespace
} // namespace tembra
