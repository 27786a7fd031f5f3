// The commands of 属性 > 行事 that take more than their id, the date snapping of new events, the
// move to a typed position and the fills of 設定 > 塗り潰し設定; the value commands of the menu
// run through their table (AttrCommands.h), the hyperlinks in HyperlinkMenu.cpp.
#include "document/commands/EventMenu.h"

#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/CommandIds.h"
#include "document/FontSelDlgRequest.h"
#include "document/PositionRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"
#include "document/commands/HyperlinkMenu.h"
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

// The first selected event, or null.
const CEvent* FirstSelectedEvent(const CTembraDoc& doc) {
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (const CEvent* event = AsEvent(doc.GetNextSel(pos))) {
            return event;
        }
    }
    return nullptr;
}

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

void OnEventOtherColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetEventCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetEventCustomColor(color);
        doc.GetEvents().SetSelectedAttributes(-1, color, CTembraDoc::kUnchangedFlags, -1, {}, -1,
                                              nullptr);
    }
}

void OnEventBatch(CTembraDoc& doc) {
    EventAttrBulkDlgRequest request;
    const CEvent* event = FirstSelectedEvent(doc);
    request.attr = TextAttrValues::From(
        event != nullptr ? event->GetAttr() : doc.GetSyokiSet().GetEvent().GetTextAttr());
    request.fromSelection = event != nullptr;
    request.document = &doc;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetEvents().SetSelectedAttributes(ValueOrLeave(request.attr.form), request.attr.color,
                                          static_cast<WORD>(request.attr.flags | kWholeWord),
                                          ValueOrLeave(request.attr.SizeCode()), {}, -1, nullptr,
                                          request.flagMask);
}

void OnEventFont(CTembraDoc& doc) {
    FontSelDlgRequest request;
    const CEvent* event = FirstSelectedEvent(doc);
    const bool own = event != nullptr && event->HasOwnFont();
    request.font = own ? event->GetLogFont() : doc.GetSyokiSet().GetEvent().GetLogFont();
    request.baseFontCheck = own ? 0 : 1;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetEvents().SetSelectedAttributes(-1, CTembraDoc::kUnchangedColor,
                                          CTembraDoc::kUnchangedFlags, -1, {},
                                          request.baseFontCheck == 1 ? 0 : 1, &request.font);
}

void OnUpdateEventTextEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, [&doc](CCmdUI* ui) { doc.GetEvents().UpdateEventAttrUI(ui); });
}

void OnEventSnapDay(CTembraDoc& doc) {
    CConfigEvent& settings = doc.GetSyokiSet().GetEvent();
    const WORD flags = settings.GetRevice();
    settings.SetRevice((flags & kSnapDay) != 0 ? static_cast<WORD>(flags & ~kSnapDay)
                                               : static_cast<WORD>((flags & kSnapRow) | kSnapDay));
    settings.GetTextAttr().m_form = 0;
}

void OnEventSnapDayMiddle(CTembraDoc& doc) {
    CConfigEvent& settings = doc.GetSyokiSet().GetEvent();
    const WORD flags = settings.GetRevice();
    if ((flags & kSnapDayMiddle) != 0) {
        settings.SetRevice(static_cast<WORD>(flags & ~kSnapDayMiddle));
        settings.GetTextAttr().m_form = 0;
    } else {
        settings.SetRevice(static_cast<WORD>((flags & kSnapRow) | kSnapDayMiddle));
        settings.GetTextAttr().m_form = 1;
    }
}

void OnEventSnapRow(CTembraDoc& doc) {
    CConfigEvent& settings = doc.GetSyokiSet().GetEvent();
    settings.SetRevice(static_cast<WORD>(settings.GetRevice() ^ kSnapRow));
}

void OnUpdateEventSnapDay(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck((doc.GetSyokiSet().GetEvent().GetRevice() & kSnapDay) != 0 ? 1 : 0);
}

void OnUpdateEventSnapDayMiddle(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck((doc.GetSyokiSet().GetEvent().GetRevice() & kSnapDayMiddle) != 0 ? 1 : 0);
}

void OnUpdateEventSnapRow(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck((doc.GetSyokiSet().GetEvent().GetRevice() & kSnapRow) != 0 ? 1 : 0);
}

void OnUpdateEventMoveToPosition(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetSelCount() == 1 && doc.GetOperation().GetMode() == Op::kModeEvent &&
                          doc.GetOperation().GetOperation() == Op::kOpEdit
                      ? TRUE
                      : FALSE);
}

void OnEventMoveToPosition(CTembraDoc& doc) {
    if (doc.GetSelCount() != 1) {
        return;
    }
    const POSITION pos = doc.GetHeadSelPosition();
    const CEvent* event = AsEvent(doc.GetSelAt(pos));
    if (event == nullptr) {
        return;
    }
    PositionRequest request;
    request.templateId = PositionRequest::TemplateFor(true, doc.GetSyokiSet().GetNobeMode() != 0);
    request.document = &doc;
    request.span.SetStartDate(event->GetStartDate());
    request.span.SetEndDate(event->GetStartDate());
    request.span.SetStartRow(event->GetStartRow());
    request.span.SetEndRow(event->GetStartRow());
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetUndoHistory().Reset();
    std::unique_ptr<CEvent> moved = doc.GetEvents().CopyEvent(*event);
    if (moved == nullptr) {
        return;
    }
    doc.RedrawObject(doc.GetSelAt(pos));
    moved->SetStartDate(request.span.GetEndDate());
    moved->SetStartRow(request.span.GetEndRow());
    doc.ReplaceSelAt(pos, moved.release(), 0);
}

void OnUpdateFillSettings(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(FillableRange((*doc.GetSelectedDateRange())) ||
                          doc.GetKoumokuCells().IsKoumokuSelected()
                      ? TRUE
                      : FALSE);
}

void OnFillSettings(CTembraDoc& doc) {
    constexpr WORD kRows = 1;
    constexpr WORD kDates = 2;
    constexpr WORD kCells = 12;
    FillSetDlgRequest request;
    request.wholeRows = doc.GetKoumokuCells().WholeKoumokuRowsSelected();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const bool range = FillableRange((*doc.GetSelectedDateRange()));
    const CTime start = (*doc.GetSelectedDateRange()).GetStartDate();
    const CTime end = (*doc.GetSelectedDateRange()).GetEndDate();
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    const bool cells = doc.GetKoumokuCells().IsKoumokuSelected() != FALSE &&
                       doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow) > 0 &&
                       doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn) > 0;
    const bool wholeRows = cells && request.wholeRows;
    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    const bool set = request.action == FillSetDlgRequest::kSet;
    const WORD pattern = FillPattern(request.pattern);
    // Appends a new fill, recorded; false when it could not be made (the command stops).
    const auto add = [&](WORD kind, int rowA, int rowB, int columnA, int columnB) {
        std::unique_ptr<CKtkmHatch> hatch = doc.GetHatches().CreateHatch(
            kind, pattern, request.color, start, end, rowA, rowB, columnA, columnB);
        if (hatch == nullptr) {
            return false;
        }
        CKtkmHatch* raw = hatch.release();
        doc.GetChartObjects().GetHatchList().AddTail(raw);
        doc.GetHatches().RecordHatchAdded(raw);
        return true;
    };
    bool ok = true;
    if (range) {
        doc.GetHatches().ClipHatches(kDates, start, end, 0, 0, 0, 0);
        ok = !set || add(kDates, 0, 0, 0, 0);
        doc.RedrawColumnRange(TRUE);
    }
    if (ok && cells) {
        if (wholeRows) {
            doc.GetHatches().ClipHatches(kRows, start, end, firstRow, lastRow, 0, 0);
            ok = !set || add(kRows, firstRow, lastRow, 0, 0);
        }
        if (!wholeRows || request.cellsToo) {
            doc.GetHatches().ClipHatches(kCells, start, end, firstRow, lastRow, firstColumn,
                                         lastColumn);
            for (int row = firstRow; ok && set && row <= lastRow; ++row) {
                for (int column = firstColumn; ok && column <= lastColumn; ++column) {
                    ok = add(kCells, row, row, column, column);
                }
            }
        }
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    }
    if (range || cells) {
        doc.MarkChanged();
    }
    doc.GetUndoHistory().EndGroup();
}

constexpr std::array kEventMenu{
    DocCommand{ID_EVENT_COLOR_OTHER, &OnEventOtherColor,
               [](CTembraDoc& doc, CCmdUI* cmdUI) { doc.GetEvents().UpdateEventAttrUI(cmdUI); }},
    DocCommand{ID_EVENT_ATTR_BULK, &OnEventBatch, nullptr, "EventAttrBulkDlg"},
    DocCommand{ID_EVENT_FONT, &OnEventFont, nullptr, "FontSelDlg"},
    DocCommand{ID_EVENT_TEXT_EDIT, &OnEventTextEdit, &OnUpdateEventTextEdit},
    DocCommand{ID_EVENT_FORMAT_DATE_ALIGNED, &OnEventSnapDay, &OnUpdateEventSnapDay},
    DocCommand{ID_EVENT_FORMAT_DAY_CENTER, &OnEventSnapDayMiddle, &OnUpdateEventSnapDayMiddle},
    DocCommand{ID_EVENT_FORMAT_ROW_ALIGNED, &OnEventSnapRow, &OnUpdateEventSnapRow},
    DocCommand{ID_EVENT_LINK_INSERT, &OnEventLinkInsert, &OnUpdateEventLinkInsert, "HyperLink"},
    DocCommand{ID_EVENT_LINK_EDIT, &OnEventLinkEdit, &OnUpdateEventLinkEdit, "HyperLink"},
    DocCommand{ID_EVENT_LINK_OPEN, &OnEventLinkOpen, &OnUpdateEventLinkEdit},
    DocCommand{ID_EVENT_MOVE_TO, &OnEventMoveToPosition, &OnUpdateEventMoveToPosition, "Position"},
    DocCommand{ID_SET_FILL, &OnFillSettings, &OnUpdateFillSettings, "FillSetDlg"},
};

} // namespace

void OnEventTextEdit(CTembraDoc& doc) {
    CAppState& app = *GetAppState();
    if (!app.IsYogoBarVisible() || app.RefusesYogoText()) {
        return;
    }
    const std::string text = app.GetYogoText();
    if (!text.empty()) {
        doc.GetEvents().SetSelectedAttributes(-1, CTembraDoc::kUnchangedColor,
                                              CTembraDoc::kUnchangedFlags, -1, text, -1, nullptr);
    }
}

std::span<const DocCommand> DocEventMenu() {
    return kEventMenu;
}

} // namespace tembra
