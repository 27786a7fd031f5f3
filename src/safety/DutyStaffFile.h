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
// ";", outer blanks and line breaks do not survive the line format, nor "]" in a section name.
// Names that would be merged or changed that way are refused where they are typed
// (CheckDutyName), and a file that already holds such names (edited by hand, or damaged) is
// refused whole (Damaged) rather than changed on its next write. Key lists are read whole, however
// long: a group of any size comes back as written.
#pragma once

#include "platform/Types.h"
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
    // Holds "=", a line break or a zero byte, begins with "[" or ";", has blanks at either end,
    // or names the group list; a group name (a section) also holds no "]".
    Unstorable,
    // Longer than the name fields take (kMaxNameChars characters).
    TooLong,
};

// What a name is: a group's (a key of the group list and a section of its own) or a person's
// (a key of the group's section).
enum class DutyNameKind { Group, Person };

// The names' limit: the characters the name fields take.
constexpr std::size_t kMaxDutyNameChars = 100;

// The check of a typed group or person name against the names already there; skip is a position
// of names left out (the name being changed), or -1.
DutyNameProblem CheckDutyName(const std::string& name, const std::vector<std::string>& names,
                              int skip = -1, DutyNameKind kind = DutyNameKind::Group);
// The message of a name refused for the problem: 5115 for a duplicate, the rule of the kind's
// names, the length; 0 for None and Empty.
UINT DutyNameMessageId(DutyNameProblem problem, DutyNameKind kind);
// Shows that message; true when the name is refused (Empty refuses without a message).
bool RefuseDutyName(DutyNameProblem problem, DutyNameKind kind);

class CDutyStaffFile {
public:
    static constexpr const char* kGroupSection = "GroupName";

    explicit CDutyStaffFile(const std::filesystem::path& path);
    // The file of the path settings.
    explicit CDutyStaffFile(const CConfigPath& paths);

    const std::filesystem::path& Path() const;

    // The group names, sorted by their CP932 bytes.
    std::vector<std::string> Groups() const;
    // The persons of a group in file order; empty for a missing group or file.
    std::vector<CToubanEntry> Persons(const std::string& group) const;
    // A file whose names the next write could not give back as read: a group or person name
    // that CheckDutyName refuses as unstorable (a line break or zero byte in it, a "]" in a
    // group's), or two names of one list that the file takes as one. Such a file is refused
    // with message 5008 before anything is written to it.
    bool Damaged() const;

    // Writes the group's key (empty value) to the group list.
    bool AddGroup(const std::string& group);
    // Writes a group: when the names differ, its key is renamed in the group list; the section
    // old is replaced by the section name holding the named entries ("1" for a head). One file
    // replacement: the new section is written before the old one goes, and when any of it cannot
    // be written nothing is, and the file keeps the old section (false).
    bool SaveGroup(const std::string& oldName, const std::string& newName,
                   const std::vector<CToubanEntry>& persons);
    // Removes the group's key and its section.
    bool DeleteGroup(const std::string& group);

private:
    ProfileFile& m_file;
};

} // namespace tembra
