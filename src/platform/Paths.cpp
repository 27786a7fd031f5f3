#include "platform/Paths.h"

#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <system_error>

namespace tembra::Paths {

namespace fs = std::filesystem;

namespace {

// The shipped folder relative to the folder of an installed executable; the install rules
// (cmake/TembraInstall.cmake) put programs into <prefix>/bin and the data into
// <prefix>/share/tembra, and a build folder mirrors them.
constexpr const char* kDataFromBin = "../share/tembra";

struct Folders {
    fs::path shipped;
    fs::path writable;
    fs::path config;
};

// Set before main() by some processes (benchmarks): built on first use, not by the order of
// static initialisation.
struct State {
    std::mutex mutex;
    Folders overrides;
    fs::path defaultShipped;
};

State& TheState() {
    static State state;
    return state;
}

Folders Overrides() {
    State& s = TheState();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.overrides;
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

// The running executable's shipped folder; without /proc (no such file system mounted) the
// folder of a program installed under /usr.
fs::path ExecutableDataDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return InstalledDataDir(ec || exe.empty() ? fs::path("/usr/bin/tembra") : exe);
}

// name + "." + ext as the C library composes a path: the dot only when ext does not bring one.
std::string FileName(const std::string& name, const std::string& ext) {
    std::string file = name;
    if (!ext.empty()) {
        if (ext.front() != '.')
            file += '.';
        file += ext;
    }
    return file;
}

void ReportMissing(const fs::path& path) {
    AfxMessageBox(Sjis::FromUtf8("プログラムに付属するファイルが見つかりません。\n"
                                 "インストールを確認してください。\n" +
                                 path.string()),
                  MB_OK | MB_ICONSTOP);
}

} // namespace

fs::path InstalledDataDir(const fs::path& executable) {
    return (executable.parent_path() / kDataFromBin).lexically_normal();
}

void SetDefaultShippedDataDir(const fs::path& dir) {
    State& s = TheState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.defaultShipped = dir;
}

fs::path ShippedDataDir() {
    State& s = TheState();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.overrides.shipped.empty())
            return s.overrides.shipped;
        if (!s.defaultShipped.empty())
            return s.defaultShipped;
    }
    return ExecutableDataDir();
}

fs::path WritableDataDir() {
    Folders o = Overrides();
    if (!o.writable.empty())
        return EnsureDir(o.writable);
    return EnsureDir(XdgDir("XDG_DATA_HOME", ".local/share") / "NRD Corporation" / "Tembra");
}

fs::path ConfigDir() {
    Folders o = Overrides();
    if (!o.config.empty())
        return EnsureDir(o.config);
    return EnsureDir(XdgDir("XDG_CONFIG_HOME", ".config") / "NRD Corporation");
}

void SetDirs(const fs::path& shipped, const fs::path& writable, const fs::path& config) {
    State& s = TheState();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.overrides = Folders{shipped, writable, config};
}

std::string GetExeDirFile(const std::string& name, const std::string& ext) {
    fs::path dir = WritableDataDir();
    if (name.empty() && ext.empty()) {
        std::string folder = dir.string();
        if (folder.empty() || folder.back() != '/')
            folder += '/';
        return folder;
    }
    const std::string file = FileName(name, ext);
    fs::path target = dir / file;
    std::error_code ec;
    if (!fs::exists(target, ec)) {
        fs::path shipped = ShippedDataDir() / file;
        if (fs::is_regular_file(shipped, ec))
            fs::copy_file(shipped, target, fs::copy_options::skip_existing, ec);
    }
    return target.string();
}

std::optional<fs::path> ShippedFile(const std::string& name) {
    const fs::path path = ShippedDataDir() / name;
    std::error_code ec;
    if (fs::is_regular_file(path, ec))
        return path;
    ReportMissing(path);
    return std::nullopt;
}

std::string GetShippedExeDirFile(const std::string& name) {
    const std::string target = GetExeDirFile(name);
    std::error_code ec;
    if (!fs::exists(target, ec))
        ShippedFile(name);
    return target;
}

} // namespace tembra::Paths
