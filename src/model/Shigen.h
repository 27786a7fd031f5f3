// Resources (資源) of a process: the list of resource numbers with quantities that a process
// carries and shows as a label, and the entries of the document's resource master table.
#pragma once

#include "model/DataHeader.h"
#include "model/Yogo.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// One resource of a process: the resource number (1-based position in the master table) and
// its quantity (数量).
class CShigenData : public CObject {
    DECLARE_SERIAL(CShigenData)
public:
    CShigenData() = default;
    CShigenData(WORD number, WORD quantity) : m_number(number), m_quantity(quantity) {}
    CShigenData(const CShigenData& other) = default;
    CShigenData& operator=(const CShigenData& other) = default;

    WORD GetNumber() const { return m_number; }
    void SetNumber(WORD number) { m_number = number; }
    WORD GetQuantity() const { return m_quantity; }
    void SetQuantity(WORD quantity) { m_quantity = quantity; }

    // The number and the quantity.
    void CopyFrom(const CShigenData& other) {
        m_number = other.m_number;
        m_quantity = other.m_quantity;
    }

    // WORD number, WORD quantity.
    void Serialize(CArchive& ar) override;

protected:
    WORD m_number = 0;
    WORD m_quantity = 0;
};

// An entry of the resource master table: number, default quantity and name.
class CShigenName : public CShigenData {
    DECLARE_SERIAL(CShigenName)
public:
    CShigenName() = default;
    CShigenName(WORD number, WORD quantity, std::string_view name)
        : CShigenData(number, quantity), m_name(name) {}
    CShigenName(const CShigenName& other) = default;
    CShigenName& operator=(const CShigenName& other) = default;

    std::string GetName() const { return m_name; }
    void SetName(std::string_view name) { m_name = name; }

    // The number, the quantity and the name.
    void CopyFrom(const CShigenName& other) {
        CShigenData::CopyFrom(other);
        m_name = other.m_name;
    }

    // The two words, then the name as a string.
    void Serialize(CArchive& ar) override;

private:
    std::string m_name;
};

// The document's resource master table (entry i describes resource number i + 1), and the same
// shape for the application's resource-name clipboard.
using CShigenNameTable = std::vector<std::unique_ptr<CShigenName>>;

// The resource list of a process (kind 1, sub-kind 5).
class CShigen : public CDataHeader {
    DECLARE_SERIAL(CShigen)
public:
    // A walk position over the entries; 0 is past the last entry.
    using POSITION = std::size_t;

    CShigen();
    ~CShigen() override = default;

    // Header, attribute block (with the font) and a new copy of every entry; the list's own
    // entries are replaced. Copying a list onto itself does nothing.
    void CopyFrom(const CShigen& other);
    // Becomes other: header and attribute block copied, other's entries moved over as they are
    // (other keeps none). Nothing on itself.
    void TakeFrom(CShigen& other);

    // The label block; its font is the list's font (used when the own-font flag is set).
    CElemAttr& GetAttr() { return m_attr; }
    const CElemAttr& GetAttr() const { return m_attr; }
    const LOGFONT& GetLogFont() const { return m_attr.GetLogFont(); }
    void SetLogFont(const LOGFONT& font) { m_attr.SetLogFont(font); }
    const ElemAttrTail& GetAttrTail() const { return m_attrTail; }

    POSITION GetHeadPosition() const { return m_entries.empty() ? 0 : 1; }
    // The entry at pos; pos moves to the next entry (0 after the last). Null for pos 0.
    CShigenData* GetNext(POSITION& pos) const;
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const std::vector<std::unique_ptr<CShigenData>>& GetEntries() const { return m_entries; }

    // Appends the entry (the list owns it); a null entry is not taken.
    void AddShigenData(std::unique_ptr<CShigenData> entry);
    // Deletes every entry.
    void RemoveAll() { m_entries.clear(); }

    // Appends an entry for every master entry with a non-zero quantity (its number and
    // quantity); TRUE when it appended any.
    BOOL BuildFromMaster(const CShigenNameTable& master);
    // Each entry takes the number of the table's entry at (number - 1) when that differs; an
    // entry whose number does not index the table keeps it.
    void RemapNumbers(const CShigenNameTable& table);

    // Header; the 46-byte attribute head; the font (LogFont16) when the own-font flag is set,
    // else on load the document's resource font; then the entries as a list of objects.
    void Serialize(CArchive& ar) override;

private:
    CElemAttr m_attr;
    ElemAttrTail m_attrTail{};
    std::vector<std::unique_ptr<CShigenData>> m_entries;
};

// ---- Resource labels ------------------------------------------------------------------------
// A process shows its resources as a label of one line per entry: "[", the resource name padded
// with blanks to the longest name of the list, a blank, the amount right-aligned to the digits
// of the largest amount, "]". Lengths are bytes of the CP932 text. Only entries with an amount
// count; a resource number without a table entry has an empty name.

// The name of entry n (0-based) of the table and its length; -1 (name untouched) when n is no
// entry.
int GetShigenName(const CShigenNameTable& table, int n, std::string& name);
// Over the entries of the list with an amount: the length of the longest name and the largest
// amount (0 and 0 when none has one).
void MeasureShigenList(const CShigen& list, const CShigenNameTable& table, int& nameLength,
                       int& amount);
// One line of the label for a name and an amount, with the longest name length and the largest
// amount of the list.
std::string FormatShigenLine(std::string_view name, int amount, int nameLength, int largest);
// The line of the entry at index (every entry counted from 0) when it has an amount; otherwise,
// as for index -1, the widest line of the list: "[", the longest name, a blank, the largest
// amount, "]", which sizes the label box.
std::string GetShigenLabel(const CShigen& list, const CShigenNameTable& table, int index);

} // namespace tembra
