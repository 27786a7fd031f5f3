// What the calendar's tests share: dates in the chart zone, weekly tables, the file form's
// 32-bit fields, empty holiday stores per test and the shipped holiday set.
#pragma once

#include "model/Calendar.h"
#include "model/HolidayStore.h"
#include "platform/RegKey.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>

namespace tembra::test {

inline CTime Day(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CTime(year, month, day, hour, minute, second);
}

inline constexpr std::int64_t kDay = 86400;

// Weekly tables: 7 weekdays from Sunday x 5 occurrences.
inline std::array<BYTE, kWeeklyTableSize> WeeklyOff(std::initializer_list<int> weekdays) {
    std::array<BYTE, kWeeklyTableSize> table{};
    for (int weekday : weekdays) {
        for (int n = 0; n < 5; ++n) {
            table[static_cast<std::size_t>((weekday - 1) * 5 + n)] = 1;
        }
    }
    return table;
}

inline std::uint32_t Dword(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Every test runs on empty holiday stores in a temporary folder, with scripted message boxes.
class CalendarTest : public ::testing::Test {
protected:
    ScopedPaths paths;
    ScopedUi ui;
};

// The program's own key starts as the copy the program ships.
inline void UseShippedRules() {
    const std::filesystem::path shipped =
        std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / AppRegKeyDefaultPath().filename();
    ASSERT_TRUE(std::filesystem::exists(shipped)) << shipped;
    std::filesystem::copy_file(shipped, AppRegKeyDefaultPath(),
                               std::filesystem::copy_options::overwrite_existing);
}

} // namespace tembra::test
