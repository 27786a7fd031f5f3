// The resource charts' walk and edits (see ResourceCharts.h).
#include "document/ResourceCharts.h"

#include "chart/Chart.h"

namespace tembra {

namespace {

// The chart a record of the chart list is (null for a record that is no chart).
CChart* AsChart(CDataHeader* record) {
    return record != nullptr && record->GetType() == kTypeChart ? DynamicDowncast<CChart>(record)
                                                                : nullptr;
}

} // namespace

int CResourceCharts::CountSelectedCharts(WORD kind) const {
    int count = 0;
    for (POSITION pos = GetHeadChartPosition(); pos != nullptr;) {
        const CChart* chart = GetNextChart(pos);
        if (chart != nullptr && chart->IsSelected() != 0 &&
            (kind == 0 || chart->GetKind() == kind)) {
            ++count;
        }
    }
    return count;
}

CChart* CResourceCharts::GetNextChart(POSITION& pos) const {
    return AsChart(m_objects.GetChartList().GetNext(pos));
}

CChart* CResourceCharts::GetPrevChart(POSITION& pos) const {
    return AsChart(m_objects.GetChartList().GetPrev(pos));
}

void CResourceCharts::UnselectCharts() {
    for (POSITION pos = GetHeadChartPosition(); pos != nullptr;) {
        CChart* chart = GetNextChart(pos);
        if (chart != nullptr && chart->IsSelected() != 0) {
            chart->Deselect();
            m_notifier.UpdateAllViewsWith(chart);
        }
    }
}

void CResourceCharts::DeleteSelectedCharts() {
    OwnedObList<CDataHeader>& charts = m_objects.GetChartList();
    for (POSITION pos = charts.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* record = charts.GetNext(pos);
        if (record == nullptr || record->IsSelected() == 0) {
            continue;
        }
        charts.RemoveAt(at);
        delete record;
        m_notifier.RedrawAll();
    }
}

} // namespace tembra
