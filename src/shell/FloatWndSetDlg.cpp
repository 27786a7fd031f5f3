#include "shell/FloatWndSetDlg.h"

#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/DialogRegistry.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tembra {

CFloatWndSetDlg::CFloatWndSetDlg(CConfigBase& config, QWidget* parent)
    : QDialog(parent), m_config(config) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("ﾌﾛｰﾃｨﾝｸﾞｳｨﾝﾄﾞｳの設定"));
    m_scroll = new QCheckBox(QString::fromUtf8("位置表示枠の移動に合わせ工程表をスクロール"), this);
    m_scroll->setObjectName(IdName(IDC_SCROLL_WITH_FRAME));
    m_scroll->setChecked(config.GetTemWithFlt() != 0);
    auto* note = new QLabel(
        QString::fromUtf8("この設定を有効にすると、\n表示速度が低下する場合が\nあります。"), this);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_scroll});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll);
    layout->addWidget(note);
    layout->addWidget(MakeOkCancel(this, enter));
}

CFloatWndSetDlg::~CFloatWndSetDlg() = default;

void CFloatWndSetDlg::accept() {
    m_config.SetTemWithFlt(m_scroll->isChecked() ? 1 : 0);
    QDialog::accept();
}

void CFloatWndSetDlg::Register(IDialogRegistry& registry) {
    registry.Register(kRequestName, [&registry](DialogRequest& r) {
        auto& request = static_cast<OptionDialogRequest&>(r);
        if (request.config == nullptr) {
            return IDCANCEL;
        }
        CFloatWndSetDlg dialog(*request.config, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
