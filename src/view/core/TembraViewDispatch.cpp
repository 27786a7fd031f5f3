// The dispatcher's choice of an edit function by the document's operation and object mode, the
// pick-to-place transitions around it, and the right-click rule: a context menu for the object
// under the pointer, the general menu, or a step back out of the current operation.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/DC.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <array>
#include <optional>

namespace tembra {

namespace {

using Slot = CTembraView::EditSlot;
using Op = COperationState;

// The edit function of each object mode (0 to 8) in one family of operations; none: result 0.
using SlotRow = std::array<std::optional<Slot>, 9>;

constexpr SlotRow kDrawSlots{std::nullopt,     Slot::KouteiDraw, Slot::YogoDraw,
                             Slot::Shincyoku,  Slot::ZukeiDraw,  std::nullopt,
                             Slot::EventInput, Slot::ShigenDraw, std::nullopt};
constexpr SlotRow kEditSlots{std::nullopt,      Slot::KouteiPick, Slot::YogoEdit,
                             Slot::Shincyoku,   Slot::ZukeiEdit,  Slot::ObjectEdit,
                             Slot::EventSelect, Slot::ShigenEdit, Slot::ChartEdit};
constexpr SlotRow kPlaceSlots{std::nullopt,        Slot::KouteiCopyMove, Slot::YogoCopyMove,
                              std::nullopt,        Slot::ZukeiCopyMove,  std::nullopt,
                              Slot::EventCopyMove, Slot::ShigenCopyMove, Slot::ChartCopyMove};
constexpr SlotRow kTransformSlots{std::nullopt, std::nullopt,      std::nullopt,
                                  std::nullopt, Slot::ZukeiDeform, std::nullopt,
                                  std::nullopt, std::nullopt,      Slot::ChartTransform};

std::optional<Slot> SlotOf(const SlotRow& row, LONG mode) {
    if (mode < 0 || mode >= static_cast<LONG>(row.size())) {
        return std::nullopt;
    }
    return row[static_cast<std::size_t>(mode)];
}

// The general context menu.
constexpr UINT kGeneralMenu = 7;

// The copy (move) operation that waits for a pick, after its placing lost the selection.
LONG PickOperationOf(LONG op) {
    return op == Op::kOpCopy || op == Op::kOpCopyFree ? Op::kOpCopyPick : Op::kOpMovePick;
}

// The resource-chart functions work without the shape grid's partition: the setting reads 0
// while one runs and is put back after.
class PartitionOff {
public:
    explicit PartitionOff(CTembraDoc& doc) : m_zukei(doc.GetSyokiSet().GetZukei()) {
        m_saved = m_zukei.GetPartitionFlag();
        m_zukei.SetPartitionFlag(0);
    }
    ~PartitionOff() { m_zukei.SetPartitionFlag(m_saved); }
    PartitionOff(const PartitionOff&) = delete;
    PartitionOff& operator=(const PartitionOff&) = delete;

private:
    CConfigZukei& m_zukei;
    WORD m_saved = 0;
};

} // namespace

void CTembraView::SetEditFunction(EditSlot slot, EditFunction function) {
    m_edit[static_cast<std::size_t>(slot)] = std::move(function);
}

BOOL CTembraView::CallEdit(EditSlot slot, CDC* dc) {
    const EditFunction& function = m_edit[static_cast<std::size_t>(slot)];
    if (!function) {
        return FALSE;
    }
    CTembraDoc& doc = *GetDocument();
    if (doc.GetOperation().GetMode() == Op::kModeChart && slot != EditSlot::ItemCellInput &&
        slot != EditSlot::TrackItemArea) {
        const PartitionOff off(doc);
        return function(dc);
    }
    return function(dc);
}

BOOL CTembraView::Dispatch(CDC* dc) {
    switch (GetDocument()->GetOperation().GetOperation()) {
    case Op::kOpDraw:
        return DispatchDraw(dc);
    case Op::kOpEdit:
    case Op::kOpCopyPick:
    case Op::kOpMovePick:
    case Op::kOpDeformPick:
        return DispatchEdit(dc);
    case Op::kOpCopy:
    case Op::kOpMove:
    case Op::kOpCopyFree:
    case Op::kOpMoveFree:
    case Op::kOpMoveBend:
        return DispatchPlace(dc);
    case Op::kOpDeformApply:
        return DispatchTransform(dc);
    default:
        return FALSE;
    }
}

BOOL CTembraView::DispatchDraw(CDC* dc) {
    if (IsRightClick()) {
        return RightClickRule(dc);
    }
    CTembraDoc& doc = *GetDocument();
    if (m_mouse.GetCode() == CMouseEvent::kLeftPress && doc.GetOperation().GetState() == 0) {
        doc.ClearAllSelections(FALSE);
    }
    const std::optional<Slot> slot = SlotOf(kDrawSlots, doc.GetOperation().GetMode());
    return slot ? CallEdit(*slot, dc) : FALSE;
}

BOOL CTembraView::DispatchEdit(CDC* dc) {
    if (IsRightClick()) {
        return RightClickRule(dc);
    }
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& state = doc.GetOperation();
    const LONG mode = state.GetMode();
    const std::optional<Slot> slot = SlotOf(kEditSlots, mode);
    if (!slot) {
        return FALSE;
    }
    const BOOL result = CallEdit(*slot, dc);
    if (mode == Op::kModeShincyoku || mode == Op::kModeObject) {
        return result;
    }
    const LONG op = state.GetOperation();
    if (op == Op::kOpCopyPick || op == Op::kOpMovePick || op == Op::kOpDeformPick) {
        if (mode == Op::kModeKoutei) {
            doc.FilterSelectedKoutei(0);
        }
        if (state.GetState() == 0 && doc.GetSelCount() > 0) {
            state.ChangeOperation(op == Op::kOpCopyPick   ? Op::kOpCopy
                                  : op == Op::kOpMovePick ? Op::kOpMove
                                                          : Op::kOpDeformApply);
            OnSetCursor();
        }
    }
    return result;
}

BOOL CTembraView::DispatchPlace(CDC* dc) {
    if (IsRightClick()) {
        return RightClickRule(dc);
    }
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& state = doc.GetOperation();
    if (doc.GetSelCount() == 0) {
        state.ChangeOperation(PickOperationOf(state.GetOperation()));
        OnSetCursor();
        return TRUE;
    }
    const std::optional<Slot> slot = SlotOf(kPlaceSlots, state.GetMode());
    return slot ? CallEdit(*slot, dc) : FALSE;
}

BOOL CTembraView::DispatchTransform(CDC* dc) {
    if (IsRightClick()) {
        return RightClickRule(dc);
    }
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& state = doc.GetOperation();
    if (doc.GetSelCount() == 0) {
        state.ChangeOperation(Op::kOpDeformPick);
        OnSetCursor();
        return TRUE;
    }
    const std::optional<Slot> slot = SlotOf(kTransformSlots, state.GetMode());
    return slot ? CallEdit(*slot, dc) : FALSE;
}

// ---- The right-click rule
// ------------------------------------------------------------------------

bool CTembraView::IsRightClick() const {
    const int code = m_mouse.GetCode();
    return GetDocument()->GetOperation().GetState() == 0 &&
           (code == CMouseEvent::kRightRelease || code == CMouseEvent::kLeftPressRightHeld);
}

BOOL CTembraView::RightClickRule(CDC* dc) {
    const LONG op = GetDocument()->GetOperation().GetOperation();
    const UINT id = op != Op::kOpDraw ? GetPopupMenuId(dc) : 0;
    if (id != 0) {
        ShowPopupMenu(id);
    } else {
        const bool submenu = GetAppConfig()->GetRightClick() != 0;
        const bool shift = m_mouse.IsShift();
        if (submenu != shift || m_mouse.GetCode() == CMouseEvent::kLeftPressRightHeld) {
            ShowPopupMenu(kGeneralMenu);
        } else {
            CancelByRightClick();
        }
    }
    OnSetCursor();
    return TRUE;
}

void CTembraView::DeselectForCancel() {
    CTembraDoc& doc = *GetDocument();
    if (doc.GetOperation().GetMode() == Op::kModeZukei) {
        doc.GetShapes().DeselectAllZukei();
    } else {
        doc.ClearAllSelections(FALSE);
    }
}

void CTembraView::CancelByRightClick() {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& state = doc.GetOperation();
    const bool selection = doc.GetSelCount() > 0;
    switch (state.GetOperation()) {
    case Op::kOpDraw:
        if (selection) {
            DeselectForCancel();
        } else if (state.GetSavedMode() != 0) {
            state.RestoreMode();
        } else {
            state.SetOperation(Op::kOpEdit);
        }
        return;
    case Op::kOpEdit:
    case Op::kOpCopyPick:
    case Op::kOpMovePick:
    case Op::kOpDeformPick:
        if (selection) {
            // A right click beside the processes touched none of them: what is selected stays
            // (the menu of a process hit is the click's own).
            if (state.GetMode() != Op::kModeKoutei) {
                DeselectForCancel();
            }
        } else if (doc.GetEmbeddedItems().GetCurrentCntrItem() != nullptr) {
            // No item is ever active in place in this view.
            doc.GetEmbeddedItems().SetCurrentCntrItem(nullptr, FALSE);
        } else {
            const LONG mode = state.GetMode();
            if (mode == Op::kModeObject || mode == Op::kModeChart) {
                state.SetMode(Op::kModeKoutei);
                doc.GetUndoHistory().Reset();
            }
            doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
            doc.RedrawColumnRange(TRUE);
            state.SetOperation(Op::kOpDraw);
        }
        return;
    case Op::kOpDeformApply:
        if (selection) {
            doc.GetShapes().DeselectAllZukei();
            state.SetOperation(Op::kOpDeformPick);
        } else {
            state.SetOperation(Op::kOpEdit);
        }
        return;
    default: // the placing operations
        if (selection) {
            DeselectForCancel();
            state.ChangeOperation(PickOperationOf(state.GetOperation()));
        } else {
            state.SetOperation(Op::kOpEdit);
        }
        return;
    }
}

void CTembraView::ShowPopupMenu(UINT id) {
    PopupMenuRequest request;
    request.menuId = id;
    AppendExecURLMenu(request, id);
    // The user interface lends the menu the mouse a window may hold while it is open.
    const int answer = Ui().RunDialog(request);
    if (answer == IDOK && request.chosen != 0) {
        Ui().PostCommand(request.chosen);
    }
}

} // namespace tembra
