// The auto-save of the open documents and their recovery after a crash (see AppState.h).
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT IDS_UNSAVED_WORK = 5102;
constexpr UINT IDS_READ_ONLY_OPEN = 5085;

// The message after a recovery names at most this many copies that could not be opened.
constexpr std::size_t kListedCopies = 20;

// The control file and its keys:
//   section     key              value
//   "Control"   "FileCount"      the highest entry number handed out, "%d"
//   "AutoSave"  "TBRT%04d"       the document's path, or its provisional name
constexpr const char* kControlName = "AUTOCTRL";
constexpr const char* kControlExt = "FNM";
constexpr const char* kControlSection = "Control";
constexpr const char* kCountKey = "FileCount";
constexpr const char* kEntrySection = "AutoSave";
constexpr const char* kEntryPrefix = "TBRT";
constexpr const char* kCopyExt = "T_P";
// Values of the control file are read into buffers of this size.
constexpr std::size_t kValueSize = 256;
// Key names listed at once (far more than any run hands out).
constexpr std::size_t kKeyListSize = 1 << 20;

fs::path ControlFile() {
    return Paths::GetExeDirFile(kControlName, kControlExt);
}

std::string EntryKey(int n) {
    return StringPrintf("%s%04d", kEntryPrefix, n);
}

std::string CopyPath(const std::string& key) {
    return Paths::GetExeDirFile(key, kCopyExt);
}

std::string ReadEntry(const fs::path& control, const std::string& key) {
    return GetPrivateProfileString(kEntrySection, key, "", kValueSize, control);
}

// The entry numbers the control file holds, in order: every key "TBRT%04d" of the entries
// section, whatever "FileCount" says, so that a copy whose lower entries went with a crash (or
// whose count was lost) is still found. The walks go over the keys that are there, never over
// every number up to a count or a key that a damaged file may make huge.
std::vector<int> EntryNumbers(const fs::path& control) {
    std::vector<int> numbers;
    const std::size_t prefix = std::char_traits<char>::length(kEntryPrefix);
    for (const std::string& key : GetPrivateProfileKeyNames(kEntrySection, kKeyListSize, control)) {
        if (key.size() <= prefix || !Sjis::EqualsNoCase(key.substr(0, prefix), kEntryPrefix)) {
            continue;
        }
        const std::string digits = key.substr(prefix);
        if (digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c)) != 0;
            })) {
            continue;
        }
        const int n = std::stoi(digits);
        // Only the key the program writes for that number reads back as its entry.
        if (n >= 1 && Sjis::EqualsNoCase(key, EntryKey(n))) {
            numbers.push_back(n);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

// A copy the open may be given: one that is there to be read. A missing copy goes without the
// open's own message, so that a control file that lists thousands of them says so once.
bool IsReadableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), R_OK) == 0;
}

// "ファイルを開けませんでした。" and the copies, one a line, the first few of many named.
void ReportLostCopies(const std::vector<std::string>& copies) {
    std::string text = Sjis::FromUtf8("ファイルを開けませんでした。");
    for (std::size_t i = 0; i < copies.size() && i < kListedCopies; ++i) {
        text += "\n" + Sjis::FromUtf8(copies[i]);
    }
    if (copies.size() > kListedCopies) {
        text += "\n" + FormatString(Sjis::FromUtf8("ほか%1件"),
                                    {std::to_string(copies.size() - kListedCopies)});
    }
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

// Sets the flag for the life of the object.
class AutoSavingScope {
public:
    explicit AutoSavingScope(CAppState& app) : m_app(app) { m_app.SetAutoSaving(TRUE); }
    ~AutoSavingScope() { m_app.SetAutoSaving(FALSE); }
    AutoSavingScope(const AutoSavingScope&) = delete;
    AutoSavingScope& operator=(const AutoSavingScope&) = delete;

private:
    CAppState& m_app;
};

} // namespace

void CAppState::AutoSave(const std::vector<CTembraDoc*>& documents) {
    CWaitCursor wait;
    AutoSavingScope saving(*this);
    CStatusTextScope status;
    Ui().SetStatusText(Sjis::FromUtf8("自動保存 実行中・・・"));
    const fs::path control = ControlFile();
    int count =
        std::max(0, static_cast<int>(GetPrivateProfileInt(kControlSection, kCountKey, 0, control)));
    for (CTembraDoc* document : documents) {
        std::string copy = document->GetAutoSavePath();
        std::string key;
        if (copy.empty()) {
            int n = 1;
            while (!ReadEntry(control, EntryKey(n)).empty()) {
                ++n;
            }
            key = EntryKey(n);
            copy = CopyPath(key);
            count = std::max(count, n);
        }
        if (document->WriteAutoSaveCopy(copy) && !key.empty()) {
            WritePrivateProfileString(kEntrySection, key.c_str(),
                                      document->GetAutoSaveName().c_str(), control);
        }
    }
    WritePrivateProfileString(kControlSection, kCountKey, std::to_string(count).c_str(), control);
}

void CAppState::RemoveAutoSaveFile(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::error_code ec;
    fs::remove(path, ec);
    const fs::path control = ControlFile();
    if (fs::exists(control, ec)) {
        const std::string key = fs::path(path).stem().string();
        WritePrivateProfileString(kEntrySection, key.c_str(), nullptr, control);
    }
}

BOOL CAppState::HasAutoSaveFiles() {
    const fs::path control = ControlFile();
    std::error_code ec;
    if (!fs::exists(control, ec)) {
        return FALSE;
    }
    for (const int n : EntryNumbers(control)) {
        if (!ReadEntry(control, EntryKey(n)).empty()) {
            AfxMessageBox(IDS_UNSAVED_WORK, MB_OK | MB_ICONEXCLAMATION);
            return TRUE;
        }
    }
    return FALSE;
}

void CAppState::RecoverAutoSaveFiles(const OpenDocumentFn& open) {
    AutoSavingScope recovering(*this);
    const fs::path control = ControlFile();
    std::vector<std::string> lost;
    {
        // The entries of the copies that could not be opened go in one write of the control
        // file, at the end.
        ProfileBatch batch(OpenProfileFile(control, ProfileFlavor::IniFile));
        for (const int n : EntryNumbers(control)) {
            const std::string key = EntryKey(n);
            const std::string name = ReadEntry(control, key);
            if (name.empty()) {
                continue;
            }
            const std::string copy = CopyPath(key);
            CTembraDoc* document = open && IsReadableFile(copy) ? open(copy) : nullptr;
            if (document == nullptr) {
                WritePrivateProfileString(kEntrySection, key.c_str(), nullptr, control);
                lost.push_back(copy);
                continue;
            }
            document->SetAutoSavePath(copy);
            document->SetModifiedFlag(TRUE);
            LockDocumentFile(copy, 0);
            if (!document->TakeProvisionalName(name)) {
                // The file the copy was made of is locked as a normal open would lock it: held
                // by another user, the chart comes back read-only, to be saved under another
                // name, and nothing is written over that user's file.
                if (LockDocumentFile(name, 1) == 0) {
                    document->SetReadOnly(TRUE);
                    AfxMessageBox(IDS_READ_ONLY_OPEN, MB_OK | MB_ICONINFORMATION);
                }
                document->SetPathName(name, TRUE);
            }
        }
    }
    if (!lost.empty()) {
        ReportLostCopies(lost);
    }
}

void CAppState::RemoveAllAutoSaveFiles() {
    const fs::path control = ControlFile();
    std::error_code ec;
    if (!fs::exists(control, ec)) {
        return;
    }
    for (const int n : EntryNumbers(control)) {
        const std::string key = EntryKey(n);
        if (!ReadEntry(control, key).empty()) {
            fs::remove(CopyPath(key), ec);
        }
    }
    fs::remove(control, ec);
}

} // namespace tembra
