// The holiday rules as the special holidays dialog (162 "特別休日設定") edits them: the weekly
// days off and the lines of its two lists, read from the holiday store and written back to it.
//
// Each section is read from the store the calendar reads it from (the per-user profile, else the
// program's own key when the profile holds none of it) and written back there, so that the lists
// show what new calendars take. Deleted lines, and the keys of changed lines, leave both stores.
//
// Keys and values (CP932) as the calendar reads them:
//
//   yearly by date      "MMDD"          "kind,name" / "kind,name,first" / "kind,name,,last" /
//   yearly by weekday   "MM" week wd "w"               "kind,name,first,last"
//   specific date       "YYYYMMDD"      "kind,name"
#pragma once

#include "model/HolidayStore.h"
#include "platform/Types.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// One line of a list: a specific date (year > 0) or a yearly rule by date (day > 0) or by the
// week-th weekday (1 Sunday .. 7) of the month.
struct CHolidayEntry {
    static constexpr int kDeleted = -1;
    // What a new line starts with.
    static constexpr int kNewKind = 3;
    // The name holds at most this many CP932 bytes.
    static constexpr std::size_t kNameBytes = 80;

    int year = 0;
    int month = 0;
    int day = 0;
    int week = 0;
    int weekday = 0;
    int kind = kNewKind;
    std::string name;  // CP932
    int firstYear = 0; // 0: none
    int lastYear = 0;  // 0: none

    bool IsSpecific() const { return year > 0; }
    bool ByWeekday() const { return !IsSpecific() && day == 0; }
    // The key it is stored under.
    std::string Key() const;
    // The value stored: a comma of the name is written "，" (it would end the name).
    std::string Value() const;
    // The text of its list line (CP932), e.g. "01-2nd Mon:[祝日]成人の日".
    std::string LineText() const;

    bool operator==(const CHolidayEntry&) const = default;
};

// The list label of a kind: "平日", "祝日", "特別", or "----" for any other (CP932).
std::string HolidayKindLabel(int kind);

// The entry of a stored key and value of the yearly or the specific section; false for a key
// that names no date or rule. A specific key of six digits YYMMDD is of 2000 + YY below 91, else
// of 1900 + YY.
bool ParseYearlyHoliday(std::string_view key, std::string_view value, CHolidayEntry& entry);
bool ParseSpecificHoliday(std::string_view key, std::string_view value, CHolidayEntry& entry);

class CHolidaySettings {
public:
    // Reads the three sections from their stores.
    void Load();
    // Writes the weekly table, then the yearly and the specific lines (those of kind -1 and the
    // keys of changed lines deleted from both stores; every key read is written again under its
    // full form). TRUE when every write went through.
    BOOL Save() const;

    // Row w (0 Sunday .. 6) x week (0 .. 4): non-zero = day off.
    std::array<BYTE, kWeeklyTableSize>& Weekly() { return m_weekly; }
    std::vector<CHolidayEntry>& Yearly() { return m_yearly; }
    std::vector<CHolidayEntry>& Specific() { return m_specific; }

    // A line of a list replaced by the entry of its changed copy: the old key, when it differs,
    // goes on OK.
    void Replace(std::vector<CHolidayEntry>& list, std::size_t index, const CHolidayEntry& entry);

    HolidaySource WeeklySource() const { return m_weeklySource; }
    HolidaySource YearlySource() const { return m_yearlySource; }
    HolidaySource SpecificSource() const { return m_specificSource; }

private:
    BOOL SaveList(const std::vector<CHolidayEntry>& list, bool specific,
                  const std::vector<std::string>& read, const std::vector<std::string>& gone,
                  HolidaySource source) const;

    std::array<BYTE, kWeeklyTableSize> m_weekly{};
    std::vector<CHolidayEntry> m_yearly;
    std::vector<CHolidayEntry> m_specific;
    // The keys as read, and the keys that changed lines left.
    std::vector<std::string> m_yearlyRead;
    std::vector<std::string> m_specificRead;
    std::vector<std::string> m_yearlyGone;
    std::vector<std::string> m_specificGone;
    HolidaySource m_weeklySource = HolidaySource::UserProfile;
    HolidaySource m_yearlySource = HolidaySource::UserProfile;
    HolidaySource m_specificSource = HolidaySource::UserProfile;
};

} // namespace tembra
