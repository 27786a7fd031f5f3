#include "render/ChartObjectIndex.h"
#include "render/KouteiCrossIndex.h"
#include "render/PageLayout.h"

namespace tembra {

CPageLayout::DrawCaches::DrawCaches() = default;
// A copy of a layout opens no pass of its own and keeps nothing of another's.
CPageLayout::DrawCaches::DrawCaches(const DrawCaches&) {}
CPageLayout::DrawCaches& CPageLayout::DrawCaches::operator=(const DrawCaches&) {
    crossIndex.reset();
    objectIndex.reset();
    selectedCells.reset();
    return *this;
}
CPageLayout::DrawCaches::~DrawCaches() = default;

CPageLayout::DrawPass::DrawPass(const CPageLayout& layout) : m_layout(layout) {
    ++m_layout.m_caches.passDepth;
}

CPageLayout::DrawPass::~DrawPass() {
    if (--m_layout.m_caches.passDepth == 0) {
        m_layout.m_caches.crossIndex.reset();
    }
}

const CKouteiCrossIndex* CPageLayout::GetCrossIndex() const {
    if (m_caches.passDepth <= 0) {
        return nullptr;
    }
    if (!m_caches.crossIndex || !m_caches.crossIndex->IsFor(*this)) {
        m_caches.crossIndex = std::make_unique<CKouteiCrossIndex>(*this);
    }
    return m_caches.crossIndex.get();
}

const CChartObjectIndex* CPageLayout::GetObjectIndex() const {
    if (m_doc == nullptr || m_doc->GetChangeCount() == 0) {
        m_caches.objectIndex.reset();
        return nullptr;
    }
    if (!m_caches.objectIndex || !m_caches.objectIndex->IsFor(*this)) {
        m_caches.objectIndex = std::make_unique<CChartObjectIndex>(*this);
    }
    return m_caches.objectIndex.get();
}

} // namespace tembra
