// The totals page (424 "資源毎の集計") of the resource-loading chart's sheet: whether the chart
// lists a total per resource, where the box stands, and five resources at a time with the name
// each shows in the box (its own name unless another is typed). "書式設定(&O)..." formats the
// box of the chart it was given (the sheet's working copy).
#pragma once

#include "model/Shigen.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tembra {

class CChart;

class CChartSetTotal : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 424;
    enum : int {
        IDC_TOTALS = 1000,
        IDC_FORMAT = 2082,
        IDC_FREE = 2090,
        IDC_BOTTOM_RIGHT = 2087,
        IDC_TOP_RIGHT = 2088,
        IDC_BOTTOM_LEFT = 2089,
        IDC_TOP_LEFT = 2010,
    };
    static constexpr std::array<int, 5> kNameIds = {1825, 1826, 1827, 1828, 1829};
    static constexpr std::array<int, 5> kDisplayIds = {1830, 1831, 1832, 1833, 1834};

    CChartSetTotal(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);

    void Fill();
    void Store();

private:
    void Page(bool forward);
    void OpenFormat();

    CChart& m_chart;
    const CShigenNameTable& m_names;
    int m_first = 0;
    QCheckBox* m_totals = nullptr;
    QButtonGroup* m_positions = nullptr;
    std::array<QLabel*, 5> m_rowNames{};
    std::array<QLineEdit*, 5> m_displayNames{};
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
};

} // namespace tembra
