// A cell of the area names in the slant style (see AreaNameData.h).
#pragma once

#include "model/AreaNameData.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

// A cell of the slant style: 0 to 9 the item columns, 10 to 12 the date rows 0 to 2; its line
// is the cell's diagonal.
class CAreaNameDataSlant : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataSlant)
public:
    // Left aligned at the bottom, number 0.
    CAreaNameDataSlant();
    explicit CAreaNameDataSlant(DWORD no);
    CAreaNameDataSlant(const CAreaNameDataSlant&) = default;
    CAreaNameDataSlant& operator=(const CAreaNameDataSlant&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    DWORD GetNo() const { return m_no; }
    void SetNo(DWORD no) { m_no = no; }
    AreaLineStyle GetLineStyle() const;

    // The text position in the triangle of a date row: the header's top-left corner (x0, y0)
    // and the row's upper (x1, y1) and lower (x2, y2) ends on the item area's right edge.
    AreaTextPos GetSlantRowTextPos(int x0, int y0, int x1, int y1, int x2, int y2,
                                   int extent) const;
    // The text position in the triangle of an item column: the corner (x0, y0) and the lower
    // ends (x1, y1), (x2, y2) of the column's two lines.
    AreaTextPos GetSlantColumnTextPos(int x0, int y0, int x1, int y1, int x2, int y2,
                                      int extent) const;

private:
    DWORD m_no = 0;
};

} // namespace tembra
