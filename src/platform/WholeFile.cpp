#include "platform/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tembra {

namespace {

// A chart file is read whole up to this size; a larger file (no chart is that large, but a
// wrong file can be) is read as it goes, as any file is.
constexpr std::size_t kWholeLimit = 64 * 1024 * 1024;

// Closes a descriptor when the scope ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

CWholeFile::~CWholeFile() {
    Abort();
}

BOOL CWholeFile::Open(const std::filesystem::path& path, UINT openFlags, CFileException* error) {
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
    if (S_ISREG(info.st_mode) && size > kWholeLimit) {
        m_streaming = CFile::Open(path, openFlags, error) != FALSE;
        return m_streaming ? TRUE : FALSE;
    }
    if (!ReadWhole(file.fd, S_ISREG(info.st_mode) ? size : 0)) {
        const int err = errno;
        Abort();
        return fail(CFileException::ErrnoToCause(err), err);
    }
    SetFilePath(path);
    m_pos = 0;
    m_open = true;
    return TRUE;
}

bool CWholeFile::ReadWhole(int fd, std::size_t size) {
    m_bytes = std::make_unique_for_overwrite<BYTE[]>(std::max<std::size_t>(size, 1));
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, m_bytes.get() + got, size - got);
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
    m_size = got;
    return true;
}

void CWholeFile::CheckOpen() const {
    if (!m_open) {
        AfxThrowFileException(CFileException::generic, -1, GetFilePath());
    }
}

UINT CWholeFile::Read(void* buffer, UINT count) {
    if (m_streaming) {
        return CFile::Read(buffer, count);
    }
    CheckOpen();
    const std::size_t n = std::min<std::size_t>(count, m_size - std::min(m_pos, m_size));
    if (n > 0) {
        std::memcpy(buffer, m_bytes.get() + m_pos, n);
        m_pos += n;
    }
    return static_cast<UINT>(n);
}

void CWholeFile::Write(const void*, UINT) {
    AfxThrowFileException(CFileException::accessDenied, -1, GetFilePath());
}

ULONGLONG CWholeFile::Seek(LONGLONG offset, UINT from) {
    if (m_streaming) {
        return CFile::Seek(offset, from);
    }
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

ULONGLONG CWholeFile::GetPosition() const {
    if (m_streaming) {
        return CFile::GetPosition();
    }
    CheckOpen();
    return m_pos;
}

ULONGLONG CWholeFile::GetLength() const {
    if (m_streaming) {
        return CFile::GetLength();
    }
    CheckOpen();
    return m_size;
}

void CWholeFile::SetLength(ULONGLONG) {
    AfxThrowFileException(CFileException::accessDenied, -1, GetFilePath());
}

const BYTE* CWholeFile::LendBytes(std::size_t& count) {
    if (m_streaming) {
        return CFile::LendBytes(count);
    }
    CheckOpen();
    if (m_pos >= m_size) {
        count = 0;
        return nullptr;
    }
    const BYTE* bytes = m_bytes.get() + m_pos;
    count = m_size - m_pos;
    m_pos = m_size;
    return bytes;
}

void CWholeFile::Close() {
    Abort();
}

void CWholeFile::Abort() {
    if (m_streaming) {
        CFile::Abort();
        m_streaming = false;
    }
    m_bytes.reset();
    m_size = 0;
    m_pos = 0;
    m_open = false;
}

} // namespace tembra
