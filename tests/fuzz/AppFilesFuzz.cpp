// Feeds arbitrary bytes to the application's own small files that outlive a run: the auto-save
// control file "AUTOCTRL.FNM", a lock file beside a chart, and the backup logs "Backlog.lst" and
// "Backlog.old".
//
// Input: a byte that picks the file (its value modulo 3: 0 the control file, 1 the lock file,
// 2 the backup logs), a byte of flags, then the file's bytes.
// - Control file: written as the file; flag 1 puts a damaged copy beside the first listed entry.
//   The start asks for the copies, recovers them, runs an auto-save of a changed new chart and
//   ends as a normal exit does. After the recovery every entry left names a copy that was opened;
//   after the exit neither the control file nor a listed copy is left.
// - Lock file: without flag 1 the bytes are cut or padded with zeros to a lock's 80 bytes (a
//   short lock keeps its reader waiting for its maker). The opener's answer must be 0 exactly
//   when the bytes name another owner, whose lock then stays as it was; otherwise the opener
//   holds its own lock, and its release leaves none.
// - Backup logs: the bytes up to the first zero are the previous run's log, the rest this run's.
//   The start sets the previous log aside, a chart is opened (carrying its entries over), saved
//   changed and closed (a backup copy), and the exit purges the backups. Every copy this run's
//   log names stays, as does every file the previous log does not name and every file outside
//   the backup folder.
#include "fuzz/FuzzSupport.h"

#include "document/AppState.h"
#include "document/BackupLog.h"
#include "document/LockFiles.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/Utility.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace tembra::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kFlagRaw = 1;
constexpr const char* kOwner = "fuzz [host-a]";

// The settings and the state of the program, read once from the temporary program folders.
void PrepareApp() {
    static const bool prepared = [] {
        PrepareProcess();
        static CConfigBase config;
        SetAppConfig(&config);
        config.Read(FALSE);
        static CAppState state;
        state.SetLockOwnerId(kOwner);
        SetAppState(&state);
        return true;
    }();
    static_cast<void>(prepared);
}

fs::path ControlFile() {
    return Paths::GetExeDirFile("AUTOCTRL", "FNM");
}

// The entry keys of the control file as the program reads them ("TBRT%04d" of a number from 1,
// whatever the case) that hold a value, in the program's spelling.
std::vector<std::string> ListedKeys(const fs::path& control) {
    std::set<std::string> keys;
    for (const std::string& key : GetPrivateProfileKeyNames("AutoSave", 1 << 20, control)) {
        if (key.size() <= 4 || key.size() > 12 || !Sjis::EqualsNoCase(key.substr(0, 4), "TBRT")) {
            continue;
        }
        const std::string digits = key.substr(4);
        if (digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const int n = std::stoi(digits);
        const std::string own = StringPrintf("TBRT%04d", n);
        if (n >= 1 && Sjis::EqualsNoCase(key, own) &&
            !GetPrivateProfileString("AutoSave", own, "", 256, control).empty()) {
            keys.insert(own);
        }
    }
    return {keys.begin(), keys.end()};
}

void RunControlFile(std::uint8_t flags, std::span<const std::uint8_t> bytes) {
    CAppState& app = *GetAppState();
    const fs::path control = ControlFile();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(control.parent_path(), ec)) {
        if (entry.path().extension() == ".T_P") {
            fs::remove(entry.path(), ec);
        }
    }
    WriteWholeFile(control, bytes);
    const std::vector<std::string> listed = ListedKeys(control);
    if ((flags & kFlagRaw) != 0 && !listed.empty()) {
        const std::vector<std::uint8_t> damaged = {'T', 'E', 'M'};
        WriteWholeFile(Paths::GetExeDirFile(listed.front(), "T_P"), damaged);
    }

    static_cast<void>(app.HasAutoSaveFiles());
    std::vector<std::unique_ptr<CTembraDoc>> opened;
    std::set<std::string> openedKeys;
    app.RecoverAutoSaveFiles([&](const std::string& copy) -> CTembraDoc* {
        auto document = std::make_unique<CTembraDoc>();
        if (!document->OnOpenDocument(copy)) {
            return nullptr;
        }
        openedKeys.insert(fs::path(copy).stem().string());
        opened.push_back(std::move(document));
        return opened.back().get();
    });
    for (const std::string& key : ListedKeys(control)) {
        if (openedKeys.count(key) == 0 && fs::exists(Paths::GetExeDirFile(key, "T_P"), ec)) {
            Fail("an entry whose copy was not opened is left in the control file");
        }
    }

    auto fresh = std::make_unique<CTembraDoc>();
    if (fresh->OnNewDocument()) {
        fresh->SetChangedFlag(TRUE);
        std::vector<CTembraDoc*> documents{fresh.get()};
        for (const auto& document : opened) {
            documents.push_back(document.get());
        }
        app.AutoSave(documents);
    }
    for (auto& document : opened) {
        document->OnCloseDocument();
    }
    fresh->OnCloseDocument();

    const std::vector<std::string> before = ListedKeys(control);
    app.RemoveAllAutoSaveFiles();
    if (fs::exists(control, ec)) {
        Fail("the control file is left after a normal exit");
    }
    for (const std::string& key : before) {
        if (fs::exists(Paths::GetExeDirFile(key, "T_P"), ec)) {
            Fail("a listed copy is left after a normal exit");
        }
    }
}

void RunLockFile(std::uint8_t flags, std::span<const std::uint8_t> input) {
    const fs::path folder = TempFolder() / "charts";
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string chart = (folder / "chart.tbr").string();
    const fs::path lock = LockFilePath(chart);
    std::string bytes(input.begin(), input.end());
    if ((flags & kFlagRaw) == 0) {
        bytes.resize(kLockFileSize, '\0');
    }
    {
        std::ofstream out(lock, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    const std::string stored = bytes.substr(0, bytes.find('\0'));
    const bool another = bytes.size() >= kLockFileSize && !stored.empty() && stored != kOwner;

    const fs::path noSys = TempFolder() / "no-sys";
    const int answer = LockDocumentFileAs(chart, 1, kOwner, noSys);
    if (answer != (another ? 0 : 1)) {
        Fail("a lock is taken as another owner's when it is not, or the other way round");
    }
    std::ifstream in(lock, std::ios::binary);
    const std::string now{std::istreambuf_iterator<char>(in), {}};
    in.close();
    if (another && now != bytes) {
        Fail("another owner's lock changed");
    }
    if (!another && (now.size() != kLockFileSize || now.substr(0, now.find('\0')) != kOwner)) {
        Fail("the opener does not hold its own lock");
    }
    static_cast<void>(LockDocumentFileAs(chart, 0, kOwner, noSys));
    if (fs::exists(lock, ec) != another) {
        Fail("the release leaves the opener's lock, or removes another owner's");
    }
    fs::remove(lock, ec);
}

// The plain file names the backup lines of a log name: none leads out of the folder, and the
// logs themselves are left out.
std::set<std::string> NamedCopies(const std::vector<std::string>& lines) {
    std::set<std::string> names;
    for (const std::string& line : lines) {
        const std::string name = BackupLog::CopyName(line);
        if (!name.empty() && name.find('/') == std::string::npos && name != "." && name != ".." &&
            name.find('\0') == std::string::npos && name != "Backlog.lst" &&
            name != "Backlog.old") {
            names.insert(name);
        }
    }
    return names;
}

void RunBackupLogs(FuzzInput& input) {
    CAppState& app = *GetAppState();
    const CConfigPath& paths = GetAppConfig()->GetPath();
    const fs::path folder = ConfigPathToFs(paths.GetBackupDir());
    const fs::path current = ConfigPathToFs(paths.GetBacklogFile());
    const fs::path old = ConfigPathToFs(paths.GetBacklogOldFile());
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    const std::string oldLog = input.TextUntil('\0');
    const std::string currentLog = input.RestText();
    { std::ofstream(current, std::ios::binary) << oldLog; }
    app.PrepareBackupFolder();
    { std::ofstream(current, std::ios::binary) << currentLog; }

    // Every copy either log names, a file neither names, and one beside the folder.
    const std::set<std::string> previous = NamedCopies(BackupLog::ReadLines(old));
    for (const std::set<std::string>& names :
         {previous, NamedCopies(BackupLog::ReadLines(current))}) {
        for (const std::string& name : names) {
            std::ofstream(folder / name, std::ios::binary) << "copy";
        }
    }
    const fs::path unnamed = folder / "~unnamed.tbr";
    const fs::path beside = folder.parent_path().parent_path() / "beside.tbr";
    std::ofstream(unnamed, std::ios::binary) << "copy";
    std::ofstream(beside, std::ios::binary) << "copy";

    const fs::path chart = TempFolder() / "charts" / "chart.tbr";
    fs::create_directories(chart.parent_path(), ec);
    std::ofstream(chart, std::ios::binary).close(); // an empty file opens as a new chart
    {
        CTembraDoc document;
        if (document.OnOpenDocument(chart.string())) {
            document.SetPathName(chart.string(), FALSE);
            document.SetModifiedFlag(TRUE);
            static_cast<void>(document.OnSaveDocument(chart.string()));
            document.OnCloseDocument();
        }
    }
    fs::remove(chart, ec);
    // What this run's log names and stands in the folder (a name the file system refuses has no
    // file).
    std::set<std::string> kept;
    for (const std::string& name : NamedCopies(BackupLog::ReadLines(current))) {
        if (fs::exists(folder / name, ec)) {
            kept.insert(name);
        }
    }

    app.PurgeOldBackups();
    for (const std::string& name : kept) {
        if (!fs::exists(folder / name, ec)) {
            Fail("a backup this run's log names was deleted");
        }
    }
    if ((previous.count("~unnamed.tbr") == 0 || kept.count("~unnamed.tbr") != 0) &&
        !fs::exists(unnamed, ec)) {
        Fail("a backup the previous log does not name was deleted");
    }
    if (!fs::exists(beside, ec)) {
        Fail("a file outside the backup folder was deleted");
    }
    if (fs::exists(old, ec)) {
        Fail("the previous log is left after the exit");
    }
    fs::remove(beside, ec);
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareApp();
    FuzzInput input(data, size);
    const std::uint8_t kind = input.Byte() % 3;
    const std::uint8_t flags = input.Byte();
    switch (kind) {
    case 0:
        RunControlFile(flags, input.Rest());
        break;
    case 1:
        RunLockFile(flags, input.Rest());
        break;
    default:
        RunBackupLogs(input);
        break;
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
