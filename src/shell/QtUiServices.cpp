#include "shell/QtUiServices.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "view/core/StatusBar.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace tembra {

namespace {

struct ButtonSet {
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;
};

ButtonSet ButtonsOf(UINT type) {
    using B = QMessageBox;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{{B::Ok, IDOK}, {B::Cancel, IDCANCEL}}};
    case MB_ABORTRETRYIGNORE:
        return {{{B::Abort, IDABORT}, {B::Retry, IDRETRY}, {B::Ignore, IDIGNORE}}};
    case MB_YESNOCANCEL:
        return {{{B::Yes, IDYES}, {B::No, IDNO}, {B::Cancel, IDCANCEL}}};
    case MB_YESNO:
        return {{{B::Yes, IDYES}, {B::No, IDNO}}};
    case MB_RETRYCANCEL:
        return {{{B::Retry, IDRETRY}, {B::Cancel, IDCANCEL}}};
    default:
        return {{{B::Ok, IDOK}}};
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

// A window that holds the mouse (a drag of the chart) lends it to a box or a menu for as long as
// that is open: under a grab the box could not be clicked. It is taken back after, when the
// window is still there to hold it.
class LendMouseGrab {
public:
    LendMouseGrab() : m_holder(QWidget::mouseGrabber()) {
        if (m_holder) {
            m_holder->releaseMouse();
        }
    }
    ~LendMouseGrab() {
        if (m_holder && m_holder->isVisible() && QWidget::mouseGrabber() == nullptr) {
            m_holder->grabMouse();
        }
    }
    LendMouseGrab(const LendMouseGrab&) = delete;
    LendMouseGrab& operator=(const LendMouseGrab&) = delete;

private:
    QPointer<QWidget> m_holder;
};

} // namespace

void CQtUiServices::Register(const std::string& name, DialogHandler handler) {
    m_registrations.push_back(name);
    m_dialogs[name] = std::move(handler);
}

int CQtUiServices::MessageBox(const std::string& text, UINT type, UINT stringId) {
    static_cast<void>(stringId);
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = m_parent;
    }
    QMessageBox box(IconOf(type), QString::fromStdString(LoadStringUtf8(57344)),
                    QString::fromStdString(Sjis::ToUtf8(text)), QMessageBox::NoButton, parent);
    const ButtonSet set = ButtonsOf(type);
    std::vector<std::pair<QAbstractButton*, int>> answers;
    for (const auto& [button, answer] : set.buttons) {
        answers.emplace_back(box.addButton(button), answer);
    }
    const std::size_t defaultIndex = (type & MB_DEFBUTTON3) != 0   ? 2
                                     : (type & MB_DEFBUTTON2) != 0 ? 1
                                                                   : 0;
    if (defaultIndex < answers.size()) {
        box.setDefaultButton(static_cast<QPushButton*>(answers[defaultIndex].first));
    }
    {
        const LendMouseGrab lend;
        box.exec();
    }
    for (const auto& [button, answer] : answers) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    // Closed without a button: the box's Cancel, else its only answer.
    const bool hasCancel = std::any_of(answers.begin(), answers.end(),
                                       [](const auto& a) { return a.second == IDCANCEL; });
    return hasCancel ? IDCANCEL : answers.front().second;
}

void CQtUiServices::SetStatusText(const std::string& text) {
    if (IStatusBar* bar = GetStatusBar()) {
        bar->SetPaneText(IStatusBar::kMessagePane, text);
    }
}

void CQtUiServices::Beep(UINT type) {
    static_cast<void>(type);
    QApplication::beep();
}

void CQtUiServices::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUiServices::EndWaitCursor() {
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void CQtUiServices::ModeChanged() {
    if (m_modeChanged) {
        m_modeChanged();
    }
}

bool CQtUiServices::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(Sjis::ToUtf8(url))));
}

void CQtUiServices::PostCommand(UINT id) {
    if (!m_command) {
        return;
    }
    // The handler is copied: the services may be told of another before the timer runs.
    QTimer::singleShot(0, &m_posted, [handler = m_command, id] { handler(id); });
}

int CQtUiServices::RunDialog(DialogRequest& request) {
    auto it = m_dialogs.find(request.Name());
    if (it == m_dialogs.end()) {
        return IDCANCEL;
    }
    const LendMouseGrab lend;
    return it->second(request);
}

} // namespace tembra
