// The layer bar's combo and 属性 > レイヤー: moving the selection or choosing the layer of new
// objects by the mode, showing a reference layer, the combo's display of the selection, and the
// settings dialogs of 設定 that work on the document's records.
#include "DocCommandDriver.h"
#include "DocTestSupport.h"
#include "YogoBarRecorder.h"
#include "document/CommandIds.h"
#include "document/commands/LayerMenu.h"

#include "document/AppState.h"
#include "document/LayerBarObserver.h"
#include "document/LayerDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/DocOperationRequest.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "shapes/ZukeiBox.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::CommandState;
using test::RunCommand;
using test::ScopedAppState;

class LayerComboRecorder : public ILayerBarObserver {
public:
    int GetSelectedLayer() const override { return layer; }
    void SelectLayer(int n) override { layer = n; }
    bool HasFocus() const override { return focused; }
    int layer = 0;
    bool focused = false;
};

class DocLayerMenuTest : public testing::Test {
protected:
    DocLayerMenuTest() {
        doc.OnNewDocument();
        app->SetLayerBar(&combo);
        app->SetYogoBar(&terms);
    }
    ~DocLayerMenuTest() override {
        app->SetLayerBar(nullptr);
        app->SetYogoBar(nullptr);
    }

    CKoutei* AddProcess(WORD layer) {
        auto* process = new CKoutei;
        process->SetLayer(layer);
        process->Select();
        doc.GetSelList().AddTail(process);
        return process;
    }
    CZukeiBox* AddShape(WORD layer) {
        auto* shape = new CZukeiBox;
        shape->SetLayer(layer);
        doc.GetZukeiList().AddTail(shape);
        shape->Select();
        doc.GetSelList().AddTail(shape);
        return shape;
    }
    void Choose(int layer) {
        combo.layer = layer;
        OnLayerComboSelect(doc);
    }

    ScopedAppState app;
    test::ScopedUi ui;
    LayerComboRecorder combo;
    test::YogoBarRecorder terms;
    CTembraDoc doc;
};

// By the mode and what is selected: the selection moves, or the current layer changes.
TEST_F(DocLayerMenuTest, AChosenLayerMovesTheSelectionOrBecomesTheCurrentLayer) {
    struct Case {
        const char* what;
        LONG mode;
        bool process, shape;
        bool moves;
    };
    const std::vector<Case> cases{
        {"processes in the process mode", COperationState::kModeKoutei, true, false, true},
        {"nothing selected", COperationState::kModeKoutei, false, false, false},
        {"processes only in the shape mode", COperationState::kModeZukei, true, false, false},
        {"a shape in the shape mode", COperationState::kModeZukei, false, true, true},
        {"a process in the term mode", COperationState::kModeYogo, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.ClearAllSelections(FALSE);
        doc.GetSelList().DeleteAll();
        doc.SetCurrentLayer(0);
        doc.GetOperation().SetMode(c.mode);
        CDataHeader* selected = c.process ? static_cast<CDataHeader*>(AddProcess(2))
                                : c.shape ? static_cast<CDataHeader*>(AddShape(2))
                                          : nullptr;
        terms.focusBits.clear();
        Choose(5);
        if (selected != nullptr) {
            EXPECT_EQ(selected->GetLayer(), c.moves ? 5 : 2);
        }
        EXPECT_EQ(doc.GetCurrentLayer(), c.moves ? 0 : 5);
        EXPECT_EQ(terms.focusBits, std::vector<int>{1}) << "the term combo takes the focus back";
    }
}

TEST_F(DocLayerMenuTest, AReferenceLayerIsShownAndAHiddenOneStaysHidden) {
    doc.GetChartLayers().SetLayerVisible(3, 2);
    doc.GetChartLayers().SetLayerVisible(4, 0);
    Choose(3);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(3), 1);
    Choose(4);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(4), 0);
}

// The menu's layer commands put their layer into the combo and choose it; the check follows
// the combo.
TEST_F(DocLayerMenuTest, TheMenuCommandsGoThroughTheCombo) {
    EXPECT_FALSE(OnLayerCommand(doc, ID_LAYER_0 + 16));
    ASSERT_TRUE(OnLayerCommand(doc, ID_LAYER_0 + 10)); // "A."
    EXPECT_EQ(combo.layer, 10);
    EXPECT_EQ(doc.GetCurrentLayer(), 10);
    CCmdUI checked(ID_LAYER_0 + 10);
    OnUpdateLayerCommand(doc, &checked);
    EXPECT_EQ(checked.GetCheck(), 1);
    CCmdUI other(ID_LAYER_0);
    OnUpdateLayerCommand(doc, &other);
    EXPECT_EQ(other.GetCheck(), 0);
    EXPECT_TRUE(other.IsEnabled());

    // Without a bar: layer 0, and nothing breaks.
    app->SetLayerBar(nullptr);
    ASSERT_TRUE(OnLayerCommand(doc, ID_LAYER_0 + 7));
    EXPECT_EQ(doc.GetCurrentLayer(), 0);
}

// The combo shows the first selected object's layer, or the current layer, and is left alone
// while it has the focus.
TEST_F(DocLayerMenuTest, TheComboShowsTheSelectionUnlessFocused) {
    doc.SetCurrentLayer(6);
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    OnUpdateLayerCombo(doc);
    EXPECT_EQ(combo.layer, 6);
    AddProcess(9);
    AddProcess(3);
    OnUpdateLayerCombo(doc);
    EXPECT_EQ(combo.layer, 9);
    combo.layer = 1;
    combo.focused = true;
    OnUpdateLayerCombo(doc);
    EXPECT_EQ(combo.layer, 1);
}

// 設定: the layer settings are enabled only where 消去 does not apply; the print header opens
// the plan texts of the safety form and nothing else, or the name plate; the drawing
// conditions open on the operation settings.
TEST_F(DocLayerMenuTest, TheSettingsDialogsOfTheMenu) {
    EXPECT_EQ(CommandState(doc, 32898).IsEnabled(), !doc.CanDelete());
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    AddProcess(0);
    EXPECT_EQ(CommandState(doc, 32898).IsEnabled(), !doc.CanDelete());

    doc.SetModifiedFlag(FALSE);
    doc.GetPrHeader().SetLayoutKind(1);
    RunCommand(doc, 32941);
    doc.GetPrHeader().SetLayoutKind(0);
    ui->OnDialog("NafudaDlg", [](DialogRequest&) { return IDOK; });
    RunCommand(doc, 32941);
    ASSERT_EQ(ui->Dialogs().size(), 2u);
    EXPECT_EQ(ui->Dialogs()[0].name, "PrhMst03Sheet");
    EXPECT_EQ(ui->Dialogs()[1].name, "NafudaDlg");
    EXPECT_TRUE(doc.IsModified()) << "the name plate's OK";

    const CConfigOperation* seen = nullptr;
    ui->OnDialog("DocDrawEditConditions", [&seen](DialogRequest& r) {
        seen = &static_cast<DocOperationRequest&>(r).operation;
        return IDOK;
    });
    RunCommand(doc, 32790);
    EXPECT_EQ(seen, &doc.GetOperation());
}

// The name plate's 決定: the undo history emptied, the document modified with its changed
// flag, the title set again (it shows the new chart name) and every view told with hint 16;
// 取消 does none of it.
TEST_F(DocLayerMenuTest, TheNamePlatesOkIsOneUndoStepAndRetitlesAndRedraws) {
    test::RecordingView view;
    doc.AddView(&view);
    doc.GetPrHeader().AddElement(
        std::make_unique<CPrNewText>(1, 0, CRect(0, 0, 10, -10), LOGFONT{}, 0, "", "Old", 0, 0));
    CKoutei* process = AddProcess(0);
    for (const int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        doc.GetUndoHistory().AddNew(process);
        doc.SetModifiedFlag(FALSE);
        doc.SetChangedFlag(FALSE);
        view.updates.clear();
        ui->OnDialog("NafudaDlg", [answer](DialogRequest& r) {
            static_cast<NafudaDlgRequest&>(r).header.SetTitleText("NewName");
            return answer;
        });
        const std::string before = doc.GetPrHeader().GetTitleText();
        RunCommand(doc, 32941);
        const bool ok = answer == IDOK;
        // 決定 makes the edit the one undo step; undo brings the old name back.
        ASSERT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
        EXPECT_EQ(dynamic_cast<CPrHeader*>(doc.GetUndoHistory().GetUndoList()[0].GetInfo()) !=
                      nullptr,
                  ok);
        EXPECT_EQ(doc.IsModified() != FALSE, ok);
        EXPECT_EQ(doc.GetChangedFlag() != FALSE, ok);
        EXPECT_EQ(doc.GetTitle().find("NewName") != std::string::npos, ok) << doc.GetTitle();
        EXPECT_EQ(view.updates.size(), ok ? 1u : 0u);
        if (ok && !view.updates.empty()) {
            EXPECT_EQ(view.updates[0].hint, 16);
            ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
            EXPECT_EQ(doc.GetPrHeader().GetTitleText(), before);
        }
    }
    doc.RemoveView(&view);
}

} // namespace
} // namespace tembra
