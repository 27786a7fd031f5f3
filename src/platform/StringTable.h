// The string tables: every text a program shows by id, kept as UTF-8. The main program and the
// layout editor are separate executables with ids of their own (both have a 57344, for instance),
// so each has its own table and selects it once at start-up.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>

namespace tembra {

struct StringEntry {
    UINT id;
    const char* utf8;
};

// The main program's table (StringTableData.cpp) and the layout editor's
// (LayoutEditorStringTableData.cpp), each sorted by id without duplicates.
extern const StringEntry kStringTable[];
extern const std::size_t kStringTableSize;
extern const StringEntry kLayoutEditorStringTable[];
extern const std::size_t kLayoutEditorStringTableSize;

enum class StringTableProgram { Tembra, Marquell };

// Chooses the table that the lookups below search. The main program's table is the default; the
// layout editor selects its own before it shows anything.
void SelectStringTable(StringTableProgram program);
StringTableProgram SelectedStringTable();
// The entries of a program's table.
std::span<const StringEntry> StringTableOf(StringTableProgram program);

// The UTF-8 text of id in the selected table, or nullptr when the table has no such id.
const char* FindString(UINT id);
// The text of id as CP932 (what records and message boxes take) or as UTF-8. A missing id is a
// programming fault: it is reported to the missing-id handler and gives "#<id>".
std::string LoadString(UINT id);
std::string LoadStringUtf8(UINT id);
// Tests install a handler that fails the test; the program's default does nothing.
void SetMissingStringHandler(std::function<void(UINT)> handler);

// Replaces %1 ... %9 in a CP932 text by the arguments, as AfxFormatString does: a placeholder
// without an argument and any other '%' stay as they are, the arguments are not scanned again,
// and a double-byte character is never taken apart.
std::string FormatString(const std::string& format, std::initializer_list<std::string> args);

} // namespace tembra
