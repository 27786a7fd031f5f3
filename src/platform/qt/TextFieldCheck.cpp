#include "platform/qt/TextFieldCheck.h"

#include "platform/StringTable.h"
#include "platform/TypedText.h"
#include "platform/Ui.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace tembra {

namespace {

// The line edit of a combo box or spin box is checked through its owner's text.
bool IsInnerEdit(const QWidget* field) {
    const QWidget* parent = field->parentWidget();
    return parent != nullptr && (qobject_cast<const QComboBox*>(parent) != nullptr ||
                                 parent->inherits("QAbstractSpinBox"));
}

bool IsReadOnly(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
        return edit->isReadOnly();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(field)) {
        return edit->isReadOnly();
    }
    if (const auto* edit = qobject_cast<const QTextEdit*>(field)) {
        return edit->isReadOnly();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(field)) {
        return !box->isEditable();
    }
    return true;
}

// Brings to the front the tab pages and stacked pages on the way from the container to the
// field, so that the focus can go to it.
void ShowPagesOf(QWidget* field) {
    for (QWidget* child = field; child != nullptr; child = child->parentWidget()) {
        QWidget* parent = child->parentWidget();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent)) {
            stack->setCurrentWidget(child);
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
                tabs->setCurrentWidget(child);
            }
        }
    }
}

} // namespace

QString TypedText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
        return edit->text();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(field)) {
        return box->isEditable() ? box->currentText() : QString();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(field)) {
        return edit->toPlainText();
    }
    if (const auto* edit = qobject_cast<const QTextEdit*>(field)) {
        return edit->toPlainText();
    }
    return {};
}

namespace {

// A line edit or a combo box's edit keeps one line; a pasted line break has no place there.
bool RefuseLineBreak(const QWidget* field, const QString& text) {
    const bool oneLine = qobject_cast<const QLineEdit*>(field) != nullptr ||
                         qobject_cast<const QComboBox*>(field) != nullptr;
    if (!oneLine || (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))) {
        return false;
    }
    Ui().MessageBox(LoadString(IDS_LINE_BREAK_IN_LINE), MB_OK | MB_ICONEXCLAMATION,
                    IDS_LINE_BREAK_IN_LINE);
    return true;
}

} // namespace

bool CheckTextField(QWidget* field) {
    if (field == nullptr) {
        return true;
    }
    const QString text = TypedText(field);
    if (!RefuseUnstorable(text.toStdString()) && !RefuseLineBreak(field, text)) {
        return true;
    }
    ShowPagesOf(field);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    } else if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit()) {
        box->lineEdit()->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->selectAll();
    } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        rich->selectAll();
    }
    return false;
}

bool CheckTextFields(QWidget* container) {
    if (container == nullptr) {
        return true;
    }
    // The container may be a field itself (a page that is one edit).
    QList<QWidget*> fields = container->findChildren<QWidget*>();
    fields.prepend(container);
    for (QWidget* field : fields) {
        const bool textField = qobject_cast<QLineEdit*>(field) != nullptr ||
                               qobject_cast<QComboBox*>(field) != nullptr ||
                               qobject_cast<QPlainTextEdit*>(field) != nullptr ||
                               qobject_cast<QTextEdit*>(field) != nullptr;
        if (!textField || IsInnerEdit(field) || IsReadOnly(field)) {
            continue;
        }
        if (!CheckTextField(field)) {
            return false;
        }
    }
    return true;
}

} // namespace tembra
