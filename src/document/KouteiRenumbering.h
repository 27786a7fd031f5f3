// The numbers a copy of several processes gave them, so that the relation lines copied with them
// name the copies: a relation line joins two processes by the numbers in its nodes, and the
// copies of those processes carry new numbers.
#pragma once

#include "model/Koutei.h"
#include "model/SeqNumber.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tembra {

class KouteiRenumbering {
public:
    // The process source was copied as copy (with a new number).
    void Add(const CKoutei& source, const CKoutei& copy);
    // A relation line copied in the same operation (not owned; it must live until Apply).
    void AddRelationLine(CKoutei* copy);
    // Each relation line copied names, at either node, the copy of the process it named there
    // when that process was copied too; the other node keeps its number.
    void Apply() const;

private:
    std::unordered_map<std::uint64_t, CObSeqNumber> m_numbers;
    std::vector<CKoutei*> m_lines;
};

} // namespace tembra
