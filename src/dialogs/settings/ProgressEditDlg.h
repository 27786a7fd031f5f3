// Dialog 176 "進捗編集": the question a click on a progress line asks in the edit operation,
// "消去しますか、変更しますか？", answered by the code the dialog ends with: 10 erase, 11 draw
// anew, 13 attributes, IDCANCEL nothing. The template's fifth button "結線変更" stays hidden and
// disabled.
//
// RunProgressEdit answers the request "ProgressEdit": the question, and for 13 dialog 316 on
// the clicked line, whose ticked groups it writes into the request's attributes.
#pragma once

#include <QDialog>

namespace tembra {

class ProgressEditRequest;

class CProgressEditDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 176;
    enum : int { IDC_ERASE = 10, IDC_DRAW = 11, IDC_ATTRIBUTES = 13, IDC_JOIN = 1440 };

    explicit CProgressEditDlg(QWidget* parent = nullptr);
};

int RunProgressEdit(ProgressEditRequest& request, QWidget* parent);

} // namespace tembra
