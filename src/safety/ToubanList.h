// The editing of a rota's duty persons shared by the roster page and the duty staff dialog: the
// list in rota order with at most one head after any edit (a list read from a file may have
// none or several; the first counts). A name is refused when it is empty or equal, byte by byte,
// to a name of the list; a refused edit or one without a valid place changes nothing.
#pragma once

#include "safety/ToubanEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace tembra {

class CToubanList {
public:
    CToubanList() = default;
    explicit CToubanList(std::vector<CToubanEntry> entries) : m_entries(std::move(entries)) {}

    const std::vector<CToubanEntry>& Entries() const { return m_entries; }
    int Size() const { return static_cast<int>(m_entries.size()); }
    void Clear() { m_entries.clear(); }
    void Append(CToubanEntry entry) { m_entries.push_back(std::move(entry)); }

    bool Refuses(const std::string& name) const;
    // The position of the first head, or nothing.
    std::optional<int> Head() const;

    // A new last entry, the head when the list was empty.
    bool Add(const std::string& name);
    // A new entry (not head) before index.
    bool Insert(int index, const std::string& name);
    // The entry at index takes the name; its head flag stays.
    bool Rename(int index, const std::string& name);
    // Removes the entry at index; when it was the head the first remaining entry becomes it.
    bool Remove(int index);
    // Clears every head flag; then the entry at index, when there is one, becomes the head.
    void SetHead(std::optional<int> index);
    // Swaps the entry at index with its neighbour delta (-1 up, +1 down); the entry's new
    // position, or nothing when it cannot move.
    std::optional<int> Move(int index, int delta);

    // A line of the person lists: the name, followed directly by "(先頭)" for a head (CP932).
    static std::string LineText(const CToubanEntry& entry);

private:
    bool Valid(int index) const { return index >= 0 && index < Size(); }

    std::vector<CToubanEntry> m_entries;
};

} // namespace tembra
