#include "platform/RegKey.h"

#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/ReplaceFile.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <system_error>
#include <unistd.h>

namespace tembra {

namespace {

namespace fs = std::filesystem;

std::string KeyFileName() {
    return AppRegistryName() + ".machine.ini";
}

// The copies an administrator placed for all users: "NRD Corporation/<file>" in each folder of
// $XDG_CONFIG_DIRS (default /etc/xdg), the most important folder first. Relative entries are
// ignored, as the base directory rules ask.
std::vector<fs::path> SystemCopyPaths() {
    std::string dirs = "/etc/xdg";
    if (const char* value = std::getenv("XDG_CONFIG_DIRS"); value != nullptr && *value != '\0')
        dirs = value;
    std::vector<fs::path> paths;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t colon = dirs.find(':', start);
        if (colon == std::string::npos)
            colon = dirs.size();
        fs::path dir = dirs.substr(start, colon - start);
        if (dir.is_absolute())
            paths.push_back(dir / "NRD Corporation" / KeyFileName());
        start = colon + 1;
    }
    return paths;
}

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The copy the key is read from: the user's own when there is one, else the first system copy,
// else the shipped one. Nothing when none exists (the key is then empty). A missing shipped copy
// means an installation without its data (the holiday rules are in it): the user is told once
// per folder looked in, not at every read.
std::optional<fs::path> ReadPath() {
    if (fs::path user = AppRegKeyPath(); IsFile(user))
        return user;
    for (const fs::path& system : SystemCopyPaths())
        if (IsFile(system))
            return system;
    const fs::path shipped = AppRegKeyDefaultPath();
    if (IsFile(shipped))
        return shipped;
    static std::set<fs::path> reported;
    if (reported.insert(shipped).second)
        Paths::ShippedFile(KeyFileName());
    return std::nullopt;
}

ProfileFile* ReadStore() {
    std::optional<fs::path> path = ReadPath();
    return path ? &OpenProfileFile(*path, ProfileFlavor::Registry) : nullptr;
}

// The user's copy, to be written. When it does not exist yet it starts as a copy of the one the
// key has been read from, so that a write changes one value and keeps all the others. Null when
// that copy cannot be made.
ProfileFile* WriteStore() {
    const fs::path user = AppRegKeyPath();
    std::optional<fs::path> source = ReadPath();
    if (source && *source != user) {
        // Put in place whole, so that a key is never half a copy.
        std::ifstream in(*source, std::ios::binary);
        if (!in) {
            return nullptr;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        if (in.bad()) {
            return nullptr;
        }
        try {
            if (ReplaceFile(user, [&bytes](CFile& file) {
                    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
                }) != 0) {
                return nullptr;
            }
        } catch (const CFileException&) {
            return nullptr;
        }
    }
    return &OpenProfileFile(user, ProfileFlavor::Registry);
}

} // namespace

std::filesystem::path AppRegKeyPath() {
    return Paths::ConfigDir() / KeyFileName();
}

std::filesystem::path AppRegKeyDefaultPath() {
    return Paths::ShippedDataDir() / KeyFileName();
}

std::optional<std::string> AppRegKey::QueryValue(std::string_view name) const {
    ProfileFile* store = ReadStore();
    return store ? store->Find(m_section, name) : std::nullopt;
}

bool AppRegKey::SetValue(std::string_view name, std::string_view text) {
    ProfileFile* store = WriteStore();
    return store && store->WriteString(m_section, name, text);
}

bool AppRegKey::DeleteValue(std::string_view name) {
    // A value that is not there needs no copy of its own to be gone from.
    if (!QueryValue(name))
        return true;
    ProfileFile* store = WriteStore();
    return store && store->DeleteKey(m_section, name);
}

std::vector<std::string> AppRegKey::ValueNames() const {
    ProfileFile* store = ReadStore();
    return store ? store->KeyNames(m_section) : std::vector<std::string>{};
}

std::vector<std::pair<std::string, std::string>> AppRegKey::Values() const {
    ProfileFile* store = ReadStore();
    return store ? store->SectionEntries(m_section)
                 : std::vector<std::pair<std::string, std::string>>{};
}

// The key is one store for every user of the machine, kept as files: it is read from the first
// that exists of the user's own copy (in the user's config folder), a copy an administrator
// placed for everyone in a system configuration folder ($XDG_CONFIG_DIRS, "NRD Corporation"),
// and the copy the program ships; every write goes to the user's own copy. The key opens for
// reading and writing alike, so it does not open when the user's folder cannot be made.
std::unique_ptr<AppRegKey> OpenAppRegKey(std::string_view section) {
    std::error_code ec;
    if (!fs::is_directory(Paths::ConfigDir(), ec))
        return nullptr;
    return std::make_unique<AppRegKey>(std::string(section));
}

DWORD GetRegInt(std::string_view section, std::string_view name, int defaultValue) {
    auto key = OpenAppRegKey(section);
    if (!key)
        return static_cast<DWORD>(defaultValue);
    std::optional<std::string> value = key->QueryValue(name);
    if (!value)
        return static_cast<DWORD>(defaultValue);
    return NumberText::ProfileInt(*value);
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
