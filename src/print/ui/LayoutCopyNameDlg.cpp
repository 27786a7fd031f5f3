#include "print/ui/LayoutCopyNameDlg.h"

#include "platform/Ui.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"
#include "print/LayoutCopy.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr UINT kWrongName = 5123;

} // namespace

CLayoutCopyNameDlg::CLayoutCopyNameDlg(int masterMode, int* outcome, std::string* name,
                                       QWidget* parent)
    : QDialog(parent), m_masterMode(masterMode), m_outcome(outcome), m_name(name),
      m_startName(*name), m_field(new QLineEdit(this)),
      m_masterNote(new QLabel(QString::fromUtf8("マスター書式には上書き複写できません。\n\n書式ファ"
                                                "イル名を変更してから決定ボタンを押して"
                                                "ください。\nまた、この書式ファイルの複写をキャンセ"
                                                "ルする場合は取り消しボタンを押してくだ"
                                                "さい。"),
                              this)),
      m_existingNote(new QLabel(QString::fromUtf8("複写先に同一のファイル名が存在します。\n\n書式フ"
                                                  "ァイル名を変更して決定ボタンを押すか、上"
                                                  "書きする場合はそのまま決定ボタンを押してください"
                                                  "。\nまた、この書式ファイルの複写をキャン"
                                                  "セルする場合は取り消しボタンを押してください"),
                                this)),
      m_ok(new QPushButton(QString::fromUtf8("決定"), this)),
      m_cancel(new QPushButton(QString::fromUtf8("取消"), this)) {
    *m_outcome = kCopyNothing;
    setWindowTitle(QString::fromUtf8("書式ファイル複写名設定"));
    m_field->setText(QString::fromStdString(m_startName));
    m_masterNote->setWordWrap(true);
    m_existingNote->setWordWrap(true);
    m_masterNote->setVisible(masterMode == 1);
    m_existingNote->setVisible(masterMode != 1);
    auto* group = new QGroupBox(QString::fromUtf8("書式ファイル名"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_masterNote);
    layout->addWidget(m_existingNote);
    layout->addLayout(buttons);
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // Enter in the name field does nothing; on 決定 it checks the name, on 取消 it cancels.
    auto* enter = new CEnterMovesFocus(this);
    enter->SetAction(m_field, {});
    enter->SetButtons(m_ok, m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &CLayoutCopyNameDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(440, 220);
}

void CLayoutCopyNameDlg::accept() {
    if (!CheckTextFields(this)) {
        return;
    }
    const std::string name = m_field->text().toStdString();
    int outcome = kCopyNothing;
    const UINT answer = CheckCopyName(m_startName, name, m_masterMode == 1, outcome);
    if (answer == kCopyNameStay) {
        return;
    }
    if (answer != 0) {
        AfxMessageBox(answer, MB_OK | MB_ICONEXCLAMATION);
        if (answer == kWrongName) {
            m_field->setFocus();
        }
        return;
    }
    *m_outcome = outcome;
    if (outcome == kCopyNewName) {
        *m_name = name;
    }
    QDialog::accept();
}

} // namespace tembra
