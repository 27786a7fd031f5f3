// What the caches of a page layout are made of: the layout's document and the state of its
// chart objects, and the layout's geometry and display options as they decide where an object
// lies and how far its labels reach. A cache made under one key serves while the layout still
// has that key. The first row shown is not part of it, only the number of rows (which sets
// their height): a cache that depends on where the rows begin keeps that itself.
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
    // Last row less first row.
    int rows = 0;
    int zoom = 0;
    bool fixedRows = false;
    // The first of the fixed rows while they are drawn (fixedRows), else 0.
    int fixedFirstRow = 0;
    int outputMode = 0;
    int shigenDispMode = 0;
    BOOL simpleText = FALSE;
    BOOL quickText = FALSE;
    BOOL shigenCentered = FALSE;
    bool operator==(const DrawCacheKey&) const = default;
};

DrawCacheKey DrawCacheKeyOf(const CPageLayout& layout);

} // namespace tembra
