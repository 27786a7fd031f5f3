// The item table with the mouse: a click on a cell starts typing its name in the term bar, a drag
// selects a range of cells (whole rows when it goes past the item area) or moves a column border.
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "platform/DC.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

// The selected word of a cell taken alone and of a cell taken as part of a whole row.
constexpr WORD kCellSelected = 1;
constexpr WORD kRowSelected = 255;
// The range feedback stays this far inside the cells' edges.
constexpr int kRangeInset = 10;
// The hint of a change of the item columns' widths.
constexpr LPARAM kHintColumnWidths = 0x20;

bool InItemArea(const CPageLayout& layout, const CPoint& point) {
    return (layout.HitZone(point) & CPageLayout::kZoneKoumoku) != 0;
}

bool InTimeArea(const CPageLayout& layout, const CPoint& point) {
    return (layout.HitZone(point) & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) != 0;
}

} // namespace

BOOL CTembraView::ItemCellInput(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const CPoint point = m_mouse.GetPoint();
    if (m_mouse.GetCode() != CMouseEvent::kLeftPress || !InItemArea(m_layout, point) ||
        config.GetOperation() != Op::kOpDraw || config.GetMode() == Op::kModeZukei ||
        config.GetState() != 0) {
        return FALSE;
    }
    doc.ClearAllSelections(FALSE);
    const int row = m_layout.YToRow(point.y);
    const int column = m_layout.XToColumn(point.x);
    CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(row, column);
    if (cell == nullptr) {
        cell = doc.GetKoumokuCells().CreateKoumokuData(row, column);
    }
    if (cell == nullptr) {
        return TRUE;
    }
    std::unique_ptr<CKoumokuData> copy = doc.GetKoumokuCells().CopyKoumokuData(row, column, cell);
    if (!copy) {
        return TRUE;
    }
    if (config.GetMode() != Op::kModeKoumoku) {
        config.SaveMode();
        config.SaveOperation();
        config.ChangeMode(Op::kModeKoumoku);
        config.ChangeOperation(Op::kOpDraw);
    }
    if (CAppState* state = GetAppState(); state != nullptr && state->IsYogoBarVisible()) {
        state->SetYogoText(copy->GetText());
    }
    doc.GetUndoHistory().Reset();
    copy->SetSelected(kCellSelected);
    doc.GetKoumokuCells().SetKoumokuCell(row, column, std::move(copy));
    return TRUE;
}

BOOL CTembraView::TrackItemArea(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const LONG mode = config.GetMode();
    if (mode == Op::kModeZukei || mode == Op::kModeObject || mode == Op::kModeChart) {
        return FALSE;
    }
    if (TrackItemMove(dc) != FALSE) {
        return TRUE;
    }
    if (mode != Op::kModeKoumoku &&
        (config.GetOperation() != Op::kOpEdit || config.GetState() != 0)) {
        return FALSE;
    }
    if (mode == Op::kModeKoumoku && config.GetOperation() != Op::kOpEdit &&
        config.GetOperation() != Op::kOpDraw) {
        return FALSE;
    }
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    const CRect items = m_layout.GetKoumokuRect();
    if (config.GetState() == 0) {
        if (code == CMouseEvent::kRightPress && InItemArea(m_layout, point) &&
            doc.GetKoumokuCells().IsKoumokuSelected() != FALSE) {
            m_host.SetCapture();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            if (!m_host.HasCapture()) {
                return FALSE;
            }
            if (InItemArea(m_layout, point) && doc.GetKoumokuCells().IsKoumokuSelected() != FALSE) {
                doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
            }
            m_host.ReleaseCapture();
            if (mode == Op::kModeKoumoku && config.GetSavedMode() != 0) {
                config.RestoreMode();
            }
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        m_itemBorder = m_layout.HitColumnBorder(point.x, point.y);
        const bool selected = doc.GetKoumokuCells().IsKoumokuSelected() != FALSE;
        const bool rightOfItems = point.x >= items.right;
        if (m_itemBorder >= 0) {
            const CPoint edge(m_layout.ColumnToX(m_itemBorder, 1), point.y);
            m_mouse.SetStartPoint(edge);
            m_mouse.SetLastPoint(edge);
            m_mouse.SetPoint(edge);
        } else if (InItemArea(m_layout, point) ||
                   (m_mouse.IsShift() && selected && InTimeArea(m_layout, point))) {
            const int row = m_layout.YToRow(point.y);
            const int column = m_layout.XToColumn(point.x);
            // The middle of the column: its left edge counts to the column before.
            const CPoint cell(m_layout.ColumnToX(column, 0), m_layout.RowToY(row, 0));
            if (m_mouse.IsShift() && selected) {
                const CPoint anchor = doc.GetKoumokuCells().GetKoumokuRangeStart();
                const int startX = rightOfItems ? items.left : m_layout.ColumnToX(anchor.y, 0);
                m_mouse.SetStartPoint(CPoint(startX, m_layout.RowToY(anchor.x, 0)));
                const CPoint current = rightOfItems ? point : cell;
                m_mouse.SetLastPoint(current);
                m_mouse.SetPoint(current);
            } else {
                m_mouse.SetStartPoint(cell);
                m_mouse.SetLastPoint(cell);
                m_mouse.SetPoint(cell);
            }
        } else {
            if (selected) {
                doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
            }
            return FALSE;
        }
        if (mode != Op::kModeKoumoku) {
            config.SaveMode();
            config.SaveOperation();
            config.ChangeMode(Op::kModeKoumoku);
            config.ChangeOperation(Op::kOpEdit);
        }
        m_host.SetCapture();
        m_itemRect.SetRectEmpty();
        m_itemDrawn = FALSE;
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
        config.SetState(1);
        if (CAppState* state = GetAppState()) {
            state->SetEditModify(false);
        }
        return TRUE;
    }
    if (config.GetState() != 1) {
        return FALSE;
    }
    if (WaitsForPaint()) {
        return TRUE;
    }
    switch (code) {
    case CMouseEvent::kLeftRelease:
        if (m_host.HasCapture()) {
            DrawItemAreaFeedback(dc, 0, m_mouse, m_itemDrawn);
            CommitItemArea(dc);
            m_host.ReleaseCapture();
        }
        config.SetState(0);
        return TRUE;
    case CMouseEvent::kRightRelease:
        DrawItemAreaFeedback(dc, 0, m_mouse, m_itemDrawn);
        config.SetState(0);
        m_host.ReleaseCapture();
        return TRUE;
    case CMouseEvent::kMoveLeft:
        DrawItemAreaFeedback(dc, 1, m_mouse, m_itemDrawn);
        return TRUE;
    default:
        return TRUE;
    }
}

std::vector<WORD> CTembraView::DraggedColumnWidths(int border, int x) const {
    const CKoumoku& table = GetDocument()->GetKoumokuTable();
    const int count = table.GetColumnCount();
    std::vector<WORD> widths(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        widths[static_cast<size_t>(i)] = table.GetColumnWidth(i);
    }
    const CRect items = m_layout.GetKoumokuRect();
    const long long width = std::max(items.Width(), 1);
    // The left edge of column i from the widths as they stand (those before it already changed).
    const auto leftOf = [&](int column) {
        long long sum = 0;
        for (int i = 0; i < column; ++i) {
            sum += widths[static_cast<size_t>(i)];
        }
        return static_cast<int>(items.left + width * sum / 100);
    };
    const auto percent = [&](long long span) {
        return static_cast<WORD>(std::max<long long>(span * 100 / width, 0));
    };
    for (int i = 0; i < count - 1; ++i) {
        WORD& w = widths[static_cast<size_t>(i)];
        const int left = leftOf(i);
        const int right = static_cast<int>(left + width * w / 100);
        if (i <= border) {
            if (left >= x) {
                w = 0;
            } else if (i == border || x <= right) {
                w = percent(x - left);
            }
        } else if (left >= items.right) {
            w = 0;
        } else if (right > items.right) {
            w = percent(items.right - left);
        }
    }
    if (count > 0) {
        int others = 0;
        for (int i = 0; i < count - 1; ++i) {
            others += widths[static_cast<size_t>(i)];
        }
        widths.back() = static_cast<WORD>(std::max(100 - others, 0));
    }
    return widths;
}

void CTembraView::CommitItemArea(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = *GetDocument();
    const CPoint start = m_mouse.GetStartPoint();
    const CPoint current = m_mouse.GetPoint();
    if (m_itemBorder < 0) {
        doc.ClearAllSelections(FALSE);
        const int startRow = m_layout.YToRow(start.y);
        const int startColumn = m_layout.XToColumn(start.x);
        int firstRow = startRow;
        int lastRow = m_layout.YToRow(current.y);
        int firstColumn = startColumn;
        int lastColumn = m_layout.XToColumn(current.x);
        if (firstRow > lastRow) {
            std::swap(firstRow, lastRow);
        }
        if (firstColumn > lastColumn) {
            std::swap(firstColumn, lastColumn);
        }
        WORD word = kCellSelected;
        if (current.x >= m_layout.GetKoumokuRect().right) {
            firstColumn = 0;
            lastColumn = std::max<int>(doc.GetKoumokuTable().GetColumnCount() - 1, 0);
            word = kRowSelected;
        }
        doc.GetKoumokuCells().SetKoumokuRangeStart(CPoint(startRow, startColumn));
        CKoumokuData* first = nullptr;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            for (int row = firstRow; row <= lastRow; ++row) {
                CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(row, column);
                if (cell == nullptr) {
                    cell = doc.GetKoumokuCells().CreateKoumokuData(row, column);
                }
                if (cell == nullptr) {
                    continue;
                }
                cell->SetSelected(word);
                doc.UpdateAllViews(nullptr, 0, cell);
                if (row == firstRow && column == firstColumn) {
                    first = cell;
                }
            }
        }
        CAppState* state = GetAppState();
        if (first != nullptr && state != nullptr && state->IsYogoBarVisible() &&
            !first->GetText().empty()) {
            state->SetYogoText(first->GetText());
        }
    } else {
        doc.ClearAllSelections(TRUE);
        const std::vector<WORD> widths = DraggedColumnWidths(m_itemBorder, current.x);
        CKoumoku& table = *doc.GetKoumoku();
        for (size_t i = 0; i < widths.size(); ++i) {
            table.SetColumnWidth(static_cast<int>(i), widths[i]);
        }
        doc.UpdateAllViews(nullptr, kHintColumnWidths, nullptr);
    }
    doc.GetUndoHistory().Reset();
}

void CTembraView::InvertItemFeedback(CDC* dc, const CRect& rect, bool line) {
    const int saved = dc->SaveDC();
    if (line) {
        DrawStyledLine(dc, rect.left, rect.top, rect.left, rect.bottom, 0, 0, RGB(0, 0, 0), R2_NOT,
                       TRANSPARENT);
    } else {
        DrawStyledRect(dc, rect, 0, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT, TRANSPARENT);
    }
    dc->RestoreDC(saved);
}

CRect CTembraView::ItemSpanRect(const ItemSpan& span, int rows, int columns) const {
    const int top = m_layout.RowToY(span.firstRow + rows, -1);
    const int bottom = m_layout.RowToY(span.lastRow + rows, 1);
    if (span.wholeRows) {
        return CRect(m_layout.GetKoumokuRect().left + kRangeInset, top,
                     m_layout.GetChartRect().right - kRangeInset, bottom);
    }
    return CRect(m_layout.ColumnToX(span.firstColumn + columns, -1) + kRangeInset, top,
                 m_layout.ColumnToX(span.lastColumn + columns, 1) - kRangeInset, bottom);
}

void CTembraView::DrawItemAreaFeedback(CDC* dc, int mode, CMouseEvent& mouse, BOOL& drawn) {
    const bool line = m_itemBorder >= 0;
    if (drawn) {
        InvertItemFeedback(dc, m_itemRect, line);
        drawn = FALSE;
    }
    if (mode != 1) {
        return;
    }
    CPoint point = mouse.GetPoint();
    ScrollForCursor(dc, point.x, point.y);
    const CRect items = m_layout.GetKoumokuRect();
    if (line) {
        point.x = std::clamp<int>(point.x, items.left, items.right);
        mouse.SetPoint(point);
        m_itemRect = CRect(point.x, items.top, point.x, items.bottom);
    } else {
        const CPoint start = mouse.GetStartPoint();
        ItemSpan span;
        span.firstRow = m_layout.YToRow(start.y);
        span.lastRow = m_layout.YToRow(point.y);
        span.firstColumn = m_layout.XToColumn(start.x);
        span.lastColumn = m_layout.XToColumn(point.x);
        span.wholeRows = point.x >= items.right;
        if (span.firstRow > span.lastRow) {
            std::swap(span.firstRow, span.lastRow);
        }
        if (span.firstColumn > span.lastColumn) {
            std::swap(span.firstColumn, span.lastColumn);
        }
        m_itemRect = ItemSpanRect(span, 0, 0);
    }
    mouse.SetLastPoint(point);
    InvertItemFeedback(dc, m_itemRect, line);
    drawn = TRUE;
}

} // namespace tembra
