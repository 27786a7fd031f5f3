#include "model/AttrBlocks.h"

namespace tembra {

WORD CWidthSet::GetAt(int code) const {
    return code >= 0 && code < static_cast<int>(kCount) ? m_width[static_cast<std::size_t>(code)]
                                                        : m_width[0];
}

void CWidthSet::SetAt(int code, WORD width) {
    if (code >= 0 && code < static_cast<int>(kCount)) {
        m_width[static_cast<std::size_t>(code)] = width;
    }
}

} // namespace tembra
