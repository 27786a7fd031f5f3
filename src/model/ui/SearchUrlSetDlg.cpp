#include "model/ui/SearchUrlSetDlg.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tembra {

namespace {

const char kAddRow[] = "（追加）";

} // namespace

CSearchUrlSetDlg::CSearchUrlSetDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("用語オンライン検索設定"));

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(IdName(IDC_LIST));
    m_rows->setRootIsDecorated(false);
    m_rows->setColumnCount(2);
    m_rows->setHeaderLabels({QString::fromUtf8("タイトル"), QString::fromUtf8("ＵＲＬ")});
    m_rows->header()->setSectionResizeMode(QHeaderView::Stretch);
    connect(m_rows, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_busy) {
            SelectRow(m_rows->currentItem() != nullptr
                          ? m_rows->indexOfTopLevelItem(m_rows->currentItem())
                          : -1);
        }
    });

    auto makeButton = [this](const char* text, int id) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(IdName(id));
        button->setAutoDefault(false);
        return button;
    };
    m_up = makeButton("↑移動(&U)", IDC_UP);
    m_set = makeButton("設定(&S)", IDC_SET);
    m_down = makeButton("↓移動(&N)", IDC_DOWN);
    m_remove = makeButton("削除(&D)", IDC_REMOVE);
    connect(m_set, &QPushButton::clicked, this, &CSearchUrlSetDlg::OnSet);
    connect(m_remove, &QPushButton::clicked, this, &CSearchUrlSetDlg::OnRemove);
    connect(m_up, &QPushButton::clicked, this, [this] { OnMove(true); });
    connect(m_down, &QPushButton::clicked, this, [this] { OnMove(false); });

    auto* address = new QGroupBox(QString::fromUtf8("アドレス編集"), this);
    m_title = new QLineEdit(address);
    m_title->setObjectName(IdName(IDC_TITLE));
    m_url = new QLineEdit(address);
    m_url->setObjectName(IdName(IDC_URL));
    connect(m_title, &QLineEdit::textChanged, this, &CSearchUrlSetDlg::UpdateSetButton);
    connect(m_url, &QLineEdit::textChanged, this, &CSearchUrlSetDlg::UpdateSetButton);
    // Enter in the fields moves between them.
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_title});
    enter->SetAction(m_url, [this] { m_title->setFocus(); });
    auto* fields = new QGridLayout(address);
    fields->addWidget(new QLabel(QString::fromUtf8("タイトル："), address), 0, 0);
    fields->addWidget(m_title, 0, 1);
    fields->addWidget(new QLabel(QString::fromUtf8("検索 URL："), address), 1, 0);
    fields->addWidget(m_url, 1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(IdName(1));
    ok->setAutoDefault(false);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(IdName(2));
    cancel->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSearchUrlSetDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSearchUrlSetDlg::reject);
    enter->SetButtons(ok, cancel);

    auto* side = new QVBoxLayout;
    side->addWidget(m_up);
    side->addWidget(m_set);
    side->addWidget(m_down);
    side->addWidget(m_remove);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_rows, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(address);
    layout->addWidget(buttons);

    m_list.Load();
    Refill();
    SelectRow(m_list.GetSelection());
}

CSearchUrlSetDlg::~CSearchUrlSetDlg() = default;

void CSearchUrlSetDlg::Refill() {
    m_busy = true;
    m_rows->clear();
    for (const SearchUrlEntry& entry : m_list.Entries()) {
        m_rows->addTopLevelItem(
            new QTreeWidgetItem(QStringList{FromCp932(entry.title), FromCp932(entry.url)}));
    }
    if (m_list.GetCount() < CSearchUrlList::kMaxEntries) {
        m_rows->addTopLevelItem(new QTreeWidgetItem(
            QStringList{QString::fromUtf8(kAddRow), QString::fromUtf8(kAddRow)}));
    }
    m_busy = false;
}

void CSearchUrlSetDlg::SelectRow(int row) {
    m_list.Select(row);
    m_busy = true;
    const int selected = m_list.GetSelection();
    m_rows->setCurrentItem(selected >= 0 ? m_rows->topLevelItem(selected) : nullptr);
    m_busy = false;
    if (selected >= 0 && !m_list.IsAddRow(selected)) {
        const SearchUrlEntry& entry = m_list.Entries()[static_cast<std::size_t>(selected)];
        m_title->setText(FromCp932(entry.title));
        m_url->setText(FromCp932(entry.url));
    } else if (selected >= 0) {
        m_title->clear();
        m_url->clear();
    }
    UpdateButtons();
}

void CSearchUrlSetDlg::UpdateButtons() {
    const CSearchUrlList::ButtonStates states = m_list.GetButtonStates();
    m_remove->setEnabled(states.remove);
    m_up->setEnabled(states.up);
    m_down->setEnabled(states.down);
    UpdateSetButton();
}

void CSearchUrlSetDlg::UpdateSetButton() {
    m_set->setEnabled(m_list.GetSelection() >= 0 &&
                      CSearchUrlList::CanSet(ToCp932(m_title->text()), ToCp932(m_url->text())));
}

void CSearchUrlSetDlg::OnSet() {
    if (!CheckTextField(m_title) || !CheckTextField(m_url)) {
        return;
    }
    const std::string title = ToCp932(m_title->text());
    const std::string url = ToCp932(m_url->text());
    if (!CSearchUrlList::CanSet(title, url)) {
        return;
    }
    m_list.Set(title, url);
    Refill();
    SelectRow(m_list.GetSelection());
    m_title->setFocus(Qt::OtherFocusReason);
}

void CSearchUrlSetDlg::OnRemove() {
    m_list.Remove();
    Refill();
    SelectRow(m_list.GetSelection());
}

void CSearchUrlSetDlg::OnMove(bool up) {
    if (up) {
        m_list.MoveUp();
    } else {
        m_list.MoveDown();
    }
    Refill();
    SelectRow(m_list.GetSelection());
    const CSearchUrlList::ButtonStates states = m_list.GetButtonStates();
    QPushButton* next = up ? (states.up ? m_up : m_down) : (states.down ? m_down : m_up);
    next->setFocus(Qt::OtherFocusReason);
}

void CSearchUrlSetDlg::accept() {
    if (!CheckTextFields(this)) {
        return;
    }
    m_list.Save();
    QDialog::accept();
}

} // namespace tembra
