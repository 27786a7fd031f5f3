// The hatchings of a chart: row bands, date ranges and blocks of item cells, with their edits.
// A hatching covers rows first..last (kind 1), dates start..end (kind 2) or the item cells of
// rows first..last and item columns first..last (kind 12). Each change is recorded for undo: a
// changed hatching as (clone before the change, hatching), a new one from a split as added, a
// removed one as removed; what changes is redrawn.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ChartUndo.h"
#include "model/KtkmHatch.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

class CChartHatches {
public:
    CChartHatches(CChartObjects& objects, CChartUndo& undo, CChartNotifier& notifier)
        : m_objects(objects), m_undo(undo), m_notifier(notifier) {}
    CChartHatches(const CChartHatches&) = delete;
    CChartHatches& operator=(const CChartHatches&) = delete;

    // A new hatching, and the hatching at pos of the list taken out; each redrawn and recorded
    // (or, unrecorded, deleted).
    void RecordHatchAdded(CKtkmHatch* hatch);
    void RemoveHatchAt(POSITION pos);

    // Results of ClipHatch.
    static constexpr int kHatchRemoved = -1;
    static constexpr int kHatchCut = 0;
    static constexpr int kHatchSplit = 1;
    static constexpr int kHatchUntouched = -2;

    // A new hatching with the nine fields; null when it cannot be made. The caller lists it.
    static std::unique_ptr<CKtkmHatch> CreateHatch(WORD kind, WORD pattern, COLORREF color,
                                                   const CTime& start, const CTime& end,
                                                   int firstRow, int lastRow, LONG firstColumn,
                                                   LONG lastColumn);
    // Clips the hatching at pos of the hatching list against a cleared region in mode 1 (rows
    // first..last), 2 (dates start..end) or 12 (a block of cells): -1 it lay inside and was
    // removed (recorded); 0 one end was cut; 1 it was split, the second half inserted right
    // after it; -2 untouched (also for a position that does not hold the hatching). Rows are
    // whole units and are cut by one; dates are points in time and meet. A cell block is only
    // ever removed. The caller records the change of a cut or split hatching.
    int ClipHatch(CKtkmHatch* hatch, POSITION pos, int mode, const CTime& start, const CTime& end,
                  int firstRow, int lastRow, LONG firstColumn, LONG lastColumn);
    // Clips every hatching of the kind against the region (see ClipHatch), recording the changes.
    void ClipHatches(int kind, const CTime& start, const CTime& end, int firstRow, int lastRow,
                     LONG firstColumn, LONG lastColumn);
    // After rows first..last were cleared (clearOnly) or deleted: the row bands are clipped and,
    // when the rows were deleted, those at or below first move up by the number of rows.
    void RowHatchesDeleted(BOOL clearOnly, int first, int last);
    // After rows first..last were inserted: a band that reaches them is stretched and split
    // around them, one at or below first moves down.
    void RowHatchesInserted(int first, int last);
    // The same for the date ranges, by the time from start to end.
    void DateHatchesDeleted(BOOL clearOnly, const CTime& start, const CTime& end);
    void DateHatchesInserted(const CTime& start, const CTime& end);
    // Puts newHatch in the place of oldHatch in the hatching list (oldHatch null: appends it;
    // newHatch null: takes oldHatch out, to its caller) and redraws both; what undo and redo do
    // with hatchings.
    void ReplaceHatch(CKtkmHatch* oldHatch, CKtkmHatch* newHatch) {
        m_undo.ReplaceHatch(oldHatch, newHatch);
    }
    // The item-cell hatchings (kind 12) after the item cells moved (ChartHatchesKoumoku.cpp). Only
    // hatchings whose columns (rows) lie within the edited columns (rows) and that start at or
    // after the first edited row (column) follow: one wholly inside a cleared or deleted block is
    // removed, the others move by the number of rows (columns) as a whole, except when the
    // block was only cleared.
    void HatchRowsDeleted(BOOL clearOnly, int firstRow, int lastRow, int firstColumn,
                          int lastColumn);
    void HatchRowsInserted(int firstRow, int lastRow, int firstColumn, int lastColumn);
    void HatchColsDeleted(BOOL clearOnly, int firstRow, int lastRow, int firstColumn,
                          int lastColumn);
    void HatchColsInserted(int firstRow, int lastRow, int firstColumn, int lastColumn);

private:
    // The change of a hatching (before: its clone); redrawn and recorded (or, unrecorded,
    // deleted).
    void RecordHatchChange(std::unique_ptr<CKtkmHatch> before, CKtkmHatch* after);
    // The walks of the row and date edits over the hatchings of a kind: clip(hatch, pos) clips
    // against the deleted range; what starts inside it or later moves by shift unless only
    // cleared. An inserted range stretches and splits what starts before it and reaches it, and
    // moves what starts inside it or later.
    template <class Clip, class StartsInside, class Shift>
    void HatchesDeleted(WORD kind, BOOL clearOnly, Clip clip, StartsInside startsInside,
                        Shift shift);
    template <class StartsBefore, class Reaches, class Stretch, class Clip, class Shift>
    void HatchesInserted(WORD kind, StartsBefore startsBefore, Reaches reaches, Stretch stretch,
                         Clip clip, Shift shift);
    // The item-cell hatchings whose range along one axis lies within the edited one and that
    // start at or after the first edited row or column (ChartHatchesKoumoku.cpp).
    template <class Follows, class Shift>
    void KoumokuHatchesMoved(BOOL deleted, BOOL clearOnly, int firstRow, int lastRow,
                             int firstColumn, int lastColumn, Follows follows, Shift shift);

    CChartObjects& m_objects;
    CChartUndo& m_undo;
    CChartNotifier& m_notifier;
};

} // namespace tembra
