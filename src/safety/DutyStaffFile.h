// The work site's groups of duty persons in the private-profile file SHIFT.INI:
//
//   [GroupName]         one key per group, value empty (not read)
//   <group>=            ...
//   [<group>]           one key per person in rota order, value "1" for the head, else empty
//   <person>=1          (on reading, any nonzero number marks a head)
//
// Keys beginning with ";" are skipped on reading. A missing file reads as one without groups
// and is created by the first write. Groups are listed in CP932 byte order, persons in file
// order.
//
// The file's sections and keys match without regard to ASCII case, and "=", a leading "[" or
// ";" and outer blanks do not survive the line format. Names that would be merged or changed
// that way are refused before they are written (CheckDutyName), so that no person or head is
// lost.
#pragma once

#include "safety/ToubanEntry.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

class CConfigPath;
class ProfileFile;

// Why a name cannot be written.
enum class DutyNameProblem {
    None,
    Empty,
    // Equal to a name already there, or to one but for ASCII case.
    Duplicate,
    // Holds "=", begins with "[" or ";", has blanks at either end, or names the group list.
    Unstorable,
};

// The check of a typed group or person name against the names already there; skip is a position
// of names left out (the name being changed), or -1.
DutyNameProblem CheckDutyName(const std::string& name, const std::vector<std::string>& names,
                              int skip = -1);
// The message of an unstorable name (CP932).
std::string DutyNameRule();

class CDutyStaffFile {
public:
    static constexpr const char* kGroupSection = "GroupName";
    // The size of the key-list buffer of the private-profile functions.
    static constexpr std::size_t kKeyBuffer = 32767;

    explicit CDutyStaffFile(const std::filesystem::path& path);
    // The file of the path settings.
    explicit CDutyStaffFile(const CConfigPath& paths);

    // The group names, sorted by their CP932 bytes.
    std::vector<std::string> Groups() const;
    // The persons of a group in file order; empty for a missing group or file.
    std::vector<CToubanEntry> Persons(const std::string& group) const;

    // Writes the group's key (empty value) to the group list.
    bool AddGroup(const std::string& group);
    // Writes a group: when the names differ, its key is renamed in the group list; the section
    // old is replaced by the section name holding the named entries ("1" for a head).
    bool SaveGroup(const std::string& oldName, const std::string& newName,
                   const std::vector<CToubanEntry>& persons);
    // Removes the group's key and its section.
    bool DeleteGroup(const std::string& group);

private:
    ProfileFile& m_file;
};

} // namespace tembra
