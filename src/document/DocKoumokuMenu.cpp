// The commands of 属性 > 項目 that take more than their id: "その他", the columns and their names,
// the batch, ruled lines, font and text of the selected item cells, and the advance of the text
// input to the next cell; the value commands of the menu run through their table
// (AttrCommands.h).
#include "document/AppState.h"
#include "document/AttrCommands.h"
#include "document/AttrDialogRequests.h"
#include "document/ChartViewLayout.h"
#include "document/DocCommandTable.h"
#include "document/FontSelDlgRequest.h"
#include "document/KoumokuAdvance.h"
#include "document/ObjectActionView.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"
#include "platform/View.h"
#include "render/AreaNameSheetRequest.h"
#include "render/PageLayout.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeWord = 0x8000;

constexpr std::array kKoumokuMenu{
    DocCommand{33072, &CTembraDoc::OnKoumokuOtherColor, &CTembraDoc::UpdateKoumokuAttrUI},
    DocCommand{40059, &CTembraDoc::OnKoumokuAreaNames, nullptr, "AreaNameSheet"},
    DocCommand{40035, &CTembraDoc::OnKoumokuBatch, &CTembraDoc::OnUpdateKoumokuSelected,
               "KoumokuAttr2Dlg"},
    DocCommand{40058, &CTembraDoc::OnKoumokuKeisen, &CTembraDoc::OnUpdateKoumokuSelected,
               "KeisenSetDlg"},
    DocCommand{40056, &CTembraDoc::OnKoumokuFont, &CTembraDoc::OnUpdateKoumokuSelected,
               "FontSelDlg"},
    DocCommand{40055, &CTembraDoc::OnKoumokuTextEdit, &CTembraDoc::OnUpdateKoumokuTextEdit},
    DocCommand{40061, nullptr, &CTembraDoc::OnUpdateKoumokuVertical},
};

// The cell at the last selected row and column when it is selected, else null.
const CKoumokuData* CornerCell(CTembraDoc& doc) {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    if (doc.GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
        doc.GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
        return nullptr;
    }
    const CKoumokuData* cell = doc.GetKoumokuCell(lastRow, lastColumn);
    return cell != nullptr && cell->IsSelected() != 0 ? cell : nullptr;
}

} // namespace

std::span<const DocCommand> DocKoumokuMenu() {
    return kKoumokuMenu;
}

void CTembraDoc::OnKoumokuOtherColor() {
    COLORREF color = GetAppState()->GetKoumokuCustomColor();
    if (ChooseOtherColor(color)) {
        GetAppState()->SetKoumokuCustomColor(color);
        SetKoumokuAttr(-1, color, -1, -1, {}, -1, -1, -1, -1, nullptr);
    }
}

void CTembraDoc::OnUpdateKoumokuSelected(CCmdUI* cmdUI) {
    cmdUI->Enable(IsKoumokuSelected());
}

void CTembraDoc::OnUpdateKoumokuVertical(CCmdUI* cmdUI) {
    cmdUI->Enable(FALSE);
}

void CTembraDoc::OnKoumokuAreaNames() {
    m_undo.Reset();
    ClearSelectedKoumokuCells(TRUE);
    AreaNameSheetRequest request;
    request.areaNames = m_syokiSet.GetChart().GetAreaNameSet();
    request.dateRows = m_syokiSet.GetDateRowCount();
    request.itemColumns = GetKoumokuTable().GetLevelCount();
    request.koumokuFont = m_syokiSet.GetChart().GetKoumokuAttr().m_font;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_syokiSet.GetChart().GetAreaNameSet() = request.areaNames;
    for (int i = request.dateRows; i < kDateRowMax; ++i) {
        m_syokiSet.SetDateRowKind(i, kDateRowNone);
    }
    GetKoumoku()->SetLevelCount(request.itemColumns);
    m_notifier.MarkChanged();
    UpdateAllViews(nullptr);
}

void CTembraDoc::OnKoumokuBatch() {
    KoumokuAttr2DlgRequest request;
    const CFontAttr& defaults = m_syokiSet.GetChart().GetKoumokuAttr();
    request.attr = {defaults.m_form, defaults.m_color, defaults.m_attrb, defaults.m_fontHeigh,
                    defaults.m_fontWidth};
    if (const CKoumokuData* cell = CornerCell(*this)) {
        request.attr = {cell->GetFormat(), cell->GetColor(), cell->GetFlags(),
                        cell->GetHeightCode(), cell->GetWidthCode()};
        request.fromSelection = true;
    }
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const TextAttrValues& attr = request.attr;
    const int flags = ValueOrLeave(attr.flags);
    SetKoumokuAttr(ValueOrLeave(attr.form), attr.color, flags < 0 ? -1 : flags | kWholeWord,
                   ValueOrLeave(attr.SizeCode()), {}, -1, -1, -1, -1, nullptr, request.flagMask);
}

void CTembraDoc::OnKoumokuKeisen() {
    const CKoumokuData* cell = CornerCell(*this);
    if (cell == nullptr) {
        return;
    }
    const int rowLine = GetKoumokuTable().GetKeisenType(cell->GetRow());
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
    SetKoumokuAttr(-1, kUnchangedColor, -1, -1, {}, newRow, newA, newB, -1, nullptr);
}

void CTembraDoc::OnKoumokuFont() {
    FontSelDlgRequest request;
    const CKoumokuData* cell = CornerCell(*this);
    const bool own = cell != nullptr && cell->GetOwnFont() != 0;
    request.font = own ? cell->GetLogFont() : m_syokiSet.GetChart().GetKoumokuAttr().GetLogFont();
    request.baseFontCheck = own ? 0 : 1;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    SetKoumokuAttr(-1, kUnchangedColor, -1, -1, {}, -1, -1, -1, request.baseFontCheck == 1 ? 0 : 1,
                   &request.font);
}

// ---- Text and the advance to the next cell ------------------------------------------------------

void CTembraDoc::OnUpdateKoumokuTextEdit(CCmdUI* cmdUI) {
    UpdateBarTextEdit(cmdUI, &CTembraDoc::UpdateKoumokuAttrUI);
}

void CTembraDoc::OnKoumokuTextEdit() {
    CAppState& app = *GetAppState();
    if (app.IsYogoBarVisible()) {
        if (app.RefusesYogoText()) {
            return;
        }
        const std::string text = app.GetYogoText();
        if (!text.empty()) {
            SetKoumokuAttr(-1, kUnchangedColor, -1, -1, text, -1, -1, -1, -1, nullptr);
        }
    }
    if (m_operation.GetMode() != Op::kModeKoumoku || m_operation.GetOperation() != Op::kOpDraw) {
        return;
    }
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    GetSelectedKoumokuRows(firstRow, lastRow);
    GetSelectedKoumokuCols(firstColumn, lastColumn);
    if (firstRow < 0 || firstRow != lastRow || firstColumn < 0 || firstColumn != lastColumn) {
        return;
    }
    CView* view = GetActiveView();
    auto* chart = dynamic_cast<IChartViewLayout*>(view);
    auto* actions = dynamic_cast<IObjectActionView*>(view);
    const CPageLayout* layout = chart != nullptr ? chart->GetChartLayout() : nullptr;
    if (layout == nullptr || actions == nullptr) {
        return;
    }
    const std::optional<KoumokuPlace> next = NextKoumokuPlace(
        GetKoumokuTable(), {firstRow, firstColumn}, layout->GetFirstRow(), layout->GetLastRow());
    if (next) {
        actions->PostObjectAction(
            CPoint(layout->ColumnToX(next->column, 0), layout->RowToY(next->row, 0)));
    }
}

} // namespace tembra
