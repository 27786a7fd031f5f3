#include "model/LayerSet.h"

namespace tembra {

IMPLEMENT_SERIAL(CLayerSet, CObject, 1)

void CLayerSet::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(m_state) << m_name;
    } else {
        WORD state = 0;
        ar >> state >> m_name;
        m_state = static_cast<short>(state);
    }
}

} // namespace tembra
