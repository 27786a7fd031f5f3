// The copy and move of item cells with the mouse: the selected cells (or whole rows, with the
// objects and ruled-line types of those rows) follow the pointer and land where it is released.
#include "view/core/KoumokuGesture.h"

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

BOOL CKoumokuGesture::TrackMove(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const LONG operation = config.GetOperation();
    if (config.GetMode() != Op::kModeKoumoku ||
        (operation != Op::kOpCopy && operation != Op::kOpMove)) {
        return FALSE;
    }
    const int code = Mouse().GetCode();
    const auto postAt = [&](const CPoint& logical, bool moveCursor) {
        CPoint device = logical;
        dc->LPtoDP(&device);
        Host().PostMouseEvent(CMouseEvent::kMove, 0, device);
        if (moveCursor) {
            Host().SetCursorPos(device);
        }
    };
    const auto end = [&] {
        DrawMoveFeedback(dc, false);
        SetStep(Step::Idle);
        Host().ReleaseCapture();
    };
    switch (CurrentStep()) {
    case Step::Idle: {
        int firstRow = -1;
        int lastRow = -1;
        int firstColumn = -1;
        int lastColumn = -1;
        if (doc.GetKoumokuCells().GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
            doc.GetKoumokuCells().GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
            // Nothing to carry: the operation ends as it began.
            break;
        }
        Host().SetCapture();
        m_span.firstRow = firstRow;
        m_span.lastRow = lastRow;
        m_span.firstColumn = firstColumn;
        m_span.lastColumn = lastColumn;
        const CKoumokuData* last = doc.GetKoumokuCells().GetKoumokuCell(lastRow, lastColumn);
        m_span.wholeRows = last != nullptr && last->IsSelected() == kRowSelected;
        const CPoint start(Layout().ColumnToX(firstColumn, 1), Layout().RowToY(firstRow, 0));
        Mouse().SetStartPoint(start);
        Mouse().SetLastPoint(start);
        Mouse().SetPoint(start);
        m_rect.SetRectEmpty();
        m_drawn = FALSE;
        postAt(start, true);
        SetStep(Step::Tracking);
        break;
    }
    case Step::Tracking:
        if (m_view.WaitsForPaint()) {
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress) {
            const CPoint point = Mouse().GetPoint();
            const CPoint cell(Layout().ColumnToX(Layout().XToColumn(point.x), 1),
                              Layout().RowToY(Layout().YToRow(point.y), 0));
            Mouse().SetPoint(cell);
            SetStep(Step::Placed);
        } else if (code == CMouseEvent::kRightRelease) {
            end();
        } else if (code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) {
            DrawMoveFeedback(dc, true);
        }
        break;
    case Step::Placed:
        if (m_view.WaitsForPaint()) {
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease) {
            if (Host().HasCapture()) {
                DrawMoveFeedback(dc, false);
                CommitMove();
            }
            end();
        } else if (code == CMouseEvent::kRightRelease) {
            Mouse().SetPoint(Mouse().GetStartPoint());
            postAt(Mouse().GetStartPoint(), false);
            SetStep(Step::Tracking);
        } else if (code == CMouseEvent::kMoveLeft) {
            DrawMoveFeedback(dc, true);
        }
        break;
    default:
        SetStep(Step::Idle);
        break;
    }
    if (CurrentStep() == Step::Idle && config.GetSavedMode() != 0) {
        config.RestoreMode();
    }
    return TRUE;
}

void CKoumokuGesture::CommitMove() {
    CTembraDoc& doc = Doc();
    const Span span = m_span;
    // The points stand on the right edges of their columns.
    const int rows = Layout().YToRow(Mouse().GetPoint().y) - span.firstRow;
    const int columns =
        span.wholeRows ? 0 : Layout().XToColumn(Mouse().GetPoint().x - 1) - span.firstColumn;
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

void CKoumokuGesture::DrawMoveFeedback(CDC* dc, bool show) {
    CMouseEvent& mouse = Mouse();
    if (m_drawn) {
        InvertFeedback(dc, false);
        m_drawn = FALSE;
    }
    if (!show) {
        return;
    }
    const CPoint point = mouse.GetPoint();
    m_view.ScrollForCursor(dc, point.x, point.y);
    const int rows = Layout().YToRow(point.y) - m_span.firstRow;
    const int columns = m_span.wholeRows ? 0 : Layout().XToColumn(point.x - 1) - m_span.firstColumn;
    m_rect = SpanRect(m_span, rows, columns);
    mouse.SetLastPoint(point);
    InvertFeedback(dc, false);
    m_drawn = TRUE;
}

} // namespace tembra
