// What the schedule document asks of a view that shows its chart: the page layout the view draws
// with. A chart view implements it beside CView; the document finds it among its views where an
// operation measures shapes as a view shows them (the curve of an arc needs a layout).
#pragma once

namespace tembra {

class CPageLayout;

class IChartViewLayout {
public:
    virtual ~IChartViewLayout() = default;
    // The layout the view draws with; null while it has none.
    virtual const CPageLayout* GetChartLayout() const = 0;
};

} // namespace tembra
