// What the pages of a print job hand on to each other: the caches of a page layout that do not
// depend on where its rows begin (the chart objects' bounds, the process lines the crossings
// look up). The first page that needs one makes it; every next page, whose layout differs only
// in its rows, takes it instead of making it again. The job drops them when it ends.
#pragma once

#include <memory>

namespace tembra {

class CChartObjectRows;
class CKouteiCrossLines;
class CPageLayout;

class CPrintPageCaches {
public:
    void Clear();
    // Gives the layout of the next page what the pages before it made, where it serves.
    void LendTo(const CPageLayout& layout) const;
    // Keeps what the layout of a page has made, for the pages after it.
    void KeepFrom(const CPageLayout& layout);

private:
    std::shared_ptr<const CChartObjectRows> m_objectRows;
    std::shared_ptr<const CKouteiCrossLines> m_crossLines;
};

} // namespace tembra
