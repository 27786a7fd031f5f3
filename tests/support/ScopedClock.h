// Fixes the program's clock for the life of the guard; the clock the test ran with (the suite's
// day, or none) comes back after it.
#pragma once

#include "platform/Time.h"

#include <optional>

namespace tembra::test {

class ScopedClock {
public:
    explicit ScopedClock(CTime now) : m_before(Clock::FixedNow()) { Clock::SetFixedNow(now); }
    ~ScopedClock() { Clock::SetFixedNow(m_before); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    // Moves the fixed "now" (time passing inside a test).
    void Set(CTime now) { Clock::SetFixedNow(now); }

private:
    std::optional<CTime> m_before;
};

} // namespace tembra::test
