// The file the archive reads and writes: a disk file with the framework's open flags, share modes
// and seek origins.
#pragma once

#include "platform/Exception.h"
#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace tembra {

using ULONGLONG = std::uint64_t;
using LONGLONG = std::int64_t;

// A binary (or text) file on disk. Share modes are accepted and not enforced (lock files do that
// job). In text mode "\n" is written as "\r\n" and "\r\n" is read as "\n".
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const std::filesystem::path& path, UINT openFlags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // FALSE (with the cause in *error when given) when the file cannot be opened.
    virtual BOOL Open(const std::filesystem::path& path, UINT openFlags,
                      CFileException* error = nullptr);
    // Reads up to count bytes; returns how many came (fewer only at the end of the file).
    virtual UINT Read(void* buffer, UINT count);
    // Writes all bytes or throws CFileException.
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    virtual bool IsOpen() const { return m_file != nullptr; }
    // A file whose bytes already lie in memory lends a reader those from its position to its end
    // and stands at its end afterwards; they stay valid while the file stays open. Null (and
    // count 0) when the bytes must be read, as from a file on disk, or at the end.
    virtual const BYTE* LendBytes(std::size_t& count) {
        count = 0;
        return nullptr;
    }

    std::string GetFilePath() const { return m_path.string(); }
    std::string GetFileName() const { return m_path.filename().string(); }

protected:
    // For files that open their path without the stream.
    void SetFilePath(const std::filesystem::path& path) { m_path = path; }

private:
    UINT ReadText(BYTE* out, UINT count);
    void WriteRaw(const void* buffer, std::size_t count);
    [[noreturn]] void ThrowErrno(int cause = CFileException::generic) const;

    std::FILE* m_file = nullptr;
    std::filesystem::path m_path;
    bool m_text = false;
};

} // namespace tembra
