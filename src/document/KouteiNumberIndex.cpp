#include "document/KouteiNumberIndex.h"

#include "document/RecordCast.h"

#include <algorithm>
#include <utility>

namespace tembra {

namespace {

// Numbers that spread over more than this many slots for each process go through the hash.
constexpr std::uint64_t kDirectSpread = 4;

} // namespace

void KouteiNumberIndex::Build(const ObList<CDataHeader>& unselected,
                              const ObList<CDataHeader>& selected) {
    // The unselected processes first: the first process of each number wins.
    Start();
    AddList(unselected, true);
    AddList(selected, false);
    Finish();
}

void KouteiNumberIndex::Start() {
    m_numbered.clear();
    m_relationLines.clear();
    m_found.clear();
    m_ids.Reset(0);
}

void KouteiNumberIndex::Add(POSITION at, CDataHeader* object, bool unselected) {
    CKoutei* process = AsKoutei(object);
    if (process == nullptr) {
        return;
    }
    if (unselected && process->IsRelationLine() != 0) {
        m_relationLines.push_back(at);
    }
    if (!process->GetSeqNumber().IsNull()) {
        m_numbered.emplace_back(process->GetSeqNumber().Key(), process);
    }
}

void KouteiNumberIndex::AddList(const ObList<CDataHeader>& list, bool unselected) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        ObList<CDataHeader>::PrefetchAhead(at);
        Add(at, list.GetNext(pos), unselected);
    }
}

void KouteiNumberIndex::Finish() {
    const std::vector<std::pair<std::uint64_t, CKoutei*>>& numbered = m_numbered;
    const auto [low, high] =
        std::minmax_element(numbered.begin(), numbered.end(),
                            [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::uint64_t spread = numbered.empty() ? 0 : high->first - low->first + 1;
    m_direct = spread <= kDirectSpread * numbered.size() + 64;
    if (m_direct) {
        m_first = numbered.empty() ? 0 : low->first;
        m_found.assign(static_cast<std::size_t>(spread), nullptr);
        for (const auto& [key, process] : numbered) {
            CKoutei*& found = m_found[static_cast<std::size_t>(key - m_first)];
            if (found == nullptr) {
                found = process;
            }
        }
        return;
    }
    m_ids.Reset(numbered.size());
    for (const auto& [key, process] : numbered) {
        const auto [id, added] = m_ids.TryEmplace(key, static_cast<std::uint32_t>(m_found.size()));
        if (added) {
            m_found.push_back(process);
        }
    }
}

std::size_t KouteiNumberIndex::IndexOf(std::uint64_t key) const {
    if (m_direct) {
        return key >= m_first && key - m_first < m_found.size()
                   ? static_cast<std::size_t>(key - m_first)
                   : m_found.size();
    }
    const std::uint32_t* id = m_ids.Find(key);
    return id != nullptr ? *id : m_found.size();
}

CKoutei* KouteiNumberIndex::Find(const CObSeqNumber& number) const {
    if (number.IsNull()) {
        return nullptr;
    }
    const std::size_t at = IndexOf(number.Key());
    return at < m_found.size() ? m_found[at] : nullptr;
}

void KouteiNumberIndex::Replaced(const CKoutei* old, CKoutei* now) {
    // The process found for a number changes only when it was the one replaced.
    const std::size_t at = IndexOf(now->GetSeqNumber().Key());
    if (at < m_found.size() && m_found[at] == old) {
        m_found[at] = now;
    }
}

} // namespace tembra
