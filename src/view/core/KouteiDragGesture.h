// The drag of the selected processes in the copy and move operations of the process mode (and
// in the edit operation, which switches to them while a selection is dragged): press, drag or
// release and move, release or click at the target. The feedback is inverted on the window; in
// a calendar-day chart whose selection holds calendar-day processes the document itself is
// moved at each step from reference copies (so that holidays and links show as the commit will
// leave them) and put back before the commit or at a cancel. The view owns one and hands it the
// mouse events of those operations.
#pragma once

#include "document/HolidayUse.h"
#include "document/ObList.h"
#include "model/ChartPos.h"
#include "model/KouteiDrag.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace tembra {

class CDC;
class CKoutei;
class CTembraDoc;
class CTembraView;

class CKouteiDragGesture {
public:
    // The drag's sub-states, which the status-bar guide reads from the operation.
    enum class Step : WORD {
        Idle = 0,     // waiting for a press
        Pressed = 1,  // the button is down, nothing taken yet
        Dragging = 2, // the taken processes follow the pointer
        Placed = 3,   // a click at the target waits for its release
    };

    explicit CKouteiDragGesture(CTembraView& view);
    CKouteiDragGesture(const CKouteiDragGesture&) = delete;
    CKouteiDragGesture& operator=(const CKouteiDragGesture&) = delete;
    ~CKouteiDragGesture();

    // One mouse event of the view's record; non-zero when taken.
    BOOL Track(CDC* dc);
    // Ends the drag from outside: the feedback drawn for the operation erased, a previewed move
    // put back (the undo history emptied), nothing held any more.
    void Abort(CDC* dc, LONG operation);
    // A previewed move goes back into the document (the view closes).
    void PutBack();

    // The tracked span (the anchor at the press and where the pointer carries it), the drag
    // record, the holiday use of the selection and whether the feedback is drawn (the tests
    // read them).
    const CChartPos& GetSpan() const { return m_span; }
    const CKouteiDrag& GetDrag() const { return m_drag; }
    HolidayUse GetRefKind() const { return m_refKind; }
    bool IsFeedbackDrawn() const { return m_drawn; }

private:
    // A reference copy of a selected process: where it stands in the selection, the process
    // there now and the copy it goes back to.
    struct RefLine {
        POSITION pos = nullptr;
        CKoutei* current = nullptr;
        std::unique_ptr<CKoutei> copy;
    };

    CTembraDoc& Doc() const;
    void SetStep(Step step) const;
    BOOL Begin();
    BOOL Pressed(CDC* dc);
    BOOL Dragging(CDC* dc);
    void Commit(CDC* dc);
    void Cancel();
    // Whether the document itself shows each step of the move (see the top of the file).
    bool Previews(LONG operation) const;
    // The inverted feedback (drawn twice, it is gone).
    void DrawFeedback(CDC* dc, LONG operation);
    void DrawFreeFeedback(CDC* dc, LONG operation, CTimeSpan offset, int rows, bool plainMove);
    void EraseFeedback(CDC* dc);
    // The reference copies of the selected processes restored before each preview step.
    void SaveRefLines(CTembraDoc& doc);
    void RestoreRefLines(CTembraDoc& doc);
    void FreeRefLines();

    CTembraView& m_view;
    CChartPos m_span;
    CKouteiDrag m_drag;
    // How far the tracked span's anchor (the node or bend row that moves) lies from the date and
    // row under the press: the pointer carries the anchor by its own offset since the press, so
    // that a process taken anywhere on its line moves by the drag and never jumps to the pointer.
    CTimeSpan m_grabDate;
    int m_grabRows = 0;
    CKoutei* m_picked = nullptr;
    std::vector<RefLine> m_refLines;
    std::size_t m_refPicked = 0;
    HolidayUse m_refKind = HolidayUse::Unknown;
    bool m_drawn = false;
    // The position dialog was cancelled on a press: its release is not the user's next click.
    bool m_swallowRelease = false;
    // The frame of a selection of several objects, measured once unless the preview moves it.
    std::optional<CChartPos> m_extent;
    CRect m_extentRect;
};

} // namespace tembra
