#include "shell/core/MyYogoFile.h"

#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace tembra {

namespace {

constexpr UINT IDS_TERM_BLANK_ENDS = 5931;
constexpr UINT IDS_TERM_SEMICOLON = 5932;
constexpr UINT IDS_TERM_BRACKET = 5933;
constexpr UINT IDS_GROUP_BLANK_ENDS = 5934;

bool HasBlankEnd(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

unsigned char Fold(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// The bytes of the text folded to lower case where they are ASCII letters, never inside a
// double-byte character.
std::string Folded(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (Sjis::IsLeadByte(c) && i + 1 < out.size()) {
            i += 2;
            continue;
        }
        out[i] = static_cast<char>(Fold(c));
        ++i;
    }
    return out;
}

// Whether one of the single-byte characters occurs in the CP932 text as a character of its own
// (the second byte of a double-byte character may be "[" or "]": "ー" is 0x81 0x5B).
bool HasCharacter(std::string_view text, std::string_view characters) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (Sjis::IsLeadByte(c) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (characters.find(static_cast<char>(c)) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

CMyYogoFile::CMyYogoFile(std::filesystem::path path) : m_path(std::move(path)) {}

std::vector<std::string> CMyYogoFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (!std::filesystem::exists(m_path)) {
        return keys;
    }
    // A key written twice, or again in another ASCII case, is one key to the file: listed once,
    // the names seen so far looked up, not walked.
    std::unordered_set<std::string> seen;
    for (std::string& key : OpenProfileFile(m_path, ProfileFlavor::IniFile).KeyNames(section)) {
        if (!key.empty() && key[0] != ';' && seen.insert(Folded(key)).second) {
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

std::vector<std::string> CMyYogoFile::Groups() const {
    std::vector<std::string> groups = Keys(kGroupSection);
    Sort(groups);
    return groups;
}

bool CMyYogoFile::HasGroup(std::string_view name) const {
    const std::vector<std::string> groups = Keys(kGroupSection);
    return std::ranges::any_of(groups, [&](const std::string& g) { return EqualFolded(g, name); });
}

std::vector<std::string> CMyYogoFile::Terms(std::string_view group, std::string_view search) const {
    std::vector<std::string> terms;
    const bool all = search.empty() || search.front() == '*';
    for (std::string& key : Keys(group)) {
        if (all || key.find(search) != std::string::npos) {
            terms.push_back(std::move(key));
        }
    }
    Sort(terms);
    return terms;
}

bool CMyYogoFile::SaveGroup(std::string_view oldName, std::string_view newName,
                            const std::vector<std::string>& terms) {
    // A name the file cannot hold as a section (one read from a damaged file) is not written:
    // "GroupName" would even replace the group list.
    if (!GroupNameFault(newName).empty()) {
        return false;
    }
    ProfileFile& file = OpenProfileFile(m_path, ProfileFlavor::IniFile);
    ProfileBatch batch(file);
    bool ok = true;
    if (oldName != newName) {
        ok = file.DeleteKey(kGroupSection, oldName) && ok;
        ok = file.WriteString(kGroupSection, newName, "") && ok;
    }
    ok = file.DeleteSection(oldName) && ok;
    std::vector<std::string> sorted = terms;
    Sort(sorted);
    for (const std::string& term : sorted) {
        if (!term.empty()) {
            ok = file.WriteString(newName, term, "") && ok;
        }
    }
    // A refused write leaves the whole file as it was, the old group with it.
    if (!ok) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

bool CMyYogoFile::AddGroup(std::string_view name) {
    if (!GroupNameFault(name).empty()) {
        return false;
    }
    return OpenProfileFile(m_path, ProfileFlavor::IniFile).WriteString(kGroupSection, name, "");
}

bool CMyYogoFile::DeleteGroup(std::string_view name) {
    ProfileFile& file = OpenProfileFile(m_path, ProfileFlavor::IniFile);
    ProfileBatch batch(file);
    // Only a name that can be a section has one: the group list itself is never removed.
    const bool hasSection = GroupNameFault(name).empty();
    if (!file.DeleteKey(kGroupSection, name) || (hasSection && !file.DeleteSection(name))) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

std::string CMyYogoFile::TermFault(std::string_view term, const std::vector<std::string>& list) {
    // The file reads its keys without the blanks at their ends: such a term would come back
    // changed, and a ";" or "[" after them would be taken for a comment or a section.
    if (HasBlankEnd(term)) {
        return LoadString(IDS_TERM_BLANK_ENDS);
    }
    if (!term.empty() && term.front() == ';') {
        return LoadString(IDS_TERM_SEMICOLON);
    }
    if (!term.empty() && term.front() == '[') {
        return LoadString(IDS_TERM_BRACKET);
    }
    if (HasCharacter(term, std::string_view("=\r\n\0", 4))) {
        return Sjis::FromUtf8("「=」や改行を含む用語は登録できません。");
    }
    for (const std::string& listed : list) {
        if (listed != term && EqualFolded(listed, term)) {
            return Sjis::FromUtf8("英字の大文字と小文字だけが異なる用語がすでにあります。");
        }
    }
    return {};
}

std::string CMyYogoFile::GroupNameFault(std::string_view name) {
    if (HasBlankEnd(name)) {
        return LoadString(IDS_GROUP_BLANK_ENDS);
    }
    if (HasCharacter(name, std::string_view("[]=\r\n\0", 6))) {
        return Sjis::FromUtf8("「[」「]」「=」や改行を含むグループ名は使えません。");
    }
    if (!name.empty() && name.front() == ';') {
        return Sjis::FromUtf8("「;」で始まるグループ名は使えません。");
    }
    if (EqualFolded(name, kGroupSection)) {
        return Sjis::FromUtf8("「GroupName」はグループ名に使えません。");
    }
    return {};
}

bool CMyYogoFile::Less(std::string_view a, std::string_view b) {
    const std::string fa = Folded(a);
    const std::string fb = Folded(b);
    return std::lexicographical_compare(
        fa.begin(), fa.end(), fb.begin(), fb.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
}

bool CMyYogoFile::EqualFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && Folded(a) == Folded(b);
}

void CMyYogoFile::Sort(std::vector<std::string>& list) {
    // Each name folded once, not once per comparison.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(list.size());
    for (std::string& name : list) {
        keyed.emplace_back(Folded(name), std::move(name));
    }
    std::ranges::stable_sort(keyed, [](const auto& a, const auto& b) {
        return std::lexicographical_compare(
            a.first.begin(), a.first.end(), b.first.begin(), b.first.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        list[i] = std::move(keyed[i].second);
    }
}

} // namespace tembra
