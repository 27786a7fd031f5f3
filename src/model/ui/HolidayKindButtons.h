// The kind radios of the holiday dialogs (161, 414): 1276 "平日", 1277 "祝祭日 (振替あり)", 1278
// "特別休日 (振替なし)" for the kinds 0, 1 and 2. A kind above them checks none and is kept
// unless the user chooses one.
#pragma once

#include <array>

class QRadioButton;
class QWidget;
class QLayout;

namespace tembra {

struct HolidayKindButtons {
    // Makes the three radios in an exclusive group, laid out in a box of parent.
    static HolidayKindButtons Make(QWidget* parent, QLayout*& box);
    void Show(int kind) const;
    // The kind checked, else the kind shown.
    int Read(int shown) const;

    std::array<QRadioButton*, 3> buttons{};
};

} // namespace tembra
