#include "dialogs/settings/FindReplaceDlg.h"

#include "dialogs/settings/core/FindReplaceState.h"
#include "document/EditDialogRequests.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr const char* kTemplateCaption = "選択／置換";

QComboBox* HistoryBox(int id, const std::vector<std::string>& history, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(IdName(id));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& entry : history) {
        if (!entry.empty()) {
            box->addItem(FromCp932(entry));
        }
    }
    box->setEditText(QString());
    return box;
}

} // namespace

CFindReplaceDlg::CFindReplaceDlg(FindReplaceDlgRequest& request,
                                 const std::vector<std::string>& history, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    const FindReplaceState state = MakeFindReplaceState(
        kTemplateCaption, request.mode, request.operation, request.selectionAvailable);
    setWindowTitle(QString::fromStdString(state.caption));
    m_target = HistoryBox(IDC_TARGET, history, this);
    m_replacement = HistoryBox(IDC_REPLACEMENT, history, this);
    m_target->setEditText(FromCp932(request.search));
    m_replacement->setEditText(FromCp932(request.replacement));
    m_whole = new QCheckBox(QString::fromUtf8("完全一致"), this);
    m_whole->setObjectName(IdName(IDC_WHOLE));
    m_whole->setChecked(request.wholeMatch);
    m_limit = new QCheckBox(QString::fromUtf8("選択対象に限定"), this);
    m_limit->setObjectName(IdName(IDC_LIMIT));
    m_limit->setEnabled(state.limitEnabled);
    m_limit->setChecked(state.limitChecked);
    m_select = new QPushButton(QString::fromUtf8("選択"), this);
    m_select->setObjectName(IdName(IDC_SELECT));
    m_select->setEnabled(state.selectEnabled);
    m_select->setAutoDefault(false);
    m_replaceAll = new QPushButton(QString::fromUtf8("全て置換"), this);
    m_replaceAll->setObjectName(IdName(IDC_REPLACE_ALL));
    m_replaceAll->setAutoDefault(false);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(IdName(IDCANCEL));
    cancel->setAutoDefault(false);
    connect(m_select, &QPushButton::clicked, this,
            [this] { Finish(FindReplaceDlgRequest::kSelect); });
    connect(m_replaceAll, &QPushButton::clicked, this,
            [this] { Finish(FindReplaceDlgRequest::kReplace); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Enter moves on from every control but 取消, whose Enter cancels.
    auto* enter = new CEnterMovesFocus(this);
    enter->SetButtons(nullptr, cancel);
    enter->Watch({m_target, m_target->lineEdit(), m_replacement, m_replacement->lineEdit(), m_whole,
                  m_limit, m_select, m_replaceAll});

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("対象文字列："), m_target);
    form->addRow(QString::fromUtf8("置換文字列："), m_replacement);
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_whole);
    checks->addWidget(m_limit);
    checks->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_select);
    buttons->addWidget(m_replaceAll);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(checks);
    layout->addLayout(buttons);
    m_target->setFocus(Qt::OtherFocusReason);
}

bool CFindReplaceDlg::Finish(int action) {
    if (!CheckTextFields(this)) {
        return false;
    }
    const std::string target = ToCp932(m_target->currentText());
    if (target.empty()) {
        AfxMessageBox(kNoTargetMessage);
        m_target->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_request.search = target;
    m_request.replacement = ToCp932(m_replacement->currentText());
    m_request.wholeMatch = m_whole->isChecked();
    m_request.selectionOnly = m_limit->isEnabled() && m_limit->isChecked();
    m_request.action = action;
    accept();
    return true;
}

} // namespace tembra
