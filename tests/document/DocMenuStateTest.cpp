// The menu state of the Edit and mode commands over the document's state: mode, operation,
// sub-state, selection, date range, item cells, progress lines and resources.
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/Shigen.h"

#include "DocCommandDriver.h"
#include "DocTestSupport.h"
#include "YogoBarRecorder.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using Op = COperationState;

// What the document holds when the menu is updated.
struct State {
    LONG mode = Op::kModeKoutei;
    LONG operation = Op::kOpDraw;
    WORD subState = 0;
    bool selection = false; // a selected event
    bool dateRange = false; // a date range selected on the chart
    bool cell = false;      // a selected item cell
    bool progress = false;  // a progress line
    bool resources = false; // an entry in the resource table
    bool withYogo = false;  // terms go with processes
};

struct Case {
    const char* name;
    UINT id;
    State state;
    bool enabled;
    int check; // -1: the handler sets none
};

State In(LONG mode, LONG operation = Op::kOpDraw) {
    State s;
    s.mode = mode;
    s.operation = operation;
    return s;
}

State With(State s, bool State::*flag) {
    s.*flag = true;
    return s;
}

void Prepare(CTembraDoc& doc, const State& s) {
    doc.GetChartLayers().CreateLayers();
    doc.GetKoumoku()->SetLevelCount(1);
    doc.GetOperation().SetMode(s.mode);
    doc.GetOperation().SetOperation(s.operation);
    doc.GetOperation().SetState(s.subState);
    doc.GetOperation().SetWithYogo(s.withYogo ? 1 : 0);
    if (s.selection) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->Select();
        doc.AddSel(event.release());
    }
    if (s.dateRange) {
        doc.GetSelectedDateRange()->SetStartDate(CTime(2010, 4, 1));
        doc.GetSelectedDateRange()->SetEndDate(CTime(2010, 4, 5));
    }
    if (s.cell) {
        doc.GetKoumokuCells().CreateKoumokuData(0, 0)->SetSelected(1);
    }
    if (s.progress) {
        doc.GetProgressLines().AddShincyoku(
            doc.GetProgressLines().CreateShincyoku(CTime(2010, 4, 2)).release(), FALSE);
    }
    if (s.resources) {
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 1, "crane"));
    }
}

TEST(DocMenuStateTest, EditAndModeCommandsFollowTheDocumentsState) {
    const State idle;
    const Case cases[] = {
        // 消　去
        {"delete, processes, nothing", 32784, In(1), false, -1},
        {"delete, processes, selection", 32784, With(In(1), &State::selection), true, -1},
        {"delete, progress lines, none", 32784, In(3), false, -1},
        {"delete, progress lines, one", 32784, With(In(3), &State::progress), true, -1},
        {"delete, progress lines, a selection only", 32784, With(In(3), &State::selection), false,
         -1},
        {"delete, a cell in any mode", 32784, With(In(7), &State::cell), true, -1},
        {"delete, a date range", 32784, With(In(8), &State::dateRange), true, -1},
        {"delete, objects mode", 32784, With(In(5), &State::selection), false, -1},
        {"delete, item mode without a cell", 32784, With(In(0), &State::selection), false, -1},
        // 全消去
        {"delete all, empty", 32771, idle, false, -1},
        {"delete all, a progress line", 32771, With(idle, &State::progress), true, -1},
        {"delete all, a cell", 32771, With(idle, &State::cell), true, -1},
        // 1つｷｬﾝｾﾙ and the chains
        {"cancel one, nothing", 32946, idle, false, -1},
        {"cancel one, selection", 32946, With(In(6), &State::selection), true, -1},
        {"chain, processes", 32829, With(In(1), &State::selection), true, -1},
        {"chain, events", 32773, With(In(6), &State::selection), false, -1},
        {"chain, nothing selected", 32774, In(1), false, -1},
        // rows and columns
        {"row delete, no cell", 32901, With(In(0), &State::dateRange), false, -1},
        {"row insert, a cell", 32902, With(In(0), &State::cell), true, -1},
        {"column delete, a date range", 32943, With(In(1), &State::dateRange), true, -1},
        {"column insert, a cell", 32944, With(In(0), &State::cell), true, -1},
        {"column insert, nothing", 32944, In(1), false, -1},
        // attributes of the popup, replacement
        {"attributes, shapes", 33021, In(4), true, -1},
        {"attributes, progress lines", 33021, In(3), false, -1},
        {"replace, items", 40068, In(0), true, -1},
        {"replace, shapes", 40068, In(4), false, -1},
        // 作図 and 編集
        {"draw, processes", 32922, In(1, Op::kOpDraw), true, 1},
        {"draw, objects", 32922, In(5, Op::kOpEdit), false, 0},
        {"draw, resource charts", 32922, In(8, Op::kOpEdit), false, 0},
        {"edit, drawing", 32923, In(1, Op::kOpDraw), true, 0},
        {"edit, editing", 32923, In(8, Op::kOpEdit), true, 1},
        // the mode keys
        {"processes", 32927, In(1), true, 1},
        {"processes, in terms", 32927, In(2), true, 0},
        {"terms", 32930, In(2), true, 1},
        {"terms with processes, drawing", 32930, With(In(1), &State::withYogo), true, 1},
        {"terms with processes, editing", 32930, With(In(1, Op::kOpEdit), &State::withYogo), true,
         0},
        {"events", 32926, In(6), true, 1},
        {"progress lines", 32929, In(3), true, 1},
        {"shapes", 32931, In(4, Op::kOpDeformPick), true, 1},
        {"objects", 32928, In(5, Op::kOpEdit), true, 1},
        {"resources", 40069, In(7), true, 1},
        {"resource charts without resources", 40071, In(1), false, 0},
        {"resource charts with resources", 40071, With(In(8, Op::kOpEdit), &State::resources), true,
         1},
        // 複写 and 移動
        {"copy, processes", 32924, In(1), true, 0},
        {"copy, a date range", 32924, With(In(1), &State::dateRange), false, 0},
        {"copy, progress lines", 32924, In(3), false, 0},
        {"copy, picking", 32924, In(2, Op::kOpCopyPick), true, 1},
        {"copy, free nodes", 32924, In(1, Op::kOpCopyFree), true, 1},
        {"copy, with a selection", 32924, In(6, Op::kOpCopy), true, 1},
        {"copy while moving", 32924, In(6, Op::kOpMove), true, 0},
        {"move, a bend", 32925, In(1, Op::kOpMoveBend), true, 1},
        {"move, resources", 32925, In(7, Op::kOpMovePick), true, 1},
        {"move, objects", 32925, In(5, Op::kOpEdit), false, 0},
        // the embedded object's flags: no object is ever current
        {"white background", 32933, In(5, Op::kOpEdit), false, -1},
        {"frame", 33127, In(5, Op::kOpEdit), false, -1},
    };
    for (const Case& c : cases) {
        test::ScopedUi ui;
        test::ScopedAppState app;
        CTembraDoc doc;
        Prepare(doc, c.state);
        const CCmdUI state = test::CommandState(doc, c.id);
        EXPECT_EQ(state.IsEnabled(), c.enabled) << c.name;
        EXPECT_EQ(state.IsCheckSet() ? state.GetCheck() : -1, c.check) << c.name;
    }
}

} // namespace
} // namespace tembra
