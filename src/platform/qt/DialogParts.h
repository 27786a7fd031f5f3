// What the dialogs of both programs build alike: control ids as object names, and the 決定
// (1) and 取消 (2) buttons that Enter presses only when they have the focus.
#pragma once

#include <QDialogButtonBox>
#include <QString>

class QDialog;

namespace tembra {

class CEnterMovesFocus;

inline QString IdName(int id) {
    return QString::number(id);
}

// The 決定 and 取消 buttons of the dialog, neither of them the default; they end the dialog
// through its accept() and reject(), and Enter presses them through enter. 決定 first checks
// the dialog's text fields (CheckTextFields): a text CP932 cannot hold keeps the dialog open.
QDialogButtonBox* MakeOkCancel(QDialog* dialog, CEnterMovesFocus* enter,
                               Qt::Orientation orientation = Qt::Horizontal);

} // namespace tembra
