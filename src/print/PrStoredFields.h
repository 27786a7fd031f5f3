// Fields the print header's records share in the document file (16-bit rectangles, 16-bit
// numbers read into ints, colours), and where an element lands on the page. Used by the
// element and old-header records only.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"
#include "print/PrLayout.h"

namespace tembra::prfields {

// Rectangles are stored as four 16-bit values and sign-extended on loading.
inline void StoreRect16(CArchive& ar, const CRect& r) {
    ar << static_cast<short>(r.left) << static_cast<short>(r.top) << static_cast<short>(r.right)
       << static_cast<short>(r.bottom);
}

inline CRect LoadRect16(CArchive& ar) {
    short l = 0;
    short t = 0;
    short r = 0;
    short b = 0;
    ar >> l >> t >> r >> b;
    return {l, t, r, b};
}

inline int LoadShort(CArchive& ar) {
    short v = 0;
    ar >> v;
    return v;
}

inline COLORREF LoadColor(CArchive& ar) {
    DWORD v = 0;
    ar >> v;
    return v;
}

// The element rectangle on the page: scaled to the layout's zoom and moved to its page origin.
inline CRect PlaceRect(const CRect& rect, const IPrLayout& layout) {
    CRect placed = layout.ScaleRect(rect);
    const CRect page = layout.GetRect();
    placed.OffsetRect(page.left, page.top);
    return placed;
}

// Raster operation and background modes of the element drawings.
constexpr int kCopyPen = 13;    // R2_COPYPEN
constexpr int kOpaque = 2;      // OPAQUE
constexpr int kTransparent = 1; // TRANSPARENT

} // namespace tembra::prfields
