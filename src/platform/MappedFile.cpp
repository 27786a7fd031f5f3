#include "platform/MappedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tembra {

namespace {

// Closes a descriptor when the scope ends (the mapping stays valid without it).
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

CMappedFile::~CMappedFile() {
    Abort();
}

BOOL CMappedFile::Open(const std::filesystem::path& path, UINT openFlags, CFileException* error) {
    Abort();
    const auto fail = [&](int cause, int err) {
        if (error != nullptr) {
            *error = CFileException(cause, err, path.string());
        }
        return FALSE;
    };
    if ((openFlags & 0x3) != modeRead || (openFlags & (modeCreate | typeText)) != 0) {
        return fail(CFileException::accessDenied, -1);
    }
    Descriptor file;
    errno = 0;
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0) {
        return fail(CFileException::ErrnoToCause(errno), errno);
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        return fail(CFileException::ErrnoToCause(errno), errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return fail(CFileException::accessDenied, EISDIR);
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (size > 0 && S_ISREG(info.st_mode)) {
        // Mapped page by page as the reader comes to them (the kernel maps a few pages around
        // each): asking for every page up front measured slower, as did one read into a buffer.
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
        if (mapped != MAP_FAILED) {
            m_data = static_cast<const BYTE*>(mapped);
            m_size = size;
            m_mapped = true;
        }
    }
    if (!m_mapped && !ReadWhole(file.fd, size)) {
        const int err = errno;
        Abort();
        return fail(CFileException::ErrnoToCause(err), err);
    }
    SetFilePath(path);
    m_pos = 0;
    m_open = true;
    return TRUE;
}

bool CMappedFile::ReadWhole(int fd, std::size_t size) {
    m_copy = std::make_unique_for_overwrite<BYTE[]>(std::max<std::size_t>(size, 1));
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, m_copy.get() + got, size - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            break; // shorter than it said: what there is
        }
        got += static_cast<std::size_t>(n);
    }
    m_data = m_copy.get();
    m_size = got;
    return true;
}

void CMappedFile::CheckOpen() const {
    if (!m_open) {
        AfxThrowFileException(CFileException::generic, -1, GetFilePath());
    }
}

UINT CMappedFile::Read(void* buffer, UINT count) {
    CheckOpen();
    const std::size_t n = std::min<std::size_t>(count, m_size - std::min(m_pos, m_size));
    if (n > 0) {
        std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
    }
    return static_cast<UINT>(n);
}

void CMappedFile::Write(const void*, UINT) {
    AfxThrowFileException(CFileException::accessDenied, -1, GetFilePath());
}

ULONGLONG CMappedFile::Seek(LONGLONG offset, UINT from) {
    CheckOpen();
    LONGLONG base = 0;
    if (from == current) {
        base = static_cast<LONGLONG>(m_pos);
    } else if (from == end) {
        base = static_cast<LONGLONG>(m_size);
    }
    const LONGLONG target = base + offset;
    if (target < 0) {
        AfxThrowFileException(CFileException::badSeek, -1, GetFilePath());
    }
    m_pos = static_cast<std::size_t>(target);
    return m_pos;
}

ULONGLONG CMappedFile::GetPosition() const {
    CheckOpen();
    return m_pos;
}

ULONGLONG CMappedFile::GetLength() const {
    CheckOpen();
    return m_size;
}

void CMappedFile::SetLength(ULONGLONG) {
    AfxThrowFileException(CFileException::accessDenied, -1, GetFilePath());
}

const BYTE* CMappedFile::LendBytes(std::size_t& count) {
    CheckOpen();
    if (m_pos >= m_size) {
        count = 0;
        return nullptr;
    }
    const BYTE* bytes = m_data + m_pos;
    count = m_size - m_pos;
    m_pos = m_size;
    return bytes;
}

void CMappedFile::Close() {
    Abort();
}

void CMappedFile::Abort() {
    if (m_mapped) {
        ::munmap(const_cast<BYTE*>(m_data), m_size);
    }
    m_mapped = false;
    m_copy.reset();
    m_data = nullptr;
    m_size = 0;
    m_pos = 0;
    m_open = false;
}

} // namespace tembra
