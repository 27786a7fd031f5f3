#include "model/AreaNameData.h"

#include "model/DataHeader.h"
#include "model/Utility.h"
#include "platform/GdiObjects.h"

#include <optional>

namespace tembra {

IMPLEMENT_SERIAL(CAreaNameData, CObject, 1)

int AreaLineWidthOf(WORD widthCode) {
    switch (widthCode) {
    case 1:
        return 1;
    case 2:
        return 6;
    default:
        return 3;
    }
}

// ---- CAreaNameData ----------------------------------------------------------------------------

CAreaNameData::CAreaNameData() {
    EnumFontFaces(m_font, std::nullopt, -32, 16);
}

std::unique_ptr<CAreaNameData> CAreaNameData::Clone() const {
    return std::make_unique<CAreaNameData>(*this);
}

void CAreaNameData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_text;
        LogFont16::Store(ar, m_font);
        ar << m_ownFont << m_lineType << m_lineWidth << static_cast<DWORD>(m_lineColor);
        ar << m_align << static_cast<DWORD>(m_textColor) << m_style;
    } else {
        DWORD lineColor = 0;
        DWORD textColor = 0;
        ar >> m_text;
        m_font = LogFont16::Load(ar);
        ar >> m_ownFont >> m_lineType >> m_lineWidth >> lineColor;
        ar >> m_align >> textColor >> m_style;
        m_lineColor = lineColor;
        m_textColor = textColor;
    }
}

AreaTextPos CAreaNameData::GetTextPos(const CRect& rect, int extent) const {
    AreaTextPos pos;
    switch (m_align) {
    case kAlignRight:
        pos.x = rect.right - 10;
        pos.align |= TA_RIGHT;
        break;
    case kAlignCenter:
        pos.x = (rect.left + rect.right) / 2;
        pos.align |= TA_CENTER;
        break;
    default:
        pos.x = rect.left + 10;
        break;
    }
    if ((m_style & kStyleTop) != 0) {
        pos.y = rect.top - 10;
    } else if ((m_style & kStyleBottom) != 0) {
        pos.y = rect.bottom + 10;
        pos.align |= TA_BOTTOM;
    } else {
        pos.y = (rect.top + rect.bottom) / 2 - extent / 2;
    }
    return pos;
}

} // namespace tembra
