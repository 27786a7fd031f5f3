// The per-day totals page (428 "日毎の集計") of the resource-loading chart's sheet: whether the
// chart writes the total of every day, in which face, size and colour.
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace tembra {

class CChart;
class CChartFaceList;

class CChartSetTotalDay : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 428;
    enum : int { IDC_DAY_TOTALS = 1052, IDC_FACE_LIST = 1231, IDC_SIZE = 1233, IDC_COLOR = 1403 };

    explicit CChartSetTotalDay(QWidget* parent = nullptr);

    void Fill(const CChart& chart);
    // The page's apply step: the selected face becomes the font.
    bool Apply();
    // The check, the font (half the size as width) and the colour.
    void Store(CChart& chart) const;

private:
    QCheckBox* m_dayTotals = nullptr;
    CChartFaceList* m_faces = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_color = nullptr;
    LOGFONT m_font;
    ColorChoice m_colorChoice;
};

} // namespace tembra
