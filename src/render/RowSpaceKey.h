// The key of a cache that layouts differing only in their first row share. On paper and in
// the preview the rows' places follow from the rows above them, so what the cache holds is kept
// in row space, and any first row may use it; a screen that is scrolled down and clipped draws
// its rows where it has them, and a cache made there serves only the first row it was made for.
#pragma once

#include "render/DrawCacheKey.h"

namespace tembra {

class RowSpaceKey {
public:
    RowSpaceKey() = default;
    explicit RowSpaceKey(const CPageLayout& layout);

    // Whether a cache made under this key serves the layout as it now is.
    bool IsFor(const CPageLayout& layout) const;
    // Whether the cache keeps row space (else the layout's own places, for its first row).
    bool InRowSpace() const { return m_rowSpace; }

private:
    DrawCacheKey m_key;
    bool m_rowSpace = false;
    int m_firstRow = 0;
};

} // namespace tembra
