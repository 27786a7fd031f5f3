#include "view/core/KoumokuGesture.h"

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

CKoumokuGesture::CKoumokuGesture(CTembraView& view) : m_view(view) {}

CTembraDoc& CKoumokuGesture::Doc() const {
    return *m_view.GetDocument();
}

CMouseEvent& CKoumokuGesture::Mouse() const {
    return m_view.GetMouseEvent();
}

CPageLayout& CKoumokuGesture::Layout() const {
    return m_view.GetLayout();
}

IViewHost& CKoumokuGesture::Host() const {
    return m_view.Host();
}

CKoumokuGesture::Step CKoumokuGesture::CurrentStep() const {
    return static_cast<Step>(Doc().GetOperation().GetState());
}

void CKoumokuGesture::SetStep(Step step) const {
    Doc().GetOperation().SetState(static_cast<WORD>(step));
}

BOOL CKoumokuGesture::CellInput(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const CPoint point = Mouse().GetPoint();
    if (Mouse().GetCode() != CMouseEvent::kLeftPress || !InItemArea(Layout(), point) ||
        config.GetOperation() != Op::kOpDraw || config.GetMode() == Op::kModeZukei ||
        CurrentStep() != Step::Idle) {
        return FALSE;
    }
    doc.ClearAllSelections(FALSE);
    const int row = Layout().YToRow(point.y);
    const int column = Layout().XToColumn(point.x);
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

BOOL CKoumokuGesture::TrackArea(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const LONG mode = config.GetMode();
    if (mode == Op::kModeZukei || mode == Op::kModeObject || mode == Op::kModeChart) {
        return FALSE;
    }
    if (TrackMove(dc) != FALSE) {
        return TRUE;
    }
    if (mode != Op::kModeKoumoku &&
        (config.GetOperation() != Op::kOpEdit || CurrentStep() != Step::Idle)) {
        return FALSE;
    }
    if (mode == Op::kModeKoumoku && config.GetOperation() != Op::kOpEdit &&
        config.GetOperation() != Op::kOpDraw) {
        return FALSE;
    }
    const int code = Mouse().GetCode();
    const CPoint point = Mouse().GetPoint();
    const CRect items = Layout().GetKoumokuRect();
    if (CurrentStep() == Step::Idle) {
        if (code == CMouseEvent::kRightPress && InItemArea(Layout(), point) &&
            doc.GetKoumokuCells().IsKoumokuSelected() != FALSE) {
            Host().SetCapture();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            if (!Host().HasCapture()) {
                return FALSE;
            }
            if (InItemArea(Layout(), point) && doc.GetKoumokuCells().IsKoumokuSelected() != FALSE) {
                doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
            }
            Host().ReleaseCapture();
            if (mode == Op::kModeKoumoku && config.GetSavedMode() != 0) {
                config.RestoreMode();
            }
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        m_border = Layout().HitColumnBorder(point.x, point.y);
        const bool selected = doc.GetKoumokuCells().IsKoumokuSelected() != FALSE;
        const bool rightOfItems = point.x >= items.right;
        if (m_border >= 0) {
            const CPoint edge(Layout().ColumnToX(m_border, 1), point.y);
            Mouse().SetStartPoint(edge);
            Mouse().SetLastPoint(edge);
            Mouse().SetPoint(edge);
        } else if (InItemArea(Layout(), point) ||
                   (Mouse().IsShift() && selected && InTimeArea(Layout(), point))) {
            const int row = Layout().YToRow(point.y);
            const int column = Layout().XToColumn(point.x);
            // The middle of the column: its left edge counts to the column before.
            const CPoint cell(Layout().ColumnToX(column, 0), Layout().RowToY(row, 0));
            if (Mouse().IsShift() && selected) {
                const CPoint anchor = doc.GetKoumokuCells().GetKoumokuRangeStart();
                const int startX = rightOfItems ? items.left : Layout().ColumnToX(anchor.y, 0);
                Mouse().SetStartPoint(CPoint(startX, Layout().RowToY(anchor.x, 0)));
                const CPoint current = rightOfItems ? point : cell;
                Mouse().SetLastPoint(current);
                Mouse().SetPoint(current);
            } else {
                Mouse().SetStartPoint(cell);
                Mouse().SetLastPoint(cell);
                Mouse().SetPoint(cell);
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
        Host().SetCapture();
        m_rect.SetRectEmpty();
        m_drawn = FALSE;
        CPoint device = Mouse().GetPoint();
        dc->LPtoDP(&device);
        Host().PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
        SetStep(Step::Tracking);
        if (CAppState* state = GetAppState()) {
            state->SetEditModify(false);
        }
        return TRUE;
    }
    if (CurrentStep() != Step::Tracking) {
        return FALSE;
    }
    if (m_view.WaitsForPaint()) {
        return TRUE;
    }
    switch (code) {
    case CMouseEvent::kLeftRelease:
        if (Host().HasCapture()) {
            DrawAreaFeedback(dc, false);
            CommitArea();
            Host().ReleaseCapture();
        }
        SetStep(Step::Idle);
        return TRUE;
    case CMouseEvent::kRightRelease:
        DrawAreaFeedback(dc, false);
        SetStep(Step::Idle);
        Host().ReleaseCapture();
        return TRUE;
    case CMouseEvent::kMoveLeft:
        DrawAreaFeedback(dc, true);
        return TRUE;
    default:
        return TRUE;
    }
}

std::vector<WORD> CKoumokuGesture::DraggedColumnWidths(int border, int x) const {
    const CKoumoku& table = Doc().GetKoumokuTable();
    const int count = table.GetColumnCount();
    std::vector<WORD> widths(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        widths[static_cast<size_t>(i)] = table.GetColumnWidth(i);
    }
    const CRect items = Layout().GetKoumokuRect();
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

void CKoumokuGesture::CommitArea() {
    CTembraDoc& doc = Doc();
    const CPoint start = Mouse().GetStartPoint();
    const CPoint current = Mouse().GetPoint();
    if (m_border < 0) {
        doc.ClearAllSelections(FALSE);
        const int startRow = Layout().YToRow(start.y);
        const int startColumn = Layout().XToColumn(start.x);
        int firstRow = startRow;
        int lastRow = Layout().YToRow(current.y);
        int firstColumn = startColumn;
        int lastColumn = Layout().XToColumn(current.x);
        if (firstRow > lastRow) {
            std::swap(firstRow, lastRow);
        }
        if (firstColumn > lastColumn) {
            std::swap(firstColumn, lastColumn);
        }
        WORD word = kCellSelected;
        if (current.x >= Layout().GetKoumokuRect().right) {
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
        const std::vector<WORD> widths = DraggedColumnWidths(m_border, current.x);
        CKoumoku& table = *doc.GetKoumoku();
        for (size_t i = 0; i < widths.size(); ++i) {
            table.SetColumnWidth(static_cast<int>(i), widths[i]);
        }
        doc.UpdateAllViews(nullptr, kHintColumnWidths, nullptr);
    }
    doc.GetUndoHistory().Reset();
}

void CKoumokuGesture::InvertFeedback(CDC* dc, bool line) {
    const CRect& rect = m_rect;
    const int saved = dc->SaveDC();
    if (line) {
        DrawStyledLine(dc, rect.left, rect.top, rect.left, rect.bottom, 0, 0, RGB(0, 0, 0), R2_NOT,
                       TRANSPARENT);
    } else {
        DrawStyledRect(dc, rect, 0, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT, TRANSPARENT);
    }
    dc->RestoreDC(saved);
}

CRect CKoumokuGesture::SpanRect(const Span& span, int rows, int columns) const {
    const int top = Layout().RowToY(span.firstRow + rows, -1);
    const int bottom = Layout().RowToY(span.lastRow + rows, 1);
    if (span.wholeRows) {
        return CRect(Layout().GetKoumokuRect().left + kRangeInset, top,
                     Layout().GetChartRect().right - kRangeInset, bottom);
    }
    return CRect(Layout().ColumnToX(span.firstColumn + columns, -1) + kRangeInset, top,
                 Layout().ColumnToX(span.lastColumn + columns, 1) - kRangeInset, bottom);
}

void CKoumokuGesture::DrawAreaFeedback(CDC* dc, bool show) {
    CMouseEvent& mouse = Mouse();
    const bool line = m_border >= 0;
    if (m_drawn) {
        InvertFeedback(dc, line);
        m_drawn = FALSE;
    }
    if (!show) {
        return;
    }
    CPoint point = mouse.GetPoint();
    m_view.ScrollForCursor(dc, point.x, point.y);
    const CRect items = Layout().GetKoumokuRect();
    if (line) {
        point.x = std::clamp<int>(point.x, items.left, items.right);
        mouse.SetPoint(point);
        m_rect = CRect(point.x, items.top, point.x, items.bottom);
    } else {
        const CPoint start = mouse.GetStartPoint();
        Span span;
        span.firstRow = Layout().YToRow(start.y);
        span.lastRow = Layout().YToRow(point.y);
        span.firstColumn = Layout().XToColumn(start.x);
        span.lastColumn = Layout().XToColumn(point.x);
        span.wholeRows = point.x >= items.right;
        if (span.firstRow > span.lastRow) {
            std::swap(span.firstRow, span.lastRow);
        }
        if (span.firstColumn > span.lastColumn) {
            std::swap(span.firstColumn, span.lastColumn);
        }
        m_rect = SpanRect(span, 0, 0);
    }
    mouse.SetLastPoint(point);
    InvertFeedback(dc, line);
    m_drawn = TRUE;
}

} // namespace tembra
