// The working calendar of a document: one flag byte per day of the supported dates (GetMinDate ..
// GetMaxDate) telling the weekday and whether the day is a holiday, generated from the holiday
// rules of the holiday store, and the working-time arithmetic that durations in working days use.
// The file keeps a window of 30 of those years; the years outside it are generated on loading.
//
// A chart's calendar also keeps the day flags the rules gave when the chart was made or opened
// (its rules): the days that differ from them are the chart's own. A later change of the rules
// reaches a chart only when it is made or opened again, never while it is open.
#pragma once

#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tembra {

class CCalendar : public CObject {
    DECLARE_SERIAL(CCalendar)

public:
    // Every month has 31 slots and every year 372, whether the days exist or not.
    static constexpr int kFirstYear = kMinDateYear;
    static constexpr int kLastYear = kMaxDateYear;
    static constexpr int kSlotsPerMonth = 31;
    static constexpr int kSlotsPerYear = 12 * kSlotsPerMonth;
    static constexpr int kSlotCount = (kLastYear - kFirstYear + 1) * kSlotsPerYear; // 17,484
    // The file holds the years of a window of kWindowYears from its first day's year, which is
    // kFirstYear for every chart whose dates lie in the window's first years.
    static constexpr int kWindowYears = 30;
    static constexpr int kWindowSlotCount = kWindowYears * kSlotsPerYear; // 11,160
    static constexpr int kLastWindowYear = kLastYear - kWindowYears + 1;
    static constexpr int kReservedSize = 7;
    // Bytes of the file form: window, valid flag, first and last day, reserved.
    static constexpr int kFileSize = kWindowSlotCount + 2 + 4 + 4 + kReservedSize; // 11,177

    // How many special dates generation takes from the holiday store.
    static constexpr int kSpecialHolidayCapacity = 500;

    // Flag byte of a day.
    static constexpr BYTE kWeekdayBits = 0x0F; // 1 Sunday .. 7 Saturday
    static constexpr BYTE kHolidayBits = 0xF0;
    static constexpr BYTE kRuleHoliday = 0x10; // holiday by the rules
    static constexpr BYTE kUserToggle = 0x20;  // holiday toggled by the user

    CCalendar();
    ~CCalendar() override;
    CCalendar(const CCalendar&) = delete;
    CCalendar& operator=(const CCalendar&) = delete;

    // ---- Whole-table operations --------------------------------------------------------------

    // Every slot 0, the first window, valid; the rules stay. Returns 1.
    BOOL Clear();
    // Generates every day's flags from the weekly table (kWeeklyTableSize bytes, 7 weekdays
    // from Sunday x 5 occurrences in a month; nullptr: read it from the holiday store) and, when
    // switched on, the yearly and the special holidays of the store.
    BOOL MakeHolidays(const BYTE* weeklyTable, BOOL useYearly, BOOL useSpecial);
    // Copies the day table, the rules, the range and the valid flag into target (nullptr:
    // nothing).
    void CopyTo(CCalendar* target);
    // TRUE when other is this calendar or has a byte-equal day table.
    BOOL IsSameAs(const CCalendar* other) const;
    // Every holiday becomes a working day and every working day a holiday.
    void InvertHolidays();

    // Storing writes the window's years with its first and last day. Loading takes the window
    // from the stored first day (a first day that is no 1 January of a window year, or a last day
    // that does not end its window, is a damaged file), generates the years outside it from the
    // holiday store's rules, which become the calendar's rules, and fills the window's years from
    // the file.
    void Serialize(CArchive& ar) override;

    // ---- The chart's rules ---------------------------------------------------------------------

    // The day flags as they are now become the calendar's rules (a chart made from the holiday
    // rules takes them so).
    void TakeRules();
    // Whether the calendar has rules of its own (from TakeRules, loading or a copy).
    BOOL HasRules() const { return m_rules != nullptr ? TRUE : FALSE; }
    // Every day as the calendar's rules give it; a calendar without rules generates them from
    // the holiday store first and takes them. FALSE (nothing changed) without a table.
    BOOL RestoreRules();
    // The days outside the file window become days of no kind (as Clear leaves them), the
    // window's stay: the calendar of a chart that counts elapsed days has no holidays, where
    // loading took those years from the rules.
    void ClearOutsideWindow();

    // ---- File window ---------------------------------------------------------------------------

    // The smallest window year that holds the years firstYear .. lastYear, or 0 when they span
    // more than kWindowYears.
    static int WindowYearFor(int firstYear, int lastYear);
    // The window that the file will hold, starting on 1 January of year (kFirstYear ..
    // kLastWindowYear; others are not taken).
    void SetWindow(int year);
    int GetWindowYear() const { return m_windowYear; }
    // The first and the last day whose flag differs from the calendar's rules (user toggles,
    // inversions); a calendar without rules is measured against what the holiday store's rules
    // generate now. FALSE when there is none.
    BOOL GetChangedDays(CTime& first, CTime& last) const;
    // Chooses the window for the dates earliest .. latest (none when earliest is after latest)
    // and takes it: the first window for dates within it, so that such a chart's file is the one
    // every reader of the format knows; otherwise the smallest window that holds the dates, and
    // of those the smallest that also holds every changed day when one does. Changed days that
    // no such window holds are not stored: they come back from the rules on loading. FALSE only
    // when the dates themselves span more than the window's years: the window stays, and first
    // and last tell that span.
    BOOL FitWindow(const CTime& earliest, const CTime& latest, CTime& first, CTime& last);

    // ---- Day access ----------------------------------------------------------------------------
    // A date outside the supported dates has no slot: its weekday comes from the date, its holiday
    // bits are 0 (a working day) and changes to it are ignored. A time is split into its local date
    // of the chart zone.

    int GetWeekday(int year, int month, int day) const;
    int GetWeekday(std::int64_t date) const;
    BYTE GetDayFlag(int year, int month, int day) const;
    BYTE GetDayFlag(std::int64_t date) const;
    void AddDayFlag(int year, int month, int day, BYTE bits);
    void AddDayFlag(std::int64_t date, BYTE bits);
    void ToggleDayFlag(int year, int month, int day, BYTE bits);
    void ToggleDayFlag(std::int64_t date, BYTE bits);
    void SetDayFlag(int year, int month, int day, BYTE bits);
    void SetDayFlag(std::int64_t date, BYTE bits);
    BOOL IsHoliday(int year, int month, int day) const;
    BOOL IsHoliday(std::int64_t date) const;
    BOOL IsHoliday(const CTime& date) const { return IsHoliday(date.GetTime()); }

    // ---- Working-time arithmetic ---------------------------------------------------------------

    // The holiday part of [a, b); negative when a is after b.
    CTimeSpan GetHolidayTime(const CTime& a, const CTime& b) const;
    // The calendar span from start that holds the given working time, holidays skipped; a
    // negative working time runs backwards. Stops extending at the edges of the range.
    CTimeSpan AddWorkTime(const CTime& start, const CTimeSpan& work) const;
    // The first run of holidays from the day of from up to to: returns its length in whole
    // days and its first day and the first working day after it (to itself when the run
    // reaches to), or 0 with the out-parameters untouched when there is none.
    int FindHolidayRun(const CTime& from, const CTime& to, CTime& runStart, CTime& runEnd) const;
    int FindHolidayRun(std::int64_t from, std::int64_t to, std::int64_t& runStart,
                       std::int64_t& runEnd) const;
    // The whole run of consecutive holidays that the day of date belongs to: its first day and
    // the first working day after it. 0, with the out-parameters untouched, when that day is a
    // working day; else the run's length in days.
    int GetHolidayRun(const CTime& date, CTime& runStart, CTime& runEnd) const;
    // The date itself when it is a working day, else the end of its holiday run (up to limit).
    std::int64_t SkipHolidays(std::int64_t date, std::int64_t limit) const;
    // Whether the date lies in a run of consecutive holidays at least length days long.
    BOOL InSameHolidayRun(std::int64_t date, int length) const;
    BOOL InSameHolidayRun(const CTime& date, int length) const {
        return InSameHolidayRun(date.GetTime(), length);
    }

    // ---- State ---------------------------------------------------------------------------------

    BOOL HasTable() const { return m_pDays != nullptr; }
    WORD GetValidFlag() const { return m_valid; }
    // The first and the last day of the file window.
    const CTime& GetFirstDay() const { return m_firstDay; }
    const CTime& GetLastDay() const { return m_lastDay; }
    // The raw slots (nullptr without a table).
    const BYTE* GetDayTable() const { return m_pDays.get(); }
    // The slot of a date of the table, or -1 for a date outside it.
    static int SlotIndex(int year, int month, int day);

private:
    // The slot of a date to read (nullptr without a table or outside it).
    const BYTE* SlotOf(std::int64_t date) const;
    const BYTE* SlotOf(int year, int month, int day) const;
    // The slot of a date to change: the holiday counts are built again before the next count.
    BYTE* WritableSlotOf(std::int64_t date);
    BYTE* WritableSlotOf(int year, int month, int day);
    // Every change of the day flags ends here (or in WritableSlotOf).
    void DayFlagsChanged() { m_countsStale = true; }

    // Days are given by their day number (days since 1970-01-01 in the chart zone); every day
    // outside the table is a working day.
    bool IsHolidayDay(std::int64_t dayNumber) const;
    // Number of holidays among the days [fromDay, toDay), in constant time.
    std::int64_t CountHolidayDays(std::int64_t fromDay, std::int64_t toDay) const;
    // The first working day at or after day: day itself when it is one, else the day after its
    // run of holidays.
    std::int64_t FirstWorkingDayFrom(std::int64_t day) const;
    // The first day of the run of holidays that ends the day before day: day itself when that
    // day is a working day.
    std::int64_t FirstDayOfRunBefore(std::int64_t day) const;
    // The first holiday at or after day, or a day past the table when there is none.
    std::int64_t FirstHolidayFrom(std::int64_t day) const;
    // m_holidaysBefore[i]: the holidays among the first i days of the table (i = 0 .. days in
    // it), so that every count over a span is one subtraction. Built on the first count after a
    // change of the day flags; saving a chart counts the spans of every process.
    const std::vector<std::uint16_t>& HolidayCounts() const;

    std::unique_ptr<BYTE[]> m_pDays;
    // The calendar's rules (kSlotCount flags), shared by its copies; null for none.
    std::shared_ptr<const std::vector<BYTE>> m_rules;
    mutable std::vector<std::uint16_t> m_holidaysBefore;
    mutable bool m_countsStale = true;
    WORD m_valid = 0;
    int m_windowYear = kFirstYear;
    CTime m_firstDay;
    CTime m_lastDay;
    std::array<BYTE, kReservedSize> m_reserved{};
};

} // namespace tembra
