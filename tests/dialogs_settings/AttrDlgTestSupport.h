// What the attribute dialog tests share: picking an entry as a user does (the entry changes,
// then the pick is reported, which for その他 asks for a colour), and the buttons by their ids.
#pragma once

#include "support/qt/DialogControls.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace tembra::test {

inline void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void Press(QDialog& dialog, int id) {
    Control<QPushButton>(dialog, id)->click();
}

} // namespace tembra::test
