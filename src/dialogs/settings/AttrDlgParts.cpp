#include "dialogs/settings/AttrDlgParts.h"

#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

namespace tembra {

QButtonGroup* MakeRadioGroup(QWidget* parent, QBoxLayout* layout, int firstId,
                             std::span<const CodeEntry> table) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < table.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(table[i].text), parent);
        radio->setObjectName(IdName(firstId + static_cast<int>(i)));
        group->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
    }
    return group;
}

void CheckPosition(QButtonGroup* group, int position) {
    if (QAbstractButton* button = group->button(position)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; a value outside the table clears them all.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

void WatchFields(CEnterMovesFocus* enter, QDialog* dialog) {
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(child) != nullptr ||
            qobject_cast<QLineEdit*>(child) != nullptr ||
            qobject_cast<QRadioButton*>(child) != nullptr ||
            qobject_cast<QCheckBox*>(child) != nullptr) {
            enter->Watch({child});
        }
    }
}

void AddBottomRow(QDialog* dialog, QBoxLayout* layout, CEnterMovesFocus* enter,
                  std::initializer_list<QWidget*> own) {
    auto* row = new QHBoxLayout;
    for (QWidget* button : own) {
        row->addWidget(button);
    }
    row->addStretch();
    row->addWidget(MakeOkCancel(dialog, enter));
    layout->addLayout(row);
}

} // namespace tembra
