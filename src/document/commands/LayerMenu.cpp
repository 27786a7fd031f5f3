// The layer commands of the document: the layer bar's combo and 属性 > レイヤー choose the layer
// new objects go to, or move the selection to it; and the settings dialogs of 設定 that work on
// the document's own records (print header, drawing conditions, layer settings).
#include "document/commands/LayerMenu.h"

#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/LayerDialogRequests.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"
#include "model/DocOperationRequest.h"
#include "platform/Ui.h"
#include "print/PrhMst03SheetRequest.h"
#include "shapes/Zukei.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

// The print header's layout kind of the safety-and-health form.
constexpr short kSafetyForm = 1;
// The layer states of the layer settings: shown, and shown for reference only.
constexpr short kLayerShown = 1;
constexpr short kLayerReference = 2;

// Whether the mode and the selection make a chosen layer move the selection (true) or become
// the layer of new objects.
bool MovesSelection(const CTembraDoc& doc) {
    const LONG mode = doc.GetOperation().GetMode();
    if (mode == Op::kModeZukei) {
        return doc.GetShapes().CountSelectedZukei() > 0;
    }
    return (mode == Op::kModeKoutei || mode == Op::kModeEvent) && doc.GetSelCount() > 0;
}

void OnPrHeader(CTembraDoc& doc) {
    if (doc.GetPrHeader().GetLayoutKind() == kSafetyForm) {
        // The plan's texts are as much an edit of the chart as the name plate's.
        auto before = std::make_unique<CPrHeader>();
        before->CopyFrom(doc.GetPrHeader());
        PrhMst03SheetRequest request(doc.GetPrHeader());
        if (Ui().RunDialog(request) == IDOK) {
            doc.GetPrHeaderEdit().AfterHeaderEdit(std::move(before));
        }
        return;
    }
    // The header as it was is the undo step of the name plate's 決定.
    auto before = std::make_unique<CPrHeader>();
    before->CopyFrom(doc.GetPrHeader());
    NafudaDlgRequest request(doc.GetPrHeader());
    if (Ui().RunDialog(request) == IDOK) {
        doc.GetPrHeaderEdit().AfterHeaderEdit(std::move(before));
    }
}

void OnDrawEditCond(CTembraDoc& doc) {
    DocOperationRequest request("DocDrawEditConditions", doc.GetOperation());
    Ui().RunDialog(request);
}

void OnLayerSet(CTembraDoc& doc) {
    LayerSetDlgRequest request(doc);
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.UpdateAllViews(nullptr);
    doc.MarkChanged();
}

void OnUpdateLayerSet(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(!doc.CanDelete());
}

constexpr std::array kLayerMenu{
    DocCommand{ID_SET_PRINT_HEADER, &OnPrHeader, nullptr},
    DocCommand{ID_SET_DRAW_CONDITIONS, &OnDrawEditCond, nullptr},
    DocCommand{ID_SET_LAYERS, &OnLayerSet, &OnUpdateLayerSet},
};

} // namespace

void OnLayerComboSelect(CTembraDoc& doc) {
    CAppState* app = GetAppState();
    const int layer = app->GetBarLayer();
    if (MovesSelection(doc)) {
        doc.GetChartLayers().SetSelLayer(layer);
    } else {
        doc.SetCurrentLayer(layer);
    }
    // A layer shown for reference is shown in full; a hidden one stays hidden.
    if (doc.GetChartLayers().IsLayerVisible(layer) == kLayerReference) {
        doc.GetChartLayers().SetLayerVisible(layer, kLayerShown);
    }
    CChartLayers::LayerCounts counts{};
    doc.GetChartLayers().CountObjectsPerLayer(counts);
    if (layer >= 0 && static_cast<std::size_t>(layer) < counts.size() && counts[layer] > 0) {
        doc.UpdateAllViews(nullptr);
    }
    app->SelectBarLayer(layer);
    app->FocusYogoCombo(1);
}

void OnLayerComboCancel(CTembraDoc& /*doc*/) {
    GetAppState()->FocusYogoCombo(1);
}

BOOL OnLayerCommand(CTembraDoc& doc, UINT id) {
    if (id < ID_LAYER_0 || id >= ID_LAYER_0 + CLayerSet::kLayerCount) {
        return FALSE;
    }
    GetAppState()->SelectBarLayer(static_cast<int>(id - ID_LAYER_0));
    OnLayerComboSelect(doc);
    return TRUE;
}

void OnUpdateLayerCommand(CTembraDoc& /*doc*/, CCmdUI* cmdUI) {
    const int layer = static_cast<int>(cmdUI->m_nID) - static_cast<int>(ID_LAYER_0);
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(GetAppState()->GetBarLayer() == layer ? 1 : 0);
}

void OnUpdateLayerCombo(CTembraDoc& doc) {
    CAppState* app = GetAppState();
    if (app->HasLayerBarFocus()) {
        return; // the user is choosing
    }
    if (!MovesSelection(doc)) {
        app->SelectBarLayer(doc.GetCurrentLayer());
        return;
    }
    const CDataHeader* first = doc.GetFirstSel();
    const WORD type = first->GetType();
    if (type == kTypeKoutei || type == kTypeEvent || type == kTypeZukei) {
        app->SelectBarLayer(first->GetLayer());
    }
}

std::span<const DocCommand> DocLayerMenu() {
    return kLayerMenu;
}

} // namespace tembra
