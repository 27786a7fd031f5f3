// The user's own term groups (the MY term list) in their file "MYYOGO.INI", a CP932 INI file in
// the term folder of the path settings:
//   [GroupName]        one key per group, empty values
//   <group>=           one key per term, empty values, in the list's sorted order
//   [<group>]
//   <term>=
// Keys beginning with ";" are comments and are skipped. Terms and group names are keys and
// section names of the file, which match without regard to ASCII case; a name that the file
// cannot hold as written (a line break, "=", "[" or ";" first, a "]" in a section name, the
// section "GroupName" itself) or that would fall together with another but for ASCII case is
// refused here with a message of our own rather than lost or merged on the next read.
//
// Lists are sorted by their CP932 bytes with ASCII letters folded to one case, as the dialog's
// sorted lists show them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CMyYogoFile {
public:
    static constexpr const char* kGroupSection = "GroupName";
    // The message of a name the dialog asks for a group when it is already in use.
    static constexpr unsigned kNameTakenMessage = 5115;

    explicit CMyYogoFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return m_path; }

    // The groups, sorted.
    std::vector<std::string> Groups() const;
    // Whether a group of the name exists (ASCII case ignored, as the file's sections match).
    bool HasGroup(std::string_view name) const;
    // The terms of the group that the search text selects, sorted: every term for an empty
    // search or one beginning with "*", else those that contain it (case-sensitive).
    std::vector<std::string> Terms(std::string_view group, std::string_view search) const;

    // Writes the list as the group new name (the old group and its key replaced when the names
    // differ), in one file replacement. false, the file unchanged, when any of it could not be
    // written.
    bool SaveGroup(std::string_view oldName, std::string_view newName,
                   const std::vector<std::string>& terms);
    // A new, empty group; false when the file could not be written.
    bool AddGroup(std::string_view name);
    // The group's key and section go.
    bool DeleteGroup(std::string_view name);

    // Why a text cannot be a term of the list (a CP932 message, empty when it can): it must not
    // have blanks at either end (the file drops them), begin with ";" or "[", hold "=" or a line
    // break, or equal a term of the list but for ASCII case (an exact duplicate is no fault: the
    // list keeps one).
    static std::string TermFault(std::string_view term, const std::vector<std::string>& list);
    // Why a text cannot name a group (a CP932 message, empty when it can): blanks at either end,
    // "[", "]", "=" or a line break, ";" first, or "GroupName". A name in use is the caller's
    // (message 5115).
    static std::string GroupNameFault(std::string_view name);

    // CP932 byte order with ASCII letters folded to lower case.
    static bool Less(std::string_view a, std::string_view b);
    static bool EqualFolded(std::string_view a, std::string_view b);
    static void Sort(std::vector<std::string>& list);

private:
    std::vector<std::string> Keys(std::string_view section) const;

    std::filesystem::path m_path;
};

} // namespace tembra
