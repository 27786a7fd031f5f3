// The processes of the chart's two lists by their own numbers, found as FindKouteiByNumber finds
// them: the first unselected process of a number, else the first selected one. An operation
// that looks up many numbers (the relation-line check, two for each line) builds it once and
// tells it of each process it puts in the place of another, instead of walking the lists for
// every number. What it holds is good until the lists change otherwise; it keeps its arrays from
// one build to the next, so that a check at the end of every drag allocates nothing new.
//
// The counter hands out numbers one after another, so a chart's numbers mostly lie close
// together: then they index a table directly, which the walks along the lists fill and read
// nearly in order; numbers spread wider go through a hash table.
#pragma once

#include "document/KouteiContactKeys.h"
#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "model/SeqNumber.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tembra {

class KouteiNumberIndex {
public:
    // Indexes the processes of the unselected objects and of the selection as they are now,
    // and notes where the unselected relation lines stand: what a check of the lines walks,
    // found in the same walk.
    void Build(const ObList<CDataHeader>& unselected, const ObList<CDataHeader>& selected);
    // The same build in steps, for a walk that changes the lists as it goes (one that deselects
    // everything indexes each object as it reaches the unselected list): Start, then the objects
    // in the order Build takes them, each with its position and its list (AddList for a whole
    // one), then Finish. Until Finish nothing is found.
    void Start();
    void Add(POSITION at, CDataHeader* object, bool unselected);
    void AddList(const ObList<CDataHeader>& list, bool unselected);
    void Finish();
    // The positions of the unselected relation lines at the build, in list order.
    const std::vector<POSITION>& RelationLines() const { return m_relationLines; }

    // The process of that number; null for the number (0, 0) and for a number no process has.
    CKoutei* Find(const CObSeqNumber& number) const;

    // now, which has the number of old, took the place of old in its list.
    void Replaced(const CKoutei* old, CKoutei* now);

private:
    // Where the number stands in m_found; m_found.size() when it is not indexed.
    std::size_t IndexOf(std::uint64_t key) const;

    // Numbers from m_first on index m_found directly while m_direct; else through m_ids.
    bool m_direct = true;
    std::uint64_t m_first = 0;
    KouteiKeyNumbers m_ids;
    // For each number the process found for it.
    std::vector<CKoutei*> m_found;
    std::vector<POSITION> m_relationLines;
    // The numbered processes of a build, in list order.
    std::vector<std::pair<std::uint64_t, CKoutei*>> m_numbered;
};

} // namespace tembra
