#include "model/ui/AutoSaveDlg.h"

#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {} // namespace

CAutoSaveDlg::CAutoSaveDlg(LONG* interval, QWidget* parent) : QDialog(parent), m_target(interval) {
    Build(interval != nullptr ? *interval : m_own);
}

CAutoSaveDlg::CAutoSaveDlg(QWidget* parent) : QDialog(parent), m_target(&m_own) {
    Build(m_own);
}

CAutoSaveDlg::~CAutoSaveDlg() = default;

void CAutoSaveDlg::Build(LONG interval) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("自動保存の設定"));

    m_on = new QCheckBox(QString::fromUtf8("自動保存を行う。"), this);
    m_on->setObjectName(IdName(IDC_AUTOSAVE));
    m_on->setChecked(interval > 0);
    connect(m_on, &QCheckBox::clicked, this, [this] { UpdateEnabling(); });

    auto* group = new QGroupBox(QString::fromUtf8("保存時間間隔"), this);
    m_minutes = new QLineEdit(QString::number(std::labs(interval)), group);
    m_minutes->setObjectName(IdName(IDC_INTERVAL));
    m_minutes->setMaxLength(6);
    auto* arrows = new QWidget(group);
    arrows->setObjectName(IdName(IDC_SPIN));
    m_up = new QToolButton(arrows);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(arrows);
    m_down->setArrowType(Qt::DownArrow);
    auto* arrowLayout = new QVBoxLayout(arrows);
    arrowLayout->setContentsMargins(0, 0, 0, 0);
    arrowLayout->setSpacing(0);
    arrowLayout->addWidget(m_up);
    arrowLayout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_minutes);
    row->addWidget(arrows);
    row->addWidget(new QLabel(QString::fromUtf8("分"), group));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(IdName(1));
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(IdName(2));
    // No default button: Enter moves on, and ends the dialog only on its buttons.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
    }
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_on, m_minutes});
    enter->SetButtons(ok, cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAutoSaveDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAutoSaveDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_on);
    layout->addWidget(group);
    layout->addWidget(buttons);
    UpdateEnabling();
}

void CAutoSaveDlg::UpdateEnabling() {
    const bool on = m_on->isChecked();
    m_minutes->setEnabled(on);
    m_up->setEnabled(on);
    m_down->setEnabled(on);
}

void CAutoSaveDlg::Step(int delta) {
    const long value = std::strtol(m_minutes->text().toStdString().c_str(), nullptr, 10);
    m_minutes->setText(QString::number(std::clamp(value + delta, kMinMinutes, kMaxMinutes)));
}

void CAutoSaveDlg::accept() {
    // The range is checked whether the switch is on or off: the interval is kept either way.
    int minutes = 0;
    if (!ReadIntField(m_minutes, static_cast<int>(kMinMinutes), static_cast<int>(kMaxMinutes),
                      minutes, kRangeMessages)) {
        return;
    }
    *m_target = static_cast<LONG>(m_on->isChecked() ? minutes : -minutes);
    QDialog::accept();
}

} // namespace tembra
