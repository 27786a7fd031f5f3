#include "render/RowSpaceKey.h"

#include "render/PageLayout.h"

namespace tembra {

RowSpaceKey::RowSpaceKey(const CPageLayout& layout)
    : m_key(DrawCacheKeyOf(layout)),
      m_rowSpace(layout.GetOutputMode() != 0 && !(layout.IsScrolledDown() && layout.GetClipPass())),
      m_firstRow(layout.GetFirstRow()) {}

bool RowSpaceKey::IsFor(const CPageLayout& layout) const {
    return m_key == DrawCacheKeyOf(layout) && (m_rowSpace || m_firstRow == layout.GetFirstRow());
}

} // namespace tembra
