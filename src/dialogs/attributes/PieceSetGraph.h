// The graph page (427 "グラフ") of the earned-value chart's sheet: the total that counts as
// 100 % ("total", a decimal number; what is no number counts as 0) and five resources at a time,
// each with its on/off check and the sample of its line, which opens the line-type dialog on the
// chart it was given (the sheet's working copy). "▼次" and "▲前" store the shown rows first.
#pragma once

#include "dialogs/attributes/SeriesRows.h"

#include <QWidget>

class QLineEdit;

namespace tembra {

class CChart;

class CPieceSetGraph : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 427;
    static constexpr auto kShownIds = CSeriesRows::kShownIds;
    static constexpr auto kSampleIds = CSeriesRows::kSampleIds;

    CPieceSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);

    void Fill();
    // The total and the shown rows' checks into the chart.
    void Store();
    // The page's apply step: a total below 1 shows message 5138, puts the focus on the total
    // and refuses.
    bool Apply();

private:
    void OpenSample(int row);
    void Page(bool forward);

    CChart& m_chart;
    int m_first = 0;
    QLineEdit* m_total = nullptr;
    CSeriesRows* m_rows = nullptr;
};

} // namespace tembra
