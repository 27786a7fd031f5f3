#include "print/PrNewElement.h"

#include "platform/Document.h"
#include "print/PrStoredFields.h"

namespace tembra {

IMPLEMENT_SERIAL(CPrNewElement, CObject, 1)

namespace {

constexpr int kAreaVersion = 51000;

} // namespace

void CPrNewElement::Serialize(CArchive& ar) {
    const bool withArea = ArchiveVersion(ar) >= kAreaVersion;
    if (ar.IsStoring()) {
        ar << static_cast<short>(m_kind);
        if (withArea) {
            ar << m_area;
        }
    } else {
        m_kind = prfields::LoadShort(ar);
        m_area = 0;
        if (withArea) {
            ar >> m_area;
        }
    }
}

void CPrNewElement::Draw(CDC*, const IPrLayout&, const CPrHeader&) const {}

std::unique_ptr<CPrNewElement> CPrNewElement::Clone() const {
    return std::unique_ptr<CPrNewElement>(new CPrNewElement(*this));
}

} // namespace tembra
