// Hatching records: a fill laid over a band of rows, a band of dates or a block of item cells.
#pragma once

#include "model/ChartPos.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

// The first version with hatching records, and the first whose records hold their pattern.
constexpr int kHatchListVersion = 52000;
constexpr int kHatchPatternVersion = 58000;

class CKtkmHatch : public CObject {
    DECLARE_SERIAL(CKtkmHatch)
public:
    // Kinds.
    enum : WORD {
        kRowBand = 1,       // rows first..last across the time axis
        kDateBand = 2,      // dates start..end across all rows
        kKoumokuCells = 12, // item cells of rows first..last, item columns first..last
    };
    static constexpr WORD kDefaultPattern = 99;

    CKtkmHatch() = default;
    CKtkmHatch(const CKtkmHatch& other) = default;
    CKtkmHatch& operator=(const CKtkmHatch& other) = default;

    // A new record with every member copied; null when it cannot be allocated.
    std::unique_ptr<CKtkmHatch> Clone() const;

    // The band: the position's dates and first-point and second-point rows.
    const CChartPos& GetPos() const { return m_pos; }
    CChartPos& GetPos() { return m_pos; }
    CTime GetStartDate() const { return m_pos.GetStartDate(); }
    void SetStartDate(const CTime& t) { m_pos.SetStartDate(t); }
    CTime GetEndDate() const { return m_pos.GetEndDate(); }
    void SetEndDate(const CTime& t) { m_pos.SetEndDate(t); }
    // Rows as signed 16-bit values: a shift may take them below 0.
    int GetFirstRow() const { return static_cast<short>(m_pos.GetStartRow()); }
    void SetFirstRow(int row) { m_pos.SetStartRow(static_cast<WORD>(row)); }
    int GetLastRow() const { return static_cast<short>(m_pos.GetEndRow()); }
    void SetLastRow(int row) { m_pos.SetEndRow(static_cast<WORD>(row)); }

    WORD GetKind() const { return m_kind; }
    void SetKind(WORD kind) { m_kind = kind; }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }
    WORD GetPattern() const { return m_pattern; }
    void SetPattern(WORD pattern) { m_pattern = pattern; }
    LONG GetFirstColumn() const { return m_firstColumn; }
    void SetFirstColumn(LONG column) { m_firstColumn = column; }
    LONG GetLastColumn() const { return m_lastColumn; }
    void SetLastColumn(LONG column) { m_lastColumn = column; }

    // DWORD start date, DWORD end date, WORD first row, WORD last row, WORD kind, DWORD colour,
    // DWORD first column, DWORD last column, and from 58000 WORD pattern (a record of an older
    // file has the pattern 99). The other words of the position are not stored.
    void Serialize(CArchive& ar) override;

private:
    CChartPos m_pos;
    WORD m_kind = 0;
    COLORREF m_color = 0;
    WORD m_pattern = kDefaultPattern;
    LONG m_firstColumn = 0;
    LONG m_lastColumn = 0;
};

} // namespace tembra
