#include "safety/DutyStaffFile.h"

#include "model/ConfigPath.h"
#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>

namespace tembra {

namespace {

constexpr UINT kNameExists = 5115;
constexpr UINT IDS_DUTY_GROUP_NAME_RULE = 5935;
constexpr UINT IDS_DUTY_PERSON_NAME_RULE = 5936;
constexpr UINT IDS_DUTY_NAME_TOO_LONG = 5937;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

bool HasLineBreakOrZero(const std::string& name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

// Every key of the section but the comments, whole, in file order.
std::vector<std::string> ReadKeys(const ProfileFile& file, const std::string& section) {
    std::vector<std::string> keys = file.KeyNames(section);
    std::erase_if(keys, [](const std::string& key) { return key.starts_with(';'); });
    return keys;
}

// Whether two names of the list are one to the file (equal but for ASCII case).
bool HasFoldedTwins(const std::vector<std::string>& names) {
    std::vector<std::string> folded;
    folded.reserve(names.size());
    for (const std::string& name : names) {
        folded.push_back(Sjis::ToUpperAscii(name));
    }
    std::sort(folded.begin(), folded.end());
    return std::adjacent_find(folded.begin(), folded.end()) != folded.end();
}

} // namespace

DutyNameProblem CheckDutyName(const std::string& name, const std::vector<std::string>& names,
                              int skip, DutyNameKind kind) {
    if (name.empty()) {
        return DutyNameProblem::Empty;
    }
    const bool group = kind == DutyNameKind::Group;
    if (name.find('=') != std::string::npos || HasLineBreakOrZero(name) || name.front() == '[' ||
        name.front() == ';' || IsBlank(name.front()) || IsBlank(name.back()) ||
        (group && (Sjis::FindByte(name, ']') != std::string::npos ||
                   Sjis::EqualsNoCase(name, CDutyStaffFile::kGroupSection)))) {
        return DutyNameProblem::Unstorable;
    }
    if (Sjis::CharCount(name) > kMaxDutyNameChars) {
        return DutyNameProblem::TooLong;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (static_cast<int>(i) == skip) {
            continue;
        }
        if (Sjis::EqualsNoCase(name, names[i])) {
            return DutyNameProblem::Duplicate;
        }
    }
    return DutyNameProblem::None;
}

UINT DutyNameMessageId(DutyNameProblem problem, DutyNameKind kind) {
    switch (problem) {
    case DutyNameProblem::Duplicate:
        return kNameExists;
    case DutyNameProblem::Unstorable:
        return kind == DutyNameKind::Group ? IDS_DUTY_GROUP_NAME_RULE : IDS_DUTY_PERSON_NAME_RULE;
    case DutyNameProblem::TooLong:
        return IDS_DUTY_NAME_TOO_LONG;
    default:
        return 0;
    }
}

bool RefuseDutyName(DutyNameProblem problem, DutyNameKind kind) {
    if (problem == DutyNameProblem::None) {
        return false;
    }
    if (const UINT id = DutyNameMessageId(problem, kind); id != 0) {
        const std::string text = FormatString(LoadString(id), {std::to_string(kMaxDutyNameChars)});
        Ui().MessageBox(text, MB_OK | MB_ICONEXCLAMATION, id);
    }
    return true;
}

CDutyStaffFile::CDutyStaffFile(const std::filesystem::path& path)
    : m_file(OpenProfileFile(path, ProfileFlavor::IniFile)) {}

CDutyStaffFile::CDutyStaffFile(const CConfigPath& paths)
    : CDutyStaffFile(ConfigPathToFs(paths.GetShiftFilePath())) {}

std::vector<std::string> CDutyStaffFile::Groups() const {
    std::vector<std::string> groups = ReadKeys(m_file, kGroupSection);
    // std::string compares char by char; CP932 order is that of the unsigned bytes.
    std::sort(groups.begin(), groups.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    return groups;
}

std::vector<CToubanEntry> CDutyStaffFile::Persons(const std::string& group) const {
    std::vector<CToubanEntry> persons;
    if (group.empty()) {
        return persons;
    }
    for (const std::string& key : ReadKeys(m_file, group)) {
        persons.push_back({key, static_cast<int>(m_file.GetInt(group, key, 0))});
    }
    return persons;
}

const std::filesystem::path& CDutyStaffFile::Path() const {
    return m_file.Path();
}

bool CDutyStaffFile::Damaged() const {
    const std::vector<std::string> groups = ReadKeys(m_file, kGroupSection);
    if (HasFoldedTwins(groups)) {
        return true;
    }
    for (const std::string& group : groups) {
        if (CheckDutyName(group, {}) == DutyNameProblem::Unstorable) {
            return true;
        }
        const std::vector<std::string> persons = ReadKeys(m_file, group);
        if (HasFoldedTwins(persons) || std::ranges::any_of(persons, [](const std::string& person) {
                return CheckDutyName(person, {}, -1, DutyNameKind::Person) ==
                       DutyNameProblem::Unstorable;
            })) {
            return true;
        }
    }
    return false;
}

bool CDutyStaffFile::AddGroup(const std::string& group) {
    return m_file.WriteString(kGroupSection, group, "");
}

bool CDutyStaffFile::SaveGroup(const std::string& oldName, const std::string& newName,
                               const std::vector<CToubanEntry>& persons) {
    // One section to the file when the names differ only in ASCII case: it is written anew.
    const bool sameSection = Sjis::EqualsNoCase(oldName, newName);
    ProfileBatch batch(m_file);
    bool ok = true;
    // The new section first (a section of that name left without its group goes), then the
    // group list, and only then the old section. Inside the batch nothing reaches the file
    // until every write has been taken.
    ok = m_file.DeleteSection(newName) && ok;
    for (const CToubanEntry& person : persons) {
        if (!person.m_name.empty()) {
            ok = m_file.WriteString(newName, person.m_name, person.m_isHead != 0 ? "1" : "") && ok;
        }
    }
    if (oldName != newName) {
        ok = m_file.DeleteKey(kGroupSection, oldName) && ok;
        ok = m_file.WriteString(kGroupSection, newName, "") && ok;
    }
    if (!sameSection) {
        ok = m_file.DeleteSection(oldName) && ok;
    }
    if (!ok) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

bool CDutyStaffFile::DeleteGroup(const std::string& group) {
    ProfileBatch batch(m_file);
    m_file.DeleteKey(kGroupSection, group);
    m_file.DeleteSection(group);
    return batch.Commit();
}

} // namespace tembra
