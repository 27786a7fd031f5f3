#include "dialogs/attributes/KouteiAttr2Dlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
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

namespace {

struct ChangeBox {
    int id;
    unsigned bit;
    int control; // the control whose use ticks it
};
constexpr ChangeBox kChangeBoxes[] = {
    {CKouteiAttr2Dlg::IDC_CHANGE_TYPE, kChangeType, KouteiBlockControls::IDC_TYPE},
    {CKouteiAttr2Dlg::IDC_CHANGE_WIDTH, kChangeWidth, KouteiBlockControls::IDC_WIDTH},
    {CKouteiAttr2Dlg::IDC_CHANGE_COLOR, kChangeColor, KouteiBlockControls::IDC_COLOR},
    {CKouteiAttr2Dlg::IDC_CHANGE_HOLIDAY, kChangeHoliday, KouteiBlockControls::IDC_HOLIDAY},
    {CKouteiAttr2Dlg::IDC_CHANGE_STYLE, kChangeStyle, KouteiBlockControls::IDC_STYLE},
    {CKouteiAttr2Dlg::IDC_CHANGE_SUBSTYLE, kChangeSubStyle, KouteiBlockControls::IDC_SLANTED},
    {CKouteiAttr2Dlg::IDC_CHANGE_SUBSTYLE, kChangeSubStyle, KouteiBlockControls::IDC_NO_ARROW},
    {CKouteiAttr2Dlg::IDC_CHANGE_SHAPE, kChangeShape, KouteiBlockControls::IDC_NODE_SHAPE},
    {CKouteiAttr2Dlg::IDC_CHANGE_SIZE, kChangeSize, CKouteiAttr2Dlg::IDC_NODE_SIZE},
    {CKouteiAttr2Dlg::IDC_CHANGE_HATCH, kChangeHatch, KouteiBlockControls::IDC_HATCH},
};

unsigned ChangeOfControl(int control) {
    for (const ChangeBox& box : kChangeBoxes) {
        if (box.control == control) {
            return box.bit;
        }
    }
    return 0;
}

} // namespace

CKouteiAttr2Dlg::CKouteiAttr2Dlg(KouteiAttr2DlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_selection(request.fromSelection) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("工程属性"));

    m_block = std::make_unique<KouteiBlockControls>(
        this, true, [this](int control) { Tick(ChangeOfControl(control)); });
    m_size = MakeNumberEdit(this, IDC_NODE_SIZE, 4);
    connect(m_size, &QLineEdit::textEdited, this, [this] { Tick(kChangeSize); });

    auto* grid = new QGridLayout;
    const int row = m_block->AddRows(grid, 0, this);
    grid->addWidget(new QLabel(QString::fromUtf8("ノードサイズ (%)"), this), row, 0);
    grid->addWidget(m_size, row, 1);
    // Each change box beside the first control of its group.
    const std::map<int, int> rowOfControl = {{KouteiBlockControls::IDC_TYPE, 0},
                                             {KouteiBlockControls::IDC_WIDTH, 1},
                                             {KouteiBlockControls::IDC_COLOR, 2},
                                             {KouteiBlockControls::IDC_HOLIDAY, 3},
                                             {KouteiBlockControls::IDC_STYLE, 4},
                                             {KouteiBlockControls::IDC_NODE_SHAPE, 5},
                                             {KouteiBlockControls::IDC_HATCH, 6},
                                             {KouteiBlockControls::IDC_SLANTED, 7},
                                             {IDC_NODE_SIZE, row}};
    for (const ChangeBox& box : kChangeBoxes) {
        if (m_changes.count(box.bit) != 0) {
            continue;
        }
        QCheckBox* check = MakeCheck(this, box.id, "変更");
        check->setVisible(m_selection);
        m_changes[box.bit] = check;
        grid->addWidget(check, rowOfControl.at(box.control), 2);
    }

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_block->type, m_block->width, m_block->color, m_block->holiday, m_block->style,
                  m_block->nodeShape, m_block->hatch, m_block->slanted, m_block->noArrow, m_size});
    auto* duration = new QPushButton(QString::fromUtf8("日数変更"), this);
    duration->setObjectName(IdName(IDC_DURATION));
    duration->setAutoDefault(false);
    duration->setEnabled(m_selection);
    connect(duration, &QPushButton::clicked, this, [this] {
        m_request.changeDaysAsked = true;
        reject();
    });
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        // The request brings no defaults of the document: these are the application's, which
        // every new document starts from.
        const CConfigChart& chart = GetAppConfig()->GetChart();
        Show(LoadKouteiBlock(chart.GetKouteiAttr(), chart.GetLandAttr(), true));
        if (m_selection) {
            for (auto& [bit, check] : m_changes) {
                check->setChecked(true);
            }
        }
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(duration, QDialogButtonBox::ActionRole);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);

    Show(LoadKouteiBlock(request.line, request.node, true));
}

CKouteiAttr2Dlg::~CKouteiAttr2Dlg() = default;

void CKouteiAttr2Dlg::Show(const KouteiAttrFields& fields) {
    m_fields = fields;
    m_block->Show(fields);
    m_size->setText(QString::number(fields.nodeSize));
}

void CKouteiAttr2Dlg::Tick(unsigned change) {
    if (m_selection && change != 0) {
        m_changes.at(change)->setChecked(true);
    }
}

unsigned CKouteiAttr2Dlg::Changes() const {
    unsigned changes = 0;
    for (const auto& [bit, check] : m_changes) {
        if (check->isChecked()) {
            changes |= bit;
        }
    }
    return changes;
}

void CKouteiAttr2Dlg::accept() {
    KouteiAttrFields fields = m_fields;
    if (!ReadIntField(m_size, kMinNodeSize, kMaxNodeSize, fields.nodeSize, kRangeMessages)) {
        return;
    }
    m_block->Take(fields);
    StoreKouteiBlock(fields, m_selection, Changes(), m_request.line, m_request.node);
    QDialog::accept();
}

} // namespace tembra
