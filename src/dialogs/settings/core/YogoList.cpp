#include "dialogs/settings/core/YogoList.h"

#include "platform/Paths.h"
#include "platform/Sjis.h"

#include <system_error>

namespace tembra {

namespace {

constexpr const char* kFileName = "YOGO.INI";

bool Hidden(const std::string& key) {
    return !key.empty() && key.front() == ';';
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> SplitItems(const std::string& value) {
    std::vector<std::string> items;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = Sjis::FindByte(value, ',', begin);
        const std::size_t end = comma == std::string::npos ? value.size() : comma;
        items.push_back(
            Sjis::Cut(std::string_view(value).substr(begin, end - begin), CYogoFile::kValueBytes));
        if (comma == std::string::npos) {
            return items;
        }
        begin = comma + 1;
    }
}

template <class List> const std::string& At(const List& list, int index) {
    static const std::string empty;
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? list[static_cast<std::size_t>(index)]
               : empty;
}

} // namespace

std::filesystem::path LocateYogoFile(const std::filesystem::path& userCopy) {
    std::error_code error;
    if (!userCopy.empty() && std::filesystem::is_regular_file(userCopy, error)) {
        return userCopy;
    }
    const std::filesystem::path shipped = Paths::ShippedDataDir() / kFileName;
    if (std::filesystem::is_regular_file(shipped, error)) {
        return shipped;
    }
    return {};
}

std::string JoinYogo(const std::array<std::string, 4>& picks) {
    std::string joined;
    for (const std::string& pick : picks) {
        joined += pick;
    }
    return joined;
}

CYogoFile::CYogoFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error)) {
        m_file = std::make_unique<ProfileFile>(path, ProfileFlavor::IniFile);
    }
}

CYogoFile::~CYogoFile() = default;

std::vector<std::string> CYogoFile::Numbered(const std::string& section) const {
    std::vector<std::string> values;
    if (m_file == nullptr) {
        return values;
    }
    for (int n = 0;; ++n) {
        std::string value = m_file->GetString(section, std::to_string(n), "", kValueBytes + 1);
        if (value.empty()) {
            return values;
        }
        values.push_back(std::move(value));
    }
}

std::vector<std::string> CYogoFile::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    if (m_file == nullptr) {
        return keys;
    }
    for (std::string& key : m_file->KeyNames(section)) {
        if (!Hidden(key)) {
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

std::vector<std::string> CYogoFile::List(const std::string& section, const std::string& key) const {
    if (m_file == nullptr) {
        return {};
    }
    return SplitItems(m_file->GetString(section, key, "", kValueBytes + 1));
}

std::vector<std::string> CYogoFile::Words(const std::vector<std::string>& sections,
                                          const std::string& reading) const {
    std::vector<std::string> words;
    if (m_file == nullptr) {
        return words;
    }
    const bool all = reading.empty() || reading.front() == '*';
    for (const std::string& section : sections) {
        for (auto& [word, value] : m_file->SectionEntries(section)) {
            if (Hidden(word)) {
                continue;
            }
            bool match = all || StartsWith(word, reading);
            if (!match) {
                for (const std::string& kana : SplitItems(Sjis::Cut(value, kValueBytes))) {
                    if (StartsWith(kana, reading)) {
                        match = true;
                        break;
                    }
                }
            }
            if (match) {
                words.push_back(word);
            }
        }
    }
    return words;
}

void CYogoListModel::LoadPattern(int p) {
    m_patterns = CYogoFile(m_path).Numbered("Pattern");
    m_pattern = p >= 0 && static_cast<std::size_t>(p) < m_patterns.size() ? p : -1;
    for (int c = 0; c < kColumns; ++c) {
        LoadColumn(c, p, 0, c, true);
    }
}

void CYogoListModel::ChoosePattern(int p) {
    m_pattern = p;
    for (int c = 0; c < kColumns; ++c) {
        LoadColumn(c, p, 0, c, true);
    }
}

void CYogoListModel::ChooseGroup(int g) {
    for (int c = 0; c < kColumns; ++c) {
        LoadColumn(c, m_pattern, g, c, true);
    }
}

void CYogoListModel::ChooseKey(int column, int k) {
    LoadColumn(column, m_pattern, m_group, k, false);
}

void CYogoListModel::SetReading(int column, const std::string& reading) {
    if (column < 0 || column >= kColumns) {
        return;
    }
    Column& col = m_columns[Index(column)];
    col.reading = reading;
    col.loadedKey = -1;
    LoadColumn(column, m_pattern, m_group, col.key, false);
}

bool CYogoListModel::LoadColumn(int column, int p, int g, int k, bool force) {
    if (column < 0 || column >= kColumns) {
        return false;
    }
    // The file is read afresh on every load: an edit shows at the next choice.
    const CYogoFile file(m_path);
    Column& col = m_columns[Index(column)];
    if (p != m_loadedPattern) {
        m_groups = file.Numbered(At(m_patterns, p));
        m_loadedPattern = p;
        m_group = g >= 0 && static_cast<std::size_t>(g) < m_groups.size() ? g : -1;
        m_loadedGroup = -1;
        col.loadedKey = -1;
    }
    bool cleared = false;
    const std::string& group = At(m_groups, g);
    if (g != m_loadedGroup || force) {
        col.keys = file.Keys(group);
        m_loadedGroup = g;
        m_group = g >= 0 && static_cast<std::size_t>(g) < m_groups.size() ? g : -1;
        col.key = k >= 0 && static_cast<std::size_t>(k) < col.keys.size() ? k : -1;
        col.loadedKey = -1;
        for (Column& each : m_columns) {
            each.reading.clear();
        }
        cleared = true;
    }
    if (k < 0 || static_cast<std::size_t>(k) >= col.keys.size()) {
        col.words.clear();
        col.key = -1;
        col.loadedKey = -1;
        return cleared;
    }
    col.key = k;
    if (k == col.loadedKey) {
        return cleared;
    }
    const std::vector<std::string> sections =
        file.List(group, col.keys[static_cast<std::size_t>(k)]);
    col.loadedKey = k;
    col.words = file.Words(sections, col.reading);
    return cleared;
}

} // namespace tembra
