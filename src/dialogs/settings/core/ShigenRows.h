// The rows of the resource windows: the document's resource-name table seen five entries at a
// time, each row a name and a quantity. Row r (0 to 4) shows the table entry at first + r; the
// first free slot after the last entry takes a new name, so the table grows one entry at a time
// from the window. The quantities are working values of the window (what input clicks give and
// what 決定 writes), never stored per entry in the file.
#pragma once

#include "model/Shigen.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

class CKoutei;
class CTembraDoc;

struct ShigenRow {
    std::string name; // CP932
    std::string quantity;
    bool nameEnabled = false;
    bool quantityEnabled = false;
};

// Where the focus goes after the rows are filled or paged.
enum class ShigenFocus { FirstName, FirstQuantity };

// What the edit window shows of a process beside its quantities.
struct ShigenKouteiTexts {
    std::string workName;  // the first term's text, CP932
    std::string totalDays; // "%ld日" in CP932, empty without a process
    std::string realDays;
};

class CShigenRows {
public:
    static constexpr int kRows = 5;
    // The largest quantity an entry holds (16 bits).
    static constexpr int kMaxQuantity = 65535;

    // Binds the table (none: every row disabled) and shows its first page.
    void Bind(CShigenNameTable* table);
    CShigenNameTable* Table() const { return m_table; }

    int First() const { return m_first; }
    const std::array<ShigenRow, kRows>& Rows() const { return m_rows; }
    bool NextEnabled() const { return m_nextEnabled; }
    bool PrevEnabled() const { return m_prevEnabled; }

    // The rows from the table; the focus the window gives after filling.
    ShigenFocus Fill();
    // ▼次 and ▲前: the next or the previous five entries (▲前 stays on the first page).
    ShigenFocus Next();
    ShigenFocus Previous();

    // The name typed into row r: the entry is named (a new entry at the first free slot; an
    // empty name is kept as one blank), and the row's quantity and the next row's name (on the
    // last row: ▼次) become enabled. False when r shows no entry and no free slot.
    bool SetName(int row, const std::string& name);
    // The quantity typed into row r: blanks around a decimal number allowed, empty is 0. False
    // for anything else or a value above kMaxQuantity; the entry keeps its quantity then.
    bool SetQuantity(int row, const std::string& text);
    // A quantity text as SetQuantity reads it.
    static std::optional<int> ParseQuantity(const std::string& text);

    // The edit window's process (null: none): every entry's quantity becomes 0, then the
    // process's resources give theirs; a resource numbered outside 1..count is left out. The
    // rows on the page show the quantities the process gives and are empty elsewhere.
    ShigenKouteiTexts ShowKoutei(const CKoutei* process, CTembraDoc& document);

    // The entries with their quantities, in table order (the input window's rows).
    std::vector<CShigenData> Entries() const;

private:
    bool Exists(std::size_t index) const;

    CShigenNameTable* m_table = nullptr;
    int m_first = 0;
    std::array<ShigenRow, kRows> m_rows;
    bool m_nextEnabled = false;
    bool m_prevEnabled = false;
};

} // namespace tembra
