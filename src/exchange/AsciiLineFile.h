// The text file of the ASCII export and import, one line at a time. Lines are written with a CR
// LF at their end; a line read loses its line end (LF, CR LF, or a CR before the end of the file)
// and is cut to the length asked for on a character boundary. A file written is put in place
// only when it is closed whole, so a failed write leaves the file that was there.
#pragma once

#include "platform/File.h"
#include "platform/Types.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CAsciiLineFile {
public:
    enum Mode { modeRead, modeWrite };
    // The most a line read may hold (the header line of the import: kFirstLineBytes).
    static constexpr std::size_t kLineBytes = 511;
    static constexpr std::size_t kFirstLineBytes = 255;

    CAsciiLineFile() = default;
    CAsciiLineFile(const CAsciiLineFile&) = delete;
    CAsciiLineFile& operator=(const CAsciiLineFile&) = delete;
    ~CAsciiLineFile();

    // Opens the path as it was chosen. A file that cannot be read is told in the framework's
    // message with its path, and FALSE.
    BOOL Open(const std::filesystem::path& path, Mode mode);
    // Reads from a file the caller opened (and keeps).
    void Attach(CFile& file);

    // The next line, cut to maxBytes; FALSE at the end of the file.
    BOOL ReadLine(std::string& line, std::size_t maxBytes = kLineBytes);
    // Writes the text as it stands, each "\n" as CR LF.
    void WriteString(std::string_view text);
    // A file written goes in place of the one at its path; a failure is told with the system's
    // reason and gives FALSE. Reading: TRUE.
    BOOL Close();

private:
    int NextByte();

    Mode m_mode = modeRead;
    std::filesystem::path m_path;
    std::unique_ptr<CFile> m_own;
    CFile* m_file = nullptr;
    std::vector<BYTE> m_buffer;
    std::size_t m_pos = 0;
    bool m_end = false;
    std::string m_written;
};

} // namespace tembra
