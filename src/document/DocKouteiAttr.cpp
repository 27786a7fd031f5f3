// The attributes of process lines and nodes from the process-line menu: each selected process is
// replaced by a changed copy, or, with nothing to change, the defaults of new processes change;
// and the menu state of those commands.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/KouteiAttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"
#include "model/Utility.h"

#include <algorithm>

namespace tembra {

namespace {

// Node sizes a shape change gives unless a size is given with it.
constexpr WORD kMilestoneSize = 300;
constexpr WORD kNodeSize = 100;

bool IsMilestone(WORD shape) {
    return HighByteOf(shape) != 0;
}

bool IsVertical(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime();
}

// Applies the node values to a node's attribute block; false when none was given.
bool ApplyLand(CLandAttr& attr, int shape, int size) {
    if (shape < 0 && size < 0) {
        return false;
    }
    if (shape == kLandConnectMark) {
        // The mark replaces the whole sub-style word, or clears it.
        attr.m_type = (attr.m_type & kLandConnectMark) != 0 ? 0 : kLandConnectMark;
    } else if (shape >= 0) {
        const bool was = IsMilestone(attr.m_style);
        const bool becomes = IsMilestone(static_cast<WORD>(shape));
        if (size < 0 && was != becomes) {
            attr.m_size = becomes ? kMilestoneSize : kNodeSize;
        }
        attr.m_style = static_cast<WORD>(shape);
    }
    if (size >= 0) {
        attr.m_size = static_cast<WORD>(size);
    }
    return true;
}

} // namespace

// ---- Line attributes ----------------------------------------------------------------------------

void CTembraDoc::SetKouteiAttr(const KouteiAttrChange& change) {
    const bool setStyle = change.style.has_value();
    const bool setSubStyle = change.subStyle.has_value();
    const bool setColor = change.color.has_value();
    const WORD style = change.style.value_or(0);
    const WORD subStyle = change.subStyle.value_or(0);
    const COLORREF color = change.color.value_or(0);

    bool replaced = false;
    if (m_operation.GetMode() == COperationState::kModeKoutei && !GetSelList().IsEmpty()) {
        m_undo.Reset();
        ForEachSelected([&](POSITION pos, CDataHeader* object) {
            const CKoutei* process = AsKoutei(object);
            if (process == nullptr) {
                return;
            }
            std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
            if (copy == nullptr || copy->IsLinesSelected() == 0) {
                return;
            }
            // 0 nothing changed, 1 changed and kept selected, 2 the colour changed: shown
            // unselected.
            int level = 0;
            const auto changed = [&level](int to) { level = std::max(level, to); };
            CKouteiAttr& attr = copy->GetLines()->GetAttr();
            if (setStyle) {
                RedrawObject(object); // the old look
                attr.m_style = style;
                if (copy->IsRelationLine() != 0 && style != kLineShapeRelation) {
                    copy->ClearRelation();
                }
                changed(1);
            }
            if (setSubStyle) {
                RedrawObject(object);
                attr.m_subStyle = ApplyAttrFlags(attr.m_subStyle, subStyle);
                changed(1);
            }
            if (change.type) {
                attr.m_type = *change.type;
                changed(1);
            }
            if (change.width) {
                attr.m_width = *change.width;
                changed(1);
            }
            if (change.holiday) {
                attr.m_holiday = *change.holiday;
                changed(1);
            }
            if (change.hatch) {
                attr.m_hatch = *change.hatch;
                changed(1);
            }
            if (setColor) {
                attr.m_color = color;
                changed(2);
            }
            if (change.reverse && copy->IsRelationLine() == 0 && IsVertical(*copy)) {
                copy->GetLines()->GetPos().SwapEnds();
                copy->SetStartRow(copy->GetStartRow());
                copy->SetEndRow(copy->GetEndRow());
                changed(1);
            }
            if (level == 0) {
                return; // the copy goes
            }
            replaced = true;
            ReplaceSelAt(pos, copy.release(), level == 2 ? 1 : 0);
        });
    }
    if (replaced) {
        return;
    }

    // Nothing was changed: the values are for the next new processes.
    CConfigChart& chart = m_syokiSet.GetChart();
    CKouteiAttr& attr = chart.GetKouteiAttr();
    if (setStyle) {
        attr.m_style = style;
        if (chart.GetKouteiSpare() != 0 && style != kLineShapeRelation) {
            chart.SetKouteiSpare(0);
        }
    }
    if (setSubStyle) {
        attr.m_subStyle = ApplyAttrFlags(attr.m_subStyle, subStyle);
    }
    if (change.type) {
        attr.m_type = *change.type;
    }
    if (change.width) {
        attr.m_width = *change.width;
    }
    if (setColor) {
        attr.m_color = color;
        if (IsOtherColor(color)) {
            GetAppState()->SetKouteiCustomColor(color);
        }
    }
    if (change.holiday) {
        attr.m_holiday = *change.holiday;
    }
    if (change.hatch) {
        attr.m_hatch = *change.hatch;
    }
}

// ---- Node attributes ----------------------------------------------------------------------------

void CTembraDoc::SetLandAttr(int shape, int size) {
    if (shape < 0 && size < 0) {
        return;
    }
    bool replaced = false;
    if (m_operation.GetMode() == COperationState::kModeKoutei && !GetSelList().IsEmpty()) {
        m_undo.Reset();
        ForEachSelected([&](POSITION pos, CDataHeader* object) {
            const CKoutei* process = AsKoutei(object);
            if (process == nullptr) {
                return;
            }
            std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
            if (copy == nullptr) {
                return;
            }
            bool changed = false;
            for (CLand* land : {copy->GetStartLand(), copy->GetEndLand()}) {
                if (land->IsSelected() == 0) {
                    continue;
                }
                CLandAttr attr = land->GetAttr();
                ApplyLand(attr, shape, size);
                land->SetAttr(attr);
                changed = true;
            }
            if (!changed) {
                return; // the copy goes
            }
            replaced = true;
            ReplaceSelAt(pos, copy.release(), 0);
        });
    }
    if (!replaced) {
        ApplyLand(m_syokiSet.GetChart().GetLandAttr(), shape, size);
    }
}

// ---- Menu state ---------------------------------------------------------------------------------

void CTembraDoc::UpdateKouteiAttrUI(CCmdUI* cmdUI) {
    const KouteiAttrCommand* command = FindKouteiAttrCommand(cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    const CKoutei* reference = nullptr;
    if (m_operation.GetMode() == COperationState::kModeKoutei) {
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr && reference == nullptr;) {
            const CKoutei* process = AsKoutei(GetNextSel(pos));
            if (process != nullptr && process->IsLinesSelected() != 0) {
                reference = process;
            }
        }
    }
    const CKouteiAttr& attr = reference != nullptr ? reference->GetLines()->GetAttr()
                                                   : m_syokiSet.GetChart().GetKouteiAttr();
    CAppState& app = *GetAppState();
    int check = 0;
    switch (command->arg) {
    case KouteiAttrArg::Style:
        // An outline is the whole word; a line shape only its low byte.
        check = HighByteOf(static_cast<WORD>(command->value)) != 0
                    ? attr.m_style == command->value
                    : LowByteOf(attr.m_style) == command->value;
        break;
    case KouteiAttrArg::SubStyle:
        check = (attr.m_subStyle & command->value) != 0;
        break;
    case KouteiAttrArg::Type:
        check = attr.m_type == command->value;
        break;
    case KouteiAttrArg::Width:
        check = attr.m_width == static_cast<short>(command->value);
        break;
    case KouteiAttrArg::Holiday:
        check = attr.m_holiday == command->value;
        break;
    case KouteiAttrArg::Hatch:
        check = attr.m_hatch == command->value;
        break;
    case KouteiAttrArg::Color:
        check = attr.m_color == command->value;
        app.SetKouteiColor(attr.m_color);
        break;
    case KouteiAttrArg::OtherColor:
        check = IsOtherColor(attr.m_color);
        if (check != 0) {
            app.SetKouteiCustomColor(attr.m_color);
        }
        app.SetKouteiColor(attr.m_color);
        break;
    case KouteiAttrArg::Reverse:
        cmdUI->Enable(reference != nullptr && reference->IsRelationLine() == 0 &&
                              IsVertical(*reference)
                          ? TRUE
                          : FALSE);
        return;
    case KouteiAttrArg::BarColor:
        app.SetKouteiColor(attr.m_color);
        return;
    }
    cmdUI->SetCheck(check);
}

void CTembraDoc::UpdateLandAttrUI(CCmdUI* cmdUI) {
    const LandShapeCommand* command = FindLandShapeCommand(cmdUI->m_nID);
    if (command == nullptr) {
        return;
    }
    const CLand* node = nullptr;
    if (m_operation.GetMode() == COperationState::kModeKoutei) {
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr && node == nullptr;) {
            if (const CKoutei* process = AsKoutei(GetNextSel(pos))) {
                if (process->IsStartLandSelected() != 0) {
                    node = process->GetStartLand();
                } else if (process->IsEndLandSelected() != 0) {
                    node = process->GetEndLand();
                }
            }
        }
    }
    if (command->shape == kLandConnectMark) {
        cmdUI->SetCheck(node != nullptr && (node->GetSubStyle() & kLandConnectMark) != 0 ? 1 : 0);
        return;
    }
    const WORD style =
        node != nullptr ? node->GetShape() : m_syokiSet.GetChart().GetLandAttr().m_style;
    cmdUI->SetCheck(style == command->shape ? 1 : 0);
}

} // namespace tembra
