// The commands of 属性 > 工程線 that take more than their id: the batch, node size, relation-line,
// change-of-days and "その他" commands, the pattern popup and the tool bar's colour list; the
// value commands of the menu run through their table (KouteiAttrCommands.h).
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/DocCommandTable.h"
#include "document/KouteiAttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kChangeDaysCommand = 32847;
// The owner-drawn popup of the nine patterns.
constexpr UINT kPatternMenu = 222;
// The style of a slanted line, which relation lines take.
constexpr WORD kSlantedStyle = 5;
// Bit 15 of a flag argument: the whole word.
constexpr WORD kWholeWord = 0x8000;
constexpr WORD kUnchangedSubStyle = 0xFFFF;

constexpr std::array kKouteiMenu{
    DocCommand{33069, &CTembraDoc::OnKouteiOtherColor, &CTembraDoc::UpdateKouteiAttrUI},
    DocCommand{33017, &CTembraDoc::OnKouteiBatch, nullptr, "KouteiAttr2Dlg"},
    DocCommand{33025, &CTembraDoc::OnNodeSize, nullptr, "NodeSizeDlg"},
    DocCommand{32865, &CTembraDoc::OnRelationLine, &CTembraDoc::OnUpdateRelationLine},
    DocCommand{32847, &CTembraDoc::OnChangeDays, &CTembraDoc::OnUpdateChangeDays},
    DocCommand{33022, &CTembraDoc::OnPatternPopup, nullptr},
};

void ApplyColor(CTembraDoc& doc, COLORREF color) {
    doc.SetKouteiAttr(-1, kUnchangedSubStyle, -1, -1, -1, -1, -1, color);
}

} // namespace

std::span<const DocCommand> DocKouteiMenu() {
    return kKouteiMenu;
}

BOOL CTembraDoc::OnKouteiAttrCommand(UINT id) {
    if (const LandShapeCommand* land = FindLandShapeCommand(id)) {
        SetLandAttr(land->shape, -1);
        return TRUE;
    }
    const KouteiAttrCommand* command = FindKouteiAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    const auto value = static_cast<int>(command->value);
    switch (command->arg) {
    case KouteiAttrArg::Style:
        SetKouteiAttr(value, kUnchangedSubStyle, -1, -1, -1, -1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::SubStyle:
        SetKouteiAttr(-1, static_cast<WORD>(value), -1, -1, -1, -1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::Type:
        SetKouteiAttr(-1, kUnchangedSubStyle, value, -1, -1, -1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::Width:
        SetKouteiAttr(-1, kUnchangedSubStyle, -1, value, -1, -1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::Color:
        ApplyColor(*this, command->value);
        return TRUE;
    case KouteiAttrArg::Holiday:
        SetKouteiAttr(-1, kUnchangedSubStyle, -1, -1, value, -1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::Hatch:
        SetKouteiAttr(-1, kUnchangedSubStyle, -1, -1, -1, -1, value, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::Reverse:
        SetKouteiAttr(-1, kUnchangedSubStyle, -1, -1, -1, 1, -1, kUnchangedColor);
        return TRUE;
    case KouteiAttrArg::OtherColor:
    case KouteiAttrArg::BarColor:
        break; // they ask for their colour first
    }
    return FALSE;
}

void CTembraDoc::OnKouteiOtherColor() {
    COLORREF color = GetAppState()->GetKouteiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetKouteiCustomColor(color);
    ApplyColor(*this, color);
}

void CTembraDoc::OnKouteiBarColor(int index, COLORREF color) {
    constexpr int kOtherEntry = 6;
    if (index >= kOtherEntry) {
        color = GetAppState()->GetKouteiCustomColor();
        if (!ChooseOtherColor(color)) {
            GetAppState()->FocusYogoCombo(1);
            return;
        }
        GetAppState()->SetKouteiCustomColor(color);
    }
    ApplyColor(*this, color);
    GetAppState()->FocusYogoCombo(1);
}

// ---- Batch and node size ------------------------------------------------------------------------

void CTembraDoc::OnKouteiBatch() {
    KouteiAttr2DlgRequest request;
    request.line = m_syokiSet.GetChart().GetKouteiAttr();
    request.node = m_syokiSet.GetChart().GetLandAttr();
    bool lineFound = false;
    bool nodeFound = false;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr && !(lineFound && nodeFound);) {
        const CKoutei* process = AsKoutei(GetNextSel(pos));
        if (process == nullptr) {
            continue;
        }
        if (!lineFound && process->IsLinesSelected() != 0) {
            request.line = process->GetLines()->GetAttr();
            lineFound = true;
        }
        if (!nodeFound &&
            (process->IsStartLandSelected() != 0 || process->IsEndLandSelected() != 0)) {
            const CLand* land = process->IsStartLandSelected() != 0 ? process->GetStartLand()
                                                                    : process->GetEndLand();
            request.node = land->GetAttr();
            nodeFound = true;
        }
    }
    request.fromSelection = lineFound || nodeFound;
    // 日数変更 closes the dialog as a cancel does; the change of days follows instead.
    const int answer = Ui().RunDialog(request);
    if (request.changeDaysAsked) {
        Ui().PostCommand(kChangeDaysCommand);
        return;
    }
    if (answer != IDOK) {
        return;
    }
    m_undo.Reset();
    m_undo.BeginGroup();
    SetLandAttr(ValueOrLeave(request.node.m_style), ValueOrLeave(request.node.m_size));
    const CKouteiAttr& line = request.line;
    SetKouteiAttr(ValueOrLeave(line.m_style), static_cast<WORD>(line.m_subStyle | kWholeWord),
                  ValueOrLeave(line.m_type), ValueOrLeave(line.m_width),
                  ValueOrLeave(line.m_holiday), -1, ValueOrLeave(line.m_hatch), line.m_color);
    m_undo.EndGroup();
}

void CTembraDoc::OnNodeSize() {
    NodeSizeDlgRequest request;
    request.size = m_syokiSet.GetChart().GetLandAttr().m_size;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        const CKoutei* process = AsKoutei(GetNextSel(pos));
        if (process == nullptr) {
            continue;
        }
        if (process->IsStartLandSelected() != 0) {
            request.size = process->GetStartLand()->GetSize();
            break;
        }
        if (process->IsEndLandSelected() != 0) {
            request.size = process->GetEndLand()->GetSize();
            break;
        }
    }
    if (Ui().RunDialog(request) == IDOK) {
        SetLandAttr(-1, request.size);
    }
}

// ---- Relation line ------------------------------------------------------------------------------

namespace {

// The one selected object when it is a relation line, else null.
CKoutei* OnlyRelationLine(const CTembraDoc& doc) {
    if (doc.GetSelCount() != 1) {
        return nullptr;
    }
    CKoutei* process = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    return process != nullptr && process->IsRelationLine() != 0 ? process : nullptr;
}

} // namespace

void CTembraDoc::OnRelationLine() {
    if (m_operation.GetMode() == Op::kModeKoutei) {
        if (const CKoutei* relation = OnlyRelationLine(*this)) {
            m_undo.Reset();
            std::unique_ptr<CKoutei> plain = CopyKoutei(relation, TRUE);
            if (plain == nullptr) {
                return;
            }
            plain->ClearRelation();
            ReplaceSelAt(GetHeadSelPosition(), plain.release(), 1);
            return;
        }
    }
    CConfigChart& chart = m_syokiSet.GetChart();
    chart.SetKouteiSpare(chart.GetKouteiSpare() != 0 ? 0 : 1);
    if (chart.GetKouteiSpare() != 0 && chart.GetKouteiAttr().m_style != kSlantedStyle) {
        chart.GetKouteiAttr().m_style = kSlantedStyle;
    }
}

void CTembraDoc::OnUpdateRelationLine(CCmdUI* cmdUI) {
    if (m_operation.GetMode() != Op::kModeKoutei || m_operation.GetOperation() != Op::kOpEdit) {
        cmdUI->Enable(TRUE);
        cmdUI->SetCheck(m_syokiSet.GetChart().GetKouteiSpare() != 0 ? 1 : 0);
        return;
    }
    const bool one = OnlyRelationLine(*this) != nullptr;
    cmdUI->Enable(one ? TRUE : FALSE);
    cmdUI->SetCheck(one ? 1 : 0);
}

// ---- Change of days -----------------------------------------------------------------------------

void CTembraDoc::OnUpdateChangeDays(CCmdUI* cmdUI) {
    cmdUI->Enable(GetSelCount() == 1 && m_operation.GetMode() == Op::kModeKoutei &&
                          m_operation.GetOperation() == Op::kOpEdit
                      ? TRUE
                      : FALSE);
}

void CTembraDoc::OnChangeDays() {
    if (GetSelCount() != 1) {
        return;
    }
    const POSITION pos = GetHeadSelPosition();
    CKoutei* process = AsKoutei(GetSelAt(pos));
    if (process == nullptr) {
        return;
    }
    process->RecalcDuration(&m_seams.Koutei(), CTime(), FALSE);
    if (process->IsRelationLine() != 0) {
        AfxMessageBox(5040, MB_OK);
        return;
    }
    std::unique_ptr<CKoutei> work = CopyKoutei(process, TRUE);
    if (work == nullptr) {
        return;
    }
    ChangeDaysDlgRequest calendarDays;
    ChangeDaysExDlgRequest elapsedDays;
    ChangeDaysDlgRequest& request = m_syokiSet.GetNobeMode() != 0
                                        ? static_cast<ChangeDaysDlgRequest&>(elapsedDays)
                                        : calendarDays;
    request.koutei = work.get();
    request.document = this;
    request.holidayConsidered = m_operation.GetHolidayAuto() != 0;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const CWaitCursor wait;
    m_undo.Reset();
    m_undo.BeginGroup();
    bool replace = !request.changeByDays;
    if (request.changeByDays) {
        if (work->GetEndTime() == process->GetEndTime()) {
            replace = work->GetSpareDays() != process->GetSpareDays();
        } else {
            CTimeSpan shift = work->GetEndTime() - process->GetEndTime();
            if (process->GetSpareDays() != CTimeSpan()) {
                shift += process->GetSpareDays();
            }
            ChangeKouteiDays(shift, TRUE);
        }
    }
    if (replace) {
        std::unique_ptr<CKoutei> changed = CopyKoutei(process, TRUE);
        if (changed != nullptr) {
            changed->SetStartDate(work->GetStartTime());
            changed->SetEndDate(work->GetEndTime());
            changed->SetStartRow(work->GetStartRow());
            changed->SetEndRow(work->GetEndRow());
            changed->SetSpareDays(work->GetSpareDays());
            ReplaceSelAt(pos, changed.release(), 0);
        }
    }
    PropagateKankei();
    m_undo.EndGroup();
}

// ---- The pattern popup --------------------------------------------------------------------------

void CTembraDoc::OnPatternPopup() {
    PopupMenuRequest request;
    request.menuId = kPatternMenu;
    if (Ui().RunDialog(request) == IDOK && request.chosen != 0) {
        Ui().PostCommand(request.chosen);
    }
}

} // namespace tembra
