#include "dialogs/attributes/NodeSizeDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/attributes/core/KouteiAttrFields.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tembra {

CNodeSizeDlg::CNodeSizeDlg(NodeSizeDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("ノードサイズの設定"));
    m_size = MakeNumberEdit(this, IDC_SIZE, 4);
    m_size->setText(QString::number(request.size));
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_size});
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("サイズ (%)"), this), 0, 0);
    grid->addWidget(m_size, 0, 1);
    const struct {
        int id;
        const char* text;
        int size;
    } presets[] = {
        {IDC_HALF, "1/2", 50}, {IDC_ONE, "×1", 100}, {IDC_TWO, "×2", 200}, {IDC_THREE, "×3", 300}};
    int column = 0;
    for (const auto& preset : presets) {
        auto* button = new QPushButton(QString::fromUtf8(preset.text), this);
        button->setObjectName(IdName(preset.id));
        button->setAutoDefault(false);
        const int size = preset.size;
        connect(button, &QPushButton::clicked, this,
                [this, size] { m_size->setText(QString::number(size)); });
        grid->addWidget(button, 1, column++);
    }
    grid->addWidget(MakeOkCancel(this, enter), 2, 0, 1, column);
}

void CNodeSizeDlg::accept() {
    int size = 0;
    if (!ReadIntField(m_size, kMinNodeSize, kMaxNodeSize, size, kRangeMessages)) {
        return;
    }
    m_request.size = size;
    QDialog::accept();
}

} // namespace tembra
