// The mouse of the term mode: the draw operation attaches the term bar's text to the process line
// or node clicked (a free term with a lead line takes a second click for its text's place), the
// edit operation picks terms by a click or a band and hands a drag of a picked one to the move,
// and the copy and move operations carry the selected terms of one process to the process
// clicked or dropped on. What it changes in a process is done on a copy that replaces it, so
// that one undo gives it back. The view owns one and hands it the mouse events of those
// operations (YogoGestureDraw.cpp, YogoGestureEdit.cpp, YogoGestureMove.cpp; the inverted lead
// line and box in YogoGesture.cpp).
#pragma once

#include "platform/Types.h"

#include <memory>
#include <optional>

namespace tembra {

class CDC;
class CKoutei;
class CMouseEvent;
class CPageLayout;
class CTembraDoc;
class CTembraView;
class CYogo;
class IViewHost;

class CYogoGesture {
public:
    // The sub-states of the term operations, which the status-bar guide reads from the
    // operation.
    enum class Step : WORD {
        Idle = 0,       // waiting for a press
        Pressed = 1,    // the button is down: its release (or a drag) picks
        Placing = 2,    // the lead line and the box follow the pointer
        Placed = 3,     // a click at the place waits for its release
        Band = 4,       // the edit operation's band follows the pointer
        BandClosed = 5, // the band was closed by a click
    };

    explicit CYogoGesture(CTembraView& view);
    CYogoGesture(const CYogoGesture&) = delete;
    CYogoGesture& operator=(const CYogoGesture&) = delete;
    ~CYogoGesture();

    // The draw, edit and carrying operations; non-zero when the event was taken.
    BOOL Draw(CDC* dc);
    BOOL Edit(CDC* dc);
    BOOL CopyMove(CDC* dc);
    // The mode or operation was chosen anew under the gesture: its band and feedback erased,
    // the process its pick selected deselected again, nothing held (the capture stays for the
    // view to release).
    void Abort(CDC* dc);
    // The lead line and box drawn again after a paint wiped them (the draw, edit, copy and move
    // operations of the term mode only).
    void RedrawFeedback(CDC* dc);
    bool IsFeedbackDrawn() const { return m_drawn; }

private:
    // What of the carried term's process was selected before a drag's hand-over selected the
    // term's owner part instead: put back when the drag ends without carrying the term.
    struct OwnerSelection {
        bool process = false;
        bool line = false;
        bool start = false;
        bool end = false;
    };

    CTembraDoc& Doc() const;
    CMouseEvent& Mouse() const;
    CPageLayout& Layout() const;
    IViewHost& Host() const;
    void SetStep(Step step) const;
    // A left press in the chart or the process area: the capture taken, the points stored.
    bool Press();
    void End(bool restore);
    BOOL DrawPicked(CDC* dc);
    BOOL DrawPlace(CDC* dc);
    void DrawFinish();
    void DrawCancel(CDC* dc);
    BOOL EditPressed(CDC* dc);
    BOOL EditBand(CDC* dc);
    BOOL MovePick(CDC* dc);
    BOOL MovePlace(CDC* dc);
    void MoveFinish(CDC* dc);
    // The term the feedback shows: the new one, or the carried one.
    const CYogo* FeedbackYogo() const;
    // The lead line from the start point to the last point and the term's box at the last point,
    // inverted.
    void InvertFeedback(CDC* dc);
    // show false erases the feedback when it is drawn; true makes it follow the pointer. Non-zero
    // when it drew.
    BOOL DrawFeedback(CDC* dc, bool show);

    CTembraView& m_view;
    // The picked process (the carry's source), the new term of a draw, the carry's target and
    // the carried term with a lead-out point (its index in the source).
    CKoutei* m_process = nullptr;
    std::unique_ptr<CYogo> m_newYogo;
    CKoutei* m_target = nullptr;
    int m_index = -1;
    bool m_drawn = false;
    // Whether the carry was handed over by a drag, and whether its target was selected by its
    // pick.
    bool m_dragged = false;
    bool m_targetSelected = false;
    std::optional<OwnerSelection> m_ownerBefore;
    BOOL m_bandDrawn = FALSE;
};

} // namespace tembra
