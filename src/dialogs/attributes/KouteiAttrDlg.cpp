#include "dialogs/attributes/KouteiAttrDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tembra {

CKouteiAttrDlg::CKouteiAttrDlg(CConfigBase* settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("工程属性"));

    m_block = std::make_unique<KouteiBlockControls>(this, false, [](int) {});
    m_nodeColor = MakeColorCombo(this, IDC_NODE_COLOR, &m_fields.nodeCustomColor);
    auto* grid = new QGridLayout;
    int row = m_block->AddRows(grid, 0, this);
    grid->addWidget(new QLabel(QString::fromUtf8("ノード色"), this), row, 0);
    grid->addWidget(m_nodeColor, row, 1);

    auto* numbers = new QGridLayout;
    int numberRow = 0;
    for (const KouteiNumberField& field : KouteiNumberFields()) {
        QLineEdit* edit = MakeNumberEdit(this, field.id, 4);
        m_numbers.push_back(edit);
        numbers->addWidget(new QLabel(QString::fromUtf8(field.label), this), numberRow, 0);
        numbers->addWidget(edit, numberRow++, 1);
    }

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_block->type, m_block->width, m_block->color, m_block->holiday, m_block->style,
                  m_block->nodeShape, m_block->hatch, m_block->slanted, m_block->noArrow,
                  m_nodeColor});
    for (QLineEdit* edit : m_numbers) {
        enter->Watch({edit});
    }
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (m_settings == nullptr) {
            return;
        }
        CConfigBase defaults;
        defaults.Read(FALSE);
        Show(LoadKouteiDefaults(defaults.GetChart()));
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addLayout(numbers, 0, 1);
    layout->addWidget(buttons, 0, 2, Qt::AlignTop);

    if (m_settings != nullptr) {
        Show(LoadKouteiDefaults(m_settings->GetChart()));
    }
}

CKouteiAttrDlg::~CKouteiAttrDlg() = default;

void CKouteiAttrDlg::Show(const KouteiAttrFields& fields) {
    m_fields = fields;
    m_block->Show(fields);
    m_nodeColor->setCurrentIndex(fields.nodeColor);
    std::size_t i = 0;
    for (const KouteiNumberField& field : KouteiNumberFields()) {
        m_numbers[i++]->setText(QString::number(fields.*field.value));
    }
}

void CKouteiAttrDlg::accept() {
    if (m_settings == nullptr) {
        QDialog::accept();
        return;
    }
    KouteiAttrFields fields = m_fields;
    std::size_t i = 0;
    for (const KouteiNumberField& field : KouteiNumberFields()) {
        if (!ReadIntField(m_numbers[i++], field.min, field.max, fields.*field.value,
                          kRangeMessages)) {
            return;
        }
    }
    m_block->Take(fields);
    fields.nodeColor = m_nodeColor->currentIndex();
    StoreKouteiDefaults(fields, m_settings->GetChart());
    QDialog::accept();
}

} // namespace tembra
