#include "platform/File.h"

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>

namespace tembra {

CFile::CFile(const std::filesystem::path& path, UINT openFlags) {
    CFileException error;
    if (!Open(path, openFlags, &error)) {
        throw error;
    }
}

CFile::~CFile() {
    Abort();
}

BOOL CFile::Open(const std::filesystem::path& path, UINT openFlags, CFileException* error) {
    Abort();
    m_path = path;
    m_text = (openFlags & typeText) != 0;

    const UINT access = openFlags & 0x3;
    const bool create = (openFlags & modeCreate) != 0;
    const bool truncate = create && (openFlags & modeNoTruncate) == 0;
    const char* mode = "rb";
    if (access == modeRead && !create) {
        mode = "rb";
    } else if (truncate) {
        mode = access == modeWrite ? "wb" : "w+b";
    } else {
        mode = "r+b";
        if (create) {
            // Create the file when missing, keep it when present.
            std::FILE* probe = std::fopen(path.c_str(), "ab");
            if (probe != nullptr) {
                std::fclose(probe);
            }
        }
    }
    errno = 0;
    m_file = std::fopen(path.c_str(), mode);
    if (m_file == nullptr) {
        if (error != nullptr) {
            *error = CFileException(CFileException::ErrnoToCause(errno), errno, path.string());
        }
        return FALSE;
    }
    return TRUE;
}

void CFile::ThrowErrno(int cause) const {
    const int err = errno;
    if (err != 0) {
        cause = CFileException::ErrnoToCause(err);
    }
    throw CFileException(cause, err, m_path.string());
}

UINT CFile::Read(void* buffer, UINT count) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    if (count == 0) {
        return 0;
    }
    if (m_text) {
        return ReadText(static_cast<BYTE*>(buffer), count);
    }
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, count, m_file);
    if (got < count && std::ferror(m_file)) {
        std::clearerr(m_file);
        ThrowErrno(CFileException::hardIO);
    }
    return static_cast<UINT>(got);
}

UINT CFile::ReadText(BYTE* out, UINT count) {
    UINT n = 0;
    while (n < count) {
        const int c = std::fgetc(m_file);
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            const int next = std::fgetc(m_file);
            if (next == '\n') {
                out[n++] = '\n';
                continue;
            }
            if (next != EOF) {
                std::ungetc(next, m_file);
            }
        }
        out[n++] = static_cast<BYTE>(c);
    }
    if (std::ferror(m_file)) {
        std::clearerr(m_file);
        ThrowErrno(CFileException::hardIO);
    }
    return n;
}

void CFile::WriteRaw(const void* buffer, std::size_t count) {
    errno = 0;
    if (std::fwrite(buffer, 1, count, m_file) != count) {
        std::clearerr(m_file);
        ThrowErrno(CFileException::diskFull);
    }
}

void CFile::Write(const void* buffer, UINT count) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    if (count == 0) {
        return;
    }
    if (!m_text) {
        WriteRaw(buffer, count);
        return;
    }
    const BYTE* bytes = static_cast<const BYTE*>(buffer);
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == '\n') {
            WriteRaw(bytes + start, i - start);
            WriteRaw("\r\n", 2);
            start = i + 1;
        }
    }
    WriteRaw(bytes + start, count - start);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    errno = 0;
    if (std::fseek(m_file, static_cast<long>(offset), whence) != 0) {
        ThrowErrno(CFileException::badSeek);
    }
    return GetPosition();
}

ULONGLONG CFile::GetPosition() const {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    const long pos = std::ftell(m_file);
    if (pos < 0) {
        ThrowErrno(CFileException::badSeek);
    }
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    // Through the stream itself, so that unwritten bytes count and a file removed from its
    // folder while open still answers.
    errno = 0;
    const long pos = std::ftell(m_file);
    if (pos < 0 || std::fseek(m_file, 0, SEEK_END) != 0) {
        ThrowErrno(CFileException::badSeek);
    }
    const long length = std::ftell(m_file);
    if (length < 0 || std::fseek(m_file, pos, SEEK_SET) != 0) {
        ThrowErrno(CFileException::badSeek);
    }
    return static_cast<ULONGLONG>(length);
}

void CFile::SetLength(ULONGLONG length) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::generic, -1, m_path.string());
    }
    std::fflush(m_file);
    std::error_code ec;
    std::filesystem::resize_file(m_path, length, ec);
    if (ec) {
        throw CFileException(CFileException::ErrnoToCause(ec.value()), ec.value(), m_path.string());
    }
}

void CFile::Flush() {
    if (m_file != nullptr && std::fflush(m_file) != 0) {
        ThrowErrno(CFileException::diskFull);
    }
}

void CFile::Close() {
    if (m_file == nullptr) {
        return;
    }
    std::FILE* file = std::exchange(m_file, nullptr);
    errno = 0;
    if (std::fclose(file) != 0) {
        ThrowErrno(CFileException::diskFull);
    }
}

void CFile::Abort() {
    if (m_file != nullptr) {
        std::fclose(std::exchange(m_file, nullptr));
    }
}

} // namespace tembra
