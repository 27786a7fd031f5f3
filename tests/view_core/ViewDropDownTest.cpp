// The line-drawing bar's drop-downs: each button asks for its menu anchored to itself and posts
// the item chosen; the buttons stay enabled and unchecked whatever the mode and selection.
#include "ViewFixture.h"

#include "platform/CmdUI.h"
#include "platform/PopupMenuRequest.h"

#include <vector>

namespace tembra {
namespace {

class ViewDropDownTest : public test::ViewFixture {
protected:
    ViewDropDownTest() : view(MakeView(host)) {}

    test::FakeViewHost host;
    CTembraView& view;
};

TEST_F(ViewDropDownTest, EachButtonOpensItsMenuUnderItselfAndPostsTheChoice) {
    struct Case {
        UINT button;
        UINT menu;
        UINT chosen; // 0: closed without a choice
    };
    const std::vector<Case> cases{
        {33009, 201, 40003}, {33010, 202, 40008}, {33011, 203, 33073}, {33012, 204, 0},
        {33013, 205, 40026}, {33098, 294, 33090}, {33099, 295, 33097},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        std::vector<PopupMenuRequest> asked;
        ui.OnDialog("PopupMenu", [&](DialogRequest& r) {
            auto& request = static_cast<PopupMenuRequest&>(r);
            asked.push_back(request);
            request.chosen = c.chosen;
            return c.chosen != 0 ? IDOK : IDCANCEL;
        });
        ui.commands.clear();
        ASSERT_TRUE(view.OnCommand(c.button));
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].menuId, c.menu);
        EXPECT_EQ(asked[0].anchorCommand, c.button);
        EXPECT_TRUE(asked[0].added.empty());
        EXPECT_EQ(ui.commands, c.chosen != 0 ? std::vector<UINT>{c.chosen} : std::vector<UINT>{});
    }
}

TEST_F(ViewDropDownTest, TheButtonsAreEnabledAndUncheckedInEveryState) {
    AddProcess(3, 6, 2)->Select();
    for (const LONG mode :
         {COperationState::kModeKoutei, COperationState::kModeZukei, COperationState::kModeYogo}) {
        for (const LONG operation : {COperationState::kOpDraw, COperationState::kOpEdit}) {
            doc.GetOperation().SetMode(mode);
            doc.GetOperation().SetOperation(operation);
            for (const UINT button : {33009u, 33010u, 33011u, 33012u, 33013u, 33098u, 33099u}) {
                CCmdUI state(button);
                state.SetCheck(1);
                ASSERT_TRUE(view.OnUpdateCommand(state)) << button;
                EXPECT_TRUE(state.IsEnabled()) << button;
                EXPECT_EQ(state.GetCheck(), 0) << button;
            }
        }
    }
}

} // namespace
} // namespace tembra
