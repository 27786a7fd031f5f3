#include "model/DcUtility.h"

#include "model/Utility.h"

namespace tembra {

BOOL IsLogRectVisible(const CRect& rect) {
    std::unique_ptr<CDC> screen = CreateScreenDC();
    if (!screen) {
        return FALSE;
    }
    CRect r = rect;
    NormalizeLogRect(r);
    screen->SetMapMode(MM_LOMETRIC);
    screen->LPtoDP(&r);
    return r.IsRectEmpty() ? FALSE : TRUE;
}

CSize MeasureText(CDC* dc, const LOGFONT& font, std::string_view textCp932) {
    if (dc == nullptr) {
        return {};
    }
    CFont f;
    if (!f.CreateFontIndirect(&font)) {
        return {};
    }
    CFont* old = dc->SelectObject(&f);
    const CSize extent = dc->GetTextExtent(textCp932);
    if (old != nullptr) {
        dc->SelectObject(old);
    }
    return extent;
}

double LogicalToPoints(const CDC* dc, int value) {
    if (dc == nullptr) {
        return 0.0;
    }
    const int dpi = dc->GetDeviceCaps(LOGPIXELSY);
    const CSize window = dc->GetWindowExt();
    if (dpi <= 0 || window.cy == 0) {
        return 0.0;
    }
    return static_cast<double>(value) * dc->GetViewportExt().cy / window.cy / dpi * 72.0;
}

CSize GetViewportExt(const CDC* dc) {
    return dc != nullptr ? dc->GetViewportExt() : CSize();
}

CSize GetWindowExt(const CDC* dc) {
    return dc != nullptr ? dc->GetWindowExt() : CSize();
}

} // namespace tembra
