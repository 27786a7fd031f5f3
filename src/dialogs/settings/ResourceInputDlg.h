// The resource input window (258 "資源入力設定"), shown while resources are put on processes:
// the names and the quantities that a click on a process gives it.
#pragma once

#include "dialogs/settings/ResourceDlgBase.h"

namespace tembra {

class CResourceInputDlg : public CResourceDlgBase {
    Q_OBJECT
public:
    static constexpr int IDD = 258;

    explicit CResourceInputDlg(QWidget* parent = nullptr);
};

} // namespace tembra
