// The copy and move of item cells with the mouse: the selected cells (or whole rows, with the
// objects and ruled-line types of those rows) follow the pointer and land where it is released.
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <map>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kRowSelected = 255;
// The last row the item table holds.
constexpr int kLastTableRow = CPageLayout::kMaxRow - 1;

} // namespace

BOOL CTembraView::TrackItemMove(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const LONG operation = config.GetOperation();
    if (config.GetMode() != Op::kModeKoumoku ||
        (operation != Op::kOpCopy && operation != Op::kOpMove)) {
        return FALSE;
    }
    const int code = m_mouse.GetCode();
    const auto postAt = [&](const CPoint& logical, bool moveCursor) {
        CPoint device = logical;
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kMove, 0, device);
        if (moveCursor) {
            m_host.SetCursorPos(device);
        }
    };
    const auto end = [&] {
        DrawItemMoveFeedback(dc, 0, m_mouse, m_itemDrawn);
        config.SetState(0);
        m_host.ReleaseCapture();
    };
    switch (config.GetState()) {
    case 0: {
        int firstRow = -1;
        int lastRow = -1;
        int firstColumn = -1;
        int lastColumn = -1;
        if (doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
            doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
            // Nothing to carry: the operation ends as it began.
            break;
        }
        m_host.SetCapture();
        m_itemSpan.firstRow = firstRow;
        m_itemSpan.lastRow = lastRow;
        m_itemSpan.firstColumn = firstColumn;
        m_itemSpan.lastColumn = lastColumn;
        const CKoumokuData* last = doc.GetKoumokuCells().GetKoumokuCell(lastRow, lastColumn);
        m_itemSpan.wholeRows = last != nullptr && last->IsSelected() == kRowSelected;
        const CPoint start(m_layout.ColumnToX(firstColumn, 1), m_layout.RowToY(firstRow, 0));
        m_mouse.SetStartPoint(start);
        m_mouse.SetLastPoint(start);
        m_mouse.SetPoint(start);
        m_itemRect.SetRectEmpty();
        m_itemDrawn = FALSE;
        postAt(start, true);
        config.SetState(1);
        break;
    }
    case 1:
        if (WaitsForPaint()) {
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress) {
            const CPoint point = m_mouse.GetPoint();
            const CPoint cell(m_layout.ColumnToX(m_layout.XToColumn(point.x), 1),
                              m_layout.RowToY(m_layout.YToRow(point.y), 0));
            m_mouse.SetPoint(cell);
            config.SetState(2);
        } else if (code == CMouseEvent::kRightRelease) {
            end();
        } else if (code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) {
            DrawItemMoveFeedback(dc, 1, m_mouse, m_itemDrawn);
        }
        break;
    case 2:
        if (WaitsForPaint()) {
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease) {
            if (m_host.HasCapture()) {
                DrawItemMoveFeedback(dc, 0, m_mouse, m_itemDrawn);
                CommitItemMove(dc);
            }
            end();
        } else if (code == CMouseEvent::kRightRelease) {
            m_mouse.SetPoint(m_mouse.GetStartPoint());
            postAt(m_mouse.GetStartPoint(), false);
            config.SetState(1);
        } else if (code == CMouseEvent::kMoveLeft) {
            DrawItemMoveFeedback(dc, 1, m_mouse, m_itemDrawn);
        }
        break;
    default:
        config.SetState(0);
        break;
    }
    if (config.GetState() == 0 && config.GetSavedMode() != 0) {
        config.RestoreMode();
    }
    return TRUE;
}

void CTembraView::CommitItemMove(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = *GetDocument();
    const ItemSpan span = m_itemSpan;
    // The points stand on the right edges of their columns.
    const int rows = m_layout.YToRow(m_mouse.GetPoint().y) - span.firstRow;
    const int columns =
        span.wholeRows ? 0 : m_layout.XToColumn(m_mouse.GetPoint().x - 1) - span.firstColumn;
    if (rows == 0 && columns == 0) {
        doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
        return;
    }
    const int columnCount = doc.GetKoumokuTable().GetColumnCount();
    if (span.firstRow + rows < 0 || span.lastRow + rows > kLastTableRow ||
        span.firstColumn + columns < 0 || span.lastColumn + columns >= columnCount) {
        // The target leaves the table: nothing is written.
        Ui().Beep(MB_ICONEXCLAMATION);
        return;
    }
    const LONG operation = doc.GetOperation().GetOperation();
    auto& undo = doc.GetUndoHistory();
    undo.Reset();
    undo.BeginGroup();
    if (span.wholeRows) {
        doc.MoveRowRange(span.firstRow, span.lastRow, rows, operation);
        doc.GetKoumokuCells().RecordKeisenTypes();
        doc.GetKoumokuCells().MoveKeisenTypes(span.firstRow, span.lastRow, rows, operation);
    }
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    // The copies are all taken before any is written, so that overlapping ranges read the
    // cells as they were.
    std::map<std::pair<int, int>, std::unique_ptr<CKoumokuData>> copies;
    for (int column = span.firstColumn; column <= span.lastColumn; ++column) {
        for (int row = span.firstRow; row <= span.lastRow; ++row) {
            std::unique_ptr<CKoumokuData>& copy = copies[{row + rows, column + columns}];
            CKoumokuData* source = doc.GetKoumokuCells().GetKoumokuCell(row, column);
            if (source == nullptr) {
                continue;
            }
            copy = doc.GetKoumokuCells().CopyKoumokuData(row + rows, column + columns, source);
            if (copy) {
                copy->SetSelected(0);
            }
            if (operation == Op::kOpMove) {
                doc.GetKoumokuCells().SetKoumokuCell(row, column, nullptr);
            }
        }
    }
    for (auto& [place, copy] : copies) {
        if (copy || doc.GetKoumokuCells().GetKoumokuCell(place.first, place.second) != nullptr) {
            doc.GetKoumokuCells().SetKoumokuCell(place.first, place.second, std::move(copy));
        }
    }
    undo.EndGroup();
}

void CTembraView::DrawItemMoveFeedback(CDC* dc, int mode, CMouseEvent& mouse, BOOL& drawn) {
    if (drawn) {
        InvertItemFeedback(dc, m_itemRect, false);
        drawn = FALSE;
    }
    if (mode != 1) {
        return;
    }
    const CPoint point = mouse.GetPoint();
    ScrollForCursor(dc, point.x, point.y);
    const int rows = m_layout.YToRow(point.y) - m_itemSpan.firstRow;
    const int columns =
        m_itemSpan.wholeRows ? 0 : m_layout.XToColumn(point.x - 1) - m_itemSpan.firstColumn;
    m_itemRect = ItemSpanRect(m_itemSpan, rows, columns);
    mouse.SetLastPoint(point);
    InvertItemFeedback(dc, m_itemRect, false);
    drawn = TRUE;
}

} // namespace tembra
