// Irregular periods (変則期間) of a chart's time axis: ranges of days (or hours of the day) of a
// class of days drawn at another width, with their own date-column and ruled-line behaviour.
// CHensoku holds the ordered lists of a document (one for day mode, one for hour mode);
// CHensokuData is one period.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

class CHensokuData : public CObject {
    DECLARE_SERIAL(CHensokuData)

public:
    // Day classes.
    enum : short { kAllDays = 0, kWeekdays = 1, kHolidays = 2, kChosenWeekdays = 3 };

    CHensokuData() = default;
    CHensokuData(const CHensokuData& other) = default;
    CHensokuData& operator=(const CHensokuData& other) = default;

    // A width ratio is accepted when its denominator is at least 1.
    static bool IsValidDenominator(LONG denominator) { return denominator >= 1; }

    // A period of days. rangeKind 0 covers the whole supported range (GetMinDate..GetMaxDate);
    // start and end are dates (time values), the end inclusive. Refused (FALSE, nothing
    // changed) when the ratio is not valid.
    BOOL SetDayPeriod(WORD rangeKind, std::int64_t start, std::int64_t end, short dayClass,
                      WORD weekdays, short dateColumn, short ruledLine, LONG numerator,
                      LONG denominator);
    // A period of hours of the day: start and end in hours (the end exclusive); rangeKind 0
    // covers 0..24. Refused like SetDayPeriod.
    BOOL SetHourPeriod(WORD rangeKind, int startHour, int endHour, short dayClass, WORD weekdays,
                       short dateColumn, short ruledLine, LONG numerator, LONG denominator);

    WORD GetRangeKind() const { return m_rangeKind; }
    std::int64_t GetStart() const { return m_start; }
    std::int64_t GetEnd() const { return m_end; }
    int GetStartHour() const { return static_cast<int>(m_start / 3600); }
    int GetEndHour() const { return static_cast<int>(m_end / 3600); }
    short GetDayClass() const { return m_dayClass; }
    WORD GetWeekdays() const { return m_weekdays; }
    short GetDateColumn() const { return m_dateColumn; }
    short GetRuledLine() const { return m_ruledLine; }
    LONG GetNumerator() const { return m_numerator; }
    LONG GetDenominator() const { return m_denominator; }
    // numerator / denominator; 0.0 when either is 0.
    double GetFactor() const;

    void Serialize(CArchive& ar) override;

private:
    void Assign(WORD rangeKind, std::int64_t start, std::int64_t end, short dayClass, WORD weekdays,
                short dateColumn, short ruledLine, LONG numerator, LONG denominator);

    // Set only through the setters and loading, which keep the denominator at 1 or more.
    WORD m_rangeKind = 0;
    // Day mode: dates (time values); hour mode: hours of the day as seconds.
    std::int32_t m_start = 0;
    std::int32_t m_end = 0;
    short m_dayClass = kAllDays;
    WORD m_weekdays = 0;
    short m_dateColumn = 1;
    short m_ruledLine = 1;
    LONG m_numerator = 1;
    LONG m_denominator = 1;
};

class CHensoku : public CObject {
    DECLARE_SERIAL(CHensoku)

public:
    CHensoku() = default;
    CHensoku(const CHensoku& other);
    CHensoku& operator=(const CHensoku& other);
    ~CHensoku() override;

    // Deletes every record of both lists.
    void RemoveAll();

    BOOL IsHourMode() const { return m_mode != 0; }
    void SetHourMode(BOOL hourMode) { m_mode = hourMode ? 1 : 0; }
    int GetPrecedence() const { return m_precedence; }
    void SetPrecedence(int precedence) { m_precedence = precedence; }

    // ---- The active list (the hour list in hour mode, else the day list) ---------------------
    int GetDataCount() const;
    // Appends the record (the list owns it). Returns its index.
    int AddData(std::unique_ptr<CHensokuData> data);
    // Inserts before index; appends when index >= count. Returns the index it got, or -1 for a
    // negative index (nothing is inserted and the record is deleted).
    int InsertAt(int index, std::unique_ptr<CHensokuData> data);
    // Moves the record before its predecessor / after its successor; returns the new index,
    // or -1 (nothing moved) for the first / last record or an index outside the list.
    int MoveUp(int index);
    int MoveDown(int index);
    // Deletes the record; an index outside the list does nothing.
    void RemoveAt(int index);
    // The record, or nullptr for an index outside the list.
    CHensokuData* GetAt(int index);
    const CHensokuData* GetAt(int index) const;
    // The dialog's list line of the record at index (CP932); 0 and an empty text without one.
    int FormatPeriod(int index, std::string& text) const;

    // Both lists, whatever the mode.
    const std::vector<std::unique_ptr<CHensokuData>>& GetDayList() const { return m_dayList; }
    const std::vector<std::unique_ptr<CHensokuData>>& GetHourList() const { return m_hourList; }
    const std::vector<std::unique_ptr<CHensokuData>>& GetActiveList() const {
        return IsHourMode() ? m_hourList : m_dayList;
    }

    void Serialize(CArchive& ar) override;

    // 0: periods are applied first to last (the last listed wins); non-zero: last to first.
    int m_precedence = 0;
    // 0 day mode, 1 hour mode.
    int m_mode = 0;

private:
    std::vector<std::unique_ptr<CHensokuData>>& ActiveList() {
        return IsHourMode() ? m_hourList : m_dayList;
    }
    bool InActive(int index) const { return index >= 0 && index < GetDataCount(); }

    std::vector<std::unique_ptr<CHensokuData>> m_dayList;
    std::vector<std::unique_ptr<CHensokuData>> m_hourList;
};

} // namespace tembra
