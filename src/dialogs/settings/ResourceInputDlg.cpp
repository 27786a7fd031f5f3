#include "dialogs/settings/ResourceInputDlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tembra {

CResourceInputDlg::CResourceInputDlg(QWidget* parent)
    : CResourceDlgBase(IDD, "資源入力設定", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(RowsLayout());
}

} // namespace tembra
