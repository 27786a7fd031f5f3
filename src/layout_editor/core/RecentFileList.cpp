#include "layout_editor/core/RecentFileList.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace marquell {

namespace {

constexpr const char* kSection = "Recent File List";

std::string Key(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void CRecentFileList::ReadList() {
    m_entries.clear();
    for (std::size_t i = 0; i < kSize; ++i) {
        const std::string value = tembra::GetProfileString(kSection, Key(i), "");
        if (!value.empty()) {
            m_entries.push_back(tembra::Sjis::ToUtf8(value));
        }
    }
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > kSize) {
        m_entries.resize(kSize);
    }
    WriteList();
}

void CRecentFileList::Remove(std::size_t index) {
    if (index >= m_entries.size()) {
        return;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    WriteList();
}

void CRecentFileList::WriteList() const {
    for (std::size_t i = 0; i < kSize; ++i) {
        const std::string key = Key(i);
        if (i < m_entries.size()) {
            tembra::WriteProfileString(kSection, key.c_str(),
                                       tembra::Sjis::FromUtf8(m_entries[i]).c_str());
        } else {
            tembra::WriteProfileString(kSection, key.c_str(), nullptr);
        }
    }
}

} // namespace marquell
