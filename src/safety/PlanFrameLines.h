// The lines of one frame as a text dialog arranges them: always ending in one empty line, which is
// where the next added line goes when it is chosen. Only the pair CR LF separates lines; a lone CR
// or LF stays inside its line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CPlanFrameLines {
public:
    CPlanFrameLines() { Clear(); }

    // The frame's text cut at every CR LF, then the empty line, chosen.
    void Load(std::string_view text);
    // Every line but the last, each followed by CR LF.
    std::string Compose() const;

    // Inserts before the chosen line; the chosen line stays chosen (so repeated adds go
    // top-down). Without a choice nothing happens.
    void Insert(const std::string& line);
    // Inserts just before the last line.
    void InsertBeforeLast(const std::string& line);
    void Delete();
    void MoveUp();
    void MoveDown();
    void Clear();

    const std::vector<std::string>& Lines() const { return m_lines; }
    // -1 when no line is chosen.
    int Chosen() const { return m_chosen; }
    void Choose(int index);

private:
    bool LastChosen() const { return m_chosen == static_cast<int>(m_lines.size()) - 1; }

    std::vector<std::string> m_lines;
    int m_chosen = -1;
};

} // namespace tembra
