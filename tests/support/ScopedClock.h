// Fixes the program's clock for the life of the guard.
#pragma once

#include "platform/Time.h"

namespace tembra::test {

class ScopedClock {
public:
    explicit ScopedClock(CTime now) { Clock::SetFixedNow(now); }
    ~ScopedClock() { Clock::SetFixedNow(std::nullopt); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    // Moves the fixed "now" (time passing inside a test).
    void Set(CTime now) { Clock::SetFixedNow(now); }
};

} // namespace tembra::test
