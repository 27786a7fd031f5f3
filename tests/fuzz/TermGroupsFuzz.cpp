// Feeds arbitrary bytes to the reader of the user's MY term groups ("MYYOGO.INI", CP932 INI).
//
// Input: a length byte and that many bytes, a text typed as a new term; a length byte and that
// many bytes, a text typed as a new group name; then the file.
//
// Besides crashes, leaks and undefined behaviour the target checks what the dialog relies on:
// - the groups and each group's terms are listed once each, as the file takes them (names that
//   differ only in ASCII case are one key), and sorted;
// - writing a group back unchanged keeps its terms exactly, or fails and leaves the file's bytes
//   as they were (a group the file cannot hold as a section is refused, never half written);
// - a term the list accepts (TermFault empty) added to a group comes back exactly, and a group
//   name it accepts (GroupNameFault empty, not in use) becomes a group of exactly that name.
#include "fuzz/FuzzSupport.h"

#include "platform/Sjis.h"
#include "shell/core/MyYogoFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tembra::fuzz {
namespace {

// More groups than this only repeat what the first ones show, at a cost per input.
constexpr std::size_t kMaxGroups = 8;

void CheckListed(const std::vector<std::string>& names, const char* what) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0 && CMyYogoFile::Less(names[i], names[i - 1])) {
            Fail(what);
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (CMyYogoFile::EqualFolded(names[i], names[j])) {
                Fail(what);
            }
        }
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const std::string term = input.Text(input.Byte());
    const std::string groupName = input.Text(input.Byte());
    const std::filesystem::path path = TempFolder() / "MYYOGO.INI";
    WriteWholeFile(path, input.Rest());
    CMyYogoFile file(path);

    const std::vector<std::string> groups = file.Groups();
    CheckListed(groups, "the groups are not listed once each, in order");
    for (std::size_t g = 0; g < groups.size() && g < kMaxGroups; ++g) {
        const std::string& group = groups[g];
        const std::vector<std::string> terms = file.Terms(group, "");
        CheckListed(terms, "a group's terms are not listed once each, in order");
        const std::string before = ReadWholeFile(path);
        if (!file.SaveGroup(group, group, terms)) {
            if (ReadWholeFile(path) != before) {
                Fail("a refused write of a group changed the file");
            }
            continue;
        }
        if (file.Terms(group, "") != terms) {
            Fail("a group written back unchanged reads back changed");
        }
        if (file.Groups() != groups) {
            Fail("writing a group back changed the group list");
        }
        if (Typeable(term) && !term.empty() && CMyYogoFile::TermFault(term, terms).empty() &&
            std::ranges::find(terms, term) == terms.end()) {
            std::vector<std::string> added = terms;
            added.push_back(term);
            if (!file.SaveGroup(group, group, added)) {
                Fail("a term the list accepts cannot be written");
            }
            const std::vector<std::string> now = file.Terms(group, "");
            if (std::ranges::find(now, term) == now.end() || now.size() != added.size()) {
                Fail("a term the list accepts does not come back as typed");
            }
        }
    }

    if (Typeable(groupName) && !groupName.empty() &&
        CMyYogoFile::GroupNameFault(groupName).empty() && !file.HasGroup(groupName)) {
        if (!file.AddGroup(groupName)) {
            Fail("a group name the dialog accepts cannot be written");
        }
        const std::vector<std::string> now = file.Groups();
        if (std::ranges::find(now, groupName) == now.end()) {
            Fail("a group name the dialog accepts does not come back as typed");
        }
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
