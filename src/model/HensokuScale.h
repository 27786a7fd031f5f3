// The day scale of the displayed period: one entry per day (in hour mode per hour) with the
// width factor the irregular periods give that day, and whether the item table draws a date
// column and ruled lines for it. Display state, rebuilt whenever the period, the calendar or
// the periods change; never stored.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <memory>
#include <vector>

namespace tembra {

class CCalendar;
class CHensoku;

class CHensokuScale {
public:
    struct Entry {
        double factor = 1.0;
        short dateColumn = 1;
        short ruledLine = 1;
    };

    // Entries a table may have: a period of 4000 days and the day after it.
    static constexpr int kMaxEntries = 4001;

    CHensokuScale() = default;
    CHensokuScale(const CHensokuScale& other);
    CHensokuScale& operator=(const CHensokuScale& other);
    virtual ~CHensokuScale();

    // Builds the table over [start, end] from the periods (nullptr: those of the last build)
    // and the calendar. Returns 1 when a period changed at least one entry; otherwise 0 and no
    // table, and the axis is linear. More than 4001 entries are refused with a message.
    int Build(const CTime& start, const CTime& end, const CCalendar* calendar,
              const CHensoku* periods);
    // Build over the stored start and end with the periods of the last build.
    int Rebuild(const CCalendar* calendar);

    BOOL IsBuilt() const { return m_pEntries != nullptr; }
    BOOL IsHourMode() const { return m_hourMode; }

    // Width factor of the day (hour) that holds the time: 1.0 (24.0 in hour mode) without a
    // table or outside it.
    double GetFactor(const CTime& time) const;
    // Sum of the factors of the days (hours) from from while before to; 0 when to <= from.
    double GetSpanWidth(const CTime& from, const CTime& to) const;
    // Position of a time on the scaled axis, in days from the start.
    double DateToUnits(const CTime& time) const;
    // The inverse: a position in days to an offset in days from the start.
    double UnitsToDate(double units) const;
    // Date-column flag (0 without a table or outside it) and ruled-line flag (-1 then).
    short GetDayFlag(const CTime& time) const;
    short GetDayGroup(const CTime& time) const;

    const CHensoku* GetHensoku() const { return m_pHensoku; }
    const CTime& GetStart() const { return m_start; }
    const CTime& GetEnd() const { return m_end; }
    int GetCount() const { return m_count; }

private:
    void FreeTable();
    // Index of the entry of a time, or -1 outside the table.
    int IndexOf(const CTime& time) const;
    std::int64_t UnitSeconds() const { return m_hourMode ? 3600 : 86400; }

    const CHensoku* m_pHensoku = nullptr;
    CTime m_start;
    CTime m_end;
    std::unique_ptr<Entry[]> m_pEntries;
    int m_count = 0;
    BOOL m_hourMode = FALSE;
    // m_prefix[i]: the sum of the factors of entries 0..i-1 (count + 1 values).
    std::vector<double> m_prefix;
    // True when no factor is negative, so that m_prefix never falls.
    bool m_monotone = true;
};

} // namespace tembra
