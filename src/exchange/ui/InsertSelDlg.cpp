#include "exchange/ui/InsertSelDlg.h"

#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

using namespace DocFile;

const std::array<CInsertSelDlg::Box, 10> CInsertSelDlg::kBoxes{{
    {IDC_CALENDAR, "カレンダー情報", &CInsertSelDlg::m_bCalendar, kInsertCalendar},
    {IDC_SETTINGS, "初期設定情報", &CInsertSelDlg::m_bSettings, kInsertSettings},
    {IDC_HEADER, "印刷ヘッダー情報", &CInsertSelDlg::m_bHeader, kInsertHeader},
    {IDC_LAYERS, "レイヤー設定情報", &CInsertSelDlg::m_bLayers, kInsertLayers},
    {IDC_ITEMS, "項目データー", &CInsertSelDlg::m_bItems, kInsertItems},
    {IDC_PROCESSES, "工程+用語データー", &CInsertSelDlg::m_bProcesses, kInsertProcesses},
    {IDC_OBJECTS, "オブジェクトデーター", &CInsertSelDlg::m_bObjects, kInsertEmbedded},
    {IDC_EVENTS, "行事データ", &CInsertSelDlg::m_bEvents, kInsertEvents},
    {IDC_SHAPES, "線画データー", &CInsertSelDlg::m_bShapes, kInsertShapes},
    {IDC_CHOOSE_LAYER, "レイヤーを選択する", &CInsertSelDlg::m_bChooseLayer, 0},
}};

CInsertSelDlg::CInsertSelDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("差し込み選択"));
    auto* info = new QGroupBox(QString::fromUtf8("情報"), this);
    auto* data = new QGroupBox(QString::fromUtf8("データー"), this);
    auto* infoLayout = new QVBoxLayout(info);
    auto* dataLayout = new QVBoxLayout(data);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const Box& box = kBoxes[i];
        const bool isInfo = i < 4;
        auto* check = new QCheckBox(QString::fromUtf8(box.label), isInfo ? info : data);
        check->setObjectName(QString::number(box.id));
        (isInfo ? infoLayout : dataLayout)->addWidget(check);
        m_boxes[i] = check;
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(1));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(2));
    connect(buttons, &QDialogButtonBox::accepted, this, &CInsertSelDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInsertSelDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(data);
    layout->addWidget(buttons);
}

CInsertSelDlg::~CInsertSelDlg() = default;

QCheckBox* CInsertSelDlg::CheckBox(int id) const {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (kBoxes[i].id == id) {
            return m_boxes[i];
        }
    }
    return nullptr;
}

int CInsertSelDlg::exec() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        m_boxes[i]->setChecked(this->*kBoxes[i].value);
    }
    return QDialog::exec();
}

void CInsertSelDlg::accept() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        this->*kBoxes[i].value = m_boxes[i]->isChecked();
    }
    QDialog::accept();
}

int CInsertSelDlg::GetInsertMask() const {
    int mask = 0;
    for (const Box& box : kBoxes) {
        if (this->*box.value) {
            mask |= box.bit;
        }
    }
    return mask;
}

int CInsertSelDlg::Run(DialogRequest& request, QWidget* parent) {
    auto& select = static_cast<InsertSelectRequest&>(request);
    CInsertSelDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        select.mask = 0;
        return IDCANCEL;
    }
    select.mask = dialog.GetInsertMask();
    select.chooseLayer = dialog.m_bChooseLayer;
    return IDOK;
}

} // namespace tembra
