// The two lists of the tool-bar customisation without widgets: the buttons a bar could still
// take (sorted, with one separator item that never leaves), and the bar's set in order. A set
// entry is a button-table number from 1 or 0 for a separator. Buttons that place a combo box
// move within the set but never leave it, and a set never becomes empty.
#pragma once

#include <functional>
#include <vector>

namespace tembra {

class CToolBarListEditor {
public:
    // The left list's separator item: sorts after every button number.
    static constexpr int kSeparatorItem = 32767;
    static constexpr int kNoSelection = -1;

    // tableSize: the numbers 1 .. tableSize of the bar's button table; fixed: the numbers that
    // may not leave the set (the combo boxes).
    CToolBarListEditor(int tableSize, std::function<bool(int)> fixed);

    // Fills both lists for a set and selects the first item of each.
    void Load(const std::vector<int>& set);

    const std::vector<int>& Available() const { return m_available; }
    const std::vector<int>& Set() const { return m_set; }
    int AvailableSelection() const { return m_availableSel; }
    int SetSelection() const { return m_setSel; }
    void SelectAvailable(int index);
    void SelectSet(int index);

    // 追加→: the selected left item goes into the set before its selected entry (at the end
    // when none is selected), and the selection moves past it. A button leaves the left list;
    // the separator item stays and adds a 0. False when nothing is selected on the left.
    bool Add();
    // ←削除: the selected set entry goes back to the left list. A fixed button is refused, a
    // separator is refused when it is the last entry, and removing the last button leaves one
    // separator. False when refused.
    bool Remove();
    bool CanRemove() const;
    // 移動 ↑ / 移動 ↓: the selected entry swaps with its neighbour and stays selected.
    bool MoveUp();
    bool MoveDown();
    bool CanMoveUp() const;
    bool CanMoveDown() const;

private:
    static int Keep(int index, std::size_t size);
    void InsertAvailable(int number);

    int m_tableSize;
    std::function<bool(int)> m_fixed;
    std::vector<int> m_available;
    std::vector<int> m_set;
    int m_availableSel = kNoSelection;
    int m_setSel = kNoSelection;
};

} // namespace tembra
