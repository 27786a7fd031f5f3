// The fixed-text dialog ("固定文字の入力"): the text of one fixed text, lines separated by line
// breaks. A text with nothing visible, or with a double quote (which the layout file cannot
// keep), is refused with 61250: the field is emptied and keeps the focus.
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QPlainTextEdit;

namespace marquell {

class CFixedTextDlg : public QDialog {
    Q_OBJECT
public:
    CFixedTextDlg(FixedTextRequest& request, QWidget* parent = nullptr);
    QPlainTextEdit* TextField() const { return m_text; }
    void accept() override;

private:
    FixedTextRequest& m_request;
    QPlainTextEdit* m_text;
};

} // namespace marquell
