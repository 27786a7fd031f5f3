#include "platform/ProfileFile.h"

#include "platform/Sjis.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace tembra {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// What identifies one state of the file on disk: a rewrite by us or by another program changes
// the inode (rename) or the size or the modification time.
struct FileStamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeSec = 0;
    long mtimeNsec = 0;

    static FileStamp Of(const struct stat& st) {
        FileStamp s;
        s.exists = true;
        s.dev = st.st_dev;
        s.ino = st.st_ino;
        s.size = st.st_size;
        s.mtimeSec = static_cast<long long>(st.st_mtim.tv_sec);
        s.mtimeNsec = st.st_mtim.tv_nsec;
        return s;
    }
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return FileStamp::Of(st);
}

// Blanks of the file's text: space, tab and vertical tab. None of them can be the trail byte of
// a double-byte character, so trimming from either end never cuts one.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names passed by the program lose the blanks that reading the file takes off the names in it,
// so that a name finds what was written under it.
std::string_view TrimSpaces(std::string_view s) {
    return TrimBlanks(s);
}

// A CP932 name whose last byte is a lead byte without its trail byte: written into the file, it
// would take the "]" or "=" after it as its trail byte, and the line would read as something else.
bool EndsWithLoneLeadByte(std::string_view s) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < s.size(); i += Sjis::CharLength(s, i))
        last = i;
    return !s.empty() && last == s.size() - 1 &&
           Sjis::IsLeadByte(static_cast<unsigned char>(s[last]));
}

std::string FoldKey(std::string_view name) {
    return Sjis::ToUpperAscii(name);
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A value with matching quotes around it loses them on reading.
bool HasEnclosingQuotes(std::string_view v) {
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

} // namespace

struct ProfileFile::Line {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    std::string raw;        // the line as the file holds it, without its line end
    std::string name;       // CP932: the section name, or the key of an entry
    std::string value;      // CP932: the entry's value, trimmed, quotes still on
    std::size_t keyEnd = 0; // in raw: the end of the key's text (an entry's "=" follows)
};

struct ProfileFile::Content {
    std::vector<Line> lines;
    bool crlf = false;
    bool bom = false;
    FileStamp stamp;
    // First header line of each section (folded name), and for each section's first appearance
    // the first entry line of each key (folded "section\0key").
    std::unordered_map<std::string, std::size_t> sections;
    std::unordered_map<std::string, std::size_t> entries;

    void Reindex() {
        sections.clear();
        entries.clear();
        std::string current;
        bool inFirstAppearance = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            if (line.kind == Line::Kind::Section) {
                current = FoldKey(line.name);
                inFirstAppearance = sections.emplace(current, i).second;
            } else if (line.kind == Line::Kind::Entry && inFirstAppearance) {
                std::string k = current;
                k.push_back('\0');
                k += FoldKey(line.name);
                entries.emplace(std::move(k), i);
            }
        }
    }

    std::optional<std::size_t> SectionLine(std::string_view section) const {
        auto it = sections.find(FoldKey(section));
        if (it == sections.end())
            return std::nullopt;
        return it->second;
    }

    std::optional<std::size_t> EntryLine(std::string_view section, std::string_view key) const {
        std::string k = FoldKey(section);
        k.push_back('\0');
        k += FoldKey(key);
        auto it = entries.find(k);
        if (it == entries.end())
            return std::nullopt;
        return it->second;
    }

    // One past the last line of the section whose header is at line h.
    std::size_t SectionEnd(std::size_t h) const {
        std::size_t i = h + 1;
        while (i < lines.size() && lines[i].kind != Line::Kind::Section)
            ++i;
        return i;
    }
};

namespace {

class Codec {
public:
    explicit Codec(ProfileFlavor flavor) : m_utf8(flavor == ProfileFlavor::Registry) {}

    // A delimiter (an ASCII byte below 0x40 or "[", "]") at a character start. In UTF-8 no byte
    // of a multi-byte character is below 0x80, so a plain search is exact there.
    std::size_t Find(std::string_view text, char c, std::size_t from) const {
        return m_utf8 ? text.find(c, from) : Sjis::FindByte(text, c, from);
    }
    std::string ToCp932(std::string_view fileText) const {
        return m_utf8 ? Sjis::FromUtf8(fileText) : std::string(fileText);
    }
    std::string FromCp932(std::string_view cp932) const {
        return m_utf8 ? Sjis::ToUtf8(cp932) : std::string(cp932);
    }

private:
    bool m_utf8;
};

} // namespace

ProfileFile::ProfileFile(std::filesystem::path path, ProfileFlavor flavor)
    : m_path(std::move(path)), m_flavor(flavor) {}

ProfileFile::~ProfileFile() = default;

const ProfileFile::Content& ProfileFile::Current() const {
    FileStamp stamp = StampOf(m_path);
    if (m_content && m_content->stamp == stamp)
        return *m_content;

    auto content = std::make_unique<Content>();
    content->crlf = m_flavor == ProfileFlavor::IniFile;
    content->stamp = stamp;
    std::string text;
    if (stamp.exists) {
        int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
                content->stamp = FileStamp::Of(st);
                char buf[65536];
                for (;;) {
                    ssize_t n = ::read(fd, buf, sizeof buf);
                    if (n < 0 && errno == EINTR)
                        continue;
                    if (n <= 0)
                        break;
                    text.append(buf, static_cast<std::size_t>(n));
                }
            }
            ::close(fd);
        }
    }

    std::string_view rest = text;
    if (m_flavor == ProfileFlavor::Registry && rest.starts_with(kUtf8Bom)) {
        content->bom = true;
        rest.remove_prefix(kUtf8Bom.size());
    }
    std::size_t firstBreak = rest.find('\n');
    if (firstBreak != std::string_view::npos)
        content->crlf = firstBreak > 0 && rest[firstBreak - 1] == '\r';

    const Codec codec(m_flavor);
    bool inSection = false;
    while (!rest.empty()) {
        std::size_t nl = rest.find('\n');
        std::string_view raw = rest.substr(0, nl);
        rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);

        Line line;
        line.raw = std::string(raw);
        std::size_t start = 0;
        while (start < raw.size() && (IsBlank(raw[start]) || raw[start] == '\r'))
            ++start;
        if (start < raw.size() && raw[start] == '[') {
            std::size_t close = codec.Find(raw, ']', start + 1);
            std::string_view name = raw.substr(
                start + 1, close == std::string_view::npos ? raw.npos : close - start - 1);
            line.kind = Line::Kind::Section;
            line.name = codec.ToCp932(TrimBlanks(name));
            inSection = true;
        } else if (inSection && start < raw.size() && raw[start] != ';') {
            std::size_t eq = codec.Find(raw, '=', start);
            if (eq != std::string_view::npos) {
                std::string_view key = TrimBlanks(raw.substr(start, eq - start));
                line.kind = Line::Kind::Entry;
                line.name = codec.ToCp932(key);
                line.value = codec.ToCp932(TrimBlanks(raw.substr(eq + 1)));
                line.keyEnd = start + key.size();
            }
        }
        content->lines.push_back(std::move(line));
    }
    content->Reindex();
    m_content = std::move(content);
    return *m_content;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    std::lock_guard lock(m_mutex);
    const Content& c = Current();
    auto at = c.EntryLine(TrimSpaces(section), TrimSpaces(key));
    if (!at)
        return std::nullopt;
    std::string_view v = c.lines[*at].value;
    if (HasEnclosingQuotes(v))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t size) const {
    std::optional<std::string> found = Find(section, key);
    std::string result;
    if (found) {
        result = std::move(*found);
    } else {
        while (!defaultValue.empty() && defaultValue.back() == ' ')
            defaultValue.remove_suffix(1);
        result = std::string(defaultValue);
    }
    if (size == 0)
        return {};
    if (size != std::string::npos && result.size() > size - 1)
        result.resize(Sjis::CutLength(result, size - 1));
    return result;
}

UINT ProfileFile::ParseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    UINT value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<UINT>(text[i] - '0');
    return negative ? 0u - value : value;
}

UINT ProfileFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    std::optional<std::string> found = Find(section, key);
    if (!found || found->empty())
        return static_cast<UINT>(defaultValue);
    return ParseInt(*found);
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    for (const Line& line : Current().lines)
        if (line.kind == Line::Kind::Section && !line.name.empty())
            names.push_back(line.name);
    return names;
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
    std::lock_guard lock(m_mutex);
    const Content& c = Current();
    std::vector<std::string> names;
    auto h = c.SectionLine(TrimSpaces(section));
    if (!h)
        return names;
    for (std::size_t i = *h + 1, end = c.SectionEnd(*h); i < end; ++i)
        if (c.lines[i].kind == Line::Kind::Entry && !c.lines[i].name.empty())
            names.push_back(c.lines[i].name);
    return names;
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    // Names and values that the file could not give back as written are refused rather than
    // written into a line that would read as something else (or as two lines).
    if (section.empty() || HasLineBreakOrNul(section) ||
        Sjis::FindByte(section, ']') != section.npos)
        return false;
    if (key.empty() || HasLineBreakOrNul(key) || key.find('=') != key.npos || key.front() == ';' ||
        key.front() == '[')
        return false;
    if (HasLineBreakOrNul(value))
        return false;
    // In UTF-8 such a byte travels as a character of its own; only the CP932 text can break.
    if (m_flavor == ProfileFlavor::IniFile &&
        (EndsWithLoneLeadByte(section) || EndsWithLoneLeadByte(key)))
        return false;

    const Codec codec(m_flavor);
    std::string fileValue(value);
    if (m_flavor == ProfileFlavor::Registry && !value.empty() &&
        (IsBlank(value.front()) || IsBlank(value.back()) || HasEnclosingQuotes(value)))
        fileValue = "\"" + fileValue + "\"";
    // The value as it will read back (trimmed, quotes still on), for the parsed copy.
    std::string storedValue(TrimBlanks(fileValue));
    fileValue = codec.FromCp932(fileValue);

    std::lock_guard lock(m_mutex);
    Content next = Current();
    Line entry;
    entry.kind = Line::Kind::Entry;
    entry.value = storedValue;

    if (auto at = next.EntryLine(section, key)) {
        Line& line = next.lines[*at];
        // The key keeps its spelling in the file; only the value changes.
        line.raw = line.raw.substr(0, line.keyEnd) + "=" + fileValue;
        line.value = storedValue;
    } else if (auto h = next.SectionLine(section)) {
        std::size_t insertAt = *h + 1;
        for (std::size_t i = *h + 1, end = next.SectionEnd(*h); i < end; ++i)
            if (next.lines[i].kind == Line::Kind::Entry)
                insertAt = i + 1;
        std::string fileKey = codec.FromCp932(key);
        entry.raw = fileKey + "=" + fileValue;
        entry.name = std::string(key);
        entry.keyEnd = fileKey.size();
        next.lines.insert(next.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                          std::move(entry));
    } else {
        Line header;
        header.kind = Line::Kind::Section;
        header.raw = "[" + codec.FromCp932(section) + "]";
        header.name = std::string(section);
        next.lines.push_back(std::move(header));
        std::string fileKey = codec.FromCp932(key);
        entry.raw = fileKey + "=" + fileValue;
        entry.name = std::string(key);
        entry.keyEnd = fileKey.size();
        next.lines.push_back(std::move(entry));
    }
    return Commit(std::move(next));
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    std::lock_guard lock(m_mutex);
    Content next = Current();
    auto h = next.SectionLine(section);
    if (!h)
        return true;
    bool changed = false;
    for (std::size_t i = next.SectionEnd(*h); i-- > *h + 1;) {
        const Line& line = next.lines[i];
        if (line.kind == Line::Kind::Entry && Sjis::EqualsNoCase(line.name, key)) {
            next.lines.erase(next.lines.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
    }
    return !changed || Commit(std::move(next));
}

bool ProfileFile::DeleteSection(std::string_view section) {
    section = TrimSpaces(section);
    std::lock_guard lock(m_mutex);
    Content next = Current();
    std::vector<Line> kept;
    kept.reserve(next.lines.size());
    bool inTarget = false;
    bool changed = false;
    for (Line& line : next.lines) {
        if (line.kind == Line::Kind::Section)
            inTarget = Sjis::EqualsNoCase(line.name, section);
        if (inTarget && line.kind != Line::Kind::Other) {
            changed = true;
            continue;
        }
        kept.push_back(std::move(line));
    }
    if (!changed)
        return true;
    next.lines = std::move(kept);
    return Commit(std::move(next));
}

std::string ProfileFile::Serialize(const Content& content) const {
    std::string out;
    if (content.bom)
        out += kUtf8Bom;
    const char* eol = content.crlf ? "\r\n" : "\n";
    for (const Line& line : content.lines) {
        out += line.raw;
        out += eol;
    }
    return out;
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes bytes into a new file beside target and renames it over target, so that target is at
// every moment either the old file or the new one. On success the stamp of the new file is set.
bool ReplaceFile(const std::filesystem::path& target, const std::string& bytes, FileStamp& stamp) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path dest = target;
    std::error_code ec;
    if (std::filesystem::is_symlink(dest, ec)) {
        std::filesystem::path resolved = std::filesystem::canonical(dest, ec);
        if (!ec)
            dest = resolved;
    }
    std::filesystem::path temp = dest;
    temp.replace_filename("." + dest.filename().string() + "." + std::to_string(::getpid()) + "." +
                          std::to_string(counter++) + ".tmp");

    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(dest.c_str(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    struct stat st {};
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0 && ::fstat(fd, &st) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), dest.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    stamp = FileStamp::Of(st);
    return true;
}

} // namespace

bool ProfileFile::Commit(Content&& next) {
    if (m_batchDepth > 0) {
        // The stamp stays the one of the file on disk, so the parsed copy is kept until the
        // batch writes it.
        next.Reindex();
        m_content = std::make_unique<Content>(std::move(next));
        m_batchDirty = true;
        return true;
    }
    FileStamp stamp;
    if (!ReplaceFile(m_path, Serialize(next), stamp))
        return false;
    next.stamp = stamp;
    next.Reindex();
    m_content = std::make_unique<Content>(std::move(next));
    return true;
}

void ProfileFile::BeginBatch() {
    std::lock_guard lock(m_mutex);
    ++m_batchDepth;
}

bool ProfileFile::EndBatch() {
    std::lock_guard lock(m_mutex);
    if (m_batchDepth == 0 || --m_batchDepth > 0 || !m_batchDirty)
        return true;
    m_batchDirty = false;
    Content pending = *m_content;
    if (Commit(std::move(pending)))
        return true;
    m_content.reset();
    return false;
}

std::size_t FillNameList(const std::vector<std::string>& names, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::memset(buffer, 0, size);
    std::size_t pos = 0;
    std::size_t copied = 0;
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        // The name, its zero and the list's closing zero must all fit.
        if (size < 2 || name.size() + 1 > size - 1 - pos)
            break;
        std::memcpy(buffer + pos, name.data(), name.size());
        pos += name.size() + 1;
        ++copied;
    }
    return copied;
}

std::vector<std::string> SplitNameList(const char* buffer, std::size_t size) {
    std::vector<std::string> names;
    if (buffer == nullptr)
        return names;
    std::size_t pos = 0;
    while (pos < size && buffer[pos] != '\0') {
        std::size_t len = strnlen(buffer + pos, size - pos);
        names.emplace_back(buffer + pos, len);
        pos += len + 1;
    }
    return names;
}

std::vector<std::string> NamesThatFit(std::vector<std::string> names, std::size_t size) {
    std::vector<std::string> fit;
    std::size_t pos = 0;
    for (std::string& name : names) {
        if (name.empty())
            continue;
        if (size < 2 || name.size() + 1 > size - 1 - pos)
            break;
        pos += name.size() + 1;
        fit.push_back(std::move(name));
    }
    return fit;
}

} // namespace tembra
