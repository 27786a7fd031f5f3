#include "platform/ReplacementFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMark = ".tembra-";
constexpr std::string_view kSuffix = ".tmp";
constexpr int kNameTries = 16;

CReplacementFile::StepHook& Hook() {
    static CReplacementFile::StepHook hook;
    return hook;
}

int RunHook(CReplacementFile::Step step, const fs::path& target) {
    return Hook() ? Hook()(step, target) : 0;
}

fs::path FolderOf(const fs::path& target) {
    fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// ".<name>.tembra-": the start of every temporary of the target.
std::string TemporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + std::string(kMark);
}

// A name no other writer uses: the process's id says whose it is, the random part makes it
// unpredictable, so that nobody can plant something under it beforehand.
fs::path TemporaryName(const fs::path& target) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    char tail[17];
    std::snprintf(tail, sizeof tail, "%016llx", static_cast<unsigned long long>(random()));
    return FolderOf(target) / (TemporaryPrefix(target) + std::to_string(::getpid()) + "-" + tail +
                               std::string(kSuffix));
}

// Removes the temporaries of the target that writers now gone left: regular files of this user
// under the target's temporary names whose process has ended. Others' files, links and the
// temporaries of running writers stay.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    fs::directory_iterator it(FolderOf(target), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) {
            continue;
        }
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos) {
            continue;
        }
        char* end = nullptr;
        const std::string digits(rest.substr(0, dash));
        const long pid = std::strtol(digits.c_str(), &end, 10);
        if (*end != '\0' || pid <= 0 || pid == ::getpid()) {
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) {
            continue; // still running, or somebody else's
        }
        struct stat status {};
        if (::lstat(it->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
            status.st_uid != ::geteuid()) {
            continue;
        }
        ::unlink(it->path().c_str());
    }
}

// Flushes a folder's entries to the disk; some file systems refuse, which changes nothing.
void SyncFolder(const fs::path& target) {
    const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

// A second name of the file now at the target, under which its contents come back when the
// replacement is undone; empty when there is no file (or no second name can be made).
fs::path KeepOld(const fs::path& target) {
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {};
    }
    for (int i = 0; i < kNameTries; ++i) {
        fs::path kept = TemporaryName(target);
        if (::link(target.c_str(), kept.c_str()) == 0) {
            return kept;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

} // namespace

void CReplacementFile::SetStepHook(StepHook hook) {
    Hook() = std::move(hook);
}

CReplacementFile::CReplacementFile(const fs::path& target) : m_target(target) {
    // A symbolic link stays a link: the file it points to is the one replaced, from beside it, so
    // that the rename stays within one file system.
    if (std::error_code ec; fs::is_symlink(target, ec)) {
        if (fs::path resolved = fs::canonical(target, ec); !ec) {
            m_target = std::move(resolved);
        }
    }
    RemoveStaleTemporaries(m_target);
    int fd = -1;
    for (int i = 0; i < kNameTries && fd < 0; ++i) {
        m_temporary = TemporaryName(m_target);
        fd =
            ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        m_error = errno;
        m_temporary.clear();
        return;
    }
    // Written through the descriptor's own entry, never through the name again: whatever takes
    // the name meanwhile, the bytes go to the file created here.
    m_descriptor = fd;
    CFileException opened;
    if (!Open("/proc/self/fd/" + std::to_string(fd), modeCreate | modeWrite | typeBinary,
              &opened) &&
        !OpenByName(opened)) {
        m_error = opened.m_lOsError > 0 ? static_cast<int>(opened.m_lOsError) : EIO;
        Discard();
        return;
    }
    // The new file keeps the permissions of the one it replaces.
    if (struct stat old{}; ::stat(m_target.c_str(), &old) == 0) {
        static_cast<void>(::fchmod(fd, old.st_mode & 07777));
    }
    if (const int injected = RunHook(Step::Created, m_target); injected != 0) {
        m_error = injected;
        Discard();
    }
}

bool CReplacementFile::OpenByName(CFileException& opened) {
    // Without the descriptors' folder the name has to do, but only while it still is the file
    // created here.
    struct stat created {};
    struct stat named {};
    if (::fstat(m_descriptor, &created) != 0 || ::lstat(m_temporary.c_str(), &named) != 0 ||
        !S_ISREG(named.st_mode) || named.st_dev != created.st_dev ||
        named.st_ino != created.st_ino) {
        return false;
    }
    return Open(m_temporary, modeCreate | modeWrite | typeBinary, &opened) != FALSE;
}

CReplacementFile::~CReplacementFile() {
    if (!m_committed) {
        Discard();
    }
}

void CReplacementFile::Discard() {
    Abort();
    CloseDescriptor();
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

int CReplacementFile::CloseDescriptor() {
    const int fd = std::exchange(m_descriptor, -1);
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
}

int CReplacementFile::Finish() {
    if (m_finished) {
        return 0;
    }
    if (m_error != 0 || !IsOpen()) {
        return m_error != 0 ? m_error : EBADF;
    }
    try {
        Close();
        if (::fsync(m_descriptor) != 0) {
            const int error = errno;
            Discard();
            return error;
        }
        if (const int error = CloseDescriptor(); error != 0) {
            Discard();
            return error;
        }
    } catch (const CFileException& e) {
        Discard();
        return e.m_lOsError > 0 ? static_cast<int>(e.m_lOsError) : EIO;
    }
    m_finished = true;
    if (const int injected = RunHook(Step::Written, m_target); injected != 0) {
        Discard();
        return injected;
    }
    return 0;
}

int CReplacementFile::AddCompanion(const fs::path& target,
                                   const std::function<void(CFile&)>& write) {
    auto companion = std::make_unique<CReplacementFile>(target);
    if (companion->Error() != 0) {
        return companion->Error();
    }
    write(*companion);
    if (const int error = companion->Finish(); error != 0) {
        return error;
    }
    m_companions.push_back(std::move(companion));
    return 0;
}

int CReplacementFile::Commit(struct stat* written) {
    if (const int error = Finish(); error != 0) {
        return error;
    }
    // The companions go first; each one's old file keeps a second name until the target is in
    // place, so that a failure can bring it back.
    struct Placed {
        CReplacementFile* file;
        fs::path kept;
        bool existed;
    };
    std::vector<Placed> placed;
    const auto undo = [&placed]() {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
            if (!it->kept.empty()) {
                ::rename(it->kept.c_str(), it->file->m_target.c_str());
            } else if (!it->existed) {
                ::unlink(it->file->m_target.c_str());
            }
        }
    };
    const auto rename = [](CReplacementFile& file) {
        if (const int injected = RunHook(Step::Renaming, file.m_target); injected != 0) {
            return injected;
        }
        return ::rename(file.m_temporary.c_str(), file.m_target.c_str()) == 0 ? 0 : errno;
    };
    for (const auto& companion : m_companions) {
        std::error_code ignored;
        const bool existed = fs::exists(fs::symlink_status(companion->m_target, ignored));
        fs::path kept = KeepOld(companion->m_target);
        if (const int error = rename(*companion); error != 0) {
            if (!kept.empty()) {
                ::unlink(kept.c_str());
            }
            undo();
            Discard();
            return error;
        }
        companion->m_committed = true;
        companion->m_temporary.clear();
        placed.push_back({companion.get(), std::move(kept), existed});
    }
    if (const int error = rename(*this); error != 0) {
        undo();
        Discard();
        return error;
    }
    m_committed = true;
    m_temporary.clear();
    for (const Placed& done : placed) {
        if (!done.kept.empty()) {
            ::unlink(done.kept.c_str());
        }
        SyncFolder(done.file->m_target);
    }
    // The rename itself reaches the disk with the folder's entries.
    SyncFolder(m_target);
    if (written != nullptr && ::stat(m_target.c_str(), written) != 0) {
        *written = {};
    }
    return 0;
}

} // namespace tembra
