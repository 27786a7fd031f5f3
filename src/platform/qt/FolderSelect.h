// The folder chooser of the settings dialogs' path fields: a directory-mode file dialog titled
// "データを格納するフォルダを選択してください" that starts at the last folder chosen in this run
// (every use shares it), else at the home folder. Paths are CP932, as the settings hold them.
#pragma once

#include <string>

class QFileDialog;
class QWidget;

namespace tembra {

class CFolderSelect {
public:
    // The starting path, when not empty, becomes the remembered folder, trailing separators cut.
    CFolderSelect(QWidget* owner, const std::string& startPath);

    // Shows the dialog: true with the chosen folder (which is remembered), false when it was
    // cancelled or the folder's name holds characters CP932 cannot (after their message):
    // nothing changes.
    bool Browse(std::string& folder);

    // The folder the run remembers ("" before any).
    static std::string LastFolder();
    static void SetLastFolder(const std::string& folder);
    // A path without its trailing separators ("/" and "\" alike; a root keeps its own).
    static std::string WithoutTrailingSeparator(std::string path);

private:
    QWidget* m_owner;
};

} // namespace tembra
