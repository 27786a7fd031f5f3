#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <system_error>

namespace tembra::Paths {

namespace fs = std::filesystem;

namespace {

struct Overrides {
    fs::path shipped;
    fs::path writable;
    fs::path config;
};

std::mutex g_mutex;
Overrides g_overrides;

Overrides Current() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_overrides;
}

fs::path HomeDir() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    // No HOME (a service environment): the password database still knows the folder.
    struct passwd pw;
    struct passwd* result = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &pw, buffer, sizeof(buffer), &result) == 0 && result && result->pw_dir)
        return result->pw_dir;
    return fs::temp_directory_path();
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback under home.
fs::path XdgDir(const char* variable, const char* fallback) {
    if (const char* value = std::getenv(variable); value && *value) {
        fs::path p(value);
        if (p.is_absolute())
            return p;
    }
    return HomeDir() / fallback;
}

fs::path EnsureDir(fs::path dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

// The shipped files: in a build tree the repository's data/ folder, found by walking up from
// the running executable to the folder that holds data/ beside the top CMakeLists.txt; in an
// installed program <prefix>/share/tembra beside <prefix>/bin.
fs::path FindShippedDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return fs::path("/usr/share/tembra");
    fs::path dir = exe.parent_path();
    for (fs::path d = dir; !d.empty(); d = d.parent_path()) {
        if (fs::is_directory(d / "data", ec) && fs::is_regular_file(d / "CMakeLists.txt", ec))
            return d / "data";
        if (d == d.parent_path())
            break;
    }
    return dir.parent_path() / "share" / "tembra";
}

} // namespace

fs::path ShippedDataDir() {
    Overrides o = Current();
    if (!o.shipped.empty())
        return o.shipped;
    static const fs::path found = FindShippedDir();
    return found;
}

fs::path WritableDataDir() {
    Overrides o = Current();
    if (!o.writable.empty())
        return EnsureDir(o.writable);
    return EnsureDir(XdgDir("XDG_DATA_HOME", ".local/share") / "NRD Corporation" / "Tembra");
}

fs::path ConfigDir() {
    Overrides o = Current();
    if (!o.config.empty())
        return EnsureDir(o.config);
    return EnsureDir(XdgDir("XDG_CONFIG_HOME", ".config") / "NRD Corporation");
}

void SetDirs(const fs::path& shipped, const fs::path& writable, const fs::path& config) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_overrides = Overrides{shipped, writable, config};
}

std::string GetExeDirFile(const std::string& name, const std::string& ext) {
    fs::path dir = WritableDataDir();
    if (name.empty() && ext.empty()) {
        std::string folder = dir.string();
        if (folder.empty() || folder.back() != '/')
            folder += '/';
        return folder;
    }
    // As the path composition of the C library: the dot before the extension is added only
    // when the extension does not bring one.
    std::string file = name;
    if (!ext.empty()) {
        if (ext.front() != '.')
            file += '.';
        file += ext;
    }
    fs::path target = dir / file;
    std::error_code ec;
    if (!fs::exists(target, ec)) {
        fs::path shipped = ShippedDataDir() / file;
        if (fs::is_regular_file(shipped, ec))
            fs::copy_file(shipped, target, fs::copy_options::skip_existing, ec);
    }
    return target.string();
}

} // namespace tembra::Paths
