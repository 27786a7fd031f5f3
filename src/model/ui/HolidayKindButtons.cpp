#include "model/ui/HolidayKindButtons.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

HolidayKindButtons HolidayKindButtons::Make(QWidget* parent, QLayout*& box) {
    static const std::array<std::pair<int, const char*>, 3> kinds = {{
        {1276, "平日"},
        {1277, "祝祭日 (振替あり)"},
        {1278, "特別休日 (振替なし)"},
    }};
    HolidayKindButtons out;
    auto* layout = new QVBoxLayout;
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kinds[i].second), parent);
        button->setObjectName(QString::number(kinds[i].first));
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
        out.buttons[i] = button;
    }
    box = layout;
    return out;
}

void HolidayKindButtons::Show(int kind) const {
    if (kind >= 0 && kind < static_cast<int>(buttons.size())) {
        buttons[static_cast<std::size_t>(kind)]->setChecked(true);
    }
}

int HolidayKindButtons::Read(int shown) const {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return shown;
}

} // namespace tembra
