// The option page (425 "オプション") of the resource-loading chart's sheet: whether resources
// count on every day, regardless of the holiday validity of the process lines.
#pragma once

#include <QWidget>

class QCheckBox;

namespace tembra {

class CChart;

class CChartSetOption : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 425;
    enum : int { IDC_IGNORE_HOLIDAY = 2009 };

    explicit CChartSetOption(QWidget* parent = nullptr);

    void Fill(const CChart& chart);
    void Store(CChart& chart) const;

private:
    QCheckBox* m_ignore = nullptr;
    long m_loaded = 0;
};

} // namespace tembra
