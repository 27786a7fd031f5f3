#include "platform/qt/DialogParts.h"

#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialog>
#include <QPushButton>

namespace tembra {

namespace {
constexpr int IDOK_BUTTON = 1;
constexpr int IDCANCEL_BUTTON = 2;
} // namespace

QDialogButtonBox* MakeOkCancel(QDialog* dialog, CEnterMovesFocus* enter,
                               Qt::Orientation orientation) {
    auto* buttons = new QDialogButtonBox(orientation, dialog);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(IdName(IDOK_BUTTON));
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(IdName(IDCANCEL_BUTTON));
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
    }
    enter->SetButtons(ok, cancel);
    // A field whose text CP932 cannot hold keeps the dialog open before its own 決定 runs.
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog] {
        if (CheckTextFields(dialog)) {
            dialog->accept();
        }
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace tembra
