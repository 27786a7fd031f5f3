#include "model/SearchUrlList.h"

#include "platform/Profile.h"

#include <cstdio>
#include <utility>

namespace tembra {

namespace {

std::string Section(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "ExecURL\\%04d", index);
    return name;
}

} // namespace

void CSearchUrlList::Load() {
    m_entries.clear();
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::string section = Section(i);
        SearchUrlEntry entry{GetProfileString(section, "Title"), GetProfileString(section, "URL")};
        if (entry.title.empty()) {
            break;
        }
        m_entries.push_back(std::move(entry));
    }
    m_selection = GetCount() < kMaxEntries ? GetCount() : 0;
}

void CSearchUrlList::Save() const {
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::string section = Section(i);
        const bool used = i < GetCount();
        const std::string title = used ? m_entries[static_cast<std::size_t>(i)].title : "";
        const std::string url = used ? m_entries[static_cast<std::size_t>(i)].url : "";
        WriteProfileString(section, "Title", title.c_str());
        WriteProfileString(section, "URL", url.c_str());
    }
}

int CSearchUrlList::GetRowCount() const {
    return GetCount() < kMaxEntries ? GetCount() + 1 : GetCount();
}

void CSearchUrlList::Select(int row) {
    m_selection = row >= 0 && row < GetRowCount() ? row : -1;
}

CSearchUrlList::ButtonStates CSearchUrlList::GetButtonStates() const {
    if (m_selection < 0 || IsAddRow(m_selection)) {
        return {};
    }
    return {true, m_selection > 0, m_selection < GetCount() - 1};
}

void CSearchUrlList::Set(const std::string& title, const std::string& url) {
    if (m_selection < 0) {
        return;
    }
    if (IsAddRow(m_selection)) {
        m_entries.push_back({title, url});
        m_selection = GetCount() < kMaxEntries ? GetCount() : GetCount() - 1;
        return;
    }
    m_entries[static_cast<std::size_t>(m_selection)] = {title, url};
}

void CSearchUrlList::Remove() {
    if (m_selection < 0 || IsAddRow(m_selection)) {
        return;
    }
    m_entries.erase(m_entries.begin() + m_selection);
    // The selection keeps its index: the next entry, or the add row that follows the last.
}

void CSearchUrlList::MoveUp() {
    if (!GetButtonStates().up) {
        return;
    }
    std::swap(m_entries[static_cast<std::size_t>(m_selection)],
              m_entries[static_cast<std::size_t>(m_selection) - 1]);
    --m_selection;
}

void CSearchUrlList::MoveDown() {
    if (!GetButtonStates().down) {
        return;
    }
    std::swap(m_entries[static_cast<std::size_t>(m_selection)],
              m_entries[static_cast<std::size_t>(m_selection) + 1]);
    ++m_selection;
}

} // namespace tembra
