#include "chart/DispSetData.h"

#include "platform/Document.h"

namespace tembra {

IMPLEMENT_SERIAL(CDispSetData, CObject, 1)

void CDispSetData::Serialize(CArchive& ar) {
    const bool lineFields = ArchiveVersion(ar) >= kLineVersion;
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(m_slot) << static_cast<DWORD>(m_lineColor)
           << static_cast<DWORD>(m_patternColor) << static_cast<WORD>(m_pattern);
        if (lineFields) {
            ar << m_lineWidth << m_lineType;
        }
        return;
    }
    WORD slot = 0;
    DWORD lineColor = 0;
    DWORD patternColor = 0;
    WORD pattern = 0;
    ar >> slot >> lineColor >> patternColor >> pattern;
    m_slot = slot;
    m_lineColor = lineColor;
    m_patternColor = patternColor;
    m_pattern = pattern;
    m_lineWidth = 0;
    m_lineType = 0;
    if (lineFields) {
        ar >> m_lineWidth >> m_lineType;
    }
}

} // namespace tembra
