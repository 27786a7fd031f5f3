#include "layout_editor/EditorUi.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include <vector>

namespace marquell {

namespace {

using namespace tembra;

constexpr UINT kAppName = 57344;

struct Answer {
    QMessageBox::StandardButton button;
    int id;
};

std::vector<Answer> Buttons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT},
                {QMessageBox::Retry, IDRETRY},
                {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {
            {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QString EditorTitle() {
    return QString::fromUtf8(LoadStringUtf8(kAppName));
}

void CEditorUi::AddDialog(const std::string& name, Dialog dialog) {
    m_dialogs[name] = std::move(dialog);
}

int CEditorUi::MessageBox(const std::string& text, UINT type, UINT stringId) {
    static_cast<void>(stringId);
    QMessageBox box(IconOf(type), EditorTitle(), QString::fromStdString(Sjis::ToUtf8(text)),
                    QMessageBox::NoButton, m_owner);
    const std::vector<Answer> answers = Buttons(type);
    for (const Answer& answer : answers) {
        box.addButton(answer.button);
    }
    const std::size_t preferred = (type & MB_DEFBUTTON3) != 0   ? 2
                                  : (type & MB_DEFBUTTON2) != 0 ? 1
                                                                : 0;
    box.setDefaultButton(answers[std::min(preferred, answers.size() - 1)].button);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Answer& answer : answers) {
        if (answer.button == clicked) {
            return answer.id;
        }
    }
    // Closed without a button: the box's escape answer.
    return answers.size() > 1 ? answers.back().id : answers.front().id;
}

void CEditorUi::SetStatusText(const std::string& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(m_owner.data())) {
        frame->statusBar()->showMessage(QString::fromStdString(Sjis::ToUtf8(text)));
    }
}

void CEditorUi::Beep(UINT type) {
    static_cast<void>(type);
    QApplication::beep();
}

void CEditorUi::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CEditorUi::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void CEditorUi::ModeChanged() {
    // The editor has no modes that its main window follows.
}

bool CEditorUi::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

int CEditorUi::RunDialog(DialogRequest& request) {
    const auto it = m_dialogs.find(request.Name());
    return it != m_dialogs.end() ? it->second(request) : IDCANCEL;
}

} // namespace marquell
