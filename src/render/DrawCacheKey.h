// What the caches of a page layout are made of: the layout's document and the state of its
// chart objects, and the layout's geometry and display options as they decide where an object
// lies and how far its labels reach. A cache made under one key serves while the layout still
// has that key.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <cstdint>

namespace tembra {

class CPageLayout;

struct DrawCacheKey {
    const void* document = nullptr;
    // The document's change count (IPageLayoutDocument::GetChangeCount; 0 when it counts
    // none).
    std::uint64_t changes = 0;
    CRect chart;
    CRect items;
    CTime start;
    CTime end;
    int firstRow = 0;
    int lastRow = 0;
    int zoom = 0;
    bool fixedRows = false;
    int outputMode = 0;
    int shigenDispMode = 0;
    BOOL simpleText = FALSE;
    BOOL quickText = FALSE;
    BOOL shigenCentered = FALSE;
    bool operator==(const DrawCacheKey&) const = default;
};

DrawCacheKey DrawCacheKeyOf(const CPageLayout& layout);

} // namespace tembra
