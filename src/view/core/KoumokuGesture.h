// The item table with the mouse: a click on a cell in the draw operation starts typing its name
// in the term bar, a drag selects a range of cells (whole rows when it goes past the item area)
// or moves a column border, in the item mode and in the edit operation of the other modes; in
// the copy and move operations of the item mode the selected cells (or whole rows, with the
// objects and ruled-line types of those rows) follow the pointer and land where it is released.
// The view owns one and hands it the mouse events of the item area (KoumokuGesture.cpp, the
// copy and move in KoumokuGestureMove.cpp).
#pragma once

#include "platform/Types.h"

#include <vector>

namespace tembra {

class CDC;
class CMouseEvent;
class CPageLayout;
class CTembraDoc;
class CTembraView;
class IViewHost;

class CKoumokuGesture {
public:
    // The sub-states of the range, border and move drags, which the status-bar guide reads
    // from the operation.
    enum class Step : WORD {
        Idle = 0,     // waiting for a press
        Tracking = 1, // the feedback follows the pointer
        Placed = 2,   // the move's target was pressed: its release commits
    };

    explicit CKoumokuGesture(CTembraView& view);
    CKoumokuGesture(const CKoumokuGesture&) = delete;
    CKoumokuGesture& operator=(const CKoumokuGesture&) = delete;

    // The click on a cell of the draw operation; non-zero when taken.
    BOOL CellInput(CDC* dc);
    // The range and border drags; each message is offered to the copy and move first.
    BOOL TrackArea(CDC* dc);

private:
    // A block of cells (whole rows: the selected cells' word is 255).
    struct Span {
        bool wholeRows = false;
        int firstRow = 0;
        int lastRow = 0;
        int firstColumn = 0;
        int lastColumn = 0;
    };

    CTembraDoc& Doc() const;
    CMouseEvent& Mouse() const;
    CPageLayout& Layout() const;
    IViewHost& Host() const;
    Step CurrentStep() const;
    void SetStep(Step step) const;
    void CommitArea();
    // show false removes the range or border feedback; true removes it, scrolls for the cursor
    // and draws it at the record's point.
    void DrawAreaFeedback(CDC* dc, bool show);
    BOOL TrackMove(CDC* dc);
    void CommitMove();
    void DrawMoveFeedback(CDC* dc, bool show);
    // The inverted range of cells of the span moved by rows and columns.
    CRect SpanRect(const Span& span, int rows, int columns) const;
    // The widths of the item columns after the border is dragged to x.
    std::vector<WORD> DraggedColumnWidths(int border, int x) const;
    // The feedback rectangle (a border: its left edge) inverted.
    void InvertFeedback(CDC* dc, bool line);

    CTembraView& m_view;
    // The cells the move carries, the dragged column border (-1 for a range) and the inverted
    // feedback.
    Span m_span;
    int m_border = -1;
    CRect m_rect;
    BOOL m_drawn = FALSE;
};

} // namespace tembra
