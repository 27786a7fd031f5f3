#include "dialogs/settings/SystemEnvDlg.h"

#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CSystemEnvDlg::CSystemEnvDlg(CConfigBase* config, QWidget* parent)
    : QDialog(parent), m_config(config) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("システム環境"));

    m_endDateDec = AddCheck(IDC_END_DATE_DEC, "終日を－１表示");
    m_dateGuide = AddCheck(IDC_DATE_GUIDE, "カーソル位置に日付ガイド");
    m_rowGuide = AddCheck(IDC_ROW_GUIDE, "カーソル位置に行ガイド");
    m_rightClick = AddCheck(IDC_RIGHT_CLICK, "右クリックはサブメニュー表示");
    m_blackBack = AddCheck(IDC_BLACK_BACK, "背景色は黒");
    m_holidayMesh = AddCheck(IDC_HOLIDAY_MESH, "休日は固定網掛（OFFなら色で指定）");
    m_crossCursor = AddCheck(IDC_CROSS_CURSOR, "十字カーソルの表示");
    auto* checks = new QVBoxLayout;
    for (QCheckBox* check : {m_endDateDec, m_dateGuide, m_rowGuide, m_rightClick, m_blackBack,
                             m_holidayMesh, m_crossCursor}) {
        checks->addWidget(check);
    }

    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase defaults;
        defaults.Read(FALSE);
        SetValues(LoadSystemEnv(defaults));
    });

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_endDateDec, m_dateGuide, m_rowGuide, m_rightClick, m_blackBack, m_holidayMesh,
                  m_crossCursor});
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(checks);
    layout->addWidget(buttons, 0, Qt::AlignTop);

    SetValues(m_config != nullptr ? LoadSystemEnv(*m_config) : SystemEnvValues{});
}

CSystemEnvDlg::~CSystemEnvDlg() = default;

QCheckBox* CSystemEnvDlg::AddCheck(int id, const char* text) {
    auto* check = new QCheckBox(QString::fromUtf8(text), this);
    check->setObjectName(IdName(id));
    return check;
}

void CSystemEnvDlg::SetValues(const SystemEnvValues& v) {
    m_endDateDec->setChecked(v.endDateDec);
    m_dateGuide->setChecked(v.dateGuide);
    m_rowGuide->setChecked(v.rowGuide);
    m_rightClick->setChecked(v.rightClick);
    m_blackBack->setChecked(v.blackBack);
    m_holidayMesh->setChecked(v.holidayMesh);
    m_crossCursor->setChecked(v.crossCursor);
}

SystemEnvValues CSystemEnvDlg::GetValues() const {
    SystemEnvValues v;
    v.endDateDec = m_endDateDec->isChecked();
    v.dateGuide = m_dateGuide->isChecked();
    v.rowGuide = m_rowGuide->isChecked();
    v.rightClick = m_rightClick->isChecked();
    v.blackBack = m_blackBack->isChecked();
    v.holidayMesh = m_holidayMesh->isChecked();
    v.crossCursor = m_crossCursor->isChecked();
    return v;
}

void CSystemEnvDlg::accept() {
    if (m_config != nullptr) {
        StoreSystemEnv(GetValues(), *m_config);
    }
    QDialog::accept();
}

} // namespace tembra
