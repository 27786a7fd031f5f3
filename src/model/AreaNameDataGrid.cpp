#include "model/AreaNameDataGrid.h"

namespace tembra {

IMPLEMENT_SERIAL(CAreaNameDataGrid, CAreaNameData, 1)

CAreaNameDataGrid::CAreaNameDataGrid() {
    m_align = kAlignCenter;
    m_style = 0;
}

CAreaNameDataGrid::CAreaNameDataGrid(DWORD row, DWORD column) : CAreaNameDataGrid() {
    m_row = row;
    m_column = column;
}

std::unique_ptr<CAreaNameData> CAreaNameDataGrid::Clone() const {
    return std::make_unique<CAreaNameDataGrid>(*this);
}

void CAreaNameDataGrid::Serialize(CArchive& ar) {
    CAreaNameData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_row << m_column << m_line2Type << m_line2Width << static_cast<DWORD>(m_line2Color);
    } else {
        DWORD color = 0;
        ar >> m_row >> m_column >> m_line2Type >> m_line2Width >> color;
        m_line2Color = color;
    }
}

AreaLineStyle CAreaNameDataGrid::GetRightLineStyle() const {
    return {m_lineType, AreaLineWidthOf(m_lineWidth), m_lineColor};
}

AreaLineStyle CAreaNameDataGrid::GetBottomLineStyle() const {
    return {m_line2Type, AreaLineWidthOf(m_line2Width), m_line2Color};
}

} // namespace tembra
