#include "safety/ToubanLastList.h"

#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <string_view>

namespace tembra {

namespace {

constexpr const char* kSize = "Size";
constexpr const char* kHead = "Head";
constexpr UINT kDamagedFile = 5008;

std::string PersonKey(int i) {
    return "Touban" + std::to_string(i);
}

} // namespace

std::string ToubanLastListSection() {
    return Sjis::FromUtf8("安全衛生管理\\Touban Name List");
}

std::vector<CToubanEntry> LoadLastList() {
    const std::string section = ToubanLastListSection();
    const std::string head = GetProfileString(section, kHead, "");
    // A size past the values the section holds (a profile edited by hand) reads no further
    // than they go.
    const int values = static_cast<int>(GetProfileValueNames(section).size());
    const int size = std::min(static_cast<int>(GetProfileInt(section, kSize, 0)), values);
    std::vector<CToubanEntry> entries;
    for (int i = 0; i < size; ++i) {
        std::string name = GetProfileString(section, PersonKey(i), "");
        // A name the profile cannot hold as a value (a line break or a zero byte) was not
        // written by the program: the list is refused rather than stored again without it.
        if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            AfxMessageBox(kDamagedFile, MB_OK | MB_ICONEXCLAMATION);
            return {};
        }
        const int isHead = name == head ? 1 : 0;
        entries.push_back({std::move(name), isHead});
    }
    return entries;
}

void SaveLastList(const std::vector<CToubanEntry>& entries) {
    const std::string section = ToubanLastListSection();
    ProfileBatch batch(UserProfile());
    // Every stored place goes, found by name rather than counted up to "Size": a size edited
    // by hand to billions would otherwise mean billions of deletions.
    for (const std::string& name : GetProfileValueNames(section)) {
        if (Sjis::EqualsNoCase(name.substr(0, 6), "Touban")) {
            WriteProfileString(section, name.c_str(), nullptr);
        }
    }
    WriteProfileString(section, kHead, nullptr);
    WriteProfileInt(section, kSize, static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CToubanEntry& entry = entries[i];
        WriteProfileString(section, PersonKey(static_cast<int>(i)).c_str(), entry.m_name.c_str());
        if (entry.m_isHead != 0) {
            WriteProfileString(section, kHead, entry.m_name.c_str());
        }
    }
}

} // namespace tembra
