#include "platform/RegKey.h"

#include "platform/Paths.h"
#include "platform/Profile.h"

#include <cstring>
#include <system_error>
#include <unistd.h>

namespace tembra {

namespace {

// The key's store, created from the shipped default on first use. Null when its folder cannot
// be made (then readers give defaults and writers fail, as on a machine without the key).
ProfileFile* OpenStore() {
    namespace fs = std::filesystem;
    const fs::path path = AppRegKeyPath();
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        fs::create_directories(path.parent_path(), ec);
        if (!fs::is_directory(path.parent_path(), ec))
            return nullptr;
        const fs::path shipped = AppRegKeyDefaultPath();
        if (fs::is_regular_file(shipped, ec)) {
            // Copied under a temporary name and renamed, so that a key is never half a copy.
            fs::path temp = path;
            temp.replace_filename("." + path.filename().string() + "." +
                                  std::to_string(::getpid()) + ".seed");
            if (fs::copy_file(shipped, temp, fs::copy_options::overwrite_existing, ec))
                fs::rename(temp, path, ec);
            if (ec)
                fs::remove(temp, ec);
        }
    }
    return &OpenProfileFile(path, ProfileFlavor::Registry);
}

} // namespace

std::filesystem::path AppRegKeyPath() {
    return Paths::ConfigDir() / (AppRegistryName() + ".machine.ini");
}

std::filesystem::path AppRegKeyDefaultPath() {
    return Paths::ShippedDataDir() / (AppRegistryName() + ".machine.ini");
}

std::optional<std::string> AppRegKey::QueryValue(std::string_view name) const {
    return m_store.Find(m_section, name);
}

bool AppRegKey::SetValue(std::string_view name, std::string_view text) {
    return m_store.WriteString(m_section, name, text);
}

bool AppRegKey::DeleteValue(std::string_view name) {
    return m_store.DeleteKey(m_section, name);
}

std::vector<std::string> AppRegKey::ValueNames() const {
    return m_store.KeyNames(m_section);
}

std::unique_ptr<AppRegKey> OpenAppRegKey(std::string_view section) {
    ProfileFile* store = OpenStore();
    if (store == nullptr)
        return nullptr;
    return std::make_unique<AppRegKey>(*store, std::string(section));
}

DWORD GetRegInt(std::string_view section, std::string_view name, int defaultValue) {
    auto key = OpenAppRegKey(section);
    if (!key)
        return static_cast<DWORD>(defaultValue);
    std::optional<std::string> value = key->QueryValue(name);
    if (!value)
        return static_cast<DWORD>(defaultValue);
    return ProfileFile::ParseInt(*value);
}

std::string GetRegString(std::string_view section, std::string_view name,
                         std::string_view defaultValue) {
    auto key = OpenAppRegKey(section);
    if (!key)
        return std::string(defaultValue);
    std::optional<std::string> value = key->QueryValue(name);
    return value ? *value : std::string(defaultValue);
}

BOOL WriteRegInt(std::string_view section, std::string_view name, DWORD value) {
    auto key = OpenAppRegKey(section);
    if (!key)
        return FALSE;
    return key->SetValue(name, std::to_string(value)) ? TRUE : FALSE;
}

BOOL WriteRegString(std::string_view section, const char* name, const char* text) {
    if (name == nullptr)
        return FALSE;
    auto key = OpenAppRegKey(section);
    if (!key)
        return FALSE;
    bool ok = text == nullptr ? key->DeleteValue(name) : key->SetValue(name, text);
    return ok ? TRUE : FALSE;
}

void GetRegSectionNames(const char* section, char* buffer, std::size_t size) {
    if (section == nullptr || buffer == nullptr || size == 0)
        return;
    std::memset(buffer, 0, size);
    auto key = OpenAppRegKey(section);
    if (!key)
        return;
    FillNameList(key->ValueNames(), buffer, size);
}

} // namespace tembra
