// The commands of 属性 > 行事 that take more than their id, the date snapping of new events, the
// move to a typed position and the fills of 設定 > 塗り潰し設定; the value commands of the menu
// run through their table (AttrCommands.h), the hyperlinks in DocHyperlinks.cpp.
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/DocCommandTable.h"
#include "document/FontSelDlgRequest.h"
#include "document/PositionRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeWord = 0x8000;
// The snapping bits of new events: the start of the day, its middle, the middle of the row.
constexpr WORD kSnapDay = 0x001;
constexpr WORD kSnapDayMiddle = 0x002;
constexpr WORD kSnapRow = 0x100;

constexpr std::array kEventMenu{
    DocCommand{33071, &CTembraDoc::OnEventOtherColor, &CTembraDoc::UpdateEventAttrUI},
    DocCommand{33019, &CTembraDoc::OnEventBatch, nullptr, "EventAttrBulkDlg"},
    DocCommand{40067, &CTembraDoc::OnEventFont, nullptr, "FontSelDlg"},
    DocCommand{32821, &CTembraDoc::OnEventTextEdit, &CTembraDoc::OnUpdateEventTextEdit},
    DocCommand{32802, &CTembraDoc::OnEventSnapDay, &CTembraDoc::OnUpdateEventSnapDay},
    DocCommand{32803, &CTembraDoc::OnEventSnapDayMiddle, &CTembraDoc::OnUpdateEventSnapDayMiddle},
    DocCommand{32810, &CTembraDoc::OnEventSnapRow, &CTembraDoc::OnUpdateEventSnapRow},
    DocCommand{33131, &CTembraDoc::OnEventLinkInsert, &CTembraDoc::OnUpdateEventLinkInsert,
               "HyperLink"},
    DocCommand{33132, &CTembraDoc::OnEventLinkEdit, &CTembraDoc::OnUpdateEventLinkEdit,
               "HyperLink"},
    DocCommand{33144, &CTembraDoc::OnEventLinkOpen, &CTembraDoc::OnUpdateEventLinkEdit},
    DocCommand{33143, &CTembraDoc::OnEventMoveToPosition, &CTembraDoc::OnUpdateEventMoveToPosition,
               "Position"},
    DocCommand{33145, &CTembraDoc::OnFillSettings, &CTembraDoc::OnUpdateFillSettings, "FillSetDlg"},
};

// The first selected event, or null.
const CEvent* FirstSelectedEvent(const CTembraDoc& doc) {
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (const CEvent* event = AsEvent(doc.GetNextSel(pos))) {
            return event;
        }
    }
    return nullptr;
}

} // namespace

std::span<const DocCommand> DocEventMenu() {
    return kEventMenu;
}

void CTembraDoc::OnEventOtherColor() {
    COLORREF color = GetAppState()->GetEventCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetEventCustomColor(color);
        SetSelectedAttributes(-1, color, kUnchangedFlags, -1, {}, -1, nullptr);
    }
}

void CTembraDoc::OnEventBatch() {
    EventAttrBulkDlgRequest request;
    const CEvent* event = FirstSelectedEvent(*this);
    request.attr = TextAttrValues::From(event != nullptr ? event->GetAttr()
                                                         : m_syokiSet.GetEvent().GetTextAttr());
    request.fromSelection = event != nullptr;
    request.document = this;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    SetSelectedAttributes(ValueOrLeave(request.attr.form), request.attr.color,
                          static_cast<WORD>(request.attr.flags | kWholeWord),
                          ValueOrLeave(request.attr.SizeCode()), {}, -1, nullptr, request.flagMask);
}

void CTembraDoc::OnEventFont() {
    FontSelDlgRequest request;
    const CEvent* event = FirstSelectedEvent(*this);
    const bool own = event != nullptr && event->HasOwnFont();
    request.font = own ? event->GetLogFont() : m_syokiSet.GetEvent().GetLogFont();
    request.baseFontCheck = own ? 0 : 1;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    SetSelectedAttributes(-1, kUnchangedColor, kUnchangedFlags, -1, {},
                          request.baseFontCheck == 1 ? 0 : 1, &request.font);
}

void CTembraDoc::OnEventTextEdit() {
    CAppState& app = *GetAppState();
    if (!app.IsYogoBarVisible() || app.RefusesYogoText()) {
        return;
    }
    const std::string text = app.GetYogoText();
    if (!text.empty()) {
        SetSelectedAttributes(-1, kUnchangedColor, kUnchangedFlags, -1, text, -1, nullptr);
    }
}

void CTembraDoc::OnUpdateEventTextEdit(CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, &CTembraDoc::UpdateEventAttrUI);
}

// ---- The date snapping of new events ------------------------------------------------------------

void CTembraDoc::OnEventSnapDay() {
    CConfigEvent& settings = m_syokiSet.GetEvent();
    const WORD flags = settings.GetRevice();
    settings.SetRevice((flags & kSnapDay) != 0 ? static_cast<WORD>(flags & ~kSnapDay)
                                               : static_cast<WORD>((flags & kSnapRow) | kSnapDay));
    settings.GetTextAttr().m_form = 0;
}

void CTembraDoc::OnEventSnapDayMiddle() {
    CConfigEvent& settings = m_syokiSet.GetEvent();
    const WORD flags = settings.GetRevice();
    if ((flags & kSnapDayMiddle) != 0) {
        settings.SetRevice(static_cast<WORD>(flags & ~kSnapDayMiddle));
        settings.GetTextAttr().m_form = 0;
    } else {
        settings.SetRevice(static_cast<WORD>((flags & kSnapRow) | kSnapDayMiddle));
        settings.GetTextAttr().m_form = 1;
    }
}

void CTembraDoc::OnEventSnapRow() {
    CConfigEvent& settings = m_syokiSet.GetEvent();
    settings.SetRevice(static_cast<WORD>(settings.GetRevice() ^ kSnapRow));
}

void CTembraDoc::OnUpdateEventSnapDay(CCmdUI* cmdUI) {
    cmdUI->SetCheck((m_syokiSet.GetEvent().GetRevice() & kSnapDay) != 0 ? 1 : 0);
}

void CTembraDoc::OnUpdateEventSnapDayMiddle(CCmdUI* cmdUI) {
    cmdUI->SetCheck((m_syokiSet.GetEvent().GetRevice() & kSnapDayMiddle) != 0 ? 1 : 0);
}

void CTembraDoc::OnUpdateEventSnapRow(CCmdUI* cmdUI) {
    cmdUI->SetCheck((m_syokiSet.GetEvent().GetRevice() & kSnapRow) != 0 ? 1 : 0);
}

// ---- Move to a position -------------------------------------------------------------------------

void CTembraDoc::OnUpdateEventMoveToPosition(CCmdUI* cmdUI) {
    cmdUI->Enable(GetSelCount() == 1 && m_operation.GetMode() == Op::kModeEvent &&
                          m_operation.GetOperation() == Op::kOpEdit
                      ? TRUE
                      : FALSE);
}

void CTembraDoc::OnEventMoveToPosition() {
    if (GetSelCount() != 1) {
        return;
    }
    const POSITION pos = GetHeadSelPosition();
    const CEvent* event = AsEvent(GetSelAt(pos));
    if (event == nullptr) {
        return;
    }
    PositionRequest request;
    request.templateId = PositionRequest::TemplateFor(true, m_syokiSet.GetNobeMode() != 0);
    request.document = this;
    request.span.SetStartDate(event->GetStartDate());
    request.span.SetEndDate(event->GetStartDate());
    request.span.SetStartRow(event->GetStartRow());
    request.span.SetEndRow(event->GetStartRow());
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_undo.Reset();
    std::unique_ptr<CEvent> moved = CopyEvent(*event);
    if (moved == nullptr) {
        return;
    }
    RedrawObject(GetSelAt(pos));
    moved->SetStartDate(request.span.GetEndDate());
    moved->SetStartRow(request.span.GetEndRow());
    ReplaceSelAt(pos, moved.release(), 0);
}

// ---- Fills --------------------------------------------------------------------------------------

namespace {

// The chart's date range as a fill target: days of the supported dates, not none. The range ends
// where its last day ends, so the last supported day ends it the next midnight.
bool FillableRange(const CChartPos& range) {
    const CTime start = range.GetStartDate();
    const CTime end = range.GetEndDate();
    const CTime last = GetMaxDate() + CTimeSpan(1, 0, 0, 0);
    return start != end && GetMinDate() <= start && start <= last && GetMinDate() <= end &&
           end <= last;
}

// The pattern code of a fill index of the dialog.
WORD FillPattern(int index) {
    constexpr int kPatterns = 9;
    return static_cast<WORD>(index >= 0 && index < kPatterns ? 200 + index : 99);
}

} // namespace

void CTembraDoc::OnUpdateFillSettings(CCmdUI* cmdUI) {
    cmdUI->Enable(FillableRange(m_columnRange) || IsKoumokuSelected() ? TRUE : FALSE);
}

void CTembraDoc::OnFillSettings() {
    constexpr WORD kRows = 1;
    constexpr WORD kDates = 2;
    constexpr WORD kCells = 12;
    FillSetDlgRequest request;
    request.wholeRows = WholeKoumokuRowsSelected();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const bool range = FillableRange(m_columnRange);
    const CTime start = m_columnRange.GetStartDate();
    const CTime end = m_columnRange.GetEndDate();
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    const bool cells = IsKoumokuSelected() != FALSE &&
                       GetSelectedKoumokuRows(firstRow, lastRow) > 0 &&
                       GetSelectedKoumokuCols(firstColumn, lastColumn) > 0;
    const bool wholeRows = cells && request.wholeRows;
    m_undo.Reset();
    m_undo.BeginGroup();
    const bool set = request.action == FillSetDlgRequest::kSet;
    const WORD pattern = FillPattern(request.pattern);
    // Appends a new fill, recorded; false when it could not be made (the command stops).
    const auto add = [&](WORD kind, int rowA, int rowB, int columnA, int columnB) {
        std::unique_ptr<CKtkmHatch> hatch =
            CreateHatch(kind, pattern, request.color, start, end, rowA, rowB, columnA, columnB);
        if (hatch == nullptr) {
            return false;
        }
        CKtkmHatch* raw = hatch.release();
        m_objects.GetHatchList().AddTail(raw);
        RecordHatchAdded(raw);
        return true;
    };
    bool ok = true;
    if (range) {
        ClipHatches(kDates, start, end, 0, 0, 0, 0);
        ok = !set || add(kDates, 0, 0, 0, 0);
        RedrawColumnRange(TRUE);
    }
    if (ok && cells) {
        if (wholeRows) {
            ClipHatches(kRows, start, end, firstRow, lastRow, 0, 0);
            ok = !set || add(kRows, firstRow, lastRow, 0, 0);
        }
        if (!wholeRows || request.cellsToo) {
            ClipHatches(kCells, start, end, firstRow, lastRow, firstColumn, lastColumn);
            for (int row = firstRow; ok && set && row <= lastRow; ++row) {
                for (int column = firstColumn; ok && column <= lastColumn; ++column) {
                    ok = add(kCells, row, row, column, column);
                }
            }
        }
        ClearSelectedKoumokuCells(TRUE);
    }
    if (range || cells) {
        m_notifier.MarkChanged();
    }
    m_undo.EndGroup();
}

} // namespace tembra
