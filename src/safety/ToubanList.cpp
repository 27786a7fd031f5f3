#include "safety/ToubanList.h"

#include "platform/Sjis.h"

#include <algorithm>
#include <utility>

namespace tembra {

bool CToubanList::Refuses(const std::string& name) const {
    return name.empty() || std::any_of(m_entries.begin(), m_entries.end(),
                                       [&](const CToubanEntry& e) { return e.m_name == name; });
}

std::optional<int> CToubanList::Head() const {
    for (int i = 0; i < Size(); ++i) {
        if (m_entries[static_cast<std::size_t>(i)].m_isHead != 0) {
            return i;
        }
    }
    return std::nullopt;
}

bool CToubanList::Add(const std::string& name) {
    if (Refuses(name)) {
        return false;
    }
    m_entries.push_back({name, m_entries.empty() ? 1 : 0});
    return true;
}

bool CToubanList::Insert(int index, const std::string& name) {
    if (!Valid(index) || Refuses(name)) {
        return false;
    }
    m_entries.insert(m_entries.begin() + index, CToubanEntry{name, 0});
    return true;
}

bool CToubanList::Rename(int index, const std::string& name) {
    if (!Valid(index) || Refuses(name)) {
        return false;
    }
    m_entries[static_cast<std::size_t>(index)].m_name = name;
    return true;
}

bool CToubanList::Remove(int index) {
    if (!Valid(index)) {
        return false;
    }
    const bool wasHead = m_entries[static_cast<std::size_t>(index)].m_isHead != 0;
    m_entries.erase(m_entries.begin() + index);
    if (wasHead && !m_entries.empty()) {
        m_entries.front().m_isHead = 1;
    }
    return true;
}

void CToubanList::SetHead(std::optional<int> index) {
    for (CToubanEntry& e : m_entries) {
        e.m_isHead = 0;
    }
    if (index && Valid(*index)) {
        m_entries[static_cast<std::size_t>(*index)].m_isHead = 1;
    }
}

std::optional<int> CToubanList::Move(int index, int delta) {
    const int to = index + delta;
    if (!Valid(index) || !Valid(to)) {
        return std::nullopt;
    }
    std::swap(m_entries[static_cast<std::size_t>(index)], m_entries[static_cast<std::size_t>(to)]);
    return to;
}

std::string CToubanList::LineText(const CToubanEntry& entry) {
    return entry.m_isHead != 0 ? entry.m_name + Sjis::FromUtf8("(先頭)") : entry.m_name;
}

} // namespace tembra
