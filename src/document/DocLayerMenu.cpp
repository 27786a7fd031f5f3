// The layer commands of the document: the layer bar's combo and 属性 > レイヤー choose the layer
// new objects go to, or move the selection to it; and the settings dialogs of 設定 that work on
// the document's own records (print header, drawing conditions, layer settings).
#include "document/AppState.h"
#include "document/DocCommandTable.h"
#include "document/LayerDialogRequests.h"
#include "document/TembraDoc.h"
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

constexpr std::array kLayerMenu{
    DocCommand{32941, &CTembraDoc::OnPrHeader, nullptr},
    DocCommand{32790, &CTembraDoc::OnDrawEditCond, nullptr},
    DocCommand{32898, &CTembraDoc::OnLayerSet, &CTembraDoc::OnUpdateLayerSet},
};

// Whether the mode and the selection make a chosen layer move the selection (true) or become
// the layer of new objects.
bool MovesSelection(const CTembraDoc& doc) {
    const LONG mode = doc.GetOperation().GetMode();
    if (mode == Op::kModeZukei) {
        return doc.CountSelectedZukei() > 0;
    }
    return (mode == Op::kModeKoutei || mode == Op::kModeEvent) && doc.GetSelCount() > 0;
}

} // namespace

std::span<const DocCommand> DocLayerMenu() {
    return kLayerMenu;
}

void CTembraDoc::OnPrHeader() {
    if (m_prHeader.GetLayoutKind() == kSafetyForm) {
        // The plan's texts are as much an edit of the chart as the name plate's.
        auto before = std::make_unique<CPrHeader>();
        before->CopyFrom(m_prHeader);
        PrhMst03SheetRequest request(m_prHeader);
        if (Ui().RunDialog(request) == IDOK) {
            AfterHeaderEdit(std::move(before));
        }
        return;
    }
    // The header as it was is the undo step of the name plate's 決定.
    auto before = std::make_unique<CPrHeader>();
    before->CopyFrom(m_prHeader);
    NafudaDlgRequest request(m_prHeader);
    if (Ui().RunDialog(request) == IDOK) {
        AfterHeaderEdit(std::move(before));
    }
}

void CTembraDoc::OnDrawEditCond() {
    DocOperationRequest request("DocDrawEditConditions", m_operation);
    Ui().RunDialog(request);
}

void CTembraDoc::OnLayerSet() {
    LayerSetDlgRequest request(*this);
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    UpdateAllViews(nullptr);
    m_notifier.MarkChanged();
}

void CTembraDoc::OnUpdateLayerSet(CCmdUI* cmdUI) {
    cmdUI->Enable(!CanDelete());
}

void CTembraDoc::OnLayerComboSelect() {
    CAppState* app = GetAppState();
    const int layer = app->GetBarLayer();
    if (MovesSelection(*this)) {
        SetSelLayer(layer);
    } else {
        SetCurrentLayer(layer);
    }
    // A layer shown for reference is shown in full; a hidden one stays hidden.
    if (IsLayerVisible(layer) == kLayerReference) {
        SetLayerVisible(layer, kLayerShown);
    }
    LayerCounts counts{};
    CountObjectsPerLayer(counts);
    if (layer >= 0 && static_cast<std::size_t>(layer) < counts.size() && counts[layer] > 0) {
        UpdateAllViews(nullptr);
    }
    app->SelectBarLayer(layer);
    app->FocusYogoCombo(1);
}

void CTembraDoc::OnLayerComboCancel() {
    GetAppState()->FocusYogoCombo(1);
}

BOOL CTembraDoc::OnLayerCommand(UINT id) {
    if (id < kFirstLayerCommand || id >= kFirstLayerCommand + CLayerSet::kLayerCount) {
        return FALSE;
    }
    GetAppState()->SelectBarLayer(static_cast<int>(id - kFirstLayerCommand));
    OnLayerComboSelect();
    return TRUE;
}

void CTembraDoc::OnUpdateLayerCommand(CCmdUI* cmdUI) {
    const int layer = static_cast<int>(cmdUI->m_nID) - static_cast<int>(kFirstLayerCommand);
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(GetAppState()->GetBarLayer() == layer ? 1 : 0);
}

void CTembraDoc::OnUpdateLayerCombo() {
    CAppState* app = GetAppState();
    if (app->HasLayerBarFocus()) {
        return; // the user is choosing
    }
    if (!MovesSelection(*this)) {
        app->SelectBarLayer(GetCurrentLayer());
        return;
    }
    const CDataHeader* first = GetFirstSel();
    const WORD type = first->GetType();
    if (type == kTypeKoutei || type == kTypeEvent || type == kTypeZukei) {
        app->SelectBarLayer(first->GetLayer());
    }
}

} // namespace tembra
