// Commands find their handler along the targets in order; an id nobody handles is disabled; the
// document's attribute menus answer through it.
#include "shell/core/CommandRouter.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "shell/core/DocumentCommands.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(CommandRouterTest, TheFirstTargetWithAHandlerDecides) {
    std::vector<std::string> ran;
    CCommandMap view;
    CCommandMap frame;
    view.On(
        1, [&] { ran.push_back("view 1"); }, [](CCmdUI& ui) { ui.SetCheck(1); });
    frame.On(
        1, [&] { ran.push_back("frame 1"); }, [](CCmdUI& ui) { ui.Enable(FALSE); });
    frame.On(2, [&] { ran.push_back("frame 2"); });
    frame.On(3, {}, [](CCmdUI& ui) { ui.Enable(FALSE); }); // a state without a command
    CCommandRouter router([&] { return std::vector<ICommandTarget*>{nullptr, &view, &frame}; });

    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_FALSE(router.Execute(3));
    EXPECT_FALSE(router.Execute(4));
    EXPECT_EQ(ran, (std::vector<std::string>{"view 1", "frame 2"}));

    const CCmdUI one = router.Update(1);
    EXPECT_TRUE(one.IsEnabled());
    EXPECT_EQ(one.GetCheck(), 1);
    const CCmdUI two = router.Update(2);
    EXPECT_TRUE(two.IsEnabled());
    EXPECT_FALSE(two.IsCheckSet()) << "a command without an update handler keeps its state";
    EXPECT_FALSE(router.Update(3).IsEnabled());
    EXPECT_FALSE(router.Update(4).IsEnabled()) << "no handler yet: disabled";
}

TEST(CommandRouterTest, TheDocumentRunsItsAttributeMenus) {
    test::ScopedUi ui;
    CAppState state;
    CAppState* previous = SetAppState(&state);
    {
        CTembraDoc doc;
        doc.GetOperation().SetMode(COperationState::kModeEvent);
        doc.GetSyokiSet().GetEvent().GetTextAttr().m_color = 0x0000FF; // red
        CDocumentCommands commands(doc);
        CCommandRouter router([&] { return std::vector<ICommandTarget*>{&commands}; });

        EXPECT_EQ(router.Update(32816).GetCheck(), 1) << "属性 > 行事 > 修飾 > 色 > 赤";
        EXPECT_EQ(router.Update(32799).GetCheck(), 0);
        EXPECT_TRUE(router.Execute(32799)); // black becomes the default of new events
        EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetTextAttr().m_color, 0u);
        EXPECT_EQ(router.Update(32799).GetCheck(), 1);

        EXPECT_TRUE(router.Execute(40036)); // 属性 > 項目 > サイズ > 標　準
        // The text commands take their text from the term bar: without a bar on screen they
        // are disabled.
        EXPECT_TRUE(router.Execute(32821));
        EXPECT_FALSE(router.Update(32821).IsEnabled());
    }
    SetAppState(previous);
}

// A command whose only work is a dialog the program does not have yet is disabled and does
// nothing; with the dialog it is enabled.
TEST(CommandRouterTest, ACommandThatOnlyOpensAMissingDialogIsDisabled) {
    test::ScopedUi ui;
    CAppState state;
    CAppState* previous = SetAppState(&state);
    {
        CTembraDoc doc;
        doc.GetOperation().SetMode(COperationState::kModeZukei);
        struct Case {
            UINT id;
            const char* dialog;
        };
        const Case cases[] = {
            {40032, "GridSetDlg"},         // グリッド設定
            {33014, "ZukeiAttrChangeDlg"}, // 一括変更
            {33017, "KouteiAttr2Dlg"},     // 工程線 > 属性一括
            {33018, "YogoAttr2Dlg"},       // 用語 > 属性一括
        };
        for (const Case& c : cases) {
            for (const bool present : {false, true}) {
                SCOPED_TRACE(std::to_string(c.id) + (present ? " present" : " missing"));
                CDocumentCommands commands(doc, [&](const char* name) {
                    return present || std::string(name) != c.dialog;
                });
                CCommandRouter router([&] { return std::vector<ICommandTarget*>{&commands}; });
                EXPECT_EQ(router.Update(c.id).IsEnabled(), present);
            }
        }
    }
    SetAppState(previous);
}

} // namespace
} // namespace tembra
