#include "exchange/KouteiEndIndex.h"

#include "model/Koutei.h"

namespace tembra {

void CKouteiEndIndex::Add(const CKoutei& process) {
    if (process.IsRelationLine() != 0) {
        return;
    }
    Put(m_starts, {process.GetStartTime().GetTime(), process.GetStartRow()}, process);
    Put(m_ends, {process.GetEndTime().GetTime(), process.GetEndRow()}, process);
}

void CKouteiEndIndex::Put(Places& places, const Place& place, const CKoutei& process) {
    if (m_keep == Keep::Last) {
        places[place] = &process;
    } else {
        places.emplace(place, &process);
    }
}

const CKoutei* CKouteiEndIndex::Find(const Places& places, const Place& place) {
    const auto it = places.find(place);
    return it != places.end() ? it->second : nullptr;
}

const CKoutei* CKouteiEndIndex::EndingAt(const CTime& date, int row) const {
    return Find(m_ends, {date.GetTime(), row});
}

const CKoutei* CKouteiEndIndex::StartingAt(const CTime& date, int row) const {
    return Find(m_starts, {date.GetTime(), row});
}

} // namespace tembra
