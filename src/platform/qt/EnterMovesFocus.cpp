#include "platform/qt/EnterMovesFocus.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tembra {

void CEnterMovesFocus::Watch(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        control->installEventFilter(this);
    }
}

void CEnterMovesFocus::SetButtons(QAbstractButton* ok, QAbstractButton* cancel) {
    m_ok = ok;
    m_cancel = cancel;
    for (QAbstractButton* button : {ok, cancel}) {
        if (button != nullptr) {
            button->installEventFilter(this);
        }
    }
}

void CEnterMovesFocus::SetAction(QWidget* control, std::function<void()> action) {
    m_actions[control] = std::move(action);
    control->installEventFilter(this);
}

bool CEnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return QObject::eventFilter(watched, event);
    }
    if (m_ok != nullptr && watched == m_ok) {
        m_ok->click();
    } else if (m_cancel != nullptr && watched == m_cancel) {
        m_cancel->click();
    } else if (const auto action = m_actions.find(watched); action != m_actions.end()) {
        if (action->second) {
            action->second();
        }
    } else {
        // A Tab sent to the control moves the focus as the user's Tab would, past the controls
        // that take no focus.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
    }
    return true;
}

} // namespace tembra
