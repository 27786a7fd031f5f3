#include "layout_editor/BaseInputAreaNameDlg.h"

#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace marquell {

namespace {

constexpr tembra::UINT kNextStart = 61249;

} // namespace

CBaseInputAreaNameDlg::CBaseInputAreaNameDlg(BaseInputAreaNamesRequest& request, QWidget* parent)
    : QDialog(parent), m_data(request.data), m_newName(new QLineEdit(this)),
      m_add(new QPushButton(QString::fromUtf8("追加"), this)), m_list(new QComboBox(this)),
      m_delete(new QPushButton(QString::fromUtf8("削除"), this)),
      m_ok(new QPushButton(QString::fromUtf8("決定"), this)),
      m_cancel(new QPushButton(QString::fromUtf8("取消"), this)) {
    setWindowTitle(QString::fromUtf8("基本入力領域名設定"));
    m_newName->setValidator(
        new tembra::CCp932Validator(CBaseInputAreaNameData::kNameLimit, m_newName));
    auto* grid = new QGridLayout;
    grid->addWidget(m_newName, 0, 0);
    grid->addWidget(m_add, 0, 1);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(m_delete, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // Enter moves on; only the OK button's own press stores the list.
    for (QPushButton* button : {m_add, m_delete, m_ok, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* enter = new tembra::CEnterMovesFocus(this);
    enter->Watch({m_newName, m_list});
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CBaseInputAreaNameDlg::OnAdd);
    connect(m_delete, &QPushButton::clicked, this, &CBaseInputAreaNameDlg::OnDelete);
    connect(m_newName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_add->setEnabled(!text.isEmpty()); });
    connect(m_list, &QComboBox::activated, this, [this](int index) {
        m_delete->setEnabled(index >= 0 && !m_list->itemText(index).isEmpty());
    });
    Fill();
    m_add->setEnabled(false);
    m_delete->setEnabled(false);
}

void CBaseInputAreaNameDlg::Fill() {
    m_list->clear();
    for (const std::string& name : m_data.GetNames()) {
        m_list->addItem(tembra::FromCp932(name));
    }
}

void CBaseInputAreaNameDlg::OnAdd() {
    if (!tembra::CheckTextField(m_newName)) {
        return;
    }
    if (const tembra::UINT message = m_data.Add(tembra::ToCp932(m_newName->text()))) {
        tembra::AfxMessageBox(message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
    } else {
        Fill();
        m_list->setCurrentIndex(m_list->count() - 1);
    }
    m_newName->clear();
    m_add->setEnabled(false);
}

void CBaseInputAreaNameDlg::OnDelete() {
    const int index = m_list->currentIndex();
    if (index < 0) {
        return;
    }
    m_data.Remove(static_cast<std::size_t>(index));
    Fill();
    m_list->setCurrentIndex(m_list->count() > 0 ? 0 : -1);
    m_delete->setEnabled(false);
}

void CBaseInputAreaNameDlg::accept() {
    if (!tembra::CheckTextFields(this)) {
        return;
    }
    m_data.Store();
    tembra::AfxMessageBox(kNextStart, tembra::MB_OK | tembra::MB_ICONINFORMATION);
    QDialog::accept();
}

} // namespace marquell
