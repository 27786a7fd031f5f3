// What the one file dialog of the program (DoFileDialog) is given and what it leaves behind, apart
// from the widgets: its filters, the folder it starts in, the folder it remembers and the file
// version a save dialog chooses.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tembra {

// One entry of the file-type list (UTF-8, as the dialog shows it).
struct FileFilter {
    std::string description; // "Tembra+ ﾌｧｲﾙ (*.tbr)"
    std::string pattern;     // "*.tbr"
    std::string defaultExt;  // "tbr" for the one-shot filters, else ""
    bool operator==(const FileFilter&) const = default;
};

// The one-shot filter choices of the next file dialog (the ASCII import and export commands set
// them; the dialog that uses one clears it).
struct FileDialogFlags {
    bool asd = false;
    bool akd = false;
};

// The filters in their order: only the *.asd or only the *.akd filter when its flag is set (the
// flag is cleared); otherwise the document type, the DOS type, then the backup type and the text
// data type (*.psv) for an open dialog or the three older versions for a save dialog.
std::vector<FileFilter> BuildFileFilters(bool open, FileDialogFlags& flags);

// The file version a save dialog writes for the filter chosen (1-based): 3 40000, 4 41001,
// 5 50000, any other 58000.
int SaveVersionForFilter(int filterIndex);
// "Ver.%02d.%02d.%02d" of a version major * 10000 + minor * 100 + patch.
std::string FormatFileVersion(int version);

// The folder the dialog starts in: the last folder, or the user's documents folder while there is
// none, with a trailing "/".
std::string StartFolder(std::string_view lastFolder, std::string_view documentsFolder);
// The initial name split at its last "/": the folder part (with its "/") and the file name.
std::pair<std::string, std::string> SplitAtLastSlash(std::string_view path);

} // namespace tembra
