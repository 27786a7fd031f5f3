#include "dialogs/settings/GridSetDlg.h"

#include "model/ConfigZukei.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

// The divisions by their stored index.
constexpr const char* kDivisions[] = {"なし", "１／１", "１／２", "１／３", "１／４", "１／５"};
constexpr int kDivisionCount = static_cast<int>(std::size(kDivisions));

QComboBox* DivisionList(int id, WORD index, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(IdName(id));
    for (const char* text : kDivisions) {
        list->addItem(QString::fromUtf8(text));
    }
    // An index from a damaged profile shows as なし rather than as an empty list.
    list->setCurrentIndex(index < kDivisionCount ? index : 0);
    return list;
}

} // namespace

CGridSetDlg::CGridSetDlg(CConfigZukei& config, QWidget* parent)
    : QDialog(parent), m_config(config) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("グリッドの設定"));
    auto* setting = new QGroupBox(QString::fromUtf8("設定"), this);
    auto* radios = new QHBoxLayout(setting);
    m_on = new QRadioButton(QString::fromUtf8("有効"), setting);
    m_on->setObjectName(IdName(IDC_ON));
    m_off = new QRadioButton(QString::fromUtf8("無効"), setting);
    m_off->setObjectName(IdName(IDC_OFF));
    auto* group = new QButtonGroup(this);
    group->addButton(m_on);
    group->addButton(m_off);
    radios->addWidget(m_on);
    radios->addWidget(m_off);
    (config.GetPartitionFlag() != 0 ? m_on : m_off)->setChecked(true);
    auto* divisions = new QGroupBox(QString::fromUtf8("分割設定"), this);
    auto* form = new QFormLayout(divisions);
    m_day = DivisionList(IDC_DAY, config.GetTimePartition(), divisions);
    m_row = DivisionList(IDC_ROW, config.GetLinePartition(), divisions);
    form->addRow(QString::fromUtf8("１日の分割"), m_day);
    form->addRow(QString::fromUtf8("行の分割"), m_row);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_on, m_off, m_day, m_row});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setting);
    layout->addWidget(divisions);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CGridSetDlg::accept() {
    m_config.SetPartitionFlag(m_on->isChecked() ? 1 : 0);
    m_config.SetTimePartition(static_cast<WORD>(m_day->currentIndex()));
    m_config.SetLinePartition(static_cast<WORD>(m_row->currentIndex()));
    QDialog::accept();
}

} // namespace tembra
