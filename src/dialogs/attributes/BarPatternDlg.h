// The bar-pattern dialog (264 "棒グラフの模様設定"): one bar series' line colour, pattern colour
// and pattern. 決定 writes the three into the chart it is given (the settings sheet gives its
// working copy); Enter moves on unless the focus is on 決定 or 取消.
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"

#include <QDialog>

class QComboBox;

namespace tembra {

class CChart;

class CBarPatternDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 264;
    enum : int { IDC_LINE_COLOR = 1002, IDC_PATTERN = 1003, IDC_PATTERN_COLOR = 1004 };

    CBarPatternDlg(int series, CChart& chart, QWidget* parent = nullptr);

    void accept() override;

private:
    int m_series;
    CChart& m_chart;
    BarPatternFields m_fields;
    QComboBox* m_pattern = nullptr;
};

} // namespace tembra
