// A press, pick, place and commit gesture a mouse edit function of the chart view can build on.
// A function that derives from it says how it picks, draws its inverted feedback and commits,
// and hands each mouse event to Run; the gesture keeps the rest. The hand-written functions of
// the process, term, event, progress-line, item and resource modes keep their own steps (some in
// gesture objects of their own: CKouteiDragGesture, CYogoGesture, CEventDragGesture,
// CShincyokuGesture, CKoumokuGesture); what they share with this one is the sub-state and the
// hand-over.
// The steps:
//
// - sub-state 0, a left press in a zone the function accepts (the chart area, for shapes the
//   item area too): the view captures the mouse (and scrolls on while the pointer is outside),
//   the start, last and previous points are stored, the feedback is not drawn, sub-state 1;
// - sub-state 1, a left release (or, outside the draw operation, a move with the left button):
//   the function picks; nothing found, or a right release, ends the gesture;
// - the placing sub-states (2 to the last the function names): nothing is done while part of
//   the window waits for a repaint, so that no feedback is inverted over a pending paint; a move
//   erases the feedback, scrolls for the pointer, stores the last point and draws it again; a
//   left press or release away from the start goes to the next sub-state (at the start the
//   functions that say so beep); a right release steps back one sub-state, or in the first
//   placing sub-state cancels: the feedback erased, the half-made object dropped, the saved
//   operation restored, sub-state 0, the capture released;
// - after the last placing sub-state: the feedback erased, the undo history emptied so that it
//   holds this step alone, the commit, the saved operation restored, sub-state 0, the capture
//   released.
//
// Only the view that holds the capture finishes a gesture; a sub-state met without a gesture of
// this view behind it (left over from another) is reset to 0. A gesture also ends, as a cancel
// does, when the mode or operation is changed under it or its view closes.
//
// The hand-over: an edit function, dragging an object that is already selected, saves its
// operation, switches to copy, move or deform with the sub-state that operation expects and
// posts a move with the left button at the start point; the function of that operation takes
// the gesture (and the capture) over at that move and, when it ends, the edit operation is back.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CDC;
class CMouseEvent;
class COperationState;
class CTembraDoc;
class CTembraView;
class IViewHost;

class CEditGesture {
public:
    static constexpr WORD kFirstPlacing = 2;

    // lastPlacing: the last of the placing sub-states (2 or more).
    explicit CEditGesture(CTembraView& view, WORD lastPlacing = kFirstPlacing);
    virtual ~CEditGesture();
    CEditGesture(const CEditGesture&) = delete;
    CEditGesture& operator=(const CEditGesture&) = delete;

    // One mouse event of the view's record (logical units); non-zero when taken.
    BOOL Run(CDC* dc);
    // Whether this gesture holds the view's capture now.
    bool IsActive() const { return m_active; }
    bool IsFeedbackDrawn() const { return m_drawn; }
    // Whether the document's mode and operation are those the gesture runs under.
    bool RunsUnder(const COperationState& state) const;
    // Ends the gesture as a cancel does, without restoring a saved operation (the mode or
    // operation was just chosen anew); dc null: nothing is drawn (the view is going).
    void Abort(CDC* dc);

    // The selection rule of a click on empty space: whether the selection is cleared first.
    static bool ClearsSelection(LONG multiEdit, bool ctrl) { return (multiEdit == 0) != ctrl; }

protected:
    // Whether a press in the zone begins a gesture (CPageLayout zones).
    virtual bool AcceptsZone(int zone) const;
    // Sub-state 1: picks at the start point (and the current one); the placing sub-state to go
    // on in, or 0 when nothing was found. May hand the gesture over instead (HandOver).
    virtual WORD Pick(CDC* dc) = 0;
    // Inverts the feedback of the last point (drawn twice, it is gone).
    virtual void DrawFeedback(CDC* dc) = 0;
    // The document operation of the finished gesture (the undo history is empty before it).
    virtual void Commit(CDC* dc) = 0;
    // Drops the half-made object and takes back a selection the gesture made.
    virtual void Discard() {}
    // Whether a click at the start point beeps (the shape functions).
    virtual bool BeepsAtStart() const { return false; }

    // Hands the gesture over to the operation (copy, move, deform) at the sub-state it expects.
    void HandOver(CDC* dc, LONG operation, WORD state);

    CTembraView& View() const { return m_view; }
    CTembraDoc& Doc() const;
    CMouseEvent& Mouse() const;
    IViewHost& Host() const;

private:
    void Begin();
    void Adopt();
    // The sub-state left without a gesture behind it goes back to 0.
    BOOL ResetStray();
    BOOL RunPressed(CDC* dc);
    BOOL RunPlacing(CDC* dc);
    void EraseFeedback(CDC* dc);
    void Detach();
    void Finish(CDC* dc);
    void Cancel(CDC* dc);
    void EndCapture();

    CTembraView& m_view;
    WORD m_lastPlacing;
    bool m_active = false;
    bool m_drawn = false;
    bool m_pickOnDrag = false;
    LONG m_mode = 0;
    LONG m_operation = 0;
};

} // namespace tembra
