#include "dialogs/settings/core/ElapsedPosition.h"

#include "model/Utility.h"

#include <algorithm>

namespace tembra {

namespace {

constexpr std::int64_t kHourSeconds = 3600;
constexpr std::int64_t kMinuteSeconds = 60;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

CElapsedScale::CElapsedScale(const CTime& base, int monthLength)
    : m_base(base), m_length(std::clamp(monthLength, 1, 31)),
      m_lowest((GetMinDate() - base).GetDays()), m_highest((GetMaxDate() - base).GetDays()) {}

std::int64_t CElapsedScale::ClampOffset(std::int64_t offset) const {
    if (offset > 0 && offset > m_highest) {
        return m_highest;
    }
    if (offset < 0 && offset < m_lowest) {
        return m_lowest;
    }
    return offset;
}

void CElapsedScale::SetOffset(ElapsedPoint& point, std::int64_t offset) const {
    const std::int64_t length = m_length;
    std::int64_t month = offset / length;
    std::int64_t day = offset % length;
    if (offset >= 0) {
        ++month;
        ++day;
    } else {
        --month;
        day += length + 1;
        if (day == length + 1) {
            day = 1;
            ++month;
        }
    }
    point.month = static_cast<int>(month);
    point.day = static_cast<int>(day);
}

ElapsedPoint CElapsedScale::Display(const CTime& date) const {
    const std::int64_t seconds = (date - m_base).GetTimeSpan();
    const std::int64_t days = FloorDiv(seconds, kDaySeconds);
    const std::int64_t rest = seconds - days * kDaySeconds;
    ElapsedPoint point;
    point.hour = static_cast<int>(rest / kHourSeconds);
    point.minute = static_cast<int>(rest % kHourSeconds / kMinuteSeconds);
    SetOffset(point, days);
    return point;
}

CTime CElapsedScale::Normalise(ElapsedPoint& point) const {
    std::int64_t month = point.month == 0 ? 1 : point.month;
    std::int64_t day = std::max(point.day, 1);
    if (month > 0) {
        --month;
        --day;
    } else {
        ++month;
        day -= m_length + 1;
    }
    const std::int64_t total = (month * m_length + day) * kDaySeconds + point.hour * kHourSeconds +
                               point.minute * kMinuteSeconds;
    const std::int64_t offset = ClampOffset(FloorDiv(total, kDaySeconds));
    const std::int64_t rest = total - FloorDiv(total, kDaySeconds) * kDaySeconds;
    point.hour = static_cast<int>(rest / kHourSeconds);
    point.minute = static_cast<int>(rest % kHourSeconds / kMinuteSeconds);
    SetOffset(point, offset);
    return m_base + CTimeSpan(offset, point.hour, point.minute, 0);
}

void CElapsedScale::StepMonth(ElapsedPoint& point, int delta) const {
    point.month += delta;
    if (point.month == 0) {
        if (delta > 0) {
            point.month = 1;
        } else {
            point.month = -1;
            point.day = m_length;
        }
    }
}

void CElapsedScale::StepDay(ElapsedPoint& point, int delta) const {
    point.day += delta;
    if (point.day > 0) {
        return;
    }
    if (delta > 0) {
        point.day = 1;
        return;
    }
    point.day = m_length;
    --point.month;
    if (point.month == 0) {
        point.month = -1;
    }
}

} // namespace tembra
