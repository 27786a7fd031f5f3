// The MY term list (dialog 283): the user's own term groups kept in MYYOGO.INI (CMyYogoFile).
// A group is chosen in the combo (1264) and its terms, narrowed by the search field (1565), are
// listed (1652); selecting a term sends it to the term bar through the main window, replacing
// (置換) or appending to (追加) its text. The registration panel, opened with 登録→ (1955) and
// closed with ←閉 (1957), edits the groups: 更新 stores the list, << adds the candidate text,
// >> takes a term back out, and 新規作成, 名称変更 and 削除 make, rename and delete groups; its
// candidates come from the term bar's history or from the texts of the active chart.
//
// A modeless tool window of the main window. Its place is kept under "Settings" as
// "MyYogoWindowPos": left, top, the collapsed width, the height and whether it is shown. The
// controls carry their template ids as object names.
#pragma once

#include "platform/Types.h"
#include "shell/core/MyYogoFile.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tembra {

class CTembraDoc;

class CMyYogoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 283;
    enum : int {
        IDC_CANDIDATES = 1958,
        IDC_SEARCH = 1565,
        IDC_TERMS = 1652,
        IDC_GROUP = 1264,
        IDC_REPLACE = 1285,
        IDC_APPEND = 1286,
        IDC_CLEAR = 1956,
        IDC_OPEN_PANEL = 1955,
        IDC_CLOSE_PANEL = 1957,
        IDC_STORE = 1802,
        IDC_ADD = 1797,
        IDC_REMOVE = 1800,
        IDC_NEW_GROUP = 1805,
        IDC_RENAME_GROUP = 1803,
        IDC_DELETE_GROUP = 1801,
        IDC_FROM_HISTORY = 1547,
        IDC_FROM_CHART = 1549,
        IDC_KIND_TERMS = 1962,
        IDC_KIND_EVENTS = 1964,
        IDC_KIND_ITEMS = 1965,
        IDC_CANDIDATE_TEXT = 1963,
    };
    static constexpr const char* kPositionKey = "MyYogoWindowPos";
    // The widths of the two modes, pixels.
    static constexpr int kCollapsedWidth = 240;
    static constexpr int kExpandedWidth = 560;
    // The longest candidate text, CP932 bytes (a term's text).
    static constexpr std::size_t kMaxTermBytes = 255;

    // What the dialog asks of the program: the term sent (mode 0 replace, 1 append), the term
    // bar's history entries, the active chart (null: none).
    struct Services {
        std::function<void(int mode, const std::string& text)> send;
        std::function<std::vector<std::string>()> history;
        std::function<const CTembraDoc*()> activeDocument;
    };

    CMyYogoDlg(std::filesystem::path file, Services services, QWidget* parent = nullptr);
    ~CMyYogoDlg() override;

    // The opening: the stored place (or the collapsed width, centred on the parent), then the
    // groups and the terms of the first group.
    void Open();
    // Closes the panel and writes "MyYogoWindowPos".
    void SavePosition();

    bool IsExpanded() const { return m_expanded; }
    const std::string& CurrentGroup() const { return m_group; }
    const CMyYogoFile& File() const { return m_file; }

    // The commands, as the buttons run them.
    void OnStore();
    void OnAdd();
    void OnRemove();
    void OnNewGroup();
    void OnRenameGroup();
    void OnDeleteGroup();
    void OnClear();
    void Expand();
    void Collapse();
    void RefreshCandidates();

private:
    void Build();
    QWidget* BuildPanel();
    // The groups (reloaded when asked) and the terms of the group (empty: the first one).
    void LoadTerms(const std::string& group, bool reloadGroups);
    void RefreshList(bool reloadGroups);
    void SaveGroup(const std::string& oldName, const std::string& newName);
    std::vector<std::string> ListedTerms() const;
    // Runs the name dialog until it gives a name that no group has; nothing for Cancel or an
    // empty name, and for a name the file cannot hold after its message.
    std::optional<std::string> AskGroupName(const std::string& start, const std::string& current);
    void OnTermSelected();
    void ApplyWidth();
    int SendMode() const;

    CMyYogoFile m_file;
    Services m_services;
    std::string m_group;
    bool m_expanded = false;
    bool m_loading = false;
    std::optional<CRect> m_remembered;

    QListWidget* m_candidates = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_terms = nullptr;
    QComboBox* m_groups = nullptr;
    QRadioButton* m_replace = nullptr;
    QRadioButton* m_append = nullptr;
    QPushButton* m_openPanel = nullptr;
    QPushButton* m_closePanel = nullptr;
    QPushButton* m_store = nullptr;
    QRadioButton* m_fromHistory = nullptr;
    QRadioButton* m_fromChart = nullptr;
    QCheckBox* m_kindTerms = nullptr;
    QCheckBox* m_kindEvents = nullptr;
    QCheckBox* m_kindItems = nullptr;
    QLineEdit* m_candidateText = nullptr;
    QWidget* m_panel = nullptr;
};

} // namespace tembra
