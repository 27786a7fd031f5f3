// The line-type dialog (297 "折線グラフの線種設定"): one line series' colour, line type and
// width. 決定 writes the three into the chart it is given (a sheet's working copy); Enter moves
// on unless the focus is on 決定 or 取消.
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"

#include <QDialog>

class QComboBox;

namespace tembra {

class CChart;

class CLineTypeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 297;
    enum : int { IDC_LINE_COLOR = 1002, IDC_LINE_TYPE = 2007, IDC_LINE_WIDTH = 2008 };

    CLineTypeDlg(int series, CChart& chart, QWidget* parent = nullptr);

    void accept() override;

private:
    int m_series;
    CChart& m_chart;
    LineTypeFields m_fields;
    QComboBox* m_type = nullptr;
    QComboBox* m_width = nullptr;
};

} // namespace tembra
