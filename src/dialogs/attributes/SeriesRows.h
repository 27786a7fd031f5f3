// The five resource rows of a chart's graph page with "▼次" and "▲前": each row the on/off check
// of its series, the series' sample and the resource's name; rows without a resource are empty
// and disabled. The page decides what a sample click and paging do.
#pragma once

#include "model/Shigen.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tembra {

class CChart;
class CGraphSampleButton;

class CSeriesRows : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 5> kShownIds = {1822, 1831, 1833, 1835, 1837};
    static constexpr std::array<int, 5> kSampleIds = {1823, 1832, 1834, 1836, 1838};

    CSeriesRows(const CShigenNameTable& names, QWidget* parent);

    // The rows of the resources from first on, from the chart.
    void Fill(const CChart& chart, int first);
    // The checks of the rows that have a resource into the chart.
    void StoreShown(CChart& chart, int first) const;
    // A row's sample from its series in the chart (a disabled row keeps its empty sample).
    void RefreshSample(const CChart& chart, int first, int row);
    // Bar patterns or lines (CGraphSampleButton's kinds).
    void SetSampleKind(int kind);

signals:
    void SampleClicked(int row);
    void PageRequested(bool forward);

private:
    const CShigenNameTable& m_names;
    std::array<QCheckBox*, 5> m_shown{};
    std::array<CGraphSampleButton*, 5> m_samples{};
    std::array<QLabel*, 5> m_rowNames{};
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
};

} // namespace tembra
