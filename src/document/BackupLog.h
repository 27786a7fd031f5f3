// The log of backup copies in the backup folder: "Backlog.lst" of the current run, "Backlog.old"
// of the previous one. Lines end in CR LF; paths in it are the file system's bytes.
//
//   line      content
//   1         "[BackUp Info]"
//   2         "BackUp Dir    =" and the backup folder
//   3 ...     one entry per copy: "BackUp File", a mark, "=", "~", the slot digit, the document
//             name, "|" and the document's path
//
// An entry's first 15 characters are the key, the mark and "=": the mark "<N>" (index 12 'N')
// for a copy made in the current run, "<B>" ('B') for an entry carried over from the previous run
// when the document was opened again. The copy itself is "~" + slot + document name in the
// backup folder (indices 15 up to the "|"); the document name runs from index 17 to the "|".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::BackupLog {

inline constexpr std::string_view kInfoLine = "[BackUp Info]";
inline constexpr std::string_view kDirKey = "BackUp Dir    =";
inline constexpr std::string_view kFileKey = "BackUp File";
// Where the fields of an entry stand.
inline constexpr std::size_t kMarkIndex = 12;
inline constexpr std::size_t kCopyIndex = 15;
inline constexpr std::size_t kSlotIndex = 16;
inline constexpr std::size_t kNameIndex = 17;
inline constexpr char kMarkNew = 'N';
inline constexpr char kMarkCarried = 'B';

// The lines of a log (none when it is missing), without their line ends.
std::vector<std::string> ReadLines(const std::filesystem::path& log);

// The backup copy an entry names (index 15 up to the first "|"): empty for a line that does not
// begin with "BackUp File" or has no "|".
std::string CopyName(std::string_view line);
// The document an entry belongs to (index 17 up to the first "|"): empty for a line of 15
// characters or fewer or without "|".
std::string DocumentName(std::string_view line);

// The entry line of a copy in slot of the document (mark 'N' or 'B').
std::string EntryLine(char mark, int slot, std::string_view documentName,
                      std::string_view documentPath);

// Appends lines to the current log, first writing its two head lines when it does not begin with
// them. FALSE when the log cannot be written.
bool Append(const std::filesystem::path& log, const std::filesystem::path& backupFolder,
            const std::vector<std::string>& lines);

} // namespace tembra::BackupLog
