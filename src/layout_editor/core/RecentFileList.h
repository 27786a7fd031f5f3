// The recent-file list of the File menu: the last four layouts opened or saved, newest first,
// kept in the user profile (section "Recent File List", "File1" ... "File4") so that the next
// start shows them too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace marquell {

class CRecentFileList {
public:
    static constexpr std::size_t kSize = 4;

    // Reads the list from the profile.
    void ReadList();
    // Puts a path (UTF-8) at the head; an entry of the same path moves there. Written at once.
    void Add(const std::string& path);
    // Takes out an entry (one that could not be opened). Written at once.
    void Remove(std::size_t index);
    const std::vector<std::string>& GetEntries() const { return m_entries; }

private:
    void WriteList() const;

    std::vector<std::string> m_entries;
};

} // namespace marquell
