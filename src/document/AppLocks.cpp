// The application's lock files and backup log (see AppState.h).
#include "document/AppState.h"
#include "document/BackupLog.h"
#include "document/LockFiles.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT IDS_LOCKED_BY = 5086;

// Where the system tells which block devices are removable.
const fs::path kSysRoot = "/sys";

fs::path BackupFolder() {
    return ConfigPathToFs(GetAppConfig()->GetPath().GetBackupDir());
}

} // namespace

const std::string& CAppState::GetLockOwnerId() {
    if (m_lockOwner.empty()) {
        m_lockOwner = CurrentLockOwnerId();
    }
    return m_lockOwner;
}

int CAppState::LockDocumentFile(const std::string& path, int mode) {
    return LockDocumentFileAs(path, mode, GetLockOwnerId(), kSysRoot);
}

BOOL CAppState::IsLockedByAnother(const std::string& path) {
    const std::optional<std::string> holder = LockHolderOtherThan(path, GetLockOwnerId(), kSysRoot);
    if (!holder) {
        return FALSE;
    }
    Ui().MessageBox(FormatString(LoadString(IDS_LOCKED_BY), {*holder}), MB_OK | MB_ICONEXCLAMATION,
                    IDS_LOCKED_BY);
    return TRUE;
}

void CAppState::PrepareBackupFolder() {
    const CConfigPath& paths = GetAppConfig()->GetPath();
    std::error_code ec;
    fs::create_directories(BackupFolder(), ec);
    fs::remove(ConfigPathToFs(paths.GetBacklogOldFile()), ec);
    fs::rename(ConfigPathToFs(paths.GetBacklogFile()), ConfigPathToFs(paths.GetBacklogOldFile()),
               ec);
}

void CAppState::PurgeOldBackups() {
    const CConfigPath& paths = GetAppConfig()->GetPath();
    const fs::path folder = BackupFolder();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return;
    }
    const std::vector<std::string> current =
        BackupLog::ReadLines(ConfigPathToFs(paths.GetBacklogFile()));
    std::vector<std::string> kept;
    for (const std::string& line : current) {
        if (std::string name = BackupLog::CopyName(line); !name.empty()) {
            kept.push_back(std::move(name));
        }
    }
    const fs::path oldLog = ConfigPathToFs(paths.GetBacklogOldFile());
    for (const std::string& line : BackupLog::ReadLines(oldLog)) {
        const std::string name = BackupLog::CopyName(line);
        // A line without a name matches nothing and names nothing to delete; nor does one whose
        // name would lead out of the backup folder.
        if (name.empty() || name.find('/') != std::string::npos || name == "." || name == ".." ||
            std::find(kept.begin(), kept.end(), name) != kept.end()) {
            continue;
        }
        fs::remove(folder / name, ec);
    }
    fs::remove(oldLog, ec);
}

} // namespace tembra
