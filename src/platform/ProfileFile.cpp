#include "platform/ProfileFile.h"

#include "platform/NumberText.h"
#include "platform/ReplaceFile.h"
#include "platform/Sjis.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

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
    // Removed: an entry deleted inside its section's lines, written no more.
    enum class Kind { Other, Section, Entry, Removed };
    Kind kind = Kind::Other;
    std::string raw;        // the line as the file holds it, without its line end
    std::string name;       // CP932: the section name, or the key of an entry
    std::string value;      // CP932: the entry's value, trimmed, quotes still on
    std::size_t keyEnd = 0; // in raw: the end of the key's text (an entry's "=" follows)
};

// One appearance of a section: its header, its lines up to its last entry (a new key goes right
// after them), and the lines after that entry up to the next header. The lines before the first
// header form a block without header or entries. Lines are only ever added at the end of body
// or removed from its end, and a deleted entry inside body becomes a Removed line, so that the
// positions in keys stay true through any number of writes.
struct ProfileFile::Block {
    std::vector<Line> body;
    std::deque<Line> tail;
    // In the first appearance of a section: the first line in body of each key (folded).
    std::unordered_map<std::string, std::size_t> keys;
    // Some key of the first appearance stands on more than one line.
    bool repeatedKeys = false;

    const Line& Header() const { return body.front(); }

    // Removes the entry at body[at]. At the end of body, the lines between the entry before it
    // and it join the tail, since a new key now goes after that entry.
    void RemoveEntry(std::size_t at) {
        if (at + 1 < body.size()) {
            body[at] = Line{Line::Kind::Removed, {}, {}, {}, 0};
            return;
        }
        body.pop_back();
        std::vector<Line> loose;
        while (body.size() > 1 && body.back().kind != Line::Kind::Entry) {
            if (body.back().kind != Line::Kind::Removed)
                loose.push_back(std::move(body.back()));
            body.pop_back();
        }
        for (Line& line : loose)
            tail.push_front(std::move(line));
    }
};

struct ProfileFile::Content {
    std::vector<Block> blocks; // blocks[0]: the lines before the first header
    bool crlf = false;
    bool bom = false;
    FileStamp stamp;
    // The block of each section's first appearance (folded name).
    std::unordered_map<std::string, std::size_t> sections;

    // Splits lines in file order into blocks and indexes them.
    void Build(std::vector<Line> lines) {
        blocks.clear();
        sections.clear();
        blocks.emplace_back();
        for (Line& line : lines) {
            if (line.kind == Line::Kind::Removed)
                continue;
            if (line.kind == Line::Kind::Section) {
                blocks.emplace_back();
                blocks.back().body.push_back(std::move(line));
                continue;
            }
            Block& block = blocks.back();
            if (line.kind != Line::Kind::Entry) {
                block.tail.push_back(std::move(line));
                continue;
            }
            for (Line& loose : block.tail)
                block.body.push_back(std::move(loose));
            block.tail.clear();
            block.body.push_back(std::move(line));
        }
        for (std::size_t b = 1; b < blocks.size(); ++b) {
            Block& block = blocks[b];
            if (!sections.emplace(FoldKey(block.Header().name), b).second)
                continue;
            for (std::size_t i = 1; i < block.body.size(); ++i)
                if (block.body[i].kind == Line::Kind::Entry &&
                    !block.keys.emplace(FoldKey(block.body[i].name), i).second)
                    block.repeatedKeys = true;
        }
    }

    // Every line in file order (Removed lines excepted).
    std::vector<Line> TakeLines() {
        std::vector<Line> lines;
        for (Block& block : blocks) {
            for (Line& line : block.body)
                if (line.kind != Line::Kind::Removed)
                    lines.push_back(std::move(line));
            for (Line& line : block.tail)
                lines.push_back(std::move(line));
        }
        blocks.clear();
        sections.clear();
        return lines;
    }

    const Block* FindSection(std::string_view section) const {
        auto it = sections.find(FoldKey(section));
        return it == sections.end() ? nullptr : &blocks[it->second];
    }
    Block* FindSection(std::string_view section) {
        return const_cast<Block*>(std::as_const(*this).FindSection(section));
    }

    const Line* FindEntry(std::string_view section, std::string_view key) const {
        const Block* block = FindSection(section);
        if (block == nullptr)
            return nullptr;
        auto it = block->keys.find(FoldKey(key));
        return it == block->keys.end() ? nullptr : &block->body[it->second];
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
    std::vector<Line> lines;
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
        lines.push_back(std::move(line));
    }
    content->Build(std::move(lines));
    m_content = std::move(content);
    return *m_content;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    std::lock_guard lock(m_mutex);
    const Line* entry = Current().FindEntry(TrimSpaces(section), TrimSpaces(key));
    if (entry == nullptr)
        return std::nullopt;
    std::string_view v = entry->value;
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

UINT ProfileFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    std::optional<std::string> found = Find(section, key);
    if (!found || found->empty())
        return static_cast<UINT>(defaultValue);
    return NumberText::ProfileInt(*found);
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::lock_guard lock(m_mutex);
    const Content& c = Current();
    std::vector<std::string> names;
    for (std::size_t b = 1; b < c.blocks.size(); ++b)
        if (!c.blocks[b].Header().name.empty())
            names.push_back(c.blocks[b].Header().name);
    return names;
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    const Block* block = Current().FindSection(TrimSpaces(section));
    if (block == nullptr)
        return names;
    for (const Line& line : block->body)
        if (line.kind == Line::Kind::Entry && !line.name.empty())
            names.push_back(line.name);
    return names;
}

std::vector<std::pair<std::string, std::string>>
ProfileFile::SectionEntries(std::string_view section) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::pair<std::string, std::string>> entries;
    const Block* block = Current().FindSection(TrimSpaces(section));
    if (block == nullptr)
        return entries;
    for (const Line& line : block->body) {
        if (line.kind != Line::Kind::Entry || line.name.empty())
            continue;
        std::string_view v = line.value;
        if (HasEnclosingQuotes(v))
            v = v.substr(1, v.size() - 2);
        entries.emplace_back(line.name, std::string(v));
    }
    return entries;
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
    return Apply([&](Content& c) {
        std::string foldedKey = FoldKey(key);
        Block* block = c.FindSection(section);
        if (block != nullptr) {
            if (auto at = block->keys.find(foldedKey); at != block->keys.end()) {
                Line& line = block->body[at->second];
                // The key keeps its spelling in the file; only the value changes.
                line.raw.resize(line.keyEnd);
                line.raw += '=';
                line.raw += fileValue;
                line.value = std::move(storedValue);
                return true;
            }
        } else {
            c.sections.emplace(FoldKey(section), c.blocks.size());
            block = &c.blocks.emplace_back();
            Line header;
            header.kind = Line::Kind::Section;
            // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "[" + s + "]".
            header.raw = "[";
            header.raw += codec.FromCp932(section);
            header.raw += ']';
            header.name = std::string(section);
            block->body.push_back(std::move(header));
        }
        Line entry;
        entry.kind = Line::Kind::Entry;
        std::string fileKey = codec.FromCp932(key);
        entry.raw = fileKey + "=" + fileValue;
        entry.name = std::string(key);
        entry.value = std::move(storedValue);
        entry.keyEnd = fileKey.size();
        block->keys.emplace(std::move(foldedKey), block->body.size());
        block->body.push_back(std::move(entry));
        return true;
    });
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    std::lock_guard lock(m_mutex);
    return Apply([&](Content& c) {
        Block* block = c.FindSection(section);
        if (block == nullptr)
            return false;
        auto first = block->keys.find(FoldKey(key));
        if (first == block->keys.end())
            return false;
        std::vector<std::size_t> lines{first->second};
        if (block->repeatedKeys) {
            lines.clear();
            for (std::size_t i = 1; i < block->body.size(); ++i)
                if (block->body[i].kind == Line::Kind::Entry &&
                    Sjis::EqualsNoCase(block->body[i].name, key))
                    lines.push_back(i);
        }
        block->keys.erase(first);
        // From the last, so that a removal at the end of the section leaves the others in place.
        for (auto at = lines.rbegin(); at != lines.rend(); ++at)
            block->RemoveEntry(*at);
        return true;
    });
}

bool ProfileFile::DeleteSection(std::string_view section) {
    section = TrimSpaces(section);
    std::lock_guard lock(m_mutex);
    return Apply([&](Content& c) {
        if (c.FindSection(section) == nullptr)
            return false;
        // Every appearance goes, header and entries; the lines between stay where they were.
        std::vector<Line> kept;
        bool inTarget = false;
        for (Line& line : c.TakeLines()) {
            if (line.kind == Line::Kind::Section)
                inTarget = Sjis::EqualsNoCase(line.name, section);
            if (inTarget && line.kind != Line::Kind::Other)
                continue;
            kept.push_back(std::move(line));
        }
        c.Build(std::move(kept));
        return true;
    });
}

std::string ProfileFile::Serialize(const Content& content) const {
    std::string out;
    if (content.bom)
        out += kUtf8Bom;
    const char* eol = content.crlf ? "\r\n" : "\n";
    for (const Block& block : content.blocks) {
        for (const Line& line : block.body) {
            if (line.kind == Line::Kind::Removed)
                continue;
            out += line.raw;
            out += eol;
        }
        for (const Line& line : block.tail) {
            out += line.raw;
            out += eol;
        }
    }
    return out;
}

namespace {

// Puts bytes in place of target; on success the stamp of the new file is set.
bool PutInPlace(const std::filesystem::path& target, const std::string& bytes, FileStamp& stamp) {
    struct stat st {};
    try {
        if (tembra::ReplaceFile(
                target,
                [&bytes](CFile& file) {
                    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
                },
                &st) != 0) {
            return false;
        }
    } catch (const CFileException&) {
        return false;
    }
    stamp = FileStamp::Of(st);
    return true;
}

} // namespace

template <typename Edit> bool ProfileFile::Apply(Edit edit) {
    if (m_batchDepth > 0) {
        // Inside a batch the parsed copy itself changes; its stamp stays the one of the file on
        // disk, so it is kept until the batch writes it.
        Current();
        if (edit(*m_content))
            m_batchDirty = true;
        return true;
    }
    // Otherwise a copy changes, and replaces the parsed copy once it is on disk.
    Content next = Current();
    if (!edit(next))
        return true;
    return Commit(std::move(next));
}

bool ProfileFile::Commit(Content&& next) {
    FileStamp stamp;
    if (!PutInPlace(m_path, Serialize(next), stamp))
        return false;
    next.stamp = stamp;
    m_content = std::make_unique<Content>(std::move(next));
    return true;
}

void ProfileFile::BeginBatch() {
    std::lock_guard lock(m_mutex);
    ++m_batchDepth;
}

bool ProfileFile::EndBatch() {
    std::lock_guard lock(m_mutex);
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return !m_batchAbandoned;
    if (m_batchAbandoned) {
        m_batchAbandoned = false;
        m_batchDirty = false;
        m_content.reset();
        return false;
    }
    if (!m_batchDirty)
        return true;
    m_batchDirty = false;
    FileStamp stamp;
    if (m_content && PutInPlace(m_path, Serialize(*m_content), stamp)) {
        m_content->stamp = stamp;
        return true;
    }
    m_content.reset();
    return false;
}

void ProfileFile::AbandonBatch() {
    std::lock_guard lock(m_mutex);
    if (m_batchDepth == 0)
        return;
    m_batchAbandoned = true;
    if (--m_batchDepth > 0)
        return;
    m_batchAbandoned = false;
    m_batchDirty = false;
    m_content.reset();
}

namespace {

// A name that can stand in a zero-separated list. An empty name would end the list there, and a
// name holding a zero byte (only a file edited by hand has one) would end it or split it, hiding
// every name after it.
bool IsListableName(std::string_view name) {
    return !name.empty() && name.find('\0') == std::string_view::npos;
}

} // namespace

std::size_t FillNameList(const std::vector<std::string>& names, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::memset(buffer, 0, size);
    std::size_t pos = 0;
    std::size_t copied = 0;
    for (const std::string& name : names) {
        if (!IsListableName(name))
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
        if (!IsListableName(name))
            continue;
        if (size < 2 || name.size() + 1 > size - 1 - pos)
            break;
        pos += name.size() + 1;
        fit.push_back(std::move(name));
    }
    return fit;
}

} // namespace tembra
