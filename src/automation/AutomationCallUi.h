// The user interface while the program serves a call of another program: nobody is there to
// click for the caller, so no box waits and no dialog opens. A message the member would show is
// kept (its string-table id, 0 for a text of no table, and its text) for the caller's answer and
// gets the answer that goes no further (No, Cancel or Abort; OK for a plain message); a dialog is
// not run (IDCANCEL) and its request's name is kept.
//
// Only while a member asks the user on purpose (between BeginQuestion and EndQuestion), and only
// when a user can be there to answer, do boxes and dialogs reach the services the program runs
// with. Status text, the wait cursor and the mode-change notice always go there.
#pragma once

#include "platform/UnattendedUi.h"

#include <string>
#include <vector>

namespace tembra {

class CAutomationCallUi : public CUnattendedUi {
public:
    struct Message {
        UINT id = 0;
        // UTF-8, its line breaks kept.
        std::string text;
        bool operator==(const Message&) const = default;
    };

    // inner: the services the program runs with; userThere: whether a user can answer them (a
    // program without a screen has nobody to ask).
    CAutomationCallUi(IUiServices& inner, bool userThere)
        : CUnattendedUi(inner), m_userThere(userThere) {}

    // The answer of a box nobody can click: the button that leaves things as they are.
    static int RefusingAnswer(UINT type);

    // A member's own question to the user: from here to the matching EndQuestion.
    void BeginQuestion() { ++m_questions; }
    void EndQuestion() { --m_questions; }

    // What the member would have shown, in order.
    const std::vector<Message>& Messages() const { return m_messages; }
    // The names of the dialog requests not run.
    const std::vector<std::string>& Dialogs() const { return m_dialogs; }

    int MessageBox(const std::string& text, UINT type, UINT stringId) override;
    int RunDialog(DialogRequest& request) override;

private:
    bool Asking() const { return m_questions > 0 && m_userThere; }

    bool m_userThere;
    int m_questions = 0;
    std::vector<Message> m_messages;
    std::vector<std::string> m_dialogs;
};

} // namespace tembra
