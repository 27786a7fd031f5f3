#include "model/SeqNumber.h"

#include "platform/Ui.h"

#include <limits>

namespace tembra {

IMPLEMENT_SERIAL(CObSeqNumber, CObject, 1)
IMPLEMENT_SERIAL(CSeqNumberCtrl, CObSeqNumber, 1)

void CObSeqNumber::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_high << m_low;
    } else {
        ar >> m_high >> m_low;
    }
}

std::optional<CObSeqNumber> CSeqNumberCtrl::Next() {
    if (m_low < std::numeric_limits<DWORD>::max()) {
        ++m_low;
    } else if (m_high < std::numeric_limits<WORD>::max()) {
        ++m_high;
        m_low = 0;
    } else {
        AfxMessageBox(IDS_SEQNUMBER_EXHAUSTED, MB_OK);
        return std::nullopt;
    }
    return CObSeqNumber(m_high, m_low);
}

} // namespace tembra
