// Moving a process in time and rows: the document's move, stretch and re-dating commands move
// each process, or its selected nodes, through here.
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/KouteiDrag.h"
#include "model/Utility.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

namespace {

constexpr int kMaxRow = 9999;

CTime ClampToSupportedDates(const CTime& date) {
    return std::clamp(date, GetMinDate(), GetMaxDate());
}

WORD MovedRow(int row, int rows) {
    return static_cast<WORD>(std::clamp(row + rows, 0, kMaxRow));
}

// A relation line's spare days are its whole working span, never negative.
void SpareAsSpan(CKoutei& koutei, const IKouteiDocument* document) {
    const CTimeSpan span = koutei.CalcSpan(document, TRUE);
    koutei.SetSpareDays(std::max(span, CTimeSpan()));
}

} // namespace

int CKoutei::MoveBy(const IKouteiDocument* document, CTimeSpan offset, int rows,
                    const CKouteiDrag* drag, KouteiMoveFlags how) {
    const bool selectedOnly = Holds(how, KouteiMoveFlags::SelectedOnly);
    const bool withoutCalendar = Holds(how, KouteiMoveFlags::WithoutCalendar);
    const bool adjustSpare = Holds(how, KouteiMoveFlags::AdjustSpare);
    if (IsRelationLine() != 0) {
        SpareAsSpan(*this, document);
    }
    const CCalendar* calendar = nullptr;
    if (document != nullptr && document->GetHolidayAuto() != 0 && !withoutCalendar) {
        calendar = document->GetCalendar();
    }
    if (selectedOnly && IsLinesSelected() == 0) {
        return 0;
    }

    // The date an end moves to: by working time through the calendar, off the holidays, unless
    // the drag pins its date; never out of the supported range.
    const auto moved = [&](const CTime& date) {
        if (calendar == nullptr || (drag != nullptr && drag->PinsDate(date))) {
            return ClampToSupportedDates(date + offset);
        }
        const CTime reached = ClampToSupportedDates(date + calendar->AddWorkTime(date, offset));
        return ClampToSupportedDates(
            CTime(calendar->SkipHolidays(reached.GetTime(), GetMaxDate().GetTime())));
    };
    const bool adjust = adjustSpare && GetAdjustMark() == 0;
    const bool zero = offset == CTimeSpan();
    int result = 0;

    if (!selectedOnly || IsStartLandSelected() != 0) {
        if (!zero) {
            SetStartDate(moved(GetStartTime()));
        }
        if (adjust && IsEndLandSelected() == 0) {
            m_spareDays -= offset;
        }
        SetStartRow(MovedRow(GetStartRow(), rows));
        result = 1;
    }
    if (!selectedOnly || IsEndLandSelected() != 0) {
        if (!zero) {
            SetEndDate(moved(GetEndTime()));
        }
        if (adjust && IsStartLandSelected() == 0) {
            m_spareDays += offset;
        }
        SetEndRow(MovedRow(GetEndRow(), rows));
        result = 1;
    }
    if (selectedOnly && GetAdjustMark() != 0 && IsStartLandSelected() == 0 &&
        IsEndLandSelected() == 0) {
        m_spareDays -= offset;
    }

    if (IsRelationLine() != 0) {
        SpareAsSpan(*this, document);
    }
    m_spareDays = std::max(m_spareDays, CTimeSpan());
    return result;
}

} // namespace tembra
