#include "dialogs/settings/core/ToolBarListEditor.h"

#include <algorithm>

namespace tembra {

CToolBarListEditor::CToolBarListEditor(int tableSize, std::function<bool(int)> fixed)
    : m_tableSize(tableSize), m_fixed(std::move(fixed)) {}

int CToolBarListEditor::Keep(int index, std::size_t size) {
    if (size == 0) {
        return kNoSelection;
    }
    return std::clamp(index, 0, static_cast<int>(size) - 1);
}

void CToolBarListEditor::Load(const std::vector<int>& set) {
    m_set = set;
    m_available.clear();
    for (int n = 1; n <= m_tableSize; ++n) {
        if (std::find(m_set.begin(), m_set.end(), n) == m_set.end()) {
            m_available.push_back(n);
        }
    }
    m_available.push_back(kSeparatorItem);
    m_availableSel = 0;
    m_setSel = m_set.empty() ? kNoSelection : 0;
}

void CToolBarListEditor::SelectAvailable(int index) {
    m_availableSel =
        index >= 0 && index < static_cast<int>(m_available.size()) ? index : kNoSelection;
}

void CToolBarListEditor::SelectSet(int index) {
    m_setSel = index >= 0 && index < static_cast<int>(m_set.size()) ? index : kNoSelection;
}

void CToolBarListEditor::InsertAvailable(int number) {
    m_available.insert(std::lower_bound(m_available.begin(), m_available.end(), number), number);
}

bool CToolBarListEditor::Add() {
    if (m_availableSel == kNoSelection) {
        return false;
    }
    const int item = m_available[static_cast<std::size_t>(m_availableSel)];
    int entry = 0;
    if (item != kSeparatorItem) {
        entry = item;
        m_available.erase(m_available.begin() + m_availableSel);
        m_availableSel = Keep(m_availableSel, m_available.size());
    }
    const int at = m_setSel == kNoSelection ? static_cast<int>(m_set.size()) : m_setSel;
    m_set.insert(m_set.begin() + at, entry);
    SelectSet(at + 1);
    return true;
}

bool CToolBarListEditor::CanRemove() const {
    if (m_setSel == kNoSelection) {
        return false;
    }
    const int entry = m_set[static_cast<std::size_t>(m_setSel)];
    if (entry == 0) {
        return m_set.size() > 1;
    }
    return !m_fixed || !m_fixed(entry);
}

bool CToolBarListEditor::Remove() {
    if (!CanRemove()) {
        return false;
    }
    const int entry = m_set[static_cast<std::size_t>(m_setSel)];
    m_set.erase(m_set.begin() + m_setSel);
    if (entry != 0) {
        InsertAvailable(entry);
    }
    if (m_set.empty()) {
        m_set.push_back(0);
    }
    m_setSel = Keep(m_setSel, m_set.size());
    return true;
}

bool CToolBarListEditor::CanMoveUp() const {
    return m_set.size() > 1 && m_setSel > 0;
}

bool CToolBarListEditor::CanMoveDown() const {
    return m_set.size() > 1 && m_setSel != kNoSelection &&
           m_setSel < static_cast<int>(m_set.size()) - 1;
}

bool CToolBarListEditor::MoveUp() {
    if (!CanMoveUp()) {
        return false;
    }
    std::swap(m_set[static_cast<std::size_t>(m_setSel)],
              m_set[static_cast<std::size_t>(m_setSel) - 1]);
    --m_setSel;
    return true;
}

bool CToolBarListEditor::MoveDown() {
    if (!CanMoveDown()) {
        return false;
    }
    std::swap(m_set[static_cast<std::size_t>(m_setSel)],
              m_set[static_cast<std::size_t>(m_setSel) + 1]);
    ++m_setSel;
    return true;
}

} // namespace tembra
