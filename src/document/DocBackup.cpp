// The backup copies of a chart in the backup folder and their entries in the log (BackupLog.h).
#include "document/AppState.h"
#include "document/BackupLog.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr int kSlotCount = 10;
constexpr UINT IDS_EXT_NATIVE = 104;

// The slot digit of an entry, or -1.
int SlotOf(const std::string& line) {
    if (line.size() <= BackupLog::kSlotIndex) {
        return -1;
    }
    const char digit = line[BackupLog::kSlotIndex];
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

} // namespace

void CTembraDoc::WriteBackupCopy() {
    const CConfigPath& paths = GetAppConfig()->GetPath();
    const fs::path folder = ConfigPathToFs(paths.GetBackupDir());
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Without a log name there is no log to keep the copies in.
    if (paths.GetBacklogFile() == paths.GetBackupDir()) {
        m_bBackupDue = FALSE;
        return;
    }

    std::string documentName;
    std::string documentPath;
    if (!GetPathName().empty()) {
        fs::path name = fs::path(GetPathName()).filename();
        name.replace_extension(LoadString(IDS_EXT_NATIVE));
        documentName = name.string();
        documentPath = GetPathName();
    } else {
        documentName = Sjis::ToUtf8(ShortTitle()) + LoadString(IDS_EXT_NATIVE);
        documentPath = (ConfigPathToFs(paths.GetDataPath()) / documentName).string();
    }

    // Each slot's latest entry, in the order of the entries: the previous run's first, then this
    // run's; a slot carried over from the previous run is not reused.
    std::array<int, kSlotCount> order{};
    std::array<bool, kSlotCount> used{};
    std::array<bool, kSlotCount> carried{};
    int counter = 0;
    for (const std::string& line :
         BackupLog::ReadLines(ConfigPathToFs(paths.GetBacklogOldFile()))) {
        const int slot = SlotOf(line);
        if (slot >= 0 && BackupLog::DocumentName(line) == documentName) {
            order[static_cast<std::size_t>(slot)] = ++counter;
            used[static_cast<std::size_t>(slot)] = true;
        }
    }
    const fs::path log = ConfigPathToFs(paths.GetBacklogFile());
    for (const std::string& line : BackupLog::ReadLines(log)) {
        const int slot = SlotOf(line);
        if (slot < 0 || BackupLog::DocumentName(line) != documentName) {
            continue;
        }
        const auto s = static_cast<std::size_t>(slot);
        used[s] = true;
        if (line[BackupLog::kMarkIndex] == BackupLog::kMarkCarried) {
            carried[s] = true;
        } else if (line[BackupLog::kMarkIndex] == BackupLog::kMarkNew) {
            order[s] = ++counter;
        }
    }
    int chosen = -1;
    for (int slot = 0; slot < kSlotCount && chosen < 0; ++slot) {
        if (!used[static_cast<std::size_t>(slot)]) {
            chosen = slot;
        }
    }
    if (chosen < 0) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            if (!carried[s] && (chosen < 0 || order[s] < order[static_cast<std::size_t>(chosen)])) {
                chosen = slot;
            }
        }
    }
    if (chosen < 0) {
        m_bBackupDue = FALSE;
        return;
    }

    const std::string copy = "~" + std::to_string(chosen) + documentName;
    if (WriteDocumentFile((folder / copy).string(), kCurrentFileVersion) == 0) {
        BackupLog::Append(
            log, folder,
            {BackupLog::EntryLine(BackupLog::kMarkNew, chosen, documentName, documentPath)});
    }
    m_bBackupDue = FALSE;
}

void CTembraDoc::CarryOverBackupEntries(const std::string& path) {
    const CConfigPath& paths = GetAppConfig()->GetPath();
    const fs::path folder = ConfigPathToFs(paths.GetBackupDir());
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return;
    }
    const std::string name = fs::path(path).filename().string();
    std::vector<std::string> carried;
    for (std::string line : BackupLog::ReadLines(ConfigPathToFs(paths.GetBacklogOldFile()))) {
        if (line.size() > BackupLog::kCopyIndex && BackupLog::DocumentName(line) == name) {
            line[BackupLog::kMarkIndex] = BackupLog::kMarkCarried;
            carried.push_back(std::move(line));
        }
    }
    if (!carried.empty()) {
        BackupLog::Append(ConfigPathToFs(paths.GetBacklogFile()), folder, carried);
    }
}

} // namespace tembra
