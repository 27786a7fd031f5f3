// Resources of processes with the mouse, driven through the dispatcher: attaching the input
// window's resources, picking processes for the edit window, and copying or moving a process's
// resources to another, each change one undo step and every refusal leaving the chart as it was.
#include "ViewMouseFixture.h"

#include "document/FailingAllocator.h"
#include "document/ShigenWindows.h"
#include "model/ConfigOperation.h"
#include "support/ArchiveBytes.h"

#include <algorithm>
#include <new>

namespace tembra {
namespace {

using test::Bytes;

// The round page: day d starts at x 500 + 100 (d - 1); row r's middle is at y -125 - 50 r.
CPoint Pt(int day, int row, int dx = 0) {
    return CPoint(500 + 100 * (day - 1) + dx, -125 - 50 * row);
}

// The resource windows as a test sets them: the input table's rows and the processes shown.
class ShigenWindowsRecorder : public IShigenWindows {
public:
    std::vector<CShigenData> GetInputEntries() override { return rows; }
    void ShowKoutei(const CKoutei* process) override { shown.push_back(process); }

    std::vector<CShigenData> rows;
    std::vector<const CKoutei*> shown;
};

class ResourceMouseTest : public test::ViewMouseFixture {
protected:
    ResourceMouseTest() {
        View();
        state.SetShigenWindows(&windows);
        first = AddProcess(3, 6, 2);
        second = AddProcess(3, 6, 6);
    }
    ~ResourceMouseTest() override { state.SetShigenWindows(nullptr); }

    void AddNames() {
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "daiku"));
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, "sakan"));
    }
    static void GiveResources(CKoutei* process, std::vector<CShigenData> entries) {
        for (const CShigenData& entry : entries) {
            process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(entry));
        }
    }
    // The entries of the process on the row, as (number, quantity).
    std::vector<std::pair<int, int>> Entries(int row) {
        std::vector<std::pair<int, int>> entries;
        for (const CKoutei* process : Processes()) {
            if (process->GetStartRow() == row) {
                for (const auto& entry : process->GetShigen()->GetEntries()) {
                    entries.emplace_back(entry->GetNumber(), entry->GetQuantity());
                }
            }
        }
        return entries;
    }
    std::vector<CKoutei*> Processes() {
        std::vector<CKoutei*> all;
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            all.push_back(static_cast<CKoutei*>(doc.GetNextObj(pos)));
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            all.push_back(static_cast<CKoutei*>(doc.GetNextSel(pos)));
        }
        return all;
    }
    CKoutei* OnRow(int row) {
        for (CKoutei* process : Processes()) {
            if (process->GetStartRow() == row) {
                return process;
            }
        }
        return nullptr;
    }
    // The bytes of every process as it would be saved, in an order of their own: a pick that
    // is taken back may leave a process at another place in its list.
    std::vector<Bytes> Save() {
        std::vector<Bytes> all;
        for (CKoutei* process : Processes()) {
            all.push_back(test::Store(*process, doc));
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    BOOL Send(int action, UINT flags, const CPoint& logical) {
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Click(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
        Send(CMouseEvent::kLeftUp, flags, p);
    }
    // The first process selected, ready for a copy or a move.
    void PrepareTransfer(LONG operation) {
        doc.SelectAt(doc.FindObj(first));
        SetState(Op::kModeShigen, operation);
        doc.GetUndoHistory().Reset();
        ui.ClearRecords();
    }

    ShigenWindowsRecorder windows;
    CKoutei* first = nullptr;
    CKoutei* second = nullptr;
};

TEST_F(ResourceMouseTest, AttachingTakesTheInputWindowsQuantities) {
    struct Case {
        const char* what;
        bool names;
        std::vector<CShigenData> rows;
        std::vector<UINT> messages;
        std::vector<std::pair<int, int>> entries;
    };
    const Case cases[] = {
        {"no resource names", false, {{1, 3}}, {5104}, {}},
        {"no quantities", true, {{1, 0}, {2, 0}}, {5105}, {}},
        {"no input window", true, {}, {5105}, {}},
        {"the rows with a quantity", true, {{1, 3}, {2, 0}, {3, 5}}, {}, {{1, 3}, {3, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetShigenNames().clear();
        if (c.names) {
            AddNames();
        }
        windows.rows = c.rows;
        SetState(Op::kModeShigen, Op::kOpDraw);
        doc.GetUndoHistory().Reset();
        ui.ClearRecords();
        const std::vector<Bytes> before = Save();

        Click(Pt(4, 2, 50));
        EXPECT_EQ(ui.MessageIds(), c.messages);
        EXPECT_EQ(Entries(2), c.entries);
        EXPECT_EQ(doc.GetSelCount(), 0);
        EXPECT_EQ(doc.GetOperation().GetState(), 0);
        EXPECT_FALSE(host.capture);
        if (c.entries.empty()) {
            EXPECT_EQ(Save(), before);
            EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
        } else {
            ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
            doc.GetUndoHistory().Undo();
            EXPECT_EQ(Save(), before) << "one undo step";
        }
    }
}

TEST_F(ResourceMouseTest, CopyAndMoveCarryTheResourcesToAnotherProcess) {
    struct Case {
        const char* what;
        LONG operation;
        CPoint click;
        std::vector<UINT> messages;
        std::vector<std::pair<int, int>> sourceAfter, targetAfter;
    };
    const std::vector<std::pair<int, int>> resources{{1, 3}, {2, 4}};
    const Case cases[] = {
        {"copy onto the source", Op::kOpCopy, Pt(4, 2, 50), {5109}, resources, {}},
        {"move onto the source", Op::kOpMove, Pt(4, 2, 50), {5110}, resources, {}},
        {"copy", Op::kOpCopy, Pt(4, 6, 50), {}, resources, resources},
        {"move", Op::kOpMove, Pt(4, 6, 50), {}, {}, resources},
        {"nothing under the point", Op::kOpMove, Pt(20, 20), {}, resources, {}},
    };
    AddNames();
    GiveResources(first, {{1, 3}, {2, 4}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareTransfer(c.operation);
        const std::vector<Bytes> before = Save();
        Click(c.click);
        EXPECT_EQ(ui.MessageIds(), c.messages);
        EXPECT_EQ(Entries(2), c.sourceAfter);
        EXPECT_EQ(Entries(6), c.targetAfter);
        EXPECT_EQ(doc.GetOperation().GetState(), 0);
        EXPECT_FALSE(host.capture);
        if (c.targetAfter.empty()) {
            EXPECT_EQ(Save(), before);
        } else {
            ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
            doc.GetUndoHistory().Undo();
            EXPECT_EQ(Entries(2), resources) << "one undo gives both back";
            EXPECT_TRUE(Entries(6).empty());
        }
        first = OnRow(2);
        doc.UnselectAll(FALSE);
    }
}

TEST_F(ResourceMouseTest, TwoSelectedProcessesAreRefused) {
    AddNames();
    GiveResources(first, {{1, 3}});
    doc.SelectAt(doc.FindObj(second));
    PrepareTransfer(Op::kOpMove);
    const std::vector<Bytes> before = Save();
    Click(Pt(10, 10));
    EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{5106});
    EXPECT_EQ(Operation(), Op::kOpEdit);
    EXPECT_EQ(Save(), before);
}

TEST_F(ResourceMouseTest, AMoveWhoseCopiesFailChangesNothing) {
    AddNames();
    GiveResources(first, {{1, 3}, {2, 4}});
    doc.SelectAt(doc.FindObj(first));
    doc.SelectAt(doc.FindObj(second));
    // Each allocation of the move fails in turn, up to the first change of the document: the
    // resource list's copy first (5108), then the other copies.
    int refusals = 0;
    for (long succeed = 0;; ++succeed) {
        ASSERT_LT(succeed, 1000);
        ui.ClearRecords();
        const std::vector<Bytes> before = Save();
        BOOL carried = FALSE;
        bool fired = false;
        try {
            const test::FailingAllocation failing(succeed);
            carried = View().CarryResources(first, second, true);
            fired = failing.Fired();
        } catch (const std::bad_alloc&) {
            // Every copy was made; the window's redraw that comes next failed.
            EXPECT_EQ(Save(), before);
            break;
        }
        if (carried != FALSE || !fired) {
            break; // every copy was made
        }
        SCOPED_TRACE(succeed);
        ++refusals;
        EXPECT_EQ(Save(), before);
        // Each failed copy says so once: the resource list's as 5108, a process's its own way.
        EXPECT_EQ(ui.MessageIds().size(), 1U);
        if (succeed == 0) {
            EXPECT_EQ(ui.MessageIds(), std::vector<UINT>{5108});
        }
    }
    EXPECT_GE(refusals, 3) << "the resource list, the emptied list and the process copies";
    if (Entries(6).empty()) {
        // The walk ended where the redraw failed: the same move without a failure.
        ASSERT_TRUE(View().CarryResources(first, second, true));
    }
    EXPECT_TRUE(Entries(2).empty());
    EXPECT_EQ(Entries(6), (std::vector<std::pair<int, int>>{{1, 3}, {2, 4}}));
}

TEST_F(ResourceMouseTest, PickingFollowsMultiEditAndCtrl) {
    struct Case {
        LONG multiEdit;
        UINT keys;
        int selected; // after the second click
    };
    const Case cases[] = {
        {0, 0, 1},
        {0, MK_CONTROL, 2},
        {1, 0, 2},
        {1, MK_CONTROL, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "MultiEdit " << c.multiEdit << ", keys " << c.keys);
        doc.UnselectAll(FALSE);
        doc.GetOperation().SetMultiEdit(c.multiEdit);
        SetState(Op::kModeShigen, Op::kOpEdit);
        windows.shown.clear();
        Click(Pt(4, 2, 50));
        ASSERT_EQ(doc.GetSelCount(), 1);
        Click(Pt(4, 6, 50), c.keys);
        EXPECT_EQ(doc.GetSelCount(), c.selected);
        ASSERT_EQ(windows.shown.size(), 2U);
        EXPECT_EQ(windows.shown.back(), doc.GetSelAt(doc.GetHeadSelPosition()))
            << "the edit window shows the first selected process";
    }
}

TEST_F(ResourceMouseTest, ABandPicksEveryProcessInItAndShowsTheFirst) {
    SetState(Op::kModeShigen, Op::kOpEdit);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(2, 0));
    Send(CMouseEvent::kLeftUp, 0, Pt(2, 0));
    EXPECT_EQ(doc.GetOperation().GetState(), 4);
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(8, 8));
    Send(CMouseEvent::kLeftUp, 0, Pt(8, 8));
    EXPECT_EQ(doc.GetOperation().GetState(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(doc.GetSelCount(), 2);
    ASSERT_EQ(windows.shown.size(), 1U);
    EXPECT_EQ(windows.shown.front(), doc.GetSelAt(doc.GetHeadSelPosition()));
}

TEST_F(ResourceMouseTest, AModeChosenWhileABandIsDrawnErasesIt) {
    SetState(Op::kModeShigen, Op::kOpEdit);
    Send(CMouseEvent::kLeftDown, MK_LBUTTON, Pt(2, 0));
    Send(CMouseEvent::kLeftUp, 0, Pt(2, 0));
    Send(CMouseEvent::kMove, MK_LBUTTON, Pt(8, 8));
    ASSERT_EQ(doc.GetOperation().GetState(), 4);
    ASSERT_TRUE(AnyInverted());
    doc.GetOperation().SetMode(Op::kModeKoutei);
    EXPECT_EQ(doc.GetOperation().GetState(), 0);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(UnevenInversions(), 0);
    EXPECT_EQ(doc.GetSelCount(), 0);
}

} // namespace
} // namespace tembra
