#include "dialogs/attributes/KoumokuAttr2Dlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "document/SelectionAttrRequests.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

namespace tembra {

namespace {

constexpr struct {
    int id;
    unsigned bit;
    const char* text;
} kChangeBoxes[] = {
    {CKoumokuAttr2Dlg::IDC_CHANGE_FORMAT, kChangeFormat, "書式"},
    {CKoumokuAttr2Dlg::IDC_CHANGE_SIZE, kChangeTextSize, "サイズ"},
    {CKoumokuAttr2Dlg::IDC_CHANGE_ATTRIB, kChangeAttrib, "属性"},
    {CKoumokuAttr2Dlg::IDC_CHANGE_COLOR, kChangeTextColor, "色"},
};

ItemTextBlock BlockOf(const KoumokuAttr2DlgRequest& r) {
    return {r.size, r.form, r.color, r.flags};
}

} // namespace

CKoumokuAttr2Dlg::CKoumokuAttr2Dlg(KoumokuAttr2DlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_selection(request.selectionMode != FALSE) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("項目属性"));
    m_controls = std::make_unique<KoumokuControls>(this, [this](unsigned change) {
        if (m_selection) {
            m_changes.at(change)->setChecked(true);
        }
    });
    for (const auto& box : kChangeBoxes) {
        QCheckBox* check = MakeCheck(this, box.id, box.text);
        check->setVisible(m_selection);
        m_changes[box.bit] = check;
    }
    auto* grid = new QGridLayout;
    m_controls->AddRows(grid, 0, this, [this](unsigned bit) { return m_changes.at(bit); });

    auto* enter = new CEnterMovesFocus(this);
    for (QWidget* control : m_controls->Controls()) {
        enter->Watch({control});
    }
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (m_selection) {
            const CTextAttr& d = m_request.defaults;
            m_controls->Show(LoadKoumokuFields({d.GetSize(), d.m_form, d.m_color, d.m_attrb}));
            for (auto& [bit, check] : m_changes) {
                check->setChecked(true);
            }
            return;
        }
        const CFontAttr& d = GetAppConfig()->GetChart().GetKoumokuAttr();
        m_controls->Show(LoadKoumokuFields(
            {static_cast<WORD>(((d.m_fontHeigh & 0xFF) << 8) | (d.m_fontWidth & 0xFF)), d.m_form,
             d.m_color, d.m_attrb}));
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);

    m_controls->Show(LoadKoumokuFields(BlockOf(request)));
}

CKoumokuAttr2Dlg::~CKoumokuAttr2Dlg() = default;

void CKoumokuAttr2Dlg::accept() {
    ItemTextBlock block = BlockOf(m_request);
    KoumokuAttrFields fields = LoadKoumokuFields(block);
    m_controls->Take(fields);
    unsigned changes = 0;
    for (const auto& [bit, check] : m_changes) {
        if (check->isChecked()) {
            changes |= bit;
        }
    }
    m_request.flagMask = StoreKoumokuFields(fields, m_selection, changes, block);
    m_request.size = block.size;
    m_request.form = block.form;
    m_request.color = block.color;
    m_request.flags = block.flags;
    QDialog::accept();
}

} // namespace tembra
