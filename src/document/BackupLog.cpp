#include "document/BackupLog.h"

#include <fstream>
#include <sstream>

namespace tembra::BackupLog {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string ReadWhole(const std::filesystem::path& log) {
    std::ifstream in(log, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Between(std::string_view line, std::size_t from) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos || bar < from) {
        return {};
    }
    return std::string(line.substr(from, bar - from));
}

} // namespace

std::vector<std::string> ReadLines(const std::filesystem::path& log) {
    std::vector<std::string> lines;
    const std::string bytes = ReadWhole(log);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string CopyName(std::string_view line) {
    if (!line.starts_with(kFileKey)) {
        return {};
    }
    return Between(line, kCopyIndex);
}

std::string DocumentName(std::string_view line) {
    if (line.size() <= kCopyIndex) {
        return {};
    }
    return Between(line, kNameIndex);
}

std::string EntryLine(char mark, int slot, std::string_view documentName,
                      std::string_view documentPath) {
    std::string line(kFileKey);
    line += '<';
    line += mark;
    line += ">=~";
    line += static_cast<char>('0' + slot);
    line += documentName;
    line += '|';
    line += documentPath;
    return line;
}

bool Append(const std::filesystem::path& log, const std::filesystem::path& backupFolder,
            const std::vector<std::string>& lines) {
    std::string bytes = ReadWhole(log);
    std::string added;
    if (!bytes.starts_with(kInfoLine)) {
        added += std::string(kInfoLine) + std::string(kLineEnd);
        added += std::string(kDirKey) + backupFolder.string() + std::string(kLineEnd);
        bytes.insert(0, added);
    } else if (!bytes.empty() && bytes.back() != '\n') {
        bytes += kLineEnd;
    }
    for (const std::string& line : lines) {
        bytes += line;
        bytes += kLineEnd;
    }
    std::ofstream out(log, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    return static_cast<bool>(out);
}

} // namespace tembra::BackupLog
