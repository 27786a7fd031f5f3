// The graph page (427 "グラフ") of the earned-value chart's sheet: the total that counts as
// 100 % ("total", a decimal number; what is no number counts as 0) and five resources at a time,
// each with its on/off check and the sample of its line, which opens the line-type dialog on the
// chart it was given (the sheet's working copy). "▼次" and "▲前" store the shown rows first.
#pragma once

#include "model/Shigen.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tembra {

class CChart;
class CGraphSampleButton;

class CPieceSetGraph : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 427;
    static constexpr std::array<int, 5> kShownIds = {1822, 1831, 1833, 1835, 1837};
    static constexpr std::array<int, 5> kSampleIds = {1823, 1832, 1834, 1836, 1838};

    CPieceSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);

    void Fill();
    // The total and the shown rows' checks into the chart.
    void Store();
    // The page's apply step: a total below 1 shows message 5138, puts the focus on the total
    // and refuses.
    bool Apply();

private:
    void RefreshSample(int row);
    void OpenSample(int row);
    void Page(bool forward);

    CChart& m_chart;
    const CShigenNameTable& m_names;
    int m_first = 0;
    QLineEdit* m_total = nullptr;
    std::array<QCheckBox*, 5> m_shown{};
    std::array<CGraphSampleButton*, 5> m_samples{};
    std::array<QLabel*, 5> m_rowNames{};
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
};

} // namespace tembra
