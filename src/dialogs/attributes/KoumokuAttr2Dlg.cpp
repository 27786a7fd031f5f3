#include "dialogs/attributes/KoumokuAttr2Dlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
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

ItemTextBlock BlockOf(const TextAttrValues& v) {
    return {v.SizeCode(), static_cast<WORD>(v.form), v.color, v.flags};
}

} // namespace

CKoumokuAttr2Dlg::CKoumokuAttr2Dlg(KoumokuAttr2DlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_selection(request.fromSelection) {
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
        // The request brings no defaults of the document: these are the application's, which
        // every new document starts from.
        const CFontAttr& d = GetAppConfig()->GetChart().GetKoumokuAttr();
        m_controls->Show(LoadKoumokuFields(
            {static_cast<WORD>(((d.m_fontHeigh & 0xFF) << 8) | (d.m_fontWidth & 0xFF)), d.m_form,
             d.m_color, d.m_attrb}));
        if (m_selection) {
            for (auto& [bit, check] : m_changes) {
                check->setChecked(true);
            }
        }
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);

    m_controls->Show(LoadKoumokuFields(BlockOf(request.attr)));
}

CKoumokuAttr2Dlg::~CKoumokuAttr2Dlg() = default;

void CKoumokuAttr2Dlg::accept() {
    ItemTextBlock block = BlockOf(m_request.attr);
    KoumokuAttrFields fields = LoadKoumokuFields(block);
    m_controls->Take(fields);
    unsigned changes = 0;
    for (const auto& [bit, check] : m_changes) {
        if (check->isChecked()) {
            changes |= bit;
        }
    }
    m_flagMask = StoreKoumokuFields(fields, m_selection, changes, block);
    m_request.flagMask = m_flagMask;
    TextAttrValues& attr = m_request.attr;
    attr.form = block.form;
    attr.color = block.color;
    attr.flags = block.flags;
    attr.sizeV = static_cast<WORD>(block.size >> 8);
    attr.sizeH = static_cast<WORD>(block.size & 0xFF);
    QDialog::accept();
}

} // namespace tembra
