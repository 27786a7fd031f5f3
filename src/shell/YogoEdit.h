// The term bar's edit field: its last text, its modified mark and what Delete does in it.
#pragma once

#include "platform/Types.h"

#include <QLineEdit>

#include <functional>

class QEvent;
class QKeyEvent;

namespace tembra {

class COperationState;

// The edit field of the term combo. It keeps the text the program last put in (the last text):
// a key released while the field is unmarked and its text differs from that text marks it
// modified. Delete may stand for "delete the selected chart objects" (ID_EDIT_DELETE) instead of
// deleting a character; which one depends on the active document's operation and mode, on the
// mark and on a selection in the field (DeleteKeySendsDelete).
class CYogoEdit : public QLineEdit {
public:
    // The operation state of the active document, or null without one.
    using OperationSource = std::function<const COperationState*()>;

    explicit CYogoEdit(QWidget* parent);
    void SetOperationSource(OperationSource source) { m_operation = std::move(source); }
    // Runs ID_EDIT_DELETE; the frame routes it as a menu command.
    void SetDeleteCommand(std::function<void()> command) { m_delete = std::move(command); }
    // What Enter does before the field's own handling; true when it took the key.
    void SetEnterCommand(std::function<bool()> command) { m_enter = std::move(command); }
    const QString& LastText() const { return m_lastText; }
    void SetLastText(const QString& text) { m_lastText = text; }

    struct DeleteAnswer {
        bool sendDelete = false;
        bool passKey = true;
    };
    // What Delete does in the field for the document's state (null: no document).
    static DeleteAnswer DeleteKeyAnswer(const COperationState* state, bool modified,
                                        bool selection);

protected:
    // The chart's undo (Ctrl+Z) and mode keys (F5 to F10) stay the frame's shortcuts; the
    // editing keys Ctrl+X/C/V/A are the field's. Enter runs the Enter command first.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    OperationSource m_operation;
    std::function<void()> m_delete;
    std::function<bool()> m_enter;
    QString m_lastText;
};

} // namespace tembra
