#include "model/Shigen.h"

#include "platform/Document.h"

namespace tembra {

IMPLEMENT_SERIAL(CShigenData, CObject, 1)
IMPLEMENT_SERIAL(CShigenName, CShigenData, 1)
IMPLEMENT_SERIAL(CShigen, CDataHeader, 1)

void CShigenData::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_number << m_quantity;
    } else {
        ar >> m_number >> m_quantity;
    }
}

void CShigenName::Serialize(CArchive& ar) {
    CShigenData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_name;
    } else {
        ar >> m_name;
    }
}

CShigen::CShigen() : CDataHeader(kTypeKoutei, kKindShigen) {}

void CShigen::CopyFrom(const CShigen& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_attr = other.m_attr;
    m_attrTail = other.m_attrTail;
    // Copies as plain entries: a list never carries names.
    std::vector<std::unique_ptr<CShigenData>> entries;
    entries.reserve(other.m_entries.size());
    for (const auto& entry : other.m_entries) {
        entries.push_back(std::make_unique<CShigenData>(entry->GetNumber(), entry->GetQuantity()));
    }
    m_entries = std::move(entries);
}

CShigenData* CShigen::GetNext(POSITION& pos) const {
    if (pos == 0 || pos > m_entries.size()) {
        pos = 0;
        return nullptr;
    }
    CShigenData* entry = m_entries[pos - 1].get();
    pos = pos < m_entries.size() ? pos + 1 : 0;
    return entry;
}

void CShigen::AddShigenData(std::unique_ptr<CShigenData> entry) {
    if (entry) {
        m_entries.push_back(std::move(entry));
    }
}

BOOL CShigen::BuildFromMaster(const CShigenNameTable& master) {
    BOOL added = FALSE;
    for (const auto& name : master) {
        if (name && name->GetQuantity() != 0) {
            m_entries.push_back(
                std::make_unique<CShigenData>(name->GetNumber(), name->GetQuantity()));
            added = TRUE;
        }
    }
    return added;
}

void CShigen::RemapNumbers(const CShigenNameTable& table) {
    for (const auto& entry : m_entries) {
        const std::size_t number = entry->GetNumber();
        if (number == 0 || number > table.size() || !table[number - 1]) {
            continue;
        }
        const WORD mapped = table[number - 1]->GetNumber();
        if (mapped != entry->GetNumber()) {
            entry->SetNumber(mapped);
        }
    }
}

void CShigen::Serialize(CArchive& ar) {
    CDataHeader::Serialize(ar);
    BYTE head[kElemAttrHeadSize];
    if (ar.IsStoring()) {
        ElemAttrToHead(m_attr, m_attrTail, head);
        ar.Write(head, kElemAttrHeadSize);
        if (m_attr.m_ownFont != 0) {
            LogFont16::Store(ar, m_attr.GetLogFont());
        }
        ar.WriteCount(static_cast<DWORD>(m_entries.size()));
        for (const auto& entry : m_entries) {
            ar.WriteObject(entry.get());
        }
        return;
    }

    ar.ReadExact(head, kElemAttrHeadSize);
    ElemAttrFromHead(head, m_attr, m_attrTail);
    if (m_attr.m_ownFont != 0) {
        m_attr.SetLogFont(LogFont16::Load(ar));
    } else if (const auto* document = DocumentSeam<const ILabelDocument>(ar.m_pDocument)) {
        m_attr.SetLogFont(document->GetShigenFont());
    }
    // Every entry must be an object of its own: a null or a second reference to one entry
    // would leave the list with a hole or with two owners of one object.
    const DWORD count = ar.ReadCount();
    std::vector<std::unique_ptr<CShigenData>> entries;
    for (DWORD i = 0; i < count; ++i) {
        entries.push_back(ar.ReadOwned<CShigenData>());
    }
    m_entries = std::move(entries);
}

} // namespace tembra
