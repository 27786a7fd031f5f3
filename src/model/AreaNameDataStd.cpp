#include "model/AreaNameDataStd.h"

namespace tembra {

IMPLEMENT_SERIAL(CAreaNameDataStd, CAreaNameData, 1)

CAreaNameDataStd::CAreaNameDataStd() {
    m_align = kAlignLeft;
    m_style = kStyleBottom;
}

CAreaNameDataStd::CAreaNameDataStd(DWORD no) : CAreaNameDataStd() {
    m_no = no;
}

std::unique_ptr<CAreaNameData> CAreaNameDataStd::Clone() const {
    return std::make_unique<CAreaNameDataStd>(*this);
}

void CAreaNameDataStd::Serialize(CArchive& ar) {
    CAreaNameData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_no;
    } else {
        ar >> m_no;
    }
}

AreaLineStyle CAreaNameDataStd::GetLineStyle() const {
    return {m_lineType, AreaLineWidthOf(m_lineWidth), m_lineColor};
}

} // namespace tembra
