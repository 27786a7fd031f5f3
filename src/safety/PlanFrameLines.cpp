#include "safety/PlanFrameLines.h"

#include <utility>

namespace tembra {

void CPlanFrameLines::Load(std::string_view text) {
    m_lines.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) {
            m_lines.emplace_back(text.substr(pos));
            break;
        }
        m_lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    m_lines.emplace_back();
    m_chosen = static_cast<int>(m_lines.size()) - 1;
}

std::string CPlanFrameLines::Compose() const {
    std::string text;
    for (std::size_t i = 0; i + 1 < m_lines.size(); ++i) {
        text += m_lines[i];
        text += "\r\n";
    }
    return text;
}

void CPlanFrameLines::Choose(int index) {
    m_chosen = index >= 0 && index < static_cast<int>(m_lines.size()) ? index : -1;
}

void CPlanFrameLines::Insert(const std::string& line) {
    if (m_chosen < 0) {
        return;
    }
    m_lines.insert(m_lines.begin() + m_chosen, line);
    ++m_chosen;
}

void CPlanFrameLines::InsertBeforeLast(const std::string& line) {
    const int last = static_cast<int>(m_lines.size()) - 1;
    m_lines.insert(m_lines.begin() + last, line);
    if (m_chosen >= last) {
        ++m_chosen;
    }
}

void CPlanFrameLines::Delete() {
    if (m_chosen < 0) {
        return;
    }
    if (LastChosen()) {
        m_lines.emplace_back();
    }
    m_lines.erase(m_lines.begin() + m_chosen);
}

void CPlanFrameLines::MoveUp() {
    if (m_chosen <= 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(m_chosen);
    if (LastChosen() && !m_lines[i - 1].empty()) {
        m_lines.emplace_back();
    }
    std::swap(m_lines[i], m_lines[i - 1]);
    --m_chosen;
}

void CPlanFrameLines::MoveDown() {
    if (m_chosen < 0 || LastChosen()) {
        return;
    }
    const auto i = static_cast<std::size_t>(m_chosen);
    if (m_chosen == static_cast<int>(m_lines.size()) - 2 && !m_lines[i].empty()) {
        m_lines.emplace_back();
    }
    std::swap(m_lines[i], m_lines[i + 1]);
    ++m_chosen;
}

void CPlanFrameLines::Clear() {
    m_lines.assign(1, std::string());
    m_chosen = 0;
}

} // namespace tembra
