#include "model/ui/HolidayWeekGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace tembra {

HolidayWeekGrid HolidayWeekGrid::Make(QWidget* parent, QGridLayout*& grid, bool labelled) {
    static const char* const kWeeks[5] = {"第1", "第2", "第3", "第4", "第5"};
    static const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
    HolidayWeekGrid out;
    grid = new QGridLayout;
    for (int week = 0; week < 5; ++week) {
        grid->addWidget(new QLabel(QString::fromUtf8(kWeeks[week]), parent), 0, week + 1);
    }
    for (int weekday = 0; weekday < 7; ++weekday) {
        if (labelled) {
            grid->addWidget(new QLabel(QString::fromUtf8(kWeekdays[weekday]), parent), weekday + 1,
                            0);
        }
        for (int week = 0; week < 5; ++week) {
            auto* box = new QCheckBox(parent);
            box->setObjectName(QString::number(kRowIds[static_cast<std::size_t>(weekday)] + week));
            grid->addWidget(box, weekday + 1, week + 1);
            out.boxes[static_cast<std::size_t>(weekday * 5 + week)] = box;
        }
    }
    return out;
}

} // namespace tembra
