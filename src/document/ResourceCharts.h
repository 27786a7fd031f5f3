// The resource charts of a chart (CChart records, type 7: resource loading and earned value)
// as a part of their own: the walk over the chart list, the selected charts by kind, and the
// two edits the chart list knows, deselecting and deleting the selected charts. The list itself
// is the chart's (CChartObjects); what changes is redrawn through the notifier. Deleting a
// chart is not recorded for undo.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "platform/Types.h"

namespace tembra {

class CChart;

class CResourceCharts {
public:
    CResourceCharts(CChartObjects& objects, CChartNotifier& notifier)
        : m_objects(objects), m_notifier(notifier) {}
    CResourceCharts(const CResourceCharts&) = delete;
    CResourceCharts& operator=(const CResourceCharts&) = delete;

    int GetChartCount() const { return m_objects.GetChartList().GetCount(); }
    // The selected charts of the kind (1 resource loading, 2 earned value, 0 any).
    int CountSelectedCharts(WORD kind) const;
    POSITION GetHeadChartPosition() const { return m_objects.GetChartList().GetHeadPosition(); }
    POSITION GetTailChartPosition() const { return m_objects.GetChartList().GetTailPosition(); }
    // The chart at pos (null for a record of the list that is no chart), pos moved on.
    CChart* GetNextChart(POSITION& pos) const;
    CChart* GetPrevChart(POSITION& pos) const;
    // Deselects every selected chart and redraws it.
    void UnselectCharts();
    // Deletes the selected charts, redrawing after each; not recorded for undo.
    void DeleteSelectedCharts();

private:
    CChartObjects& m_objects;
    CChartNotifier& m_notifier;
};

} // namespace tembra
