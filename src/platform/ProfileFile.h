// A sectioned text file read and written the way the Windows private-profile functions do it.
//
//   [Section]          a header; blanks around the name are ignored, the name ends at the first
//   key = value        "]" (or at the line end); keys and values are trimmed of blanks, and one
//   ; comment          pair of matching single or double quotes around a value is dropped
//
// Sections and keys match case-insensitively, folding ASCII letters only (never a byte of a
// double-byte character). Keys before the first section, comment lines (";" first), blank lines
// and lines without "=" are not entries; they are kept as they are when the file is rewritten.
// A section may appear more than once: the section list names each appearance, but look-ups,
// key lists and writes use its first appearance, as Windows does.
//
// The interface speaks CP932 whatever the file's encoding. The file is parsed once and kept
// until it changes on disk; every write rewrites the whole file through a temporary file and a
// rename, so a crash or a full disk leaves the old file whole.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tembra {

enum class ProfileFlavor {
    // An INI file exchanged with other programs: CP932 on disk, CR LF line ends in a new file
    // (an existing file keeps its own), values written exactly as given, as Windows writes them.
    IniFile,
    // A file that stands in for a registry key: UTF-8 on disk, LF line ends in a new file, and a
    // value that reading would change (blanks at an end, enclosing quotes) is written inside
    // double quotes, so that every value comes back exactly as written, as a registry value does.
    Registry,
};

class ProfileFile {
public:
    ProfileFile(std::filesystem::path path, ProfileFlavor flavor);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    ProfileFlavor Flavor() const { return m_flavor; }

    // The value of key in section, or nothing when the file, section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // GetPrivateProfileString: the value, else the default with its trailing blanks removed;
    // either cut to size - 1 bytes on a character boundary (size is the caller's buffer size,
    // npos for no limit).
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue,
                          std::size_t size = std::string::npos) const;
    // GetPrivateProfileInt: the value's optional sign and leading decimal digits (32-bit,
    // wrapping as Windows does); the default when the key is missing or its value empty.
    UINT GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The names of all section headers in file order (a repeated section is named again).
    std::vector<std::string> SectionNames() const;
    // The keys of the section in file order (duplicates included).
    std::vector<std::string> KeyNames(std::string_view section) const;
    // The keys of the section in file order (duplicates included), each with its value as Find
    // gives it: the whole section in one look at the file.
    std::vector<std::pair<std::string, std::string>> SectionEntries(std::string_view section) const;

    // WritePrivateProfileString: replaces the value of an existing key in place, or appends the
    // key to the end of the section's entries, or appends the section to the file. Returns false,
    // changing nothing, when the file cannot be written or when a name or value cannot be stored
    // so that it reads back (a line break, a NUL, a "]" in a section name, an "=" in a key, a key
    // beginning with ";" or "[", an empty section name, in a CP932 file a name ending in a lead
    // byte). Names lose surrounding blanks here as in the file.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of the key from the section; true also when there was none.
    bool DeleteKey(std::string_view section, std::string_view key);
    // Removes every appearance of the section: headers and entries (comments stay, as Windows
    // leaves them); true also when there was none.
    bool DeleteSection(std::string_view section);

    // A batch of writes: between BeginBatch and the matching EndBatch the writes change the
    // parsed copy only, in place, and EndBatch writes the file once (a settings save of hundreds
    // of keys is one file replacement, not hundreds, and each write costs the same however large
    // the file is). Batches nest. When the final write fails, EndBatch returns false and the
    // parsed copy is dropped, so that reads show the file as it is on disk.
    void BeginBatch();
    bool EndBatch();
    // Ends a batch without writing: the batch's writes are dropped (an outer batch writes
    // nothing either) and reads show the file as it is on disk.
    void AbandonBatch();

private:
    struct Line;
    struct Block;
    struct Content;

    // Re-reads the file when it changed on disk since it was last read. Caller holds m_mutex.
    const Content& Current() const;
    // Runs edit (Content& -> whether it changed anything) on the parsed copy inside a batch, or
    // else on a copy that is written to disk and then replaces it. Caller holds m_mutex.
    template <typename Edit> bool Apply(Edit edit);
    bool Commit(Content&& next);
    std::string Serialize(const Content& content) const;

    std::filesystem::path m_path;
    ProfileFlavor m_flavor;
    mutable std::mutex m_mutex;
    mutable std::unique_ptr<Content> m_content;
    int m_batchDepth = 0;
    bool m_batchDirty = false;
    bool m_batchAbandoned = false;
};

// Keeps a batch open on a profile file for its life; Commit ends it early and tells whether the
// file was written.
class ProfileBatch {
public:
    explicit ProfileBatch(ProfileFile& file) : m_file(&file) { m_file->BeginBatch(); }
    ~ProfileBatch() { Commit(); }
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    bool Commit() {
        if (!m_file)
            return m_ok;
        m_ok = m_file->EndBatch();
        m_file = nullptr;
        return m_ok;
    }
    // Ends the batch without writing anything of it (a write inside it was refused).
    void Abandon() {
        if (m_file) {
            m_file->AbandonBatch();
            m_file = nullptr;
        }
        m_ok = false;
    }

private:
    ProfileFile* m_file;
    bool m_ok = true;
};

// Writes the names into a caller's buffer as a list of zero-terminated names ended by an empty
// name, the way the registry enumerations of the program fill theirs: the buffer is cleared, a
// name is copied only when it fits whole together with the list's final zero, and the list
// stops once fewer than three bytes are left, so it always ends with two zero bytes. An empty
// name and a name holding a zero byte are left out: either would end the list early. Nothing is
// written for a null buffer or a size of 0. Returns the number of names copied.
std::size_t FillNameList(const std::vector<std::string>& names, char* buffer, std::size_t size);
// The names of such a list, up to size bytes.
std::vector<std::string> SplitNameList(const char* buffer, std::size_t size);
// The names that fit whole into a list of size bytes, as FillNameList would copy them.
std::vector<std::string> NamesThatFit(std::vector<std::string> names, std::size_t size);

} // namespace tembra
