// The commands of 属性 > 項目 that take more than their id: "その他", the columns and their names,
// the batch, ruled lines, font and text of the selected item cells, and the advance of the text
// input to the next cell; the value commands of the menu run through their table
// (AttrCommands.h).
#include "document/commands/KoumokuMenu.h"

#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/ChartViewLayout.h"
#include "document/CommandIds.h"
#include "document/FontSelDlgRequest.h"
#include "document/KoumokuAdvance.h"
#include "document/ObjectActionView.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"
#include "platform/Ui.h"
#include "platform/View.h"
#include "render/AreaNameSheetRequest.h"
#include "render/PageLayout.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeWord = 0x8000;

// The cell at the last selected row and column when it is selected, else null.
const CKoumokuData* CornerCell(CTembraDoc& doc) {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    if (doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
        doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
        return nullptr;
    }
    const CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(lastRow, lastColumn);
    return cell != nullptr && cell->IsSelected() != 0 ? cell : nullptr;
}

void OnKoumokuOtherColor(CTembraDoc& doc) {
    COLORREF color = GetAppState()->GetKoumokuCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetKoumokuCustomColor(color);
        doc.GetKoumokuCells().SetKoumokuAttr(-1, color, -1, -1, {}, -1, -1, -1, -1, nullptr);
    }
}

void OnUpdateKoumokuSelected(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetKoumokuCells().IsKoumokuSelected());
}

void OnUpdateKoumokuVertical(CTembraDoc& /*doc*/, CCmdUI* cmdUI) {
    cmdUI->Enable(FALSE);
}

void OnKoumokuAreaNames(CTembraDoc& doc) {
    doc.GetUndoHistory().Reset();
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    AreaNameSheetRequest request;
    request.areaNames = doc.GetSyokiSet().GetChart().GetAreaNameSet();
    request.dateRows = doc.GetSyokiSet().GetDateRowCount();
    request.itemColumns = doc.GetKoumokuTable().GetLevelCount();
    request.koumokuFont = doc.GetSyokiSet().GetChart().GetKoumokuAttr().m_font;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetSyokiSet().GetChart().GetAreaNameSet() = request.areaNames;
    for (int i = request.dateRows; i < kDateRowMax; ++i) {
        doc.GetSyokiSet().SetDateRowKind(i, kDateRowNone);
    }
    doc.GetKoumoku()->SetLevelCount(request.itemColumns);
    doc.MarkChanged();
    doc.UpdateAllViews(nullptr);
}

void OnKoumokuBatch(CTembraDoc& doc) {
    KoumokuAttr2DlgRequest request;
    const CFontAttr& defaults = doc.GetSyokiSet().GetChart().GetKoumokuAttr();
    request.attr = {defaults.m_form, defaults.m_color, defaults.m_attrb, defaults.m_fontHeigh,
                    defaults.m_fontWidth};
    if (const CKoumokuData* cell = CornerCell(doc)) {
        request.attr = {cell->GetFormat(), cell->GetColor(), cell->GetFlags(),
                        cell->GetHeightCode(), cell->GetWidthCode()};
        request.fromSelection = true;
    }
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const TextAttrValues& attr = request.attr;
    const int flags = ValueOrLeave(attr.flags);
    doc.GetKoumokuCells().SetKoumokuAttr(
        ValueOrLeave(attr.form), attr.color, flags < 0 ? -1 : flags | kWholeWord,
        ValueOrLeave(attr.SizeCode()), {}, -1, -1, -1, -1, nullptr, request.flagMask);
}

void OnKoumokuKeisen(CTembraDoc& doc) {
    const CKoumokuData* cell = CornerCell(doc);
    if (cell == nullptr) {
        return;
    }
    const int rowLine = doc.GetKoumokuTable().GetKeisenType(cell->GetRow());
    const int lineA = cell->GetKeisenWord1();
    const int lineB = cell->GetKeisenWord2();
    KeisenSetDlgRequest request;
    request.rowLine = ShownKeisenCode(rowLine);
    request.lineA = ShownKeisenCode(lineA);
    request.lineB = ShownKeisenCode(lineB);
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    // The dialog shows the codes 1 and 2 exchanged; they are stored the other way round.
    const int newRow = ShownKeisenCode(request.rowLine);
    const int newA = ShownKeisenCode(request.lineA);
    const int newB = ShownKeisenCode(request.lineB);
    if (newRow == rowLine && newA == lineA && newB == lineB) {
        return;
    }
    doc.GetKoumokuCells().SetKoumokuAttr(-1, CTembraDoc::kUnchangedColor, -1, -1, {}, newRow, newA,
                                         newB, -1, nullptr);
}

void OnKoumokuFont(CTembraDoc& doc) {
    FontSelDlgRequest request;
    const CKoumokuData* cell = CornerCell(doc);
    const bool own = cell != nullptr && cell->GetOwnFont() != 0;
    request.font =
        own ? cell->GetLogFont() : doc.GetSyokiSet().GetChart().GetKoumokuAttr().GetLogFont();
    request.baseFontCheck = own ? 0 : 1;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    doc.GetKoumokuCells().SetKoumokuAttr(-1, CTembraDoc::kUnchangedColor, -1, -1, {}, -1, -1, -1,
                                         request.baseFontCheck == 1 ? 0 : 1, &request.font);
}

void OnUpdateKoumokuTextEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, [&doc](CCmdUI* ui) { doc.GetKoumokuCells().UpdateKoumokuAttrUI(ui); });
}

constexpr std::array kKoumokuMenu{
    DocCommand{
        ID_KOUMOKU_COLOR_OTHER, &OnKoumokuOtherColor,
        [](CTembraDoc& doc, CCmdUI* cmdUI) { doc.GetKoumokuCells().UpdateKoumokuAttrUI(cmdUI); }},
    DocCommand{ID_KOUMOKU_COLUMNS, &OnKoumokuAreaNames, nullptr, "AreaNameSheet"},
    DocCommand{ID_KOUMOKU_ATTR_BULK, &OnKoumokuBatch, &OnUpdateKoumokuSelected, "KoumokuAttr2Dlg"},
    DocCommand{ID_KOUMOKU_RULES, &OnKoumokuKeisen, &OnUpdateKoumokuSelected, "KeisenSetDlg"},
    DocCommand{ID_KOUMOKU_FONT, &OnKoumokuFont, &OnUpdateKoumokuSelected, "FontSelDlg"},
    DocCommand{ID_KOUMOKU_TEXT_EDIT, &OnKoumokuTextEdit, &OnUpdateKoumokuTextEdit},
    DocCommand{ID_KOUMOKU_VERTICAL, nullptr, &OnUpdateKoumokuVertical},
};

} // namespace

void OnKoumokuTextEdit(CTembraDoc& doc) {
    CAppState& app = *GetAppState();
    if (app.IsYogoBarVisible()) {
        if (app.RefusesYogoText()) {
            return;
        }
        const std::string text = app.GetYogoText();
        if (!text.empty()) {
            doc.GetKoumokuCells().SetKoumokuAttr(-1, CTembraDoc::kUnchangedColor, -1, -1, text, -1,
                                                 -1, -1, -1, nullptr);
        }
    }
    if (doc.GetOperation().GetMode() != Op::kModeKoumoku ||
        doc.GetOperation().GetOperation() != Op::kOpDraw) {
        return;
    }
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow);
    doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn);
    if (firstRow < 0 || firstRow != lastRow || firstColumn < 0 || firstColumn != lastColumn) {
        return;
    }
    CView* view = doc.GetActiveView();
    auto* chart = dynamic_cast<IChartViewLayout*>(view);
    auto* actions = dynamic_cast<IObjectActionView*>(view);
    const CPageLayout* layout = chart != nullptr ? chart->GetChartLayout() : nullptr;
    if (layout == nullptr || actions == nullptr) {
        return;
    }
    const std::optional<KoumokuPlace> next =
        NextKoumokuPlace(doc.GetKoumokuTable(), {firstRow, firstColumn}, layout->GetFirstRow(),
                         layout->GetLastRow());
    if (next) {
        actions->PostObjectAction(
            CPoint(layout->ColumnToX(next->column, 0), layout->RowToY(next->row, 0)));
    }
}

std::span<const DocCommand> DocKoumokuMenu() {
    return kKoumokuMenu;
}

} // namespace tembra
