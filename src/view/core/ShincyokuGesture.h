// Progress lines with the mouse, in the draw and the edit operation of the progress mode: a click
// on empty chart (draw) starts a new line, a click on a line reshapes a copy of it; each click
// fixes the date of a row, the stretch at the pointer follows inverted, a double click commits the
// copy in the place of its source in one undo step, a right click drops it. In the edit operation
// a click on a line asks what to do with it (erase, draw, attributes). The copy being edited
// stands at the tail of the document's list of progress lines while the gesture runs. The view
// owns one and hands it the mouse events of those operations.
#pragma once

#include "document/ObList.h"
#include "model/ChartPos.h"
#include "platform/Types.h"

#include <optional>

namespace tembra {

class CDC;
class CShincyoku;
class CTembraDoc;
class CTembraView;

class CShincyokuGesture {
public:
    // The sub-states of the gesture, which the status-bar guide reads from the operation.
    enum class Step : WORD {
        Idle = 0,         // waiting for a press
        Pressed = 1,      // its release picks a line or starts one
        Placing = 2,      // the stretch of the row at the pointer follows it
        PointPressed = 3, // a click fixes the row's date at its release
    };

    explicit CShincyokuGesture(CTembraView& view);
    CShincyokuGesture(const CShincyokuGesture&) = delete;
    CShincyokuGesture& operator=(const CShincyokuGesture&) = delete;

    // One mouse event of the view's record; non-zero when taken.
    BOOL Track(CDC* dc);
    // The copy being edited taken out of the document (every view redrawn where it stood), its
    // source deselected.
    void Discard();
    // The view closes: the copy goes from the document's list without a redraw.
    void DropCopy();
    // The stretch drawn again after a paint covered it.
    void Redraw(CDC* dc);
    // The row whose stretch the feedback shows when line is the copy being edited and the
    // feedback is drawn (the paint leaves that row out of the line).
    std::optional<int> FeedbackRow(const CShincyoku* line) const;
    const CShincyoku* GetEditedLine() const { return m_line; }
    bool IsFeedbackShown() const { return m_shown; }

private:
    CTembraDoc& Doc() const;
    void SetStep(Step step) const;
    BOOL Pressed(CDC* dc);
    BOOL Placing(CDC* dc);
    void AskEdit(CShincyoku* line, POSITION pos);
    void Commit();
    void EraseFeedback(CDC* dc);

    CTembraView& m_view;
    // The copy being drawn or reshaped, the line it was copied from (none for a new one), the
    // tracked row and date, and whether the feedback is drawn.
    CShincyoku* m_line = nullptr;
    POSITION m_sourcePos = nullptr;
    CChartPos m_track;
    bool m_shown = false;
};

} // namespace tembra
