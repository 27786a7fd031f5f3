#include "print/LayoutCopy.h"

#include "model/LayoutFile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT kWrongExtension = 5124;
constexpr UINT kWrongName = 5123;
constexpr std::size_t kBaseLimit = 8;
constexpr std::size_t kNameLimit = 12;
constexpr std::string_view kForbidden = "\\\"/:*?<>| ";
constexpr int kMasterFlag = 1;

} // namespace

UINT CheckCopyName(std::string_view startName, std::string_view name, bool master, int& outcome) {
    if (name == startName) {
        if (master) {
            return kCopyNameStay;
        }
        outcome = kCopyOverwrite;
        return 0;
    }
    // As DOS counted them: CP932 bytes.
    const std::string bytes = Sjis::FromUtf8(name);
    const std::size_t dot = Sjis::FindByte(bytes, '.');
    if (dot == std::string::npos ||
        !Sjis::EqualsNoCase(std::string_view(bytes).substr(dot + 1), "LYT")) {
        return kWrongExtension;
    }
    for (std::size_t pos = 0; pos < bytes.size(); pos += Sjis::CharLength(bytes, pos)) {
        if (Sjis::CharLength(bytes, pos) == 1 &&
            kForbidden.find(bytes[pos]) != std::string_view::npos) {
            return kWrongName;
        }
    }
    if (dot > kBaseLimit || bytes.size() > kNameLimit) {
        return kWrongName;
    }
    outcome = kCopyNewName;
    return 0;
}

bool IsSameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) {
        return true;
    }
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        if (it->is_directory(error)) {
            entries.push_back("[" + it->path().filename().string() + "]");
        }
    }
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        const int order = Sjis::CompareNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    if (folder.has_relative_path()) {
        entries.insert(entries.begin(), "[..]");
    }
    return entries;
}

std::optional<fs::path> EnterFolderEntry(const fs::path& folder, std::string_view entry) {
    if (entry.size() < 3 || entry.front() != '[' || entry.back() != ']') {
        return std::nullopt;
    }
    const std::string_view name = entry.substr(1, entry.size() - 2);
    if (name == "..") {
        return folder.has_relative_path() ? std::optional<fs::path>(folder.parent_path())
                                          : std::nullopt;
    }
    return folder / fs::path(std::string(name));
}

LayoutCopyResult CopyLayoutFile(const fs::path& source, const fs::path& folder,
                                const AskCopyName& ask) {
    std::string name = source.filename().string();
    std::error_code error;
    for (;;) {
        const fs::path target = folder / name;
        if (!fs::exists(target, error)) {
            fs::copy_file(source, target, fs::copy_options::none, error);
            return error ? LayoutCopyResult::Failed : LayoutCopyResult::Copied;
        }
        const bool master = ReadLayoutMasterFlag(target) == kMasterFlag;
        int outcome = kCopyNothing;
        if (ask(master, outcome, name) != IDOK) {
            return LayoutCopyResult::Skipped;
        }
        if (outcome == kCopyOverwrite) {
            // A master layout is never overwritten, whatever the question answered.
            if (master || fs::equivalent(source, target, error)) {
                return LayoutCopyResult::Skipped;
            }
            fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
            return error ? LayoutCopyResult::Failed : LayoutCopyResult::Copied;
        }
        if (outcome != kCopyNewName) {
            return LayoutCopyResult::Skipped;
        }
    }
}

} // namespace tembra
