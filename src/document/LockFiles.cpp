#include "document/LockFiles.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT IDS_OWN_LOCK_RELEASED = 5073;
constexpr UINT IDS_LOCKED_BY = 5086;

// The host name part of an owner id holds at most this many bytes.
constexpr std::size_t kHostNameBytes = 15;

// How long a reader waits for a lock file that its maker has created but not yet filled.
constexpr int kFillWaits = 20;
constexpr auto kFillWait = std::chrono::milliseconds(5);

std::string LoginName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name) {
        return entry->pw_name;
    }
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return std::to_string(::geteuid());
}

std::string HostName() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0) {
        return {};
    }
    return name.data();
}

// The owner a lock file names: its bytes up to the first zero. Nothing when the file cannot be
// read; a file still shorter than a lock is waited for a little (its maker may be writing it).
std::optional<std::string> ReadLockOwner(const fs::path& lock) {
    std::string bytes;
    for (int wait = 0;; ++wait) {
        std::ifstream in(lock, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        bytes.assign(kLockFileSize, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(kLockFileSize));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (bytes.size() == kLockFileSize || wait == kFillWaits) {
            break;
        }
        std::this_thread::sleep_for(kFillWait);
    }
    return bytes.substr(0, bytes.find('\0'));
}

// Creates the lock exclusively with the owner's 80 bytes: false when it exists already.
bool CreateLock(const fs::path& lock, const std::string& owner) {
    const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // Another opener holds it; any other failure (a folder that cannot be written) lets the
        // caller go on unlocked.
        return errno != EEXIST;
    }
    std::string bytes = owner.substr(0, kLockFileSize);
    bytes.resize(kLockFileSize, '\0');
    static_cast<void>(::write(fd, bytes.data(), bytes.size()));
    ::close(fd);
    return true;
}

} // namespace

fs::path LockFilePath(const fs::path& document) {
    fs::path lock = document;
    lock.replace_extension(".$$$");
    return lock;
}

std::string BuildLockOwnerId(std::string_view user, std::string_view host) {
    const std::string name = Sjis::FromUtf8(user);
    const std::string computer =
        host.empty() ? name : Sjis::Cut(Sjis::FromUtf8(host), kHostNameBytes);
    return name + " [" + computer + "]";
}

std::string CurrentLockOwnerId() {
    return BuildLockOwnerId(LoginName(), HostName());
}

std::optional<bool> IsOnRemovableDevice(const fs::path& path, const fs::path& sysRoot) {
    // The nearest folder that exists tells the device (a document about to be created has none
    // of its own yet).
    std::error_code ec;
    fs::path probe = path;
    struct stat info {};
    while (::stat(probe.c_str(), &info) != 0) {
        if (!probe.has_parent_path() || probe.parent_path() == probe) {
            return std::nullopt;
        }
        probe = probe.parent_path();
    }
    const fs::path device =
        sysRoot / "dev" / "block" /
        (std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)));
    // A partition carries no mark of its own: the disk that holds it does.
    for (const fs::path& mark : {device / "removable", device / ".." / "removable"}) {
        std::ifstream in(mark);
        int value = 0;
        if (in >> value) {
            return value != 0;
        }
    }
    return std::nullopt;
}

int LockDocumentFileAs(const std::string& path, int mode, const std::string& owner,
                       const fs::path& sysRoot) {
    if (path.empty()) {
        return 1;
    }
    const fs::path lock = LockFilePath(path);
    // The file holds at most 80 bytes of the id: that is what a lock of this owner reads back.
    const std::string ownStored = owner.substr(0, kLockFileSize);
    const bool removable = IsOnRemovableDevice(lock.parent_path(), sysRoot).value_or(false);
    std::error_code ec;
    if (mode == 0 || removable) {
        // A lock found beside a document on a removable device goes whoever made it; elsewhere
        // only this owner's own lock is released, never one another user holds.
        if (fs::exists(lock, ec) && (removable || ReadLockOwner(lock) == ownStored)) {
            fs::remove(lock, ec);
        }
        return 1;
    }
    // A lock that goes between the create and the read is tried again; one that keeps coming
    // and going does not stop the caller.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateLock(lock, owner)) {
            return 1;
        }
        const std::optional<std::string> stored = ReadLockOwner(lock);
        if (!stored) {
            continue;
        }
        if (*stored == ownStored) {
            AfxMessageBox(IDS_OWN_LOCK_RELEASED, MB_OK | MB_ICONINFORMATION);
            return 1;
        }
        Ui().MessageBox(FormatString(LoadString(IDS_LOCKED_BY), {*stored}),
                        MB_OK | MB_ICONEXCLAMATION, IDS_LOCKED_BY);
        return 0;
    }
    return 1;
}

} // namespace tembra
