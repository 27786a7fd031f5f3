#include "print/ui/PrhMst03Edit.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QKeyEvent>

namespace tembra {

CPrhMst03Edit::CPrhMst03Edit(int lines, QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // The frame, the document's margins and a little room below the last line, so that the
    // lines asked for show without a scroll bar.
    const QMargins margins = contentsMargins();
    const int frame =
        margins.top() + margins.bottom() + 2 * static_cast<int>(document()->documentMargin()) + 4;
    setFixedHeight(fontMetrics().lineSpacing() * lines + frame);
}

void CPrhMst03Edit::SetCp932(const std::string& text) {
    QString shown = FromCp932(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

std::string CPrhMst03Edit::Cp932() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToCp932(text);
}

void CPrhMst03Edit::WatchedBy(CEnterMovesFocus& enter) {
    enter.Watch({this});
    // Installed after the dialog's filter, so it sees Ctrl+Enter first.
    installEventFilter(this);
}

bool CPrhMst03Edit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier) != 0) {
            insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

} // namespace tembra
