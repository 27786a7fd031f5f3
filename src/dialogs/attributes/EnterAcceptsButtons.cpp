#include "dialogs/attributes/EnterAcceptsButtons.h"

#include "platform/qt/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tembra {

QDialogButtonBox* MakeEnterAcceptsButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(Qt::Vertical, dialog);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(IdName(1));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(IdName(2));
    cancel->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace tembra
