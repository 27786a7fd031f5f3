// A file read in place: its bytes are mapped into memory (or, where that cannot be, read once
// into a buffer of the file's size), and an archive reads them where they lie instead of copying
// them block by block into a buffer of its own.
#pragma once

#include "platform/File.h"
#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <memory>

namespace tembra {

// Read-only and binary: Write and SetLength throw CFileException (accessDenied), text mode is not
// offered. The bytes are those the file held when it was opened; a file that another program
// shortens while it is open cannot be read past its new end (the mapping's pages are gone), so
// the program's own saves replace a file instead of writing into it (ReplaceFile.h).
class CMappedFile : public CFile {
public:
    CMappedFile() = default;
    ~CMappedFile() override;

    // Only modeRead without modeCreate can be opened; the share modes are accepted as CFile
    // accepts them.
    BOOL Open(const std::filesystem::path& path, UINT openFlags,
              CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG length) override;
    void Flush() override {}
    void Close() override;
    void Abort() override;
    bool IsOpen() const override { return m_open; }
    const BYTE* LendBytes(std::size_t& count) override;

private:
    void CheckOpen() const;
    // Reads the open descriptor's size bytes into m_copy (for files that cannot be mapped). Only
    // the size the file states is read: a pipe or a device, which states none, reads as empty
    // rather than without end.
    bool ReadWhole(int fd, std::size_t size);

    bool m_open = false;
    const BYTE* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
    // Set when m_data is a mapping (unmapped on close), else m_data points into m_copy.
    bool m_mapped = false;
    std::unique_ptr<BYTE[]> m_copy;
};

} // namespace tembra
