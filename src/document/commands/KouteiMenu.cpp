// The commands of 属性 > 工程線 that take more than their id: the batch, node size, relation-line,
// change-of-days and "その他" commands, the pattern popup and the tool bar's colour list; the
// value commands of the menu run through their table (KouteiAttrCommands.h).
#include "document/commands/KouteiMenu.h"

#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/CommandIds.h"
#include "document/KouteiAttrCommands.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Ui.h"

#include <array>
#include <optional>

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kChangeDaysCommand = ID_KOUTEI_CHANGE_DAYS;
// The owner-drawn popup of the nine patterns.
constexpr UINT kPatternMenu = 222;
// The style of a slanted line, which relation lines take.
constexpr WORD kSlantedStyle = 5;
// Bit 15 of a flag argument: the whole word.
constexpr WORD kWholeWord = 0x8000;
constexpr WORD kUnchangedSubStyle = 0xFFFF;

// A value of a dialog or a menu command as a field of the change: none for one below 0, the
// value that leaves the attribute as it is.
template <class T> std::optional<T> Given(int value) {
    return value < 0 ? std::nullopt : std::optional<T>(static_cast<T>(value));
}

// The flag code and the colour that leave their attributes as they are give none.
std::optional<WORD> GivenFlags(WORD code) {
    return code == kUnchangedSubStyle ? std::nullopt : std::optional<WORD>(code);
}
std::optional<COLORREF> GivenColor(COLORREF color) {
    return color == CTembraDoc::kUnchangedColor ? std::nullopt : std::optional<COLORREF>(color);
}

void ApplyColor(CTembraDoc& doc, COLORREF color) {
    doc.SetKouteiAttr({.color = GivenColor(color)});
}

// The one selected object when it is a relation line, else null.
CKoutei* OnlyRelationLine(const CTembraDoc& doc) {
    if (doc.GetSelCount() != 1) {
        return nullptr;
    }
    CKoutei* process = AsKoutei(doc.GetSelAt(doc.GetHeadSelPosition()));
    return process != nullptr && process->IsRelationLine() != 0 ? process : nullptr;
}

void OnKouteiOtherColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetKouteiCustomColor();
    if (!ChooseOtherColor(color)) {
        return;
    }
    GetAppState()->SetKouteiCustomColor(color);
    ApplyColor(doc, color);
}

void OnKouteiBatch(CTembraDoc& doc) {
    KouteiAttr2DlgRequest request;
    request.line = doc.GetSyokiSet().GetChart().GetKouteiAttr();
    request.node = doc.GetSyokiSet().GetChart().GetLandAttr();
    bool lineFound = false;
    bool nodeFound = false;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr && !(lineFound && nodeFound);) {
        const CKoutei* process = AsKoutei(doc.GetNextSel(pos));
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
    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    doc.SetLandAttr(ValueOrLeave(request.node.m_style), ValueOrLeave(request.node.m_size));
    const CKouteiAttr& line = request.line;
    doc.SetKouteiAttr({.style = Given<WORD>(ValueOrLeave(line.m_style)),
                       .subStyle = GivenFlags(static_cast<WORD>(line.m_subStyle | kWholeWord)),
                       .type = Given<WORD>(ValueOrLeave(line.m_type)),
                       .width = Given<short>(ValueOrLeave(line.m_width)),
                       .holiday = Given<WORD>(ValueOrLeave(line.m_holiday)),
                       .hatch = Given<WORD>(ValueOrLeave(line.m_hatch)),
                       .color = GivenColor(line.m_color)});
    doc.GetUndoHistory().EndGroup();
}

void OnNodeSize(CTembraDoc& doc) {
    NodeSizeDlgRequest request;
    request.size = doc.GetSyokiSet().GetChart().GetLandAttr().m_size;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        const CKoutei* process = AsKoutei(doc.GetNextSel(pos));
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
        doc.SetLandAttr(-1, request.size);
    }
}

void OnRelationLine(CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() == Op::kModeKoutei) {
        if (const CKoutei* relation = OnlyRelationLine(doc)) {
            doc.GetUndoHistory().Reset();
            std::unique_ptr<CKoutei> plain = doc.CopyKoutei(relation, TRUE);
            if (plain == nullptr) {
                return;
            }
            plain->ClearRelation();
            doc.ReplaceSelAt(doc.GetHeadSelPosition(), plain.release(), 1);
            return;
        }
    }
    CConfigChart& chart = doc.GetSyokiSet().GetChart();
    chart.SetKouteiSpare(chart.GetKouteiSpare() != 0 ? 0 : 1);
    if (chart.GetKouteiSpare() != 0 && chart.GetKouteiAttr().m_style != kSlantedStyle) {
        chart.GetKouteiAttr().m_style = kSlantedStyle;
    }
}

void OnUpdateRelationLine(CTembraDoc& doc, CCmdUI* cmdUI) {
    if (doc.GetOperation().GetMode() != Op::kModeKoutei ||
        doc.GetOperation().GetOperation() != Op::kOpEdit) {
        cmdUI->Enable(TRUE);
        cmdUI->SetCheck(doc.GetSyokiSet().GetChart().GetKouteiSpare() != 0 ? 1 : 0);
        return;
    }
    const bool one = OnlyRelationLine(doc) != nullptr;
    cmdUI->Enable(one ? TRUE : FALSE);
    cmdUI->SetCheck(one ? 1 : 0);
}

void OnUpdateChangeDays(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetSelCount() == 1 && doc.GetOperation().GetMode() == Op::kModeKoutei &&
                          doc.GetOperation().GetOperation() == Op::kOpEdit
                      ? TRUE
                      : FALSE);
}

void OnChangeDays(CTembraDoc& doc) {
    if (doc.GetSelCount() != 1) {
        return;
    }
    const POSITION pos = doc.GetHeadSelPosition();
    CKoutei* process = AsKoutei(doc.GetSelAt(pos));
    if (process == nullptr) {
        return;
    }
    process->RecalcDuration(&doc.GetSeams().Koutei(), CTime(), FALSE);
    if (process->IsRelationLine() != 0) {
        AfxMessageBox(5040, MB_OK);
        return;
    }
    std::unique_ptr<CKoutei> work = doc.CopyKoutei(process, TRUE);
    if (work == nullptr) {
        return;
    }
    ChangeDaysDlgRequest calendarDays;
    ChangeDaysExDlgRequest elapsedDays;
    ChangeDaysDlgRequest& request = doc.GetSyokiSet().GetNobeMode() != 0
                                        ? static_cast<ChangeDaysDlgRequest&>(elapsedDays)
                                        : calendarDays;
    request.koutei = work.get();
    request.document = &doc;
    request.holidayConsidered = doc.GetOperation().GetHolidayAuto() != 0;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const CWaitCursor wait;
    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    bool replace = !request.changeByDays;
    if (request.changeByDays) {
        if (work->GetEndTime() == process->GetEndTime()) {
            replace = work->GetSpareDays() != process->GetSpareDays();
        } else {
            CTimeSpan shift = work->GetEndTime() - process->GetEndTime();
            if (process->GetSpareDays() != CTimeSpan()) {
                shift += process->GetSpareDays();
            }
            doc.GetKouteiChains().ChangeKouteiDays(shift, TRUE);
        }
    }
    if (replace) {
        std::unique_ptr<CKoutei> changed = doc.CopyKoutei(process, TRUE);
        if (changed != nullptr) {
            changed->SetStartDate(work->GetStartTime());
            changed->SetEndDate(work->GetEndTime());
            changed->SetStartRow(work->GetStartRow());
            changed->SetEndRow(work->GetEndRow());
            changed->SetSpareDays(work->GetSpareDays());
            doc.ReplaceSelAt(pos, changed.release(), 0);
        }
    }
    doc.GetKouteiChains().PropagateKankei();
    doc.GetUndoHistory().EndGroup();
}

void OnPatternPopup(CTembraDoc& /*doc*/) {
    PopupMenuRequest request;
    request.menuId = kPatternMenu;
    if (Ui().RunDialog(request) == IDOK && request.chosen != 0) {
        Ui().PostCommand(request.chosen);
    }
}

constexpr std::array kKouteiMenu{
    DocCommand{ID_KOUTEI_COLOR_OTHER, &OnKouteiOtherColor,
               [](CTembraDoc& doc, CCmdUI* cmdUI) { doc.UpdateKouteiAttrUI(cmdUI); }},
    DocCommand{ID_KOUTEI_ATTR_BULK, &OnKouteiBatch, nullptr, "KouteiAttr2Dlg"},
    DocCommand{ID_KOUTEI_NODE_SIZE, &OnNodeSize, nullptr, "NodeSizeDlg"},
    DocCommand{ID_KOUTEI_STYLE_RELATION, &OnRelationLine, &OnUpdateRelationLine},
    DocCommand{ID_KOUTEI_CHANGE_DAYS, &OnChangeDays, &OnUpdateChangeDays},
    DocCommand{ID_KOUTEI_HATCH_POPUP, &OnPatternPopup, nullptr},
};

} // namespace

BOOL OnKouteiAttrCommand(CTembraDoc& doc, UINT id) {
    if (const LandShapeCommand* land = FindLandShapeCommand(id)) {
        doc.SetLandAttr(land->shape, -1);
        return TRUE;
    }
    const KouteiAttrCommand* command = FindKouteiAttrCommand(id);
    if (command == nullptr) {
        return FALSE;
    }
    const auto value = static_cast<int>(command->value);
    switch (command->arg) {
    case KouteiAttrArg::Style:
        doc.SetKouteiAttr({.style = Given<WORD>(value)});
        return TRUE;
    case KouteiAttrArg::SubStyle:
        doc.SetKouteiAttr({.subStyle = GivenFlags(static_cast<WORD>(value))});
        return TRUE;
    case KouteiAttrArg::Type:
        doc.SetKouteiAttr({.type = Given<WORD>(value)});
        return TRUE;
    case KouteiAttrArg::Width:
        doc.SetKouteiAttr({.width = Given<short>(value)});
        return TRUE;
    case KouteiAttrArg::Color:
        ApplyColor(doc, command->value);
        return TRUE;
    case KouteiAttrArg::Holiday:
        doc.SetKouteiAttr({.holiday = Given<WORD>(value)});
        return TRUE;
    case KouteiAttrArg::Hatch:
        doc.SetKouteiAttr({.hatch = Given<WORD>(value)});
        return TRUE;
    case KouteiAttrArg::Reverse:
        doc.SetKouteiAttr({.reverse = true});
        return TRUE;
    case KouteiAttrArg::OtherColor:
    case KouteiAttrArg::BarColor:
        break; // they ask for their colour first
    }
    return FALSE;
}

void OnKouteiBarColor(CTembraDoc& doc, int index, COLORREF color) {
    constexpr int kOtherEntry = 6;
    if (index >= kOtherEntry) {
        color = GetAppState()->GetKouteiCustomColor();
        if (!ChooseOtherColor(color)) {
            GetAppState()->FocusYogoCombo(1);
            return;
        }
        GetAppState()->SetKouteiCustomColor(color);
    }
    ApplyColor(doc, color);
    GetAppState()->FocusYogoCombo(1);
}

std::span<const DocCommand> DocKouteiMenu() {
    return kKouteiMenu;
}

} // namespace tembra
