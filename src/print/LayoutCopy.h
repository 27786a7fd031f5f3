// Copying layout files into the layout folder: the folder list of the source, the check of a
// new name for a file whose name the destination already has, and the copy of one file, which
// asks for another name (or leave to overwrite) when the destination holds its name; a master
// layout there is never overwritten.
#pragma once

#include "platform/Types.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// What the copy-name dialog decided.
enum : int { kCopyNothing = 0, kCopyOverwrite = 1, kCopyNewName = 2 };
// The answer of CheckCopyName that keeps the dialog open without a message.
constexpr UINT kCopyNameStay = 1;

// OK of the copy-name dialog on a name (file-system text) that started as startName: 0 with
// the outcome (overwrite for the name unchanged, new name otherwise); kCopyNameStay for an
// unchanged name over a master layout; else the message: 5124 an extension other than LYT
// (after the first "."), 5123 a name DOS could not hold (a blank or one of \ " / : * ? < > |,
// more than eight characters before the ".", more than twelve in all).
UINT CheckCopyName(std::string_view startName, std::string_view name, bool master, int& outcome);

// Whether two paths name the same folder.
bool IsSameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

// The folder list of a folder: "[..]" for its parent (none at the root) and "[name]" for each
// sub-folder, in the order a sorted list shows them.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);
// The folder an entry of the folder list leads to.
std::optional<std::filesystem::path> EnterFolderEntry(const std::filesystem::path& folder,
                                                      std::string_view entry);

enum class LayoutCopyResult { Copied, Skipped, Failed };
// Asked when the destination holds the file's name: whether it is a master layout; answers
// IDOK with the outcome and, for a new name, the name, or IDCANCEL.
using AskCopyName = std::function<int(bool master, int& outcome, std::string& name)>;
// Copies a file into a folder under its own name or the one the question gives.
LayoutCopyResult CopyLayoutFile(const std::filesystem::path& source,
                                const std::filesystem::path& folder, const AskCopyName& ask);

} // namespace tembra
