#include "dialogs/attributes/KoumokuAttrDlg.h"

#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

namespace tembra {

namespace {

ItemTextBlock BlockOf(const CFontAttr& attr) {
    return {static_cast<WORD>(((attr.m_fontHeigh & 0xFF) << 8) | (attr.m_fontWidth & 0xFF)),
            attr.m_form, attr.m_color, attr.m_attrb};
}

} // namespace

CKoumokuAttrDlg::CKoumokuAttrDlg(CConfigBase* settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("項目属性"));
    m_controls = std::make_unique<KoumokuControls>(this, [](unsigned) {});
    auto* grid = new QGridLayout;
    m_controls->AddRows(grid, 0, this, {});

    auto* enter = new CEnterMovesFocus(this);
    for (QWidget* control : m_controls->Controls()) {
        enter->Watch({control});
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
        m_controls->Show(LoadKoumokuFields(BlockOf(defaults.GetChart().GetKoumokuAttr())));
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);

    if (m_settings != nullptr) {
        m_controls->Show(LoadKoumokuFields(BlockOf(m_settings->GetChart().GetKoumokuAttr())));
    }
}

CKoumokuAttrDlg::~CKoumokuAttrDlg() = default;

void CKoumokuAttrDlg::accept() {
    if (m_settings != nullptr) {
        CFontAttr& attr = m_settings->GetChart().GetKoumokuAttr();
        ItemTextBlock block = BlockOf(attr);
        KoumokuAttrFields fields = LoadKoumokuFields(block);
        m_controls->Take(fields);
        StoreKoumokuFields(fields, false, kChangeAllKoumoku, block);
        attr.m_fontHeigh = static_cast<WORD>(block.size >> 8);
        attr.m_fontWidth = static_cast<WORD>(block.size & 0xFF);
        attr.m_form = block.form;
        attr.m_color = block.color;
        attr.m_attrb = block.flags;
    }
    QDialog::accept();
}

} // namespace tembra
