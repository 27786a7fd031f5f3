#include "shell/core/RecentFileList.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace tembra {

namespace {

std::string Key(int index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void CRecentFileList::ReadList() {
    m_paths.clear();
    for (int i = 0; i < m_size; ++i) {
        const std::string path = Sjis::ToUtf8(GetProfileString(kSection, Key(i)));
        if (!path.empty()) {
            m_paths.push_back(path);
        }
    }
}

void CRecentFileList::WriteList() const {
    WriteProfileString(kSection, nullptr, nullptr);
    for (int i = 0; i < static_cast<int>(m_paths.size()); ++i) {
        WriteProfileString(kSection, Key(i).c_str(),
                           Sjis::FromUtf8(m_paths[static_cast<std::size_t>(i)]).c_str());
    }
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (static_cast<int>(m_paths.size()) > m_size) {
        m_paths.resize(static_cast<std::size_t>(m_size));
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_paths.size())) {
        m_paths.erase(m_paths.begin() + index);
    }
}

} // namespace tembra
