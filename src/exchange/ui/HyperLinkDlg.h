// The hyperlink dialog (dialog 415 "ハイパーリンク"): the text a link shows (1126) and where it
// leads (1127), a file or web page (radio 1129, kind 0) or a mail address (radio 1130, kind 1).
// The label before the target (1128) follows the kind; "参照" (1048) picks a file. The dialog
// neither checks nor changes the texts: its callers keep the "mailto:" prefix of a mail target.
// Texts are CP932.
#pragma once

#include "platform/Types.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tembra {

class DialogRequest;

class CHyperLinkDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 415;
    enum : int {
        IDC_TEXT = 1126,
        IDC_TARGET = 1127,
        IDC_TARGET_LABEL = 1128,
        IDC_KIND_FILE = 1129,
        IDC_KIND_MAIL = 1130,
        IDC_BROWSE = 1048,
    };
    // The callers' captions: inserting and editing a link.
    static constexpr UINT IDS_INSERT_LINK = 5160;
    static constexpr UINT IDS_EDIT_LINK = 5161;

    // The caption's string id.
    explicit CHyperLinkDlg(UINT captionId, QWidget* parent = nullptr);
    ~CHyperLinkDlg() override;

    std::string m_strText;
    std::string m_strTarget;
    // 0 a file or web page, 1 a mail address; -1 until the caller sets it.
    int m_nKind = -1;

    QLineEdit* TextEdit() const { return m_text; }
    QLineEdit* TargetEdit() const { return m_target; }
    QLabel* TargetLabel() const { return m_label; }
    QRadioButton* KindButton(int kind) const { return kind == 0 ? m_file : m_mail; }

    // Answers the document's hyperlink request: its caption, text, address and kind in, the
    // values chosen out on OK.
    static int Run(DialogRequest& request, QWidget* parent);

    // Shows the values, then runs.
    int exec() override;
    void accept() override;
    // "参照": a file chosen becomes the target.
    void Browse();

protected:
    // The file dialog of "参照" ("ファイルにリンク", every file): the path chosen, empty after
    // Cancel.
    virtual QString ChooseFile();

private:
    void ShowValues();
    void TakeValues();
    // "電子メールアドレス:" for a mail address, else "ファイル名またはWebページ名:".
    void UpdateLabel();

    QLineEdit* m_text = nullptr;
    QLineEdit* m_target = nullptr;
    QLabel* m_label = nullptr;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_mail = nullptr;
};

} // namespace tembra
