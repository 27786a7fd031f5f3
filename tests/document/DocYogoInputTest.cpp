// A term text that arrives from the term lists turns a process line about to be drawn into term
// input, and leaves every other state alone.
#include "document/TembraDoc.h"

#include "DocTestSupport.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tembra {
namespace {

TEST(DocYogoInputTest, OnlyAProcessLineAboutToBeDrawnGivesWayToTheTerm) {
    struct Case {
        const char* name;
        std::function<void(COperationState&)> state;
        bool switches;
    };
    const std::vector<Case> cases = {
        {"process, draw", [](COperationState&) {}, true},
        {"editing", [](COperationState& o) { o.SetEditOperation(); }, false},
        {"event mode", [](COperationState& o) { o.SetMode(COperationState::kModeEvent); }, false},
        {"line begun", [](COperationState& o) { o.SetState(1); }, false},
        {"switch saved", [](COperationState& o) { o.SetSavedMode(0); }, false},
        {"operation saved", [](COperationState& o) { o.SetSavedOperation(1); }, false},
    };
    for (const Case& c : cases) {
        test::ScopedUi ui;
        CTembraDoc doc;
        test::RecordingView view;
        doc.AddView(&view);
        doc.GetOperation().SetMode(COperationState::kModeKoutei);
        doc.GetOperation().SetDrawOperation();
        c.state(doc.GetOperation());
        const LONG mode = doc.GetOperation().GetMode();
        const int notices = ui->ModeChangedCount();
        doc.GetYogoBarInput().OnYogoTextInput();
        EXPECT_EQ(doc.GetOperation().GetMode(), c.switches ? COperationState::kModeYogo : mode)
            << c.name;
        EXPECT_EQ(ui->ModeChangedCount() - notices, c.switches ? 1 : 0) << c.name;
        EXPECT_EQ(view.updates.size(), c.switches ? 1u : 0u) << c.name;
        doc.RemoveView(&view);
    }
}

} // namespace
} // namespace tembra
