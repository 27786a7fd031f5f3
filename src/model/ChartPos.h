// The position of a chart record on the time axis and in the rows: a plain 20-byte value stored
// raw right after the record header by process lines, process nodes, item cells and events.
#pragma once

#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

// The first version whose positions are stored in the 20-byte form.
constexpr int kChartPosVersion = 31000;

class CChartPos {
public:
    static constexpr std::size_t kSize = 20;
    // Documents before kChartPosVersion stored four 32-bit values.
    static constexpr std::size_t kOldSize = 16;

    CChartPos() = default;

    // Dates as the framework's time values (32-bit seconds since 1970 in the file). For a
    // process's line set the first is the start and the second the end; for a node, an item
    // cell or an event only the first is used.
    CTime GetStartDate() const { return CTime(static_cast<std::int64_t>(m_startDate)); }
    void SetStartDate(const CTime& t) { m_startDate = static_cast<DWORD>(t.GetTime()); }
    CTime GetEndDate() const { return CTime(static_cast<std::int64_t>(m_endDate)); }
    void SetEndDate(const CTime& t) { m_endDate = static_cast<DWORD>(t.GetTime()); }
    DWORD GetStartDateValue() const { return m_startDate; }
    void SetStartDateValue(DWORD value) { m_startDate = value; }
    DWORD GetEndDateValue() const { return m_endDate; }
    void SetEndDateValue(DWORD value) { m_endDate = value; }

    // Rows of the first and the second point (item-table row numbers).
    WORD GetStartRow() const { return m_startRow; }
    void SetStartRow(WORD row) { m_startRow = row; }
    WORD GetEndRow() const { return m_endRow; }
    void SetEndRow(WORD row) { m_endRow = row; }

    // The raw words at offsets 12 to 18, for the file form and its round trip only: on disk
    // words 4 and 5 (offsets 14 and 16) hold the horizontal offsets of the start and the end
    // (the old 16-byte form kept them as the two halves of its last value); words 3 and 6
    // (offsets 12 and 18) have no role of their own here and are kept as read. What a move of
    // processes holds fixed travels in a CKouteiDrag, never in these words.
    WORD GetWord3() const { return m_word3; }
    void SetWord3(WORD value) { m_word3 = value; }
    WORD GetWord4() const { return m_word4; }
    void SetWord4(WORD value) { m_word4 = value; }
    WORD GetWord5() const { return m_word5; }
    void SetWord5(WORD value) { m_word5 = value; }
    WORD GetWord6() const { return m_word6; }
    void SetWord6(WORD value) { m_word6 = value; }

    // Exchanges the start and the end: dates, rows and the horizontal offsets of the two ends.
    // Words 3 and 6 stay.
    void SwapEnds();

    // Fills the position from the old form A, B, C, D: dates A and B, rows from the low and
    // high halves of C, words 4 and 5 from the low and high halves of D, words 3 and 6 zero.
    void SetFromOldForm(DWORD a, DWORD b, DWORD c, DWORD d);

    // The 20 bytes little-endian, or the 16 bytes of the old form.
    void ToBytes(BYTE* out) const;
    static CChartPos FromBytes(const BYTE* in);

    // Stores or loads the position in the form of the archive's document version: the old
    // 16-byte form below kChartPosVersion, else the 20-byte form.
    void Serialize(CArchive& ar);

    bool operator==(const CChartPos&) const = default;

private:
    DWORD m_startDate = 0;
    DWORD m_endDate = 0;
    WORD m_startRow = 0;
    WORD m_endRow = 0;
    WORD m_word3 = 0;
    WORD m_word4 = 0;
    WORD m_word5 = 0;
    WORD m_word6 = 0;
};

} // namespace tembra
