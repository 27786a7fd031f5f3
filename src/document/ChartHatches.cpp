// The hatchings of row bands and date ranges: creation, clipping against a cleared region, and
// following the rows and dates that the chart's row and column edits delete or insert.
#include "document/ChartHatches.h"

#include <new>

namespace tembra {

namespace {

// Modes of ClipHatch: the kinds of hatching.
constexpr int kClipRows = CKtkmHatch::kRowBand;
constexpr int kClipDates = CKtkmHatch::kDateBand;
constexpr int kClipCells = CKtkmHatch::kKoumokuCells;

void ShiftRows(CKtkmHatch& hatch, int rows) {
    hatch.SetFirstRow(hatch.GetFirstRow() + rows);
    hatch.SetLastRow(hatch.GetLastRow() + rows);
}

void ShiftDates(CKtkmHatch& hatch, const CTimeSpan& delta) {
    hatch.SetStartDate(hatch.GetStartDate() + delta);
    hatch.SetEndDate(hatch.GetEndDate() + delta);
}

} // namespace

// ---- Records ------------------------------------------------------------------------------------

std::unique_ptr<CKtkmHatch> CChartHatches::CreateHatch(WORD kind, WORD pattern, COLORREF color,
                                                       const CTime& start, const CTime& end,
                                                       int firstRow, int lastRow, LONG firstColumn,
                                                       LONG lastColumn) {
    std::unique_ptr<CKtkmHatch> hatch(new (std::nothrow) CKtkmHatch);
    if (hatch == nullptr) {
        return nullptr;
    }
    hatch->SetKind(kind);
    hatch->SetPattern(pattern);
    hatch->SetColor(color);
    hatch->SetStartDate(start);
    hatch->SetEndDate(end);
    hatch->SetFirstRow(firstRow);
    hatch->SetLastRow(lastRow);
    hatch->SetFirstColumn(firstColumn);
    hatch->SetLastColumn(lastColumn);
    return hatch;
}

void CChartHatches::RecordHatchChange(std::unique_ptr<CKtkmHatch> before, CKtkmHatch* after) {
    // The old area and the new one are redrawn; the history keeps the old state (or it goes).
    m_notifier.RedrawObject(before.get());
    m_notifier.RedrawObject(after);
    if (m_undo.AddChange(before.get(), after) != 0) {
        before.release();
    }
}

void CChartHatches::RecordHatchAdded(CKtkmHatch* hatch) {
    m_notifier.RedrawObject(hatch);
    m_undo.AddNew(hatch);
}

void CChartHatches::RemoveHatchAt(POSITION pos) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    std::unique_ptr<CKtkmHatch> hatch(list.GetAt(pos));
    POSITION after = pos;
    list.GetNext(after);
    const CKtkmHatch* next = list.GetAt(after);
    list.RemoveAt(pos);
    m_notifier.RedrawObject(hatch.get());
    // Recorded with its place: undo puts it back in its order among the hatchings.
    if (m_undo.AddDeleteAt(hatch.get(), next) != 0) {
        hatch.release();
    }
}

// ---- Clipping -----------------------------------------------------------------------------------

int CChartHatches::ClipHatch(CKtkmHatch* hatch, POSITION pos, int mode, const CTime& start,
                             const CTime& end, int firstRow, int lastRow, LONG firstColumn,
                             LONG lastColumn) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    if (hatch == nullptr || list.GetAt(pos) != hatch) {
        return kHatchUntouched;
    }
    // The second half of a split: a copy of the hatching, listed right after it before the
    // hatching itself is cut, so that a split that cannot be made leaves it untouched.
    const auto split = [&](auto cutRest, auto cutHatch) {
        std::unique_ptr<CKtkmHatch> rest = hatch->Clone();
        if (rest == nullptr) {
            return kHatchUntouched;
        }
        cutRest(*rest);
        try {
            list.InsertAfter(pos, rest.get());
        } catch (const std::bad_alloc&) {
            return kHatchUntouched;
        }
        rest.release();
        cutHatch(*hatch);
        return kHatchSplit;
    };

    const int a = firstRow;
    const int b = lastRow;
    const int r1 = hatch->GetFirstRow();
    const int r2 = hatch->GetLastRow();
    switch (mode) {
    case kClipRows:
        if (a <= r1 && r2 <= b) {
            RemoveHatchAt(pos);
            return kHatchRemoved;
        }
        if (r1 <= a && a <= r2 && r2 <= b) {
            hatch->SetLastRow(a - 1);
            return kHatchCut;
        }
        if (r1 <= b && b <= r2 && a <= r1) {
            hatch->SetFirstRow(b + 1);
            return kHatchCut;
        }
        if (r1 < a && b < r2) {
            return split([&](CKtkmHatch& rest) { rest.SetFirstRow(b + 1); },
                         [&](CKtkmHatch& kept) { kept.SetLastRow(a - 1); });
        }
        return kHatchUntouched;
    case kClipDates: {
        // Dates are points in time: the parts meet the cleared range exactly.
        const CTime d1 = hatch->GetStartDate();
        const CTime d2 = hatch->GetEndDate();
        if (start <= d1 && d2 <= end) {
            RemoveHatchAt(pos);
            return kHatchRemoved;
        }
        if (d1 < start && start < d2 && d2 <= end) {
            hatch->SetEndDate(start);
            return kHatchCut;
        }
        if (start <= d1 && d1 < end && end < d2) {
            hatch->SetStartDate(end);
            return kHatchCut;
        }
        if (d1 < start && end < d2) {
            return split([&](CKtkmHatch& rest) { rest.SetStartDate(end); },
                         [&](CKtkmHatch& kept) { kept.SetEndDate(start); });
        }
        return kHatchUntouched;
    }
    case kClipCells:
        // A block of cells goes only as a whole.
        if (a <= r1 && r2 <= b && firstColumn <= hatch->GetFirstColumn() &&
            hatch->GetLastColumn() <= lastColumn) {
            RemoveHatchAt(pos);
            return kHatchRemoved;
        }
        return kHatchUntouched;
    default:
        return kHatchUntouched;
    }
}

void CChartHatches::ClipHatches(int kind, const CTime& start, const CTime& end, int firstRow,
                                int lastRow, LONG firstColumn, LONG lastColumn) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKtkmHatch* hatch = list.GetNext(pos);
        if (hatch->GetKind() != kind) {
            continue;
        }
        std::unique_ptr<CKtkmHatch> before = hatch->Clone();
        if (before == nullptr) {
            return;
        }
        const int result =
            ClipHatch(hatch, current, kind, start, end, firstRow, lastRow, firstColumn, lastColumn);
        if (result == kHatchCut || result == kHatchSplit) {
            RecordHatchChange(std::move(before), hatch);
        }
        if (result == kHatchSplit) {
            POSITION rest = current;
            list.GetNext(rest);
            RecordHatchAdded(list.GetAt(rest));
        }
    }
}

// ---- Row and date edits -------------------------------------------------------------------------

template <class Clip, class StartsInside, class Shift>
void CChartHatches::HatchesDeleted(WORD kind, BOOL clearOnly, Clip clip, StartsInside startsInside,
                                   Shift shift) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKtkmHatch* hatch = list.GetNext(pos);
        if (hatch->GetKind() != kind) {
            continue;
        }
        std::unique_ptr<CKtkmHatch> before = hatch->Clone();
        if (before == nullptr) {
            return;
        }
        const int result = clip(hatch, current);
        // What lay after the deleted rows or dates closes up, unless they were only cleared.
        const auto follows = [&](const CKtkmHatch& h) { return !clearOnly && startsInside(h); };
        switch (result) {
        case kHatchCut:
            if (follows(*hatch)) {
                shift(*hatch);
            }
            RecordHatchChange(std::move(before), hatch);
            break;
        case kHatchUntouched:
            if (follows(*hatch)) {
                shift(*hatch);
                RecordHatchChange(std::move(before), hatch);
            }
            break;
        case kHatchSplit: {
            RecordHatchChange(std::move(before), hatch);
            POSITION at = current;
            list.GetNext(at);
            CKtkmHatch* rest = list.GetAt(at);
            if (follows(*rest)) {
                shift(*rest);
            }
            RecordHatchAdded(rest);
            break;
        }
        default:
            break; // removed
        }
    }
}

template <class StartsBefore, class Reaches, class Stretch, class Clip, class Shift>
void CChartHatches::HatchesInserted(WORD kind, StartsBefore startsBefore, Reaches reaches,
                                    Stretch stretch, Clip clip, Shift shift) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKtkmHatch* hatch = list.GetNext(pos);
        if (hatch->GetKind() != kind) {
            continue;
        }
        std::unique_ptr<CKtkmHatch> before = hatch->Clone();
        if (before == nullptr) {
            return;
        }
        if (!startsBefore(*hatch)) {
            shift(*hatch);
            RecordHatchChange(std::move(before), hatch);
            continue;
        }
        if (!reaches(*hatch)) {
            continue; // wholly before the inserted ones
        }
        // Stretched over the inserted rows or dates, then split around them.
        stretch(*hatch);
        const int result = clip(hatch, current);
        RecordHatchChange(std::move(before), hatch);
        if (result == kHatchSplit) {
            POSITION at = current;
            list.GetNext(at);
            RecordHatchAdded(list.GetAt(at));
        }
    }
}

void CChartHatches::RowHatchesDeleted(BOOL clearOnly, int first, int last) {
    const int rows = last - first + 1;
    HatchesDeleted(
        CKtkmHatch::kRowBand, clearOnly,
        [&](CKtkmHatch* hatch, POSITION pos) {
            return ClipHatch(hatch, pos, kClipRows, CTime(), CTime(), first, last, 0, 0);
        },
        [&](const CKtkmHatch& hatch) { return hatch.GetFirstRow() >= first; },
        [&](CKtkmHatch& hatch) { ShiftRows(hatch, -rows); });
}

void CChartHatches::RowHatchesInserted(int first, int last) {
    const int rows = last - first + 1;
    HatchesInserted(
        CKtkmHatch::kRowBand, [&](const CKtkmHatch& hatch) { return hatch.GetFirstRow() < first; },
        [&](const CKtkmHatch& hatch) { return hatch.GetLastRow() >= first; },
        [&](CKtkmHatch& hatch) { hatch.SetLastRow(hatch.GetLastRow() + rows); },
        [&](CKtkmHatch* hatch, POSITION pos) {
            return ClipHatch(hatch, pos, kClipRows, CTime(), CTime(), first, last, 0, 0);
        },
        [&](CKtkmHatch& hatch) { ShiftRows(hatch, rows); });
}

void CChartHatches::DateHatchesDeleted(BOOL clearOnly, const CTime& start, const CTime& end) {
    const CTimeSpan delta = end - start;
    HatchesDeleted(
        CKtkmHatch::kDateBand, clearOnly,
        [&](CKtkmHatch* hatch, POSITION pos) {
            return ClipHatch(hatch, pos, kClipDates, start, end, 0, 0, 0, 0);
        },
        [&](const CKtkmHatch& hatch) { return hatch.GetStartDate() >= start; },
        [&](CKtkmHatch& hatch) { ShiftDates(hatch, -delta); });
}

void CChartHatches::DateHatchesInserted(const CTime& start, const CTime& end) {
    const CTimeSpan delta = end - start;
    HatchesInserted(
        CKtkmHatch::kDateBand,
        [&](const CKtkmHatch& hatch) { return hatch.GetStartDate() < start; },
        [&](const CKtkmHatch& hatch) { return hatch.GetEndDate() > start; },
        [&](CKtkmHatch& hatch) { hatch.SetEndDate(hatch.GetEndDate() + delta); },
        [&](CKtkmHatch* hatch, POSITION pos) {
            return ClipHatch(hatch, pos, kClipDates, start, end, 0, 0, 0, 0);
        },
        [&](CKtkmHatch& hatch) { ShiftDates(hatch, delta); });
}

} // namespace tembra
