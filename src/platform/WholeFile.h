// A file read whole when it is opened: its bytes are read into memory in one go, and an archive
// reads them where they lie instead of copying them block by block into a buffer of its own.
#pragma once

#include "platform/File.h"
#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <memory>

namespace tembra {

// Read-only and binary: Write and SetLength throw CFileException (accessDenied), text mode is not
// offered. The bytes are those the file held when it was opened, whatever another program does
// to it afterwards. A file larger than any chart is read as it goes, as a CFile reads; a pipe or a
// device, which states no size, reads as empty rather than without end.
class CWholeFile : public CFile {
public:
    CWholeFile() = default;
    ~CWholeFile() override;

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
    bool IsOpen() const override { return m_streaming ? CFile::IsOpen() : m_open; }
    const BYTE* LendBytes(std::size_t& count) override;

private:
    void CheckOpen() const;
    // Reads the size the file states from the open descriptor into m_bytes.
    bool ReadWhole(int fd, std::size_t size);

    bool m_open = false;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
    std::unique_ptr<BYTE[]> m_bytes; // the file's bytes, m_size of them
    bool m_streaming = false;        // read as it goes, by CFile
};

} // namespace tembra
