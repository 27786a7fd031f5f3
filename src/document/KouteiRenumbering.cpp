#include "document/KouteiRenumbering.h"

namespace tembra {

std::uint64_t KouteiRenumbering::Key(const CObSeqNumber& number) {
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

void KouteiRenumbering::Add(const CKoutei& source, const CKoutei& copy) {
    if (!source.GetSeqNumber().IsNull()) {
        m_numbers[Key(source.GetSeqNumber())] = copy.GetSeqNumber();
    }
}

void KouteiRenumbering::AddRelationLine(CKoutei* copy) {
    m_lines.push_back(copy);
}

void KouteiRenumbering::Apply() const {
    for (CKoutei* line : m_lines) {
        if (const auto it = m_numbers.find(Key(line->GetStartLandNo())); it != m_numbers.end()) {
            line->SetStartLandNo(it->second.GetHigh(), it->second.GetLow());
        }
        if (const auto it = m_numbers.find(Key(line->GetEndLandNo())); it != m_numbers.end()) {
            line->SetEndLandNo(it->second.GetHigh(), it->second.GetLow());
        }
    }
}

} // namespace tembra
