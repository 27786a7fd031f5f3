#include "platform/Profile.h"

#include "platform/Paths.h"
#include "platform/StringTable.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>

namespace tembra {

std::string AppRegistryName() {
    // The programs' titles once, kept when the titles lost their platform word: the stores and
    // the shipped key file go on by these names.
    return SelectedStringTable() == StringTableProgram::Marquell ? "Marquell for Windows"
                                                                 : "Tembra+ for Windows";
}

ProfileFile& OpenProfileFile(const std::filesystem::path& path, ProfileFlavor flavor) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<ProfileFile>> files;
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec)
        full = path;
    full = full.lexically_normal();
    std::string key = std::to_string(static_cast<int>(flavor)) + full.string();
    std::lock_guard lock(mutex);
    auto& slot = files[key];
    if (!slot)
        slot = std::make_unique<ProfileFile>(full, flavor);
    return *slot;
}

std::filesystem::path UserProfilePath() {
    return Paths::ConfigDir() / (AppRegistryName() + ".ini");
}

ProfileFile& UserProfile() {
    return OpenProfileFile(UserProfilePath(), ProfileFlavor::Registry);
}

std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue) {
    std::optional<std::string> value = UserProfile().Find(section, key);
    return value ? *value : std::string(defaultValue);
}

UINT GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    return UserProfile().GetInt(section, key, defaultValue);
}

BOOL WriteProfileString(std::string_view section, const char* key, const char* value) {
    ProfileFile& profile = UserProfile();
    if (key == nullptr)
        return profile.DeleteSection(section) ? TRUE : FALSE;
    if (value == nullptr)
        return profile.DeleteKey(section, key) ? TRUE : FALSE;
    std::error_code ec;
    std::filesystem::create_directories(profile.Path().parent_path(), ec);
    return profile.WriteString(section, key, value) ? TRUE : FALSE;
}

BOOL WriteProfileInt(std::string_view section, std::string_view key, int value) {
    std::string k(key);
    return WriteProfileString(section, k.c_str(), std::to_string(value).c_str());
}

void GetProfileSectionNames(const char* section, char* buffer, std::size_t size) {
    if (section == nullptr || buffer == nullptr || size == 0)
        return;
    FillNameList(UserProfile().KeyNames(section), buffer, size);
}

std::vector<std::string> GetProfileValueNames(std::string_view section) {
    return UserProfile().KeyNames(section);
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t size,
                                    const std::filesystem::path& file) {
    return OpenProfileFile(file, ProfileFlavor::IniFile)
        .GetString(section, key, defaultValue, size);
}

UINT GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                          const std::filesystem::path& file) {
    return OpenProfileFile(file, ProfileFlavor::IniFile).GetInt(section, key, defaultValue);
}

BOOL WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::filesystem::path& file) {
    if (section == nullptr)
        return FALSE;
    ProfileFile& ini = OpenProfileFile(file, ProfileFlavor::IniFile);
    bool ok = key == nullptr     ? ini.DeleteSection(section)
              : value == nullptr ? ini.DeleteKey(section, key)
                                 : ini.WriteString(section, key, value);
    return ok ? TRUE : FALSE;
}

std::vector<std::string> GetPrivateProfileSectionNames(std::size_t size,
                                                       const std::filesystem::path& file) {
    return NamesThatFit(OpenProfileFile(file, ProfileFlavor::IniFile).SectionNames(), size);
}

std::vector<std::string> GetPrivateProfileKeyNames(std::string_view section, std::size_t size,
                                                   const std::filesystem::path& file) {
    return NamesThatFit(OpenProfileFile(file, ProfileFlavor::IniFile).KeyNames(section), size);
}

} // namespace tembra
