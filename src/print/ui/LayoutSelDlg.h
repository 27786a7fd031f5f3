// The layout file selection dialog ("書式ファイルの選択"): the layouts of the layout folder, one
// entry each, of which the user chooses one. In management mode it also offers "新規作成" (no
// file: a new layout) and "削除", which is open only for a layout that is no master, not the
// application's current layout and not used by an open chart, and deletes the file after asking
// (5114). The entries keep the files' real names: the choice and the deletion go by them.
#pragma once

#include "platform/Types.h"
#include "print/LayoutFileList.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace tembra {

class CLayoutSelDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLayoutSelDlg(QWidget* parent = nullptr);

    // Set by the caller before DoModal.
    BOOL manageMode = FALSE;
    // In: the file to choose first (CP932; empty: the current layout); out: the chosen file's
    // name, empty after "新規作成".
    std::string fileName;
    // Out: the chosen layout's "LayoutName" (CP932), empty after "新規作成".
    std::string layoutName;
    // The layout folder, the application's current layout file and the layout files of the open
    // charts (CP932 names).
    std::filesystem::path layoutFolder;
    std::string currentLayout;
    std::vector<std::string> layoutsInUse;

    // Fills the list and runs the dialog: IDOK or IDCANCEL.
    int DoModal();
    // Fills the list and shows the dialog without waiting (what DoModal starts with).
    void Prepare();

    QListWidget* List() const { return m_list; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void Fill();
    void OnSelectionChanged();
    void OnOk();
    void OnNew();
    void OnDelete();

    QListWidget* m_list;
    QPushButton* m_new;
    QPushButton* m_delete;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::vector<LayoutFileEntry> m_entries;
};

} // namespace tembra
