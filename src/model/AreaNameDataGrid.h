// A cell of the area names in the grid style (see AreaNameData.h).
#pragma once

#include "model/AreaNameData.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

// A cell of the grid style: date row and item column; its first line is the cell's right line,
// its second the bottom line.
class CAreaNameDataGrid : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataGrid)
public:
    // Centred, vertically in the middle, pair (0, 0), both lines solid, normal and black.
    CAreaNameDataGrid();
    CAreaNameDataGrid(DWORD row, DWORD column);
    CAreaNameDataGrid(const CAreaNameDataGrid&) = default;
    CAreaNameDataGrid& operator=(const CAreaNameDataGrid&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    void GetNoPair(DWORD& row, DWORD& column) const {
        row = m_row;
        column = m_column;
    }
    void SetNoPair(DWORD row, DWORD column) {
        m_row = row;
        m_column = column;
    }
    short GetLine2Type() const { return m_line2Type; }
    void SetLine2Type(short type) { m_line2Type = type; }
    WORD GetLine2Width() const { return m_line2Width; }
    void SetLine2Width(WORD code) { m_line2Width = code; }
    COLORREF GetLine2Color() const { return m_line2Color; }
    void SetLine2Color(COLORREF color) { m_line2Color = color; }

    AreaLineStyle GetRightLineStyle() const;
    AreaLineStyle GetBottomLineStyle() const;

private:
    DWORD m_row = 0;
    DWORD m_column = 0;
    short m_line2Type = 0;
    WORD m_line2Width = 0;
    COLORREF m_line2Color = 0;
};

} // namespace tembra
