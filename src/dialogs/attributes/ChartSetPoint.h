// The point page (426 "折れ線") of the resource-loading chart's sheet, shown with a line graph
// only: where the line puts its points round a change of the resource amount.
#pragma once

#include <QWidget>

class QButtonGroup;

namespace tembra {

class CChart;

class CChartSetPoint : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 426;
    enum : int { IDC_STANDARD = 2007, IDC_BEFORE = 2008, IDC_AFTER = 2009, IDC_CHANGE = 2011 };

    explicit CChartSetPoint(QWidget* parent = nullptr);

    void Fill(const CChart& chart);
    void Store(CChart& chart) const;

private:
    QButtonGroup* m_modes = nullptr;
};

} // namespace tembra
