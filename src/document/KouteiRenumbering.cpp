#include "document/KouteiRenumbering.h"

namespace tembra {

void KouteiRenumbering::Add(const CKoutei& source, const CKoutei& copy) {
    if (!source.GetSeqNumber().IsNull()) {
        m_numbers[source.GetSeqNumber().Key()] = copy.GetSeqNumber();
    }
}

void KouteiRenumbering::AddRelationLine(CKoutei* copy) {
    m_lines.push_back(copy);
}

void KouteiRenumbering::Apply() const {
    for (CKoutei* line : m_lines) {
        if (const auto it = m_numbers.find(line->GetStartLandNo().Key()); it != m_numbers.end()) {
            line->SetStartLandNo(it->second.GetHigh(), it->second.GetLow());
        }
        if (const auto it = m_numbers.find(line->GetEndLandNo().Key()); it != m_numbers.end()) {
            line->SetEndLandNo(it->second.GetHigh(), it->second.GetLow());
        }
    }
}

} // namespace tembra
