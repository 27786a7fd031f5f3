#include "dialogs/settings/YogoAttr2Dlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/YogoAttrPanel.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

CElemAttr* ChartTermSettings(CTembraDoc* document) {
    return document != nullptr ? &document->GetSyokiSet().GetChart().GetYogoAttr() : nullptr;
}

} // namespace

CYogoAttr2Dlg::CYogoAttr2Dlg(YogoAttr2DlgRequest& request, CTembraDoc* document, QWidget* parent)
    : QDialog(parent), m_request(request), m_document(document), m_batch(request.fromSelection) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("用語属性"));
    m_panel = new CYogoAttrPanel(this);
    auto* applyBox = new QGroupBox(QString::fromUtf8("設定する項目"), this);
    auto* applyRow = new QHBoxLayout(applyBox);
    const char* names[] = {"書式", "サイズ", "属性", "色", "表示位置", "半角文字"};
    for (int i = 0; i < 6; ++i) {
        m_apply[i] = MakeCheck(applyBox, IDC_APPLY + i, names[i]);
        applyRow->addWidget(m_apply[i]);
    }
    applyBox->setVisible(m_batch);
    m_panel->changed = [this](CYogoAttrPanel::Group group) {
        if (m_batch) {
            m_apply[group]->setChecked(true);
        }
    };
    m_panel->EnableStacking(!m_batch);
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, &CYogoAttr2Dlg::Reset);
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(applyBox);
    layout->addWidget(m_panel);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);

    YogoAttrFields fields = YogoAttrFields::From(request.attr, request.position);
    if (const CElemAttr* chart = ChartTermSettings(document); chart != nullptr && !m_batch) {
        fields.stack = chart->m_stack;
    }
    m_panel->Load(fields);
}

void CYogoAttr2Dlg::Reset() {
    if (m_batch) {
        if (const CElemAttr* chart = ChartTermSettings(m_document)) {
            m_panel->Load(YogoAttrFields::From(*chart));
        }
        for (QCheckBox* box : m_apply) {
            box->setChecked(true);
        }
        return;
    }
    m_panel->Load(YogoAttrFields::From(GetAppConfig()->GetChart().GetYogoAttr()));
}

YogoApplyGroups CYogoAttr2Dlg::Groups() const {
    return {m_apply[0]->isChecked(), m_apply[1]->isChecked(), m_apply[2]->isChecked(),
            m_apply[3]->isChecked(), m_apply[4]->isChecked(), m_apply[5]->isChecked()};
}

void CYogoAttr2Dlg::accept() {
    const YogoAttrFields& fields = m_panel->Fields();
    if (m_batch) {
        const YogoApplyGroups groups = Groups();
        fields.WriteBlock(&groups, m_request.attr, m_request.position);
    } else {
        fields.WriteBlock(nullptr, m_request.attr, m_request.position);
        if (CElemAttr* chart = ChartTermSettings(m_document)) {
            chart->m_stack = static_cast<WORD>(fields.stack);
        }
    }
    QDialog::accept();
}

} // namespace tembra
