#include "dialogs/attributes/EventAttrDlg.h"

#include "dialogs/attributes/EventAttrControls.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

namespace tembra {

namespace {

EventAttrFields FieldsOf(const CConfigEvent& event) {
    return LoadEventFields(TextAttrValues::From(event.GetTextAttr()), event.GetRevice());
}

} // namespace

CEventAttrDlg::CEventAttrDlg(CConfigBase* config, QWidget* parent)
    : QDialog(parent), m_config(config) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("行事属性"));
    m_controls = std::make_unique<EventAttrControls>(
        this, false, [](unsigned) {}, [](int) {});
    auto* grid = new QGridLayout;
    m_controls->AddTo(grid);
    auto* enter = new CEnterMovesFocus(this);
    for (QWidget* control : m_controls->Controls()) {
        enter->Watch({control});
    }
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase fresh;
        fresh.Read(FALSE);
        m_controls->Show(FieldsOf(fresh.GetEvent()));
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);
    if (m_config != nullptr) {
        m_controls->Show(FieldsOf(m_config->GetEvent()));
    }
}

CEventAttrDlg::~CEventAttrDlg() = default;

void CEventAttrDlg::accept() {
    if (m_config != nullptr) {
        CConfigEvent& event = m_config->GetEvent();
        EventAttrFields fields = FieldsOf(event);
        m_controls->Take(fields);
        StoreEventBlock(fields, event.GetTextAttr());
        event.SetRevice(EventRevice(fields));
    }
    QDialog::accept();
}

} // namespace tembra
