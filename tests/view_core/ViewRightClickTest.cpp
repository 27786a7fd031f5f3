// The right-click rule of the dispatcher: the context menu of the object under the pointer (with
// the user's web links for terms and events), the general menu as the "RightClick" setting,
// Shift and the chord say, or a step back out of the current operation; the chosen command is
// posted to the main window.
#include "ViewMouseFixture.h"

#include "model/Event.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

#include <optional>
#include <string>

namespace tembra {
namespace {

using test::April;

class ViewRightClickTest : public test::ViewMouseFixture {
protected:
    ViewRightClickTest() {
        ui.OnDialog("PopupMenu", [this](DialogRequest& r) {
            auto& request = static_cast<PopupMenuRequest&>(r);
            menus.push_back(request);
            request.chosen = chosen;
            return chosen != 0 ? IDOK : IDCANCEL;
        });
    }
    // A right click (press and release) at a logical point, Shift when asked; or the chord of a
    // left press with the right button held.
    void RightClick(const CPoint& at, bool shift = false) {
        const UINT keys = shift ? UINT{MK_SHIFT} : 0U;
        At(CMouseEvent::kRightDown, MK_RBUTTON | keys, at);
        At(CMouseEvent::kRightUp, keys, at);
    }
    // The centre of an object's bounds on the chart, logical units.
    CPoint CentreOf(const CDataHeader* object) {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        CRect bounds = View().GetLayout().GetObjectBounds(dc.get(), object, 1);
        dc->DPtoLP(&bounds);
        return bounds.CenterPoint();
    }
    static void StoreLinks(int count) {
        for (int i = 0; i < 10; ++i) {
            char section[32];
            std::snprintf(section, sizeof section, "ExecURL\\%04d", i);
            const std::string title = i < count ? "link" + std::to_string(i) : std::string();
            WriteProfileString(section, "Title", title.c_str());
            WriteProfileString(section, "URL", "https://example.org/");
        }
    }

    test::ScopedPaths paths;
    std::vector<PopupMenuRequest> menus;
    UINT chosen = 0;
};

const CPoint kEmptyChart(3000, -1400);

struct RuleCase {
    const char* what;
    WORD rightClick; // the setting
    bool shift;
    bool chord; // a left press with the right button held instead of a right release
    bool selection;
    LONG operation;
    std::optional<UINT> menu; // none: the click cancels
    LONG operationAfter;
    int selectedAfter;
};

TEST_F(ViewRightClickTest, TheGeneralMenuOrACancelAsTheSettingShiftAndTheChordSay) {
    const RuleCase cases[] = {
        {"plain click, setting off", 0, false, false, false, Op::kOpEdit, std::nullopt, Op::kOpDraw,
         0},
        {"Shift, setting off", 0, true, false, false, Op::kOpEdit, 7, Op::kOpEdit, 0},
        {"plain click, setting on", 1, false, false, false, Op::kOpEdit, 7, Op::kOpEdit, 0},
        {"Shift, setting on", 1, true, false, false, Op::kOpEdit, std::nullopt, Op::kOpDraw, 0},
        {"the chord, setting off", 0, false, true, false, Op::kOpEdit, 7, Op::kOpEdit, 0},
        {"the chord with Shift, setting on", 1, true, true, false, Op::kOpEdit, 7, Op::kOpEdit, 0},
        {"draw with a selection: deselects", 0, false, false, true, Op::kOpDraw, std::nullopt,
         Op::kOpDraw, 0},
        {"draw without one: to edit", 0, false, false, false, Op::kOpDraw, std::nullopt,
         Op::kOpEdit, 0},
        // Processes: a click beside everything touched nothing selected, which stays.
        {"edit with a selection: keeps it", 0, false, false, true, Op::kOpEdit, std::nullopt,
         Op::kOpEdit, 1},
        {"copy pick with a selection: keeps it", 0, false, false, true, Op::kOpCopyPick,
         std::nullopt, Op::kOpCopyPick, 1},
        {"copy with a selection: back to picking", 0, false, false, true, Op::kOpCopy, std::nullopt,
         Op::kOpCopyPick, 0},
        {"move free with a selection", 0, false, false, true, Op::kOpMoveFree, std::nullopt,
         Op::kOpMovePick, 0},
        {"move without one: to edit", 0, false, false, false, Op::kOpMove, std::nullopt,
         Op::kOpEdit, 0},
        {"move bend without one: to edit", 0, false, false, false, Op::kOpMoveBend, std::nullopt,
         Op::kOpEdit, 0},
        {"deform without one: to edit", 0, false, false, false, Op::kOpDeformApply, std::nullopt,
         Op::kOpEdit, 0},
        {"deform pick without one: to draw", 0, false, false, false, Op::kOpDeformPick,
         std::nullopt, Op::kOpDraw, 0},
    };
    SpyOnAllSlots();
    for (const RuleCase& c : cases) {
        config.SetSystemWord(CConfigBase::kSysRightClick, c.rightClick);
        doc.GetSelList().RemoveAll();
        if (c.selection) {
            AddShape(true);
        }
        SetState(Op::kModeKoutei, c.operation);
        menus.clear();
        calls.clear();
        // The release alone: a right press before it would be the placing's own event.
        const UINT shift = c.shift ? UINT{MK_SHIFT} : 0U;
        if (c.chord) {
            EXPECT_TRUE(At(CMouseEvent::kLeftDown, MK_LBUTTON | MK_RBUTTON | shift, kEmptyChart))
                << c.what;
        } else {
            EXPECT_TRUE(At(CMouseEvent::kRightUp, shift, kEmptyChart)) << c.what;
        }
        if (c.menu) {
            ASSERT_EQ(menus.size(), 1u) << c.what;
            EXPECT_EQ(menus[0].menuId, *c.menu) << c.what;
            EXPECT_TRUE(menus[0].added.empty()) << c.what;
        } else {
            EXPECT_TRUE(menus.empty()) << c.what;
        }
        EXPECT_EQ(Operation(), c.operationAfter) << c.what;
        EXPECT_EQ(doc.GetSelCount(), c.selectedAfter) << c.what;
        EXPECT_TRUE(calls.empty()) << c.what << ": the rule took the release";
    }
}

TEST_F(ViewRightClickTest, DeformWithASelectionDropsTheShapesAndPicksAgain) {
    AddShape(true);
    SetState(Op::kModeZukei, Op::kOpDeformApply);
    RightClick(kEmptyChart);
    EXPECT_EQ(Operation(), Op::kOpDeformPick);
    EXPECT_EQ(doc.GetSelCount(), 0);
}

TEST_F(ViewRightClickTest, DrawWithASavedModeGoesBackToIt) {
    SetState(Op::kModeKoutei, Op::kOpDraw);
    doc.GetOperation().SetSavedMode(Op::kModeEvent);
    RightClick(kEmptyChart);
    EXPECT_EQ(Mode(), Op::kModeEvent);
}

TEST_F(ViewRightClickTest, AnEmptyClickInEditLeavesTheObjectModesAndClearsTheRest) {
    struct Case {
        LONG mode;
        LONG modeAfter;
        bool undoEmptied;
    };
    const Case cases[] = {
        {Op::kModeChart, Op::kModeKoutei, true},
        {Op::kModeObject, Op::kModeKoutei, true},
        {Op::kModeEvent, Op::kModeEvent, false},
    };
    for (const Case& c : cases) {
        SetState(c.mode, Op::kOpEdit);
        CKoutei* process = AddProcess(3, 5, 1);
        doc.GetUndoHistory().Reset();
        doc.GetUndoHistory().AddNew(process);
        CChartPos& range = *doc.GetSelectedDateRange();
        range.SetStartDate(April(3));
        range.SetEndDate(April(6));
        RightClick(kEmptyChart);
        EXPECT_EQ(Mode(), c.modeAfter) << c.mode;
        EXPECT_EQ(Operation(), Op::kOpDraw) << c.mode;
        EXPECT_EQ(doc.GetUndoHistory().CanUndo() == FALSE, c.undoEmptied) << c.mode;
        EXPECT_FALSE(doc.HasColumnRange()) << c.mode;
    }
}

TEST_F(ViewRightClickTest, AProcessUnderThePointerShowsTheMenuOfWhatIsSelected) {
    struct Case {
        const char* what;
        bool line;
        bool node;
        std::optional<UINT> menu;
    };
    const Case cases[] = {
        {"its line", true, false, 135},
        {"a node", false, true, 137},
        {"both", true, true, 139},
        {"nothing of it selected", false, false, std::nullopt},
    };
    int row = 2;
    for (const Case& c : cases) {
        // A selected process of its own for each case, on rows of its own.
        CChartPos pos;
        pos.SetStartDate(April(5));
        pos.SetEndDate(April(15));
        pos.SetStartRow(static_cast<WORD>(row));
        pos.SetEndRow(static_cast<WORD>(row));
        row += 4;
        std::unique_ptr<CKoutei> made = doc.CreateKoutei(&pos);
        CKoutei* process = made.get();
        process->GetLines()->SetSelected(c.line ? 1 : 0);
        process->GetStartLand()->SetSelected(c.node ? 1 : 0);
        doc.GetSelList().AddTail(made.release());
        SetState(Op::kModeKoutei, Op::kOpEdit);
        menus.clear();
        const CPageLayout& layout = View().GetLayout();
        RightClick(CPoint(layout.DateToX(April(10)), layout.RowToY(row - 4, 0)));
        if (c.menu) {
            ASSERT_EQ(menus.size(), 1u) << c.what;
            EXPECT_EQ(menus[0].menuId, *c.menu) << c.what;
        } else {
            EXPECT_TRUE(menus.empty()) << c.what;
        }
        // Off the process no menu of its own, and what is selected stays.
        SetState(Op::kModeKoutei, Op::kOpEdit);
        menus.clear();
        const int selected = doc.GetSelCount();
        RightClick(kEmptyChart);
        EXPECT_TRUE(menus.empty()) << c.what;
        EXPECT_EQ(doc.GetSelCount(), selected) << c.what;
        doc.UnselectAll();
    }
}

TEST_F(ViewRightClickTest, ShapesAndResourceChartsHaveMenusOfTheirOwn) {
    CZukeiBox* shape = AddShape(false);
    SetState(Op::kModeZukei, Op::kOpEdit);
    // The box's frame: its left edge at day 6.
    const CPoint onFrame(500 + 100 * 5, -100 - 50 * 3 - 25);
    static_cast<void>(shape);
    RightClick(onFrame);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].menuId, 145u);
    // In draw operation the objects have no menu: the click cancels.
    menus.clear();
    SetState(Op::kModeZukei, Op::kOpDraw);
    RightClick(onFrame);
    EXPECT_TRUE(menus.empty());
}

TEST_F(ViewRightClickTest, TheWebLinksFollowTheMenusOfTermsAndEvents) {
    struct Case {
        const char* what;
        int links;
        std::vector<UINT> commands; // 0: the separator
    };
    const Case cases[] = {
        {"four titles, the fifth empty", 4, {0, 33054, 33055, 33056, 33057}},
        {"all ten", 10, {0, 33054, 33055, 33056, 33057, 33058, 33059, 33060, 33061, 33062, 33063}},
        {"the first title empty", 0, {}},
    };
    for (const Case& c : cases) {
        StoreLinks(c.links);
        for (const UINT id : {141u, 143u, 145u, 7u}) {
            PopupMenuRequest request;
            CTembraView::AppendExecURLMenu(request, id);
            std::vector<UINT> commands;
            for (const PopupMenuRequest::Entry& e : request.added) {
                commands.push_back(e.command);
            }
            const bool withLinks = id == 141u || id == 143u;
            EXPECT_EQ(commands, withLinks ? c.commands : std::vector<UINT>{}) << c.what << id;
        }
    }
    StoreLinks(2);
    PopupMenuRequest request;
    CTembraView::AppendExecURLMenu(request, 143);
    ASSERT_EQ(request.added.size(), 3u);
    EXPECT_EQ(request.added[1].title, "link0");
    EXPECT_EQ(request.added[2].title, "link1");
}

TEST_F(ViewRightClickTest, AnEventUnderThePointerShowsItsMenuWithTheLinks) {
    StoreLinks(1);
    std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
    ASSERT_NE(event, nullptr);
    event->SetText("EVENT");
    event->SetStartDate(April(12));
    event->GetPos().SetStartRow(8);
    event->GetPos().SetEndRow(8);
    CEvent* raw = event.get();
    doc.AddObj(event.release(), FALSE);
    SetState(Op::kModeEvent, Op::kOpEdit);
    chosen = 33054;
    RightClick(CentreOf(raw));
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].menuId, 143u);
    EXPECT_EQ(menus[0].added.size(), 2u);
    EXPECT_EQ(ui.commands, std::vector<UINT>{33054}) << "the chosen command is posted";
}

TEST_F(ViewRightClickTest, AfterAMenuTheCursorIsSetAndACancelPostsNothing) {
    SetState(Op::kModeKoutei, Op::kOpEdit);
    config.SetSystemWord(CConfigBase::kSysRightClick, 1);
    host.cursor = 0;
    RightClick(kEmptyChart);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(host.cursor, 1193) << "the cursor of processes in edit";
    EXPECT_TRUE(ui.commands.empty()) << "cancelled: nothing posted";
}

TEST_F(ViewRightClickTest, NoRuleMidGesture) {
    SpyOnAllSlots();
    SetState(Op::kModeKoutei, Op::kOpEdit, 2);
    config.SetSystemWord(CConfigBase::kSysRightClick, 1);
    RightClick(kEmptyChart);
    EXPECT_TRUE(menus.empty());
    EXPECT_EQ(calls.size(), 2u) << "both went to the edit function";
}

} // namespace
} // namespace tembra
