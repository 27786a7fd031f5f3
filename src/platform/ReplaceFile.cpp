#include "platform/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tembra {

namespace {

namespace fs = std::filesystem;

// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now; the errno of a failed close, else 0.
    int Close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

// A name no other writer of this process or another one uses at the same time.
fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + "." + std::to_string(++counter) + ".tmp~";
    return temporary;
}

// Flushes a file's data (and, for a folder, its entries) to the disk.
int SyncPath(const fs::path& path, int flags) {
    Descriptor fd(::open(path.c_str(), flags | O_CLOEXEC));
    if (fd.Get() < 0) {
        return errno;
    }
    if (::fsync(fd.Get()) != 0) {
        return errno;
    }
    return fd.Close();
}

} // namespace

int ReplaceFile(const fs::path& link, const std::function<void(CFile&)>& write) {
    // A symbolic link stays a link: the file it points to is the one replaced, from beside it, so
    // that the rename stays within one file system.
    fs::path target = link;
    if (std::error_code ec; fs::is_symlink(link, ec)) {
        if (fs::path resolved = fs::canonical(link, ec); !ec) {
            target = std::move(resolved);
        }
    }
    const fs::path temporary = TemporaryBeside(target);
    {
        // Created here, exclusively, so that the umask applies and nothing else is overwritten.
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.Get() < 0) {
            return errno;
        }
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0) {
            static_cast<void>(::fchmod(fd.Get(), old.st_mode & 07777));
        }
        if (const int error = fd.Close(); error != 0) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return error;
        }
    }
    std::error_code ignored;
    try {
        CFile file;
        CFileException opened;
        if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary,
                       &opened)) {
            fs::remove(temporary, ignored);
            return opened.m_lOsError > 0 ? static_cast<int>(opened.m_lOsError) : EIO;
        }
        write(file);
        file.Close();
    } catch (...) {
        fs::remove(temporary, ignored);
        throw;
    }
    if (const int error = SyncPath(temporary, O_RDONLY); error != 0) {
        fs::remove(temporary, ignored);
        return error;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        fs::remove(temporary, ignored);
        return error;
    }
    // The rename itself reaches the disk with the folder's entries. The new contents are in place
    // already; a folder that cannot be flushed (some file systems refuse) changes nothing.
    fs::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    static_cast<void>(SyncPath(folder, O_RDONLY | O_DIRECTORY));
    return 0;
}

} // namespace tembra
