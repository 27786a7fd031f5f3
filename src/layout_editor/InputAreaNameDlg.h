// The input-area name dialog ("文字入力領域名の設定"): the name of one input area, chosen from
// the paper's base input-area names or typed (at most 50 characters), and its default text.
// OK runs the checks of CInputAreaNameData in their order; a refusal shows its message and keeps
// the dialog open (an invalid name is emptied and gets the focus).
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QComboBox>
#include <QDialog>

class QPlainTextEdit;

namespace marquell {

// The name box: opening its list while the name is empty selects the entry the view remembers.
class CInputAreaNameBox : public QComboBox {
    Q_OBJECT
public:
    CInputAreaNameBox(CInputAreaNameData& data, QWidget* parent);
    void showPopup() override;

private:
    CInputAreaNameData& m_data;
};

class CInputAreaNameDlg : public QDialog {
    Q_OBJECT
public:
    // The most characters of a name.
    static constexpr int kNameLength = 50;

    CInputAreaNameDlg(InputAreaNameRequest& request, QWidget* parent = nullptr);

    QComboBox* NameBox() const { return m_name; }
    QPlainTextEdit* DefaultTextField() const { return m_text; }
    void accept() override;

private:
    CInputAreaNameData& m_data;
    CInputAreaNameBox* m_name;
    QPlainTextEdit* m_text;
};

} // namespace marquell
