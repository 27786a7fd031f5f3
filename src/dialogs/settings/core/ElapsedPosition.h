// Positions of an elapsed-day chart as the user types them: "第 M 月 D 日" with a time of day.
// The base date B is month 1 day 1, a month holds L days, the day before B is month -1 day L
// and there is no month 0. Offsets are whole days from B, kept inside the supported dates.
#pragma once

#include "platform/Time.h"

#include <cstdint>

namespace tembra {

// A typed elapsed-day point: month, day, hour and minute as the fields show them.
struct ElapsedPoint {
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;

    bool operator==(const ElapsedPoint&) const = default;
};

class CElapsedScale {
public:
    // monthLength outside 1..31 is taken as the nearest end, so a broken setting never divides
    // by zero.
    CElapsedScale(const CTime& base, int monthLength);

    const CTime& GetBase() const { return m_base; }
    int GetMonthLength() const { return m_length; }
    std::int64_t GetLowestOffset() const { return m_lowest; }
    std::int64_t GetHighestOffset() const { return m_highest; }

    // The point that shows the date. Days are counted down to the day that holds the date, so
    // a time of day before B shows on the day before B with a non-negative hour.
    ElapsedPoint Display(const CTime& date) const;
    // Brings a typed point into shape (day below 1 and month 0 become 1, hours and minutes
    // carry, the offset stays inside the supported dates) and returns its date.
    CTime Normalise(ElapsedPoint& point) const;
    // The month and day of a day offset (hour and minute left as they are).
    void SetOffset(ElapsedPoint& point, std::int64_t offset) const;
    std::int64_t ClampOffset(std::int64_t offset) const;

    // The arrows of the month and day fields, before the normalisation.
    void StepMonth(ElapsedPoint& point, int delta) const;
    void StepDay(ElapsedPoint& point, int delta) const;

private:
    CTime m_base;
    int m_length = 30;
    std::int64_t m_lowest = 0;
    std::int64_t m_highest = 0;
};

} // namespace tembra
