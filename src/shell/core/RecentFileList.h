// The recent-file list of the File menu: the last four documents opened or saved, newest first,
// kept in the profile section "Recent File List" as "File1" to "File4".
#pragma once

#include <string>
#include <vector>

namespace tembra {

class CRecentFileList {
public:
    static constexpr const char* kSection = "Recent File List";

    explicit CRecentFileList(int size) : m_size(size) {}

    void ReadList();
    void WriteList() const;
    // Puts the path first; an entry of the same path goes, the oldest falls off the end.
    void Add(const std::string& path);
    void Remove(int index);
    // File-system paths, newest first.
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    int m_size;
    std::vector<std::string> m_paths;
};

} // namespace tembra
