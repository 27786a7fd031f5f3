// A file in memory: a byte vector that an archive reads or writes like a file on disk.
#pragma once

#include "platform/File.h"
#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace tembra {

// A file in memory: a byte vector that grows as it is written.
class CMemFile : public CFile {
public:
    CMemFile() = default;
    explicit CMemFile(std::vector<BYTE> data) : m_data(std::move(data)) {}
    CMemFile(const void* data, std::size_t size);

    BOOL Open(const std::filesystem::path& path, UINT openFlags,
              CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override { return m_pos; }
    ULONGLONG GetLength() const override { return m_data.size(); }
    void SetLength(ULONGLONG length) override;
    void Flush() override {}
    void Close() override {}
    void Abort() override {}
    bool IsOpen() const override { return true; }

    const std::vector<BYTE>& Data() const { return m_data; }
    std::vector<BYTE> Detach();

private:
    std::vector<BYTE> m_data;
    std::size_t m_pos = 0;
};

} // namespace tembra
