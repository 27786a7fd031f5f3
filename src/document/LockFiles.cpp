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
#include <map>
#include <mutex>
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
constexpr UINT IDS_FILE_DAMAGED = 5008;

// The host name part of an owner id holds at most this many bytes.
constexpr std::size_t kHostNameBytes = 15;

// How long a reader waits for a lock file that its maker has created but not yet filled (and
// flushed): one still short after that is damaged.
constexpr int kFillWaits = 200;
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

// The file a lock was made as: a lock removed and made again by someone else is another file.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino};
}

// The locks this process made, by lock path: for which owner, and the file itself, kept open so
// that its device and inode name no other file while it is remembered. What the file holds does
// not matter to its maker: a lock it made is its own to release, whatever its bytes became.
class MadeLocks {
public:
    ~MadeLocks() {
        for (auto& entry : m_locks) {
            ::close(entry.second.fd);
        }
    }
    void Add(const fs::path& lock, const std::string& owner, int fd) {
        std::lock_guard guard(m_mutex);
        Drop(lock.string());
        m_locks[lock.string()] = Entry{owner, fd};
    }
    // Whether owner made the lock that stands at the path now.
    bool Made(const fs::path& lock, const std::string& owner) const {
        const std::optional<FileIdentity> now = IdentityOf(lock);
        std::lock_guard guard(m_mutex);
        const auto found = m_locks.find(lock.string());
        struct stat made {};
        return now && found != m_locks.end() && found->second.owner == owner &&
               ::fstat(found->second.fd, &made) == 0 &&
               FileIdentity{made.st_dev, made.st_ino} == *now;
    }
    // The owner no longer holds the lock: its file is let go.
    void Forget(const fs::path& lock, const std::string& owner) {
        std::lock_guard guard(m_mutex);
        if (const auto found = m_locks.find(lock.string());
            found != m_locks.end() && found->second.owner == owner) {
            Drop(lock.string());
        }
    }

private:
    struct Entry {
        std::string owner;
        int fd = -1;
    };
    void Drop(const std::string& lock) {
        if (const auto found = m_locks.find(lock); found != m_locks.end()) {
            ::close(found->second.fd);
            m_locks.erase(found);
        }
    }

    mutable std::mutex m_mutex;
    std::map<std::string, Entry> m_locks;
};

MadeLocks& Made() {
    static MadeLocks locks;
    return locks;
}

// The bytes of a lock file, at most a lock's size. Nothing when the file cannot be read; a file
// still shorter than a lock is waited for a little (its maker may be writing it).
std::optional<std::string> ReadLockBytes(const fs::path& lock) {
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
    return bytes;
}

// The owner a lock's bytes name: the text up to the first zero. Nothing for a lock that names
// no one: shorter than a lock, or empty (its maker's write failed).
std::optional<std::string> LockOwner(const std::string& bytes) {
    std::string owner = bytes.substr(0, bytes.find('\0'));
    if (bytes.size() < kLockFileSize || owner.empty()) {
        return std::nullopt;
    }
    return owner;
}

// Whether the lock file names the owner (as stored: at most a lock's size).
bool NamesOwner(const fs::path& lock, const std::string& ownStored) {
    const std::optional<std::string> bytes = ReadLockBytes(lock);
    return bytes && LockOwner(*bytes) == ownStored;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Removes the file at path only while it is still the file of that identity.
void RemoveIfSame(const fs::path& path, FileIdentity identity) {
    if (IdentityOf(path) == identity) {
        ::unlink(path.c_str());
    }
}

enum class Creation {
    Made,    // the lock is this owner's, on the disk
    Exists,  // a lock stands there already
    Refused, // no lock could be made: none is left
};

// Creates the lock exclusively with the owner's 80 bytes. A lock whose bytes cannot be written
// or flushed is removed at once: an empty lock would name no one, and keep every later opener,
// its maker too, from writing.
Creation CreateLock(const fs::path& lock, const std::string& owner) {
    const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST ? Creation::Exists : Creation::Refused;
    }
    std::string bytes = owner.substr(0, kLockFileSize);
    bytes.resize(kLockFileSize, '\0');
    struct stat made {};
    if (::fstat(fd, &made) != 0) {
        ::close(fd);
        ::unlink(lock.c_str());
        return Creation::Refused;
    }
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        RemoveIfSame(lock, FileIdentity{made.st_dev, made.st_ino});
        ::close(fd);
        return Creation::Refused;
    }
    Made().Add(lock, owner, fd);
    return Creation::Made;
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

std::optional<std::string> LockHolderOtherThan(const std::string& path, const std::string& owner,
                                               const fs::path& sysRoot) {
    if (path.empty()) {
        return std::nullopt;
    }
    const fs::path lock = LockFilePath(path);
    if (IsOnRemovableDevice(lock.parent_path(), sysRoot).value_or(false) ||
        Made().Made(lock, owner)) {
        return std::nullopt;
    }
    const std::optional<std::string> bytes = ReadLockBytes(lock);
    std::optional<std::string> stored = bytes ? LockOwner(*bytes) : std::nullopt;
    if (stored == owner.substr(0, kLockFileSize)) {
        return std::nullopt;
    }
    return stored;
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
        // only this owner's own lock is released (one it made, or one that names it), never one
        // another user holds.
        if (fs::exists(lock, ec) &&
            (removable || Made().Made(lock, owner) || NamesOwner(lock, ownStored))) {
            fs::remove(lock, ec);
        }
        Made().Forget(lock, owner);
        return 1;
    }
    // A lock that goes between the create and the read is tried again; one that keeps coming
    // and going does not stop the caller.
    for (int attempt = 0; attempt < 3; ++attempt) {
        switch (CreateLock(lock, owner)) {
        case Creation::Made:
        case Creation::Refused:
            // A lock that cannot be made does not stop the caller.
            return 1;
        case Creation::Exists:
            break;
        }
        if (Made().Made(lock, owner)) {
            AfxMessageBox(IDS_OWN_LOCK_RELEASED, MB_OK | MB_ICONINFORMATION);
            return 1;
        }
        const std::optional<std::string> bytes = ReadLockBytes(lock);
        if (!bytes) {
            continue;
        }
        const std::optional<std::string> stored = LockOwner(*bytes);
        if (!stored) {
            // A lock that names no one is no one's: it is reported and replaced by this owner's.
            Ui().MessageBox(LoadString(IDS_FILE_DAMAGED) + "\n" + Sjis::FromUtf8(lock.string()),
                            MB_OK | MB_ICONEXCLAMATION, IDS_FILE_DAMAGED);
            if (!fs::remove(lock, ec) && ec) {
                // One this owner may not remove does not stop it either.
                return 1;
            }
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
