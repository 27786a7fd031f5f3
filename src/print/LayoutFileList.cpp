#include "print/LayoutFileList.h"

#include "model/LayoutFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

// The run of blanks the entries are padded with, and the column the layout name starts at.
constexpr UINT kBlanks = 109;
constexpr std::size_t kNameColumn = 13;
constexpr std::string_view kBackup = "~BACKUP.LYT";
constexpr std::string_view kMasterMark = "<MASTER>";
constexpr int kMasterFlag = 1;

} // namespace

std::string LayoutEntryText(std::string_view fileName, std::string_view layoutName, bool master) {
    std::string text = Sjis::FromUtf8(Sjis::ToUpperAscii(fileName));
    const std::size_t pad = text.size() < kNameColumn ? kNameColumn - text.size() : 1;
    std::string blanks = LoadString(kBlanks);
    blanks.resize(std::max(pad, blanks.size()), ' ');
    text += blanks.substr(0, pad);
    text += '[';
    text += layoutName;
    text += ']';
    if (master) {
        text += kMasterMark;
    }
    return text;
}

std::vector<LayoutFileEntry> ListLayoutFiles(const fs::path& folder, LayoutListForm form) {
    std::vector<LayoutFileEntry> entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& file = it->path();
        if (!Sjis::EqualsNoCase(file.extension().string(), ".lyt") || it->is_directory(error)) {
            continue;
        }
        const std::string name = file.filename().string();
        if (form == LayoutListForm::Selection && Sjis::EqualsNoCase(name, kBackup)) {
            continue;
        }
        LayoutFileEntry entry;
        entry.fileName = name;
        entry.layoutName = ReadLayoutName(file);
        entry.master =
            form == LayoutListForm::Selection && ReadLayoutMasterFlag(file) == kMasterFlag;
        entry.text = LayoutEntryText(name, entry.layoutName, entry.master);
        entries.push_back(std::move(entry));
    }
    // A sorted list box: by the text, letters in either case alike, then by the real name.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const int order = Sjis::CompareNoCase(a.text, b.text);
        return order != 0 ? order < 0 : a.fileName < b.fileName;
    });
    return entries;
}

int FindLayoutEntry(const std::vector<LayoutFileEntry>& entries, std::string_view name) {
    if (name.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view text = entries[i].text;
        if (text.size() >= name.size() && Sjis::EqualsNoCase(text.substr(0, name.size()), name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsLayoutDeletable(const LayoutFileEntry& entry, std::string_view currentLayout,
                       const std::vector<std::string>& layoutsInUse) {
    if (entry.master) {
        return false;
    }
    const std::string name = Sjis::FromUtf8(entry.fileName);
    if (Sjis::EqualsNoCase(name, currentLayout)) {
        return false;
    }
    return std::none_of(layoutsInUse.begin(), layoutsInUse.end(),
                        [&](const std::string& used) { return Sjis::EqualsNoCase(name, used); });
}

} // namespace tembra
