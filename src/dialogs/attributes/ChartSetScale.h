// The scale page (423 "目盛") of both resource-chart sheets: the scale's face and size, its step
// and, for a resource-loading chart, its maximum ("自動" or a number; a text that is no number
// counts as 0, automatic). An earned-value line refuses a step of 100 % or more.
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"

#include <QWidget>

class QComboBox;

namespace tembra {

class CChart;
class CChartFaceList;

class CChartSetScale : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 423;
    enum : int { IDC_FACE_LIST = 1231, IDC_SIZE = 1233, IDC_STEP = 1234, IDC_MAXIMUM = 1236 };

    explicit CChartSetScale(QWidget* parent = nullptr);

    void LoadFromChart(const CChart& chart);
    // The page's apply step: for an earned-value line a step of 100 or more shows message 5140,
    // puts the focus on the step and refuses; otherwise the selected face becomes the font.
    bool Apply();
    void StoreToChart(CChart& chart);

private:
    void ReadControls();

    const CChart* m_chart = nullptr;
    ScaleFields m_fields;
    CChartFaceList* m_faces = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_step = nullptr;
    QComboBox* m_maximum = nullptr;
};

} // namespace tembra
