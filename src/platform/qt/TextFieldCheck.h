// The one check of typed text in both programs' windows: before a dialog or a text-entry helper
// (the bars' boxes, an in-place editor, a list's add button) stores a field's text as CP932, the
// text must be one CP932 can hold. A field that holds characters CP932 lacks is refused: the
// message names the characters (IDS_UNSTORABLE_TEXT, through Ui()), the focus goes back to the
// field with its text selected, and the caller stores nothing. A one-line field (a line edit, an
// editable combo box) holding a line break, as a paste can bring, is refused the same way with
// IDS_LINE_BREAK_IN_LINE.
//
// The dialogs' 決定 runs it over every text field of the dialog (MakeOkCancel, CPropertySheet,
// and the dialogs with buttons of their own at the start of their accept()).
#pragma once

#include <QString>

class QWidget;

namespace tembra {

// The text a user typed in the field: a line edit's, an editable combo box's, a plain or rich
// text edit's plain text. Empty for any other widget.
QString TypedText(const QWidget* field);

// Whether the field's text can be stored; refuses it as above when it cannot.
bool CheckTextField(QWidget* field);

// Checks the container and each text field inside it (line edits, the edits of editable combo boxes,
// text edits, read-only ones left out) in the order they were made; stops at the first refusal,
// bringing a tab page that holds the field to the front.
bool CheckTextFields(QWidget* container);

} // namespace tembra
