#include "render/DrawCacheKey.h"

#include "render/PageLayout.h"

namespace tembra {

DrawCacheKey DrawCacheKeyOf(const CPageLayout& layout) {
    DrawCacheKey key;
    const IPageLayoutDocument* document = layout.GetDocument();
    key.document = document;
    key.changes = document != nullptr ? document->GetChangeCount() : 0;
    key.chart = layout.GetChartRect();
    key.items = layout.GetKoumokuRect();
    key.start = layout.GetStartDate();
    key.end = layout.GetEndDate();
    key.rows = layout.GetLastRow() - layout.GetFirstRow();
    key.zoom = layout.GetZoom();
    key.fixedRows = layout.IsScrolledDown() && layout.GetClipPass();
    key.fixedFirstRow = key.fixedRows ? layout.GetAltFirstRow() : 0;
    key.outputMode = layout.GetOutputMode();
    key.shigenDispMode = layout.GetShigenDispMode();
    key.simpleText = layout.IsSimpleText();
    key.quickText = layout.IsQuickText();
    key.shigenCentered = layout.IsShigenCentered();
    return key;
}

} // namespace tembra
