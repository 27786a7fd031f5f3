#include "view/core/TembraToolTip.h"

namespace tembra {

void CTembraToolTip::UpdateTip(bool mouseMove, std::uintptr_t id, const std::string& text) {
    if (mouseMove && id != 0) {
        if (id == m_shownId) {
            return;
        }
        m_hide();
        m_text = text;
        m_show(m_text);
    } else {
        m_hide();
    }
    m_shownId = id;
}

} // namespace tembra
