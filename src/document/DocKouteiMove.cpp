// Moving the selected processes by a time and a row offset: each is replaced by a moved copy, the
// pair recorded for undo.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// How the selection's dates move: plain time for calendar-day processes only, otherwise working
// time (ClassifyHolidayUse gives 2 for working-day processes only and 3 for both kinds).
constexpr int kLinkCalendarDays = 1;
constexpr int kLinkWorkingDays = 2;

bool IsPoint(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

} // namespace

void CTembraDoc::MoveKoutei(CTimeSpan offset, int rows, [[maybe_unused]] int operation,
                            const CChartPos* reference, BOOL adjustSpare,
                            [[maybe_unused]] int mode) {
    if (GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();
    const int linkMode =
        m_syokiSet.GetNobeMode() != 0 ? kLinkWorkingDays : ClassifyHolidayUse(nullptr);
    IKouteiDocument& seam = m_seams.Koutei();

    ForEachSelected([&](POSITION pos, CDataHeader* object) {
        CKoutei* old = AsKoutei(object);
        if (old == nullptr) {
            return;
        }
        std::unique_ptr<CKoutei> moved = CopyKoutei(old, TRUE);
        if (moved == nullptr) {
            return; // the copy has said why; the others move
        }
        // The pivot mark of a duration change stays with the process it marks, and the process
        // that leaves the lists takes none along.
        moved->SetAdjustMark(old->GetAdjustMark());
        old->SetAdjustMark(0);
        moved->UpdateViews(seam);

        moved->MoveBy(&seam, offset, rows, reference, TRUE,
                      linkMode == kLinkCalendarDays ? TRUE : FALSE, adjustSpare);
        if (IsPoint(*moved)) {
            // Moved onto its other node: the process goes.
            DeleteSelAt(pos);
            return;
        }
        ReplaceSelAt(pos, moved.release(), 0);
    });
}

} // namespace tembra
