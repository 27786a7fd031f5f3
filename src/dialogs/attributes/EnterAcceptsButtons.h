// The 決定 (1) and 取消 (2) buttons of the dialogs in which Enter acts as 決定 wherever the
// focus is: 決定 is the default button.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace tembra {

QDialogButtonBox* MakeEnterAcceptsButtons(QDialog* dialog);

} // namespace tembra
