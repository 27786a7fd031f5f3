// The program's own key: a store of values shared by all users of the program (the program
// folder, the holiday tables shipped for everyone, the maker's web links), beside the per-user
// profile. It stands for "software\NRD Corporation\<application name>" under the classes root
// of the registry: files named "<application name>.machine.ini", UTF-8 on disk. The key is read
// from the first that exists of
//   - the user's copy in Paths::ConfigDir(),
//   - a copy an administrator placed for all users in "NRD Corporation" of a system
//     configuration folder ($XDG_CONFIG_DIRS, by default /etc/xdg),
//   - the copy the program ships in Paths::ShippedDataDir();
// without any the key is empty. Writes go to the user's copy, which the first write makes from
// the copy read until then.
//
// Both Tembra and Marquell compile these functions; each uses its own application name.
#pragma once

#include "platform/ProfileFile.h"
#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// The user's copy of the key and the copy the program ships.
std::filesystem::path AppRegKeyPath();
std::filesystem::path AppRegKeyDefaultPath();

// One open section of the key (the handle of OpenAppRegKey). Values are untyped texts; an
// integer is kept as its decimal text.
class AppRegKey {
public:
    explicit AppRegKey(std::string section) : m_section(std::move(section)) {}

    const std::string& Section() const { return m_section; }

    std::optional<std::string> QueryValue(std::string_view name) const;
    bool SetValue(std::string_view name, std::string_view text);
    bool DeleteValue(std::string_view name);
    // The value names in the order they were created.
    std::vector<std::string> ValueNames() const;
    // Every value with its name, in the order they were created, read in one go.
    std::vector<std::pair<std::string, std::string>> Values() const;

private:
    std::string m_section;
};

// Opens a section of the key; null when the user's folder for it cannot be created. The caller
// owns the handle.
std::unique_ptr<AppRegKey> OpenAppRegKey(std::string_view section);

// The value read as an integer, or the default when the key cannot be opened or the value is
// missing.
DWORD GetRegInt(std::string_view section, std::string_view name, int defaultValue);
// The value, or the default when the key cannot be opened or the value is missing.
std::string GetRegString(std::string_view section, std::string_view name,
                         std::string_view defaultValue);
// Stores an integer; FALSE when the key cannot be opened or the write fails.
BOOL WriteRegInt(std::string_view section, std::string_view name, DWORD value);
// Stores a text; a null text deletes the value; a null name gives FALSE at once.
BOOL WriteRegString(std::string_view section, const char* name, const char* text);

// Fills buffer with the value names of a section of the key (see FillNameList): the buffer is
// cleared first; nothing is filled when an argument is null or zero or the key cannot be opened.
void GetRegSectionNames(const char* section, char* buffer, std::size_t size);

} // namespace tembra
