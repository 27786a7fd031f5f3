// The holiday rules from which calendars are generated. They live outside documents, in three
// sections of a registry store, in the same forms in both stores: the per-user profile and the
// program's own key. The calendar reads the profile first and falls back to the program's key.
//
//   "公休"      "日" ... "土"                    "%d,%d,%d,%d,%d": 1st..5th such weekday of a month
//   off "祝日"      "MMDD" or "MM" week weekday "w"  "kind,name[,first year[,last year]]"
//   "特定休日"  "YYYYMMDD" (or legacy "YYMMDD")  "kind[,name]"
//
// Names beginning with ";" are comments. Section and value names are CP932, as every profile
// text is.
#pragma once

#include "model/Utility.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tembra {

// The weekly table: 7 weekdays (Sunday first) x 5 occurrences in the month; non-zero = day off.
constexpr std::size_t kWeeklyTableSize = 35;
// The yearly date table: 12 months x 31 days, index (month - 1) * 31 + (day - 1).
constexpr std::size_t kDateTableSize = 372;
// The yearly n-th-weekday table: 12 months x 7 weekdays x 5 weeks,
// index (month - 1) * 35 + (weekday - 1) * 5 + (week - 1), weekday 1 = Sunday .. 7 = Saturday.
constexpr std::size_t kWeekdayRuleTableSize = 420;

// The name lists the readers look at are read into buffers of these sizes; names beyond them
// are not seen (about 150 yearly rules and 1,100 specific dates).
constexpr std::size_t kYearlyNameBufferSize = 1024;
constexpr std::size_t kSpecificNameBufferSize = 10240;

// The years a yearly rule can be valid in (those of the supported dates); a rule's open ends
// read as these.
constexpr int kFirstHolidayYear = kMinDateYear;
constexpr int kLastHolidayYear = kMaxDateYear;

enum class HolidaySource {
    UserProfile, // the per-user profile (GetProfileString ...)
    AppRegKey,   // the program's own key (GetRegString ...)
};

// The readers of one store. All are const and read the store afresh (the store caches the file),
// but for a snapshot's.
class HolidayStore {
public:
    explicit HolidayStore(HolidaySource source);
    // A store that reads each of its sections once, at its first read, and answers every later
    // read from that copy: a calendar is made from one state of the settings, without going to
    // the files again for each of the dates it asks about.
    static HolidayStore Snapshot(HolidaySource source);

    HolidaySource Source() const { return m_source; }

    // Fills row w (weekday 0 = Sunday .. 6) with the five numbers of key "日".."土" of "公休".
    // TRUE when all seven keys were read; FALSE at the first missing or empty key (the rows
    // before it stay filled, the rest are untouched).
    BOOL ReadWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table) const;

    // Clears both tables, then sets the kind character ('0', '1', '2' ...: the first hex digit of
    // the value's first number) of every rule of "祝日" at its slot. Returns the number of rules
    // taken; names with an impossible month, day, week or weekday are skipped. A value without a
    // leading number, an empty one included, is a rule of kind '0'.
    int ReadYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                           std::span<BYTE, kWeekdayRuleTableSize> weekdayTable) const;

    // The years of validity of the date rule "MMDD" of the date's month and day. TRUE when the
    // rule exists. An open (0) or earlier first year reads as kFirstHolidayYear, an open or later
    // last year as kLastHolidayYear; a first year after the last or a last year before the first
    // is kept, so that the rule applies in no year of the calendar.
    BOOL GetHolidayYears(const CTime& date, int& firstYear, int& lastYear) const;
    BOOL GetHolidayYears(int month, int day, int& firstYear, int& lastYear) const;
    // The same for the rule of the week-th weekday (1 = Sunday .. 7) of month: "MM" week weekday
    // "w".
    BOOL GetWeekdayHolidayYears(int month, int weekday, int week, int& firstYear,
                                int& lastYear) const;

    // The dates of "特定休日" in name order, at 00:00 of the chart zone; impossible dates are
    // skipped. A six-digit name YYMMDD is of 2000 + YY when YY < 91, else of 1900 + YY. When a
    // further date would exceed capacity, message 5034 is shown with the capacity and reading
    // stops. Returns the number of dates (dates.size()).
    int ReadSpecificHolidays(std::vector<CTime>& dates, int capacity) const;

    // The first number of the value of the date's "YYYYMMDD" name, or of its "YYMMDD" name when
    // there is none; 0 when neither exists.
    int GetSpecificHolidayType(const CTime& date) const;
    int GetSpecificHolidayType(int year, int month, int day) const;

    // The names of the yearly ("祝日") or the specific ("特定休日") section that the readers above
    // take (comments left out), each with its value, in the store's order.
    std::vector<std::pair<std::string, std::string>> ReadYearlyValues() const;
    std::vector<std::pair<std::string, std::string>> ReadSpecificValues() const;

    // The value of a name of one of the sections, and the names that fit into a list of
    // bufferSize bytes as the store enumerates them.
    std::optional<std::string> ReadValue(const std::string& section, const std::string& name) const;
    std::vector<std::string> ReadNames(const std::string& section, std::size_t bufferSize) const;

private:
    struct SectionCopy;
    struct Copies;
    const SectionCopy& CopyOf(const std::string& section) const;

    HolidaySource m_source;
    std::shared_ptr<Copies> m_copies; // null: every read goes to the store
};

// The readers on the per-user profile.
BOOL ReadWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table);
int ReadYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                       std::span<BYTE, kWeekdayRuleTableSize> weekdayTable);
BOOL GetHolidayYears(const CTime& date, int& firstYear, int& lastYear);
BOOL GetWeekdayHolidayYears(int month, int weekday, int week, int& firstYear, int& lastYear);
int ReadSpecificHolidays(std::vector<CTime>& dates, int capacity);
int GetSpecificHolidayType(const CTime& date);

// The same readers on the program's own key.
BOOL ReadRegWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table);
int ReadRegYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                          std::span<BYTE, kWeekdayRuleTableSize> weekdayTable);
BOOL GetRegHolidayYears(const CTime& date, int& firstYear, int& lastYear);
BOOL GetRegWeekdayHolidayYears(int month, int weekday, int week, int& firstYear, int& lastYear);
int ReadRegSpecificHolidays(std::vector<CTime>& dates, int capacity);
int GetRegSpecificHolidayType(const CTime& date);

} // namespace tembra
