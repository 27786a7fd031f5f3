// The mode keys, draw and edit, copy and move, and the term input of the term bar: what each
// does to the mode, the operation, the saved values, the selection and the undo history, and
// how often the main window hears of it.
#include "document/ObjectActionView.h"
#include "document/TembraDoc.h"
#include "model/Event.h"

#include "DocCommandDriver.h"
#include "DocTestSupport.h"
#include "YogoBarRecorder.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tembra {
namespace {

using Op = COperationState;
using test::CommandState;
using test::RunCommand;

// A chart view that keeps the object actions it is asked to post.
class ActionRecordingView : public test::RecordingView, public IObjectActionView {
public:
    void PostObjectAction(const std::optional<CPoint>& leftPressAt) override {
        actions.push_back(leftPressAt);
    }
    std::vector<std::optional<CPoint>> actions;
};

class DocModeMenuTest : public testing::Test {
protected:
    DocModeMenuTest() {
        app->SetYogoBar(&bar);
        app->SetActiveViewSource([this] { return &view; });
        doc.GetChartLayers().CreateLayers();
        doc.AddView(&view);
    }
    ~DocModeMenuTest() override { doc.RemoveView(&view); }

    // The state a case starts from: mode, operation and sub-state, with one selected event and
    // one step in the undo history.
    void Start(LONG mode, LONG operation, WORD state = 0) {
        doc.ClearAllSelections(FALSE);
        doc.GetUndoHistory().Reset();
        COperationState& o = doc.GetOperation();
        o.SetMode(mode);
        o.SetOperation(operation);
        o.SetState(state);
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->Select();
        doc.AddSel(event.release());
        std::unique_ptr<CEvent> gone = doc.GetEvents().CreateEvent();
        doc.GetUndoHistory().AddNew(doc.GetObjAt(doc.AddObj(gone.release(), FALSE)));
        ui->ClearRecords();
        bar.focusBits.clear();
    }

    test::ScopedUi ui;
    test::ScopedAppState app;
    test::YogoBarRecorder bar;
    ActionRecordingView view;
    CTembraDoc doc;
};

TEST_F(DocModeMenuTest, ModeKeysSetTheModeDropTheSelectionAndEmptyTheHistory) {
    struct Case {
        const char* name;
        UINT id;
        LONG mode, operation;
        WORD state;
        LONG modeAfter, operationAfter;
        WORD stateAfter;
        int notices;
        bool focus; // the term bar's input takes the focus
    };
    const Case cases[] = {
        {"工程線 from events", 32927, Op::kModeEvent, Op::kOpEdit, 0, 1, 1, 0, 1, false},
        {"工程線 again", 32927, Op::kModeKoutei, Op::kOpEdit, 2, 1, 1, 2, 0, false},
        {"用語", 32930, Op::kModeKoutei, Op::kOpDraw, 0, 2, 0, 0, 1, true},
        {"用語 again: no focus", 32930, Op::kModeYogo, Op::kOpDraw, 0, 2, 0, 0, 0, false},
        {"行事", 32926, Op::kModeKoutei, Op::kOpDraw, 0, 6, 0, 0, 1, true},
        {"行事 again: no focus", 32926, Op::kModeEvent, Op::kOpDraw, 0, 6, 0, 0, 0, false},
        {"進捗線", 32929, Op::kModeKoutei, Op::kOpEdit, 0, 3, 1, 0, 1, false},
        {"線画", 32931, Op::kModeKoutei, Op::kOpEdit, 0, 4, 1, 0, 1, false},
        {"線画 again keeps a deformation", 32931, Op::kModeZukei, Op::kOpDeformPick, 2, 4, 9, 2, 0,
         false},
        {"ｵﾌﾞｼﾞｪｸﾄ edits", 32928, Op::kModeKoutei, Op::kOpDraw, 0, 5, 1, 0, 2, false},
        {"資源", 40069, Op::kModeKoutei, Op::kOpEdit, 0, 7, 1, 0, 1, false},
        {"山積 edits", 40071, Op::kModeKoutei, Op::kOpDraw, 0, 8, 1, 0, 2, false},
        {"山積 again keeps the operation", 40071, Op::kModeChart, Op::kOpDraw, 4, 8, 0, 4, 0,
         false},
    };
    for (const Case& c : cases) {
        Start(c.mode, c.operation, c.state);
        RunCommand(doc, c.id);
        const COperationState& o = doc.GetOperation();
        EXPECT_EQ(o.GetMode(), c.modeAfter) << c.name;
        EXPECT_EQ(o.GetOperation(), c.operationAfter) << c.name;
        EXPECT_EQ(o.GetState(), c.stateAfter) << c.name;
        EXPECT_EQ(ui->ModeChangedCount(), c.notices) << c.name;
        EXPECT_EQ(doc.GetSelCount(), 0) << c.name;
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << c.name;
        EXPECT_EQ(bar.focusBits, c.focus ? std::vector<int>{1} : std::vector<int>{}) << c.name;
    }
}

TEST_F(DocModeMenuTest, DrawAndEditChangeTheOperationAndKeepTheHistory) {
    struct Case {
        const char* name;
        UINT id;
        LONG mode, operation;
        LONG modeAfter, operationAfter;
        int notices;
    };
    const Case cases[] = {
        {"作図 in events", 32922, Op::kModeEvent, Op::kOpEdit, 6, 0, 1},
        {"作図 in objects goes to processes", 32922, Op::kModeObject, Op::kOpEdit, 1, 0, 2},
        {"作図 while drawing", 32922, Op::kModeKoutei, Op::kOpDraw, 1, 0, 0},
        {"編集", 32923, Op::kModeYogo, Op::kOpDraw, 2, 1, 1},
        {"編集 while editing", 32923, Op::kModeYogo, Op::kOpEdit, 2, 1, 0},
    };
    for (const Case& c : cases) {
        Start(c.mode, c.operation);
        RunCommand(doc, c.id);
        EXPECT_EQ(doc.GetOperation().GetMode(), c.modeAfter) << c.name;
        EXPECT_EQ(doc.GetOperation().GetOperation(), c.operationAfter) << c.name;
        EXPECT_EQ(ui->ModeChangedCount(), c.notices) << c.name;
        EXPECT_EQ(doc.GetSelCount(), 0) << c.name;
        EXPECT_TRUE(doc.GetUndoHistory().CanUndo()) << c.name;
    }
}

TEST_F(DocModeMenuTest, CopyAndMoveWaitForAPickWithoutASelection) {
    struct Case {
        const char* name;
        UINT id;
        LONG mode;
        bool selected;
        LONG operationAfter;
    };
    const Case cases[] = {
        {"copy, terms, nothing selected", 32924, Op::kModeYogo, false, Op::kOpCopyPick},
        {"copy, events, selected", 32924, Op::kModeEvent, true, Op::kOpCopy},
        {"move, events, nothing selected", 32925, Op::kModeEvent, false, Op::kOpMovePick},
        {"move, events, selected", 32925, Op::kModeEvent, true, Op::kOpMove},
    };
    for (const Case& c : cases) {
        Start(c.mode, Op::kOpEdit);
        if (!c.selected) {
            doc.UnselectAll(TRUE);
        }
        RunCommand(doc, c.id);
        EXPECT_EQ(doc.GetOperation().GetOperation(), c.operationAfter) << c.name;
        EXPECT_EQ(CommandState(doc, c.id).GetCheck(), 1) << c.name;
        EXPECT_TRUE(view.actions.empty()) << c.name;
    }
}

TEST_F(DocModeMenuTest, CopyOrMoveOfCellsIsATemporarySwitchToTheItemMode) {
    for (const UINT id : {32924u, 32925u}) {
        Start(Op::kModeEvent, Op::kOpEdit, 0);
        doc.GetKoumoku()->SetLevelCount(2);
        doc.GetKoumokuCells().CreateKoumokuData(1, 1)->Select();
        view.actions.clear();
        RunCommand(doc, id);
        const COperationState& o = doc.GetOperation();
        EXPECT_EQ(o.GetMode(), Op::kModeKoumoku) << id;
        EXPECT_EQ(o.GetOperation(), id == 32924u ? Op::kOpCopy : Op::kOpMove) << id;
        EXPECT_EQ(o.GetSavedMode(), Op::kModeEvent + 1) << id;
        EXPECT_EQ(o.GetSavedOperation(), Op::kOpEdit + 1) << id;
        // The selection of the cells stays for the view to take up.
        EXPECT_EQ(doc.GetSelCount(), 1) << id;
        ASSERT_EQ(view.actions.size(), 1u) << id;
        EXPECT_FALSE(view.actions[0].has_value()) << id;
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
        doc.GetOperation().RestoreMode();
    }
}

TEST_F(DocModeMenuTest, TermInputStartsOnlyFromAnIdleProcessDraw) {
    struct Case {
        const char* name;
        LONG mode, operation;
        WORD state;
        LONG savedMode; // as stored (value + 1), 0 none
        LONG withYogo;
        LONG modeAfter;
        bool acts; // selection dropped and history emptied
    };
    const Case cases[] = {
        {"idle process draw", Op::kModeKoutei, Op::kOpDraw, 0, 0, 0, Op::kModeYogo, true},
        {"terms go with processes", Op::kModeKoutei, Op::kOpDraw, 0, 0, 1, Op::kModeKoutei, true},
        {"editing", Op::kModeKoutei, Op::kOpEdit, 0, 0, 0, Op::kModeKoutei, false},
        {"a line begun", Op::kModeKoutei, Op::kOpDraw, 2, 0, 0, Op::kModeKoutei, false},
        {"a switch saved", Op::kModeKoutei, Op::kOpDraw, 0, 7, 0, Op::kModeKoutei, false},
        {"event mode", Op::kModeEvent, Op::kOpDraw, 0, 0, 0, Op::kModeEvent, false},
    };
    for (const Case& c : cases) {
        Start(c.mode, c.operation, c.state);
        if (c.savedMode != 0) {
            doc.GetOperation().SetSavedMode(c.savedMode - 1);
        }
        doc.GetOperation().SetWithYogo(c.withYogo);
        doc.GetYogoBarInput().BeginTermInput();
        const COperationState& o = doc.GetOperation();
        EXPECT_EQ(o.GetMode(), c.modeAfter) << c.name;
        EXPECT_EQ(doc.GetSelCount(), c.acts ? 0 : 1) << c.name;
        EXPECT_EQ(doc.GetUndoHistory().CanUndo(), c.acts ? FALSE : TRUE) << c.name;
        if (c.acts && c.withYogo == 0) {
            // One term, then back to drawing processes.
            EXPECT_EQ(o.GetSavedMode(), Op::kModeKoutei + 1) << c.name;
            EXPECT_EQ(o.GetSavedOperation(), Op::kOpDraw + 1) << c.name;
        }
        doc.GetOperation().SetWithYogo(0);
        doc.GetOperation().SetMode(Op::kModeKoutei); // forgets the saved values
        doc.GetOperation().SetMode(Op::kModeEvent);
    }
}

} // namespace
} // namespace tembra
