// Commands and their states: one action per command shown by the menus and every bar, the states
// set in one pass by the update handlers (disabled while a command has no handler), the
// application's own commands and the layout editor's start.
#include "ShellFixture.h"

#include "model/AutoSaveRequest.h"
#include "model/OptionDialogRequest.h"
#include "print/LayoutSelectRequest.h"

#include "shell/LayerBar.h"
#include "shell/ModeBar.h"
#include "shell/ProcessColorBar.h"
#include "shell/core/LayoutEditorCommand.h"
#include "shell/core/MenuTable.h"
#include "shell/core/OptionCommands.h"
#include "shell/core/PopupMenuTable.h"
#include "shell/core/ToolBarSets.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <set>

namespace tembra {
namespace {

class CommandStatesTest : public test::ShellFixture {};

TEST_F(CommandStatesTest, OneActionPerCommandInMenusAndBars) {
    ASSERT_FALSE(Start());
    CMainFrame& frame = Frame();
    for (const MenuEntry& e : MainMenu()) {
        if (e.id != 0) {
            EXPECT_NE(frame.Action(e.id), nullptr) << e.id;
        }
    }
    // The same action in the menu, the main tool bar, the palette and the function bar.
    QAction* drawMode = frame.Action(32922);
    EXPECT_TRUE(frame.LayerBar()->actions().contains(drawMode));
    bool inMenu = false;
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
        inMenu = inMenu || menu->actions().contains(drawMode);
    }
    EXPECT_TRUE(inMenu);
    // The main tool bar holds the buttons of its set, and the layer combo between them.
    int buttons = 0;
    for (const ToolBarItem& item : app->ToolBars().LayoutToolBar(1)) {
        buttons += item.kind == ToolBarItem::Button ? 1 : 0;
    }
    int shown = 0;
    for (QAction* a : frame.LayerBar()->actions()) {
        shown += frame.Action(a->objectName().toUInt()) == a ? 1 : 0;
    }
    EXPECT_EQ(shown, buttons);
}

// Every command a user can reach from the menu bar, a tool bar or a context menu has a handler
// somewhere in the chain while a chart is open: none is offered that nothing runs.
TEST_F(CommandStatesTest, EveryMenuAndBarCommandIsKnownToTheRouter) {
    ASSERT_FALSE(Start());
    ASSERT_NE(app->NewDocument(), nullptr);
    std::set<UINT> ids;
    for (const MenuEntry& e : MainMenu()) {
        ids.insert(e.id);
    }
    for (int set = 1; set <= CToolBarSets::kSetCount; ++set) {
        for (const ToolBarCommand& c : CToolBarSets::CommandTable(set)) {
            if (c.id != kLayerComboPlace && c.id != kYogoComboPlace && c.id != kColorComboPlace) {
                ids.insert(c.id);
            }
        }
    }
    for (UINT menu = 1; menu < 1000; ++menu) {
        for (const MenuEntry& e : PopupMenuEntries(menu)) {
            ids.insert(e.id);
        }
    }
    ids.erase(0);
    EXPECT_GT(ids.size(), 300u);
    // Shown and disabled on purpose: the help (no help file ships) and the embedded object's
    // display commands (an object always shows its image).
    const std::set<UINT> disabled = {57666, 57669, 32935, 32936, 32937};
    for (UINT id : ids) {
        EXPECT_EQ(app->Router().Handles(id), disabled.count(id) == 0) << id;
    }
    EXPECT_FALSE(app->Router().Handles(1)) << "an id no menu names";
}

TEST_F(CommandStatesTest, StatesComeFromTheUpdateHandlersInOnePass) {
    ASSERT_FALSE(Start());
    CMainFrame& frame = Frame();
    app->UpdateCommandStates();
    // No handler yet: present and disabled.
    for (UINT id : {57603u, 57607u, 32927u, 57666u}) {
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
    }
    // The frame's and the application's handlers.
    EXPECT_TRUE(frame.Action(32775)->isEnabled());
    EXPECT_TRUE(frame.Action(32775)->isChecked()) << "the main tool bar is shown";
    EXPECT_FALSE(frame.Action(32952)->isChecked()) << "the function bar is hidden";
    EXPECT_TRUE(frame.Action(33119)->isEnabled());
    EXPECT_FALSE(frame.Action(33119)->isChecked()) << "the floating overview is hidden";
    EXPECT_TRUE(frame.Action(57664)->isEnabled());
    EXPECT_TRUE(frame.Action(33040)->isChecked());
    EXPECT_FALSE(frame.Action(33039)->isChecked());
    EXPECT_FALSE(frame.Action(57652)->isEnabled()) << "no window to tile";

    app->Router().Execute(33039);
    app->Router().Execute(33039);
    EXPECT_TRUE(app->IsHalfScroll()) << "twice leaves half-page scrolling on";
    // A menu shows the states as they are when it opens.
    QMenu* view = nullptr;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() == QString::fromUtf8("ｵﾌﾟｼｮﾝ(O)")) {
            view = top->menu();
        }
    }
    ASSERT_NE(view, nullptr);
    emit view->aboutToShow();
    EXPECT_TRUE(frame.Action(33039)->isChecked());
    EXPECT_FALSE(frame.Action(33040)->isChecked());

    // The function bar's buttons follow their actions.
    app->NewDocument();
    app->UpdateCommandStates();
    EXPECT_TRUE(frame.FunctionBar()->Button(57600)->isEnabled());
    EXPECT_TRUE(frame.FunctionBar()->Button(57603)->isEnabled()) << "a chart can be saved";
    EXPECT_TRUE(frame.Action(57652)->isEnabled());
}

TEST_F(CommandStatesTest, TheDocumentsMenusRunOnTheActiveChart) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->GetOperation().SetMode(COperationState::kModeEvent);
    app->UpdateCommandStates();
    QAction* black = Frame().Action(32799);
    EXPECT_TRUE(black->isEnabled());
    black->trigger();
    EXPECT_EQ(document->GetSyokiSet().GetEvent().GetTextAttr().m_color, 0u);
    app->UpdateCommandStates();
    EXPECT_TRUE(black->isChecked());
}

TEST_F(CommandStatesTest, TheLayoutCommandStartsTheEditorWithThePaper) {
    ASSERT_FALSE(Start());
    ui.OnDialog("LayoutSelect", [](DialogRequest& r) {
        static_cast<LayoutSelectRequest&>(r).fileName.clear(); // a new layout
        return IDOK;
    });
    app->Router().Execute(40033);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, paths.Dir().File("bin").string() + "/marquell");
    EXPECT_TRUE(started[0].second.empty()) << "no file and no chart window: no paper switch";

    CTembraDoc* document = app->NewDocument();
    document->GetSyokiSet().GetPageSetting().SetPaperKind(3);
    ui.OnDialog("LayoutSelect", [](DialogRequest& r) {
        static_cast<LayoutSelectRequest&>(r).fileName = "MASTER01.LYT";
        return IDOK;
    });
    app->Router().Execute(40033);
    ASSERT_EQ(started.size(), 2u);
    ASSERT_EQ(started[1].second.size(), 2u);
    EXPECT_EQ(started[1].second[1], "/A3TATE");

    editorThere = false;
    app->Router().Execute(40033);
    EXPECT_EQ(test::Messages(ui).back(), IDS_LAYOUT_EDITOR_FAILED);
}

TEST_F(CommandStatesTest, OptionCommandsWriteTheirGroupsOnOk) {
    ASSERT_FALSE(Start());
    ui.OnDialog("EventAttributes", [](DialogRequest& r) {
        static_cast<OptionDialogRequest&>(r).config->GetEvent().GetTextAttr().m_color = 0x00FF00;
        return IDOK;
    });
    app->Router().Execute(32793);
    EXPECT_FALSE(UserProfile().KeyNames("EventConfig").empty());
    EXPECT_TRUE(UserProfile().KeyNames("KouteiConfig").empty());

    ui.OnDialog("AutoSave", [](DialogRequest& r) {
        static_cast<AutoSaveRequest&>(r).interval = -25;
        return IDOK;
    });
    app->Router().Execute(40065);
    EXPECT_EQ(app->Config().GetAutoSaveTime(), -25);
    EXPECT_EQ(static_cast<int>(GetProfileInt("AutoSave", "AutoSaveTime", 0)), -25);
}

TEST_F(CommandStatesTest, EditedButtonSetsLayTheBarsOutAgain) {
    ASSERT_FALSE(Start());
    ui.OnDialog("ToolBarSettings", [](DialogRequest&) {
        WriteProfileString(CToolBarSets::kSection, "KouteiBar", "3,2,0,40");
        return IDOK;
    });
    app->Router().Execute(40086);
    EXPECT_EQ(app->ToolBars().GetToolBarArray(5), (std::vector<int>{2, 0, 40}));
    const QList<QAction*> actions = Frame().KouteiBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0], Frame().Action(32870));
    EXPECT_EQ(Frame().KouteiBar()->ColorCombo()->width(), 80);

    // Cancel leaves the sets as they were read.
    ui.OnDialog("ToolBarSettings", [](DialogRequest&) {
        WriteProfileString(CToolBarSets::kSection, "KouteiBar", "1,1");
        return IDCANCEL;
    });
    app->Router().Execute(40086);
    EXPECT_EQ(app->ToolBars().GetToolBarArray(5), (std::vector<int>{2, 0, 40}));
}

} // namespace
} // namespace tembra
