// The processes of a chart by the date and row where each starts and where each ends, for the
// readers that link a new relation line to the processes it joins. Relation lines themselves
// are never listed; of processes that share a place the first added or the last added answers,
// as the reader searches its chart from the head or from the tail.
#pragma once

#include "platform/Time.h"

#include <cstdint>
#include <map>
#include <utility>

namespace tembra {

class CKoutei;

class CKouteiEndIndex {
public:
    enum class Keep { First, Last };

    explicit CKouteiEndIndex(Keep keep) : m_keep(keep) {}

    // Lists the process unless it is a relation line.
    void Add(const CKoutei& process);
    // The process that ends (starts) at the date and row; null for none.
    const CKoutei* EndingAt(const CTime& date, int row) const;
    const CKoutei* StartingAt(const CTime& date, int row) const;

private:
    using Place = std::pair<std::int64_t, int>;
    using Places = std::map<Place, const CKoutei*>;
    void Put(Places& places, const Place& place, const CKoutei& process);
    static const CKoutei* Find(const Places& places, const Place& place);

    Keep m_keep;
    Places m_starts;
    Places m_ends;
};

} // namespace tembra
