// A ruled line's fields in the document file, as the old header's line and the element record
// store them alike: the 16-bit rectangle, the 16-bit style and width, the 32-bit colour.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"
#include "print/PrStoredFields.h"

namespace tembra::prfields {

inline void SerializeLineFields(CArchive& ar, CRect& rect, short& style, short& width,
                                COLORREF& color) {
    if (ar.IsStoring()) {
        StoreRect16(ar, rect);
        ar << style << width << static_cast<DWORD>(color);
    } else {
        rect = LoadRect16(ar);
        ar >> style >> width;
        color = LoadColor(ar);
    }
}

} // namespace tembra::prfields
