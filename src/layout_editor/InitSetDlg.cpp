#include "layout_editor/InitSetDlg.h"

#include "layout_editor/DialogFields.h"
#include "layout_editor/core/EditorSettings.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace marquell {

namespace {

QGroupBox* RadioGroup(const char* title, const char* first, const char* second,
                      QRadioButton* (&buttons)[2], QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    buttons[0] = new QRadioButton(QString::fromUtf8(first), box);
    buttons[1] = new QRadioButton(QString::fromUtf8(second), box);
    for (int i = 0; i < 2; ++i) {
        group->addButton(buttons[i], i);
        layout->addWidget(buttons[i]);
    }
    return box;
}

} // namespace

CInitSetDlg::CInitSetDlg(InitSetRequest& request, QWidget* parent)
    : QDialog(parent), m_data(request.data) {
    setWindowTitle(QString::fromUtf8("初期設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup("複数選択", "CTRLｷｰで複数", "随時複数選択", m_multiple, this));
    layout->addWidget(RadioGroup("要素選択の枠内選択", "枠内限定なし(SHIFTｷｰで一時限定)",
                                 "枠内限定あり(SHIFTｷｰで一時解除)", m_band, this));
    auto* widths = new QGroupBox(QString::fromUtf8("実線幅"), this);
    auto* grid = new QGridLayout(widths);
    const char* labels[3] = {"標準", "細線", "太線"};
    for (int kind = 0; kind < 3; ++kind) {
        m_widths[kind] = new QLineEdit(widths);
        m_widths[kind]->setMaxLength(2);
        grid->addWidget(new QLabel(QString::fromUtf8(labels[kind]), widths), kind, 0);
        grid->addWidget(m_widths[kind], kind, 1);
        grid->addWidget(new QLabel(QString::fromUtf8("×0.1mm"), widths), kind, 2);
    }
    layout->addWidget(widths);
    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(QString::fromUtf8("決定"), this);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    m_reset = new QPushButton(QString::fromUtf8("初期化"), this);
    // No default button: Enter in a field moves on; only on 決定 does it check and close.
    for (QPushButton* button : {m_ok, cancel, m_reset}) {
        button->setAutoDefault(false);
    }
    auto* enter = new tembra::CEnterMovesFocus(this);
    enter->Watch({m_multiple[0], m_multiple[1], m_band[0], m_band[1], m_widths[0], m_widths[1],
                  m_widths[2]});
    enter->SetButtons(m_ok, cancel);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addWidget(m_reset);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reset, &QPushButton::clicked, this, [this]() {
        m_data.Reset();
        Show();
    });
    Show();
}

void CInitSetDlg::Show() {
    m_multiple[m_data.multiple != 0 ? 1 : 0]->setChecked(true);
    m_band[m_data.band != 0 ? 1 : 0]->setChecked(true);
    m_widths[kWidthNormal]->setText(QString::number(m_data.normalWidth));
    m_widths[kWidthThin]->setText(QString::number(m_data.thinWidth));
    m_widths[kWidthBold]->setText(QString::number(m_data.boldWidth));
}

void CInitSetDlg::accept() {
    int widths[3] = {};
    for (int kind = 0; kind < 3; ++kind) {
        if (!tembra::ReadIntField(m_widths[kind], CInitSetData::kMinWidth, CInitSetData::kMaxWidth,
                                  widths[kind], kIntFieldMessages)) {
            return;
        }
    }
    m_data.multiple = m_multiple[1]->isChecked() ? 1 : 0;
    m_data.band = m_band[1]->isChecked() ? 1 : 0;
    m_data.normalWidth = widths[kWidthNormal];
    m_data.thinWidth = widths[kWidthThin];
    m_data.boldWidth = widths[kWidthBold];
    QDialog::accept();
}

} // namespace marquell
