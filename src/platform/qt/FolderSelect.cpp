#include "platform/qt/FolderSelect.h"

#include "platform/TypedText.h"
#include "platform/qt/Cp932Text.h"

#include <QDir>
#include <QFileDialog>

namespace tembra {

namespace {

// The run's last folder, shared by every chooser.
std::string& Remembered() {
    static std::string folder;
    return folder;
}

} // namespace

CFolderSelect::CFolderSelect(QWidget* owner, const std::string& startPath) : m_owner(owner) {
    if (!startPath.empty()) {
        SetLastFolder(startPath);
    }
}

std::string CFolderSelect::LastFolder() {
    return Remembered();
}

void CFolderSelect::SetLastFolder(const std::string& folder) {
    Remembered() = WithoutTrailingSeparator(folder);
}

std::string CFolderSelect::WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) {
        path.pop_back();
    }
    return path;
}

bool CFolderSelect::Browse(std::string& folder) {
    QFileDialog dialog(m_owner, QString::fromUtf8("データを格納するフォルダを選択してください"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const std::string last = LastFolder();
    dialog.setDirectory(last.empty() ? QDir::homePath() : FromCp932(last));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    // The folders are kept as CP932: a name it cannot hold is refused with its message rather
    // than kept as the name of a folder that does not exist.
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    if (RefuseUnstorable(chosen.toStdString())) {
        return false;
    }
    folder = ToCp932(chosen);
    SetLastFolder(folder);
    return true;
}

} // namespace tembra
