// The entries of the online term-search settings dialog: up to ten web searches, each a title and
// an address, kept in the profile sections "ExecURL\0000" to "ExecURL\0009" (keys "Title" and
// "URL"). While fewer than ten are listed an add row "（追加）" follows them. The dialog shows
// this list and calls its operations; the rules of the buttons are here.
#pragma once

#include <string>
#include <vector>

namespace tembra {

struct SearchUrlEntry {
    std::string title; // CP932
    std::string url;   // CP932
    bool operator==(const SearchUrlEntry&) const = default;
};

class CSearchUrlList {
public:
    static constexpr int kMaxEntries = 10;

    // Reads the entries up to the first empty title. The add row is selected while there is
    // one, else row 0.
    void Load();
    // Writes the entries to their slots and empty texts to the slots after them.
    void Save() const;

    const std::vector<SearchUrlEntry>& Entries() const { return m_entries; }
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    // The rows shown: the entries and, below ten, the add row.
    int GetRowCount() const;
    bool IsAddRow(int row) const { return row == GetCount() && GetCount() < kMaxEntries; }

    // The selected row, -1 for none.
    int GetSelection() const { return m_selection; }
    void Select(int row);

    // 削除, ↑移動 and ↓移動 for the selection: none for no selection or the add row; the first
    // row cannot move up, the last entry not down.
    struct ButtonStates {
        bool remove = false;
        bool up = false;
        bool down = false;
        bool operator==(const ButtonStates&) const = default;
    };
    ButtonStates GetButtonStates() const;
    // "設定" needs both texts.
    static bool CanSet(const std::string& title, const std::string& url) {
        return !title.empty() && !url.empty();
    }

    // "設定": on the add row a new entry at the end (the add row then selected again, unless
    // there are ten now); on an entry its texts are replaced.
    void Set(const std::string& title, const std::string& url);
    // "削除": the selected entry goes; the selection stays at its index.
    void Remove();
    // "↑移動" / "↓移動": the selected entry changes places with its neighbour, the selection
    // goes with it.
    void MoveUp();
    void MoveDown();

private:
    std::vector<SearchUrlEntry> m_entries;
    int m_selection = 0;
};

} // namespace tembra
