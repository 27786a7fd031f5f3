#include "render/ChartObjectIndex.h"
#include "render/KouteiCrossIndex.h"
#include "render/KouteiCrossLines.h"
#include "render/PageLayout.h"

namespace tembra {

namespace {

bool CountsChanges(const IPageLayoutDocument* document) {
    return document != nullptr && document->GetChangeCount() != 0;
}

} // namespace

CPageLayout::DrawCaches::DrawCaches() = default;
// A copy of a layout opens no pass of its own and keeps nothing of another's.
CPageLayout::DrawCaches::DrawCaches(const DrawCaches&) {}
CPageLayout::DrawCaches& CPageLayout::DrawCaches::operator=(const DrawCaches&) {
    crossIndex.reset();
    crossLines.reset();
    objectIndex.reset();
    objectRows.reset();
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
        // The lines outlive the pass only where the change count tells when they go stale.
        if (!CountsChanges(m_layout.m_doc)) {
            m_layout.m_caches.crossLines.reset();
        }
    }
}

const CKouteiCrossIndex* CPageLayout::GetCrossIndex() const {
    // Outside a pass nothing promises that the objects stay as they are, unless the document
    // counts its changes: then the index serves while the count (part of its key) holds, as
    // the object index does.
    if (m_caches.passDepth <= 0 && !CountsChanges(m_doc)) {
        m_caches.crossIndex.reset();
        m_caches.crossLines.reset();
        return nullptr;
    }
    if (!m_caches.crossIndex || !m_caches.crossIndex->IsFor(*this)) {
        m_caches.crossIndex.reset();
        if (!m_caches.crossLines || !m_caches.crossLines->IsFor(*this)) {
            m_caches.crossLines = std::make_shared<const CKouteiCrossLines>(*this);
        }
        m_caches.crossIndex = std::make_unique<CKouteiCrossIndex>(*this, m_caches.crossLines);
    }
    return m_caches.crossIndex.get();
}

void CPageLayout::AdoptCrossLines(const std::shared_ptr<const CKouteiCrossLines>& lines) const {
    if (lines == nullptr || lines == m_caches.crossLines || !CountsChanges(m_doc) ||
        !lines->IsFor(*this)) {
        return;
    }
    m_caches.crossIndex.reset();
    m_caches.crossLines = lines;
}

const CChartObjectIndex* CPageLayout::GetObjectIndex() const {
    if (!CountsChanges(m_doc)) {
        m_caches.objectIndex.reset();
        m_caches.objectRows.reset();
        return nullptr;
    }
    if (!m_caches.objectRows || !m_caches.objectRows->IsFor(*this)) {
        m_caches.objectIndex.reset();
        m_caches.objectRows = std::make_shared<const CChartObjectRows>(*this);
    }
    if (!m_caches.objectIndex) {
        m_caches.objectIndex = std::make_unique<CChartObjectIndex>(m_caches.objectRows, *this);
    }
    return m_caches.objectIndex.get();
}

void CPageLayout::AdoptObjectRows(const std::shared_ptr<const CChartObjectRows>& rows) const {
    if (rows == nullptr || rows == m_caches.objectRows || !rows->IsFor(*this)) {
        return;
    }
    m_caches.objectIndex.reset();
    m_caches.objectRows = rows;
}

} // namespace tembra
