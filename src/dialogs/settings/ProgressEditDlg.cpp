#include "dialogs/settings/ProgressEditDlg.h"

#include "dialogs/settings/ProgressAttr2Dlg.h"
#include "dialogs/settings/core/ShinAttrFields.h"
#include "document/EventRequests.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tembra {

CProgressEditDlg::CProgressEditDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("進捗編集"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* question = new QHBoxLayout;
    question->addWidget(icon);
    question->addWidget(new QLabel(QString::fromUtf8("消去しますか、変更しますか？"), this));
    question->addStretch();
    auto* buttons = new QHBoxLayout;
    const struct {
        int id;
        const char* text;
    } answers[] = {{IDC_ERASE, "消去(&D)"},
                   {IDC_DRAW, "変更(&E)"},
                   {IDC_ATTRIBUTES, "属性設定(&A)"},
                   {IDCANCEL, "取消(&C)"}};
    for (const auto& answer : answers) {
        auto* button = new QPushButton(QString::fromUtf8(answer.text), this);
        button->setObjectName(IdName(answer.id));
        button->setAutoDefault(false);
        const int code = answer.id;
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        buttons->addWidget(button);
    }
    auto* join = new QPushButton(QString::fromUtf8("結線変更"), this);
    join->setObjectName(IdName(IDC_JOIN));
    join->setEnabled(false);
    join->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(question);
    layout->addLayout(buttons);
}

int RunProgressEdit(ProgressEditRequest& request, QWidget* parent) {
    const int answer = CProgressEditDlg(parent).exec();
    switch (answer) {
    case ProgressEditRequest::kErase:
    case ProgressEditRequest::kDraw:
        request.result = answer;
        return IDOK;
    case ProgressEditRequest::kAttributes:
        break;
    default:
        return IDCANCEL;
    }
    // Without the chart's settings the program's defaults stand in for them.
    const CConfigShin& settings =
        request.settings != nullptr ? *request.settings : GetAppConfig()->GetShin();
    CProgressAttr2Dlg dialog(ShinAttrFields::FromLine(request.lineAttr, request.labelAttr),
                             request.font, settings, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    const ShinApplyGroups groups = dialog.Groups();
    dialog.Fields().WriteLine(groups, request.lineAttr, request.labelAttr);
    request.result = ProgressEditRequest::kAttributes;
    request.applyLine = groups.type || groups.width || groups.color || groups.join;
    request.applyLabel = groups.dates;
    request.applyFont = groups.dates && dialog.Fields().ownFont;
    request.font = dialog.Font();
    return IDOK;
}

} // namespace tembra
