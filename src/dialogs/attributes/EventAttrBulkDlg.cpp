#include "dialogs/attributes/EventAttrBulkDlg.h"

#include "dialogs/attributes/EventAttrControls.h"
#include "document/AttrDialogRequests.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

namespace tembra {

namespace {

WORD DocumentRevice(const CTembraDoc* doc) {
    return doc != nullptr ? doc->GetSyokiSet().GetEvent().GetRevice() : WORD{0};
}

} // namespace

CEventAttrBulkDlg::CEventAttrBulkDlg(EventAttrBulkDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_bulk(request.fromSelection) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("行事属性"));
    m_controls = std::make_unique<EventAttrControls>(
        this, m_bulk,
        [this](unsigned change) {
            if (m_bulk) {
                m_controls->Tick(change);
            }
        },
        [this](int day) {
            // Outside bulk mode the day alignment takes the form with it.
            if (m_bulk || day == EventAttrFields::kDayNone) {
                return;
            }
            EventAttrFields fields;
            m_controls->Take(fields);
            fields.form = day == EventAttrFields::kDayLeft ? 0 : 1;
            m_controls->Show(fields);
        });
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
        const CTembraDoc* doc = m_request.document;
        if (m_bulk) {
            const CTextAttr& defaults = doc != nullptr ? doc->GetSyokiSet().GetEvent().GetTextAttr()
                                                       : GetAppConfig()->GetEvent().GetTextAttr();
            m_controls->Show(LoadEventFields(TextAttrValues::From(defaults), 0));
            m_controls->TickAll();
        } else {
            m_controls->Show(
                LoadEventFields(TextAttrValues::From(GetAppConfig()->GetEvent().GetTextAttr()),
                                DocumentRevice(doc)));
        }
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);
    m_controls->Show(
        LoadEventFields(request.attr, m_bulk ? WORD{0} : DocumentRevice(request.document)));
}

CEventAttrBulkDlg::~CEventAttrBulkDlg() = default;

void CEventAttrBulkDlg::accept() {
    EventAttrFields fields = LoadEventFields(m_request.attr, 0);
    m_controls->Take(fields);
    m_request.flagMask = StoreEventFields(fields, m_bulk, m_controls->Changes(), m_request.attr);
    if (!m_bulk && m_request.document != nullptr) {
        m_request.document->GetSyokiSet().GetEvent().SetRevice(EventRevice(fields));
    }
    QDialog::accept();
}

} // namespace tembra
