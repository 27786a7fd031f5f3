// The term list's words: the term file YOGO.INI (read only, private-profile format) and the
// contents of the list window's boxes as loading and filtering make them.
//
//   [Pattern]        0=, 1=, ... pattern names (reading stops at the first missing or empty key)
//   [pattern name]   0=, 1=, ... group names, the same way
//   [group name]     key=word sections: the keys are the entries of each column box, the value
//                    a comma-separated list of word sections the key covers
//   [word section]   word=readings: the words of a column in file order, section after section,
//                    each with its comma-separated readings
//
// Keys beginning with ";" are never shown. A value is cut at 255 bytes on a character
// boundary, and so is each item of a list; items are not trimmed. A missing file, section or key
// reads as empty.
#pragma once

#include "platform/ProfileFile.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

// The term file: the user's copy when it exists, else the one shipped with the program. Empty
// when neither exists (the lists stay empty; no one is told).
std::filesystem::path LocateYogoFile(const std::filesystem::path& userCopy);

// The picked words of the four columns joined in column order (an empty pick adds nothing).
std::string JoinYogo(const std::array<std::string, 4>& picks);

class CYogoFile {
public:
    static constexpr std::size_t kValueBytes = 255;

    // An empty path is a missing file.
    explicit CYogoFile(const std::filesystem::path& path);
    ~CYogoFile();

    // The values of keys "0", "1", ... of the section up to the first missing or empty one.
    std::vector<std::string> Numbered(const std::string& section) const;
    // The keys of the section in file order, without those beginning with ";".
    std::vector<std::string> Keys(const std::string& section) const;
    // The comma-separated items of a key's value.
    std::vector<std::string> List(const std::string& section, const std::string& key) const;
    // The words of the sections, section after section in file order, that match the reading:
    // every word for an empty reading or one beginning with "*", else the words that begin
    // with it or one of whose readings does (bytes compared as they are).
    std::vector<std::string> Words(const std::vector<std::string>& sections,
                                   const std::string& reading) const;

private:
    std::unique_ptr<ProfileFile> m_file;
};

// The boxes of the term list window: the pattern and group boxes, and per column its key box,
// its word list and its reading. The indices last loaded decide what a load has to read again.
class CYogoListModel {
public:
    static constexpr int kColumns = 4;

    explicit CYogoListModel(std::filesystem::path file) : m_path(std::move(file)) {}

    const std::vector<std::string>& Patterns() const { return m_patterns; }
    const std::vector<std::string>& Groups() const { return m_groups; }
    const std::vector<std::string>& Keys(int column) const { return m_columns[Index(column)].keys; }
    const std::vector<std::string>& Words(int column) const {
        return m_columns[Index(column)].words;
    }
    const std::string& Reading(int column) const { return m_columns[Index(column)].reading; }
    // The selected entries of the boxes (-1: none).
    int Pattern() const { return m_pattern; }
    int Group() const { return m_group; }
    int Key(int column) const { return m_columns[Index(column)].key; }

    // At start: the patterns, pattern p chosen, and every column loaded from group 0 with its
    // own key (column c the c-th key).
    void LoadPattern(int p);
    // A pattern or a group chosen: every column loaded anew from group 0 (pattern) or the
    // group, column c with the c-th key.
    void ChoosePattern(int p);
    void ChooseGroup(int g);
    // A key chosen in a column's box.
    void ChooseKey(int column, int k);
    // The reading of a column changed: its list is filtered anew with the key it shows.
    void SetReading(int column, const std::string& reading);

    // Load column: the groups of pattern p when it changed; the column's keys when the group
    // changed or force is set (then every reading is emptied); the words of key k unless they
    // are already loaded. A key outside the box empties the list. True when the readings were
    // emptied.
    bool LoadColumn(int column, int p, int g, int k, bool force);

private:
    struct Column {
        std::vector<std::string> keys;
        std::vector<std::string> words;
        std::string reading;
        int key = -1;
        int loadedKey = -1;
    };
    static std::size_t Index(int column) { return static_cast<std::size_t>(column); }

    std::filesystem::path m_path;
    std::vector<std::string> m_patterns;
    std::vector<std::string> m_groups;
    std::array<Column, kColumns> m_columns;
    int m_pattern = -1;
    int m_group = -1;
    int m_loadedPattern = -1;
    int m_loadedGroup = -1;
};

} // namespace tembra
