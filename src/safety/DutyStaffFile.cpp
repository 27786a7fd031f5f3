#include "safety/DutyStaffFile.h"

#include "model/ConfigPath.h"
#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace tembra {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> ReadKeys(const ProfileFile& file, const std::string& section) {
    std::vector<std::string> keys =
        NamesThatFit(file.KeyNames(section), CDutyStaffFile::kKeyBuffer);
    std::erase_if(keys, [](const std::string& key) { return key.starts_with(';'); });
    return keys;
}

} // namespace

DutyNameProblem CheckDutyName(const std::string& name, const std::vector<std::string>& names,
                              int skip) {
    if (name.empty()) {
        return DutyNameProblem::Empty;
    }
    if (name.find('=') != std::string::npos || name.front() == '[' || name.front() == ';' ||
        IsBlank(name.front()) || IsBlank(name.back()) ||
        Sjis::EqualsNoCase(name, CDutyStaffFile::kGroupSection)) {
        return DutyNameProblem::Unstorable;
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

std::string DutyNameRule() {
    return Sjis::FromUtf8("「=」を含む名前、「[」や「;」で始まる名前、前後に空白のある名前、"
                          "「GroupName」は使えません。");
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

bool CDutyStaffFile::AddGroup(const std::string& group) {
    return m_file.WriteString(kGroupSection, group, "");
}

bool CDutyStaffFile::SaveGroup(const std::string& oldName, const std::string& newName,
                               const std::vector<CToubanEntry>& persons) {
    ProfileBatch batch(m_file);
    if (oldName != newName) {
        m_file.DeleteKey(kGroupSection, oldName);
        m_file.WriteString(kGroupSection, newName, "");
    }
    m_file.DeleteSection(oldName);
    for (const CToubanEntry& person : persons) {
        if (!person.m_name.empty()) {
            m_file.WriteString(newName, person.m_name, person.m_isHead != 0 ? "1" : "");
        }
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
