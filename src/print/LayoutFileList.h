// The layout files (*.LYT) of a folder as the layout selection and copy dialogs list them: one
// entry per file, its name upper-cased, blanks to column 13 (at least one), "[", its
// "LayoutName", "]", and in the selection "<MASTER>" for a master layout, which also leaves
// out the editor's backup copy "~BACKUP.LYT". Each entry keeps the file's name as it is on
// disk: the list shows it upper-cased, but every choice, deletion and copy goes by the real
// name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

struct LayoutFileEntry {
    std::string fileName;   // the name on disk (file-system text)
    std::string layoutName; // its "LayoutName" (CP932), empty when it cannot be read
    bool master = false;    // "MasterFlag" 1
    std::string text;       // as the list shows it (CP932)
};

enum class LayoutListForm {
    Selection, // the backup copy left out, master layouts marked
    Copy,      // every layout file, none marked
};

// The list's text of a file: "NAME.LYT", blanks to column 13 (at least one), "[name]", and
// "<MASTER>" when marked.
std::string LayoutEntryText(std::string_view fileName, std::string_view layoutName, bool master);

// The files of a folder whose extension is ".lyt" in any case, in the order the list shows
// them; none when the folder cannot be read.
std::vector<LayoutFileEntry> ListLayoutFiles(const std::filesystem::path& folder,
                                             LayoutListForm form);

// The entry to choose first: the first whose text begins with the name (CP932, ASCII letters
// in either case); -1 when none does or the name is empty.
int FindLayoutEntry(const std::vector<LayoutFileEntry>& entries, std::string_view name);

// Whether a layout may be deleted: not a master layout, nor the application's current layout,
// nor one an open chart uses (whole names, CP932, ASCII letters in either case).
bool IsLayoutDeletable(const LayoutFileEntry& entry, std::string_view currentLayout,
                       const std::vector<std::string>& layoutsInUse);

} // namespace tembra
