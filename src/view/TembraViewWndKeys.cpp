// Keys typed over the chart. The chart takes no text of its own: whatever is typed there is a
// term's text, so it goes to the term bar's combo, which takes the focus with its text selected
// so that the first key replaces it. The main window's shortcuts never arrive here; the scroll
// keys stay with the window and Delete deletes the selection. While a gesture holds the mouse,
// Escape ends it as a right click cancels it, wherever the focus is.
#include "document/AppState.h"
#include "document/CommandIds.h"
#include "platform/Ui.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace tembra {

namespace {

// The bar's shown flag FocusYogoCombo is asked with.
constexpr int kFocusCombo = 1;

bool IsScrollKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Text a key types: printable, without a command modifier.
bool TypesText(const QKeyEvent& event) {
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

class CTembraViewWnd::EscapeFilter : public QObject {
public:
    explicit EscapeFilter(CTembraViewWnd& wnd) : QObject(&wnd), m_wnd(wnd) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A box or a menu open over the gesture has borrowed the mouse: Escape is theirs.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_wnd.m_capture &&
            QApplication::activeModalWidget() == nullptr &&
            QApplication::activePopupWidget() == nullptr) {
            m_wnd.View().EndGesture();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CTembraViewWnd& m_wnd;
};

void CTembraViewWnd::WatchEscape(bool on) {
    if (on == m_watchingEscape) {
        return;
    }
    if (m_escape == nullptr) {
        m_escape = new EscapeFilter(*this);
    }
    if (on) {
        QCoreApplication::instance()->installEventFilter(m_escape);
    } else {
        QCoreApplication::instance()->removeEventFilter(m_escape);
    }
    m_watchingEscape = on;
}

QWidget* CTembraViewWnd::FocusTermCombo() {
    CAppState* state = GetAppState();
    if (state == nullptr) {
        return nullptr;
    }
    state->FocusYogoCombo(kFocusCombo);
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == this || focus == viewport()) {
        return nullptr;
    }
    return focus;
}

void CTembraViewWnd::keyPressEvent(QKeyEvent* event) {
    if (IsScrollKey(event->key())) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        Ui().PostCommand(ID_EDIT_DELETE);
        event->accept();
        return;
    }
    if (!TypesText(*event)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    QWidget* combo = FocusTermCombo();
    if (combo == nullptr) {
        event->ignore();
        return;
    }
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(combo, &copy);
    event->accept();
}

void CTembraViewWnd::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() && event->preeditString().isEmpty()) {
        QAbstractScrollArea::inputMethodEvent(event);
        return;
    }
    QWidget* combo = FocusTermCombo();
    if (combo == nullptr) {
        event->ignore();
        return;
    }
    QInputMethodEvent copy(event->preeditString(), event->attributes());
    copy.setCommitString(event->commitString(), event->replacementStart(),
                         event->replacementLength());
    QCoreApplication::sendEvent(combo, &copy);
    event->accept();
}

} // namespace tembra
