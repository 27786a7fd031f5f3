// The layout copy dialog ("書式ファイルの複写"): layouts are copied from any folder of any drive
// into the layout folder. The drives are the root, the home folder and each mounted volume; one
// that is not ready is asked about (5126: retry, or back to the last ready drive). The folder
// list walks the source's sub-folders; the layout list holds the source's *.lyt files (any
// case), of which the selected ones are copied. A file the destination already has asks for
// another name or leave to overwrite (never over a master layout). A copied entry is
// deselected; one that failed stays selected with a message of ours.
#pragma once

#include "platform/Types.h"
#include "print/LayoutCopy.h"
#include "print/LayoutFileList.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tembra {

// A drive of the copy dialog: how the list shows it and the folder it starts at.
struct LayoutCopyDrive {
    std::string label; // UTF-8
    std::filesystem::path root;
};

class CLayoutCopyDlg : public QDialog {
    Q_OBJECT
public:
    // The root, the home folder and each mounted volume of the machine.
    static std::vector<LayoutCopyDrive> MachineDrives();

    CLayoutCopyDlg(std::filesystem::path destination, std::vector<LayoutCopyDrive> drives,
                   QWidget* parent = nullptr);

    // The question for a name the destination has (the copy-name dialog unless replaced).
    void SetAskName(AskCopyName ask) { m_ask = std::move(ask); }
    const std::filesystem::path& SourcePath() const { return m_source; }

    QComboBox* DriveBox() const { return m_drives; }
    QListWidget* FolderList() const { return m_folders; }
    QListWidget* LayoutList() const { return m_layouts; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* CloseButton() const { return m_close; }

    // Makes a drive current (also its choice in the box).
    void SelectDrive(int index);
    // The folder list's entry double-clicked.
    void OpenFolderEntry(int row);
    // "書式の複写".
    void CopySelected();

private:
    void FillLists();

    std::filesystem::path m_destination;
    std::vector<LayoutCopyDrive> m_driveList;
    std::filesystem::path m_source;
    int m_driveIndex = -1;
    AskCopyName m_ask;
    QComboBox* m_drives;
    QListWidget* m_folders;
    QListWidget* m_layouts;
    QLabel* m_sourceLabel;
    QPushButton* m_copy;
    QPushButton* m_close;
    std::vector<LayoutFileEntry> m_entries;
};

} // namespace tembra
