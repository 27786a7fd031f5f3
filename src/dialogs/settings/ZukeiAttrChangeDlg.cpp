#include "dialogs/settings/ZukeiAttrChangeDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/ZukeiAttrPanel.h"
#include "dialogs/settings/core/AttrComboTables.h"
#include "document/ZukeiDialogRequests.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CZukeiAttrChangeDlg::CZukeiAttrChangeDlg(ZukeiAttrChangeDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("線画属性変更"));
    // The request carries no chart: the sample takes the program's line widths.
    m_panel = new CZukeiAttrPanel(this, CZukeiAttrPanel::Style::kNone,
                                  [] { return GetAppConfig()->GetZukei().GetWidthSet().m_width; });
    auto* applyBox = new QGroupBox(QString::fromUtf8("設定する項目"), this);
    auto* applyGrid = new QGridLayout(applyBox);
    const auto table = ZukeiApplyTable();
    const auto checks = ZukeiChecksFromMask(request.mask);
    for (int i = 0; i < 7; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_apply[i] = MakeCheck(applyBox, IDC_APPLY + i, table[at].text);
        m_apply[i]->setChecked(checks[at]);
        applyGrid->addWidget(m_apply[i], i / 4, i % 4);
    }
    m_panel->changed = [this](CZukeiAttrPanel::Group group) { m_apply[group]->setChecked(true); };
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this,
            [this] { m_panel->Load(ZukeiAttrFields::From(m_request.attr)); });
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(applyBox);
    layout->addWidget(m_panel);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);
    m_panel->Load(ZukeiAttrFields::From(request.attr));
}

void CZukeiAttrChangeDlg::accept() {
    std::array<bool, ZukeiAttrFields::kApplyCount> checks{};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        checks[i] = m_apply[i]->isChecked();
    }
    // The radius is checked only when it is to be applied: a first selected shape without
    // corners (a text frame keeps 0) must not block a change of its colour.
    ZukeiAttrFields fields;
    if (!m_panel->ReadFields(fields, checks[CZukeiAttrPanel::kBoxRay])) {
        return;
    }
    fields.WriteTo(m_request.attr);
    m_request.mask = ZukeiMaskFromChecks(checks);
    QDialog::accept();
}

} // namespace tembra
