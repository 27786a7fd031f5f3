#include "platform/MemFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tembra {

CMemFile::CMemFile(const void* data, std::size_t size)
    : m_data(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size) {}

BOOL CMemFile::Open(const std::filesystem::path& path, UINT, CFileException* error) {
    if (error != nullptr) {
        *error = CFileException(CFileException::generic, -1, path.string());
    }
    return FALSE;
}

UINT CMemFile::Read(void* buffer, UINT count) {
    const std::size_t n =
        std::min<std::size_t>(count, m_data.size() - std::min(m_pos, m_data.size()));
    if (n > 0) {
        std::memcpy(buffer, m_data.data() + m_pos, n);
        m_pos += n;
    }
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count) {
    if (count == 0) {
        return;
    }
    if (m_pos + count > m_data.size()) {
        m_data.resize(m_pos + count);
    }
    std::memcpy(m_data.data() + m_pos, buffer, count);
    m_pos += count;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from) {
    LONGLONG base = 0;
    if (from == current) {
        base = static_cast<LONGLONG>(m_pos);
    } else if (from == end) {
        base = static_cast<LONGLONG>(m_data.size());
    }
    const LONGLONG target = base + offset;
    if (target < 0) {
        AfxThrowFileException(CFileException::badSeek);
    }
    m_pos = static_cast<std::size_t>(target);
    return m_pos;
}

void CMemFile::SetLength(ULONGLONG length) {
    m_data.resize(static_cast<std::size_t>(length));
    m_pos = std::min(m_pos, m_data.size());
}

std::vector<BYTE> CMemFile::Detach() {
    m_pos = 0;
    return std::exchange(m_data, {});
}

} // namespace tembra
