#include "dialogs/settings/ZukeiAttrSetDlg.h"

#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/ZukeiAttrPanel.h"
#include "model/ConfigBase.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CZukeiAttrSetDlg::CZukeiAttrSetDlg(CSyokiSet& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("線画属性設定"));
    m_panel = new CZukeiAttrPanel(this, CZukeiAttrPanel::Style::kHalfWidth,
                                  [this] { return m_settings.GetZukei().GetWidthSet().m_width; });
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase fresh;
        fresh.Read(FALSE);
        ZukeiAttrFields fields = m_panel->Fields();
        fields.ReloadKeepingColors(fresh.GetZukei().GetAttr());
        m_panel->Load(fields);
    });
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);
    m_panel->Load(ZukeiAttrFields::From(settings.GetZukei().GetAttr()));
}

void CZukeiAttrSetDlg::accept() {
    ZukeiAttrFields fields;
    if (!m_panel->ReadFields(fields)) {
        return;
    }
    fields.WriteTo(m_settings.GetZukei().GetAttr());
    QDialog::accept();
}

} // namespace tembra
