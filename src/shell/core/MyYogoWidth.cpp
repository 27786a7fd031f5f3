#include "shell/core/MyYogoWidth.h"

namespace tembra {

CRect CMyYogoWidth::Apply(const CRect& window, int width, bool expanded, const CRect& desktop,
                          std::optional<CRect>& remembered) {
    if (!expanded && remembered) {
        const CRect back = *remembered;
        remembered.reset();
        return CRect(back.left, back.top, back.left + width, back.top + window.Height());
    }
    CRect r(window.left, window.top, window.left + width, window.bottom);
    if (expanded && (r.left < desktop.left || r.right > desktop.right)) {
        remembered = window;
        if (r.right > desktop.right) {
            r.OffsetRect(desktop.right - r.right, 0);
        }
        if (r.left < desktop.left) {
            r.OffsetRect(desktop.left - r.left, 0);
        }
    }
    return r;
}

} // namespace tembra
