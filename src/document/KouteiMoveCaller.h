// Who asks the document to move the selected processes (CTembraDoc::MoveKoutei and the passes
// of AdjustKoutei that follow it), which decides how the calendar-day processes of the selection
// keep their spans: in a drag one whose start node stays grows by the offset, and one with
// exactly one node selected is the one the user stretches, which the adjustment leaves alone; in
// the change of a duration the first selected process keeps what it was given while the others
// adapt to it. The row edits
// move as a drag does; the date-column edits (DeleteColumns, InsertColumns, PullColumnsEarlier)
// hand their caller on to the move. The values are those the callers have always passed.
#pragma once

namespace tembra {

enum class KouteiMoveCaller : int {
    // A mouse drag, and the row edits of the chart.
    Drag = 1,
    // The change of a duration in days (ChangeKouteiDays).
    Duration = 2,
    // The date-column edits of the Edit menu and of the calendar's changed days.
    Columns = 3,
};

} // namespace tembra
