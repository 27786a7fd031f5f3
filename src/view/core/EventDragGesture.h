// The drag of the selected events in the copy and move operations of the event mode (and in the
// edit operation, which hands a drag of its selection over to them): the events move by the
// offset of the pointer from where the drag took them, their frames inverted on the window while
// they go; in the move operation a lone selected event follows the pointer at once and a click
// drops it. With Alt a press asks for the date and row instead. The view owns one and hands it
// the mouse events of those operations.
#pragma once

#include "model/ChartPos.h"
#include "platform/Types.h"

namespace tembra {

class CDC;
class CEvent;
class CTembraDoc;
class CTembraView;

class CEventDragGesture {
public:
    // The drag's sub-states, which the status-bar guide reads from the operation.
    enum class Step : WORD {
        Idle = 0,     // waiting for a press
        Pressed = 1,  // the button is down, nothing taken yet
        Dragging = 2, // the frames follow the pointer
        Placed = 3,   // a click at the target waits for its release
    };

    explicit CEventDragGesture(CTembraView& view);
    CEventDragGesture(const CEventDragGesture&) = delete;
    CEventDragGesture& operator=(const CEventDragGesture&) = delete;

    // One mouse event of the view's record; non-zero when taken.
    BOOL Track(CDC* dc);
    // The frames drawn again after a paint covered them.
    void Redraw(CDC* dc);
    // The mode or operation was chosen anew: nothing is held any more and the frames count as
    // gone (the view repaints).
    void Drop();
    bool IsFeedbackDrawn() const { return m_drawn; }

private:
    CTembraDoc& Doc() const;
    void SetStep(Step step) const;
    BOOL Dragging(CDC* dc);
    void Start(CEvent* event);
    void End(CDC* dc, bool restore);
    // The inverted frames of the selected events at the drag's offset: show false removes them,
    // true removes and draws them anew; false when a copy could not be made (message 5020).
    bool DrawFeedback(CDC* dc, bool show);

    CTembraView& m_view;
    // The date and row of the dragged event's anchor, which the position dialog edits.
    CChartPos m_span;
    bool m_drawn = false;
    // The offset of the last point the drag reached (a repaint draws the frames there again).
    CPoint m_offset;
    // The position dialog was cancelled on a press: its release is not the user's next click.
    bool m_swallowRelease = false;
};

} // namespace tembra
