#include "render/PrintPageCaches.h"

#include "render/ChartObjectRows.h"
#include "render/KouteiCrossLines.h"
#include "render/PageLayout.h"

#include <utility>

namespace tembra {

void CPrintPageCaches::Clear() {
    m_objectRows.reset();
    m_crossLines.reset();
}

void CPrintPageCaches::LendTo(const CPageLayout& layout) const {
    layout.AdoptObjectRows(m_objectRows);
    layout.AdoptCrossLines(m_crossLines);
}

void CPrintPageCaches::KeepFrom(const CPageLayout& layout) {
    if (std::shared_ptr<const CChartObjectRows> rows = layout.GetObjectRows()) {
        m_objectRows = std::move(rows);
    }
    if (std::shared_ptr<const CKouteiCrossLines> lines = layout.GetCrossLines()) {
        m_crossLines = std::move(lines);
    }
}

} // namespace tembra
