#include "platform/Types.h"

#include "platform/Sjis.h"

#include <algorithm>
#include <utility>

namespace tembra {

void CRect::NormalizeRect() {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

void CRect::OffsetRect(LONG dx, LONG dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void CRect::InflateRect(LONG dx, LONG dy) {
    InflateRect(dx, dy, dx, dy);
}

void CRect::InflateRect(LONG l, LONG t, LONG r, LONG b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

BOOL CRect::IntersectRect(const CRect& a, const CRect& b) {
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = r;
    return TRUE;
}

BOOL CRect::UnionRect(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty() && b.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    if (a.IsRectEmpty()) {
        *this = b;
        return TRUE;
    }
    if (b.IsRectEmpty()) {
        *this = a;
        return TRUE;
    }
    SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom));
    return TRUE;
}

std::string_view LOGFONT::FaceName() const {
    return std::string_view(lfFaceName, strnlen(lfFaceName, LF_FACESIZE));
}

void LOGFONT::SetFaceName(std::string_view cp932) {
    std::memset(lfFaceName, 0, LF_FACESIZE);
    std::string_view cut = cp932.substr(0, Sjis::CutLength(cp932, LF_FACESIZE - 1));
    std::memcpy(lfFaceName, cut.data(), cut.size());
}

} // namespace tembra
