// The select and replace dialog (251 "選択／置換"): a target and a replacement text, each an
// editable list of the term bar's history, whole match and limit to the selection; 選択 selects
// the matching terms or events, 全て置換 replaces the target everywhere (in item mode only
// replacing is offered, under the caption "置換[項目]"). An empty target is refused (5100).
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tembra {

class FindReplaceDlgRequest;

class CFindReplaceDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 251;
    enum : int {
        IDC_TARGET = 1101,
        IDC_REPLACEMENT = 1102,
        IDC_WHOLE = 1103,
        IDC_LIMIT = 1104,
        IDC_SELECT = 1105,
        IDC_REPLACE_ALL = 1106,
    };
    static constexpr unsigned kNoTargetMessage = 5100;

    // history: the term bar's entries (CP932), oldest first; empty ones are left out.
    CFindReplaceDlg(FindReplaceDlgRequest& request, const std::vector<std::string>& history,
                    QWidget* parent = nullptr);

private:
    // Reads the controls; false (after message 5100) for an empty target.
    bool Finish(int action);

    FindReplaceDlgRequest& m_request;
    QComboBox* m_target = nullptr;
    QComboBox* m_replacement = nullptr;
    QCheckBox* m_whole = nullptr;
    QCheckBox* m_limit = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_replaceAll = nullptr;
};

} // namespace tembra
