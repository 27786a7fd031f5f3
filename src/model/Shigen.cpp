#include "model/Shigen.h"

#include "model/Utility.h"
#include "platform/Document.h"

#include <algorithm>

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

void CShigen::TakeFrom(CShigen& other) {
    if (this == &other) {
        return;
    }
    CDataHeader::operator=(other);
    m_attr = other.m_attr;
    m_attrTail = other.m_attrTail;
    m_entries = std::move(other.m_entries);
    other.m_entries.clear();
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
    } else if (const auto* document = ar.GetDocumentSeam<const ILabelDocument>()) {
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

// ---- Resource labels ----------------------------------------------------------------------------

namespace {

// The table entry of a resource number (1-based), or null.
const CShigenName* EntryOf(const CShigenNameTable& table, WORD number) {
    return number >= 1 && number <= table.size() ? table[number - 1U].get() : nullptr;
}

std::string NameOf(const CShigenNameTable& table, WORD number) {
    const CShigenName* entry = EntryOf(table, number);
    return entry != nullptr ? entry->GetName() : std::string();
}

// The longest name (the first of equals) and the largest amount over the entries with one.
struct ListMeasure {
    std::string longestName;
    int largest = 0;
};

ListMeasure Measure(const CShigen& list, const CShigenNameTable& table) {
    ListMeasure measure;
    for (const auto& entry : list.GetEntries()) {
        if (entry->GetQuantity() == 0) {
            continue;
        }
        measure.largest = std::max<int>(measure.largest, entry->GetQuantity());
        std::string name = NameOf(table, entry->GetNumber());
        if (name.size() > measure.longestName.size()) {
            measure.longestName = std::move(name);
        }
    }
    return measure;
}

} // namespace

int GetShigenName(const CShigenNameTable& table, int n, std::string& name) {
    if (n < 0 || static_cast<std::size_t>(n) >= table.size()) {
        return -1;
    }
    const CShigenName* entry = table[static_cast<std::size_t>(n)].get();
    name = entry != nullptr ? entry->GetName() : std::string();
    return static_cast<int>(name.size());
}

void MeasureShigenList(const CShigen& list, const CShigenNameTable& table, int& nameLength,
                       int& amount) {
    const ListMeasure measure = Measure(list, table);
    nameLength = static_cast<int>(measure.longestName.size());
    amount = measure.largest;
}

std::string FormatShigenLine(std::string_view name, int amount, int nameLength, int largest) {
    const int width = static_cast<int>(StringPrintf("%d", largest).size());
    std::string line = "[";
    line += name;
    if (static_cast<int>(name.size()) < nameLength) {
        line.append(static_cast<std::size_t>(nameLength) - name.size(), ' ');
    }
    line += ' ';
    // The amount right-aligned to the digits of the largest amount.
    line += StringPrintf("%*d", width, amount);
    line += ']';
    return line;
}

std::string GetShigenLabel(const CShigen& list, const CShigenNameTable& table, int index) {
    const ListMeasure measure = Measure(list, table);
    const auto& entries = list.GetEntries();
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) {
        const CShigenData& entry = *entries[static_cast<std::size_t>(index)];
        if (entry.GetQuantity() != 0) {
            return FormatShigenLine(NameOf(table, entry.GetNumber()), entry.GetQuantity(),
                                    static_cast<int>(measure.longestName.size()), measure.largest);
        }
    }
    return "[" + measure.longestName + " " + StringPrintf("%d", measure.largest) + "]";
}

} // namespace tembra
